#include "Interrupt.h"

#include <pthread.h>
#include <setjmp.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "core/Globals.h"
#include "interfaces/IDataManager.h"

namespace host {
namespace {

volatile std::sig_atomic_t gInterrupts = 0;

// Where a Ctrl-C leaves a read that Read is in, and the thread it reads on;
// `gReading` while the jump may be taken.
sigjmp_buf gBreakOff;
pthread_t gReader;
volatile std::sig_atomic_t gReading = 0;

// Only what a signal handler may do: SIGINT's default action put back, the
// signal raised and let through, so that the program dies of it.
[[noreturn]] void DieOfInterrupt() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    raise(SIGINT);
    // A handler runs with SIGINT blocked; let through, it ends the program here.
    sigprocmask(SIG_UNBLOCK, &interrupt, nullptr);
    _exit(128 + SIGINT);
}

// Sets the flag; the second Ctrl-C ends the program without a word, as a
// write to a full pipe could block here with SIGINT masked.  A read that
// Read is in is left: the system would take it up again after this.
void OnInterrupt(int) {
    gInterrupts = gInterrupts + 1;
    if (gInterrupts >= 2) DieOfInterrupt();
    if (gReading && pthread_equal(pthread_self(), gReader)) {
        gReading = 0;
        siglongjmp(gBreakOff, 1);
    }
}

}  // namespace

Interruptible::Interruptible() {
    gInterrupts = 0;
    sigaction(SIGINT, nullptr, &previousAction_);
    // Ignored by whoever started us (a script's background job, trap '' INT):
    // the Ctrl-C is meant for someone else.
    if (previousAction_.sa_handler != SIG_IGN) {
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        // What it breaks off is taken up again, so that no result line or
        // message is lost to it (a write to a full pipe waits for the pipe);
        // the waits that must hear it, a question and a sleep while another
        // process holds the database, are ones the system never restarts.
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        installed_ = true;
    }
    previousHook_ = ui::SetDoEventsHook([this] {
        if (previousHook_) previousHook_();
        if (const Ref<IDataManager>& root = gDataManager(); root && Interrupted()) root->SetCancelled(true);
    });
    previousGiveUp_ =
        ui::SetGiveUpWaitingHook([this] { return Interrupted() || (previousGiveUp_ && previousGiveUp_()); });
}

Interruptible::~Interruptible() {
    ui::SetGiveUpWaitingHook(std::move(previousGiveUp_));
    ui::SetDoEventsHook(std::move(previousHook_));
    if (installed_) sigaction(SIGINT, &previousAction_, nullptr);
}

bool Interruptible::Interrupted() { return gInterrupts > 0; }

void Interruptible::StopIfInterrupted() {
    if (Interrupted()) throw Cancelled{};
}

ssize_t Interruptible::Read(int fd, void* buffer, size_t size) {
    gReader = pthread_self();
    // Left by the handler, with the signal mask as it was here.
    if (sigsetjmp(gBreakOff, 1) != 0) {
        errno = EINTR;
        return -1;
    }
    // Set before the flag is looked at: a Ctrl-C from here on, before the
    // read or while it waits, leaves it.
    gReading = 1;
    const ssize_t n = Interrupted() ? -1 : ::read(fd, buffer, size);
    const int error = errno;
    gReading = 0;
    // What came with the Ctrl-C goes with it.
    errno = Interrupted() ? EINTR : error;
    return Interrupted() ? -1 : n;
}

void Interruptible::EndIfInterrupted() {
    if (!installed_) return;
    // Blocked while the flag is read and the action put back: a Ctrl-C in
    // between is then delivered with the default action, not to the flag.
    sigset_t interrupt, before;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigprocmask(SIG_BLOCK, &interrupt, &before);
    sigaction(SIGINT, &previousAction_, nullptr);
    installed_ = false;
    if (Interrupted()) DieOfInterrupt();
    sigprocmask(SIG_SETMASK, &before, nullptr);
}

}  // namespace host
