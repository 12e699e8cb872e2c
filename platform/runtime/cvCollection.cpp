#include "cvCollection.h"

#include "Error.h"
#include "Text.h"

cvCollection::cvCollection() = default;

cvCollection::~cvCollection() = default;

uint32_t cvCollection::NextPriority() {
    // xorshift: the shape of the tree only needs priorities that look random.
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    return seed_;
}

void cvCollection::Update(Node* n) {
    n->size = 1 + Size(n->left) + Size(n->right);
    if (n->left) n->left->parent = n;
    if (n->right) n->right->parent = n;
}

cvCollection::Node* cvCollection::Merge(Node* a, Node* b) {
    if (!a) return b;
    if (!b) return a;
    if (a->priority > b->priority) {
        a->right = Merge(a->right, b);
        Update(a);
        return a;
    }
    b->left = Merge(a, b->left);
    Update(b);
    return b;
}

void cvCollection::Split(Node* n, size_t count, Node*& first, Node*& rest) {
    if (!n) {
        first = rest = nullptr;
        return;
    }
    if (Size(n->left) >= count) {
        Split(n->left, count, first, n->left);
        Update(n);
        rest = n;
    } else {
        Split(n->right, count - Size(n->left) - 1, n->right, rest);
        Update(n);
        first = n;
    }
}

cvCollection::Node* cvCollection::At(size_t position) const {
    // The next position of a walk is the entry after the last one read.
    if (cursor_ && position == cursorPosition_ + 1) {
        Node* n = cursor_;
        if (n->right) {
            for (n = n->right; n->left;) n = n->left;
        } else {
            while (n->parent && n == n->parent->right) n = n->parent;
            n = n->parent;
        }
        cursor_ = n;
        cursorPosition_ = position;
        return n;
    }
    Node* n = root_;
    for (size_t rest = position;;) {
        size_t left = Size(n->left);
        if (rest < left) {
            n = n->left;
        } else if (rest == left) {
            break;
        } else {
            rest -= left + 1;
            n = n->right;
        }
    }
    cursor_ = n;
    cursorPosition_ = position;
    return n;
}

void cvCollection::Unlink(Node* n) {
    Node* joined = Merge(n->left, n->right);
    Node* parent = n->parent;
    if (joined) joined->parent = parent;
    if (!parent)
        root_ = joined;
    else if (parent->left == n)
        parent->left = joined;
    else
        parent->right = joined;
    for (Node* p = parent; p; p = p->parent) --p->size;
    cursor_ = nullptr;
}

void cvCollection::Add(const Variant& item, const std::string& key, int32_t before) {
    std::string folded = LCase(key);
    if (index_.count(folded)) Raise(rt::kDuplicateKey);
    if (before != 0 && (before < 1 || before > Count())) Raise(rt::kInvalidCall);
    auto owned = std::make_unique<Node>();
    owned->key = key;
    owned->item = item;
    owned->priority = NextPriority();
    Node* node = owned.get();
    index_.emplace(std::move(folded), std::move(owned));
    // Nothing below can fail, so a refused entry leaves the order as it was.
    cursor_ = nullptr;
    if (before == 0) {
        root_ = Merge(root_, node);
    } else {
        Node *first, *rest;
        Split(root_, static_cast<size_t>(before - 1), first, rest);
        if (first) first->parent = nullptr;
        if (rest) rest->parent = nullptr;
        root_ = Merge(Merge(first, node), rest);
    }
    root_->parent = nullptr;
}

cvCollection::Node* cvCollection::NodeOfKey(const std::string& key) const {
    auto it = index_.find(LCase(key));
    if (it == index_.end()) Raise(rt::kInvalidCall);
    return it->second.get();
}

cvCollection::Node* cvCollection::NodeOf(const Variant& keyOrPosition) const {
    if (keyOrPosition.IsString()) return NodeOfKey(keyOrPosition.StringRef());
    int32_t pos = keyOrPosition.ToLong();
    if (pos < 1 || pos > Count()) Raise(rt::kInvalidCall);
    return At(static_cast<size_t>(pos - 1));
}

Variant cvCollection::Item(const Variant& keyOrPosition) const { return NodeOf(keyOrPosition)->item; }

void cvCollection::ReplaceItem(const std::string& key, const Variant& item) { NodeOfKey(key)->item = item; }

void cvCollection::Remove(const Variant& keyOrPosition) {
    Node* n = NodeOf(keyOrPosition);
    std::string folded = LCase(n->key);
    Unlink(n);
    index_.erase(folded);
}

bool cvCollection::Exists(const std::string& key) const { return index_.count(LCase(key)) != 0; }

int32_t cvCollection::Count() const { return static_cast<int32_t>(Size(root_)); }

void cvCollection::Clear() {
    root_ = nullptr;
    cursor_ = nullptr;
    index_.clear();
}

std::string cvCollection::KeyAt(int32_t position) const {
    if (position < 1 || position > Count()) Raise(rt::kInvalidCall);
    return At(static_cast<size_t>(position - 1))->key;
}

void cvCollection::ChangeKey(const std::string& sOldKey, const std::string& sNewKey) {
    Node* n = NodeOfKey(sOldKey);
    std::string folded = LCase(sNewKey);
    auto it = index_.find(folded);
    if (it != index_.end() && it->second.get() != n) Raise(rt::kDuplicateKey);
    std::string newKey = sNewKey;
    if (it == index_.end()) {
        // The entry itself moves to its new key: its place in the order stays.
        auto handle = index_.extract(LCase(n->key));
        handle.key() = std::move(folded);
        index_.insert(std::move(handle));
    }
    n->key.swap(newKey);
}
