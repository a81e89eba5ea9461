#include "Object.h"

#include "RuntimeException.h"

namespace fw {

void RaiseNilObject() {
    throw NilObjectException("A member was used on Nil.");
}

void RaiseIllegalCast(const std::string& from, const std::string& to) {
    throw IllegalCastException("Can't cast " + from + " to " + to + ".");
}

}  // namespace fw
