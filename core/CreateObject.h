#pragma once
// The component registry: creates an object of a creatable class from its
// program identifier, as the component runtime's class objects did.  Program
// identifiers are compared without regard to case; an unknown one raises 429.
#include <string>

#include "platform/runtime/Object.h"

Ref<Object> CreateObject(const std::string& sProgID);

// CreateObject and an interface cast in one (13 when the object lacks it).
template <class T>
Ref<T> CreateObjectAs(const std::string& sProgID) {
    return Cast<T>(CreateObject(sProgID));
}
