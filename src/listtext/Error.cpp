#include "listtext/Error.h"

namespace bw {

Error::Error(int number, std::string source, std::string description)
    : std::runtime_error(description), number_(number), source_(std::move(source)),
      description_(std::move(description)) {}

void RaiseOverflow() {
    throw Error(ErrorNumber::Overflow, {}, "Overflow");
}

void RaiseSubscriptOutOfRange() {
    throw Error(ErrorNumber::SubscriptOutOfRange, {}, "Subscript out of range");
}

void RaiseTypeMismatch() {
    throw Error(ErrorNumber::TypeMismatch, {}, "Type mismatch");
}

void RaiseObjectNotSet() {
    throw Error(ErrorNumber::ObjectNotSet, {}, "Object variable or With block variable not set");
}

} // namespace bw
