#pragma once
// The fields of a data set, sector by sector: each with its reservoirs, its
// blocks, its equity and, once developed, a production and cost profile;
// some gathered into groupings that add up their members.  A field's rows
// are written as soon as it is made, with its annual figures.
#include <cstddef>
#include <memory>
#include <vector>

#include "SampleAnnual.h"
#include "SampleCompanies.h"
#include "SampleContext.h"

class SampleFields {
public:
    SampleFields(SampleContext& ctx, SampleCompanies& companies, SampleAnnual& annual);
    ~SampleFields();
    SampleFields(const SampleFields&) = delete;
    SampleFields& operator=(const SampleFields&) = delete;

    // The fields and groupings of one sector (by its place in the reference
    // data), written and then kept in the context for the builders that follow.
    void Make(size_t sector, size_t underlying, size_t groupings);

private:
    SampleField NewField(size_t sector);
    // A grouping of the members, which from then on name it.
    SampleField Grouping(const std::vector<SampleField*>& members);
    void Write(SampleField& f);

    struct Inserts;  // the prepared inserts the field rows go through
    SampleContext& ctx_;
    SampleCompanies& companies_;
    SampleAnnual& annual_;
    std::unique_ptr<Inserts> inserts_;
};
