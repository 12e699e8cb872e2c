#pragma once
// What the reference lists' tree fills share: freezing the tree's window for
// the length of a fill, adding nodes at the top level or under a parent
// (given by key or as a node), adding a node only when its key is not in the
// tree yet, and the grouping rule of the asset trees (a group row, a row of a
// group, a row without a group).
#include <string>

#include "interfaces/HostControls.h"
#include "platform/ado/Field.h"
#include "platform/runtime/Object.h"

namespace ADODB {
class Recordset;
}

namespace listfill {

// Freezes the drawing of the tree's window (LockWindowUpdate with its hWnd)
// while it lives and releases it (LockWindowUpdate with 0) when it goes,
// however the scope is left, so a fill that fails never leaves the window
// frozen.  Raises what reading hWnd raises; releasing never fails.
class WindowFreeze {
public:
    explicit WindowFreeze(const Ref<ITreeView>& tvTree);
    ~WindowFreeze();
    WindowFreeze(const WindowFreeze&) = delete;
    WindowFreeze& operator=(const WindowFreeze&) = delete;

private:
    bool frozen_ = false;
};

// Adds nodes to one tree.  Each Add raises what the tree raises (a key
// already in it, a parent that is not).
class TreeFill {
public:
    explicit TreeFill(Ref<ITreeNodes> nodes);
    explicit TreeFill(const Ref<ITreeView>& tvTree);

    // A top-level node after the others.
    Ref<ITreeNode> AddTop(const std::string& sKey, const std::string& sText);
    // A top-level node, expanded; nothing asks whether the key is there.
    Ref<ITreeNode> AddRoot(const std::string& sKey = "ROOT", const std::string& sText = "All");
    // The last child of the node with that key.
    Ref<ITreeNode> AddChild(const std::string& sParentKey, const std::string& sKey, const std::string& sText);
    // The last child of that node; raises 91 for Nothing.
    Ref<ITreeNode> AddChild(const Ref<ITreeNode>& oParent, const std::string& sKey, const std::string& sText);
    // The node with the key when the tree holds it, else a new one as above.
    Ref<ITreeNode> TopOnce(const std::string& sKey, const std::string& sText);
    Ref<ITreeNode> ChildOnce(const std::string& sParentKey, const std::string& sKey,
                             const std::string& sText);
    Ref<ITreeNode> ChildOnce(const Ref<ITreeNode>& oParent, const std::string& sKey,
                             const std::string& sText);

    // True when the tree holds the key (looked up, never searched for).
    bool Exists(const std::string& sKey) { return !sKey.empty() && nodes_->Exists(sKey); }
    // The node with the key; raises 35601 when there is none.
    Ref<ITreeNode> Node(const std::string& sKey) { return nodes_->Item(sKey); }
    ITreeNodes& Nodes() { return *nodes_; }

private:
    Ref<ITreeNodes> nodes_;
};

// The columns of a grouped asset tree's rows.
struct GroupingColumns {
    const char* grouping;   // true: the row is a group itself (Null raises 94)
    const char* code;       // the row's code
    const char* name;       // the row's name
    const char* groupCode;  // the code of the row's group; 0 or Null: none
    const char* groupName;  // the name of the row's group
};

// The grouping rule, one row at a time: a group row becomes "G_" & code
// under the root; a row of a group goes under "G_" & group code (made from
// the row's group name when the group's own row has not come yet); any other
// row goes under the root.  Assets are keyed by the leaf prefix and the code.
// Every node is added only when its key is not in the tree, so an asset
// listed twice stays where its first row put it.
class GroupedRows {
public:
    GroupedRows(ADODB::Recordset& rs, const GroupingColumns& columns, std::string sLeafPrefix,
                std::string sRootKey = "ROOT");
    // Places the record set's current row; the asset node it added, or
    // Nothing (a group row, or an asset already in the tree).  Raises what a
    // column or the tree raises.
    Ref<ITreeNode> Place(TreeFill& tree);

private:
    ADODB::Field grouping_, code_, name_, groupCode_, groupName_;
    std::string leaf_;
    std::string root_;
};

}  // namespace listfill
