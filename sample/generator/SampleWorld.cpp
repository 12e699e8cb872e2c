#include "SampleWorld.h"

#include "SampleAnnual.h"
#include "SampleBlocks.h"
#include "SampleCompanies.h"
#include "SampleFields.h"
#include "SampleGeography.h"
#include "SampleTransport.h"
#include "SampleWells.h"

SampleWorld::SampleWorld(const SampleReference& ref, SampleDatabase& core, SampleDatabase& annual, int fields,
                         uint64_t seed)
    : ctx_(ref, core, annual, fields, seed) {}

void SampleWorld::Build() {
    // The order is part of the data set: every builder draws from the one
    // source of chance, so a change of order would change what a seed gives.
    SampleCompanies companies(ctx_);
    companies.Make();
    companies.Write();

    const SectorSpread spread = SpreadOverSectors(ctx_.ref, ctx_.fieldCount);
    SampleBlocks blocks(ctx_, companies);
    blocks.Make(spread.blocks);

    ctx_.core.Exec("BEGIN");
    ctx_.annual.Exec("BEGIN");
    {
        // Their prepared inserts are done with before the commit.
        SampleAnnual annual(ctx_);
        SampleFields fields(ctx_, companies, annual);
        for (size_t i = 0; i < ctx_.ref.sectors.size(); ++i)
            fields.Make(i, spread.fields[i], spread.groupings[i]);
    }
    // Written once the fields have said which blocks hold them.
    blocks.Write();
    SampleWells(ctx_, companies).Make();
    SampleTransport transport(ctx_, companies);
    transport.Make();
    transport.Write();
    ctx_.core.Exec("COMMIT");
    ctx_.annual.Exec("COMMIT");
}
