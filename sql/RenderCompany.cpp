// The company step: the asset codes the company criteria allow, found
// through the participant tables, narrow the statement.
#include <algorithm>
#include <unordered_set>
#include <vector>

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/HuntERR31.h"
#include "interfaces/ICriteria.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/CSQLBuilder.h"
#include "sql/CSQLRenderer.h"
#include "sql/RenderValues.h"

namespace {

// Where the query file holds the company codes: a list of the chosen
// companies' codes may hold their subsidiaries' too.
constexpr const char* kCompanyOf = "Company@ID";
constexpr const char* kSubsidiariesOf = "Company@Subsidiaries";
constexpr const char* kCompaniesOf = "Company@ID or Company@Subsidiaries";
constexpr const char* kPositionOf = "Company@CAPosition";

// The characters of a permutation code, one CA position each.
std::vector<std::string> Positions(const std::string& sCode) {
    std::vector<std::string> out;
    for (size_t i = 0; i < sCode.size();) {
        size_t n = 1;
        while (i + n < sCode.size() && (static_cast<unsigned char>(sCode[i + n]) & 0xC0) == 0x80) ++n;
        out.push_back(sCode.substr(i, n));
        i += n;
    }
    return out;
}

// Refuses a permutation's position that a company holds only in another
// letter case: the active permutations are chosen without regard to case,
// but a company is found by its position as written, and would otherwise
// not be found at all, a bare type mismatch.
void RefuseOtherCase(const std::string& sPosition, const std::vector<std::string>& held) {
    if (std::find(held.begin(), held.end(), sPosition) != held.end()) return;
    for (const std::string& position : held)
        if (EqualsNoCase(position, sPosition))
            RefuseValue(position, kPositionOf,
                        "is in another letter case in the code of an active permutation.");
}

// Collects each row's value of the column once, in the order of the rows.
class CodeCollector {
public:
    void Add(std::string_view sCode) {
        std::string code(sCode);
        if (!seen_.insert(code).second) return;
        if (!list_.empty()) list_ += ',';
        list_ += code;
    }
    void AddRows(ADODB::Recordset& rs, const char* sColumn) {
        if (rs.RecordCount() <= 0) return;
        const ADODB::Field field = rs.Fields(sColumn);
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) Add(field.AsText());
    }
    const std::string& List() const { return list_; }

private:
    std::unordered_set<std::string> seen_;
    std::string list_;
};

}  // namespace

bool CSQLRenderer::Company() {
    return PassOn("CSQLRenderer.Company()", ERR_ARGS(), [&] {
        const Ref<IGeneral> general = General();
        bool goesOn = true;
        if (general->CompanyCount() > 0 || general->CompanyInterestRangeCount() > 0) {
            gDataManagerObject()->SetProgressMessage("Building Query (Company)");
            std::string codes = GetAssetCodesByCompany();
            if (!codes.empty()) codes = GetAssetCodesByPercentageOwnership(codes);
            CheckSize(render::ItemCount(codes));
            if (codes.empty()) {
                builder_->SetSQL("0");
                goesOn = false;
            } else {
                builder_->AddWhere("A." + queryType_ + "_Code IN (" + render::Codes(codes) + ")", "AND");
                // A net field or block statement reads the participant rows:
                // only those of the chosen companies count.  Interest ranges
                // alone choose no company, and then every participant counts.
                if (net_ && (queryType_ == "Block" || queryType_ == "Field")) {
                    const std::string companies = general->CompanyCodesList();
                    if (!companies.empty())
                        builder_->AddWhere("Company_Code in(" + render::Codes(companies, kCompaniesOf) + ")",
                                           "AND");
                }
            }
        }
        gDataManagerObject()->SetProgressValue(25);
        return goesOn;
    });
}

std::string CSQLRenderer::GetAssetCodesByCompany() {
    return PassOn("CSQLRenderer.GetAssetCodesByCompany()", ERR_ARGS(), [&] {
        const std::string selected = GetSelectedAssetCodes(queryType_);
        const std::string field = queryType_ + "_Code", table = queryType_ + "ParticipantCA";
        const Ref<IGeneral> general = General();
        std::string codes;
        if (general->CAQuery())
            codes = GetAssetCodesCA(field, table, selected);
        else if (general->SearchOptions() == "Overlapping")
            codes = GetAssetCodesOverlapping(field, table, selected);
        else
            codes = GetAssetCodesNormal(field, table, selected);
        gDataManagerObject()->SetStatusMessage("Building Query...");
        if (codes == ",") codes.clear();
        return codes;
    });
}

