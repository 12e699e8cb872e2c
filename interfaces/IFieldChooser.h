#pragma once
// The field chooser: the user's grid columns per asset type and grid, and
// the description of one column.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class cvCollection;
class IDisplayField;

// The user's columns per asset type and grid: which of the catalogue's
// columns each of the nine result grids shows, in which order, with which
// unit and width, and each grid's year range; loaded from and saved to the
// grid layout file.  A grid is named by its asset type ("Block", "Field",
// "Well", "Transport") and grid type ("Assets", "Ownership", and for "Field"
// also "Annual").  The chosen columns of a grid are the index
// "FIELD_SEQUENCE_INDEX": entry "I_<n>" holds the key of the column at
// position n, positions 1 to Count without gaps, and each chosen field's
// Sequence says its position.  A member that "shows" a failure puts it in a
// message box titled "Error" and returns its empty result (0, False, "" or
// Nothing) without changing anything.
class IFieldChooser : public virtual Object {
public:
    // The index's Count plus 1, the position a new column would take; raises what the catalogue
    // look-up raises for an unknown grid.
    virtual int32_t NextIndex(const std::string& sAssetType, const std::string& sGridType) = 0;
    // Remembers sFile and loads the grid layout file into every grid; shows &H80041850 for a missing
    // file, &H8004183B for one that is no layout (the chooser then unchanged) or lacks a grid.
    virtual void SetLayoutFile(const std::string& sFile) = 0;
    // The catalogue's field sFieldID of the grid, the live object; shows an unknown one, giving Nothing.
    virtual Ref<IDisplayField> Field(const std::string& sAssetType, const std::string& sGridType,
                                     const std::string& sFieldID) = 0;
    // The grid's available fields keyed by field name, the catalogue's own collection; shows an unknown
    // grid, giving Nothing.
    virtual Ref<cvCollection> Fields(const std::string& sAssetType, const std::string& sGridType) = 0;
    // A new collection of the chosen fields in column order, each once (at its later position); shows
    // a failure, giving Nothing, never part of the list.
    virtual Ref<cvCollection> ActiveFields(const std::string& sAssetType, const std::string& sGridType) = 0;
    // The grid's named index collection, made empty on its first request, the live one; shows an
    // unknown grid, giving Nothing.
    virtual Ref<cvCollection> Index(const std::string& sAssetType, const std::string& sGridType,
                                    const std::string& sIndex) = 0;
    // Stores the grid's first year ("From") in the layout document, unchanged; shows a failure (no
    // layout file loaded yet, a grid that is not one of the nine).
    virtual void SetAnnualFromYear(const std::string& sAssetType, const std::string& sGridType,
                                   const std::string& sYear) = 0;
    // The grid's first year as stored; shows a failure (none stored, no layout file), giving "".
    virtual std::string AnnualFromYear(const std::string& sAssetType, const std::string& sGridType) = 0;
    // Stores the grid's last year ("To") in the layout document, unchanged; shows a failure as
    // SetAnnualFromYear does.
    virtual void SetAnnualToYear(const std::string& sAssetType, const std::string& sGridType,
                                 const std::string& sYear) = 0;
    // The grid's last year as stored; shows a failure (none stored, no layout file), giving "".
    virtual std::string AnnualToYear(const std::string& sAssetType, const std::string& sGridType) = 0;
    // Stores the grid's all-years flag ("All") as decimal text; shows a failure as SetAnnualFromYear does.
    virtual void SetAllYears(const std::string& sAssetType, const std::string& sGridType, int32_t lValue) = 0;
    // The number at the start of "All", halves to even, 0 when there is none; shows a failure (none
    // stored, no layout file, beyond a Long), giving 0.
    virtual int32_t AllYears(const std::string& sAssetType, const std::string& sGridType) = 0;
    // Removes the column at lSeq and closes up behind it; False when there is none, or after the
    // "Mandatory Field" box for a pinned column; shows a failure, giving False.
    virtual bool RemoveFieldFromSeqIndex(const std::string& sAssetType, const std::string& sGridType,
                                         int32_t lSeq) = 0;
    // Adds sFieldID as a column in front of the columns pinned to the end (and in "Annual" of the
    // trailing annual rows) and returns its position; shows an unknown field, giving 0, unchanged.
    virtual int32_t AddFieldToSeqIndex(const std::string& sAssetType, const std::string& sGridType,
                                       const std::string& sFieldID) = 0;
    // Writes every grid's columns and the rest of the layout document to sFile (written beside it and
    // renamed over it); a grid that fails is shown and left as the document had it; raises 91 before
    // any layout file was loaded, &H8004183B when the document held is no layout, else what writing raises.
    virtual void Save(const std::string& sFile) = 0;
    // Swaps the column with the one in front of it and returns its position; 0 after a box refusing a
    // pinned column or an annual/non-annual mix, or for a field not chosen; shows a failure, giving 0.
    virtual int32_t MoveUp(const std::string& sAssetType, const std::string& sGridType,
                           const std::string& sFieldID) = 0;
    // Swaps the column with the one behind it and returns its position; 0 as for MoveUp.
    virtual int32_t MoveDown(const std::string& sAssetType, const std::string& sGridType,
                             const std::string& sFieldID) = 0;
    // Removes every column that is not pinned; the pinned ones close up from position 1; shows a failure.
    virtual void ClearAll(const std::string& sAssetType, const std::string& sGridType) = 0;
};

