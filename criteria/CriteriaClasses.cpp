#include "criteria/CriteriaClasses.h"

#include "core/CreateObject.h"
#include "criteria/CBlock.h"
#include "criteria/CField.h"
#include "criteria/CGeneral.h"
#include "criteria/CParameters.h"
#include "criteria/CTransport.h"
#include "criteria/CWell.h"

void RegisterCriteriaClasses() {
    RegisterClass("cvDataManager.CParameters", MakeFactory<CParameters>());
    RegisterClass("cvDataManager.CGeneral", MakeFactory<CGeneral>());
    RegisterClass("cvDataManager.CField", MakeFactory<CField>());
    RegisterClass("cvDataManager.CBlock", MakeFactory<CBlock>());
    RegisterClass("cvDataManager.CWell", MakeFactory<CWell>());
    RegisterClass("cvDataManager.CTransport", MakeFactory<CTransport>());
}