std::string CSQLRenderer::GetSelectedAssetCodes(const std::string& sQueryType) {
    return PassOn("CSQLRenderer.GetSelectedAssetCodes(sQueryType)", ERR_ARGS(sQueryType), [&] {
        std::string list;
        if (sQueryType == "Block") {
            const Ref<IBlock> block = BlockCriteria();
            if (block->BlockLocationsCount() >= 1)
                list = render::Codes(block->BlockLocationsList(), "BlockLocation@Code");
        } else if (sQueryType == "Field") {
            const Ref<IField> field = FieldCriteria();
            if (field->FieldCount() >= 1) list = render::Codes(field->FieldCodesList(), "FieldLocation@Code");
            if (field->BlockLocationsCount() >= 1) {
                const std::string blocks = field->BlockLocationsList();
                const ValueOrigins origins{{blocks, "BlockLocation@Code"}};
                const std::string byBlock = field->FieldCodesByBlock(blocks);
                if (!byBlock.empty()) list = gTools()->Str()->CombineLists(list, byBlock);
            }
        } else if (sQueryType == "Well") {
            const Ref<IWell> well = WellCriteria();
            if (well->WellCount() >= 1) list = render::Codes(well->WellCodesList(), "WellLocation@Code");
        } else if (sQueryType == "Transport") {
            const Ref<ITransport> transport = TransportCriteria();
            if (transport->TransportCount() >= 1)
                list = render::Codes(transport->TransportCodesList(), "TransportSystem@Code");
        }
        return gTools()->Str()->TrimList(list, ",", 1);
    });
}

void CSQLRenderer::AddSearchLocation(CSQLBuilder& b) {
    const Ref<IGeneral> general = General();
    if (general->SectorCount() < 1) return;
    if (queryType_ == "Transport") {
        const std::string countries =
            render::QuotedTexts(general->LocationCountryCodeList(), "Sector@CountryCode");
        if (countries.empty()) return;
        b.AddJoin("INNER JOIN TransportCountry TC ON A.Transport_Code = TC.Transport_Code");
        b.AddWhere("TC.Country_Code in (" + countries + ")", "AND");
    } else {
        const std::string sectors = SectorCondition("A.Sector_Code");
        if (!sectors.empty()) b.AddWhere(sectors, "AND");
    }
}

std::string CSQLRenderer::GetAssetCodesNormal(const std::string& sFieldName, const std::string& sTableName,
                                              const std::string& sSelectedAssetCodes) {
    return PassOn(
        "CSQLRenderer.GetAssetCodesNormal(sFieldName,sTableName,sSelectedAssetCodes)",
        ERR_ARGS(sFieldName, sTableName, sSelectedAssetCodes), [&] {
            const Ref<IGeneral> general = General();
            auto b = New<CSQLBuilder>();
            b->AddSelect("A." + sFieldName);
            b->AddFrom(sTableName + " A");
            AddSearchLocation(*b);
            if (!sSelectedAssetCodes.empty())
                b->AddWhere("A." + sFieldName + " IN (" + render::Codes(sSelectedAssetCodes) + ")", "AND");
            const std::string companies = general->CompanyCodesList();
            if (!companies.empty())
                b->AddWhere("A.Company_Code IN (" + render::Codes(companies, kCompaniesOf) + ")", "AND");
            const std::string status = general->OperatorStatus();
            if (status == "Non-Operator")
                b->AddWhere("A.Ownership_Status = 0", "AND");
            else if (status == "Operator")
                b->AddWhere("A.Ownership_Status = 1", "AND");
            b->SetDistinct(true);
            const Ref<ADODB::Recordset> rs = Open(b->SQL());
            CodeCollector codes;
            codes.AddRows(*rs, sFieldName.c_str());
            return codes.List();
        });
}

