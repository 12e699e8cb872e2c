#include "lists/CListWell.h"

std::string CListWell::WellTypeCode(int32_t lID) {
    return wellTypes_.CodeFor("CListWell.IListWell_WellTypeCode(lID)", lID);
}

std::string CListWell::WellTypeDescription(int32_t lID) {
    return wellTypes_.DescriptionFor("CListWell.IListWell_WellTypeDescription(lID)", lID);
}

std::string CListWell::WellStatusCode(int32_t lID) {
    return wellStatuses_.CodeFor("CListWell.IListWell_WellStatusCode(lID)", lID);
}

std::string CListWell::WellStatusDescription(int32_t lID) {
    return wellStatuses_.DescriptionFor("CListWell.IListWell_WellStatusDescription(lID)", lID);
}

std::string CListWell::WellResultCode(int32_t lID) {
    return wellResults_.CodeFor("CListWell.IListWell_WellResultCode(lID)", lID);
}

std::string CListWell::WellResultDescription(int32_t lID) {
    return wellResults_.DescriptionFor("CListWell.IListWell_WellResultDescription(lID)", lID);
}

std::string CListWell::RigNameCode(int32_t lID) {
    return rigNames_.CodeFor("CListWell.IListWell_RigNameCode(lID)", lID);
}

std::string CListWell::RigNameDescription(int32_t lID) {
    return rigNames_.DescriptionFor("CListWell.IListWell_RigNameDescription(lID)", lID);
}

std::string CListWell::WellLocationCode(int32_t lID) {
    return wellLocations_.CodeFor("CListWell.IListWell_WellLocationCode(lID)", lID);
}

std::string CListWell::WellLocationDescription(int32_t lID) {
    return wellLocations_.DescriptionFor("CListWell.IListWell_WellLocationDescription(lID)", lID);
}
