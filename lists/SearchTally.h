#pragma once
// What the reference lists' fills searched on this thread: every statement a
// fill opens for its rows is counted where the fills open their record sets
// (listfill::Open), with the rows it returned.  Nothing else a fill reads is
// a search of its own and none of it passes there: the statement templates
// and values read from the Options table, the field catalogue, a look-up
// list replayed from its cache.  A host forgets the tally before it runs a
// fill and reads it after, to tell a search that found nothing from a fill
// that searched nothing (a fixed list, a tree of its root alone).
#include <cstdint>

namespace listfill {

// The statements counted since the tally was last forgotten.
struct SearchTally {
    int32_t statements = 0;  // how many were opened
    int64_t rows = 0;        // the rows they returned, together
};

// Counts one statement opened for a fill that returned lRows rows.  Never fails.
void NoteSearch(int64_t lRows) noexcept;
// The tally of this thread.  Never fails.
SearchTally Searches() noexcept;
// Starts the tally of this thread afresh; a host calls it before a fill.  Never fails.
void ForgetSearches() noexcept;

}  // namespace listfill
