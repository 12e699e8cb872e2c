#pragma once
// A window of an in-memory control: a handle of its own and a record of what
// LockWindowUpdate did to it.  The record is kept by a hook chained in front
// of whatever window-update hook the host installed, so the host still sees
// every call.
#include <cstdint>

// What LockWindowUpdate has done to one window.
struct WindowLockRecord {
    int32_t Locks = 0;    // calls that named the window (also refused ones)
    int32_t Unlocks = 0;  // calls with 0 that released it
    bool Frozen = false;  // it is the locked window now
};

class MemoryWindow {
public:
    MemoryWindow();
    virtual ~MemoryWindow();
    MemoryWindow(const MemoryWindow&) = delete;
    MemoryWindow& operator=(const MemoryWindow&) = delete;

    // Non-zero and never given to another window of this process.
    int64_t Handle() const { return handle_; }
    WindowLockRecord LockRecord() const;
    bool Frozen() const { return IsFrozen(handle_); }

    // True when the window with that handle is the locked one.
    static bool IsFrozen(int64_t hWnd);
    // Puts the recording hook in front of this thread's window-update hook,
    // unless it is there already.  A window installs it whenever its handle
    // is read, which is what a caller does right before locking it.
    static void InstallLockRecorder();

private:
    int64_t handle_;
};
