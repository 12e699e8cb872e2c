#pragma once
// The host's controls that the library fills: list and combo boxes and the
// tree view with its nodes.  The host owns them; the library drives exactly
// these members.  A control refuses what the real one refuses (a duplicate or
// missing tree key, an index out of range) by raising an Error.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"

// A list box or combo box: rows of text, each with a 32-bit item value.
class IListControl : public virtual Object {
public:
    virtual void Clear() = 0;
    // Appends a row; NewIndex then gives its 0-based index.
    virtual void AddItem(const std::string& sText) = 0;
    // The index of the row added last (-1 when none has been added).
    virtual int32_t NewIndex() = 0;
    virtual int32_t ItemData(int32_t lIndex) = 0;
    virtual void SetItemData(int32_t lIndex, int32_t lData) = 0;
    virtual int32_t ListCount() = 0;
    // The text of the row at the 0-based index.
    virtual std::string List(int32_t lIndex) = 0;
};

// Where Nodes.Add puts a node relative to the node named by its relative key,
// numbered as the common controls number them.
constexpr int32_t tvwFirst = 0;
constexpr int32_t tvwLast = 1;
constexpr int32_t tvwNext = 2;
constexpr int32_t tvwPrevious = 3;
constexpr int32_t tvwChild = 4;

class ITreeNode : public virtual Object {
public:
    virtual std::string Key() = 0;
    virtual std::string Text() = 0;
    virtual Variant Tag() = 0;
    virtual void SetTag(const Variant& vTag) = 0;
    virtual bool Expanded() = 0;
    virtual void SetExpanded(bool bExpanded) = 0;
    // Colours as 0x00BBGGRR values.
    virtual int32_t ForeColor() = 0;
    virtual void SetForeColor(int32_t lColour) = 0;
    virtual int32_t BackColor() = 0;
    virtual void SetBackColor(int32_t lColour) = 0;
    // The number of direct children.
    virtual int32_t Children() = 0;
    // The first child, the next sibling and the parent; Nothing when there is none.
    virtual Ref<ITreeNode> Child() = 0;
    virtual Ref<ITreeNode> Next() = 0;
    virtual Ref<ITreeNode> Parent() = 0;
};

// The nodes of a tree view, reached by their unique keys.
class ITreeNodes : public virtual Object {
public:
    // Adds a node and returns it.  An empty relative key adds a root node;
    // otherwise the node goes where the relationship says, relative to the
    // node with that key (tvwChild: as its last child).
    virtual Ref<ITreeNode> Add(const std::string& sRelative, int32_t lRelationship, const std::string& sKey,
                               const std::string& sText) = 0;
    virtual void Clear() = 0;
    // Removes the node with its whole branch.
    virtual void Remove(const std::string& sKey) = 0;
    virtual int32_t Count() = 0;
    virtual Ref<ITreeNode> Item(const std::string& sKey) = 0;
    virtual bool Exists(const std::string& sKey) = 0;
};

class ITreeView : public virtual Object {
public:
    virtual Ref<ITreeNodes> Nodes() = 0;
    virtual bool Checkboxes() = 0;
    virtual void SetCheckboxes(bool bCheckboxes) = 0;
    // The window handle, for freezing the control's drawing while it is filled.
    virtual int64_t hWnd() = 0;
};
