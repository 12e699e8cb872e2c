#pragma once
// Ctrl-C while a command works.  The signal handler sets a flag (and breaks
// off a read that waits in Read); the command looks at it at the points where
// it may stop (between the steps of its work, at each record and line of its
// long loops, before it prints) and there raises Cancelled, which main turns
// into "cancelled".  Whatever became of the command (cancelled, failed for
// its own reason, or finished because the Ctrl-C came after its last point),
// the program then ends by SIGINT with its default action, as a shell expects
// of a program it interrupted (status 130, and a script's loop stops).  The
// library hands control to the host (DoEvents) right before it reads the
// root's cancel request, and there the flag becomes that request, each time:
// the request is cleared whenever the library offers cancelling anew, the
// flag is not.  While the library waits for another process's lock it asks
// the host whether to give up, and the flag says so.  A second Ctrl-C is a
// person who will not wait for the command to notice the first: the program
// ends by SIGINT at once, writing nothing.  A program started with SIGINT
// ignored (a script's background job) keeps it ignored: the Ctrl-C is meant
// for someone else.
#include <sys/types.h>

#include <csignal>
#include <cstddef>

#include "platform/ui/DoEvents.h"

namespace host {

// What a command raises where it stops for Ctrl-C.  No Error: the handlers
// that report a file or a query that failed must let it pass.
struct Cancelled {};

class Interruptible {
public:
    // Installs the handler (the flag starts clear), unless SIGINT is ignored,
    // and the hooks: the hand-over, which also runs the hook it replaces and
    // asks the root of this thread to cancel, and the one that gives up a wait.
    Interruptible();
    // Puts back the handler and the hooks it replaced.
    ~Interruptible();
    Interruptible(const Interruptible&) = delete;
    Interruptible& operator=(const Interruptible&) = delete;

    // True once Ctrl-C was pressed while one lived.
    static bool Interrupted();
    // Raises Cancelled once Ctrl-C was pressed while one lived.
    static void StopIfInterrupted();
    // read(2) of `fd` that Ctrl-C breaks off, one pressed just before it or
    // while it waits too (other reads are taken up again after it): -1 with
    // errno EINTR once Ctrl-C was pressed, else what read(2) returns.
    static ssize_t Read(int fd, void* buffer, size_t size);
    // For a program with nothing left to do but return: ends it by SIGINT
    // with its default action once Ctrl-C was pressed, and puts back the
    // action it replaced, so that a Ctrl-C from here on is not lost either.
    void EndIfInterrupted();

private:
    bool installed_ = false;
    struct sigaction previousAction_ {};
    ui::DoEventsHook previousHook_;
    ui::GiveUpWaitingHook previousGiveUp_;
};

}  // namespace host
