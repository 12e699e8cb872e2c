#pragma once
// The location reference list: location and basin trees.  Its trees are
// filled straight from the database, so it keeps no look-up cache and holds
// no state of its own.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"

class CListLocation final : public IListLocation, public ShowsErrors<ErrDisplay::A> {
public:
    std::string TypeName() const override { return "CListLocation"; }
};
