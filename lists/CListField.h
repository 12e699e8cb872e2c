#pragma once
// The field reference list: field types, development statuses and development types.
// Each coded list is cached when a fill puts it into a host control; the
// look-ups turn a picked row's item number back into its code and name.
#include <cstdint>
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"
#include "lists/CLookupCache.h"

class CListField final : public IListField, public ShowsErrors<ErrDisplay::B> {
public:
    std::string FieldTypeCode(int32_t lID) override;
    std::string FieldTypeDescription(int32_t lID) override;
    std::string DevelopmentStatusCode(int32_t lID) override;
    std::string DevelopmentStatusDescription(int32_t lID) override;
    std::string DevelopmentTypeCode(int32_t lID) override;
    std::string DevelopmentTypeDescription(int32_t lID) override;

    // The caches, filled by the list's fill operations.
    CLookupCache& FieldTypes() { return fieldTypes_; }
    CLookupCache& DevelopmentStatuses() { return developmentStatuses_; }
    CLookupCache& DevelopmentTypes() { return developmentTypes_; }

    std::string TypeName() const override { return "CListField"; }

private:
    CLookupCache fieldTypes_;
    CLookupCache developmentStatuses_;
    CLookupCache developmentTypes_;
};
