#pragma once
// One node of an in-memory tree view.  The nodes collection owns every node;
// nodes link to each other by plain pointers (parent, children, siblings), so
// that a very deep branch is freed, printed and removed without recursion.
// A node removed from its tree keeps its key, text, tag and colours but no
// longer has a parent, siblings or children.
#include <cstdint>
#include <memory>
#include <string>

#include "interfaces/HostControls.h"

class MemoryTreeNodes;

class MemoryTreeNode final : public ITreeNode, public std::enable_shared_from_this<MemoryTreeNode> {
public:
    // The system colours a node answers until its own are set: the window's
    // text and background colours.
    static constexpr int32_t kWindowText = static_cast<int32_t>(0x80000008u);
    static constexpr int32_t kWindowBackground = static_cast<int32_t>(0x80000005u);

    MemoryTreeNode(MemoryTreeNodes* owner, std::string key, std::string text);

    std::string Key() override { return key_; }
    std::string Text() override { return text_; }
    Variant Tag() override { return tag_; }
    void SetTag(const Variant& vTag) override { tag_ = vTag; }
    bool Expanded() override { return expanded_; }
    void SetExpanded(bool bExpanded) override { expanded_ = bExpanded; }
    int32_t ForeColor() override { return fore_; }
    void SetForeColor(int32_t lColour) override { fore_ = lColour; }
    int32_t BackColor() override { return back_; }
    void SetBackColor(int32_t lColour) override { back_ = lColour; }
    int32_t Children() override { return children_; }
    Ref<ITreeNode> Child() override { return RefTo(firstChild_); }
    Ref<ITreeNode> Next() override { return RefTo(next_); }
    Ref<ITreeNode> Parent() override { return RefTo(parent_); }

    // The collection the node is in; nullptr once it has been removed.
    const MemoryTreeNodes* Owner() const { return owner_; }

private:
    friend class MemoryTreeNodes;
    static Ref<ITreeNode> RefTo(MemoryTreeNode* node);
    // Cuts every link; the node then belongs to no tree.
    void Detach();

    MemoryTreeNodes* owner_;
    std::string key_;
    std::string text_;
    Variant tag_;
    bool expanded_ = false;
    int32_t fore_ = kWindowText;
    int32_t back_ = kWindowBackground;
    MemoryTreeNode* parent_ = nullptr;
    MemoryTreeNode* firstChild_ = nullptr;
    MemoryTreeNode* lastChild_ = nullptr;
    MemoryTreeNode* prev_ = nullptr;
    MemoryTreeNode* next_ = nullptr;
    int32_t children_ = 0;
};
