#pragma once
// What a record set and the Field handles it gives out share: the kept rows,
// the order a Sort put them in, and the current position.  A Field keeps the
// state alive, so a handle outliving its record set reads "closed" instead
// of freed memory.
#include <cstdint>
#include <string>
#include <vector>

#include "RowStore.h"

namespace ADODB {

struct RecordsetState {
    bool open = false;
    uint64_t generation = 0;      // counts openings, so a stale Field is noticed
    RowStore rows;
    std::vector<uint32_t> order;  // row per position while sorted; empty = as read
    int64_t position = -1;        // 0-based; -1 BOF, Rows() EOF
    std::string sort;

    bool HasRecord() const { return open && position >= 0 && position < static_cast<int64_t>(rows.Rows()); }
    uint32_t CurrentRow() const {
        return order.empty() ? static_cast<uint32_t>(position) : order[static_cast<size_t>(position)];
    }
};

}  // namespace ADODB
