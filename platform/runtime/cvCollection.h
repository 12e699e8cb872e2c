#pragma once
// The keyed collection of the tools library: items in insertion order under
// text keys compared without regard to case, reached by key or by 1-based
// position.  A duplicate key raises 457; a missing key or position raises 5.
#include <string>
#include <unordered_map>
#include <vector>

#include "Object.h"
#include "Variant.h"

class cvCollection : public virtual Object {
public:
    static constexpr const char* kProgID = "cvTools2.cvCollection";

    // `before` is a 1-based position to insert in front of (0: append).
    void Add(const Variant& item, const std::string& key, int32_t before = 0);
    // By key (a text Variant) or by 1-based position (a number Variant).
    Variant Item(const Variant& keyOrPosition) const;
    void ReplaceItem(const std::string& key, const Variant& item);
    void Remove(const Variant& keyOrPosition);
    bool Exists(const std::string& key) const;
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    void Clear();
    std::string KeyAt(int32_t position) const;
    // Stores the entry under a new key, keeping its item and its place.
    void ChangeKey(const std::string& sOldKey, const std::string& sNewKey);

private:
    struct Entry {
        std::string key;
        Variant item;
    };
    size_t PositionOf(const Variant& keyOrPosition) const;  // 0-based
    size_t PositionOfKey(const std::string& key) const;
    void Reindex(size_t from);

    std::vector<Entry> entries_;
    std::unordered_map<std::string, size_t> index_;  // folded key -> 0-based position
};
