#pragma once
// The error numbers and texts with which the common controls refuse a call;
// hosts and the library's own error reports know them by these numbers.
#include <cstdint>

namespace host {
constexpr int32_t kInvalidPropertyValue = 380;
constexpr const char* kInvalidPropertyValueText = "Invalid property value";
constexpr int32_t kInvalidArrayIndex = 381;
constexpr const char* kInvalidArrayIndexText = "Invalid property array index";
constexpr int32_t kElementNotFound = 35601;
constexpr const char* kElementNotFoundText = "Element not found";
constexpr int32_t kKeyNotUnique = 35602;
constexpr const char* kKeyNotUniqueText = "Key is not unique in collection";
}  // namespace host
