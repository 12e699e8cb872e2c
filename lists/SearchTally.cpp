#include "lists/SearchTally.h"

namespace listfill {

namespace {

thread_local SearchTally gSearches;

}  // namespace

void NoteSearch(int64_t lRows) noexcept {
    ++gSearches.statements;
    gSearches.rows += lRows;
}

SearchTally Searches() noexcept { return gSearches; }

void ForgetSearches() noexcept { gSearches = {}; }

}  // namespace listfill
