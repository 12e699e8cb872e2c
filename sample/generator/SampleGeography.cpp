#include "SampleGeography.h"

#include <algorithm>
#include <map>

namespace {
const std::vector<SectorProfile>& Profiles() {
    static const std::vector<SectorProfile> p = {
        {11,
         12,
         {"2", "3", "9", "210", "211"},
         30,
         true,
         "P.",
         "UK",
         {212, 216, 202, 111},
         0.2,
         1971,
         2000,
         3600,
         200,
         260,
         0.40},
        {12,
         12,
         {"14", "16", "20", "21", "22", "23", "29"},
         30,
         true,
         "P.",
         "UK",
         {113, 211, 201, 114},
         0.35,
         1969,
         2200,
         4600,
         200,
         260,
         0.40},
        {13,
         9,
         {"41", "42", "43", "44", "47", "48", "49", "53"},
         30,
         true,
         "P.",
         "UK",
         {302, 311, 222},
         0.95,
         1965,
         2400,
         3600,
         200,
         260,
         0.40},
        {14,
         3,
         {"202", "204", "205", "206", "208", "213", "214"},
         30,
         true,
         "P.",
         "UK",
         {202, 113, 321, 401},
         0.3,
         1977,
         1800,
         4200,
         200,
         260,
         0.40},
        {15, 2, {"110", "113"}, 30, true, "P.", "UK", {222}, 0.7, 1974, 700, 1600, 200, 260, 0.40},
        {16, 3, {}, 0, false, "PEDL", "UK Onshore", {222, 211, 311}, 0.2, 1973, 500, 2200, 40, 300, 0.40},
        {21,
         14,
         {"1", "6", "7", "15", "17", "24", "25", "30", "31", "33", "34", "35"},
         12,
         false,
         "PL",
         "Norwegian",
         {212, 216, 113, 114, 201, 221},
         0.35,
         1966,
         1700,
         4600,
         480,
         560,
         0.78},
        {22,
         7,
         {"6406", "6407", "6506", "6507", "6608", "6609", "6705"},
         12,
         false,
         "PL",
         "Norwegian",
         {213, 214, 202},
         0.6,
         1981,
         2000,
         4800,
         480,
         560,
         0.78},
        {23,
         3,
         {"7120", "7121", "7122", "7220", "7222", "7324"},
         12,
         false,
         "PL",
         "Norwegian",
         {215, 223, 221},
         0.6,
         1981,
         1000,
         2800,
         480,
         560,
         0.78},
        {31,
         5,
         {"5504", "5505", "5603", "5604"},
         32,
         false,
         "DK ",
         "Danish",
         {201, 211},
         0.35,
         1966,
         1800,
         3600,
         250,
         320,
         0.64},
        {41,
         5,
         {"F", "J", "K", "L", "P", "Q"},
         18,
         false,
         "P/",
         "Dutch",
         {302, 311, 222},
         0.95,
         1970,
         2500,
         4200,
         380,
         420,
         0.50},
        {42, 2, {}, 0, false, "OL", "Dutch Onshore", {302, 222}, 0.9, 1959, 1500, 3200, 40, 300, 0.50},
        {51,
         1.5,
         {"50", "56", "57"},
         30,
         false,
         "SEL ",
         "Irish",
         {202, 212},
         0.8,
         1971,
         800,
         1800,
         200,
         260,
         0.25},
        {52,
         1,
         {"18", "26", "27", "36"},
         30,
         false,
         "FEL ",
         "Irish",
         {221, 311},
         0.8,
         1996,
         2500,
         4000,
         200,
         260,
         0.25},
        {61,
         1,
         {"6004", "6005", "6104", "6105"},
         30,
         false,
         "L",
         "Faroese",
         {113, 321},
         0.2,
         2001,
         2500,
         4200,
         200,
         260,
         0.27},
    };
    return p;
}

}  // namespace

const SectorProfile& ProfileOf(int64_t sectorCode) {
    static const SectorProfile fallback{
        0, 1, {"1", "2", "3"}, 30, false, "L", "Licensing", {212}, 0.4, 1975, 1500, 3500, 200, 260, 0.40};
    for (const SectorProfile& p : Profiles())
        if (p.code == sectorCode) return p;
    return fallback;
}

std::optional<int64_t> NeighbourOf(int64_t sectorCode) {
    // Sectors that face each other across a median line: some fields straddle it.
    static const std::map<int64_t, int64_t> n = {{11, 21}, {21, 11}, {12, 31}, {31, 12},
                                                 {13, 41}, {41, 13}, {14, 61}, {61, 14}};
    auto across = n.find(sectorCode);
    return across == n.end() ? std::nullopt : std::optional<int64_t>(across->second);
}

size_t PickSector(SampleContext& ctx) {
    std::vector<double> weights;
    for (const RefSector& s : ctx.ref.sectors) weights.push_back(ProfileOf(s.code).weight);
    return ctx.rnd.Weighted(weights);
}

SectorSpread SpreadOverSectors(const SampleReference& ref, int fieldCount) {
    // Field records per sector by weight, by largest remainder so they add up
    // to exactly what was asked.  About one record in twenty is a grouping; a
    // grouping gathers two to five fields of its own sector, so a sector holds
    // one only where it has at least two fields for it besides.
    std::vector<double> weights;
    double totalWeight = 0;
    for (const RefSector& s : ref.sectors) {
        weights.push_back(ProfileOf(s.code).weight);
        totalWeight += weights.back();
    }
    const size_t records = static_cast<size_t>(fieldCount);
    std::vector<size_t> perSector(weights.size(), 0);
    std::vector<std::pair<double, size_t>> remainders;
    size_t given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const double exact = records * weights[i] / totalWeight;
        perSector[i] = static_cast<size_t>(exact);
        given += perSector[i];
        remainders.push_back({exact - perSector[i], i});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t k = 0; given < records; ++k, ++given) ++perSector[remainders[k % remainders.size()].second];
    std::vector<size_t> groupingsPerSector(weights.size(), 0);
    for (size_t i = 0; i < weights.size(); ++i) {
        groupingsPerSector[i] = perSector[i] / 20;
        perSector[i] -= groupingsPerSector[i];  // the fields beside the groupings
    }

    SectorSpread spread;
    for (size_t i = 0; i < perSector.size(); ++i)
        spread.blocks.push_back(2 * perSector[i] + (fieldCount > 0 ? 1 : 0));
    spread.fields = std::move(perSector);
    spread.groupings = std::move(groupingsPerSector);
    return spread;
}
