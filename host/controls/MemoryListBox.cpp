#include "MemoryListBox.h"

#include <algorithm>
#include <bit>
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
    counts_.clear();
    count_ = 0;
    newIndex_ = -1;
    rows_.clear();
    rowsStale_ = false;
}

void MemoryListBox::AddItem(const std::string& sText) {
    if (blocks_.empty()) {
        blocks_.emplace_back();
        counts_.push_back(0);
    }
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
    const size_t index = RowsBefore(block) + at;
    if (rows.size() > 2 * kBlockRows) {
        std::vector<ListRow> second(std::make_move_iterator(rows.begin() + kBlockRows),
                                    std::make_move_iterator(rows.end()));
        rows.resize(kBlockRows);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(second));
        Recount();
    } else {
        for (size_t b = block; b < counts_.size(); b |= b + 1) ++counts_[b];
    }
    ++count_;
    newIndex_ = static_cast<int32_t>(index);
    rowsStale_ = true;
}

void MemoryListBox::Recount() {
    counts_.resize(blocks_.size());
    for (size_t b = 0; b < blocks_.size(); ++b) counts_[b] = blocks_[b].size();
    for (size_t b = 0; b < counts_.size(); ++b)
        if (const size_t up = b | (b + 1); up < counts_.size()) counts_[up] += counts_[b];
}

size_t MemoryListBox::RowsBefore(size_t block) const {
    size_t rows = 0;
    for (size_t b = block; b > 0; b &= b - 1) rows += counts_[b - 1];
    return rows;
}

ListRow& MemoryListBox::At(int32_t lIndex) {
    if (lIndex < 0 || lIndex >= count_)
        Raise(host::kInvalidArrayIndex, TypeName(), host::kInvalidArrayIndexText);
    // Down the tree of counts: the most blocks whose rows all come before the index.
    auto at = static_cast<size_t>(lIndex);
    size_t block = 0;
    for (size_t step = std::bit_floor(counts_.size()); step > 0; step >>= 1) {
        if (block + step <= counts_.size() && counts_[block + step - 1] <= at) {
            block += step;
            at -= counts_[block - 1];
        }
    }
    return blocks_[block][at];
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
