#include "queries/QueriesClasses.h"

#include "core/CreateObject.h"
#include "queries/CFilteredCompany.h"
#include "queries/CQuery.h"
#include "queries/CQueryManager.h"
#include "queries/CQueryRenderer.h"

void RegisterQueriesClasses() {
    RegisterClass("cvDataManager.CQueryRenderer", MakeFactory<CQueryRenderer>());
    RegisterClass("cvDataManager.CFilteredCompany", MakeFactory<CFilteredCompany>());
    RegisterClass("cvDataManager.CQueryManager", MakeFactory<CQueryManager>(), false);
    RegisterClass("cvDataManager.CQuery", MakeFactory<CQuery>(), false);
}
