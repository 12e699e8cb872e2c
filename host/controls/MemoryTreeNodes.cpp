#include "MemoryTreeNodes.h"

#include "ControlErrors.h"
#include "MemoryWindow.h"
#include "platform/runtime/Error.h"

namespace {
constexpr const char* kSource = "MemoryTreeNodes";
}

MemoryTreeNodes::~MemoryTreeNodes() { Clear(); }

Ref<ITreeNode> MemoryTreeNodes::Add(const std::string& sRelative, int32_t lRelationship,
                                    const std::string& sKey, const std::string& sText) {
    MemoryTreeNode* relative = nullptr;
    if (!sRelative.empty()) {
        auto it = byKey_.find(sRelative);
        if (it == byKey_.end()) Raise(host::kElementNotFound, kSource, host::kElementNotFoundText);
        relative = it->second;
    }
    return Insert(relative, lRelationship, sKey, sText);
}

Ref<ITreeNode> MemoryTreeNodes::Add(const Ref<ITreeNode>& oRelative, int32_t lRelationship,
                                    const std::string& sKey, const std::string& sText) {
    MemoryTreeNode* relative = nullptr;
    if (oRelative) {
        relative = dynamic_cast<MemoryTreeNode*>(oRelative.get());
        if (!relative || relative->owner_ != this)
            Raise(host::kElementNotFound, kSource, host::kElementNotFoundText);
    }
    return Insert(relative, lRelationship, sKey, sText);
}

Ref<ITreeNode> MemoryTreeNodes::Insert(MemoryTreeNode* relative, int32_t lRelationship,
                                       const std::string& sKey, const std::string& sText) {
    if (relative && (lRelationship < tvwFirst || lRelationship > tvwChild))
        Raise(host::kInvalidPropertyValue, kSource, host::kInvalidPropertyValueText);
    if (!sKey.empty() && byKey_.count(sKey)) Raise(host::kKeyNotUnique, kSource, host::kKeyNotUniqueText);

    auto node = std::make_shared<MemoryTreeNode>(this, sKey, sText);
    MemoryTreeNode* n = node.get();
    if (!relative) {
        Link(nullptr, nullptr, n);
    } else {
        MemoryTreeNode* parent = relative->parent_;
        switch (lRelationship) {
            case tvwFirst:
                Link(parent, parent ? parent->firstChild_ : firstRoot_, n);
                break;
            case tvwLast:
                Link(parent, nullptr, n);
                break;
            case tvwNext:
                Link(parent, relative->next_, n);
                break;
            case tvwPrevious:
                Link(parent, relative, n);
                break;
            default:  // tvwChild
                Link(relative, nullptr, n);
                break;
        }
    }
    owned_.emplace(n, node);
    if (!sKey.empty()) byKey_.emplace(sKey, n);
    if (MemoryWindow::IsFrozen(window_)) ++frozenAdds_;
    return Ref<ITreeNode>(node);
}

void MemoryTreeNodes::Link(MemoryTreeNode* parent, MemoryTreeNode* before, MemoryTreeNode* node) {
    MemoryTreeNode*& first = parent ? parent->firstChild_ : firstRoot_;
    MemoryTreeNode*& last = parent ? parent->lastChild_ : lastRoot_;
    node->parent_ = parent;
    node->next_ = before;
    node->prev_ = before ? before->prev_ : last;
    if (node->prev_) {
        node->prev_->next_ = node;
    } else {
        first = node;
    }
    if (before) {
        before->prev_ = node;
    } else {
        last = node;
    }
    if (parent) ++parent->children_;
}

void MemoryTreeNodes::Unlink(MemoryTreeNode* node) {
    MemoryTreeNode* parent = node->parent_;
    MemoryTreeNode*& first = parent ? parent->firstChild_ : firstRoot_;
    MemoryTreeNode*& last = parent ? parent->lastChild_ : lastRoot_;
    if (node->prev_) {
        node->prev_->next_ = node->next_;
    } else {
        first = node->next_;
    }
    if (node->next_) {
        node->next_->prev_ = node->prev_;
    } else {
        last = node->prev_;
    }
    if (parent) --parent->children_;
    node->parent_ = node->prev_ = node->next_ = nullptr;
}

void MemoryTreeNodes::Clear() {
    for (auto& [raw, node] : owned_) node->Detach();
    byKey_.clear();
    owned_.clear();
    firstRoot_ = lastRoot_ = nullptr;
}

void MemoryTreeNodes::Remove(const std::string& sKey) {
    auto it = byKey_.find(sKey);
    if (it == byKey_.end()) Raise(host::kElementNotFound, kSource, host::kElementNotFoundText);
    MemoryTreeNode* top = it->second;
    Unlink(top);
    std::vector<MemoryTreeNode*> pending{top};
    while (!pending.empty()) {
        MemoryTreeNode* node = pending.back();
        pending.pop_back();
        for (MemoryTreeNode* c = node->firstChild_; c; c = c->next_) pending.push_back(c);
        if (!node->key_.empty()) byKey_.erase(node->key_);
        node->Detach();
        owned_.erase(node);  // may free the node; its children were taken first
    }
}

Ref<ITreeNode> MemoryTreeNodes::Item(const std::string& sKey) {
    auto it = byKey_.find(sKey);
    if (it == byKey_.end()) Raise(host::kElementNotFound, kSource, host::kElementNotFoundText);
    return Ref<ITreeNode>(it->second->shared_from_this());
}

std::shared_ptr<MemoryTreeNode> MemoryTreeNodes::Node(const std::string& sKey) const {
    auto it = byKey_.find(sKey);
    return it == byKey_.end() ? nullptr : it->second->shared_from_this();
}

void MemoryTreeNodes::Walk(const std::function<void(const MemoryTreeNode&, int)>& visit) const {
    int depth = 0;
    const MemoryTreeNode* node = firstRoot_;
    while (node) {
        visit(*node, depth);
        if (node->firstChild_) {
            node = node->firstChild_;
            ++depth;
            continue;
        }
        while (node && !node->next_) {
            node = node->parent_;
            --depth;
        }
        if (node) node = node->next_;
    }
}

std::vector<std::string> MemoryTreeNodes::Keys() const {
    std::vector<std::string> keys;
    Walk([&](const MemoryTreeNode& node, int) { keys.push_back(node.key_); });
    return keys;
}

std::string MemoryTreeNodes::Print() const {
    std::string out;
    Walk([&](const MemoryTreeNode& node, int depth) {
        out.append(static_cast<size_t>(depth) * 2, ' ');
        out += node.key_;
        out += '|';
        out += node.text_;
        if (node.expanded_) out += "|+";
        out += '\n';
    });
    return out;
}
