#pragma once
// What a record set and the Field handles it gives out share: the kept rows,
// the order a Sort put them in, and the current position.  A handle keeps
// the state alive, so a Field outliving its record set reads "closed"
// instead of freed memory.
#include <cstdint>
#include <string>
#include <vector>

#include "RowStore.h"

namespace ADODB {

struct RecordsetState {
    bool open = false;
    uint64_t generation = 0;  // counts openings, so a stale Field is noticed
    RowStore rows;
    std::vector<uint32_t> order;  // row per position while sorted; empty = as read
    int64_t position = -1;        // 0-based; -1 BOF, Rows() EOF
    std::string sort;
    mutable uint32_t refs = 0;  // see StateRef

    bool HasRecord() const { return open && position >= 0 && position < static_cast<int64_t>(rows.Rows()); }
    uint32_t CurrentRow() const {
        return order.empty() ? static_cast<uint32_t>(position) : order[static_cast<size_t>(position)];
    }
};

// Shared ownership of a record set's state.  The count is a plain integer:
// a record set and its fields live on the thread that opened it, as ADO
// objects live in their apartment, and reading a field is the innermost loop
// of every result walk, where an atomic count per read would cost more than
// the read itself.
class StateRef {
public:
    StateRef() = default;
    explicit StateRef(RecordsetState* s) : s_(s) { Retain(); }
    StateRef(const StateRef& o) : s_(o.s_) { Retain(); }
    StateRef(StateRef&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
    StateRef& operator=(StateRef o) noexcept {
        std::swap(s_, o.s_);
        return *this;
    }
    ~StateRef() {
        if (s_ && --s_->refs == 0) delete s_;
    }
    RecordsetState* operator->() const { return s_; }
    RecordsetState& operator*() const { return *s_; }

private:
    void Retain() const {
        if (s_) ++s_->refs;
    }
    RecordsetState* s_ = nullptr;
};

}  // namespace ADODB
