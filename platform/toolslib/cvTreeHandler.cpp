#include "cvTreeHandler.h"

#include <vector>

bool cvTreeHandler::NodeExists(const Ref<ITreeView>& oTree, const std::string& sKey) {
    Ref<ITreeNodes> nodes = oTree->Nodes();
    return !sKey.empty() && nodes->Exists(sKey);
}

void cvTreeHandler::ColourBranch(const Ref<ITreeNode>& oNode, int32_t lForeColour, int32_t lBackColour) {
    // Walked with an explicit stack: a deep query description must not
    // exhaust the call stack.
    if (!oNode) RaiseObjectNotSet();
    std::vector<Ref<ITreeNode>> pending{oNode};
    while (!pending.empty()) {
        Ref<ITreeNode> node = pending.back();
        pending.pop_back();
        node->SetForeColor(lForeColour);
        node->SetBackColor(lBackColour);
        for (Ref<ITreeNode> child = node->Child(); child; child = child->Next()) pending.push_back(child);
    }
}