// One column of one result grid, as the host, the column selection and the
// charts read it.  DefaultUnit falls back to the default unit of the column's
// unit category while none was set.
class IDisplayField : public virtual Object {
public:
    // The grid type: "Assets", "Ownership" or "Annual"; never fails.
    virtual std::string GridType() = 0;
    // The asset type: "Block", "Field", "Well" or "Transport"; never fails.
    virtual std::string AssetType() = 0;
    // The column's identifier within its grid; never fails.
    virtual std::string FieldName() = 0;
    // The column's name shown to the user; never fails.
    virtual std::string DisplayName() = 0;
    // The column's description; never fails.
    virtual std::string Description() = 0;
    // The unit category of its values; "" for a column without units; never fails.
    virtual std::string Category() = 0;
    // The unit set, else the category's default unit from the root's units component, then kept; ""
    // without a category; raises &H80041837 for an unknown category, 91 without a root.
    virtual std::string DefaultUnit() = 0;
    // Replaces the unit; "" makes the next read ask the units component again; never fails.
    virtual void SetDefaultUnit(const std::string& sValue) = 0;
    // The name of the column's data type; never fails.
    virtual std::string DataType() = 0;
    // The column's display format; never fails.
    virtual std::string FormatString() = 0;
    // The visibility flag held for the host; never fails.
    virtual bool Visible() = 0;
    // Stores the visibility flag; never fails.
    virtual void SetVisible(bool bValue) = 0;
    // The column's position in its grid, 1 the first; never fails.
    virtual int32_t Sequence() = 0;
    // Stores the position; never fails.
    virtual void SetSequence(int32_t lValue) = 0;
    // The column's width as the grid layout keeps it; never fails.
    virtual int32_t ColumnWidth() = 0;
    // Stores the width; never fails.
    virtual void SetColumnWidth(int32_t lValue) = 0;
    // The net-value status held for the host; never fails.
    virtual int32_t NetValueStatus() = 0;
    // 0 for a free column, else the pinned position (negative: from the last); never fails.
    virtual int32_t Mandatory() = 0;
    // The multi-line flag held for the host; never fails.
    virtual bool MultiLine() = 0;
    // The hidden flag held for the host; never fails.
    virtual bool Hidden() = 0;
    // The roll-up value flag held for the host; never fails.
    virtual bool RollupValue() = 0;
    // The roll-up-only flag held for the host; never fails.
    virtual bool RollUpOnly() = 0;
    // The competitor-analysis-only flag held for the host; never fails.
    virtual bool CAOnly() = 0;
    // True for a column of the annual rows, kept together in "Annual" grids; never fails.
    virtual bool AnnualRow() = 0;
    // The merge flag held for the host; never fails.
    virtual bool MergeColumn() = 0;
    // The flag held for the host that hides the column from the chooser; never fails.
    virtual bool HideInFieldChooser() = 0;
    // The flag held for the host that fixes the column on the grid; never fails.
    virtual bool FrozenColumnInGrid() = 0;
    // The wrap flag held for the host; never fails.
    virtual bool WrapColumn() = 0;
    // The catalogue key: always the current FieldName; never fails.
    virtual std::string Key() = 0;
};

