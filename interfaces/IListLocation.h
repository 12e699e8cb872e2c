#pragma once
// The location list: regions, countries, sectors and basins for the host's location
// criteria screens.  A fill that "shows" its error hands it to the error report and returns
// normally, leaving whatever it had added in the tree.
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"
#include "platform/runtime/Object.h"

class IListLocation : public virtual Object {
public:
    // Adds the regions, their countries and their sectors that the tree does not hold yet; shows its
    // error.
    virtual void PopulateLocationTree(const Ref<ITreeView>& ctlTree) = 0;
    // Adds the top node "ROOT" ("All"), expanded; shows its error (a tree that holds "ROOT" is one).
    virtual void PopulateBasinTree(const Ref<ITreeView>& tvTree) = 0;
};
