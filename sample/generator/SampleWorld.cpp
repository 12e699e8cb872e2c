#include "SampleWorld.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>

#include "SampleText.h"
#include "platform/runtime/Text.h"

namespace {
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

const SectorProfile& ProfileOf(int64_t sectorCode) {
    static const SectorProfile fallback{
        0, 1, {"1", "2", "3"}, 30, false, "L", "Licensing", {212}, 0.4, 1975, 1500, 3500, 200, 260, 0.40};
    for (const SectorProfile& p : Profiles())
        if (p.code == sectorCode) return p;
    return fallback;
}

// Sectors that face each other across a median line: some fields straddle it.
const std::map<int64_t, int64_t>& Neighbours() {
    static const std::map<int64_t, int64_t> n = {{11, 21}, {21, 11}, {12, 31}, {31, 12},
                                                 {13, 41}, {41, 13}, {14, 61}, {61, 14}};
    return n;
}

struct NamedCompany {
    const char* name;
    const char* shortName;
    const char* home;
    double weight;
};

const std::vector<NamedCompany>& NamedCompanies() {
    static const std::vector<NamedCompany> c = {
        {"Borealis Energy", "Borealis", "NO", 10},
        {"Northgate Petroleum", "Northgate", "GB", 9},
        {"Skagerrak Oil", "Skagerrak", "NO", 7},
        {"Halcyon Resources", "Halcyon", "GB", 6},
        {"Meridian Gas", "Meridian", "NL", 6},
        {"Continental Petroleum", "Continental", "NL", 6},
        {"Kestrel Exploration", "Kestrel", "GB", 4},
        {"Fjordline Energi", "Fjordline", "NO", 4},
        {"Tidewater Hydrocarbons", "Tidewater", "GB", 4},
        {"Ironbridge Petroleum", "Ironbridge", "GB", 3},
        {"Saltire Energy", "Saltire", "GB", 3},
        {"Nordkapp Petroleum", "Nordkapp", "NO", 3},
        {"Albion Oil & Gas", "Albion", "GB", 3},
        {"Caledonia Resources", "Caledonia", "GB", 2},
        {"Polar Basin Oil", "Polar Basin", "NO", 2},
        {"Jutland Energy", "Jutland", "DK", 3},
        {"Hollandse Gasmaatschappij", "HGM", "NL", 3},
        {"Emerald Isle Petroleum", "Emerald Isle", "IE", 2},
        {"Sørvest Energi", "Sørvest", "NO", 2},
        {"Atlantic Frontier Oil", "Atl Frontier", "GB", 1.5},
        {"Grampian Energy", "Grampian", "GB", 1.5},
        {"Norsk Kontinental", "Norsk Kont", "NO", 2},
        {"Dansk Undergrund", "Dansk UG", "DK", 2},
        {"Føroya Kolvetni", "Føroya", "FO", 1},
    };
    return c;
}

// The legal form a subsidiary takes in each country.
std::pair<std::string, std::string> SubsidiaryName(const std::string& stem, const std::string& shortName,
                                                   const std::string& country) {
    if (country == "GB") return {stem + " UK Limited", shortName + " UK"};
    if (country == "NO") return {stem + " Norge AS", shortName + " Norge"};
    if (country == "DK") return {stem + " Danmark A/S", shortName + " Danmark"};
    if (country == "NL") return {stem + " Nederland B.V.", shortName + " NL"};
    if (country == "IE") return {stem + " Ireland Limited", shortName + " Ireland"};
    if (country == "FO") return {stem + " Føroyar P/F", shortName + " Føroyar"};
    return {stem + " " + country, shortName + " " + country};
}

struct FixedTerminal {
    const char* name;
    const char* country;
    const char* grouping;  // name of the complex it belongs to, or empty
    bool oil, gas;
};

const std::vector<FixedTerminal>& FixedTerminals() {
    static const std::vector<FixedTerminal> t = {
        {"Tees Bay Oil Terminal", "GB", "Tees Bay Complex", true, false},
        {"Tees Bay Gas Terminal", "GB", "Tees Bay Complex", false, true},
        {"Sandvoe Terminal", "GB", "", true, true},
        {"Cairnhead Gas Terminal", "GB", "", false, true},
        {"Ravenser Gas Terminal", "GB", "", false, true},
        {"Point of Ness Gas Terminal", "GB", "", false, true},
        {"Morecambe Point Terminal", "GB", "", true, true},
        {"Kårsund Gas Plant", "NO", "Kårsund Processing Complex", false, true},
        {"Kårsund Oil Terminal", "NO", "Kårsund Processing Complex", true, false},
        {"Hjeltefjord Terminal", "NO", "", true, true},
        {"Aukrasund Gas Plant", "NO", "", false, true},
        {"Melkevik LNG Plant", "NO", "", false, true},
        {"Mongsvik Oil Terminal", "NO", "", true, false},
        {"Skovhavn Oil Terminal", "DK", "", true, false},
        {"Vestbro Gas Plant", "DK", "", false, true},
        {"Duinhaven Gas Terminal", "NL", "", false, true},
        {"Zeehaven Oil Terminal", "NL", "", true, false},
        {"Carrowmore Gas Terminal", "IE", "", false, true},
    };
    return t;
}

double Round(double v, int decimals) {
    const double f = std::pow(10.0, decimals);
    return std::round(v * f) / f;
}

std::optional<double> Round(const std::optional<double>& v, int decimals) {
    return v ? std::optional<double>(Round(*v, decimals)) : std::nullopt;
}

std::string ShoreChar(const std::string& offshore) {
    return offshore == "ONSHORE" ? "L" : offshore == "BOTH" ? "B" : "O";
}

std::string DateText(double serial) {
    const DateParts p = SplitDate(serial);
    return IsoDate(p.year, p.month, p.day);
}

int YearOf(const std::string& isoDate) { return static_cast<int>(Val(isoDate.substr(0, 4))); }
}  // namespace

SampleWorld::SampleWorld(const SampleReference& ref, SampleDatabase& core, SampleDatabase& annual, int fields,
                         uint64_t seed)
    : ref_(ref), core_(core), annual_(annual), fieldCount_(fields), rnd_(seed) {}

std::string SampleWorld::RandomDate(int year) {
    const int month = static_cast<int>(rnd_.Int(1, 12));
    const int day = static_cast<int>(rnd_.Int(1, 28));
    return IsoDate(year, month, day);
}

size_t SampleWorld::PickSector() {
    std::vector<double> weights;
    for (const RefSector& s : ref_.sectors) weights.push_back(ProfileOf(s.code).weight);
    return rnd_.Weighted(weights);
}

const RefAge* SampleWorld::OlderAge(int64_t ageCode) {
    const RefAge* a = ref_.Age(ageCode);
    if (!a) return nullptr;
    std::vector<const RefAge*> older;
    for (const RefAge& o : ref_.ages)
        if (o.order > a->order && o.order <= a->order + 4) older.push_back(&o);
    return older.empty() ? a : older[rnd_.Index(older.size())];
}

void SampleWorld::Build() {
    MakeCompanies();
    WriteCompanies();

    // Field records per sector by weight, by largest remainder so they add up
    // to exactly what was asked.  About one record in twenty is a grouping; a
    // grouping gathers two to five fields of its own sector, so a sector holds
    // one only where it has at least two fields for it besides.
    std::vector<double> weights;
    double totalWeight = 0;
    for (const RefSector& s : ref_.sectors) {
        weights.push_back(ProfileOf(s.code).weight);
        totalWeight += weights.back();
    }
    const size_t records = static_cast<size_t>(fieldCount_);
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

    std::vector<size_t> blocksPerSector;
    for (size_t i = 0; i < perSector.size(); ++i)
        blocksPerSector.push_back(2 * perSector[i] + (fieldCount_ > 0 ? 1 : 0));
    MakeBlocks(blocksPerSector);

    core_.Exec("BEGIN");
    annual_.Exec("BEGIN");
    for (size_t i = 0; i < ref_.sectors.size(); ++i) MakeFields(i, perSector[i], groupingsPerSector[i]);
    WriteBlocks();
    MakeWells();
    MakeTransport();
    WriteTransport();
    inserts_.reset();
    core_.Exec("COMMIT");
    annual_.Exec("COMMIT");
}

// Companies ---------------------------------------------------------------------------------------

void SampleWorld::MakeCompanies() {
    struct Parent {
        std::string name, shortName, home;
        double weight;
    };
    std::vector<Parent> parents;
    for (const NamedCompany& c : NamedCompanies()) parents.push_back({c.name, c.shortName, c.home, c.weight});
    // Larger data sets get more players, so equity does not pile up on a few names.
    const size_t wanted = std::max<size_t>(parents.size(), static_cast<size_t>(fieldCount_) / 25);
    for (size_t k = 0; parents.size() < wanted; ++k) {
        const std::string stem = names_.Unique(SampleNames::ExtraCompanyStem(k));
        const RefSector& home = ref_.sectors[PickSector()];
        parents.push_back({stem, stem, home.country, rnd_.Range(0.3, 1.5)});
    }
    std::vector<std::string> countries;
    for (const RefSector& s : ref_.sectors)
        if (std::find(countries.begin(), countries.end(), s.country) == countries.end())
            countries.push_back(s.country);

    int64_t code = 101;
    for (const Parent& p : parents) {
        Company parent{code++, p.name, p.shortName, p.home, 0, p.weight};
        companies_.push_back(parent);
        for (const std::string& country : countries) {
            const bool home = country == p.home;
            // Large companies reach further afield; at home half of them hold
            // their licences directly.
            const bool active = home || rnd_.Chance(std::min(0.85, 0.12 + p.weight / 12));
            if (!active || (home && rnd_.Chance(0.5))) continue;
            auto [name, shortName] = SubsidiaryName(p.name, p.shortName, country);
            companies_.push_back({code++, name, shortName, country, parent.code, p.weight});
        }
    }
}

