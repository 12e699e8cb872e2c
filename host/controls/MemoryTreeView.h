#pragma once
// An in-memory tree view: its nodes, its check-box setting, and a window of
// its own whose freezes (LockWindowUpdate) are recorded.
#include <cstdint>
#include <memory>
#include <string>

#include "MemoryTreeNodes.h"
#include "MemoryWindow.h"
#include "interfaces/HostControls.h"

class MemoryTreeView final : public ITreeView, public MemoryWindow {
public:
    explicit MemoryTreeView(std::string sName = "TreeView1");

    std::string Name() override { return name_; }
    Ref<ITreeNodes> Nodes() override { return Ref<ITreeNodes>(nodes_); }
    bool Checkboxes() override { return checkboxes_; }
    void SetCheckboxes(bool bCheckboxes) override { checkboxes_ = bCheckboxes; }
    // Reading the handle puts the lock recorder in place, since a caller
    // reads it to lock the window.
    int64_t hWnd() override;

    // The nodes with what the library does not drive: look-up without
    // raising, the keys in order, the printed tree.
    MemoryTreeNodes& Memory() { return *nodes_; }
    std::string Print() const { return nodes_->Print(); }

private:
    std::string name_;
    std::shared_ptr<MemoryTreeNodes> nodes_;
    bool checkboxes_ = false;
};
