#include "MemoryTreeNode.h"

MemoryTreeNode::MemoryTreeNode(MemoryTreeNodes* owner, std::string key, std::string text)
    : owner_(owner), key_(std::move(key)), text_(std::move(text)) {}

Ref<ITreeNode> MemoryTreeNode::RefTo(MemoryTreeNode* node) {
    return node ? Ref<ITreeNode>(node->shared_from_this()) : Ref<ITreeNode>();
}

void MemoryTreeNode::Detach() {
    owner_ = nullptr;
    parent_ = firstChild_ = lastChild_ = prev_ = next_ = nullptr;
    children_ = 0;
}
