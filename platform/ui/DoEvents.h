#pragma once
// Handing the message loop over to the host during a long operation, so that
// it can repaint and let the person press Cancel.  The host installs the hook;
// without one DoEvents does nothing.  A wait that only time ends (another
// process's lock on a database) asks the host instead whether the person has
// given up; without a hook nobody has.
#include <functional>

namespace ui {

using DoEventsHook = std::function<void()>;
using GiveUpWaitingHook = std::function<bool()>;

// Installs the host's hook (an empty one restores the default) and returns
// the one it replaces.
DoEventsHook SetDoEventsHook(DoEventsHook hook);

// Lets the host run its pending events.
void DoEvents();

// Installs the host's hook that says whether to give up waiting (an empty one
// restores the default, never) and returns the one it replaces.
GiveUpWaitingHook SetGiveUpWaitingHook(GiveUpWaitingHook hook);

// True when the host's hook says to stop waiting now; false without one.
bool GiveUpWaiting();

}  // namespace ui
