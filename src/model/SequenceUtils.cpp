#include "model/SequenceUtils.h"

namespace bw::SequenceUtils {

std::string NetworkName(int network) {
    switch (network) {
    case 0:
        return "Regular";
    case 1:
        return "Aux A";
    case 2:
        return "Aux B";
    case 3:
        return "Aux C";
    default:
        return "Net " + std::to_string(network);
    }
}

std::string UnitIdText(int style, bool enabled, std::uint8_t unitId) {
    if (!enabled)
        return {};
    const int u = unitId;
    switch (style) {
    case 1: {
        if (u == 0 || u > 240)
            return {};
        static constexpr char digits[] = "0123456789ABCDEF";
        return {digits[u / 16], digits[u % 16]};
    }
    case 2:
    case 5:
        return u < 100 ? std::to_string(u) : std::string();
    case 3:
        return std::string(1, static_cast<char>('A' + u / 16)) + "-" + std::to_string(u % 16 + 1);
    case 4:
        return u >= 1 && u <= 106 ? std::to_string(u) : std::string();
    default:
        return {};
    }
}

} // namespace bw::SequenceUtils
