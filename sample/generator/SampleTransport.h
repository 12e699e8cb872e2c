#pragma once
// The transport systems of a data set: the terminals on shore, export
// pipelines from the larger offshore fields (with the fields nearby that ship
// through them), shuttle tankers for floating production, and the pipeline
// systems that gather lines landing at one terminal.
#include "SampleCompanies.h"
#include "SampleContext.h"

class SampleTransport {
public:
    SampleTransport(SampleContext& ctx, SampleCompanies& companies) : ctx_(ctx), companies_(companies) {}

    // Needs the fields.
    void Make();
    // The Terminal, Transport and transport link rows, and the systems' index entries.
    void Write();

private:
    SampleContext& ctx_;
    SampleCompanies& companies_;
};
