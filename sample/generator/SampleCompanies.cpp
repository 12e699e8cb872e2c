#include "SampleCompanies.h"

#include <algorithm>
#include <set>

#include "SampleGeography.h"

namespace {
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
}  // namespace

void SampleCompanies::Make() {
    struct Parent {
        std::string name, shortName, home;
        double weight;
    };
    std::vector<Parent> parents;
    for (const NamedCompany& c : NamedCompanies()) parents.push_back({c.name, c.shortName, c.home, c.weight});
    // Larger data sets get more players, so equity does not pile up on a few names.
    const size_t wanted = std::max<size_t>(parents.size(), static_cast<size_t>(ctx_.fieldCount) / 25);
    for (size_t k = 0; parents.size() < wanted; ++k) {
        const std::string stem = ctx_.names.Unique(SampleNames::ExtraCompanyStem(k));
        const RefSector& home = ctx_.ref.sectors[PickSector(ctx_)];
        parents.push_back({stem, stem, home.country, ctx_.rnd.Range(0.3, 1.5)});
    }
    std::vector<std::string> countries;
    for (const RefSector& s : ctx_.ref.sectors)
        if (std::find(countries.begin(), countries.end(), s.country) == countries.end())
            countries.push_back(s.country);

    int64_t code = 101;
    for (const Parent& p : parents) {
        SampleCompany parent{code++, p.name, p.shortName, p.home, 0, p.weight};
        ctx_.companies.push_back(parent);
        for (const std::string& country : countries) {
            const bool home = country == p.home;
            // Large companies reach further afield; at home half of them hold
            // their licences directly.
            const bool active = home || ctx_.rnd.Chance(std::min(0.85, 0.12 + p.weight / 12));
            if (!active || (home && ctx_.rnd.Chance(0.5))) continue;
            auto [name, shortName] = SubsidiaryName(p.name, p.shortName, country);
            ctx_.companies.push_back({code++, name, shortName, country, parent.code, p.weight});
        }
    }
}

std::vector<SampleShare> SampleCompanies::Participants(const std::string& country) {
    // Who can hold equity in the country: a parent's subsidiary there, or the
    // parent itself at home when it holds directly.
    auto found = holders_.find(country);
    if (found == holders_.end()) {
        std::set<int64_t> withSubsidiary;
        for (const SampleCompany& c : ctx_.companies)
            if (c.parent != 0 && c.home == country) withSubsidiary.insert(c.parent);
        std::vector<const SampleCompany*> list;
        for (const SampleCompany& c : ctx_.companies)
            if ((c.parent != 0 && c.home == country) ||
                (c.parent == 0 && c.home == country && !withSubsidiary.count(c.code)))
                list.push_back(&c);
        if (list.empty())
            for (const SampleCompany& c : ctx_.companies)
                if (c.parent == 0) list.push_back(&c);
        found = holders_.emplace(country, std::move(list)).first;
    }
    const std::vector<const SampleCompany*>& active = found->second;

    static const std::vector<double> sizes = {0.10, 0.25, 0.30, 0.25, 0.10};
    const size_t k = std::min(active.size(), ctx_.rnd.Weighted(sizes) + 1);
    std::vector<double> weights;
    for (const SampleCompany* c : active) weights.push_back(c->weight);
    std::vector<SampleShare> shares;
    for (size_t i = 0; i < k; ++i) {
        const size_t pick = ctx_.rnd.Weighted(weights);
        weights[pick] = 0;
        shares.push_back({active[pick]->code, 0, i == 0});
    }
    if (k == 1) {
        shares[0].basisPoints = 10000;
        return shares;
    }
    // The operator holds 20-60%; every partner at least 1%.
    const int32_t op = static_cast<int32_t>(ctx_.rnd.Int(40, 120)) * 50;
    shares[0].basisPoints = op;
    const int32_t partners = static_cast<int32_t>(k - 1);
    const int32_t spare = 10000 - op - 100 * partners;
    std::vector<double> cut;
    double cutSum = 0;
    for (int32_t i = 0; i < partners; ++i) {
        cut.push_back(ctx_.rnd.Range(0.3, 1.7));
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

const SampleCompany& SampleCompanies::Operator(const std::vector<SampleShare>& shares) const {
    // Codes run on from the first company without gaps.
    const int64_t at = shares.empty() ? 0 : shares.front().company - ctx_.companies.front().code;
    return at >= 0 && at < static_cast<int64_t>(ctx_.companies.size())
               ? ctx_.companies[static_cast<size_t>(at)]
               : ctx_.companies.front();
}

void SampleCompanies::Write() {
    SampleDatabase::Insert ins(
        ctx_.core,
        "INSERT INTO Company (Company_Code, Company_Name, Company_Short_Name, Parent_Code, "
        "Country_Code) VALUES (?, ?, ?, ?, ?)");
    for (const SampleCompany& c : ctx_.companies) ins.Row({c.code, c.name, c.shortName, c.parent, c.home});
    ctx_.counts.companies = ctx_.companies.size();
}
