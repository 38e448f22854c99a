#pragma once

#include "model/Trigger.h"

#include <string>
#include <string_view>

namespace bw::TriggerFunctions {

TriggerPtr NewTrigger(int network, int unitId, int inputNumber, std::string name);

// The four-field text; raises the missing-object error for no trigger.
std::string TriggerToText(const TriggerPtr& trigger);
void AppendTriggerText(std::string& out, const Trigger& trigger);
TriggerPtr TriggerFromText(std::string_view text);

// "Regular, Unit 01, Input 1". Raises overflow for a unit id outside 0 to 255.
std::string TriggerDisplayName(int network, int unitId, int inputNumber);

} // namespace bw::TriggerFunctions
