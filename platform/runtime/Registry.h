#pragma once
// The registry of creatable classes: what the component runtime's class
// objects gave.  A library registers each of its creatable classes under its
// program identifier; CreateObject makes a new object from that name.
#include <functional>
#include <memory>
#include <string>

#include "Object.h"

using ObjectFactory = std::function<std::shared_ptr<Object>()>;

// Registers a class under its program identifier (compared without regard to
// case); a later registration of the same identifier replaces the earlier one.
void RegisterClass(const std::string& sProgID, ObjectFactory factory);

// True when a class is registered under the identifier.
bool IsClassRegistered(const std::string& sProgID);

// A new object of the class registered under sProgID.  An unknown identifier,
// or a factory that makes no object, raises 429 (can't create object).
Ref<Object> CreateObject(const std::string& sProgID);
