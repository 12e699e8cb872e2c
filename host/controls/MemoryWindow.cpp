#include "MemoryWindow.h"

#include <atomic>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "platform/ui/WindowUpdate.h"

namespace {

// Like the system's, the lock is one for the whole process: while one window
// is locked, a call that names another (or the same) window is refused.
struct Registry {
    std::mutex mutex;
    std::unordered_map<int64_t, WindowLockRecord> windows;
    int64_t locked = 0;
};

Registry& Windows() {
    static Registry registry;
    return registry;
}

bool Record(int64_t hWndLock) {
    Registry& r = Windows();
    std::lock_guard<std::mutex> guard(r.mutex);
    if (hWndLock == 0) {
        if (r.locked == 0) return false;
        auto it = r.windows.find(r.locked);
        if (it != r.windows.end()) ++it->second.Unlocks;
        r.locked = 0;
        return true;
    }
    auto it = r.windows.find(hWndLock);
    if (it != r.windows.end()) ++it->second.Locks;
    if (r.locked != 0) return false;
    r.locked = hWndLock;
    return true;
}

// The recording hook, chained in front of the one it replaced.  A hook
// installed later that calls back into this one must not count a call twice.
struct LockRecorder {
    ui::WindowUpdateHook previous;

    bool operator()(int64_t hWndLock) const {
        thread_local int depth = 0;
        if (depth > 0) return previous ? previous(hWndLock) : true;
        ++depth;
        bool done = Record(hWndLock);
        if (previous) {
            try {
                done = previous(hWndLock) && done;
            } catch (...) {
                --depth;
                throw;
            }
        }
        --depth;
        return done;
    }
};

}  // namespace

MemoryWindow::MemoryWindow() {
    static std::atomic<int64_t> next{0x10010};
    handle_ = next.fetch_add(0x10);
    Registry& r = Windows();
    std::lock_guard<std::mutex> guard(r.mutex);
    r.windows.emplace(handle_, WindowLockRecord{});
}

MemoryWindow::~MemoryWindow() {
    // A window that goes away releases the lock it holds, as the system does.
    Registry& r = Windows();
    std::lock_guard<std::mutex> guard(r.mutex);
    r.windows.erase(handle_);
    if (r.locked == handle_) r.locked = 0;
}

WindowLockRecord MemoryWindow::LockRecord() const {
    Registry& r = Windows();
    std::lock_guard<std::mutex> guard(r.mutex);
    auto it = r.windows.find(handle_);
    WindowLockRecord record = it == r.windows.end() ? WindowLockRecord{} : it->second;
    record.Frozen = r.locked == handle_;
    return record;
}

bool MemoryWindow::IsFrozen(int64_t hWnd) {
    Registry& r = Windows();
    std::lock_guard<std::mutex> guard(r.mutex);
    return hWnd != 0 && r.locked == hWnd;
}

void MemoryWindow::InstallLockRecorder() {
    ui::WindowUpdateHook current = ui::SetWindowUpdateHook({});
    if (current.target<LockRecorder>()) {
        ui::SetWindowUpdateHook(std::move(current));
    } else {
        ui::SetWindowUpdateHook(LockRecorder{std::move(current)});
    }
}
