#include "fieldchooser/CSelectedFields.h"

#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IDataManager.h"
#include "platform/runtime/cvCollection.h"

CSelectedFields::CSelectedFields() {
    EndHere(*this, "CSelectedFields.Class_Initialize", ERR_ARGS(),
            [&] { catalogue_ = gDataManager()->Lists()->AvailableFields(); });
}
