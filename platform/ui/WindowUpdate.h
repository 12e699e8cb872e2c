#pragma once
// Freezing a window's drawing while a control is filled (LockWindowUpdate):
// one window at a time, released with 0.  The host installs what actually
// freezes its windows; without it the call does nothing and answers True.
#include <cstdint>
#include <functional>

namespace ui {

using WindowUpdateHook = std::function<bool(int64_t hWndLock)>;

// Installs the host's hook (an empty one restores the default) and returns
// the one it replaces.
WindowUpdateHook SetWindowUpdateHook(WindowUpdateHook hook);

// Freezes the drawing of the window with that handle, or releases the
// freeze when it is 0; True when done.
bool LockWindowUpdate(int64_t hWndLock);

}  // namespace ui
