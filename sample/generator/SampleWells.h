#pragma once
// The wells of a data set: for each field its discovery well, appraisal wells
// and development drilling, and the exploration wells that found nothing
// worth a field.  Each well is written as it is made.
#include "SampleCompanies.h"
#include "SampleContext.h"

class SampleWells {
public:
    SampleWells(SampleContext& ctx, SampleCompanies& companies) : ctx_(ctx), companies_(companies) {}

    // Needs the fields and blocks; counts each block's wells into it, since a
    // well's reference numbers it within its block.
    void Make();

private:
    SampleContext& ctx_;
    SampleCompanies& companies_;
};
