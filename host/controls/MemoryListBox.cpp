#include "MemoryListBox.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "ControlErrors.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

MemoryListBox::MemoryListBox(std::string sName, bool bSorted) : name_(std::move(sName)), sorted_(bSorted) {}

namespace {
// A block splits in two when it grows beyond twice this.
constexpr size_t kBlockRows = 256;
}  // namespace

void MemoryListBox::Clear() {
    blocks_.clear();
    count_ = 0;
    newIndex_ = -1;
    rows_.clear();
    rowsStale_ = false;
}

void MemoryListBox::AddItem(const std::string& sText) {
    if (blocks_.empty()) blocks_.emplace_back();
    size_t block = blocks_.size() - 1;
    size_t at = blocks_[block].size();
    if (sorted_) {
        // After the rows that compare equal: in the first block whose last row sorts after the text.
        auto before = [](const std::string& text, const ListRow& row) {
            return CompareNoCase(text, row.Text) < 0;
        };
        auto it = std::upper_bound(blocks_.begin(), blocks_.end(), sText,
                                   [&](const std::string& text, const std::vector<ListRow>& rows) {
                                       return !rows.empty() && before(text, rows.back());
                                   });
        if (it != blocks_.end()) {
            block = static_cast<size_t>(it - blocks_.begin());
            at = static_cast<size_t>(std::upper_bound(it->begin(), it->end(), sText, before) - it->begin());
        }
    }
    std::vector<ListRow>& rows = blocks_[block];
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), ListRow{sText, 0});
    // Counted from the nearer end of the list.
    size_t index = at;
    if (block < blocks_.size() / 2) {
        for (size_t b = 0; b < block; ++b) index += blocks_[b].size();
    } else {
        index += static_cast<size_t>(count_) + 1;
        for (size_t b = block; b < blocks_.size(); ++b) index -= blocks_[b].size();
    }
    if (rows.size() > 2 * kBlockRows) {
        std::vector<ListRow> second(std::make_move_iterator(rows.begin() + kBlockRows),
                                    std::make_move_iterator(rows.end()));
        rows.resize(kBlockRows);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(second));
    }
    ++count_;
    newIndex_ = static_cast<int32_t>(index);
    rowsStale_ = true;
}

ListRow& MemoryListBox::At(int32_t lIndex) {
    if (lIndex < 0 || lIndex >= count_)
        Raise(host::kInvalidArrayIndex, TypeName(), host::kInvalidArrayIndexText);
    // Counted from the nearer end of the list.
    auto at = static_cast<size_t>(lIndex);
    if (lIndex < count_ / 2) {
        for (std::vector<ListRow>& rows : blocks_) {
            if (at < rows.size()) return rows[at];
            at -= rows.size();
        }
    }
    at = static_cast<size_t>(count_ - lIndex);
    for (auto it = blocks_.rbegin();; ++it) {
        if (at <= it->size()) return (*it)[it->size() - at];
        at -= it->size();
    }
}

int32_t MemoryListBox::ItemData(int32_t lIndex) { return At(lIndex).ItemData; }

void MemoryListBox::SetItemData(int32_t lIndex, int32_t lData) {
    At(lIndex).ItemData = lData;
    rowsStale_ = true;
}

std::string MemoryListBox::List(int32_t lIndex) { return At(lIndex).Text; }

const std::vector<ListRow>& MemoryListBox::Rows() const {
    if (rowsStale_) {
        rows_.clear();
        rows_.reserve(static_cast<size_t>(count_));
        for (const std::vector<ListRow>& rows : blocks_) rows_.insert(rows_.end(), rows.begin(), rows.end());
        rowsStale_ = false;
    }
    return rows_;
}

std::string MemoryListBox::Print() const {
    std::string out;
    for (const std::vector<ListRow>& rows : blocks_)
        for (const ListRow& row : rows) out += row.Text + "|" + Variant(row.ItemData).ToString() + "\n";
    return out;
}
