#pragma once
// An in-memory list box: rows of text with their item values.  A sorted list
// puts each new row in its place (ignoring case, after rows that compare
// equal) and NewIndex says where; an unsorted one appends.  An index out of
// range raises 381, as the real control does.
//
// The rows are kept in blocks of a few hundred, in order: a sorted list
// puts a row in its place by moving the rows of its block only.  One array
// of all rows moved half of them for each row that did not come last:
// 100,000 rows given in the opposite order took 16 s, in no order 8.4 s,
// against 0.03 s in order.  A row is found by its index, and a new row's
// index counted, through a Fenwick tree of the blocks' row counts, in
// logarithmic time; counting the blocks one by one made reading every row
// by its index quadratic (bench/ControlsBench: 14 ms at 100,000 rows, 1.37 s
// at 1,000,000; 2.1 ms and 24 ms so), while a sorted fill in order takes the
// same time either way.
#include <cstddef>
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
    int32_t ListCount() override { return count_; }
    std::string List(int32_t lIndex) override;

    bool Sorted() const { return sorted_; }
    // The rows in the order the control shows them.
    const std::vector<ListRow>& Rows() const;
    // One row a line: "text|item value".
    std::string Print() const;

private:
    ListRow& At(int32_t lIndex);  // raises 381 when out of range
    // Makes the counts again from the blocks, after a block was split.
    void Recount();
    // The rows of the blocks before that one.
    size_t RowsBefore(size_t block) const;

    std::string name_;
    bool sorted_;
    std::vector<std::vector<ListRow>> blocks_;  // none empty
    // The rows of the blocks as a Fenwick tree: counts_[b] holds those of
    // the blocks from b & (b + 1) to b.
    std::vector<size_t> counts_;
    int32_t count_ = 0;
    int32_t newIndex_ = -1;
    mutable std::vector<ListRow> rows_;  // Rows(), made again after a change
    mutable bool rowsStale_ = false;
};
