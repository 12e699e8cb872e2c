#include "SampleFields.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "SampleGeography.h"
#include "SampleText.h"

struct SampleFields::Inserts {
    explicit Inserts(SampleDatabase& core)
        : field(core, FieldInsert()),
          sector(core, "INSERT INTO FieldSector (Field_Code, Sector_Code) VALUES (?, ?)"),
          block(core, "INSERT INTO FieldBlock (Field_Code, Block_Code) VALUES (?, ?)"),
          reservoir(core,
                    "INSERT INTO FieldReservoir (Field_Code, Reservoir_Name, Is_Primary, AGE_CODE, ERA_CODE, "
                    "PERIOD_CODE, FORMATION_CODE, Reservoir_Depth) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
          interest(core,
                   "INSERT INTO FieldInterest (Field_Code, Company_Code, Interest_Perc, Ownership_Status) "
                   "VALUES (?, ?, ?, ?)") {}

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

    SampleDatabase::Insert field, sector, block, reservoir, interest;
};

SampleFields::SampleFields(SampleContext& ctx, SampleCompanies& companies, SampleAnnual& annual)
    : ctx_(ctx), companies_(companies), annual_(annual), inserts_(std::make_unique<Inserts>(ctx.core)) {}

SampleFields::~SampleFields() = default;

namespace {
void AddTo(std::optional<double>& into, const std::optional<double>& v) {
    if (!v) return;
    into = into.value_or(0) + *v;
}
}  // namespace

SampleField SampleFields::NewField(size_t si) {
    const RefSector& sector = ctx_.ref.sectors[si];
    const SectorProfile& prof = ProfileOf(sector.code);
    const int dataYear = ctx_.ref.dataYear;
    SampleField f;
    f.code = ctx_.nextFieldCode++;
    f.name = ctx_.names.FieldName(sector.country, ctx_.rnd);
    f.mnemonic = ctx_.names.Mnemonic(f.name);
    f.sector = si;
    f.sectors = {si};
    const std::optional<int64_t> across = NeighbourOf(sector.code);
    if (across && ctx_.rnd.Chance(0.04))
        for (size_t k = 0; k < ctx_.ref.sectors.size(); ++k)
            if (ctx_.ref.sectors[k].code == *across) f.sectors.push_back(k);
    f.basin = sector.basins.empty() ? "" : sector.basins[ctx_.rnd.Index(sector.basins.size())];
    const bool onshore = sector.offshore == "ONSHORE";
    f.offshore = onshore && ctx_.rnd.Chance(0.15) ? "BOTH" : sector.offshore;

    // Discoveries crowd into the early decades of a province.
    f.discoveryYear = prof.firstDiscovery +
                      static_cast<int>((dataYear - prof.firstDiscovery) * std::pow(ctx_.rnd.Uniform(), 1.4));
    f.discoveryDate = ctx_.RandomDate(f.discoveryYear);
    f.reserves = Round(std::clamp(onshore ? ctx_.rnd.LogNormal(std::log(4.0), 1.1)
                                          : ctx_.rnd.LogNormal(std::log(25.0), 1.25),
                                  0.2, 3000.0),
                       2);

    ProductShares sh;
    if (ctx_.rnd.Uniform() < prof.gasShare) {
        if (ctx_.rnd.Chance(0.3)) {
            f.fieldType = "GASCOND";
            sh.cond = ctx_.rnd.Range(0.2, 0.35);
            sh.lpg = ctx_.rnd.Range(0.0, 0.04);
        } else {
            f.fieldType = "GAS";
            sh.cond = ctx_.rnd.Range(0.01, 0.08);
        }
    } else if (ctx_.rnd.Chance(0.35)) {
        f.fieldType = "OILGAS";
        sh.oil = ctx_.rnd.Range(0.45, 0.65);
        sh.lpg = ctx_.rnd.Range(0.02, 0.05);
    } else {
        f.fieldType = "OIL";
        sh.oil = ctx_.rnd.Range(0.85, 0.95);
        sh.lpg = ctx_.rnd.Range(0.0, 0.03);
    }
    sh.gas = 1 - sh.oil - sh.cond - sh.lpg;

    // Volumes of each product for a given oil-equivalent total.
    auto split = [&](double total) {
        SampleVolumes v;
        v[kOil] = Round(total * sh.oil, 3);
        v[kCond] = Round(total * sh.cond, 3);
        v[kLpg] = Round(total * sh.lpg, 3);
        v[kLiquid] = Round(total * (sh.oil + sh.cond + sh.lpg), 3);
        v[kGas] = Round(total * sh.gas * SampleProfile::kMscfPerBoe, 3);
        v[kTotal] = Round(total, 3);
        return v;
    };
    auto rates = [&](const AnnualFigures& a) {
        SampleVolumes v;
        v[kOil] = Round(a.oil, 3);
        v[kCond] = Round(a.cond, 3);
        v[kLpg] = Round(a.lpg, 3);
        v[kLiquid] = Round(a.Liquid(), 3);
        v[kGas] = Round(a.gas, 3);
        v[kTotal] = Round(a.Total(), 3);
        return v;
    };

    if (sector.waterDepthMin && sector.waterDepthMax && f.offshore == "OFFSHORE")
        f.waterDepth = Round(ctx_.rnd.Range(*sector.waterDepthMin, *sector.waterDepthMax), 0);
    f.reservoirDepth = Round(ctx_.rnd.Range(prof.reservoirMin, prof.reservoirMax), 0);

    // Developed, or waiting: the larger the find, the likelier it is produced.
    const int age = dataYear - f.discoveryYear;
    const double chance = f.reserves > 10 ? 0.85 : f.reserves > 3 ? 0.6 : 0.35;
    std::optional<int> firstYear;
    if (age >= 2 && ctx_.rnd.Chance(chance)) {
        const int first = f.discoveryYear + static_cast<int>(ctx_.rnd.Int(3, f.reserves > 100 ? 9 : 6));
        if (first <= dataYear + 7) firstYear = first;
    }
    if (firstYear) {
        SampleProfile::Inputs in;
        in.firstYear = *firstYear;
        in.dataYear = dataYear;
        in.reserves = f.reserves;
        in.shares = sh;
        in.unitCapex = (onshore ? 4 : 8) + 15 * std::exp(-f.reserves / 50) +
                       (f.waterDepth.value_or(0) > 300 ? 8 : 0) + ctx_.rnd.Range(-2, 2);
        in.unitOpex = ctx_.rnd.Range(6, 14);
        in.taxRate = prof.taxRate;
        SampleProfile life(in, ctx_.rnd);
        f.firstYear = life.FirstProductionYear();
        f.lastYear = life.LastProductionYear();
        if (*f.firstYear > dataYear)
            f.devStatus = *f.firstYear > dataYear + 3 ? "PROBABLE" : "UNDERDEV";
        else if (*f.lastYear < dataYear)
            f.devStatus = ctx_.rnd.Chance(0.5) ? "ABANDON" : "CEASED";
        else
            f.devStatus = "ONSTREAM";
        if (f.devStatus != "PROBABLE") {
            f.startDate = ctx_.RandomDate(*f.firstYear);
            f.consentDate =
                ctx_.RandomDate(std::min(dataYear, *f.firstYear - static_cast<int>(ctx_.rnd.Int(1, 3))));
        }
        if (f.devStatus == "CEASED" || f.devStatus == "ABANDON") f.ceasedDate = ctx_.RandomDate(*f.lastYear);
        if (f.devStatus == "ABANDON")
            f.abandonedDate =
                ctx_.RandomDate(std::min(dataYear, *f.lastYear + static_cast<int>(ctx_.rnd.Int(1, 3))));

        f.rec = split(f.reserves);
        const double cum[kProducts] = {life.CumOil(), life.CumCond(),
                                       life.CumLpg(), life.CumOil() + life.CumCond() + life.CumLpg(),
                                       life.CumGas(), life.CumTotal()};
        for (int p = 0; p < kProducts; ++p) f.rem[p] = Round(std::max(0.0, *f.rec[p] - cum[p]), 3);
        if (ctx_.rnd.Chance(0.3)) {
            f.techRec = split(f.reserves * ctx_.rnd.Range(0.05, 0.3));
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
            f.devType = ctx_.rnd.Chance(0.5) ? "FPSO" : ctx_.rnd.Chance(0.4) ? "TLP" : "SUBSEA";
        else if (f.reserves < 20)
            f.devType = ctx_.rnd.Chance(0.7) ? "SUBSEA" : "PLATFORM";
        else if (f.reserves > 300)
            f.devType = sector.country == "NO" && ctx_.rnd.Chance(0.4) ? "GBS" : "PLATFORM";
        else
            f.devType = ctx_.rnd.Chance(0.6) ? "PLATFORM" : ctx_.rnd.Chance(0.4) ? "FPSO" : "SUBSEA";
    }

    // Reservoirs: a main one and up to two more from the province's plays.
    std::vector<int64_t> pool = prof.formations;
    const size_t reservoirs = 1 + (ctx_.rnd.Chance(0.4) ? 1 : 0) + (ctx_.rnd.Chance(0.15) ? 1 : 0);
    for (size_t k = 0; k < reservoirs && !pool.empty(); ++k) {
        const size_t pick = ctx_.rnd.Index(pool.size());
        if (ctx_.ref.Age(pool[pick])) f.ages.push_back(pool[pick]);
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    if (f.ages.empty()) f.ages.push_back(ctx_.ref.ages.front().ageCode);
    const RefAge* primary = ctx_.ref.Age(f.ages.front());
    f.reservoirAge = primary->formationName + " (" + primary->periodName + ")";

    const bool oil = f.fieldType == "OIL" || f.fieldType == "OILGAS";
    if (oil) f.api = Round(ctx_.rnd.Range(f.fieldType == "OIL" ? 22 : 30, 45), 1);
    if (f.fieldType == "GASCOND") f.api = Round(ctx_.rnd.Range(45, 62), 1);
    if (sh.gas > 0.05) f.calorific = Round(ctx_.rnd.Range(36, 42.5), 2);
    if (oil) f.sulphur = Round(ctx_.rnd.Range(0.1, 2.5), 2);

    f.shares = companies_.Participants(sector.country);
    const std::vector<size_t>& candidates = ctx_.sectorBlocks[si];
    static const std::vector<double> blockCounts = {0.75, 0.2, 0.05};
    const size_t wanted = std::min(candidates.size(), ctx_.rnd.Weighted(blockCounts) + 1);
    while (f.blocks.size() < wanted) {
        const size_t b = candidates[ctx_.rnd.Index(candidates.size())];
        if (std::find(f.blocks.begin(), f.blocks.end(), b) == f.blocks.end()) f.blocks.push_back(b);
    }
    for (size_t b : f.blocks) ctx_.blocks[b].holdsField = true;
    return f;
}

SampleField SampleFields::Grouping(const std::vector<SampleField*>& members) {
    const SampleField* largest = members.front();
    for (const SampleField* m : members)
        if (m->reserves > largest->reserves) largest = m;
    SampleField g;
    g.code = ctx_.nextFieldCode++;
    g.grouping = true;
    g.name = ctx_.names.GroupingName(largest->name);
    g.mnemonic = ctx_.names.Mnemonic(g.name);
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
    for (const SampleField* m : members)
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
    for (SampleField* m : members) {
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
    for (SampleField* m : members) m->groupingName = g.name;
    return g;
}

void SampleFields::Make(size_t si, size_t underlying, size_t groupings) {
    std::vector<SampleField> made;
    made.reserve(underlying + groupings);
    for (size_t i = 0; i < underlying; ++i) made.push_back(NewField(si));
    // Groupings gather fields of their sector in runs of two to five.
    std::vector<size_t> order(made.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    for (size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[ctx_.rnd.Index(i)]);
    size_t next = 0;
    std::vector<SampleField> groups;
    for (size_t g = 0; g < groupings; ++g) {
        const size_t left = order.size() - next;
        const size_t stillToMake = groupings - g - 1;
        size_t size = static_cast<size_t>(ctx_.rnd.Int(2, 5));
        size = std::min(size, left - std::min(left, 2 * stillToMake));
        if (size < 2) break;
        std::vector<SampleField*> members;
        for (size_t k = 0; k < size; ++k) members.push_back(&made[order[next++]]);
        groups.push_back(Grouping(members));
    }
    for (SampleField& f : made) Write(f);
    for (SampleField& g : groups) Write(g);
    for (SampleField& f : made) ctx_.fields.push_back(std::move(f));
    for (SampleField& g : groups) ctx_.fields.push_back(std::move(g));
}

void SampleFields::Write(SampleField& f) {
    const RefSector& sector = ctx_.ref.sectors[f.sector];
    const SampleCompany& op = companies_.Operator(f.shares);
    const std::vector<SqlValue> head = {f.code,
                                        f.name,
                                        f.mnemonic,
                                        int64_t{f.grouping ? 1 : 0},
                                        SqlOpt(f.groupingCode),
                                        SqlOptText(f.groupingName),
                                        sector.country,
                                        sector.countryName,
                                        sector.code,
                                        sector.name,
                                        SqlOptText(f.basin),
                                        f.offshore,
                                        f.fieldType,
                                        f.devStatus,
                                        SqlOptText(f.devType),
                                        op.code,
                                        op.name,
                                        SqlOptText(f.discoveryDate),
                                        SqlOptText(f.consentDate),
                                        SqlOptText(f.startDate),
                                        SqlOptText(f.ceasedDate),
                                        SqlOptText(f.abandonedDate),
                                        SqlOpt(f.waterDepth),
                                        f.reservoirDepth,
                                        SqlOptText(f.reservoirAge),
                                        SqlOpt(f.api),
                                        SqlOpt(f.calorific),
                                        SqlOpt(f.sulphur)};
    std::vector<SqlValue> row = head;
    for (const SampleVolumes* v : {&f.rec, &f.rem, &f.techRec, &f.techRem, &f.current, &f.peak})
        for (const auto& x : *v) row.push_back(SqlOpt(x));
    row.push_back(SqlOpt(f.peakYear));
    for (const auto& x :
         {f.totalPV, f.remainingPV, f.remainingPVBoe, f.preTaxIRR, f.postTaxIRR, f.postTaxIRRCompany,
          f.totalTake, f.totalTakePerc, f.remainingTake, f.remainingTakePerc, f.capexReal, f.capexNominal,
          f.opexReal, f.opexNominal, f.capexPerBoe, f.capexPerBoeNominal, f.opexPerBoe, f.opexPerBoeNominal})
        row.push_back(SqlOpt(x));
    inserts_->field.Row(row);

    for (size_t s : f.sectors) inserts_->sector.Row({f.code, ctx_.ref.sectors[s].code});
    for (size_t b : f.blocks) inserts_->block.Row({f.code, ctx_.blocks[b].code});
    for (size_t k = 0; k < f.ages.size(); ++k) {
        const RefAge* a = ctx_.ref.Age(f.ages[k]);
        const double depth =
            Round(f.reservoirDepth + 150.0 * static_cast<double>(k) + ctx_.rnd.Range(0, 120), 0);
        inserts_->reservoir.Row({f.code, f.name + " " + a->formationName, int64_t{k == 0 ? 1 : 0}, a->ageCode,
                                 a->eraCode, a->periodCode, a->formationCode, depth});
    }
    for (const SampleShare& s : f.shares)
        inserts_->interest.Row({f.code, s.company, s.basisPoints / 100.0, int64_t{s.op ? 1 : 0}});

    annual_.Write(f, op);
    ++ctx_.counts.fields;

    ctx_.index.push_back({sector.country, "QZF" + IntTextPadded(f.code, 7), f.name, f.mnemonic,
                          f.grouping ? "Field Grouping" : "Field", ShoreChar(f.offshore)[0]});
}
