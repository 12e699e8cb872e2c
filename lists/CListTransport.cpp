#include "lists/CListTransport.h"

std::string CListTransport::TransportMethodCode(int32_t lID) {
    return transportMethods_.CodeFor("CListTransport.IListTransport_TransportMethodCode(lID)", lID);
}

std::string CListTransport::TransportMethodDescription(int32_t lID) {
    return transportMethods_.DescriptionFor("CListTransport.IListTransport_TransportMethodDescription(lID)",
                                            lID);
}

std::string CListTransport::TransportStatusCode(int32_t lID) {
    return transportStatuses_.CodeFor("CListTransport.IListTransport_TransportStatusCode(lID)", lID);
}

std::string CListTransport::TransportStatusDescription(int32_t lID) {
    return transportStatuses_.DescriptionFor("CListTransport.IListTransport_TransportStatusDescription(lID)",
                                             lID);
}
