#include "sql/SqlClasses.h"

#include "core/CreateObject.h"
#include "sql/CSQLBuilder.h"

void RegisterSqlClasses() { RegisterClass("cvDataManager.CSQLBuilder", MakeFactory<CSQLBuilder>()); }
