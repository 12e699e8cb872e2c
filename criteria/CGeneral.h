#pragma once
// The criteria every asset type shares: the companies a query is about
// (below "CompanyDetail") and where the assets lie (below "LocationDetail"),
// both under the query's "General" element.
#include "criteria/CCriteriaSet.h"

class CGeneral final : public IGeneral, public CCriteriaSet {
public:
    static constexpr const char* kCompanyRoot = "CompanyDetail";
    static constexpr const char* kLocationRoot = "LocationDetail";

    CGeneral();

private:
    static const CriteriaSetProfile kProfile;
};
