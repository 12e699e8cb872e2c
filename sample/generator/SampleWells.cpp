#include "SampleWells.h"

#include <algorithm>
#include <cmath>

#include "SampleGeography.h"
#include "SampleText.h"

namespace {
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
// The seven columns of one geological level of a well, Null when it has none.
std::vector<SqlValue> AgeColumns(const RefAge* a) {
    if (!a) return std::vector<SqlValue>(7, SqlNull());
    return {a->eraName,    a->periodName,    a->formationName, a->eraCode,
            a->periodCode, a->formationCode, a->ageCode};
}
}  // namespace

void SampleWells::Make() {
    SampleDatabase::Insert ins(ctx_.core, WellInsert());
    int64_t code = 1;
    const int dataYear = ctx_.ref.dataYear;

    struct Spec {
        const SampleField* field = nullptr;
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
        for (const RefRig& r : ctx_.ref.rigs)
            if (r.type == type) fit.push_back(&r);
        if (fit.empty())
            for (const RefRig& r : ctx_.ref.rigs) fit.push_back(&r);
        return fit[ctx_.rnd.Index(fit.size())];
    };
    auto write = [&](Spec& w) {
        SampleBlock& b = ctx_.blocks[w.block];
        const RefSector& sector = ctx_.ref.sectors[b.sector];
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
        reference = ctx_.names.Unique(reference);
        const RefRig* rig = rigOf(w.rigType);
        const SampleCompany& op = companies_.Operator(b.shares);
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
                                     SqlOptText(w.result),
                                     SqlOptText(w.discovery),
                                     w.spud,
                                     w.completed,
                                     Round(w.md, 0),
                                     Round(w.tvd, 0),
                                     SqlOpt(Round(w.waterDepth, 0))};
        const RefAge* levels[3] = {ctx_.ref.Age(w.primary),
                                   w.secondary ? ctx_.ref.Age(*w.secondary) : nullptr,
                                   ctx_.OlderAge(w.primary)};
        for (const RefAge* a : levels) {
            const std::vector<SqlValue> columns = AgeColumns(a);
            row.insert(row.end(), columns.begin(), columns.end());
        }
        row.insert(row.end(),
                   {w.tested ? SqlValue(std::string("Tested")) : SqlNull(),
                    w.reentry ? SqlValue(std::string("Re-entry")) : SqlNull(),
                    w.sidetrack ? SqlValue(std::string("Sidetrack")) : SqlNull(), b.awardDesc,
                    int64_t{b.round}, int64_t{b.roundYear}, rig->code, rig->type, op.code, op.name});
        ins.Row(row);
        ++ctx_.counts.wells;
    };
    auto dates = [&](Spec& w, int year) {
        w.spud = ctx_.RandomDate(year);
        const double done = SerialOf(w.spud) + ctx_.rnd.Range(20, 150);
        w.completed = std::min(DateText(done), IsoDate(dataYear, 12, 31));
    };
    auto rigFor = [&](const SampleField* f, const std::optional<double>& depth, bool dev) -> std::string {
        if (f && f->offshore != "OFFSHORE") return "LAND";
        if (!f && !depth) return "LAND";
        if (dev && f && (f->devType == "PLATFORM" || f->devType == "GBS")) return "PLATFORM";
        const double wd = depth.value_or(100);
        return wd < 120 ? "JACKUP" : wd > 1000 ? "DRILLSHIP" : "SEMISUB";
    };

    for (const SampleField& f : ctx_.fields) {
        if (f.grouping || f.blocks.empty()) continue;
        auto base = [&](const std::string& type) {
            Spec w;
            w.field = &f;
            w.block = f.blocks[ctx_.rnd.Index(f.blocks.size())];
            w.type = type;
            w.primary = f.ages.front();
            if (f.ages.size() > 1) w.secondary = f.ages[1];
            if (f.waterDepth) w.waterDepth = *f.waterDepth + ctx_.rnd.Range(-5, 5);
            w.tvd = f.reservoirDepth + ctx_.rnd.Range(30, 300);
            return w;
        };
        // The discovery well, then appraisal, then development drilling.
        Spec d = base("EXPL");
        d.completed = f.discoveryDate;
        d.spud = DateText(SerialOf(f.discoveryDate) - ctx_.rnd.Range(30, 120));
        d.md = d.tvd * ctx_.rnd.Range(1.0, 1.1);
        d.result = f.fieldType;
        d.discovery = f.firstYear ? "COMM" : "TECH";
        d.status = ctx_.rnd.Chance(0.2) ? "SUSP" : "PA";
        d.tested = ctx_.rnd.Chance(0.5);
        d.rigType = rigFor(&f, f.waterDepth, false);
        write(d);
        const int appraisals = static_cast<int>(
            std::min<int64_t>(4, ctx_.rnd.Int(0, 1 + static_cast<int64_t>(f.reserves / 20))));
        for (int k = 0; k < appraisals; ++k) {
            const int year = f.discoveryYear + static_cast<int>(ctx_.rnd.Int(1, 4));
            if (year > dataYear) continue;
            Spec a = base("APPR");
            dates(a, year);
            a.md = a.tvd * ctx_.rnd.Range(1.0, 1.3);
            a.result = ctx_.rnd.Chance(0.8) ? f.fieldType : ctx_.rnd.Chance(0.5) ? "SHOWS" : "DRY";
            a.status = year == dataYear && ctx_.rnd.Chance(0.3) ? "DRILLING"
                       : ctx_.rnd.Chance(0.2)                   ? "SUSP"
                                                                : "PA";
            a.tested = a.result != "DRY" && ctx_.rnd.Chance(0.4);
            a.sidetrack = ctx_.rnd.Chance(0.05);
            a.reentry = ctx_.rnd.Chance(0.04);
            a.rigType = rigFor(&f, f.waterDepth, false);
            write(a);
        }
        if (!f.firstYear || *f.firstYear - 2 > dataYear) continue;
        const int count = static_cast<int>(
            std::clamp<double>(std::round((4 + f.reserves / 6) * ctx_.rnd.Range(0.6, 1.4)), 2, 60));
        const int from = *f.firstYear - 2;
        const int to =
            std::max(from, std::min(dataYear, std::min(f.lastYear.value_or(dataYear), *f.firstYear + 12)));
        for (int k = 0; k < count; ++k) {
            const int year = static_cast<int>(ctx_.rnd.Int(from, to));
            Spec w = base(ctx_.rnd.Chance(0.2) ? "INJ" : "DEV");
            dates(w, year);
            w.md = w.tvd * ctx_.rnd.Range(1.2, 2.4);
            w.result = w.type == "INJ" ? "NA" : f.fieldType;
            if (f.devStatus == "ONSTREAM")
                w.status = year == dataYear && ctx_.rnd.Chance(0.4) ? "DRILLING"
                           : ctx_.rnd.Chance(0.1)                   ? "SUSP"
                           : w.type == "INJ"                        ? "INJECT"
                                                                    : "PROD";
            else if (f.devStatus == "UNDERDEV")
                w.status = year == dataYear ? "DRILLING" : "SUSP";
            else
                w.status = "PA";
            w.sidetrack = ctx_.rnd.Chance(0.12);
            w.reentry = ctx_.rnd.Chance(0.04);
            w.rigType = rigFor(&f, f.waterDepth, true);
            write(w);
        }
    }

    // Exploration wells that found nothing worth a field.
    const size_t dry = static_cast<size_t>(ctx_.fieldCount) * 6 / 5;
    for (size_t k = 0; k < dry; ++k) {
        const size_t si = PickSector(ctx_);
        if (ctx_.sectorBlocks[si].empty()) continue;
        const SectorProfile& prof = ProfileOf(ctx_.ref.sectors[si].code);
        Spec w;
        w.block = ctx_.sectorBlocks[si][ctx_.rnd.Index(ctx_.sectorBlocks[si].size())];
        const SampleBlock& b = ctx_.blocks[w.block];
        w.type = "EXPL";
        const int year = static_cast<int>(ctx_.rnd.Int(prof.firstDiscovery - 2, dataYear));
        dates(w, year);
        std::vector<int64_t> plays;
        for (int64_t a : prof.formations)
            if (ctx_.ref.Age(a)) plays.push_back(a);
        w.primary = plays.empty() ? ctx_.ref.ages.front().ageCode : plays[ctx_.rnd.Index(plays.size())];
        if (plays.size() > 1 && ctx_.rnd.Chance(0.3)) {
            const int64_t other = plays[ctx_.rnd.Index(plays.size())];
            if (other != w.primary) w.secondary = other;
        }
        if (b.waterDepthMin && b.waterDepthMax)
            w.waterDepth = ctx_.rnd.Range(*b.waterDepthMin, *b.waterDepthMax);
        w.tvd = ctx_.rnd.Range(prof.reservoirMin, prof.reservoirMax + 600);
        w.md = w.tvd * ctx_.rnd.Range(1.0, 1.15);
        w.result = ctx_.rnd.Chance(0.75) ? "DRY" : "SHOWS";
        w.status = year == dataYear && ctx_.rnd.Chance(0.3) ? "DRILLING" : "PA";
        w.tested = w.result == "SHOWS" && ctx_.rnd.Chance(0.2);
        w.sidetrack = ctx_.rnd.Chance(0.05);
        w.rigType = rigFor(nullptr, w.waterDepth, false);
        write(w);
    }
}
