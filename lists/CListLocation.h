#pragma once
// The location reference list: location and basin trees.  Its fill operations arrive with the
// reference-list work; it keeps no look-up cache.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"

class CListLocation final : public IListLocation, public ShowsErrors<ErrDisplay::A> {
public:
    std::string TypeName() const override { return "CListLocation"; }
};
