#include "fieldchooser/FieldChooserClasses.h"

#include "core/CreateObject.h"
#include "fieldchooser/CFieldDetail.h"

void RegisterFieldChooserClasses() {
    RegisterClass("cvDataManager.CFieldDetail", MakeFactory<CFieldDetail>());
}
