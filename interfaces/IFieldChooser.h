#pragma once
// The field chooser: the user's grid columns per asset type and grid, and
// the description of one column.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class IFieldChooser : public virtual Object {};

// One column of one result grid, as the host, the column selection and the
// charts read it.  DefaultUnit falls back to the default unit of the column's
// unit category while none was set.
class IDisplayField : public virtual Object {
public:
    virtual std::string GridType() = 0;
    virtual std::string AssetType() = 0;
    virtual std::string FieldName() = 0;
    virtual std::string DisplayName() = 0;
    virtual std::string Description() = 0;
    virtual std::string Category() = 0;
    virtual std::string DefaultUnit() = 0;
    virtual void SetDefaultUnit(const std::string& sValue) = 0;
    virtual std::string DataType() = 0;
    virtual std::string FormatString() = 0;
    virtual bool Visible() = 0;
    virtual void SetVisible(bool bValue) = 0;
    virtual int32_t Sequence() = 0;
    virtual void SetSequence(int32_t lValue) = 0;
    virtual int32_t ColumnWidth() = 0;
    virtual void SetColumnWidth(int32_t lValue) = 0;
    virtual int32_t NetValueStatus() = 0;
    virtual int32_t Mandatory() = 0;
    virtual bool MultiLine() = 0;
    virtual bool Hidden() = 0;
    virtual bool RollupValue() = 0;
    virtual bool RollUpOnly() = 0;
    virtual bool CAOnly() = 0;
    virtual bool AnnualRow() = 0;
    virtual bool MergeColumn() = 0;
    virtual bool HideInFieldChooser() = 0;
    virtual bool FrozenColumnInGrid() = 0;
    virtual bool WrapColumn() = 0;
    // The catalogue key: always the current FieldName.
    virtual std::string Key() = 0;
};

// The field description's own interface, through which the catalogue fills
// it.  It reads only a few properties back; DefaultUnit and BaseUnit cannot
// be read through it.
class IFieldDetail : public virtual Object {
public:
    virtual bool MultiLine() = 0;
    virtual void SetMultiLine(bool bValue) = 0;
    virtual void SetDescription(const std::string& sValue) = 0;
    virtual void SetAssetType(const std::string& sValue) = 0;
    virtual void SetBaseUnit(const std::string& sValue) = 0;
    virtual void SetDataType(const std::string& sValue) = 0;
    virtual void SetDefaultUnit(const std::string& sValue) = 0;
    virtual void SetDisplayName(const std::string& sValue) = 0;
    virtual void SetFieldName(const std::string& sValue) = 0;
    virtual void SetFormatString(const std::string& sValue) = 0;
    virtual void SetGridType(const std::string& sValue) = 0;
    virtual void SetSequence(int32_t lValue) = 0;
    virtual void SetVisible(bool bValue) = 0;
    virtual void SetHidden(bool bValue) = 0;
    virtual void SetRollupValue(bool bValue) = 0;
    virtual void SetRollUpOnly(bool bValue) = 0;
    virtual void SetCAOnly(bool bValue) = 0;
    virtual void SetAnnualRow(bool bValue) = 0;
    virtual void SetMergeColumn(bool bValue) = 0;
    virtual void SetHideInFieldChooser(bool bValue) = 0;
    virtual void SetFrozenColumnInGrid(bool bValue) = 0;
    virtual void SetWrapColumn(bool bValue) = 0;
    virtual int32_t IDisplayField_ColumnWidth() = 0;
    virtual std::string Category() = 0;
    virtual void SetCategory(const std::string& sValue) = 0;
    virtual int32_t Mandatory() = 0;
    virtual void SetMandatory(int32_t lValue) = 0;
    virtual int32_t NetValueStatus() = 0;
    virtual void SetNetValueStatus(int32_t lValue) = 0;
    virtual std::string Key() = 0;
};
