#pragma once
// A hook the host installs for this thread: a message-box handler, the
// message-loop hand-over, a network-name resolver.  Installing returns the
// hook it replaces, so a caller can put the old one back; an empty hook means
// the service's default.  The tag keeps hooks of the same type apart.
#include <utility>

namespace ui {

template <class F, class Tag>
class ThreadHook {
public:
    static F Set(F hook) {
        F old = std::move(Slot());
        Slot() = std::move(hook);
        return old;
    }
    static const F& Get() { return Slot(); }

private:
    static F& Slot() {
        thread_local F hook;
        return hook;
    }
};

}  // namespace ui
