#pragma once
// Handing the message loop over to the host during a long operation, so that
// it can repaint and let the person press Cancel.  The host installs the hook;
// without one DoEvents does nothing.
#include <functional>

namespace ui {

using DoEventsHook = std::function<void()>;

// Installs the host's hook (an empty one restores the default) and returns
// the one it replaces.
DoEventsHook SetDoEventsHook(DoEventsHook hook);

// Lets the host run its pending events.
void DoEvents();

}  // namespace ui
