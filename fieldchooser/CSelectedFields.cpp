#include "fieldchooser/CSelectedFields.h"

#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/Neighbours.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IDataManager.h"
#include "platform/runtime/cvCollection.h"

Ref<IFieldChooser> NewSelectedFields() { return New<CSelectedFields>(); }

CSelectedFields::CSelectedFields() {
    EndHere(*this, "CSelectedFields.Class_Initialize", ERR_ARGS(),
            [&] { catalogue_ = gDataManager()->Lists()->AvailableFields(); });
}
