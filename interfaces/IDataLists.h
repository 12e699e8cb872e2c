#pragma once
// The reference lists: the lists root and the six list objects with their
// cached code and description look-ups.
#include <cstdint>
#include <string>

#include "platform/runtime/Object.h"

class cvCollection;

class IListField : public virtual Object {
public:
    virtual std::string FieldTypeCode(int32_t lID) = 0;
    virtual std::string FieldTypeDescription(int32_t lID) = 0;
    virtual std::string DevelopmentStatusCode(int32_t lID) = 0;
    virtual std::string DevelopmentStatusDescription(int32_t lID) = 0;
    virtual std::string DevelopmentTypeCode(int32_t lID) = 0;
    virtual std::string DevelopmentTypeDescription(int32_t lID) = 0;
};

class IListWell : public virtual Object {
public:
    virtual std::string WellTypeCode(int32_t lID) = 0;
    virtual std::string WellTypeDescription(int32_t lID) = 0;
    virtual std::string WellStatusCode(int32_t lID) = 0;
    virtual std::string WellStatusDescription(int32_t lID) = 0;
    virtual std::string WellResultCode(int32_t lID) = 0;
    virtual std::string WellResultDescription(int32_t lID) = 0;
    virtual std::string RigNameCode(int32_t lID) = 0;
    virtual std::string RigNameDescription(int32_t lID) = 0;
    virtual std::string WellLocationCode(int32_t lID) = 0;
    virtual std::string WellLocationDescription(int32_t lID) = 0;
};

class IListBlock : public virtual Object {
public:
    virtual std::string LicenceStatusCode(int32_t lID) = 0;
    virtual std::string LicenceStatusDescription(int32_t lID) = 0;
    virtual std::string LicenceAreaStatusCode(int32_t lID) = 0;
    virtual std::string LicenceAreaStatusDescription(int32_t lID) = 0;
};

class IListTransport : public virtual Object {
public:
    virtual std::string TransportMethodCode(int32_t lID) = 0;
    virtual std::string TransportMethodDescription(int32_t lID) = 0;
    virtual std::string TransportStatusCode(int32_t lID) = 0;
    virtual std::string TransportStatusDescription(int32_t lID) = 0;
};

class IListCompany : public virtual Object {};
class IListLocation : public virtual Object {};

class IDataLists : public virtual Object {
public:
    virtual Ref<IListLocation> Location() = 0;
    virtual Ref<IListCompany> Company() = 0;
    virtual Ref<IListBlock> Block() = 0;
    virtual Ref<IListField> Field() = 0;
    virtual Ref<IListWell> Well() = 0;
    virtual Ref<IListTransport> Transport() = 0;
    virtual Ref<cvCollection> AvailableFields() = 0;
};
