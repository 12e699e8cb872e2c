#pragma once
// The licence blocks of a data set: numbered in each sector's quadrants (or
// as onshore licence areas), licensed in groups, each group in one award and
// held by one set of companies.
#include <cstddef>
#include <vector>

#include "SampleCompanies.h"
#include "SampleContext.h"

class SampleBlocks {
public:
    SampleBlocks(SampleContext& ctx, SampleCompanies& companies) : ctx_(ctx), companies_(companies) {}

    // The blocks of each sector, by its place in the reference data.
    void Make(const std::vector<size_t>& blocksPerSector);
    // The Block and BlockInterest rows, once the fields have said which blocks
    // hold them: that decides what is still licensed.
    void Write();

private:
    SampleContext& ctx_;
    SampleCompanies& companies_;
};
