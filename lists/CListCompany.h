#pragma once
// The company reference list.  Its fill operations arrive with the
// reference-list work; it keeps no look-up cache.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"

class CListCompany final : public IListCompany, public ShowsErrors<ErrDisplay::A> {
public:
    std::string TypeName() const override { return "CListCompany"; }
};
