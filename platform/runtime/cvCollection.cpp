#include "cvCollection.h"

#include "Error.h"
#include "Text.h"

void cvCollection::Add(const Variant& item, const std::string& key, int32_t before) {
    std::string folded = LCase(key);
    if (index_.count(folded)) Raise(rt::kDuplicateKey);
    if (before != 0 && (before < 1 || before > Count())) Raise(rt::kInvalidCall);
    size_t at = before == 0 ? entries_.size() : static_cast<size_t>(before - 1);
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), Entry{key, item});
    Reindex(at);
}

size_t cvCollection::PositionOfKey(const std::string& key) const {
    auto it = index_.find(LCase(key));
    if (it == index_.end()) Raise(rt::kInvalidCall);
    return it->second;
}

size_t cvCollection::PositionOf(const Variant& keyOrPosition) const {
    if (keyOrPosition.IsString()) return PositionOfKey(keyOrPosition.StringRef());
    int32_t pos = keyOrPosition.ToLong();
    if (pos < 1 || pos > Count()) Raise(rt::kInvalidCall);
    return static_cast<size_t>(pos - 1);
}

Variant cvCollection::Item(const Variant& keyOrPosition) const {
    return entries_[PositionOf(keyOrPosition)].item;
}

void cvCollection::ReplaceItem(const std::string& key, const Variant& item) {
    entries_[PositionOfKey(key)].item = item;
}

void cvCollection::Remove(const Variant& keyOrPosition) {
    size_t at = PositionOf(keyOrPosition);
    index_.erase(LCase(entries_[at].key));
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(at));
    Reindex(at);
}

bool cvCollection::Exists(const std::string& key) const { return index_.count(LCase(key)) != 0; }

void cvCollection::Clear() {
    entries_.clear();
    index_.clear();
}

std::string cvCollection::KeyAt(int32_t position) const {
    if (position < 1 || position > Count()) Raise(rt::kInvalidCall);
    return entries_[static_cast<size_t>(position - 1)].key;
}

void cvCollection::ChangeKey(const std::string& sOldKey, const std::string& sNewKey) {
    size_t at = PositionOfKey(sOldKey);
    std::string folded = LCase(sNewKey);
    auto it = index_.find(folded);
    if (it != index_.end() && it->second != at) Raise(rt::kDuplicateKey);
    index_.erase(LCase(entries_[at].key));
    entries_[at].key = sNewKey;
    index_[folded] = at;
}

void cvCollection::Reindex(size_t from) {
    for (size_t i = from; i < entries_.size(); ++i) index_[LCase(entries_[i].key)] = i;
}
