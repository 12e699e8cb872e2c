#pragma once
// The component registry: creates an object of a registered class from its
// program identifier, as the component runtime's class objects did.  It is
// one table: the core registers the platform's classes, and each library
// registers its own classes into it (criteria, queries, lists, ... through
// their Register...Classes functions, which the root calls), so the core never
// knows the subsystems.  Program identifiers are compared without regard to
// case.
#include <functional>
#include <string>

#include "platform/runtime/Object.h"

using ClassFactory = std::function<Ref<Object>()>;

// Registers (or replaces) the class behind a program identifier.  A class
// registered as not creatable is known to the registry but CreateObject
// refuses it with 429, as a component runtime refuses a class without a class
// object.  Never fails.
void RegisterClass(const std::string& sProgID, ClassFactory factory, bool bCreatable = true);

// True when the program identifier is registered (creatable or not).  Never fails.
bool IsClassRegistered(const std::string& sProgID);

// A new object of the class registered under the program identifier; raises
// 429 (can't create object) for an unknown or non-creatable one.
Ref<Object> CreateObject(const std::string& sProgID);

// CreateObject and an interface cast in one; raises 429 as above, 13 when the
// object lacks the interface.
template <class T>
Ref<T> CreateObjectAs(const std::string& sProgID) {
    return Cast<T>(CreateObject(sProgID));
}

// A factory that makes a T with New<T>().
template <class T>
ClassFactory MakeFactory() {
    return [] { return Ref<Object>(New<T>()); };
}