std::vector<SampleWorld::Share> SampleWorld::Participants(const std::string& country) {
    // Who can hold equity in the country: a parent's subsidiary there, or the
    // parent itself at home when it holds directly.
    auto found = holders_.find(country);
    if (found == holders_.end()) {
        std::set<int64_t> withSubsidiary;
        for (const Company& c : companies_)
            if (c.parent != 0 && c.home == country) withSubsidiary.insert(c.parent);
        std::vector<const Company*> list;
        for (const Company& c : companies_)
            if ((c.parent != 0 && c.home == country) ||
                (c.parent == 0 && c.home == country && !withSubsidiary.count(c.code)))
                list.push_back(&c);
        if (list.empty())
            for (const Company& c : companies_)
                if (c.parent == 0) list.push_back(&c);
        found = holders_.emplace(country, std::move(list)).first;
    }
    const std::vector<const Company*>& active = found->second;

    static const std::vector<double> sizes = {0.10, 0.25, 0.30, 0.25, 0.10};
    const size_t k = std::min(active.size(), rnd_.Weighted(sizes) + 1);
    std::vector<double> weights;
    for (const Company* c : active) weights.push_back(c->weight);
    std::vector<Share> shares;
    for (size_t i = 0; i < k; ++i) {
        const size_t pick = rnd_.Weighted(weights);
        weights[pick] = 0;
        shares.push_back({active[pick]->code, 0, i == 0});
    }
    if (k == 1) {
        shares[0].basisPoints = 10000;
        return shares;
    }
    // The operator holds 20-60%; every partner at least 1%.
    const int32_t op = static_cast<int32_t>(rnd_.Int(40, 120)) * 50;
    shares[0].basisPoints = op;
    const int32_t partners = static_cast<int32_t>(k - 1);
    const int32_t spare = 10000 - op - 100 * partners;
    std::vector<double> cut;
    double cutSum = 0;
    for (int32_t i = 0; i < partners; ++i) {
        cut.push_back(rnd_.Range(0.3, 1.7));
        cutSum += cut.back();
    }
    int32_t handed = 0;
    for (int32_t i = 0; i < partners; ++i) {
        int32_t extra = i + 1 == partners ? spare - handed : static_cast<int32_t>(spare * cut[i] / cutSum);
        handed += extra;
        shares[i + 1].basisPoints = 100 + extra;
    }
    return shares;
}

const SampleWorld::Company& SampleWorld::Operator(const std::vector<Share>& shares) const {
    // Codes run on from the first company without gaps.
    const int64_t at = shares.empty() ? 0 : shares.front().company - companies_.front().code;
    return at >= 0 && at < static_cast<int64_t>(companies_.size()) ? companies_[static_cast<size_t>(at)]
                                                                   : companies_.front();
}

void SampleWorld::WriteCompanies() {
    SampleDatabase::Insert ins(
        core_,
        "INSERT INTO Company (Company_Code, Company_Name, Company_Short_Name, Parent_Code, "
        "Country_Code) VALUES (?, ?, ?, ?, ?)");
    for (const Company& c : companies_) ins.Row({c.code, c.name, c.shortName, c.parent, c.home});
    counts_.companies = companies_.size();
}

// Licence blocks ------------------------------------------------------------------------------------

void SampleWorld::MakeBlocks(const std::vector<size_t>& blocksPerSector) {
    sectorBlocks_.assign(ref_.sectors.size(), {});
    int64_t code = 1;
    for (size_t si = 0; si < ref_.sectors.size(); ++si) {
        const RefSector& sector = ref_.sectors[si];
        const SectorProfile& prof = ProfileOf(sector.code);
        const size_t wanted = blocksPerSector[si];
        if (wanted == 0) continue;

        // Quadrant and block numbers, shuffled, as many as needed; a large data
        // set numbers its blocks beyond the usual grid.
        std::vector<std::pair<std::string, int>> slots;
        if (!prof.quadrants.empty()) {
            const int perQuadrant =
                std::max(prof.blocksPerQuadrant, static_cast<int>(wanted / prof.quadrants.size()) + 2);
            for (const char* q : prof.quadrants)
                for (int b = 1; b <= perQuadrant; ++b) slots.push_back({q, b});
            for (size_t i = slots.size(); i > 1; --i) std::swap(slots[i - 1], slots[rnd_.Index(i)]);
        }

        std::vector<size_t> made;
        size_t slot = 0;
        int64_t onshoreNumber = 100 + rnd_.Int(0, 50);
        while (made.size() < wanted) {
            std::vector<Block> group;
            if (prof.quadrants.empty()) {
                Block b;
                onshoreNumber += rnd_.Int(1, 9);
                b.reference = std::string(prof.licencePrefix) + " " + IntText(onshoreNumber);
                group.push_back(b);
            } else {
                const auto& [quadrant, number] = slots[slot++ % slots.size()];
                const std::string whole = quadrant +
                                          (std::isdigit(static_cast<unsigned char>(quadrant[0])) ? "/" : "") +
                                          IntText(number);
                // Some UK blocks are split into part-blocks, each licensed apart.
                const int parts = prof.subBlocks && rnd_.Chance(0.3) ? static_cast<int>(rnd_.Int(2, 3)) : 1;
                for (int p = 0; p < parts && made.size() + group.size() < wanted; ++p) {
                    Block b;
                    b.quadrant = quadrant;
                    b.block = IntText(number);
                    b.subBlock = parts > 1 ? std::string(1, static_cast<char>('a' + p)) : "";
                    b.reference = whole + b.subBlock;
                    group.push_back(b);
                }
            }
            for (Block& b : group) {
                b.code = code++;
                b.sector = si;
                b.basin = sector.basins.empty() ? "" : sector.basins[rnd_.Index(sector.basins.size())];
                const double full = rnd_.Range(prof.blockAreaMin, prof.blockAreaMax);
                b.area = Round(b.subBlock.empty() ? full : full * rnd_.Range(0.25, 0.6), 1);
                if (sector.waterDepthMin && sector.waterDepthMax) {
                    const double lo = rnd_.Range(*sector.waterDepthMin, *sector.waterDepthMax);
                    b.waterDepthMin = Round(lo, 0);
                    b.waterDepthMax = Round(lo + rnd_.Range(5, 120), 0);
                }
                made.push_back(blocks_.size());
                blocks_.push_back(b);
            }
        }

        // Blocks are licensed in groups of one to four, each group in one award.
        int64_t licenceNumber = rnd_.Int(10, 60);
        for (size_t i = 0; i < made.size();) {
            const size_t size = prof.quadrants.empty() ? 1 : static_cast<size_t>(rnd_.Int(1, 4));
            const int span = ref_.dataYear - 1 - (prof.firstDiscovery - 4);
            const int year = prof.firstDiscovery - 4 + static_cast<int>(span * std::pow(rnd_.Uniform(), 0.8));
            const int round = 1 + std::max(0, year - (prof.firstDiscovery - 4)) * 2 / 3;
            licenceNumber += rnd_.Int(1, 12);
            std::string licence;
            const std::string prefix = prof.licencePrefix;
            if (prefix == "DK " || prefix == "SEL " || prefix == "FEL ")
                licence = prefix + IntText(licenceNumber % 40 + 1) + "/" + IntTextPadded(year % 100, 2);
            else if (prefix == "PL")
                licence = "PL" + IntTextPadded(licenceNumber, 3);
            else
                licence = prefix + IntText(licenceNumber);
            std::string type = "PROD", subType;
            std::string award = std::string(prof.award) + " Round " + IntText(round);
            if (prof.quadrants.empty()) {
                type = "PEDL";
            } else if (sector.country == "NO" && year >= 2003 && rnd_.Chance(0.5)) {
                type = "APA";
                award = "APA " + IntText(year);
            } else if (sector.country == "GB") {
                subType = year >= 2003 && rnd_.Chance(0.3) ? (rnd_.Chance(0.5) ? "PROMOTE" : "INNOV")
                                                           : (sector.code == 14 ? "FRONT" : "TRAD");
            } else if (sector.country == "IE" || sector.country == "FO") {
                type = rnd_.Chance(0.5) ? "EXPL" : "PROD";
                if (type == "PROD") subType = "FRONT";
            } else {
                subType = "TRAD";
            }
            const std::string issue = RandomDate(year);
            const double issued = DateSerial(year, static_cast<int>(Val(issue.substr(5, 2))),
                                             static_cast<int>(Val(issue.substr(8, 2))));
            const std::string first = DateText(issued + 365.25 * static_cast<double>(rnd_.Int(4, 6)));
            const std::string expiry = DateText(issued + 365.25 * static_cast<double>(rnd_.Int(30, 46)));
            const std::vector<Share> shares = Participants(sector.country);
            const std::optional<double> bonus = (sector.country != "GB" && rnd_.Chance(0.15))
                                                    ? std::optional<double>(Round(rnd_.Range(0.5, 25), 2))
                                                    : std::nullopt;
            for (size_t k = 0; k < size && i < made.size(); ++k, ++i) {
                Block& b = blocks_[made[i]];
                b.licence = prof.quadrants.empty() ? b.reference : licence;
                b.licenceType = type;
                b.licenceSubType = subType;
                b.awardDesc = award;
                b.round = round;
                b.roundYear = year;
                b.issueDate = issue;
                b.firstRound = first;
                b.finalExpiry = expiry;
                b.shares = shares;
                b.signatureBonus = bonus;
                if (sector.country == "GB" && rnd_.Chance(0.4)) b.fallowYears = rnd_.Int(0, 8);
            }
        }
        sectorBlocks_[si] = made;
    }
}

