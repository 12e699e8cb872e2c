#pragma once
// The company list: companies and their groups for the host's company criteria screens.
// Every fill clears its control first, shows its own error and returns normally, leaving
// whatever it had added.
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"
#include "platform/runtime/Object.h"

class IListCompany : public virtual Object {
public:
    // Replaces the tree with the parent companies and their subsidiaries below them; shows its error.
    virtual void PopulateCompanyTree(const Ref<ITreeView>& ctlTree) = 0;
    // Replaces the rows with "Operator", "Non-Operator", "Participant"; shows its error.
    virtual void PopulateOperatorStatusList(const Ref<IListControl>& ctl) = 0;
    // Replaces the rows with "Overlapping", "Non-Overlapping", "All"; shows its error.
    virtual void PopulateSearchOptionsList(const Ref<IListControl>& ctl) = 0;
};
