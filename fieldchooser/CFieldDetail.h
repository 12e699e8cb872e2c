#pragma once
// One column of one result grid of one asset type: a property holder, filled
// by the field catalogue through its own interface and read through
// IDisplayField.  Its one derived value: DefaultUnit falls back to the
// default unit of the column's unit category, which the first such read
// fixes.  No member handles errors.
#include <cstdint>
#include <string>

#include "interfaces/IFieldChooser.h"

class CFieldDetail final : public IFieldDetail, public IDisplayField {
public:
    // Both interfaces
    bool MultiLine() override { return multiLine_; }
    std::string Category() override { return category_; }
    int32_t Mandatory() override { return mandatory_; }
    int32_t NetValueStatus() override { return netValueStatus_; }
    std::string Key() override { return fieldName_; }
    void SetDefaultUnit(const std::string& sValue) override { defaultUnit_ = sValue; }
    void SetVisible(bool bValue) override { visible_ = bValue; }
    void SetSequence(int32_t lValue) override { sequence_ = lValue; }

    // IFieldDetail
    void SetMultiLine(bool bValue) override { multiLine_ = bValue; }
    void SetDescription(const std::string& sValue) override { description_ = sValue; }
    void SetAssetType(const std::string& sValue) override { assetType_ = sValue; }
    void SetBaseUnit(const std::string& sValue) override { baseUnit_ = sValue; }
    void SetDataType(const std::string& sValue) override { dataType_ = sValue; }
    void SetDisplayName(const std::string& sValue) override { displayName_ = sValue; }
    void SetFieldName(const std::string& sValue) override { fieldName_ = sValue; }
    void SetFormatString(const std::string& sValue) override { formatString_ = sValue; }
    void SetGridType(const std::string& sValue) override { gridType_ = sValue; }
    void SetHidden(bool bValue) override { hidden_ = bValue; }
    void SetRollupValue(bool bValue) override { rollupValue_ = bValue; }
    void SetRollUpOnly(bool bValue) override { rollUpOnly_ = bValue; }
    void SetCAOnly(bool bValue) override { caOnly_ = bValue; }
    void SetAnnualRow(bool bValue) override { annualRow_ = bValue; }
    void SetMergeColumn(bool bValue) override { mergeColumn_ = bValue; }
    void SetHideInFieldChooser(bool bValue) override { hideInFieldChooser_ = bValue; }
    void SetFrozenColumnInGrid(bool bValue) override { frozenColumnInGrid_ = bValue; }
    void SetWrapColumn(bool bValue) override { wrapColumn_ = bValue; }
    int32_t IDisplayField_ColumnWidth() override { return columnWidth_; }
    void SetCategory(const std::string& sValue) override { category_ = sValue; }
    void SetMandatory(int32_t lValue) override { mandatory_ = lValue; }
    void SetNetValueStatus(int32_t lValue) override { netValueStatus_ = lValue; }

    // IDisplayField
    std::string GridType() override { return gridType_; }
    std::string AssetType() override { return assetType_; }
    std::string FieldName() override { return fieldName_; }
    std::string DisplayName() override { return displayName_; }
    std::string Description() override { return description_; }
    // The unit set, or else the category's default unit from the root's
    // units component, which is then kept.
    std::string DefaultUnit() override;
    std::string DataType() override { return dataType_; }
    std::string FormatString() override { return formatString_; }
    bool Visible() override { return visible_; }
    int32_t Sequence() override { return sequence_; }
    int32_t ColumnWidth() override { return columnWidth_; }
    void SetColumnWidth(int32_t lValue) override { columnWidth_ = lValue; }
    bool Hidden() override { return hidden_; }
    bool RollupValue() override { return rollupValue_; }
    bool RollUpOnly() override { return rollUpOnly_; }
    bool CAOnly() override { return caOnly_; }
    bool AnnualRow() override { return annualRow_; }
    bool MergeColumn() override { return mergeColumn_; }
    bool HideInFieldChooser() override { return hideInFieldChooser_; }
    bool FrozenColumnInGrid() override { return frozenColumnInGrid_; }
    bool WrapColumn() override { return wrapColumn_; }

    std::string TypeName() const override { return "CFieldDetail"; }

private:
    std::string gridType_, assetType_, fieldName_, displayName_, description_, category_;
    std::string baseUnit_, defaultUnit_, dataType_, formatString_;
    bool visible_ = false;
    int32_t sequence_ = 0;
    int32_t columnWidth_ = 0;
    int32_t netValueStatus_ = 0;
    int32_t mandatory_ = 0;
    bool multiLine_ = false, hidden_ = false, rollupValue_ = false, rollUpOnly_ = false, caOnly_ = false;
    bool annualRow_ = false, mergeColumn_ = false, hideInFieldChooser_ = false, frozenColumnInGrid_ = false;
    bool wrapColumn_ = false;
};
