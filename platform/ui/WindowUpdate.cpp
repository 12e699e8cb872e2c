#include "WindowUpdate.h"

#include "ThreadHook.h"

namespace ui {
namespace {
using Hook = ThreadHook<WindowUpdateHook, struct WindowUpdateTag>;
}

WindowUpdateHook SetWindowUpdateHook(WindowUpdateHook hook) { return Hook::Set(std::move(hook)); }

bool LockWindowUpdate(int64_t hWndLock) {
    if (Hook::Get()) return Hook::Get()(hWndLock);
    return true;
}

}  // namespace ui
