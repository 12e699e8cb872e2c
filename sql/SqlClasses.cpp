#include "sql/SqlClasses.h"

#include "core/CreateObject.h"
#include "sql/CSQLBuilder.h"
#include "sql/CSQLRenderer.h"

void RegisterSqlClasses() {
    RegisterClass("cvDataManager.CSQLBuilder", MakeFactory<CSQLBuilder>());
    RegisterClass("cvDataManager.CSQLRenderer", MakeFactory<CSQLRenderer>());
}
