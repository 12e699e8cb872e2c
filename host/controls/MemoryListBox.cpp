#include "MemoryListBox.h"

#include <algorithm>

#include "ControlErrors.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

MemoryListBox::MemoryListBox(std::string sName, bool bSorted) : name_(std::move(sName)), sorted_(bSorted) {}

void MemoryListBox::Clear() {
    rows_.clear();
    newIndex_ = -1;
}

void MemoryListBox::AddItem(const std::string& sText) {
    auto at = rows_.end();
    if (sorted_) {
        at = std::upper_bound(
            rows_.begin(), rows_.end(), sText,
            [](const std::string& text, const ListRow& row) { return CompareNoCase(text, row.Text) < 0; });
    }
    at = rows_.insert(at, ListRow{sText, 0});
    newIndex_ = static_cast<int32_t>(at - rows_.begin());
}

size_t MemoryListBox::At(int32_t lIndex) const {
    if (lIndex < 0 || lIndex >= static_cast<int32_t>(rows_.size()))
        Raise(host::kInvalidArrayIndex, TypeName(), host::kInvalidArrayIndexText);
    return static_cast<size_t>(lIndex);
}

int32_t MemoryListBox::ItemData(int32_t lIndex) { return rows_[At(lIndex)].ItemData; }

void MemoryListBox::SetItemData(int32_t lIndex, int32_t lData) { rows_[At(lIndex)].ItemData = lData; }

std::string MemoryListBox::List(int32_t lIndex) { return rows_[At(lIndex)].Text; }

std::string MemoryListBox::Print() const {
    std::string out;
    for (const ListRow& row : rows_) out += row.Text + "|" + Variant(row.ItemData).ToString() + "\n";
    return out;
}