void SampleWorld::WriteBlocks() {
    SampleDatabase::Insert ins(
        core_,
        "INSERT INTO Block (Block_Code, Block_Reference, Quadrant, Block, Sub_Block, Basin_Name, "
        "Country_Code, "
        "Country_Name, Sector_Code, Sector_Name, OFFSHORE_CODE, Licence_Reference, Licence_Type_Code, "
        "Licence_Sub_Type_Code, Licence_Status_Code, Licence_Area_Status_Code, Licence_Round, "
        "Licence_Round_Year, "
        "Licence_Award_Desc, Issue_Date, First_Round, Final_Expiry, Fallow_No_Year, Signature_Bonus, "
        "Block_Area, "
        "Water_Depth_Min, Water_Depth_Max, Operator_Code, Operator_Name) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    SampleDatabase::Insert interest(core_,
                                    "INSERT INTO BlockInterest (Block_Code, Company_Code, Interest_Perc, "
                                    "Ownership_Status) VALUES (?, ?, ?, ?)");
    // A licence past its final expiry has lapsed unless it holds a field; areas
    // without a field are given up more often than not over the years.  A
    // licence stays extant while any of its blocks is held.
    std::map<std::string, std::string> licenceStatus;
    for (Block& b : blocks_) {
        const bool expired = YearOf(b.finalExpiry) <= ref_.dataYear;
        if (b.holdsField)
            b.areaStatus = rnd_.Chance(0.15) ? "PARTREL" : "LICENSED";
        else
            b.areaStatus = expired || rnd_.Chance(0.3) ? "RELINQ" : rnd_.Chance(0.1) ? "PARTREL" : "LICENSED";
        std::string& status = licenceStatus[IntText(static_cast<int64_t>(b.sector)) + "|" + b.licence];
        if (b.areaStatus != "RELINQ")
            status = "EXTANT";
        else if (status.empty())
            status = expired ? "EXPIRED" : rnd_.Chance(0.5) ? "SURRENDERED" : "DETERMINED";
    }
    for (Block& b : blocks_) {
        const RefSector& sector = ref_.sectors[b.sector];
        b.licenceStatus = licenceStatus[IntText(static_cast<int64_t>(b.sector)) + "|" + b.licence];
        const Company& op = Operator(b.shares);
        ins.Row({b.code,
                 b.reference,
                 SqlText(b.quadrant),
                 SqlText(b.block),
                 SqlText(b.subBlock),
                 SqlText(b.basin),
                 sector.country,
                 sector.countryName,
                 sector.code,
                 sector.name,
                 sector.offshore,
                 b.licence,
                 b.licenceType,
                 SqlText(b.licenceSubType),
                 b.licenceStatus,
                 b.areaStatus,
                 int64_t{b.round},
                 int64_t{b.roundYear},
                 b.awardDesc,
                 b.issueDate,
                 b.firstRound,
                 b.finalExpiry,
                 SqlOpt(b.fallowYears),
                 SqlOpt(b.signatureBonus),
                 b.area,
                 SqlOpt(b.waterDepthMin),
                 SqlOpt(b.waterDepthMax),
                 op.code,
                 op.name});
        for (const Share& s : b.shares)
            interest.Row({b.code, s.company, s.basisPoints / 100.0, int64_t{s.op ? 1 : 0}});
    }
    counts_.blocks = blocks_.size();
}

// Fields ------------------------------------------------------------------------------------------

