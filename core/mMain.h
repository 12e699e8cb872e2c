#pragma once
// Numeric helpers other classes count with.
#include "platform/runtime/Variant.h"

namespace mMain {
// vNumber := vNumber + vIncrement (variant addition).
void Inc(Variant& vNumber, const Variant& vIncrement);
// vNumber := vNumber - vDecrement (variant subtraction).
void Dec(Variant& vNumber, const Variant& vDecrement);
}  // namespace mMain
