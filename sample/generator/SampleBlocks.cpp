#include "SampleBlocks.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "SampleGeography.h"
#include "SampleText.h"
#include "platform/runtime/Text.h"

void SampleBlocks::Make(const std::vector<size_t>& blocksPerSector) {
    ctx_.sectorBlocks.assign(ctx_.ref.sectors.size(), {});
    int64_t code = 1;
    for (size_t si = 0; si < ctx_.ref.sectors.size(); ++si) {
        const RefSector& sector = ctx_.ref.sectors[si];
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
            for (size_t i = slots.size(); i > 1; --i) std::swap(slots[i - 1], slots[ctx_.rnd.Index(i)]);
        }

        std::vector<size_t> made;
        size_t slot = 0;
        int64_t onshoreNumber = 100 + ctx_.rnd.Int(0, 50);
        while (made.size() < wanted) {
            std::vector<SampleBlock> group;
            if (prof.quadrants.empty()) {
                SampleBlock b;
                onshoreNumber += ctx_.rnd.Int(1, 9);
                b.reference = std::string(prof.licencePrefix) + " " + IntText(onshoreNumber);
                group.push_back(b);
            } else {
                const auto& [quadrant, number] = slots[slot++ % slots.size()];
                const std::string whole = quadrant +
                                          (std::isdigit(static_cast<unsigned char>(quadrant[0])) ? "/" : "") +
                                          IntText(number);
                // Some UK blocks are split into part-blocks, each licensed apart.
                const int parts =
                    prof.subBlocks && ctx_.rnd.Chance(0.3) ? static_cast<int>(ctx_.rnd.Int(2, 3)) : 1;
                for (int p = 0; p < parts && made.size() + group.size() < wanted; ++p) {
                    SampleBlock b;
                    b.quadrant = quadrant;
                    b.block = IntText(number);
                    b.subBlock = parts > 1 ? std::string(1, static_cast<char>('a' + p)) : "";
                    b.reference = whole + b.subBlock;
                    group.push_back(b);
                }
            }
            for (SampleBlock& b : group) {
                b.code = code++;
                b.sector = si;
                b.basin = sector.basins.empty() ? "" : sector.basins[ctx_.rnd.Index(sector.basins.size())];
                const double full = ctx_.rnd.Range(prof.blockAreaMin, prof.blockAreaMax);
                b.area = Round(b.subBlock.empty() ? full : full * ctx_.rnd.Range(0.25, 0.6), 1);
                if (sector.waterDepthMin && sector.waterDepthMax) {
                    const double lo = ctx_.rnd.Range(*sector.waterDepthMin, *sector.waterDepthMax);
                    b.waterDepthMin = Round(lo, 0);
                    b.waterDepthMax = Round(lo + ctx_.rnd.Range(5, 120), 0);
                }
                made.push_back(ctx_.blocks.size());
                ctx_.blocks.push_back(b);
            }
        }

        // Blocks are licensed in groups of one to four, each group in one award.
        int64_t licenceNumber = ctx_.rnd.Int(10, 60);
        for (size_t i = 0; i < made.size();) {
            const size_t size = prof.quadrants.empty() ? 1 : static_cast<size_t>(ctx_.rnd.Int(1, 4));
            const int span = ctx_.ref.dataYear - 1 - (prof.firstDiscovery - 4);
            const int year =
                prof.firstDiscovery - 4 + static_cast<int>(span * std::pow(ctx_.rnd.Uniform(), 0.8));
            const int round = 1 + std::max(0, year - (prof.firstDiscovery - 4)) * 2 / 3;
            licenceNumber += ctx_.rnd.Int(1, 12);
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
            } else if (sector.country == "NO" && year >= 2003 && ctx_.rnd.Chance(0.5)) {
                type = "APA";
                award = "APA " + IntText(year);
            } else if (sector.country == "GB") {
                subType = year >= 2003 && ctx_.rnd.Chance(0.3) ? (ctx_.rnd.Chance(0.5) ? "PROMOTE" : "INNOV")
                                                               : (sector.code == 14 ? "FRONT" : "TRAD");
            } else if (sector.country == "IE" || sector.country == "FO") {
                type = ctx_.rnd.Chance(0.5) ? "EXPL" : "PROD";
                if (type == "PROD") subType = "FRONT";
            } else {
                subType = "TRAD";
            }
            const std::string issue = ctx_.RandomDate(year);
            const double issued = DateSerial(year, static_cast<int>(Val(issue.substr(5, 2))),
                                             static_cast<int>(Val(issue.substr(8, 2))));
            const std::string first = DateText(issued + 365.25 * static_cast<double>(ctx_.rnd.Int(4, 6)));
            const std::string expiry = DateText(issued + 365.25 * static_cast<double>(ctx_.rnd.Int(30, 46)));
            const std::vector<SampleShare> shares = companies_.Participants(sector.country);
            const std::optional<double> bonus = (sector.country != "GB" && ctx_.rnd.Chance(0.15))
                                                    ? std::optional<double>(Round(ctx_.rnd.Range(0.5, 25), 2))
                                                    : std::nullopt;
            for (size_t k = 0; k < size && i < made.size(); ++k, ++i) {
                SampleBlock& b = ctx_.blocks[made[i]];
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
                if (sector.country == "GB" && ctx_.rnd.Chance(0.4)) b.fallowYears = ctx_.rnd.Int(0, 8);
            }
        }
        ctx_.sectorBlocks[si] = made;
    }
}

