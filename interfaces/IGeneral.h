#pragma once
// The company and location criteria every asset type shares (set roots "CompanyDetail" and
// "LocationDetail" below the query's "General" element).
#include "interfaces/ICriteria.h"

class IGeneral : public virtual ICriteriaSet {};
