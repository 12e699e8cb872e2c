#pragma once
// The company reference list: the operator-status and search-option lists
// (fixed texts, the very values the company criteria compare against) and
// the company tree of parents with their subsidiaries.  Every fill clears its
// control first, so it holds no state of its own.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"

class CListCompany final : public IListCompany, public ShowsErrors<ErrDisplay::A> {
public:
    void PopulateCompanyTree(const Ref<ITreeView>& ctlTree) override;
    void PopulateOperatorStatusList(const Ref<IListControl>& ctl) override;
    void PopulateSearchOptionsList(const Ref<IListControl>& ctl) override;

    std::string TypeName() const override { return "CListCompany"; }
};
