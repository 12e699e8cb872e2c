#include "lists/TreeFill.h"

#include <utility>

#include "lists/ListFill.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/WindowUpdate.h"

namespace listfill {

WindowFreeze::WindowFreeze(const Ref<ITreeView>& tvTree) { frozen_ = ui::LockWindowUpdate(tvTree->hWnd()); }

WindowFreeze::~WindowFreeze() {
    if (!frozen_) return;
    try {
        ui::LockWindowUpdate(0);
    } catch (...) {
        // A host hook that fails on release must not replace the fill's own error.
    }
}

TreeFill::TreeFill(Ref<ITreeNodes> nodes) : nodes_(std::move(nodes)) {}

TreeFill::TreeFill(const Ref<ITreeView>& tvTree) : nodes_(tvTree->Nodes()) {}

Ref<ITreeNode> TreeFill::AddTop(const std::string& sKey, const std::string& sText) {
    return nodes_->Add(Ref<ITreeNode>(), 0, sKey, sText);
}

Ref<ITreeNode> TreeFill::AddRoot(const std::string& sKey, const std::string& sText) {
    Ref<ITreeNode> root = AddTop(sKey, sText);
    root->SetExpanded(true);
    return root;
}

Ref<ITreeNode> TreeFill::AddChild(const std::string& sParentKey, const std::string& sKey,
                                  const std::string& sText) {
    return nodes_->Add(sParentKey, tvwChild, sKey, sText);
}

Ref<ITreeNode> TreeFill::AddChild(const Ref<ITreeNode>& oParent, const std::string& sKey,
                                  const std::string& sText) {
    // Nothing as the parent would make a top-level node; a child needs one.
    if (!oParent) RaiseObjectNotSet();
    return nodes_->Add(oParent, tvwChild, sKey, sText);
}

Ref<ITreeNode> TreeFill::TopOnce(const std::string& sKey, const std::string& sText) {
    return Exists(sKey) ? Node(sKey) : AddTop(sKey, sText);
}

Ref<ITreeNode> TreeFill::ChildOnce(const std::string& sParentKey, const std::string& sKey,
                                   const std::string& sText) {
    return Exists(sKey) ? Node(sKey) : AddChild(sParentKey, sKey, sText);
}

Ref<ITreeNode> TreeFill::ChildOnce(const Ref<ITreeNode>& oParent, const std::string& sKey,
                                   const std::string& sText) {
    return Exists(sKey) ? Node(sKey) : AddChild(oParent, sKey, sText);
}

GroupedRows::GroupedRows(ADODB::Recordset& rs, const GroupingColumns& columns, std::string sLeafPrefix,
                         std::string sRootKey)
    : grouping_(rs.Fields(columns.grouping)),
      code_(rs.Fields(columns.code)),
      name_(rs.Fields(columns.name)),
      groupCode_(rs.Fields(columns.groupCode)),
      groupName_(rs.Fields(columns.groupName)),
      leaf_(std::move(sLeafPrefix)),
      root_(std::move(sRootKey)) {}

Ref<ITreeNode> GroupedRows::Place(TreeFill& tree) {
    if (CBool(grouping_.Value())) {
        std::string key = "G_" + Text(code_);
        if (!tree.Exists(key)) tree.AddChild(root_, key, Text(name_));
        return Ref<ITreeNode>();
    }
    std::string parent = root_;
    // A Null grouping code counts as none.
    if (!groupCode_.IsNull() && groupCode_.AsDouble() != 0) {
        parent = "G_" + Text(groupCode_);
        if (!tree.Exists(parent)) tree.AddChild(root_, parent, Text(groupName_));
    }
    std::string key = leaf_ + Text(code_);
    if (tree.Exists(key)) return Ref<ITreeNode>();
    return tree.AddChild(parent, key, Text(name_));
}

}  // namespace listfill
