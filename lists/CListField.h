#pragma once
// The field reference list: field types, development statuses and development
// types (each cached when a fill puts it into a host control, so the look-ups
// can turn a picked row's item number back into its code and name), the field
// location tree, the data-type choices of the field criteria, the geological
// age control, the annual years and the discount date.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

namespace ADODB {
class Recordset;
}

class CListField final : public IListField, public ShowsErrors<ErrDisplay::B> {
public:
    std::string FieldTypeCode(int32_t lID) override;
    std::string FieldTypeDescription(int32_t lID) override;
    std::string DevelopmentStatusCode(int32_t lID) override;
    std::string DevelopmentStatusDescription(int32_t lID) override;
    std::string DevelopmentTypeCode(int32_t lID) override;
    std::string DevelopmentTypeDescription(int32_t lID) override;
    void PopulateFieldLocationTree(const Ref<ITreeView>& tvTree,
                                   const std::string& sSelectedSectors) override;
    void PopulateFieldDates(const Ref<IDataTypeChooser>& ctl) override;
    void PopulateFieldType(const Ref<IListControl>& ctl) override;
    void PopulateDevelopmentStatus(const Ref<IListControl>& ctl, const std::string& sType) override;
    void PopulateDevelopmentType(const Ref<IListControl>& ctl) override;
    void PopulateHydrocarbonTypes(const Ref<IDataTypeChooser>& ctl, int32_t sReserveType,
                                  int32_t lProductionType) override;
    void PopulatePV(const Ref<IDataTypeChooser>& ctl, const std::string& sSymbol) override;
    void PopulateCosts(const Ref<IDataTypeChooser>& ctl, int32_t lRealNominal, int32_t lMode) override;
    void PopulateFieldReservoir(const Ref<IGeologicalAgeControl>& ctl) override;
    std::string RemainingReservesDiscountDate() override;
    void PopulateAnnualYears(const Ref<IListControl>& ctl) override;

    // The caches, filled by the list's fill operations.
    CLookupCache& FieldTypes() { return fieldTypes_; }
    CLookupCache& DevelopmentStatuses() { return developmentStatuses_; }
    CLookupCache& DevelopmentTypes() { return developmentTypes_; }

    std::string TypeName() const override { return "CListField"; }

private:
    // The open record set of the fields of the sectors; raises any error.
    Ref<ADODB::Recordset> GetFieldsInSectors(const std::string& sSectorCodes);

    CLookupCache fieldTypes_;
    CLookupCache developmentStatuses_;
    CLookupCache developmentTypes_;
    // The discount date once read (never reset; empty means not read yet).
    std::string discountDate_;
};
