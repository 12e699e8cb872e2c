#include "MousePointer.h"

namespace ui {
namespace {
int32_t& Pointer() {
    thread_local int32_t pointer = vbDefault;
    return pointer;
}
}  // namespace

int32_t MousePointer() { return Pointer(); }
void SetMousePointer(int32_t n) { Pointer() = n; }
void ResetMousePointer() { Pointer() = vbDefault; }

}  // namespace ui
