#pragma once
// Shows a query's general criteria (the chosen companies with their search
// settings, and the chosen locations) as a tree in the host's tree view.  One
// tree view serves every query of the manager, so a rendering updates the
// tree in place and never clears it: the fixed nodes are made once, and each
// branch is rebuilt only when the query holds its element.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/HostControls.h"
#include "interfaces/ISettings2.h"

class CQueryRenderer final : public virtual Object, public ShowsErrors<ErrDisplay::C> {
public:
    // The document holding the query XML.
    void SetQueryDescription(const Ref<ISettings2>& oSettings) { query_ = oSettings; }
    // The host's tree view to render into.
    void SetDescriptionTree(const Ref<ITreeView>& oTree) { tree_ = oTree; }

    // Fills the tree; with no tree view set it does nothing.  A failure is
    // shown, the nodes added before it stay, and the tree's drawing is
    // released all the same.
    void RenderDescriptionTree();

    std::string TypeName() const override { return "CQueryRenderer"; }

private:
    void Base();
    void Companies();
    void Location();
    // Rebuilds an option node with one child holding the option's value, when
    // the query holds the option.
    void OptionBranch(const std::string& sPath, const std::string& sKey, const std::string& sText,
                      const std::string& sValueKey);
    // The node with that key anywhere in the tree, or a new child of sParent;
    // either way expanded.  Returns its key.
    std::string ReuseOrAdd(const std::string& sParent, const std::string& sKey, const std::string& sText);
    bool Exists(const std::string& sKey);

    Ref<ISettings2> query_;
    Ref<ITreeView> tree_;
};
