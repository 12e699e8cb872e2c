#pragma once
// The keyed collection of the tools library: items in insertion order under
// text keys compared without regard to case, reached by key or by 1-based
// position.  A duplicate key raises 457; a missing key or position raises 5.
//
// The order is a balanced tree of the entries (a treap whose nodes count
// their subtrees), so that a position is found, and an entry inserted or
// removed anywhere, in logarithmic time: keys are never renumbered.  A walk
// over the positions in order moves from one entry to the next.
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "Object.h"
#include "Variant.h"

class cvCollection : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvCollection";

    // An empty collection; not copyable, as a reference is what is passed on.
    cvCollection();
    ~cvCollection() override;
    cvCollection(const cvCollection&) = delete;
    cvCollection& operator=(const cvCollection&) = delete;

    // Adds an item under a key, in front of the 1-based position `before`
    // (0: at the end); raises 457 for a key already there, 5 for a position
    // outside 1..Count.
    void Add(const Variant& item, const std::string& key, int32_t before = 0);
    // The item by key (a text Variant) or by 1-based position (a number
    // Variant); raises 5 when there is none, 94 for Null.
    Variant Item(const Variant& keyOrPosition) const;
    // Replaces the item under a key, keeping its place; raises 5 when the key is missing.
    void ReplaceItem(const std::string& key, const Variant& item);
    // Removes the entry by key or 1-based position; raises 5 when there is none.
    void Remove(const Variant& keyOrPosition);
    // True when an entry has that key.
    bool Exists(const std::string& key) const;
    // The number of entries.
    int32_t Count() const;
    // Removes every entry.
    void Clear();
    // The key at a 1-based position, as it was added; raises 5 outside 1..Count.
    std::string KeyAt(int32_t position) const;
    // Stores the entry under a new key, keeping its item and its place;
    // raises 5 when the old key is missing, 457 when the new one is another's.
    void ChangeKey(const std::string& sOldKey, const std::string& sNewKey);

private:
    struct Node {
        std::string key;
        Variant item;
        Node* left = nullptr;
        Node* right = nullptr;
        Node* parent = nullptr;
        uint32_t size = 1;      // entries in this subtree
        uint32_t priority = 0;  // heap order of the treap
    };

    Node* NodeOf(const Variant& keyOrPosition) const;
    Node* NodeOfKey(const std::string& key) const;
    Node* At(size_t position) const;  // 0-based
    static uint32_t Size(const Node* n) { return n ? n->size : 0; }
    static void Update(Node* n);
    static Node* Merge(Node* a, Node* b);
    // Splits `n` into its first `count` entries and the rest.
    static void Split(Node* n, size_t count, Node*& first, Node*& rest);
    void Unlink(Node* n);
    uint32_t NextPriority();

    Node* root_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<Node>> index_;  // folded key -> entry
    uint32_t seed_ = 0x9E3779B9u;
    // The entry a walk over the positions read last, so that the next
    // position is one step away; cleared by every change of the order.
    mutable Node* cursor_ = nullptr;
    mutable size_t cursorPosition_ = 0;
};
