#pragma once
// The assets of a generated data set and the rows they become: companies with
// their subsidiaries, licence blocks, fields (with reservoirs, equity, groupings
// and their annual figures), wells and transport systems.  Built in that order,
// each from the previous ones, all from one seed: one builder per asset domain
// over a shared context (SampleContext.h).
#include <cstdint>
#include <vector>

#include "SampleContext.h"

class SampleWorld {
public:
    using Counts = SampleCounts;

    SampleWorld(const SampleReference& ref, SampleDatabase& core, SampleDatabase& annual, int fields,
                uint64_t seed);
    SampleWorld(const SampleWorld&) = delete;
    SampleWorld& operator=(const SampleWorld&) = delete;
    // Makes every asset and writes its rows.
    void Build();

    const std::vector<SampleIndexEntry>& IndexEntries() const { return ctx_.index; }
    const Counts& Totals() const { return ctx_.counts; }

private:
    SampleContext ctx_;
};
