#include "lists/CListBlock.h"

std::string CListBlock::LicenceStatusCode(int32_t lID) {
    return licenceStatuses_.CodeFor("CListBlock.IListBlock_LicenceStatusCode(lID)", lID);
}

std::string CListBlock::LicenceStatusDescription(int32_t lID) {
    return licenceStatuses_.DescriptionFor("CListBlock.IListBlock_LicenceStatusDescription(lID)", lID);
}

std::string CListBlock::LicenceAreaStatusCode(int32_t lID) {
    return licenceAreaStatuses_.CodeFor("CListBlock.IListBlock_LicenceAreaStatusCode(lID)", lID);
}

std::string CListBlock::LicenceAreaStatusDescription(int32_t lID) {
    return licenceAreaStatuses_.DescriptionFor("CListBlock.IListBlock_LicenceAreaStatusDescription(lID)",
                                               lID);
}
