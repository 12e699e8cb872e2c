#pragma once
// The reference lists: the lists root and the six list objects with their
// cached code and description look-ups.
//
// A look-up turns the item number a fill gave a row of the host's control
// back into that row's code or name.  It answers "" while its list was never
// filled, raises 5 for a number the last fill never handed out, and passes
// any error on.  The development status, rig name and well location lists
// answer for their latest fill; the others keep their first one.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class cvCollection;

class IListField : public virtual Object {
public:
    // The code of the field type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string FieldTypeCode(int32_t lID) = 0;
    // The name of the field type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string FieldTypeDescription(int32_t lID) = 0;
    // The code of the development status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentStatusCode(int32_t lID) = 0;
    // The name of the development status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentStatusDescription(int32_t lID) = 0;
    // The code of the development type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentTypeCode(int32_t lID) = 0;
    // The name of the development type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string DevelopmentTypeDescription(int32_t lID) = 0;
};

class IListWell : public virtual Object {
public:
    // The code of the well type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellTypeCode(int32_t lID) = 0;
    // The name of the well type row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellTypeDescription(int32_t lID) = 0;
    // The code of the well status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellStatusCode(int32_t lID) = 0;
    // The name of the well status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellStatusDescription(int32_t lID) = 0;
    // The code of the well result row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellResultCode(int32_t lID) = 0;
    // The name of the well result row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellResultDescription(int32_t lID) = 0;
    // The code of the rig name row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string RigNameCode(int32_t lID) = 0;
    // The name of the rig name row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string RigNameDescription(int32_t lID) = 0;
    // The code of the well location row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellLocationCode(int32_t lID) = 0;
    // The name of the well location row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string WellLocationDescription(int32_t lID) = 0;
};

class IListBlock : public virtual Object {
public:
    // The code of the licence status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceStatusCode(int32_t lID) = 0;
    // The name of the licence status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceStatusDescription(int32_t lID) = 0;
    // The code of the licence-area status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceAreaStatusCode(int32_t lID) = 0;
    // The name of the licence-area status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string LicenceAreaStatusDescription(int32_t lID) = 0;
};

class IListTransport : public virtual Object {
public:
    // The code of the transport method row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportMethodCode(int32_t lID) = 0;
    // The name of the transport method row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportMethodDescription(int32_t lID) = 0;
    // The code of the transport status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportStatusCode(int32_t lID) = 0;
    // The name of the transport status row with that item number; "" before a fill; raises 5 if unknown.
    virtual std::string TransportStatusDescription(int32_t lID) = 0;
};

class IListCompany : public virtual Object {};
class IListLocation : public virtual Object {};

// Each list is one object for the life of the root, handed out by reference,
// so what one caller fills every caller sees.
class IDataLists : public virtual Object {
public:
    // The location list; never fails.
    virtual Ref<IListLocation> Location() = 0;
    // The company list; never fails.
    virtual Ref<IListCompany> Company() = 0;
    // The block list; never fails.
    virtual Ref<IListBlock> Block() = 0;
    // The field list; never fails.
    virtual Ref<IListField> Field() = 0;
    // The well list; never fails.
    virtual Ref<IListWell> Well() = 0;
    // The transport list; never fails.
    virtual Ref<IListTransport> Transport() = 0;
    // The field catalogue, built from the database on the first request and kept once complete; a
    // failed build is shown and gives Nothing, leaving no catalogue: the next request builds again.
    virtual Ref<cvCollection> AvailableFields() = 0;
};
