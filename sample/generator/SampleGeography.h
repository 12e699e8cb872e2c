#pragma once
// Where the assets of a data set lie: how they spread over the sectors the
// reference data names and what they look like in each (quadrants, licence
// names, plays, depths, block sizes, tax).
#include <cstdint>
#include <optional>
#include <vector>

#include "SampleContext.h"

// How assets spread over a sector and what they look like there.  Sectors the
// scripts add without a profile here take the default one.  No two sectors
// share a quadrant, so a block reference names one block in the whole data set.
struct SectorProfile {
    int64_t code;
    double weight;                       // share of the fields
    std::vector<const char*> quadrants;  // empty: onshore licence areas
    int blocksPerQuadrant;
    bool subBlocks;
    const char* licencePrefix;
    const char* award;                // "<award> Round n"
    std::vector<int64_t> formations;  // reservoir ages found there
    double gasShare;
    int firstDiscovery;
    double reservoirMin, reservoirMax;  // m
    double blockAreaMin, blockAreaMax;  // km2
    double taxRate;
};

const SectorProfile& ProfileOf(int64_t sectorCode);
// The sector across a median line from this one, which some fields straddle.
std::optional<int64_t> NeighbourOf(int64_t sectorCode);
// A sector (its place in the reference data) chosen by the profiles' weights.
size_t PickSector(SampleContext& ctx);

// What each sector (by its place in the reference data) is given.
struct SectorSpread {
    std::vector<size_t> fields;     // fields besides the groupings
    std::vector<size_t> groupings;  // field groupings
    std::vector<size_t> blocks;
};
// The field records spread over the sectors by weight, adding up to exactly
// `fieldCount`; about one in twenty is a grouping.
SectorSpread SpreadOverSectors(const SampleReference& ref, int fieldCount);
