#pragma once
// The company and location criteria every asset type shares (set roots "CompanyDetail" and
// "LocationDetail" below the query's "General" element).  Members in slot order; Modified, which
// stands between Subsiduaries and CompanyCount, is ICriteriaSet's.  "Shows any error" means the
// member shows the error and returns the empty value of its result ("", 0, False, Nothing).
#include <cstdint>
#include <string>

#include "interfaces/ICriteria.h"
#include "platform/runtime/Variant.h"

class IGeneral : public virtual ICriteriaSet {
public:
    // Writes "CompanyDetail/OperatorStatus" ("" deletes it); ignored while the active query is
    // read-only; marks the set changed when the value changed; raises any error.
    virtual void SetOperatorStatus(const std::string& sStatus) = 0;
    // "Operator", "Non-Operator", "Participant" or what was written; "" when absent; raises any error.
    virtual std::string OperatorStatus() = 0;
    // Writes "CompanyDetail/SearchOptions" as SetOperatorStatus does; raises any error.
    virtual void SetSearchOptions(const std::string& sOptions) = 0;
    // "Overlapping", "Non-Overlapping", "All" or what was written; "" when absent; raises any error.
    virtual std::string SearchOptions() = 0;
    // Writes "CompanyDetail/Netting" as SetOperatorStatus does; raises any error.
    virtual void SetNetting(const std::string& sNetting) = 0;
    // The netting choice as written; "" when absent; raises any error.
    virtual std::string Netting() = 0;
    // Writes "True"/"False" to "CompanyDetail/Subsiduaries"; ignored while the active query is
    // read-only; marks the set changed when the value changed; raises any error.
    virtual void SetSubsiduaries(bool bSubsiduaries) = 0;
    // Whether company lists take in the subsidiaries; False when absent; raises &H80041066 naming
    // the element and the text when it is no flag (an empty one too).
    virtual bool Subsiduaries() = 0;