void SampleBlocks::Write() {
    SampleDatabase::Insert ins(
        ctx_.core,
        "INSERT INTO Block (Block_Code, Block_Reference, Quadrant, Block, Sub_Block, Basin_Name, "
        "Country_Code, "
        "Country_Name, Sector_Code, Sector_Name, OFFSHORE_CODE, Licence_Reference, Licence_Type_Code, "
        "Licence_Sub_Type_Code, Licence_Status_Code, Licence_Area_Status_Code, Licence_Round, "
        "Licence_Round_Year, "
        "Licence_Award_Desc, Issue_Date, First_Round, Final_Expiry, Fallow_No_Year, Signature_Bonus, "
        "Block_Area, "
        "Water_Depth_Min, Water_Depth_Max, Operator_Code, Operator_Name) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    SampleDatabase::Insert interest(ctx_.core,
                                    "INSERT INTO BlockInterest (Block_Code, Company_Code, Interest_Perc, "
                                    "Ownership_Status) VALUES (?, ?, ?, ?)");
    // A licence past its final expiry has lapsed unless it holds a field; areas
    // without a field are given up more often than not over the years.  A
    // licence stays extant while any of its blocks is held.
    std::map<std::string, std::string> licenceStatus;
    for (SampleBlock& b : ctx_.blocks) {
        const bool expired = YearOf(b.finalExpiry) <= ctx_.ref.dataYear;
        if (b.holdsField)
            b.areaStatus = ctx_.rnd.Chance(0.15) ? "PARTREL" : "LICENSED";
        else
            b.areaStatus = expired || ctx_.rnd.Chance(0.3) ? "RELINQ"
                           : ctx_.rnd.Chance(0.1)          ? "PARTREL"
                                                           : "LICENSED";
        std::string& status = licenceStatus[IntText(static_cast<int64_t>(b.sector)) + "|" + b.licence];
        if (b.areaStatus != "RELINQ")
            status = "EXTANT";
        else if (status.empty())
            status = expired ? "EXPIRED" : ctx_.rnd.Chance(0.5) ? "SURRENDERED" : "DETERMINED";
    }
    for (SampleBlock& b : ctx_.blocks) {
        const RefSector& sector = ctx_.ref.sectors[b.sector];
        b.licenceStatus = licenceStatus[IntText(static_cast<int64_t>(b.sector)) + "|" + b.licence];
        const SampleCompany& op = companies_.Operator(b.shares);
        ins.Row({b.code,
                 b.reference,
                 SqlOptText(b.quadrant),
                 SqlOptText(b.block),
                 SqlOptText(b.subBlock),
                 SqlOptText(b.basin),
                 sector.country,
                 sector.countryName,
                 sector.code,
                 sector.name,
                 sector.offshore,
                 b.licence,
                 b.licenceType,
                 SqlOptText(b.licenceSubType),
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
        for (const SampleShare& s : b.shares)
            interest.Row({b.code, s.company, s.basisPoints / 100.0, int64_t{s.op ? 1 : 0}});
    }
    ctx_.counts.blocks = ctx_.blocks.size();
}
