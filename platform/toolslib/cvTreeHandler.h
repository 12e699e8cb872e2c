#pragma once
// Tree-view helpers of the control-handler component.
#include <cstdint>
#include <string>

#include "interfaces/HostControls.h"

class cvTreeHandler : public virtual Object {
public:
    // True when the tree holds a node with that key anywhere; asked before a
    // node is added, since adding a key twice is refused.
    bool NodeExists(const Ref<ITreeView>& oTree, const std::string& sKey);
    // Colours the node and every node below it.
    void ColourBranch(const Ref<ITreeNode>& oNode, int32_t lForeColour, int32_t lBackColour);
};
