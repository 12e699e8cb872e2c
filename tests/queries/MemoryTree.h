#pragma once
// A tree view held in memory, refusing what the common controls refuse: a key
// that is already in the tree, a relative key that is not.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/HostControls.h"
#include "platform/runtime/Error.h"

class MemoryTree;

class MemoryNode final : public ITreeNode, public std::enable_shared_from_this<MemoryNode> {
public:
    MemoryNode(std::string key, std::string text) : key_(std::move(key)), text_(std::move(text)) {}
    std::string Key() override { return key_; }
    std::string Text() override { return text_; }
    Variant Tag() override { return tag_; }
    void SetTag(const Variant& vTag) override { tag_ = vTag; }
    bool Expanded() override { return expanded_; }
    void SetExpanded(bool b) override { expanded_ = b; }
    int32_t ForeColor() override { return fore_; }
    void SetForeColor(int32_t c) override { fore_ = c; }
    int32_t BackColor() override { return back_; }
    void SetBackColor(int32_t c) override { back_ = c; }
    int32_t Children() override { return static_cast<int32_t>(children_.size()); }
    Ref<ITreeNode> Child() override {
        return children_.empty() ? Ref<ITreeNode>() : Ref<ITreeNode>(children_[0]);
    }
    Ref<ITreeNode> Next() override {
        auto parent = parent_.lock();
        if (!parent) return {};
        auto& sib = parent->children_;
        for (size_t i = 0; i + 1 < sib.size(); ++i)
            if (sib[i].get() == this) return Ref<ITreeNode>(sib[i + 1]);
        return {};
    }
    Ref<ITreeNode> Parent() override { return Ref<ITreeNode>(parent_.lock()); }

    std::string key_, text_;
    Variant tag_;
    bool expanded_ = false;
    int32_t fore_ = -1, back_ = -1;
    std::weak_ptr<MemoryNode> parent_;
    std::vector<std::shared_ptr<MemoryNode>> children_;
};

class MemoryNodes final : public ITreeNodes {
public:
    Ref<ITreeNode> Add(const std::string& sRelative, int32_t lRelationship, const std::string& sKey,
                       const std::string& sText) override {
        if (byKey_.count(sKey)) Raise(35602, "MemoryTree", "Key is not unique in collection");
        auto node = std::make_shared<MemoryNode>(sKey, sText);
        if (sRelative.empty()) {
            roots_.push_back(node);
        } else {
            auto it = byKey_.find(sRelative);
            if (it == byKey_.end()) Raise(35601, "MemoryTree", "Element not found");
            if (lRelationship != tvwChild) Raise(5, "MemoryTree", "only children are used here");
            node->parent_ = it->second;
            it->second->children_.push_back(node);
        }
        byKey_[sKey] = node;
        return Ref<ITreeNode>(node);
    }
    void Clear() override {
        roots_.clear();
        byKey_.clear();
    }
    void Remove(const std::string& sKey) override {
        auto it = byKey_.find(sKey);
        if (it == byKey_.end()) Raise(35601, "MemoryTree", "Element not found");
        auto node = it->second;
        Forget(node);
        auto& siblings = node->parent_.lock() ? node->parent_.lock()->children_ : roots_;
        std::erase(siblings, node);
    }
    int32_t Count() override { return static_cast<int32_t>(byKey_.size()); }
    Ref<ITreeNode> Item(const std::string& sKey) override {
        auto it = byKey_.find(sKey);
        if (it == byKey_.end()) Raise(35601, "MemoryTree", "Element not found");
        return Ref<ITreeNode>(it->second);
    }
    bool Exists(const std::string& sKey) override { return byKey_.count(sKey) > 0; }

    // The whole tree as text, one node a line, indented by depth:
    // "key|text|+" for an expanded node.
    std::string Dump() const {
        std::string out;
        for (const auto& r : roots_) Dump(r, 0, out);
        return out;
    }
    std::shared_ptr<MemoryNode> Node(const std::string& key) const {
        auto it = byKey_.find(key);
        return it == byKey_.end() ? nullptr : it->second;
    }

private:
    void Forget(const std::shared_ptr<MemoryNode>& node) {
        byKey_.erase(node->key_);
        for (const auto& c : node->children_) Forget(c);
    }
    static void Dump(const std::shared_ptr<MemoryNode>& n, int depth, std::string& out) {
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + n->key_ + "|" + n->text_ +
               (n->expanded_ ? "|+" : "") + "\n";
        for (const auto& c : n->children_) Dump(c, depth + 1, out);
    }

    std::vector<std::shared_ptr<MemoryNode>> roots_;
    std::map<std::string, std::shared_ptr<MemoryNode>> byKey_;
};

class MemoryTree final : public ITreeView {
public:
    Ref<ITreeNodes> Nodes() override { return Ref<ITreeNodes>(nodes_); }
    bool Checkboxes() override { return checkboxes_; }
    void SetCheckboxes(bool b) override { checkboxes_ = b; }
    int64_t hWnd() override { return 4242; }

    MemoryNodes& Memory() { return *nodes_; }

private:
    std::shared_ptr<MemoryNodes> nodes_ = std::make_shared<MemoryNodes>();
    bool checkboxes_ = false;
};