std::string CSQLRenderer::GetAssetCodesOverlapping(const std::string& sFieldName,
                                                   const std::string& sTableName,
                                                   const std::string& sSelectedAssetCodes) {
    return PassOn("CSQLRenderer.GetAssetCodesOverlapping(sFieldName,sTableName,sSelectedAssetCodes)",
                  ERR_ARGS(sFieldName, sTableName, sSelectedAssetCodes), [&] {
                      const Ref<IGeneral> general = General();
                      const Ref<cvStrings> str = gTools()->Str();
                      const std::string companies = general->SelectedCompaniesList();
                      const bool subsidiaries = general->Subsiduaries();
                      const std::string status = general->OperatorStatus();
                      // Each company's statement keeps only the codes the companies
                      // before it hold: what is left is held by every one of them.
                      std::string running = sSelectedAssetCodes;
                      const int32_t count = general->CompanyCount();
                      for (int32_t i = 0; i < count; ++i) {
                          const std::string code = Trim(str->Token(companies, ",", i, 1));
                          if (code.empty()) continue;
                          std::string ids = code;
                          if (subsidiaries) {
                              const std::string subs = general->CompanySubsidiaries(code);
                              if (!subs.empty()) ids += "," + subs;
                          }
                          auto b = New<CSQLBuilder>();
                          b->AddSelect("A." + sFieldName + ",A." + sFieldName + " AS AssetCode");
                          b->AddFrom(sTableName + " A");
                          b->AddWhere("A.Company_Code IN (" + render::Codes(ids, kCompaniesOf) + ")", "AND");
                          if (status == "Non-Operator")
                              b->AddWhere("A.Ownership_Status = 0", "AND");
                          else if (status == "Operator")
                              b->AddWhere("A.Ownership_Status > 0", "AND");
                          AddSearchLocation(*b);
                          b->SetDistinct(true);
                          if (!running.empty())
                              b->AddWhere("A." + sFieldName + " IN (" +
                                              render::Codes(str->TrimList(running, ",", 1)) + ")",
                                          "AND");
                          const Ref<ADODB::Recordset> rs = Open(b->SQL());
                          running.clear();
                          if (rs->RecordCount() > 0) {
                              running = ",";
                              const ADODB::Field asset = rs->Fields("AssetCode");
                              for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
                                  running += asset.AsText();
                                  running += ',';
                              }
                          }
                          if (running.empty()) break;
                      }
                      return str->TrimList(running, ",", 1);
                  });
}

