#pragma once
// An in-memory list box: rows of text with their item values.  A sorted list
// puts each new row in its place (ignoring case, after rows that compare
// equal) and NewIndex says where; an unsorted one appends.  An index out of
// range raises 381, as the real control does.
#include <cstdint>
#include <string>
#include <vector>

#include "interfaces/HostControls.h"

struct ListRow {
    std::string Text;
    int32_t ItemData = 0;
};

class MemoryListBox : public IListControl {
public:
    explicit MemoryListBox(std::string sName = "List1", bool bSorted = false);

    std::string Name() override { return name_; }
    void Clear() override;
    void AddItem(const std::string& sText) override;
    int32_t NewIndex() override { return newIndex_; }
    int32_t ItemData(int32_t lIndex) override;
    void SetItemData(int32_t lIndex, int32_t lData) override;
    int32_t ListCount() override { return static_cast<int32_t>(rows_.size()); }
    std::string List(int32_t lIndex) override;

    bool Sorted() const { return sorted_; }
    // The rows in the order the control shows them.
    const std::vector<ListRow>& Rows() const { return rows_; }
    // One row a line: "text|item value".
    std::string Print() const;

private:
    size_t At(int32_t lIndex) const;  // raises 381 when out of range

    std::string name_;
    bool sorted_;
    std::vector<ListRow> rows_;
    int32_t newIndex_ = -1;
};
