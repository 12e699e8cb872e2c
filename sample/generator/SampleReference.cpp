#include "SampleReference.h"

#include <charconv>

#include "SampleDatabase.h"
#include "platform/runtime/Error.h"

namespace {
const char* const kSource = "SampleReference";

int YearOption(SampleDatabase& db, const std::string& key) {
    auto rows = db.Query("SELECT Value FROM Options WHERE [Key] = '" + key + "'");
    int year = 0;
    if (!rows.empty()) {
        const std::string text = SqlString(rows[0][0]);
        auto r = std::from_chars(text.data(), text.data() + text.size(), year);
        if (r.ec != std::errc() || r.ptr != text.data() + text.size()) year = 0;
    }
    if (year < 1900 || year > 2200)
        Raise(rt::kInvalidCall, kSource, "the Options table holds no usable year under " + key);
    return year;
}
}  // namespace

SampleReference SampleReference::Read(SampleDatabase& db) {
    SampleReference ref;
    for (auto& row :
         db.Query("SELECT S.Sector_Code, S.Sector_Name, S.Country_Code, C.Country_Name, S.OFFSHORE_CODE, "
                  "S.Water_Depth_Min, S.Water_Depth_Max FROM Sector S "
                  "INNER JOIN Country C ON C.Country_Code = S.Country_Code ORDER BY S.Sector_Code")) {
        RefSector s;
        s.code = SqlInt(row[0]);
        s.name = SqlString(row[1]);
        s.country = SqlString(row[2]);
        s.countryName = SqlString(row[3]);
        s.offshore = SqlString(row[4]);
        if (!std::holds_alternative<std::monostate>(row[5])) s.waterDepthMin = SqlDouble(row[5]);
        if (!std::holds_alternative<std::monostate>(row[6])) s.waterDepthMax = SqlDouble(row[6]);
        for (auto& b :
             db.Query("SELECT B.Basin_Name FROM SectorBasin SB INNER JOIN Basin B ON B.Basin_Code = "
                      "SB.Basin_Code WHERE SB.Sector_Code = " +
                      SqlString(row[0]) + " ORDER BY B.Basin_Code"))
            s.basins.push_back(SqlString(b[0]));
        ref.sectors.push_back(std::move(s));
    }
    for (auto& row : db.Query("SELECT AGE_CODE, Age_Order, ERA_CODE, ERA_NAME, PERIOD_CODE, PERIOD_NAME, "
                              "FORMATION_CODE, FORMATION_NAME FROM GeologicalAge ORDER BY Age_Order")) {
        RefAge a;
        a.ageCode = SqlInt(row[0]);
        a.order = SqlInt(row[1]);
        a.eraCode = SqlString(row[2]);
        a.eraName = SqlString(row[3]);
        a.periodCode = SqlString(row[4]);
        a.periodName = SqlString(row[5]);
        a.formationCode = SqlString(row[6]);
        a.formationName = SqlString(row[7]);
        ref.ages.push_back(std::move(a));
    }
    for (auto& row : db.Query("SELECT Rig_Code, Rig_Name, RIG_TYPE FROM Rig ORDER BY Rig_Code"))
        ref.rigs.push_back({SqlInt(row[0]), SqlString(row[1]), SqlString(row[2])});
    if (ref.sectors.empty() || ref.ages.empty() || ref.rigs.empty())
        Raise(rt::kInvalidCall, kSource,
              "the reference tables Sector, GeologicalAge and Rig must not be empty");
    ref.dataYear = YearOption(db, "DataYear");
    ref.firstAnnualYear = YearOption(db, "ANNUAL_DATA_START_YEAR");
    ref.lastAnnualYear = YearOption(db, "ANNUAL_DATA_END_YEAR");
    if (ref.firstAnnualYear > ref.dataYear || ref.dataYear > ref.lastAnnualYear)
        Raise(rt::kInvalidCall, kSource, "the data year must lie within the annual data years");
    return ref;
}

const RefAge* SampleReference::Age(int64_t ageCode) const {
    for (const RefAge& a : ages)
        if (a.ageCode == ageCode) return &a;
    return nullptr;
}
