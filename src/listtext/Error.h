#pragma once

#include <stdexcept>
#include <string>

namespace bw {

// The one error type of the program: a number, the module that raised it (may be empty) and a
// description that can be shown to the user as it stands.
class Error : public std::runtime_error {
public:
    Error(int number, std::string source, std::string description);

    int Number() const { return number_; }
    const std::string& Source() const { return source_; }
    const std::string& Description() const { return description_; }

private:
    int number_;
    std::string source_;
    std::string description_;
};

// The standard run-time errors, with the descriptions users know from such programs.
namespace ErrorNumber {
inline constexpr int Overflow = 6;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int TypeMismatch = 13;
inline constexpr int ObjectNotSet = 91;
} // namespace ErrorNumber

[[noreturn]] void RaiseOverflow();
[[noreturn]] void RaiseSubscriptOutOfRange();
[[noreturn]] void RaiseTypeMismatch();
[[noreturn]] void RaiseObjectNotSet();

} // namespace bw
