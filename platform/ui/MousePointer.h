#pragma once
// The screen's mouse pointer.  Long operations show the hourglass; the error
// display puts the default pointer back so a failed operation does not leave
// the hourglass behind.  The host reads it to draw its own pointer.
#include <cstdint>

namespace ui {

constexpr int32_t vbDefault = 0;
constexpr int32_t vbHourglass = 11;

int32_t MousePointer();
void SetMousePointer(int32_t n);
// Back to the default pointer (tests).
void ResetMousePointer();

}  // namespace ui
