#include "lists/CListField.h"

std::string CListField::FieldTypeCode(int32_t lID) {
    return fieldTypes_.CodeFor("CListField.IListField_FieldTypeCode(lID)", lID);
}

std::string CListField::FieldTypeDescription(int32_t lID) {
    return fieldTypes_.DescriptionFor("CListField.IListField_FieldTypeDescription(lID)", lID);
}

std::string CListField::DevelopmentStatusCode(int32_t lID) {
    return developmentStatuses_.CodeFor("CListField.IListField_DevelopmentStatusCode(lID)", lID);
}

std::string CListField::DevelopmentStatusDescription(int32_t lID) {
    return developmentStatuses_.DescriptionFor("CListField.IListField_DevelopmentStatusDescription(lID)",
                                               lID);
}

std::string CListField::DevelopmentTypeCode(int32_t lID) {
    return developmentTypes_.CodeFor("CListField.IListField_DevelopmentTypeCode(lID)", lID);
}

std::string CListField::DevelopmentTypeDescription(int32_t lID) {
    return developmentTypes_.DescriptionFor("CListField.IListField_DevelopmentTypeDescription(lID)", lID);
}
