#include "criteria/CGeneral.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/ui/MsgBox.h"
#include "platform/xml/kqXML.h"

// The general set has no shore statuses; its profile names them all the same.
const CriteriaSetProfile CGeneral::kProfile{"CGeneral",     "IGeneral",     ErrDisplay::A, Handling::Pass,
                                            Handling::Bare, Handling::Bare, Handling::Bare};

namespace {

constexpr Handling Bare = Handling::Bare;
constexpr Handling Pass = Handling::Pass;
constexpr Handling End = Handling::End;

// ---- the sections

const Section kCompanies{
    CGeneral::kCompanyRoot, "Companies", "Company", {"ID", "Name", "ShortName", "ParentCode"}};
const Section kInterestRanges{CGeneral::kCompanyRoot,
                              "CompanyInterestRanges",
                              "CompanyInterest_Range",
                              {"MinValue", "MaxValue"},
                              AcceptAnyNotBlank("MinValue", "MaxValue")};
const Section kSectors{
    CGeneral::kLocationRoot,
    "Sectors",
    "Sector",
    {"SectorCode", "SectorName", "CountryCode", "CountryName", "RegionCode", "RegionName"}};
// A country chosen without a sector: an item of the same section with only
// its country, so no item of either kind repeats a country.
const Section kCountries{CGeneral::kLocationRoot, "Sectors", "Sector", {"CountryCode"}};

// ---- the single values and the palette

constexpr const char* kOperatorStatus = "CompanyDetail/OperatorStatus";
constexpr const char* kSearchOptions = "CompanyDetail/SearchOptions";
constexpr const char* kNetting = "CompanyDetail/Netting";
constexpr const char* kSubsiduaries = "CompanyDetail/Subsiduaries";

constexpr const char* kCompetitorAnalysis = "CompanyDetail/CompetitorAnalysis";
// What the host's palette text is put in at, and where the permutations
// stand once it is.
constexpr const char* kPaletteContainer = "CompanyDetail/CompetitorAnalysis/Permutations";
constexpr const char* kPalette = "CompanyDetail/CompetitorAnalysis/Permutations/Palette/Permutations";
constexpr const char* kPermutation =
    "CompanyDetail/CompetitorAnalysis/Permutations/Palette/Permutations/Permutation";
constexpr const char* kCompany = "CompanyDetail/Companies/Company";

// Each sector item whose country no earlier sibling carries: every country
// once, at its first item.
constexpr const char* kDistinctCountries =
    "//LocationDetail/Sectors/Sector[not(preceding-sibling::Sector/@CountryCode= ./@CountryCode)]";

// The items of a comma list; none for "".
std::vector<std::string> Items(const std::string& list) {
    if (list.empty()) return {};
    return Split(list, ",");
}

// The characters of a text, each as its own UTF-8 text.
std::vector<std::string> Characters(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        size_t n = 1;
        while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

int32_t LongOf(const std::string& s) { return Variant(s).ToLong(); }

// A company's ID as its query file stores it: a value that is no whole
// number is refused naming the attribute, not met with a bare type mismatch.
int32_t CompanyIdOf(const std::string& s) { return WholeOf("Company@ID", s); }

std::string Tidy(const std::string& list) {
    Ref<cvStrings> str = gTools()->Str();
    return str->TidyList(str->TrimList(list, ",", 1));
}

std::string TrimmedList(const std::string& list) { return gTools()->Str()->TrimList(list, ",", 1); }

}  // namespace

CGeneral::CGeneral() : CCriteriaSet(kProfile) {}

// ---- single values written directly

void CGeneral::SetDirectValue(const char* sPath, const char* sDeletePath, const std::string& sValue) {
    if (ActiveQueryIsReadOnly()) return;
    if (!sValue.empty()) {
        Variant before = settings_->GetValue(sPath);
        settings_->SetValue(sPath, sValue);
        Variant after = settings_->GetValue(sPath);
        if (before.IsNull() || before.ToString() != after.ToString()) settings_->SetModified(true);
    } else if (settings_->Select(sDeletePath)) {
        // The element goes, so that the value reads as "" again.
        settings_->DeleteNode();
        settings_->SetModified(true);
    }
}

std::string CGeneral::DirectValue(const char* sPath) {
    Variant value = settings_->GetValue(sPath);
    return value.IsNull() ? std::string() : value.ToString();
}

void CGeneral::SetOperatorStatus(const std::string& sStatus) {
    Run({"OperatorStatus(sStatus)", Pass}, ERR_ARGS(sStatus),
        [&] { SetDirectValue(kOperatorStatus, kOperatorStatus, sStatus); });
}

std::string CGeneral::OperatorStatus() {
    return Run({"OperatorStatus()", Pass}, {}, [&] { return DirectValue(kOperatorStatus); });
}

void CGeneral::SetSearchOptions(const std::string& sOptions) {
    Run({"SearchOptions(sOptions)", Pass}, ERR_ARGS(sOptions),
        [&] { SetDirectValue(kSearchOptions, "/CompanyDetail/SearchOptions", sOptions); });
}

std::string CGeneral::SearchOptions() {
    return Run({"SearchOptions()", Pass}, {}, [&] { return DirectValue(kSearchOptions); });
}

void CGeneral::SetNetting(const std::string& sNetting) {
    Run({"Netting(sNetting)", Pass}, ERR_ARGS(sNetting),
        [&] { SetDirectValue(kNetting, kNetting, sNetting); });
}

std::string CGeneral::Netting() {
    return Run({"Netting()", Pass}, {}, [&] { return DirectValue(kNetting); });
}

void CGeneral::SetSubsiduaries(bool bSubsiduaries) {
    Run({"Subsiduaries(bSubsiduaries)", Pass}, ERR_ARGS(bSubsiduaries),
        [&] { SetDirectValue(kSubsiduaries, kSubsiduaries, FlagText(bSubsiduaries)); });
}

bool CGeneral::Subsiduaries() {
    return Run({"Subsiduaries()", Pass}, {}, [&] {
        Variant value = settings_->GetValue(kSubsiduaries);
        return !value.IsNull() && FlagOf(kSubsiduaries, value.ToString());
    });
}

// ---- counts

int32_t CGeneral::CompanyCount() { return Count({"CompanyCount()", Bare}, kCompanies); }

int32_t CGeneral::SectorCount() { return Count({"SectorCount()", Bare}, kSectors); }

template <class Read>
auto CGeneral::OverDistinctCountries(Read&& read) {
    Ref<kqXML> xml = settings_->XMLObject();
    xml->SetSelectionLanguage("XPath");
    // Put back on every path, so that no later expression is read in the wrong language.
    struct Restore {
        Ref<kqXML>& xml;
        ~Restore() {
            try {
                xml->SetSelectionLanguage("XSLPattern");
            } catch (...) {
            }
        }
    } restore{xml};
    return read(*xml);
}

int32_t CGeneral::CountryCount() {
    return Run({"CountryCount()", Pass}, {}, [&] {
        return OverDistinctCountries([](kqXML& xml) { return xml.CountNodes(kDistinctCountries); });
    });
}

int32_t CGeneral::RegionCount() { return 0; }

// ---- competitor-analysis palette

void CGeneral::SetCompanyPermutations(const std::string& sXML) {
    Run({"CompanyPermutations(sXML)", End}, ERR_ARGS(sXML), [&] {
        if (ActiveQueryIsReadOnly()) return;
        std::string before;
        if (settings_->Select(kPaletteContainer))
            before = settings_->NodeXML();
        else
            settings_->CreateNode("Permutations", kCompetitorAnalysis, -1, -1, -1);
        settings_->ReplaceXML(sXML, kPaletteContainer);
        if (settings_->Select(kPaletteContainer) && settings_->NodeXML() != before)
            settings_->SetModified(true);
    });
}

std::string CGeneral::CompanyPermutations() {
    return Run({"CompanyPermutations()", End}, {}, [&] {
        // The inner list, not the container the host's text went into.
        return settings_->Select(kPalette) ? settings_->NodeXML() : std::string();
    });
}

// The permutation is found by comparing its code as a value, never by
// pasting it into an expression: a quote in a code finds its own item.
std::string CGeneral::GetPermutationColour(const std::string& sPermutation) {
    return Run({"GetPermutationColour(sPermutation)", End}, ERR_ARGS(sPermutation), [&] {
        return settings_->FindChild(kPermutation, "Code", sPermutation) ? settings_->Attribute("Colour")
                                                                        : std::string();
    });
}

std::string CGeneral::GetPermutationPattern(const std::string& sPermutation) {
    return Run({"GetPermutationPattern(sPermutation)", End}, ERR_ARGS(sPermutation), [&] {
        return settings_->FindChild(kPermutation, "Code", sPermutation) ? settings_->Attribute("Pattern")
                                                                        : std::string();
    });
}

std::string CGeneral::GetCompositeCompanyName(const std::string& sPermutation) {
    return Run({"GetCompositeCompanyName(sPermutation)", End}, ERR_ARGS(sPermutation), [&] {
        std::string name;
        for (const std::string& position : Characters(sPermutation)) {
            if (!settings_->FindChild(kCompany, "CAPosition", position)) continue;
            if (!name.empty()) name += "/";
            name += settings_->Attribute("ShortName");
        }
        return name;
    });
}

std::string CGeneral::ActivePermutationslist(const std::string& sPositions) {
    return Run({"ActivePermutationslist(sPositions)", Pass}, ERR_ARGS(sPositions), [&] {
        std::string list;
        if (!settings_->Select(kPalette)) return list;
        const std::string positions = Replace(sPositions, ",", "");
        const size_t positionCount = Characters(positions).size();
        const int32_t n = settings_->Count();
        for (int32_t i = 0; i < n; ++i) {
            settings_->SelectIndex(i);
            std::string code = settings_->Attribute("Code");
            std::string active = settings_->Attribute("Active");
            if (!active.empty() && FlagOf("Permutation@Active", active)) {
                bool wanted = true;
                if (!sPositions.empty()) {
                    // Made only of the positions given, in any letter case.
                    std::vector<std::string> characters = Characters(code);
                    wanted = characters.size() <= positionCount;
                    for (size_t c = 0; wanted && c < characters.size(); ++c)
                        wanted = InStr(positions, characters[c], 1, true) > 0;
                }
                if (wanted) list += code + ",";
            }
            settings_->MoveNext();
        }
        return TrimmedList(list);
    });
}

std::string CGeneral::CAPermutationCode(const std::string& sCompanies) {
    return Run({"CAPermutationCode(sCompanies)", Pass}, ERR_ARGS(sCompanies), [&] {
        std::string positions;
        for (const std::string& name : Items(sCompanies))
            positions += CompanyCAPosition(CompanyCode(Trim(name)));
        return gTools()->Sort(positions);
    });
}

std::string CGeneral::CAPermutationsCompanyCodesList() {
    return Run({"CAPermutationsCompanyCodesList()", End}, {}, [&] {
        // Companies whose own one-position permutation is active.
        const std::string active = "," + ActivePermutationslist("") + ",";
        std::string list;
        for (const std::string& code : Items(CompanyCodesList())) {
            if (active.find("," + CompanyCAPosition(CompanyIdOf(code)) + ",") != std::string::npos)
                list += code + ",";
        }
        return TrimmedList(list);
    });
}

std::string CGeneral::CAPermutationsCompanyNamesList() {
    return Run({"CAPermutationsCompanyNamesList()", End}, {}, [&] {
        // Companies taking part in some active permutation.
        const std::string active = ActivePermutationslist("");
        std::string list;
        for (const std::string& code : Items(CompanyCodesList())) {
            int32_t lCode = CompanyIdOf(code);
            std::string position = CompanyCAPosition(lCode);
            if (!position.empty() && active.find(position) != std::string::npos)
                list += CompanyShortName(lCode) + ",";
        }
        return TrimmedList(list);
    });
}

// ---- companies

void CGeneral::SetCompanyCAPosition(int32_t lCode, const std::string& sPosition) {
    SetByKey({"CompanyCAPosition(lCode,sPosition)", Bare}, ERR_ARGS(lCode, sPosition), kCompanies, "ID",
             DecimalText(lCode), "CAPosition", sPosition);
}

std::string CGeneral::CompanyCAPosition(int32_t lCode) {
    return Search({"CompanyCAPosition(lCode)", Bare}, ERR_ARGS(lCode), kCompanies, "ID", DecimalText(lCode),
                  "CAPosition");
}

int32_t CGeneral::CompanyCodeByCAPosition(const std::string& sPosition) {
    // A position no company holds gives "", which is no number: 13.
    const std::string id = Search({"CompanyCodeByCAPosition(sPosition)", Bare}, ERR_ARGS(sPosition),
                                  kCompanies, "CAPosition", sPosition, "ID");
    return id.empty() ? LongOf(id) : CompanyIdOf(id);
}

int32_t CGeneral::CompanyCode(const std::string& sShortName) {
    std::string code = Search({"CompanyCode(sShortName)", Bare}, ERR_ARGS(sShortName), kCompanies,
                              "ShortName", sShortName, "ID");
    return Variant(Val(code)).ToLong();
}

void CGeneral::SetCAQuery(bool bCAQuery) {
    if (ActiveQueryIsReadOnly()) return;
    SetSingleValue({"CAQuery(bCAQuery)", Bare}, ERR_ARGS(bCAQuery), kCompanyRoot, "Options", "CAQuery",
                   FlagText(bCAQuery));
}

bool CGeneral::CAQuery() {
    return FlagOf("CompanyDetail/Options/CAQuery",
                  SingleValue({"CAQuery()", Bare}, {}, kCompanyRoot, "Options", "CAQuery"));
}

void CGeneral::SetCompanySubsidiaries(const std::string& sCode, const std::string& sSubsidiaries) {
    if (ActiveQueryIsReadOnly()) return;
    SetByKey({"CompanySubsidiaries(sCode,sSubsidiaries)", Bare}, ERR_ARGS(sCode, sSubsidiaries), kCompanies,
             "ID", sCode, "Subsidiaries", sSubsidiaries);
}

std::string CGeneral::CompanySubsidiaries(const std::string& sCode) {
    return Search({"CompanySubsidiaries(sCode)", Bare}, ERR_ARGS(sCode), kCompanies, "ID", sCode,
                  "Subsidiaries");
}

void CGeneral::SetCompanyCAStatus(int32_t lCode, const std::string& sStatus) {
    SetByKey({"CompanyCAStatus(lCode,sStatus)", Bare}, ERR_ARGS(lCode, sStatus), kCompanies, "ID",
             DecimalText(lCode), "CAStatus", sStatus);
}

std::string CGeneral::CompanyCAStatus(int32_t lCode) {
    return ByAttribute({"CompanyCAStatus(lCode)", Bare}, ERR_ARGS(lCode), kCompanies, "ID",
                       DecimalText(lCode), "CAStatus");
}

std::string CGeneral::CompanyShortName(int32_t lCode) {
    return Search({"CompanyShortName(lCode)", Bare}, ERR_ARGS(lCode), kCompanies, "ID", DecimalText(lCode),
                  "ShortName");
}

void CGeneral::SetCompanySubsidiaryNames(const std::string& sShortName, const std::string& sNames) {
    if (ActiveQueryIsReadOnly()) return;
    SetByKey({"CompanySubsidiaryNames(sShortName,sNames)", Bare}, ERR_ARGS(sShortName, sNames), kCompanies,
             "ShortName", sShortName, "SubsidiaryNames", sNames);
}

std::string CGeneral::CompanySubsidiaryNames(const std::string& sShortName) {
    return Search({"CompanySubsidiaryNames(sShortName)", Bare}, ERR_ARGS(sShortName), kCompanies, "ShortName",
                  sShortName, "SubsidiaryNames");
}

void CGeneral::ClearCompanies() { Clear({"ClearCompanies()", Pass}, kCompanies); }

void CGeneral::AddCompany(int32_t lCode, const std::string& sName, const std::string& sShortName,
                          int32_t lParentCode) {
    Add({"AddCompany(lCode,sName,sShortName,lParentCode)", Pass},
        ERR_ARGS(lCode, sName, sShortName, lParentCode), kCompanies,
        {DecimalText(lCode), sName, sShortName, DecimalText(lParentCode)});
}

void CGeneral::RemoveCompany(int32_t lCode) {
    Remove({"RemoveCompany(lCode)", Pass}, ERR_ARGS(lCode), kCompanies, DecimalText(lCode));
}

Ref<Object> CGeneral::GetCompanyByIndex(const Variant&) {
    ui::MsgBox("Defunct", ui::vbOKOnly);
    return {};
}

Ref<Object> CGeneral::GetCompanyByID(const Variant&) { return {}; }

std::string CGeneral::CompanyCodesList() {
    return Run({"CompanyCodesList()", End}, {}, [&] {
        std::string ids =
            gTools()->GetQueryParameterAttributeList(settings_, kCompanyRoot, "Companies", "ID");
        if (ids.empty()) return std::string();
        std::string list;
        if (CAQuery()) {
            // The companies at the positions of the active permutations; a
            // company without a position counts whenever one is active.
            const std::string active = ActivePermutationslist("");
            for (const std::string& code : Items(ids)) {
                std::string position = CompanyCAPosition(CompanyIdOf(code));
                if (!active.empty() && active.find(position) != std::string::npos) list += code + ",";
            }
        } else {
            list = ids;
            if (Subsiduaries())
                list += "," + gTools()->GetQueryParameterAttributeList(settings_, kCompanyRoot, "Companies",
                                                                       "Subsidiaries");
        }
        return Tidy(list);
    });
}

std::string CGeneral::SubsidaryCompanyCodesList(const std::string& sCode) {
    return Run({"SubsidaryCompanyCodesList(sCode)", End}, ERR_ARGS(sCode), [&] {
        std::string list;
        // All three are asked, whatever the first answers.
        bool subsidiaries = Subsiduaries();
        std::string ids =
            gTools()->GetQueryParameterAttributeList(settings_, kCompanyRoot, "Companies", "ID");
        bool caQuery = CAQuery();
        if (subsidiaries && !ids.empty() && caQuery) {
            for (const std::string& id : Items(ids)) {
                if (CompanyIdOf(id) != LongOf(sCode)) continue;
                list += "," + gTools()->GetQueryParameterByAttribute(settings_, kCompanyRoot, "Companies",
                                                                     "Company", "ID", id, "Subsidiaries");
                break;
            }
        }
        return Tidy(list);
    });
}

std::string CGeneral::CompanyParentCodesList() {
    return Run({"CompanyParentCodesList()", End}, {}, [&] {
        // Both codes are read from the same item, so a company without a
        // parent code cannot shift the pairs after it.
        Ref<CTools> tools = gTools();
        std::string list;
        const int32_t n = tools->GetQueryParameterCount(settings_, kCompanyRoot, "Companies");
        for (int32_t i = 0; i < n; ++i) {
            std::string id = tools->GetQueryParameterByIndex(settings_, kCompanyRoot, "Companies", "ID", i);
            if (id.empty()) continue;
            std::string parent =
                tools->GetQueryParameterByIndex(settings_, kCompanyRoot, "Companies", "ParentCode", i);
            if (!list.empty()) list += ",";
            list += id + "|" + parent;
        }
        return list;
    });
}

std::string CGeneral::CompanyNamesList() {
    return List({"CompanyNamesList()", Pass}, kCompanies, "ShortName");
}

std::string CGeneral::CompanyCACodesList() {
    return Run({"CompanyCACodesList()", Pass}, {}, [&] {
        return TrimmedList(
            gTools()->GetQueryParameterAttributeList(settings_, kCompanyRoot, "Companies", "CAPosition"));
    });
}

std::string CGeneral::SelectedCompaniesList() {
    return List({"SelectedCompaniesList()", End}, kCompanies, "ID");
}

// ---- company interest ranges

int32_t CGeneral::CompanyInterestRangeCount() {
    return Count({"CompanyInterestRangeCount()", Bare}, kInterestRanges);
}

std::string CGeneral::CompanyInterestRangeMin(int32_t lIndex) {
    return ByIndex({"CompanyInterestRangeMin(lIndex)", Bare}, ERR_ARGS(lIndex), kInterestRanges, "MinValue",
                   lIndex);
}

std::string CGeneral::CompanyInterestRangeMax(int32_t lIndex) {
    return ByIndex({"CompanyInterestRangeMax(lIndex)", Bare}, ERR_ARGS(lIndex), kInterestRanges, "MaxValue",
                   lIndex);
}

void CGeneral::AddCompanyInterestRange(const std::string& sMin, const std::string& sMax) {
    Add({"AddCompanyInterestRange(sMin,sMax)", Pass}, ERR_ARGS(sMin, sMax), kInterestRanges, {sMin, sMax});
}

void CGeneral::ClearCompanyInterestRanges() {
    Clear({"ClearCompanyInterestRanges()", Pass}, kInterestRanges);
}

// ---- locations

void CGeneral::AddSector(int32_t lSectorCode, const std::string& sSectorName, const std::string& sCountryCode,
                         const std::string& sCountryName, const std::string& sRegionCode,
                         const std::string& sRegionName) {
    Add({"AddSector(lSectorCode,sSectorName,sCountryCode,sCountryName,sRegionCode,sRegionName)", Pass},
        ERR_ARGS(lSectorCode, sSectorName, sCountryCode, sCountryName, sRegionCode, sRegionName), kSectors,
        {DecimalText(lSectorCode), sSectorName, sCountryCode, sCountryName, sRegionCode, sRegionName});
}

void CGeneral::AddCountryCode(const std::string& sCountryCode) {
    Add({"AddCountryCode(sCountryCode)", End}, ERR_ARGS(sCountryCode), kCountries, {sCountryCode});
}

void CGeneral::RemoveSector(int32_t lSectorCode) {
    Remove({"RemoveSector(lSectorCode)", Pass}, ERR_ARGS(lSectorCode), kSectors, DecimalText(lSectorCode));
}

void CGeneral::ClearLocations() { Clear({"ClearLocations()", Bare}, kSectors); }

Ref<Object> CGeneral::GetSectorByIndex(const Variant&) {
    ui::MsgBox("Defunct", ui::vbOKOnly);
    return {};
}

Ref<Object> CGeneral::GetSectorByID(int32_t lSectorID) {
    return Run({"GetSectorByID(lSectorID)", Pass}, ERR_ARGS(lSectorID), [&] {
        if (settings_->FindChild("Sector", "SectorCode", DecimalText(lSectorID))) {
            // The sector's name would be the default value of an object that
            // stands for it; there is no such object.
            settings_->Attribute("SectorName");
            RaiseObjectNotSet();
        }
        return Ref<Object>();
    });
}

std::string CGeneral::LocationSectorCodeList() {
    return List({"LocationSectorCodeList()", Pass}, kSectors, "SectorCode");
}

std::string CGeneral::LocationCountryCodeList() {
    return Run({"LocationCountryCodeList()", Pass}, {}, [&] {
        return OverDistinctCountries(
            [](kqXML& xml) { return xml.AttributeValues(kDistinctCountries, "CountryCode"); });
    });
}

std::string CGeneral::LocationSectorNameList() {
    return List({"LocationSectorNameList()", Pass}, kSectors, "SectorName");
}
