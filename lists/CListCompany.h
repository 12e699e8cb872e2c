#pragma once
// The company reference list.  Its lists are filled straight from the
// database, so it keeps no look-up cache and holds no state of its own.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"

class CListCompany final : public IListCompany, public ShowsErrors<ErrDisplay::A> {
public:
    std::string TypeName() const override { return "CListCompany"; }
};
