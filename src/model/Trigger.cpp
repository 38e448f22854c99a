#include "model/Trigger.h"

namespace bw {

void Trigger::Copy(const Trigger& other) {
    unitId_ = other.unitId_;
    inputNumber_ = other.inputNumber_;
    name_ = other.name_;
    network_ = other.network_;
}

bool Trigger::Equals(const std::shared_ptr<Trigger>& other) const {
    return other && unitId_ == other->unitId_ && inputNumber_ == other->inputNumber_ &&
           network_ == other->network_;
}

} // namespace bw
