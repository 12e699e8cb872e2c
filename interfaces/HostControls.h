#pragma once
// The host's controls that the library fills: list and combo boxes, the tree
// view with its nodes, the data-type chooser and the geological-age control.
// The host owns them; the library drives exactly these members.  A control
// refuses what the real one refuses (a duplicate or missing tree key, an
// index out of range) by raising an Error with the number the common
// controls use.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"
#include "platform/runtime/cvCollection.h"

// What every control has: the name the host's form gives it.
class IHostControl : public virtual Object {
public:
    // The control's name; read when an error is recorded, so it never fails.
    virtual std::string Name() = 0;
};

// A list box or combo box: rows of text, each with a 32-bit item value.
class IListControl : public virtual IHostControl {
public:
    // Removes every row; NewIndex is -1 afterwards.  Never fails.
    virtual void Clear() = 0;
    // Adds a row (a sorted control puts it in its place); NewIndex then gives
    // its 0-based index.  Never fails.
    virtual void AddItem(const std::string& sText) = 0;
    // The 0-based index of the row added last; -1 when none has been added
    // since the control was made or cleared.
    virtual int32_t NewIndex() = 0;
    // The item value of the row at the 0-based index; raises 381 when there is no such row.
    virtual int32_t ItemData(int32_t lIndex) = 0;
    // Sets the item value of the row at the 0-based index; raises 381 when there is no such row.
    virtual void SetItemData(int32_t lIndex, int32_t lData) = 0;
    // The number of rows.
    virtual int32_t ListCount() = 0;
    // The text of the row at the 0-based index; raises 381 when there is no such row.
    virtual std::string List(int32_t lIndex) = 0;
};

// Where Nodes.Add puts a node relative to the node named by its relative key,
// numbered as the common controls number them.
constexpr int32_t tvwFirst = 0;     // first among the relative's siblings
constexpr int32_t tvwLast = 1;      // last among the relative's siblings
constexpr int32_t tvwNext = 2;      // right after the relative
constexpr int32_t tvwPrevious = 3;  // right before the relative
constexpr int32_t tvwChild = 4;     // last child of the relative

class ITreeNode : public virtual Object {
public:
    // The node's key; empty for a node added without one.
    virtual std::string Key() = 0;
    // The text the tree shows.
    virtual std::string Text() = 0;
    // The value the host or the library attached; Empty until set.
    virtual Variant Tag() = 0;
    // Attaches any value to the node.  Never fails.
    virtual void SetTag(const Variant& vTag) = 0;
    // True when the node shows its children.
    virtual bool Expanded() = 0;
    // Shows or hides the node's children.  Never fails.
    virtual void SetExpanded(bool bExpanded) = 0;
    // The text colour as a 0x00BBGGRR value (or a system colour until set).
    virtual int32_t ForeColor() = 0;
    // Sets the text colour.  Never fails.
    virtual void SetForeColor(int32_t lColour) = 0;
    // The background colour as a 0x00BBGGRR value (or a system colour until set).
    virtual int32_t BackColor() = 0;
    // Sets the background colour.  Never fails.
    virtual void SetBackColor(int32_t lColour) = 0;
    // The number of direct children.
    virtual int32_t Children() = 0;
    // The first child; Nothing when there is none.
    virtual Ref<ITreeNode> Child() = 0;
    // The next sibling; Nothing for the last one or a node no longer in a tree.
    virtual Ref<ITreeNode> Next() = 0;
    // The parent; Nothing for a top-level node or a node no longer in a tree.
    virtual Ref<ITreeNode> Parent() = 0;
};

// The nodes of a tree view, reached by their unique keys (compared with
// regard to case: "Probable" and "PROBABLE" are two keys).
class ITreeNodes : public virtual Object {
public:
    // Adds a node and returns it.  An empty relative adds a top-level node
    // after the others; otherwise the node goes where the relationship says,
    // relative to the node with that key.  Raises 35601 when the relative is
    // not in the tree, 380 for an unknown relationship, 35602 when the key is
    // already in the tree.  An empty key adds a node that has none.
    virtual Ref<ITreeNode> Add(const std::string& sRelative, int32_t lRelationship, const std::string& sKey,
                               const std::string& sText) = 0;
    // The same with the relative given as a node (Nothing: top level); raises
    // 35601 when that node is not in this tree, and as above.
    virtual Ref<ITreeNode> Add(const Ref<ITreeNode>& oRelative, int32_t lRelationship,
                               const std::string& sKey, const std::string& sText) = 0;
    // Removes every node.  Never fails.
    virtual void Clear() = 0;
    // Removes the node with its whole branch; raises 35601 when the key is not in the tree.
    virtual void Remove(const std::string& sKey) = 0;
    // The number of nodes at every level.
    virtual int32_t Count() = 0;
    // The node with that key; raises 35601 when there is none.
    virtual Ref<ITreeNode> Item(const std::string& sKey) = 0;
    // True when a node with that key is anywhere in the tree.
    virtual bool Exists(const std::string& sKey) = 0;
};

class ITreeView : public virtual IHostControl {
public:
    // The tree's nodes.  Never fails.
    virtual Ref<ITreeNodes> Nodes() = 0;
    // True when the nodes show check boxes.
    virtual bool Checkboxes() = 0;
    // Shows or hides check boxes on the nodes.  Never fails.
    virtual void SetCheckboxes(bool bCheckboxes) = 0;
    // The window handle, non-zero and the tree's own, for freezing its
    // drawing while it is filled.  Never fails.
    virtual int64_t hWnd() = 0;
};

// The chooser of the column a range criterion applies to: rows of a display
// name, a column name and, for measured values, a unit caption or a quantity
// name and a unit label.
class IDataTypeChooser : public virtual IHostControl {
public:
    // Removes every row.  Never fails.
    virtual void Clear(bool bClearAll) = 0;
    // Adds a row of a display name and a column name (dates).  Never fails.
    virtual void AddDataType(const std::string& sDisplayName, const std::string& sColumnName) = 0;
    // Adds a row with a unit caption (present values, costs).  Never fails.
    virtual void AddDataType(const std::string& sDisplayName, const std::string& sColumnName,
                             const std::string& sUnitCaption) = 0;
    // Adds a row with the quantity the units component knows and the label
    // of its unit (reserves, production, pipeline specifications).  Never fails.
    virtual void AddDataType(const std::string& sDisplayName, const std::string& sColumnName,
                             const std::string& sQuantity, const std::string& sUnitLabel) = 0;
};

// The chooser of reservoir ages: three code lists (items "code|name" under
// the code) and a tree of eras, their periods and their formations.
class IGeologicalAgeControl : public virtual IHostControl {
public:
    // The era codes last set; Nothing until set.
    virtual Ref<cvCollection> Eras() = 0;
    // Replaces the era codes (Nothing is accepted).  Never fails.
    virtual void SetEras(const Ref<cvCollection>& oEras) = 0;
    // The period codes last set; Nothing until set.
    virtual Ref<cvCollection> Periods() = 0;
    // Replaces the period codes (Nothing is accepted).  Never fails.
    virtual void SetPeriods(const Ref<cvCollection>& oPeriods) = 0;
    // The formation codes last set; Nothing until set.
    virtual Ref<cvCollection> Formations() = 0;
    // Replaces the formation codes (Nothing is accepted).  Never fails.
    virtual void SetFormations(const Ref<cvCollection>& oFormations) = 0;
    // The age tree's nodes.  Never fails.
    virtual Ref<ITreeNodes> Nodes() = 0;
};
