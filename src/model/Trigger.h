#pragma once

#include <memory>
#include <string>

namespace bw {

// One input circuit of the lighting network. Two triggers are the same trigger when network,
// unit and input agree; the name is only a label.
class Trigger {
public:
    int InputNumber() const { return inputNumber_; }
    void SetInputNumber(int value) { inputNumber_ = value; }

    const std::string& Name() const { return name_; }
    void SetName(std::string value) { name_ = std::move(value); }

    int Network() const { return network_; }
    void SetNetwork(int value) { network_ = value; }

    int UnitId() const { return unitId_; }
    void SetUnitId(int value) { unitId_ = value; }

    void Copy(const Trigger& other);
    // False for no trigger.
    bool Equals(const std::shared_ptr<Trigger>& other) const;
    // Every field, the name as well: the same trigger under another name is another object.
    bool operator==(const Trigger&) const = default;

private:
    int inputNumber_ = 0;
    std::string name_;
    int network_ = 0;
    int unitId_ = 0;
};

using TriggerPtr = std::shared_ptr<Trigger>;

} // namespace bw