std::string CSQLRenderer::GetAssetCodesCA(const std::string& sFieldName, const std::string& sTableName,
                                          const std::string& sSelectedAssetCodes) {
    return PassOn(
        "CSQLRenderer.GetAssetCodesCA(sFieldName,sTableName,sSelectedAssetCodes)",
        ERR_ARGS(sFieldName, sTableName, sSelectedAssetCodes), [&] {
            const Ref<IGeneral> general = General();
            const Ref<cvStrings> str = gTools()->Str();
            const bool subsidiaries = general->Subsiduaries();
            const bool transport = queryType_ == "Transport";
            CodeCollector collected;
            // A permutation names its companies one character each: a longer
            // position could never be found, and would end the search in a
            // bare type mismatch at its first letter.
            const std::string positionsHeld = general->CompanyCACodesList();
            const std::vector<std::string> held = Split(positionsHeld, ",");
            for (const std::string& position : held)
                if (Positions(position).size() > 1)
                    RefuseValue(position, kPositionOf, "is not a single character.");
            for (const std::string& permutation :
                 Split(general->ActivePermutationslist(positionsHeld), ",")) {
                if (permutation.empty()) continue;
                gDataManagerObject()->SetStatusMessage("Building CA Selection: " + permutation);
                const std::vector<std::string> positions = Positions(permutation);
                std::string members, cond;
                for (const std::string& position : positions) {
                    RefuseOtherCase(position, held);
                    const int32_t id = general->CompanyCodeByCAPosition(position);
                    const std::string idText = Variant(id).ToString();
                    members += idText + ",";
                    // A company's own subsidiaries stand with it, and only its own.
                    std::string ids = idText;
                    if (subsidiaries) {
                        const std::string own = general->SubsidaryCompanyCodesList(idText);
                        if (!own.empty()) ids += "," + own;
                    }
                    ids = render::Codes(ids, kSubsidiariesOf);
                    // A status the query does not know (or none) asks for a
                    // participation of any kind.
                    const std::string status = general->CompanyCAStatus(id);
                    if (!cond.empty()) cond += " OR ";
                    if (status == "Non-Operator")
                        cond += " (O.Company_Code IN (" + ids + ") AND O.Ownership_Status = 0) ";
                    else if (status == "Operator")
                        cond += " (O.Company_Code IN (" + ids + ") AND O.Ownership_Status = 1) ";
                    else
                        cond += " (O.Company_Code IN (" + ids + "))";
                }
                if (!cond.empty()) cond = "(" + cond + ")";
                members = str->TrimList(members, ",", 1);

                std::string s = "SELECT M." + sFieldName + " AS AssetCode FROM";
                std::string location;
                if (!transport) {
                    s += " (SELECT DISTINCT O." + sFieldName + ",O.Company_Code FROM " + sTableName + " O ";
                    if (general->SectorCount() >= 1) {
                        const std::string sectors = SectorCondition("O.Sector_Code");
                        if (!sectors.empty()) location = " AND " + sectors + " ";
                    }
                } else {
                    s += " (SELECT DISTINCT O." + sFieldName + ", O.Company_Code FROM " + sTableName + " O " +
                         " INNER JOIN TransportCountry TS ON O.Transport_Code = TS.Transport_Code ";
                    if (general->CountryCount() >= 1) {
                        const std::string countries =
                            render::QuotedTexts(general->LocationCountryCodeList(), "Sector@CountryCode");
                        if (!countries.empty()) location = " AND TS.Country_Code IN (" + countries + ") ";
                    }
                }
                s += " WHERE True ";
                if (!sSelectedAssetCodes.empty())
                    s += " AND O." + sFieldName + " IN (" + render::Codes(sSelectedAssetCodes) + ") ";
                if (!cond.empty()) s += " AND (" + cond + ")";
                s += location;
                // The chosen companies outside the permutation (and their
                // subsidiaries) must hold no part of the asset.
                const std::string others = gTools()->RemoveStrings(general->CompanyCodesList(), members);
                std::string excluded = others;
                if (subsidiaries) {
                    for (const std::string& other : Split(others, ","))
                        if (!Trim(other).empty()) excluded += "," + general->CompanySubsidiaries(Trim(other));
                    excluded = Replace(str->NormaliseList(excluded), ",,", ",");
                }
                excluded = render::Codes(str->TrimList(excluded, ",", 1), kCompaniesOf);
                if (!excluded.empty())
                    s += "AND O." + sFieldName + " NOT IN (SELECT " + sFieldName + " FROM " + sTableName +
                         " WHERE Company_Code IN (" + excluded + " )) ";
                s += " ) M GROUP BY M." + sFieldName;
                if (!subsidiaries)
                    s += " HAVING count(*) = " + Variant(static_cast<int32_t>(positions.size())).ToString();
                const Ref<ADODB::Recordset> rs = Open(s);
                collected.AddRows(*rs, "AssetCode");
            }
            return collected.List();
        });
}

std::string CSQLRenderer::GetAssetCodesByPercentageOwnership(const std::string& sAssetCodeList) {
    return PassOn(
        "CSQLRenderer.GetAssetCodesByPercentageOwnership(sAssetCodeList)", ERR_ARGS(sAssetCodeList), [&] {
            const Ref<IGeneral> general = General();
            if (general->CompanyInterestRangeCount() == 0) return sAssetCodeList;
            auto b = New<CSQLBuilder>();
            b->AddFrom(queryType_ + "Participant A");
            b->AddSelect(queryType_ + "_Code AS AssetCode");
            const std::string companies = general->SelectedCompaniesList();
            if (!companies.empty()) {
                // With subsidiaries a company stands for its whole group.
                const char* column =
                    general->Subsiduaries() ? "A.Company_Code_Parent IN (" : "A.Company_Code IN (";
                b->AddWhere(column + render::Codes(companies, kCompanyOf) + ")", "AND");
            }
            if (!sAssetCodeList.empty())
                b->AddWhere(queryType_ + "_Code IN (" + render::Codes(sAssetCodeList) + ")", "AND");
            // Only the first range counts.
            const std::string min = general->CompanyInterestRangeMin(0);
            const std::string max = general->CompanyInterestRangeMax(0);
            render::AddBoundRange(*b, "A.Interest_Perc", min, max,
                                  {"CompanyInterest_Range@MinValue", "CompanyInterest_Range@MaxValue"});
            const Ref<ADODB::Recordset> rs = Open(b->SQL());
            CodeCollector codes;
            codes.AddRows(*rs, "AssetCode");
            return codes.List();
        });
}