struct SampleWorld::Inserts {
    explicit Inserts(SampleDatabase& core, SampleDatabase& annual)
        : field(core, FieldInsert()),
          sector(core, "INSERT INTO FieldSector (Field_Code, Sector_Code) VALUES (?, ?)"),
          block(core, "INSERT INTO FieldBlock (Field_Code, Block_Code) VALUES (?, ?)"),
          reservoir(core,
                    "INSERT INTO FieldReservoir (Field_Code, Reservoir_Name, Is_Primary, AGE_CODE, ERA_CODE, "
                    "PERIOD_CODE, FORMATION_CODE, Reservoir_Depth) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
          interest(core,
                   "INSERT INTO FieldInterest (Field_Code, Company_Code, Interest_Perc, Ownership_Status) "
                   "VALUES (?, ?, ?, ?)"),
          annualField(annual,
                      "INSERT INTO AnnualField (Field_Code, Field_Name, Country_Code, Country_Name, "
                      "Sector_Name, Operator_Name, DEV_STATUS_CODE) VALUES (?, ?, ?, ?, ?, ?, ?)"),
          gross(annual,
                "INSERT INTO FieldAnnualTotal_Gross (Field_Code, Prod_Year, OIL_PRODUCTION, "
                "CONDENSATE_PRODUCTION, LPG_PRODUCTION, LIQUID_PRODUCTION, GAS_PRODUCTION, TOTAL_PRODUCTION, "
                "CAPEX_REAL, CAPEX_NOML, OPEX_REAL, OPEX_NOML, ABN_COSTS_REAL_USD, ABN_COSTS_NOML_USD, "
                "DEV_DRILLING_REAL_USD, DEV_DRILLING_NOML_USD, OTH_FIELD_CAPEX_REAL_USD, "
                "OTH_FIELD_CAPEX_NOML_USD, TRN_CAPEX_REAL_USD, TRN_CAPEX_NOML_USD) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          net(annual,
              "INSERT INTO FieldAnnualTotal_Net (Field_Code, Company_Code, Prod_Year, Interest_Perc, "
              "OIL_PRODUCTION, CONDENSATE_PRODUCTION, LPG_PRODUCTION, LIQUID_PRODUCTION, GAS_PRODUCTION, "
              "TOTAL_PRODUCTION, CAPEX_REAL_NET, CAPEX_NOML_NET, OPEX_REAL_NET, OPEX_NOML_NET, "
              "ABN_COSTS_REAL_USD_NET, ABN_COSTS_NOML_USD_NET, DEV_DRILLING_REAL_USD_NET, "
              "DEV_DRILLING_NOML_USD_NET, OTH_FIELD_CAPEX_REAL_USD_NET, OTH_FIELD_CAPEX_NOML_USD_NET, "
              "TRN_CAPEX_REAL_USD_NET, TRN_CAPEX_NOML_USD_NET) "
              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)") {}

    static std::string FieldInsert() {
        static const char* const columns[] = {"Field_Code",
                                              "Field_Name",
                                              "EVMnemonic",
                                              "FIELD_GROUPING",
                                              "FIELD_GROUPING_CODE",
                                              "FIELD_GROUPING_NAME",
                                              "Country_Code",
                                              "Country_Name",
                                              "Sector_Code",
                                              "Sector_Name",
                                              "Basin_Name",
                                              "OFFSHORE_CODE",
                                              "FIELD_TYPE_CODE",
                                              "DEV_STATUS_CODE",
                                              "DEV_TYPE_CODE",
                                              "Operator_Code",
                                              "Operator_Name",
                                              "Discovery_Date",
                                              "Devt_Consent",
                                              "Production_Started",
                                              "Ceased_Production",
                                              "Abandoned_Date",
                                              "WATER_DEPTH",
                                              "RESERVOIR_DEPTH",
                                              "RESERVOIR_AGE",
                                              "API_ACTUAL",
                                              "CALORIFIC_VALUE_ACTUAL",
                                              "SULPHUR_ACTUAL",
                                              "REC_R_OIL",
                                              "REC_R_COND",
                                              "REC_R_LPG",
                                              "REC_R_LIQUID",
                                              "REC_R_GAS",
                                              "REC_R_TOTAL",
                                              "REM_R_OIL",
                                              "REM_R_COND",
                                              "REM_R_LPG",
                                              "REM_R_LIQUID",
                                              "REM_R_GAS",
                                              "REM_R_TOTAL",
                                              "TECH_REC_R_OIL",
                                              "TECH_REC_R_COND",
                                              "TECH_REC_R_LPG",
                                              "TECH_REC_R_LIQUID",
                                              "TECH_REC_R_GAS",
                                              "TECH_REC_TOTAL",
                                              "TECH_REM_R_OIL",
                                              "TECH_REM_R_COND",
                                              "TECH_REM_R_LPG",
                                              "TECH_REM_R_LIQUID",
                                              "TECH_REM_R_GAS",
                                              "TECH_REM_TOTAL",
                                              "CURR_YR_OIL_PRODUCTION",
                                              "CURR_YR_COND_PRODUCTION",
                                              "CURR_YR_LPG_PRODUCTION",
                                              "CURR_YR_LIQUID_PRODUCTION",
                                              "CURR_YR_GAS_PRODUCTION",
                                              "CURR_YR_TOTAL_PRODUCTION",
                                              "PEAK_OIL_PRODUCTION",
                                              "PEAK_COND_PRODUCTION",
                                              "PEAK_LPG_PRODUCTION",
                                              "PEAK_LIQUID_PRODUCTION",
                                              "PEAK_GAS_PRODUCTION",
                                              "PEAK_TOTAL_PRODUCTION",
                                              "Peak_Year",
                                              "TOTALPV_POSTTAX_USD",
                                              "REMPV_POSTTAX_USD",
                                              "REMPVBOE_POSTTAX_USD",
                                              "PRE_TAX_IRR",
                                              "POST_TAX_IRR",
                                              "POST_TAX_IRR_COMPANY",
                                              "TOTAL_GOVT_TAKE_USD",
                                              "TOTAL_GOVT_TAKE_PERC",
                                              "REM_GOVT_TAKE_USD",
                                              "REM_GOVT_TAKE_PERC",
                                              "TOTAL_CAPEX_REAL_USD",
                                              "TOTAL_CAPEX_NOML_USD",
                                              "TOTAL_OPEX_REAL_USD",
                                              "TOTAL_OPEX_NOML_USD",
                                              "CAPEX_BBL_REAL_USD",
                                              "CAPEX_BBL_NOML_USD",
                                              "OPEX_BBL_REAL_USD",
                                              "OPEX_BBL_NOML_USD"};
        std::string names, marks;
        for (const char* c : columns) {
            names += (names.empty() ? "" : ", ") + std::string(c);
            marks += marks.empty() ? "?" : ", ?";
        }
        return "INSERT INTO Field (" + names + ") VALUES (" + marks + ")";
    }

    SampleDatabase::Insert field, sector, block, reservoir, interest, annualField, gross, net;
};

SampleWorld::~SampleWorld() = default;

namespace {
void AddTo(std::optional<double>& into, const std::optional<double>& v) {
    if (!v) return;
    into = into.value_or(0) + *v;
}
}  // namespace

SampleWorld::Field SampleWorld::NewField(size_t si) {
    const RefSector& sector = ref_.sectors[si];
    const SectorProfile& prof = ProfileOf(sector.code);
    const int dataYear = ref_.dataYear;
    Field f;
    f.code = nextFieldCode_++;
    f.name = names_.FieldName(sector.country, rnd_);
    f.mnemonic = names_.Mnemonic(f.name);
    f.sector = si;
    f.sectors = {si};
    auto across = Neighbours().find(sector.code);
    if (across != Neighbours().end() && rnd_.Chance(0.04))
        for (size_t k = 0; k < ref_.sectors.size(); ++k)
            if (ref_.sectors[k].code == across->second) f.sectors.push_back(k);
    f.basin = sector.basins.empty() ? "" : sector.basins[rnd_.Index(sector.basins.size())];
    const bool onshore = sector.offshore == "ONSHORE";
    f.offshore = onshore && rnd_.Chance(0.15) ? "BOTH" : sector.offshore;

    // Discoveries crowd into the early decades of a province.
    f.discoveryYear = prof.firstDiscovery +
                      static_cast<int>((dataYear - prof.firstDiscovery) * std::pow(rnd_.Uniform(), 1.4));
    f.discoveryDate = RandomDate(f.discoveryYear);
    f.reserves =
        Round(std::clamp(onshore ? rnd_.LogNormal(std::log(4.0), 1.1) : rnd_.LogNormal(std::log(25.0), 1.25),
                         0.2, 3000.0),
              2);

    ProductShares sh;
    if (rnd_.Uniform() < prof.gasShare) {
        if (rnd_.Chance(0.3)) {
            f.fieldType = "GASCOND";
            sh.cond = rnd_.Range(0.2, 0.35);
            sh.lpg = rnd_.Range(0.0, 0.04);
        } else {
            f.fieldType = "GAS";
            sh.cond = rnd_.Range(0.01, 0.08);
        }
    } else if (rnd_.Chance(0.35)) {
        f.fieldType = "OILGAS";
        sh.oil = rnd_.Range(0.45, 0.65);
        sh.lpg = rnd_.Range(0.02, 0.05);
    } else {
        f.fieldType = "OIL";
        sh.oil = rnd_.Range(0.85, 0.95);
        sh.lpg = rnd_.Range(0.0, 0.03);
    }
    sh.gas = 1 - sh.oil - sh.cond - sh.lpg;

    // Volumes of each product for a given oil-equivalent total.
    auto split = [&](double total) {
        Volumes v;
        v[kOil] = Round(total * sh.oil, 3);
        v[kCond] = Round(total * sh.cond, 3);
        v[kLpg] = Round(total * sh.lpg, 3);
        v[kLiquid] = Round(total * (sh.oil + sh.cond + sh.lpg), 3);
        v[kGas] = Round(total * sh.gas * SampleProfile::kMscfPerBoe, 3);
        v[kTotal] = Round(total, 3);
        return v;
    };
    auto rates = [&](const AnnualFigures& a) {
        Volumes v;
        v[kOil] = Round(a.oil, 3);
        v[kCond] = Round(a.cond, 3);
        v[kLpg] = Round(a.lpg, 3);
        v[kLiquid] = Round(a.Liquid(), 3);
        v[kGas] = Round(a.gas, 3);
        v[kTotal] = Round(a.Total(), 3);
        return v;
    };

    if (sector.waterDepthMin && sector.waterDepthMax && f.offshore == "OFFSHORE")
        f.waterDepth = Round(rnd_.Range(*sector.waterDepthMin, *sector.waterDepthMax), 0);
    f.reservoirDepth = Round(rnd_.Range(prof.reservoirMin, prof.reservoirMax), 0);

    // Developed, or waiting: the larger the find, the likelier it is produced.
    const int age = dataYear - f.discoveryYear;
    const double chance = f.reserves > 10 ? 0.85 : f.reserves > 3 ? 0.6 : 0.35;
    std::optional<int> firstYear;
    if (age >= 2 && rnd_.Chance(chance)) {
        const int first = f.discoveryYear + static_cast<int>(rnd_.Int(3, f.reserves > 100 ? 9 : 6));
        if (first <= dataYear + 7) firstYear = first;
    }
    if (firstYear) {
        SampleProfile::Inputs in;
        in.firstYear = *firstYear;
        in.dataYear = dataYear;
        in.reserves = f.reserves;
        in.shares = sh;
        in.unitCapex = (onshore ? 4 : 8) + 15 * std::exp(-f.reserves / 50) +
                       (f.waterDepth.value_or(0) > 300 ? 8 : 0) + rnd_.Range(-2, 2);
        in.unitOpex = rnd_.Range(6, 14);
        in.taxRate = prof.taxRate;
        SampleProfile life(in, rnd_);
        f.firstYear = life.FirstProductionYear();
        f.lastYear = life.LastProductionYear();
        if (*f.firstYear > dataYear)
            f.devStatus = *f.firstYear > dataYear + 3 ? "PROBABLE" : "UNDERDEV";
        else if (*f.lastYear < dataYear)
            f.devStatus = rnd_.Chance(0.5) ? "ABANDON" : "CEASED";
        else
            f.devStatus = "ONSTREAM";
        if (f.devStatus != "PROBABLE") {
            f.startDate = RandomDate(*f.firstYear);
            f.consentDate = RandomDate(std::min(dataYear, *f.firstYear - static_cast<int>(rnd_.Int(1, 3))));
        }
        if (f.devStatus == "CEASED" || f.devStatus == "ABANDON") f.ceasedDate = RandomDate(*f.lastYear);
        if (f.devStatus == "ABANDON")
            f.abandonedDate = RandomDate(std::min(dataYear, *f.lastYear + static_cast<int>(rnd_.Int(1, 3))));

        f.rec = split(f.reserves);
        const double cum[kProducts] = {life.CumOil(), life.CumCond(),
                                       life.CumLpg(), life.CumOil() + life.CumCond() + life.CumLpg(),
                                       life.CumGas(), life.CumTotal()};
        for (int p = 0; p < kProducts; ++p) f.rem[p] = Round(std::max(0.0, *f.rec[p] - cum[p]), 3);
        if (rnd_.Chance(0.3)) {
            f.techRec = split(f.reserves * rnd_.Range(0.05, 0.3));
            f.techRem = f.techRec;
        }
        if (auto now = life.DataYearFigures()) f.current = rates(*now);
        f.peak = rates(life.Peak());
        f.peakYear = life.Peak().year;
        f.totalPV = Round(life.TotalPV(), 2);
        f.remainingPV = Round(life.RemainingPV(), 2);
        if (*f.rem[kTotal] > 0.01) f.remainingPVBoe = Round(life.RemainingPV() / *f.rem[kTotal], 2);
        f.preTaxIRR = Round(life.PreTaxIRR(), 1);
        f.postTaxIRR = Round(life.PostTaxIRR(), 1);
        f.postTaxIRRCompany = Round(life.PostTaxIRRCompany(), 1);
        f.totalTake = Round(life.TotalGovernmentTake(), 2);
        f.totalTakePerc = Round(life.TotalGovernmentTakePerc(), 1);
        f.remainingTake = Round(life.RemainingGovernmentTake(), 2);
        f.remainingTakePerc = Round(life.RemainingGovernmentTakePerc(), 1);
        f.capexReal = Round(life.TotalCapex(), 2);
        f.capexNominal = Round(life.TotalCapexNominal(), 2);
        f.opexReal = Round(life.TotalOpex(), 2);
        f.opexNominal = Round(life.TotalOpexNominal(), 2);
        f.capexPerBoe = Round(life.TotalCapex() / f.reserves, 2);
        f.capexPerBoeNominal = Round(life.TotalCapexNominal() / f.reserves, 2);
        f.opexPerBoe = Round(life.TotalOpex() / f.reserves, 2);
        f.opexPerBoeNominal = Round(life.TotalOpexNominal() / f.reserves, 2);
        f.annual = life.Years();
    } else {
        f.devStatus = age < 3 ? "UNAPPR" : "TECHRES";
        f.techRec = split(f.reserves);
        f.techRem = f.techRec;
    }

    // How it is (or will be) developed.
    const bool hasConcept = f.devStatus != "TECHRES" && f.devStatus != "UNAPPR";
    if (hasConcept) {
        if (onshore)
            f.devType = "ONSHORE";
        else if (f.waterDepth.value_or(0) > 400)
            f.devType = rnd_.Chance(0.5) ? "FPSO" : rnd_.Chance(0.4) ? "TLP" : "SUBSEA";
        else if (f.reserves < 20)
            f.devType = rnd_.Chance(0.7) ? "SUBSEA" : "PLATFORM";
        else if (f.reserves > 300)
            f.devType = sector.country == "NO" && rnd_.Chance(0.4) ? "GBS" : "PLATFORM";
        else
            f.devType = rnd_.Chance(0.6) ? "PLATFORM" : rnd_.Chance(0.4) ? "FPSO" : "SUBSEA";
    }

    // Reservoirs: a main one and up to two more from the province's plays.
    std::vector<int64_t> pool = prof.formations;
    const size_t reservoirs = 1 + (rnd_.Chance(0.4) ? 1 : 0) + (rnd_.Chance(0.15) ? 1 : 0);
    for (size_t k = 0; k < reservoirs && !pool.empty(); ++k) {
        const size_t pick = rnd_.Index(pool.size());
        if (ref_.Age(pool[pick])) f.ages.push_back(pool[pick]);
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    if (f.ages.empty()) f.ages.push_back(ref_.ages.front().ageCode);
    const RefAge* primary = ref_.Age(f.ages.front());
    f.reservoirAge = primary->formationName + " (" + primary->periodName + ")";

    const bool oil = f.fieldType == "OIL" || f.fieldType == "OILGAS";
    if (oil) f.api = Round(rnd_.Range(f.fieldType == "OIL" ? 22 : 30, 45), 1);
    if (f.fieldType == "GASCOND") f.api = Round(rnd_.Range(45, 62), 1);
    if (sh.gas > 0.05) f.calorific = Round(rnd_.Range(36, 42.5), 2);
    if (oil) f.sulphur = Round(rnd_.Range(0.1, 2.5), 2);

    f.shares = Participants(sector.country);
    const std::vector<size_t>& candidates = sectorBlocks_[si];
    static const std::vector<double> blockCounts = {0.75, 0.2, 0.05};
    const size_t wanted = std::min(candidates.size(), rnd_.Weighted(blockCounts) + 1);
    while (f.blocks.size() < wanted) {
        const size_t b = candidates[rnd_.Index(candidates.size())];
        if (std::find(f.blocks.begin(), f.blocks.end(), b) == f.blocks.end()) f.blocks.push_back(b);
    }
    for (size_t b : f.blocks) blocks_[b].holdsField = true;
    return f;
}

SampleWorld::Field SampleWorld::Grouping(const std::vector<Field*>& members) {
    const Field* largest = members.front();
    for (const Field* m : members)
        if (m->reserves > largest->reserves) largest = m;
    Field g;
    g.code = nextFieldCode_++;
    g.grouping = true;
    g.name = names_.GroupingName(largest->name);
    g.mnemonic = names_.Mnemonic(g.name);
    g.sector = largest->sector;
    g.basin = largest->basin;
    g.offshore = largest->offshore;
    g.fieldType = largest->fieldType;
    // A grouping is as far along as its most advanced member.
    static const std::vector<std::string> progress = {"UNAPPR",   "TECHRES",  "ABANDON", "CEASED",
                                                      "PROBABLE", "UNDERDEV", "ONSTREAM"};
    auto rank = [&](const std::string& status) {
        return std::find(progress.begin(), progress.end(), status) - progress.begin();
    };
    g.devStatus = largest->devStatus;
    for (const Field* m : members)
        if (rank(m->devStatus) > rank(g.devStatus)) g.devStatus = m->devStatus;
    g.shares = largest->shares;
    g.waterDepth = largest->waterDepth;
    g.reservoirDepth = largest->reservoirDepth;
    g.reservoirAge = largest->reservoirAge;
    g.api = largest->api;
    g.calorific = largest->calorific;
    g.sulphur = largest->sulphur;
    g.discoveryYear = largest->discoveryYear;
    g.discoveryDate = largest->discoveryDate;
    bool allCeased = true, allAbandoned = true;
    std::map<int, AnnualFigures> byYear;
    for (Field* m : members) {
        m->groupingCode = g.code;
        for (size_t s : m->sectors)
            if (std::find(g.sectors.begin(), g.sectors.end(), s) == g.sectors.end()) g.sectors.push_back(s);
        if (m->discoveryDate < g.discoveryDate) {
            g.discoveryDate = m->discoveryDate;
            g.discoveryYear = m->discoveryYear;
        }
        if (!m->startDate.empty() && (g.startDate.empty() || m->startDate < g.startDate))
            g.startDate = m->startDate;
        if (!m->consentDate.empty() && (g.consentDate.empty() || m->consentDate < g.consentDate))
            g.consentDate = m->consentDate;
        if (m->ceasedDate.empty()) allCeased = false;
        if (m->abandonedDate.empty()) allAbandoned = false;
        if (m->ceasedDate > g.ceasedDate) g.ceasedDate = m->ceasedDate;
        if (m->abandonedDate > g.abandonedDate) g.abandonedDate = m->abandonedDate;
        if (m->firstYear && (!g.firstYear || *m->firstYear < *g.firstYear)) g.firstYear = m->firstYear;
        if (m->lastYear && (!g.lastYear || *m->lastYear > *g.lastYear)) g.lastYear = m->lastYear;
        g.reserves += m->reserves;
        for (int p = 0; p < kProducts; ++p) {
            AddTo(g.rec[p], m->rec[p]);
            AddTo(g.rem[p], m->rem[p]);
            AddTo(g.techRec[p], m->techRec[p]);
            AddTo(g.techRem[p], m->techRem[p]);
            AddTo(g.current[p], m->current[p]);
        }
        AddTo(g.totalPV, m->totalPV);
        AddTo(g.remainingPV, m->remainingPV);
        AddTo(g.totalTake, m->totalTake);
        AddTo(g.remainingTake, m->remainingTake);
        AddTo(g.capexReal, m->capexReal);
        AddTo(g.capexNominal, m->capexNominal);
        AddTo(g.opexReal, m->opexReal);
        AddTo(g.opexNominal, m->opexNominal);
        for (const AnnualFigures& a : m->annual) {
            AnnualFigures& t = byYear[a.year];
            t.year = a.year;
            t.oil += a.oil;
            t.cond += a.cond;
            t.lpg += a.lpg;
            t.gas += a.gas;
            t.devDrilling += a.devDrilling;
            t.otherCapex += a.otherCapex;
            t.transportCapex += a.transportCapex;
            t.opex += a.opex;
            t.abandonment += a.abandonment;
        }
    }
    if (!allCeased) g.ceasedDate.clear();
    if (!allAbandoned) g.abandonedDate.clear();
    g.reserves = Round(g.reserves, 2);
    for (int p = 0; p < kProducts; ++p) {
        g.rec[p] = Round(g.rec[p], 3);
        g.rem[p] = Round(g.rem[p], 3);
        g.techRec[p] = Round(g.techRec[p], 3);
        g.techRem[p] = Round(g.techRem[p], 3);
        g.current[p] = Round(g.current[p], 3);
    }
    for (auto& [year, a] : byYear) {
        g.annual.push_back(a);
        if (!g.peakYear || a.Total() > *g.peak[kTotal]) {
            g.peakYear = year;
            g.peak = {Round(a.oil, 3),      Round(a.cond, 3), Round(a.lpg, 3),
                      Round(a.Liquid(), 3), Round(a.gas, 3),  Round(a.Total(), 3)};
        }
    }
    if (g.rec[kTotal] && *g.rec[kTotal] > 0 && g.capexReal) {
        g.capexPerBoe = Round(*g.capexReal / *g.rec[kTotal], 2);
        g.capexPerBoeNominal = Round(g.capexNominal.value_or(0) / *g.rec[kTotal], 2);
        g.opexPerBoe = Round(g.opexReal.value_or(0) / *g.rec[kTotal], 2);
        g.opexPerBoeNominal = Round(g.opexNominal.value_or(0) / *g.rec[kTotal], 2);
    }
    if (g.remainingPV && g.rem[kTotal] && *g.rem[kTotal] > 0.01)
        g.remainingPVBoe = Round(*g.remainingPV / *g.rem[kTotal], 2);
    g.totalPV = Round(g.totalPV, 2);
    g.remainingPV = Round(g.remainingPV, 2);
    for (Field* m : members) m->groupingName = g.name;
    return g;
}

void SampleWorld::MakeFields(size_t si, size_t underlying, size_t groupings) {
    if (!inserts_) inserts_ = std::make_unique<Inserts>(core_, annual_);
    std::vector<Field> made;
    made.reserve(underlying + groupings);
    for (size_t i = 0; i < underlying; ++i) made.push_back(NewField(si));
    // Groupings gather fields of their sector in runs of two to five.
    std::vector<size_t> order(made.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    for (size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[rnd_.Index(i)]);
    size_t next = 0;
    std::vector<Field> groups;
    for (size_t g = 0; g < groupings; ++g) {
        const size_t left = order.size() - next;
        const size_t stillToMake = groupings - g - 1;
        size_t size = static_cast<size_t>(rnd_.Int(2, 5));
        size = std::min(size, left - std::min(left, 2 * stillToMake));
        if (size < 2) break;
        std::vector<Field*> members;
        for (size_t k = 0; k < size; ++k) members.push_back(&made[order[next++]]);
        groups.push_back(Grouping(members));
    }
    for (Field& f : made) WriteField(f);
    for (Field& g : groups) WriteField(g);
    for (Field& f : made) fields_.push_back(std::move(f));
    for (Field& g : groups) fields_.push_back(std::move(g));
}

void SampleWorld::WriteField(Field& f) {
    const RefSector& sector = ref_.sectors[f.sector];
    const Company& op = Operator(f.shares);
    const std::vector<SqlValue> head = {f.code,
                                        f.name,
                                        f.mnemonic,
                                        int64_t{f.grouping ? 1 : 0},
                                        SqlOpt(f.groupingCode),
                                        SqlText(f.groupingName),
                                        sector.country,
                                        sector.countryName,
                                        sector.code,
                                        sector.name,
                                        SqlText(f.basin),
                                        f.offshore,
                                        f.fieldType,
                                        f.devStatus,
                                        SqlText(f.devType),
                                        op.code,
                                        op.name,
                                        SqlText(f.discoveryDate),
                                        SqlText(f.consentDate),
                                        SqlText(f.startDate),
                                        SqlText(f.ceasedDate),
                                        SqlText(f.abandonedDate),
                                        SqlOpt(f.waterDepth),
                                        f.reservoirDepth,
                                        SqlText(f.reservoirAge),
                                        SqlOpt(f.api),
                                        SqlOpt(f.calorific),
                                        SqlOpt(f.sulphur)};
    std::vector<SqlValue> row = head;
    for (const Volumes* v : {&f.rec, &f.rem, &f.techRec, &f.techRem, &f.current, &f.peak})
        for (const auto& x : *v) row.push_back(SqlOpt(x));
    row.push_back(SqlOpt(f.peakYear));
    for (const auto& x :
         {f.totalPV, f.remainingPV, f.remainingPVBoe, f.preTaxIRR, f.postTaxIRR, f.postTaxIRRCompany,
          f.totalTake, f.totalTakePerc, f.remainingTake, f.remainingTakePerc, f.capexReal, f.capexNominal,
          f.opexReal, f.opexNominal, f.capexPerBoe, f.capexPerBoeNominal, f.opexPerBoe, f.opexPerBoeNominal})
        row.push_back(SqlOpt(x));
    inserts_->field.Row(row);

    for (size_t s : f.sectors) inserts_->sector.Row({f.code, ref_.sectors[s].code});
    for (size_t b : f.blocks) inserts_->block.Row({f.code, blocks_[b].code});
    for (size_t k = 0; k < f.ages.size(); ++k) {
        const RefAge* a = ref_.Age(f.ages[k]);
        const double depth = Round(f.reservoirDepth + 150.0 * static_cast<double>(k) + rnd_.Range(0, 120), 0);
        inserts_->reservoir.Row({f.code, f.name + " " + a->formationName, int64_t{k == 0 ? 1 : 0}, a->ageCode,
                                 a->eraCode, a->periodCode, a->formationCode, depth});
    }
    for (const Share& s : f.shares)
        inserts_->interest.Row({f.code, s.company, s.basisPoints / 100.0, int64_t{s.op ? 1 : 0}});

    inserts_->annualField.Row(
        {f.code, f.name, sector.country, sector.countryName, sector.name, op.name, f.devStatus});
    for (const AnnualFigures& a : f.annual) {
        if (a.year < ref_.firstAnnualYear || a.year > ref_.lastAnnualYear) continue;
        auto nominal = [&](double real) { return SampleProfile::Nominal(real, a.year, ref_.dataYear); };
        const double money[] = {
            a.Capex(),     nominal(a.Capex()),     a.opex,           nominal(a.opex),
            a.abandonment, nominal(a.abandonment), a.devDrilling,    nominal(a.devDrilling),
            a.otherCapex,  nominal(a.otherCapex),  a.transportCapex, nominal(a.transportCapex)};
        const double volume[] = {a.oil, a.cond, a.lpg, a.Liquid(), a.gas, a.Total()};
        std::vector<SqlValue> gross = {f.code, int64_t{a.year}};
        for (double v : volume) gross.emplace_back(Round(v, 3));
        for (double v : money) gross.emplace_back(Round(v, 3));
        inserts_->gross.Row(gross);
        for (const Share& s : f.shares) {
            const double part = s.basisPoints / 10000.0;
            std::vector<SqlValue> net = {f.code, s.company, int64_t{a.year}, s.basisPoints / 100.0};
            for (double v : volume) net.emplace_back(Round(v * part, 3));
            for (double v : money) net.emplace_back(Round(v * part, 3));
            inserts_->net.Row(net);
            ++counts_.annualRows;
        }
        ++counts_.annualRows;
    }
    f.annual.clear();
    f.annual.shrink_to_fit();
    ++counts_.fields;

    index_.push_back({sector.country, "QZF" + IntTextPadded(f.code, 7), f.name, f.mnemonic,
                      f.grouping ? "Field Grouping" : "Field", ShoreChar(f.offshore)[0]});
}

// Wells -------------------------------------------------------------------------------------------

namespace {
double SerialOf(const std::string& iso) {
    return DateSerial(static_cast<int>(Val(iso.substr(0, 4))), static_cast<int>(Val(iso.substr(5, 2))),
                      static_cast<int>(Val(iso.substr(8, 2))));
}

std::string WellInsert() {
    std::string names =
        "Well_Code, Well_Reference, Field_Code, Field_Name, Block_Code, Block_Reference, Country_Code, "
        "Country_Name, Sector_Code, Sector_Name, OFFSHORE_CODE, WELL_TYPE_CODE, WELL_STATUS_CODE, "
        "WELL_RESULT_CODE, DISCOVERY_TYPE_CODE, SPUD_DATE, COMPLETED_DATE, MEASURED_DEPTH, "
        "TRUE_VERTICAL_DEPTH, WATER_DEPTH";
    int count = 20;
    for (const char* level : {"PRIMARY", "SECONDARY", "TDFORMATION"})
        for (const char* part :
             {"_ERA", "_PERIOD", "_FORMATION", "_ERA_CODE", "_PERIOD_CODE", "_FORMATION_CODE", "_AGE_CODE"}) {
            names += std::string(", ") + level + part;
            ++count;
        }
    names +=
        ", WELL_CLASS_TESTED, WELL_CLASS_RE_ENTRY, WELL_CLASS_SIDE_TRACK, LICENCE_AWARD_DESC, LICENCE_ROUND, "
        "LICENCE_ROUND_YEAR, RIG_CODE, RIG_TYPE_CODE, Operator_Code, Operator_Name";
    count += 10;
    std::string marks;
    for (int i = 0; i < count; ++i) marks += i ? ", ?" : "?";
    return "INSERT INTO Well (" + names + ") VALUES (" + marks + ")";
}

}  // namespace

void SampleWorld::MakeWells() {
    SampleDatabase::Insert ins(core_, WellInsert());
    int64_t code = 1;
    const int dataYear = ref_.dataYear;

    struct Spec {
        const Field* field = nullptr;
        size_t block = 0;
        std::string type, status, result, discovery, spud, completed, rigType;
        double tvd = 0, md = 0;
        std::optional<double> waterDepth;
        int64_t primary = 0;
        std::optional<int64_t> secondary;
        bool tested = false, reentry = false, sidetrack = false;
    };

    auto rigOf = [&](const std::string& type) {
        std::vector<const RefRig*> fit;
        for (const RefRig& r : ref_.rigs)
            if (r.type == type) fit.push_back(&r);
        if (fit.empty())
            for (const RefRig& r : ref_.rigs) fit.push_back(&r);
        return fit[rnd_.Index(fit.size())];
    };
    auto write = [&](Spec& w) {
        Block& b = blocks_[w.block];
        const RefSector& sector = ref_.sectors[b.sector];
        const bool dev = w.type == "DEV" || w.type == "INJ";
        std::string reference;
        if (dev) {
            ++b.devWellCount;
            reference = b.reference +
                        (sector.offshore == "ONSHORE" ? "-D"
                         : sector.country == "NO"     ? "-A-"
                                                      : "-A") +
                        IntText(b.devWellCount);
        } else {
            ++b.wellCount;
            reference = b.reference + "-" + IntText(b.wellCount);
        }
        if (w.sidetrack) reference += sector.country == "NO" ? " T2" : "Z";
        reference = names_.Unique(reference);
        const RefRig* rig = rigOf(w.rigType);
        const Company& op = Operator(b.shares);
        std::vector<SqlValue> row = {code++,
                                     reference,
                                     w.field ? SqlValue(w.field->code) : SqlNull(),
                                     w.field ? SqlValue(w.field->name) : SqlNull(),
                                     b.code,
                                     b.reference,
                                     sector.country,
                                     sector.countryName,
                                     sector.code,
                                     sector.name,
                                     w.field ? w.field->offshore : sector.offshore,
                                     w.type,
                                     w.status,
                                     SqlText(w.result),
                                     SqlText(w.discovery),
                                     w.spud,
                                     w.completed,
                                     Round(w.md, 0),
                                     Round(w.tvd, 0),
                                     SqlOpt(Round(w.waterDepth, 0))};
        const RefAge* levels[3] = {ref_.Age(w.primary), w.secondary ? ref_.Age(*w.secondary) : nullptr,
                                   OlderAge(w.primary)};
        for (const RefAge* a : levels) {
            if (!a) {
                for (int k = 0; k < 7; ++k) row.push_back(SqlNull());
                continue;
            }
            for (const std::string* t : {&a->eraName, &a->periodName, &a->formationName, &a->eraCode,
                                         &a->periodCode, &a->formationCode})
                row.push_back(*t);
            row.push_back(a->ageCode);
        }
        row.push_back(w.tested ? SqlValue(std::string("Tested")) : SqlNull());
        row.push_back(w.reentry ? SqlValue(std::string("Re-entry")) : SqlNull());
        row.push_back(w.sidetrack ? SqlValue(std::string("Sidetrack")) : SqlNull());
        row.push_back(b.awardDesc);
        row.push_back(int64_t{b.round});
        row.push_back(int64_t{b.roundYear});
        row.push_back(rig->code);
        row.push_back(rig->type);
        row.push_back(op.code);
        row.push_back(op.name);
        ins.Row(row);
        ++counts_.wells;
    };
    auto dates = [&](Spec& w, int year) {
        w.spud = RandomDate(year);
        const double done = SerialOf(w.spud) + rnd_.Range(20, 150);
        w.completed = std::min(DateText(done), IsoDate(dataYear, 12, 31));
    };
    auto rigFor = [&](const Field* f, const std::optional<double>& depth, bool dev) -> std::string {
        if (f && f->offshore != "OFFSHORE") return "LAND";
        if (!f && !depth) return "LAND";
        if (dev && f && (f->devType == "PLATFORM" || f->devType == "GBS")) return "PLATFORM";
        const double wd = depth.value_or(100);
        return wd < 120 ? "JACKUP" : wd > 1000 ? "DRILLSHIP" : "SEMISUB";
    };

    for (const Field& f : fields_) {
        if (f.grouping || f.blocks.empty()) continue;
        auto base = [&](const std::string& type) {
            Spec w;
            w.field = &f;
            w.block = f.blocks[rnd_.Index(f.blocks.size())];
            w.type = type;
            w.primary = f.ages.front();
            if (f.ages.size() > 1) w.secondary = f.ages[1];
            if (f.waterDepth) w.waterDepth = *f.waterDepth + rnd_.Range(-5, 5);
            w.tvd = f.reservoirDepth + rnd_.Range(30, 300);
            return w;
        };
        // The discovery well, then appraisal, then development drilling.
        Spec d = base("EXPL");
        d.completed = f.discoveryDate;
        d.spud = DateText(SerialOf(f.discoveryDate) - rnd_.Range(30, 120));
        d.md = d.tvd * rnd_.Range(1.0, 1.1);
        d.result = f.fieldType;
        d.discovery = f.firstYear ? "COMM" : "TECH";
        d.status = rnd_.Chance(0.2) ? "SUSP" : "PA";
        d.tested = rnd_.Chance(0.5);
        d.rigType = rigFor(&f, f.waterDepth, false);
        write(d);
        const int appraisals =
            static_cast<int>(std::min<int64_t>(4, rnd_.Int(0, 1 + static_cast<int64_t>(f.reserves / 20))));
        for (int k = 0; k < appraisals; ++k) {
            const int year = f.discoveryYear + static_cast<int>(rnd_.Int(1, 4));
            if (year > dataYear) continue;
            Spec a = base("APPR");
            dates(a, year);
            a.md = a.tvd * rnd_.Range(1.0, 1.3);
            a.result = rnd_.Chance(0.8) ? f.fieldType : rnd_.Chance(0.5) ? "SHOWS" : "DRY";
            a.status = year == dataYear && rnd_.Chance(0.3) ? "DRILLING" : rnd_.Chance(0.2) ? "SUSP" : "PA";
            a.tested = a.result != "DRY" && rnd_.Chance(0.4);
            a.sidetrack = rnd_.Chance(0.05);
            a.reentry = rnd_.Chance(0.04);
            a.rigType = rigFor(&f, f.waterDepth, false);
            write(a);
        }
        if (!f.firstYear || *f.firstYear - 2 > dataYear) continue;
        const int count = static_cast<int>(
            std::clamp<double>(std::round((4 + f.reserves / 6) * rnd_.Range(0.6, 1.4)), 2, 60));
        const int from = *f.firstYear - 2;
        const int to =
            std::max(from, std::min(dataYear, std::min(f.lastYear.value_or(dataYear), *f.firstYear + 12)));
        for (int k = 0; k < count; ++k) {
            const int year = static_cast<int>(rnd_.Int(from, to));
            Spec w = base(rnd_.Chance(0.2) ? "INJ" : "DEV");
            dates(w, year);
            w.md = w.tvd * rnd_.Range(1.2, 2.4);
            w.result = w.type == "INJ" ? "NA" : f.fieldType;
            if (f.devStatus == "ONSTREAM")
                w.status = year == dataYear && rnd_.Chance(0.4) ? "DRILLING"
                           : rnd_.Chance(0.1)                   ? "SUSP"
                           : w.type == "INJ"                    ? "INJECT"
                                                                : "PROD";
            else if (f.devStatus == "UNDERDEV")
                w.status = year == dataYear ? "DRILLING" : "SUSP";
            else
                w.status = "PA";
            w.sidetrack = rnd_.Chance(0.12);
            w.reentry = rnd_.Chance(0.04);
            w.rigType = rigFor(&f, f.waterDepth, true);
            write(w);
        }
    }

    // Exploration wells that found nothing worth a field.
    const size_t dry = static_cast<size_t>(fieldCount_) * 6 / 5;
    for (size_t k = 0; k < dry; ++k) {
        const size_t si = PickSector();
        if (sectorBlocks_[si].empty()) continue;
        const SectorProfile& prof = ProfileOf(ref_.sectors[si].code);
        Spec w;
        w.block = sectorBlocks_[si][rnd_.Index(sectorBlocks_[si].size())];
        const Block& b = blocks_[w.block];
        w.type = "EXPL";
        const int year = static_cast<int>(rnd_.Int(prof.firstDiscovery - 2, dataYear));
        dates(w, year);
        std::vector<int64_t> plays;
        for (int64_t a : prof.formations)
            if (ref_.Age(a)) plays.push_back(a);
        w.primary = plays.empty() ? ref_.ages.front().ageCode : plays[rnd_.Index(plays.size())];
        if (plays.size() > 1 && rnd_.Chance(0.3)) {
            const int64_t other = plays[rnd_.Index(plays.size())];
            if (other != w.primary) w.secondary = other;
        }
        if (b.waterDepthMin && b.waterDepthMax) w.waterDepth = rnd_.Range(*b.waterDepthMin, *b.waterDepthMax);
        w.tvd = rnd_.Range(prof.reservoirMin, prof.reservoirMax + 600);
        w.md = w.tvd * rnd_.Range(1.0, 1.15);
        w.result = rnd_.Chance(0.75) ? "DRY" : "SHOWS";
        w.status = year == dataYear && rnd_.Chance(0.3) ? "DRILLING" : "PA";
        w.tested = w.result == "SHOWS" && rnd_.Chance(0.2);
        w.sidetrack = rnd_.Chance(0.05);
        w.rigType = rigFor(nullptr, w.waterDepth, false);
        write(w);
    }
}

// Transport ---------------------------------------------------------------------------------------

namespace {
// "Tees Bay Oil Terminal" -> "Tees Bay": the place a terminal is named after.
std::string PlaceOf(const std::string& terminal) {
    static const std::set<std::string> stop = {"Oil", "Gas", "LNG", "Terminal", "Processing", "Plant"};
    std::string place;
    for (const std::string& word : Split(terminal, " ")) {
        if (stop.count(word)) break;
        place += (place.empty() ? "" : " ") + word;
    }
    return place.empty() ? terminal : place;
}

std::string StatusOf(const std::string& devStatus, SampleRandom& rnd) {
    if (devStatus == "UNDERDEV") return "UNDERCON";
    if (devStatus == "PROBABLE") return "PLANNED";
    if (devStatus == "ABANDON") return "DECOMM";
    if (devStatus == "CEASED") return rnd.Chance(0.6) ? "OPER" : "DECOMM";
    return "OPER";
}
}  // namespace

void SampleWorld::MakeTransport() {
    std::set<std::string> countries;
    for (const RefSector& s : ref_.sectors) countries.insert(s.country);
    int64_t code = 1;
    std::map<std::string, int64_t> complexes;
    for (const FixedTerminal& t : FixedTerminals()) {
        if (!countries.count(t.country)) continue;
        std::optional<int64_t> groupingCode;
        if (*t.grouping) {
            auto it = complexes.find(t.grouping);
            if (it == complexes.end()) {
                Terminal g;
                g.code = code++;
                g.name = t.grouping;
                g.country = t.country;
                g.grouping = true;
                terminals_.push_back(g);
                it = complexes.emplace(t.grouping, g.code).first;
            }
            groupingCode = it->second;
        }
        Terminal m;
        m.code = code++;
        m.name = t.name;
        m.country = t.country;
        m.groupingCode = groupingCode;
        if (groupingCode) m.groupingName = t.grouping;
        m.oil = t.oil;
        m.gas = t.gas;
        terminals_.push_back(m);
    }

    // Where a country's pipelines land: its own terminals, else the British ones.
    auto landing = [&](const std::string& country, bool oil) -> const Terminal* {
        for (const std::string& c : {country, std::string("GB")}) {
            std::vector<const Terminal*> fit, any;
            for (const Terminal& t : terminals_) {
                if (t.grouping || t.country != c) continue;
                any.push_back(&t);
                if (oil ? t.oil : t.gas) fit.push_back(&t);
            }
            if (!fit.empty()) return fit[rnd_.Index(fit.size())];
            if (!any.empty()) return any[rnd_.Index(any.size())];
        }
        return nullptr;
    };
    auto link = [&](Transport& t, const Field& from, const Terminal* to) {
        const RefSector& sector = ref_.sectors[from.sector];
        t.startCode = from.code;
        t.startType = "Field";
        t.startName = from.name;
        t.countries = {sector.country};
        if (to) {
            t.destCode = to->code;
            t.destType = "Terminal";
            t.destName = to->name;
            if (to->country != sector.country) t.countries.push_back(to->country);
        }
        t.status = StatusOf(from.devStatus, rnd_);
        t.started = from.startDate;
        t.shares = rnd_.Chance(0.7) ? from.shares : Participants(sector.country);
        t.users = {from.code};
    };

    std::vector<const Field*> hubs;
    for (const Field& f : fields_)
        if (!f.grouping && f.firstYear && f.offshore == "OFFSHORE" && f.devType != "FPSO") hubs.push_back(&f);
    std::stable_sort(hubs.begin(), hubs.end(),
                     [](const Field* a, const Field* b) { return a->reserves > b->reserves; });
    const size_t pipelines = std::min(hubs.size(), static_cast<size_t>(std::max(1, fieldCount_ / 6)));
    int64_t transportCode = 1;
    for (size_t i = 0; i < pipelines; ++i) {
        const Field& hub = *hubs[i];
        const RefSector& sector = ref_.sectors[hub.sector];
        Transport t;
        t.code = transportCode++;
        t.method = "PIPE";
        const bool oil = hub.fieldType == "OIL" || hub.fieldType == "OILGAS";
        t.energy = oil ? "OIL" : hub.fieldType == "GASCOND" ? "COND" : "GAS";
        t.name = names_.Unique(hub.name + (oil                  ? " Oil Pipeline"
                                           : t.energy == "COND" ? " Condensate Pipeline"
                                                                : " Gas Pipeline"));
        t.mnemonic = names_.Mnemonic(t.name);
        const bool abroad = sector.country == "NO" && !oil && rnd_.Chance(0.15);
        link(t, hub, landing(abroad ? "GB" : sector.country, oil));
        t.offshore = t.destCode ? "BOTH" : "OFFSHORE";
        t.length = Round(rnd_.Range(20, 260) + (t.countries.size() > 1 ? 250 : 0), 1);
        const double liquid = hub.peak[kLiquid].value_or(0), gas = hub.peak[kGas].value_or(0);
        double size;
        if (oil) {
            t.oilCapacity = Round(std::max(50.0, liquid * rnd_.Range(1.2, 2.5)), 0);
            size = *t.oilCapacity / 25;
        } else {
            t.gasCapacity = Round(std::max(100.0, gas * rnd_.Range(1.2, 2.5)), 0);
            size = *t.gasCapacity / 60;
            if (t.energy == "COND") {
                t.condCapacity = Round(std::max(20.0, liquid * rnd_.Range(1.2, 2.0)), 0);
                t.lpgCapacity = Round(*t.condCapacity * rnd_.Range(0.1, 0.3), 0);
            }
        }
        static const double diameters[] = {8, 10, 12, 16, 20, 24, 30, 32, 36, 42, 44};
        t.diameter = diameters[10];
        for (double d : diameters)
            if (d >= size) {
                t.diameter = d;
                break;
            }
        // Fields nearby ship through the hub's line as well.
        const int64_t others = rnd_.Int(0, 5);
        for (int64_t k = 0; k < others; ++k) {
            const Field& f = fields_[rnd_.Index(fields_.size())];
            if (f.grouping || !f.firstYear || f.sector != hub.sector) continue;
            if (std::find(t.users.begin(), t.users.end(), f.code) == t.users.end()) t.users.push_back(f.code);
        }
        transport_.push_back(t);
    }
    // Floating production ships its oil by shuttle tanker.
    for (const Field& f : fields_) {
        if (f.grouping || !f.firstYear || f.devType != "FPSO") continue;
        Transport t;
        t.code = transportCode++;
        t.method = "TANKER";
        t.energy = f.fieldType == "GAS" || f.fieldType == "GASCOND" ? "COND" : "OIL";
        t.name = names_.Unique(f.name + " Shuttle Tankers");
        t.mnemonic = names_.Mnemonic(t.name);
        link(t, f, landing(ref_.sectors[f.sector].country, true));
        t.offshore = "OFFSHORE";
        t.storage = Round(rnd_.Range(400, 1100), 0);
        transport_.push_back(t);
    }
    // Pipelines landing at one terminal are often run as one system.
    std::map<int64_t, std::vector<size_t>> byTerminal;
    for (size_t i = 0; i < transport_.size(); ++i)
        if (transport_[i].method == "PIPE" && transport_[i].destCode)
            byTerminal[*transport_[i].destCode].push_back(i);
    for (auto& [terminal, lines] : byTerminal) {
        if (lines.size() < 2 || !rnd_.Chance(0.6)) continue;
        const Terminal* at = nullptr;
        for (const Terminal& tt : terminals_)
            if (tt.code == terminal) at = &tt;
        const size_t size = std::min(lines.size(), static_cast<size_t>(rnd_.Int(2, 4)));
        Transport g;
        g.code = transportCode++;
        g.grouping = true;
        g.name = names_.Unique(PlaceOf(at ? at->name : "Export") + " Pipeline System");
        g.mnemonic = names_.Mnemonic(g.name);
        const Transport& first = transport_[lines.front()];
        g.method = "PIPE";
        g.energy = first.energy;
        g.status = first.status;
        g.offshore = "BOTH";
        g.destCode = first.destCode;
        g.destType = first.destType;
        g.destName = first.destName;
        g.shares = first.shares;
        for (size_t k = 0; k < size; ++k) {
            Transport& m = transport_[lines[k]];
            m.groupingCode = g.code;
            m.groupingName = g.name;
            for (const std::string& c : m.countries)
                if (std::find(g.countries.begin(), g.countries.end(), c) == g.countries.end())
                    g.countries.push_back(c);
            if (!m.started.empty() && (g.started.empty() || m.started < g.started)) g.started = m.started;
        }
        transport_.push_back(g);
    }
}

void SampleWorld::WriteTransport() {
    SampleDatabase::Insert terminal(
        core_,
        "INSERT INTO Terminal (TERMINAL_CODE, TERMINAL_NAME, TERMINAL_GROUPING, "
        "TERMINAL_GROUPING_CODE, TERMINAL_GROUPING_NAME, Country_Code, OFFSHORE_CODE) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const Terminal& t : terminals_)
        terminal.Row({t.code, t.name, int64_t{t.grouping ? 1 : 0}, SqlOpt(t.groupingCode),
                      SqlText(t.groupingName), t.country, std::string("ONSHORE")});

    SampleDatabase::Insert ins(
        core_,
        "INSERT INTO Transport (Transport_Code, Transport_System, EVMnemonic, TRANSPORT_GROUPING, "
        "TRANSPORT_GROUPING_CODE, Transport_Grouping_System_Name, TRANSPORT_METHOD_CODE, ENERGY_TYPE_CODE, "
        "TRANSPORT_STATUS_CODE, OFFSHORE_CODE, START_CODE, START_TYPE, START_NAME, DEST_CODE, DEST_TYPE, "
        "DEST_NAME, "
        "PRODUCTION_STARTED, Pipe_Length, Pipeline_Diameter, Pipeline_Diameter_Actual, Oil_Nominal_Capacity, "
        "LPG_Nominal_Capacity, Cond_Nominal_Capacity, Gas_Nominal_Capacity, Storage_Capacity, Operator_Code, "
        "Operator_Name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?)");
    SampleDatabase::Insert country(
        core_, "INSERT INTO TransportCountry (Transport_Code, Country_Code) VALUES (?, ?)");
    SampleDatabase::Insert user(core_,
                                "INSERT INTO TransportUserField (Transport_Code, Field_Code) VALUES (?, ?)");
    SampleDatabase::Insert interest(core_,
                                    "INSERT INTO TransportInterest (Transport_Code, Company_Code, "
                                    "Interest_Perc, Ownership_Status) VALUES (?, ?, ?, ?)");
    for (const Transport& t : transport_) {
        const Company& op = Operator(t.shares);
        ins.Row({t.code,
                 t.name,
                 t.mnemonic,
                 int64_t{t.grouping ? 1 : 0},
                 SqlOpt(t.groupingCode),
                 SqlText(t.groupingName),
                 t.method,
                 t.energy,
                 t.status,
                 t.offshore,
                 SqlOpt(t.startCode),
                 SqlText(t.startType),
                 SqlText(t.startName),
                 SqlOpt(t.destCode),
                 SqlText(t.destType),
                 SqlText(t.destName),
                 SqlText(t.started),
                 SqlOpt(t.length),
                 t.diameter ? SqlValue(IntText(static_cast<int64_t>(*t.diameter)) + "\"") : SqlNull(),
                 SqlOpt(t.diameter),
                 SqlOpt(t.oilCapacity),
                 SqlOpt(t.lpgCapacity),
                 SqlOpt(t.condCapacity),
                 SqlOpt(t.gasCapacity),
                 SqlOpt(t.storage),
                 op.code,
                 op.name});
        for (const std::string& c : t.countries) {
            country.Row({t.code, c});
            index_.push_back({c, "QZT" + IntTextPadded(t.code, 7), t.name, t.mnemonic,
                              t.grouping             ? "Pipeline System"
                              : t.method == "TANKER" ? "Tanker System"
                                                     : "Pipeline",
                              ShoreChar(t.offshore)[0]});
        }
        for (int64_t f : t.users) user.Row({t.code, f});
        for (const Share& s : t.shares)
            interest.Row({t.code, s.company, s.basisPoints / 100.0, int64_t{s.op ? 1 : 0}});
    }
    counts_.transport = transport_.size();
}
