#pragma once
// Ctrl-C while a command works.  The signal handler only sets a flag; the
// command looks at it at the points where it may stop (between the steps of
// its work, at each record of its long loops) and there raises Cancelled,
// which main turns into "cancelled" and exit status 1; what it would have
// written is dropped on the way out.  The library hands control to the host
// (DoEvents) right before it reads the root's cancel request, and there the
// flag becomes that request, each time: the request is cleared whenever the
// library offers cancelling anew, the flag is not.  A second Ctrl-C is a
// person who will not wait for the command to notice the first: the program
// ends at once with status 130.
#include <csignal>

#include "platform/ui/DoEvents.h"

namespace host {

// What a command raises where it stops for Ctrl-C.  No Error: the handlers
// that report a file or a query that failed must let it pass.
struct Cancelled {};

class Interruptible {
public:
    // Installs the handler (the flag starts clear) and the hand-over hook,
    // which also runs the hook it replaces and asks the root of this thread
    // to cancel.
    Interruptible();
    // Puts back the handler and the hook it replaced.
    ~Interruptible();
    Interruptible(const Interruptible&) = delete;
    Interruptible& operator=(const Interruptible&) = delete;

    // True once Ctrl-C was pressed while one lived.
    static bool Interrupted();
    // Raises Cancelled once Ctrl-C was pressed while one lived.
    static void StopIfInterrupted();

private:
    struct sigaction previousAction_ {};
    ui::DoEventsHook previousHook_;
};

}  // namespace host
