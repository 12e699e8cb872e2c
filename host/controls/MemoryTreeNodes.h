#pragma once
// The nodes of an in-memory tree view: every node by its key, in the order
// the relationships of Add placed them.  Refuses what the common controls
// refuse: a key already in the tree (35602), a relative that is not in it
// (35601), an unknown relationship (380).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "MemoryTreeNode.h"
#include "interfaces/HostControls.h"

class MemoryTreeNodes final : public ITreeNodes {
public:
    // hWnd is the window of the tree the nodes belong to (0: none); adds made
    // while it is frozen are counted.
    explicit MemoryTreeNodes(int64_t hWnd = 0) : window_(hWnd) {}
    ~MemoryTreeNodes() override;
    MemoryTreeNodes(const MemoryTreeNodes&) = delete;
    MemoryTreeNodes& operator=(const MemoryTreeNodes&) = delete;

    Ref<ITreeNode> Add(const std::string& sRelative, int32_t lRelationship, const std::string& sKey,
                       const std::string& sText) override;
    Ref<ITreeNode> Add(const Ref<ITreeNode>& oRelative, int32_t lRelationship, const std::string& sKey,
                       const std::string& sText) override;
    void Clear() override;
    void Remove(const std::string& sKey) override;
    int32_t Count() override { return static_cast<int32_t>(owned_.size()); }
    Ref<ITreeNode> Item(const std::string& sKey) override;
    bool Exists(const std::string& sKey) override { return byKey_.count(sKey) != 0; }

    // The node with that key, or nullptr; never raises.
    std::shared_ptr<MemoryTreeNode> Node(const std::string& sKey) const;
    // The keys in the order the tree shows its nodes (a parent before its
    // children, siblings in their order).
    std::vector<std::string> Keys() const;
    // The tree as text, one node a line in the order it shows them, indented
    // two blanks per level: "key|text", followed by "|+" when expanded.
    std::string Print() const;
    // How many nodes were added while the tree's window was frozen.
    int32_t FrozenAdds() const { return frozenAdds_; }

private:
    Ref<ITreeNode> Insert(MemoryTreeNode* relative, int32_t lRelationship, const std::string& sKey,
                          const std::string& sText);
    // Puts the node among the children of parent (the top level when
    // nullptr), in front of `before` (at the end when nullptr).
    void Link(MemoryTreeNode* parent, MemoryTreeNode* before, MemoryTreeNode* node);
    void Unlink(MemoryTreeNode* node);
    // Visits every node in the order the tree shows them, with its depth.
    void Walk(const std::function<void(const MemoryTreeNode&, int)>& visit) const;

    int64_t window_;
    MemoryTreeNode* firstRoot_ = nullptr;
    MemoryTreeNode* lastRoot_ = nullptr;
    std::unordered_map<const MemoryTreeNode*, std::shared_ptr<MemoryTreeNode>> owned_;
    std::unordered_map<std::string, MemoryTreeNode*> byKey_;
    int32_t frozenAdds_ = 0;
};
