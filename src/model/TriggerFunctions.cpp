#include "model/TriggerFunctions.h"

#include "listtext/Error.h"
#include "listtext/ListWriter.h"
#include "listtext/Serialize.h"
#include "model/SequenceUtils.h"

namespace bw::TriggerFunctions {

using namespace Serialize;

TriggerPtr NewTrigger(int network, int unitId, int inputNumber, std::string name) {
    auto trigger = std::make_shared<Trigger>();
    trigger->SetInputNumber(inputNumber);
    trigger->SetName(std::move(name));
    trigger->SetUnitId(unitId);
    trigger->SetNetwork(network);
    return trigger;
}

std::string TriggerToText(const TriggerPtr& trigger) {
    if (!trigger)
        RaiseObjectNotSet();
    std::string text;
    AppendTriggerText(text, *trigger);
    return text;
}

void AppendTriggerText(std::string& out, const Trigger& trigger) {
    ListWriter fields(out);
    fields.Element(IntToText(trigger.InputNumber()));
    fields.EscapedElement(trigger.Name());
    fields.Element(IntToText(trigger.UnitId()));
    fields.Element(IntToText(trigger.Network()));
    fields.Close();
}

TriggerPtr TriggerFromText(std::string_view text) {
    const ElementArray fields = ListFromText(text, 1, 4);
    const int network = IntFromText(fields[4]);
    const int unitId = IntFromText(fields[3]);
    const int inputNumber = IntFromText(fields[1]);
    return NewTrigger(network, unitId, inputNumber, UnescapeText(fields[2]));
}

std::string TriggerDisplayName(int network, int unitId, int inputNumber) {
    if (unitId < 0 || unitId > 255)
        RaiseOverflow();
    return SequenceUtils::NetworkName(network) + ", Unit " +
           SequenceUtils::UnitIdText(1, true, static_cast<std::uint8_t>(unitId)) + ", Input " +
           std::to_string(inputNumber);
}

} // namespace bw::TriggerFunctions
