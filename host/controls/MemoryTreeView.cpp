#include "MemoryTreeView.h"

MemoryTreeView::MemoryTreeView(std::string sName)
    : name_(std::move(sName)), nodes_(std::make_shared<MemoryTreeNodes>(Handle())) {}

int64_t MemoryTreeView::hWnd() {
    InstallLockRecorder();
    return Handle();
}