    // The number of selected companies; any error reaches the caller.
    virtual int32_t CompanyCount() = 0;
    // The number of sector items, country-only ones included; any error reaches the caller.
    virtual int32_t SectorCount() = 0;
    // The number of distinct country codes over the sector items; raises any error.
    virtual int32_t CountryCount() = 0;
    // Always 0; never fails.
    virtual int32_t RegionCount() = 0;
    // Puts the palette markup in at "CompanyDetail/CompetitorAnalysis/Permutations"; ignored while
    // the active query is read-only; marks the set changed when the markup changed; shows any error.
    virtual void SetCompanyPermutations(const std::string& sXML) = 0;
    // The markup of ".../Permutations/Palette/Permutations"; "" without a palette; shows any error.
    virtual std::string CompanyPermutations() = 0;
    // Sets "CAPosition" of the selected company; nothing for one not selected; shows its own errors.
    virtual void SetCompanyCAPosition(int32_t lCode, const std::string& sPosition) = 0;
    // The selected company's CA position; "" when none; any error reaches the caller.
    virtual std::string CompanyCAPosition(int32_t lCode) = 0;
    // The code of the company at the CA position; raises 13 when no company holds it.
    virtual int32_t CompanyCodeByCAPosition(const std::string& sPosition) = 0;
    // The number the company's stored code starts with; 0 for a short name no company has or a code
    // that is no number; raises 6 when it exceeds a long integer.
    virtual int32_t CompanyCode(const std::string& sShortName) = 0;
    // Writes "CompanyDetail/Options/CAQuery" as "True"/"False"; ignored while the active query is
    // read-only; marks the set changed; shows its own errors.
    virtual void SetCAQuery(bool bCAQuery) = 0;
    // Whether the query is a competitor analysis; False when absent; raises &H80041066 naming the
    // element and the text when it is no flag.
    virtual bool CAQuery() = 0;
    // Sets the selected company's "Subsidiaries" (a comma list of codes); ignored while the active
    // query is read-only; nothing for a company not selected; shows its own errors.
    virtual void SetCompanySubsidiaries(const std::string& sCode, const std::string& sSubsidiaries) = 0;
    // The selected company's subsidiaries as stored; "" when none; any error reaches the caller.
    virtual std::string CompanySubsidiaries(const std::string& sCode) = 0;
    // The number of company interest ranges; any error reaches the caller.
    virtual int32_t CompanyInterestRangeCount() = 0;
    // The lower bound of the range at the 0-based index, trimmed; "" past the end; shows its own
    // errors.
    virtual std::string CompanyInterestRangeMin(int32_t lIndex) = 0;
    // The upper bound of the range at the 0-based index, trimmed; "" past the end; shows its own
    // errors.
    virtual std::string CompanyInterestRangeMax(int32_t lIndex) = 0;
    // Sets the selected company's "CAStatus"; nothing for one not selected; shows its own errors.
    virtual void SetCompanyCAStatus(int32_t lCode, const std::string& sStatus) = 0;
    // The selected company's CA status as stored; "" when none; any error reaches the caller.
    virtual std::string CompanyCAStatus(int32_t lCode) = 0;
    // The selected company's short name as stored; "" when not selected; any error reaches the caller.
    virtual std::string CompanyShortName(int32_t lCode) = 0;
    // The short names of the companies at the code's CA positions joined by "/", in the code's order,
    // positions no company holds skipped; shows any error and returns "".
    virtual std::string GetCompositeCompanyName(const std::string& sPermutation) = 0;
    // The palette's colour of the permutation; "" when it has none; shows any error and returns "".
    virtual std::string GetPermutationColour(const std::string& sPermutation) = 0;
    // The palette's pattern of the permutation; "" when it has none; shows any error and returns "".
    virtual std::string GetPermutationPattern(const std::string& sPermutation) = 0;
    // Sets "SubsidiaryNames" of the company with the short name; ignored while the active query is
    // read-only; nothing for one not selected; shows its own errors.
    virtual void SetCompanySubsidiaryNames(const std::string& sShortName, const std::string& sNames) = 0;
    // The subsidiary names as stored; "" when none; any error reaches the caller.
    virtual std::string CompanySubsidiaryNames(const std::string& sShortName) = 0;
    // Removes every selected company; ignored while the active query is read-only; raises any error.
    virtual void ClearCompanies() = 0;
    // Selects a company once per code (a second one with the same code is ignored); ignored while
    // the active query is read-only; raises any error.
    virtual void AddCompany(int32_t lCode, const std::string& sName, const std::string& sShortName,
                            int32_t lParentCode) = 0;
    // Removes the selected company, marking the set changed when there was one; ignored while the
    // active query is read-only; raises any error.
    virtual void RemoveCompany(int32_t lCode) = 0;
    // Shows the message "Defunct" and returns Nothing; never fails.
    virtual Ref<Object> GetCompanyByIndex(const Variant& vIndex) = 0;
    // Nothing; never fails.
    virtual Ref<Object> GetCompanyByID(const Variant& vID) = 0;
    // The codes the query filters on: in a competitor analysis the companies at an active
    // permutation's positions, otherwise the selected ones and, with Subsiduaries, their
    // subsidiaries; a tidy comma list; shows any error and returns "".
    virtual std::string CompanyCodesList() = 0;
    // The stored subsidiaries of the selected company with the code, when Subsiduaries and CAQuery
    // are both True; else ""; shows any error (13 for a code that is no number) and returns "".
    virtual std::string SubsidaryCompanyCodesList(const std::string& sCode) = 0;
    // "ID|ParentCode" per selected company with a code, joined by ","; shows any error and returns "".
    virtual std::string CompanyParentCodesList() = 0;
    // Adds a sector with its country and region once per sector code; ignored while the active query
    // is read-only; raises any error.
    virtual void AddSector(int32_t lSectorCode, const std::string& sSectorName,
                           const std::string& sCountryCode, const std::string& sCountryName,
                           const std::string& sRegionCode, const std::string& sRegionName) = 0;
    // Removes the sector, marking the set changed when there was one; ignored while the active query
    // is read-only; raises any error.
    virtual void RemoveSector(int32_t lSectorCode) = 0;
    // Shows the message "Defunct" and returns Nothing; never fails.
    virtual Ref<Object> GetSectorByIndex(const Variant& vIndex) = 0;
    // Nothing when no sector has the code; raises 91 when one has (no object stands for a sector).
    virtual Ref<Object> GetSectorByID(int32_t lSectorID) = 0;
    // The sector codes, joined by ","; country-only items are skipped; raises any error.
    virtual std::string LocationSectorCodeList() = 0;
    // The distinct country codes in the order of their first item, each single-quoted, joined by
    // ","; raises any error.
    virtual std::string LocationCountryCodeList() = 0;
    // The selected companies' short names as stored (quotes became back-quotes), joined by ",";
    // raises any error.
    virtual std::string CompanyNamesList() = 0;
    // Removes every sector and country item; ignored while the active query is read-only; any error
    // reaches the caller.
    virtual void ClearLocations() = 0;
    // The sector names, joined by ","; raises any error.
    virtual std::string LocationSectorNameList() = 0;
    // Adds a range when either bound is not blank, once per lower bound; ignored while the active
    // query is read-only; raises any error.
    virtual void AddCompanyInterestRange(const std::string& sMin, const std::string& sMax) = 0;
    // Removes every interest range; ignored while the active query is read-only; raises any error.
    virtual void ClearCompanyInterestRanges() = 0;
    // The companies of CompanyCodesList whose own one-position permutation is active; shows any error
    // and returns "".
    virtual std::string CAPermutationsCompanyCodesList() = 0;
    // The active permutation codes in palette order, joined by ","; with positions given only codes
    // made of them (letter case ignored); raises &H80041066 for an "Active" text that is no flag.
    virtual std::string ActivePermutationslist(const std::string& sPositions) = 0;
    // The short names of the companies of CompanyCodesList taking part in some active permutation;
    // shows any error and returns "".
    virtual std::string CAPermutationsCompanyNamesList() = 0;
    // The CA positions of the companies named (a comma list of short names), sorted; raises any error.
    virtual std::string CAPermutationCode(const std::string& sCompanies) = 0;
    // Adds an item with only the country code, unless any sector item carries it; ignored while the
    // active query is read-only; shows any error.
    virtual void AddCountryCode(const std::string& sCountryCode) = 0;
    // The selected companies' CA positions, joined by ","; raises any error.
    virtual std::string CompanyCACodesList() = 0;
    // The selected companies' codes, joined by ","; shows any error and returns "".
    virtual std::string SelectedCompaniesList() = 0;
};
