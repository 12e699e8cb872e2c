#pragma once
// Ctrl-C while the library works.  The signal handler only sets a flag; the
// library hands control to the host (DoEvents) right before it reads the
// root's cancel request, and there the flag becomes that request, each time:
// the request is cleared whenever the library offers cancelling anew, the
// flag is not.  A second Ctrl-C is a person who will not wait for the library
// to notice the first: the program ends at once with status 130.
#include <csignal>

#include "interfaces/IDataManager.h"
#include "platform/ui/DoEvents.h"

namespace host {

class Interruptible {
public:
    // Installs the handler (the flag starts clear) and the hand-over hook,
    // which also runs the hook it replaces.
    explicit Interruptible(IDataManager& root);
    // Puts back the handler and the hook it replaced.
    ~Interruptible();
    Interruptible(const Interruptible&) = delete;
    Interruptible& operator=(const Interruptible&) = delete;

    // True once Ctrl-C was pressed while one lived.
    static bool Interrupted();

private:
    struct sigaction previousAction_ {};
    ui::DoEventsHook previousHook_;
};

}  // namespace host
