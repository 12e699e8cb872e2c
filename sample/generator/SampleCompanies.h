#pragma once
// The companies of a data set, parents with their subsidiaries per country,
// and the equity they hold: every other builder asks here who takes part in
// an asset and who operates it.
#include <map>
#include <string>
#include <vector>

#include "SampleContext.h"

class SampleCompanies {
public:
    explicit SampleCompanies(SampleContext& ctx) : ctx_(ctx) {}

    // The named parents, more for a larger data set, and their subsidiaries.
    void Make();
    // The Company rows.
    void Write();

    // Shares for an asset in the country, the operator's first.
    std::vector<SampleShare> Participants(const std::string& country);
    // The company that holds the first share (the first company when none does).
    const SampleCompany& Operator(const std::vector<SampleShare>& shares) const;

private:
    SampleContext& ctx_;
    std::map<std::string, std::vector<const SampleCompany*>> holders_;  // per country, made on first use
};
