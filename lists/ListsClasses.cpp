#include "lists/ListsClasses.h"

#include "core/CreateObject.h"
#include "lists/CListBlock.h"
#include "lists/CListCompany.h"
#include "lists/CListField.h"
#include "lists/CListLocation.h"
#include "lists/CListTransport.h"
#include "lists/CListWell.h"
#include "lists/CLists.h"

void RegisterListsClasses() {
    RegisterClass("cvDataManager.CListField", MakeFactory<CListField>());
    RegisterClass("cvDataManager.CListWell", MakeFactory<CListWell>());
    RegisterClass("cvDataManager.CListBlock", MakeFactory<CListBlock>());
    RegisterClass("cvDataManager.CListTransport", MakeFactory<CListTransport>());
    RegisterClass("cvDataManager.CListCompany", MakeFactory<CListCompany>());
    RegisterClass("cvDataManager.CListLocation", MakeFactory<CListLocation>());
    RegisterClass("cvDataManager.CLists", MakeFactory<CLists>(), false);
}
