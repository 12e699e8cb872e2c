#include "Interrupt.h"

#include <unistd.h>

#include <utility>

#include "core/Globals.h"
#include "interfaces/IDataManager.h"

namespace host {
namespace {

volatile std::sig_atomic_t gInterrupts = 0;

// Only what a signal handler may do: set the flag, or write and end.
void OnInterrupt(int) {
    gInterrupts = gInterrupts + 1;
    if (gInterrupts >= 2) {
        static const char kInterrupted[] = "\nterralith: interrupted\n";
        ssize_t written = write(STDERR_FILENO, kInterrupted, sizeof kInterrupted - 1);
        (void)written;
        _exit(130);
    }
}

}  // namespace

Interruptible::Interruptible() {
    gInterrupts = 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    // Not restarted: a question waiting for its answer hears the Ctrl-C.
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousAction_);
    previousHook_ = ui::SetDoEventsHook([this] {
        if (previousHook_) previousHook_();
        if (const Ref<IDataManager>& root = gDataManager(); root && Interrupted()) root->SetCancelled(true);
    });
}

Interruptible::~Interruptible() {
    ui::SetDoEventsHook(std::move(previousHook_));
    sigaction(SIGINT, &previousAction_, nullptr);
}

bool Interruptible::Interrupted() { return gInterrupts > 0; }

void Interruptible::StopIfInterrupted() {
    if (Interrupted()) throw Cancelled{};
}

}  // namespace host
