#pragma once
// The annual figures of the fields, in the annual database: one AnnualField
// row per field, and per year of the data set's annual range its gross
// figures and each participant's net share of them.
#include "SampleContext.h"

class SampleAnnual {
public:
    explicit SampleAnnual(SampleContext& ctx);

    // The field's rows; its figures are let go of afterwards, so that a large
    // data set never holds every field's years at once.
    void Write(SampleField& f, const SampleCompany& op);

private:
    SampleContext& ctx_;
    SampleDatabase::Insert field_, gross_, net_;
};
