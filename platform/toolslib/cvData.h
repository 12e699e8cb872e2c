#pragma once
// The data component of the tools library: reading values that may be Null.
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

class cvData : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvData";

    // The value's text, or the default's text when the value is Null (a Null
    // default gives "").
    std::string TextOrDefault(const Variant& vValue, const Variant& vDefault = Variant(""));
    // The value, or the default when the value is Null, Empty, Missing or "".
    // The caller converts the result to the type it needs.
    Variant ValueOrDefault(const Variant& vValue, const Variant& vDefault);
};