// The field description's own interface, through which the catalogue fills
// it.  It reads only a few properties back; DefaultUnit and BaseUnit cannot
// be read through it.  Every member only stores or reads a value.
class IFieldDetail : public virtual Object {
public:
    // The multi-line flag; never fails.
    virtual bool MultiLine() = 0;
    // Stores MultiLine unchanged; never fails.
    virtual void SetMultiLine(bool bValue) = 0;
    // Stores Description unchanged; never fails.
    virtual void SetDescription(const std::string& sValue) = 0;
    // Stores AssetType unchanged; never fails.
    virtual void SetAssetType(const std::string& sValue) = 0;
    // Stores BaseUnit unchanged; never fails.
    virtual void SetBaseUnit(const std::string& sValue) = 0;
    // Stores DataType unchanged; never fails.
    virtual void SetDataType(const std::string& sValue) = 0;
    // Stores DefaultUnit unchanged; never fails.
    virtual void SetDefaultUnit(const std::string& sValue) = 0;
    // Stores DisplayName unchanged; never fails.
    virtual void SetDisplayName(const std::string& sValue) = 0;
    // Stores FieldName unchanged; never fails.
    virtual void SetFieldName(const std::string& sValue) = 0;
    // Stores FormatString unchanged; never fails.
    virtual void SetFormatString(const std::string& sValue) = 0;
    // Stores GridType unchanged; never fails.
    virtual void SetGridType(const std::string& sValue) = 0;
    // Stores Sequence unchanged; never fails.
    virtual void SetSequence(int32_t lValue) = 0;
    // Stores Visible unchanged; never fails.
    virtual void SetVisible(bool bValue) = 0;
    // Stores Hidden unchanged; never fails.
    virtual void SetHidden(bool bValue) = 0;
    // Stores RollupValue unchanged; never fails.
    virtual void SetRollupValue(bool bValue) = 0;
    // Stores RollUpOnly unchanged; never fails.
    virtual void SetRollUpOnly(bool bValue) = 0;
    // Stores CAOnly unchanged; never fails.
    virtual void SetCAOnly(bool bValue) = 0;
    // Stores AnnualRow unchanged; never fails.
    virtual void SetAnnualRow(bool bValue) = 0;
    // Stores MergeColumn unchanged; never fails.
    virtual void SetMergeColumn(bool bValue) = 0;
    // Stores HideInFieldChooser unchanged; never fails.
    virtual void SetHideInFieldChooser(bool bValue) = 0;
    // Stores FrozenColumnInGrid unchanged; never fails.
    virtual void SetFrozenColumnInGrid(bool bValue) = 0;
    // Stores WrapColumn unchanged; never fails.
    virtual void SetWrapColumn(bool bValue) = 0;
    // The width IDisplayField::ColumnWidth reads; never fails.
    virtual int32_t IDisplayField_ColumnWidth() = 0;
    // The unit category; never fails.
    virtual std::string Category() = 0;
    // Stores Category unchanged; never fails.
    virtual void SetCategory(const std::string& sValue) = 0;
    // The pinned position, 0 for a free column; never fails.
    virtual int32_t Mandatory() = 0;
    // Stores Mandatory unchanged; never fails.
    virtual void SetMandatory(int32_t lValue) = 0;
    // The net-value status; never fails.
    virtual int32_t NetValueStatus() = 0;
    // Stores NetValueStatus unchanged; never fails.
    virtual void SetNetValueStatus(int32_t lValue) = 0;
    // The catalogue key: always the current FieldName; never fails.
    virtual std::string Key() = 0;
};
