#pragma once
// The reference lists: the lists root hands out the six list objects, which
// fill the host's controls and answer cached code and description look-ups.
// The development status, rig name and well location lists answer for their
// latest fill; the others keep their first one.
#include "interfaces/IListBlock.h"
#include "interfaces/IListCompany.h"
#include "interfaces/IListField.h"
#include "interfaces/IListLocation.h"
#include "interfaces/IListTransport.h"
#include "interfaces/IListWell.h"
#include "platform/runtime/Object.h"

class cvCollection;

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
