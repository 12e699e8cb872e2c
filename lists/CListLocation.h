#pragma once
// The location reference list: the location tree (regions, their countries
// and their sectors) and the basin tree.  Its trees are filled straight from
// the database, so it keeps no look-up cache and holds no state of its own.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"

class CListLocation final : public IListLocation, public ShowsErrors<ErrDisplay::A> {
public:
    void PopulateLocationTree(const Ref<ITreeView>& ctlTree) override;
    void PopulateBasinTree(const Ref<ITreeView>& tvTree) override;

    std::string TypeName() const override { return "CListLocation"; }
};
