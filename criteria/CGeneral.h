#pragma once
// The criteria every asset type shares: the companies a query is about
// (below "CompanyDetail") and where the assets lie (below "LocationDetail"),
// both under the query's "General" element.  Besides the companies and
// sectors it keeps the competitor-analysis palette: which combinations of
// companies (permutations, named by the companies' one-character CA
// positions) are active, with their colours and patterns.
#include "criteria/CCriteriaSet.h"
#include "interfaces/IGeneral.h"

class CGeneral final : public IGeneral, public CCriteriaSet {
public:
    static constexpr const char* kCompanyRoot = "CompanyDetail";
    static constexpr const char* kLocationRoot = "LocationDetail";

    CGeneral();

    void SetOperatorStatus(const std::string& sStatus) override;
    std::string OperatorStatus() override;
    void SetSearchOptions(const std::string& sOptions) override;
    std::string SearchOptions() override;
    void SetNetting(const std::string& sNetting) override;
    std::string Netting() override;
    void SetSubsiduaries(bool bSubsiduaries) override;
    bool Subsiduaries() override;
    int32_t CompanyCount() override;
    int32_t SectorCount() override;
    int32_t CountryCount() override;
    int32_t RegionCount() override;
    void SetCompanyPermutations(const std::string& sXML) override;
    std::string CompanyPermutations() override;
    void SetCompanyCAPosition(int32_t lCode, const std::string& sPosition) override;
    std::string CompanyCAPosition(int32_t lCode) override;
    int32_t CompanyCodeByCAPosition(const std::string& sPosition) override;
    int32_t CompanyCode(const std::string& sShortName) override;
    void SetCAQuery(bool bCAQuery) override;
    bool CAQuery() override;
    void SetCompanySubsidiaries(const std::string& sCode, const std::string& sSubsidiaries) override;
    std::string CompanySubsidiaries(const std::string& sCode) override;
    int32_t CompanyInterestRangeCount() override;
    std::string CompanyInterestRangeMin(int32_t lIndex) override;
    std::string CompanyInterestRangeMax(int32_t lIndex) override;
    void SetCompanyCAStatus(int32_t lCode, const std::string& sStatus) override;
    std::string CompanyCAStatus(int32_t lCode) override;
    std::string CompanyShortName(int32_t lCode) override;
    std::string GetCompositeCompanyName(const std::string& sPermutation) override;
    std::string GetPermutationColour(const std::string& sPermutation) override;
    std::string GetPermutationPattern(const std::string& sPermutation) override;
    void SetCompanySubsidiaryNames(const std::string& sShortName, const std::string& sNames) override;
    std::string CompanySubsidiaryNames(const std::string& sShortName) override;
    void ClearCompanies() override;
    void AddCompany(int32_t lCode, const std::string& sName, const std::string& sShortName,
                    int32_t lParentCode) override;
    void RemoveCompany(int32_t lCode) override;
    Ref<Object> GetCompanyByIndex(const Variant& vIndex) override;
    Ref<Object> GetCompanyByID(const Variant& vID) override;
    std::string CompanyCodesList() override;
    std::string SubsidaryCompanyCodesList(const std::string& sCode) override;
    std::string CompanyParentCodesList() override;
    void AddSector(int32_t lSectorCode, const std::string& sSectorName, const std::string& sCountryCode,
                   const std::string& sCountryName, const std::string& sRegionCode,
                   const std::string& sRegionName) override;
    void RemoveSector(int32_t lSectorCode) override;
    Ref<Object> GetSectorByIndex(const Variant& vIndex) override;
    Ref<Object> GetSectorByID(int32_t lSectorID) override;
    std::string LocationSectorCodeList() override;
    std::string LocationCountryCodeList() override;
    std::string CompanyNamesList() override;
    void ClearLocations() override;
    std::string LocationSectorNameList() override;
    void AddCompanyInterestRange(const std::string& sMin, const std::string& sMax) override;
    void ClearCompanyInterestRanges() override;
    std::string CAPermutationsCompanyCodesList() override;
    std::string ActivePermutationslist(const std::string& sPositions) override;
    std::string CAPermutationsCompanyNamesList() override;
    std::string CAPermutationCode(const std::string& sCompanies) override;
    void AddCountryCode(const std::string& sCountryCode) override;
    std::string CompanyCACodesList() override;
    std::string SelectedCompaniesList() override;

private:
    static const CriteriaSetProfile kProfile;

    // A direct single value below "CompanyDetail" (operator status, search
    // options, netting): written as given, deleted when empty.
    void SetDirectValue(const char* sPath, const char* sDeletePath, const std::string& sValue);
    std::string DirectValue(const char* sPath);
    // The distinct-country items over the whole document, counted or listed.
    template <class Read>
    auto OverDistinctCountries(Read&& read);
};
