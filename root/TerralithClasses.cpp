#include "root/TerralithClasses.h"

#include <mutex>

#include "charts/ChartsClasses.h"
#include "core/CTools.h"
#include "core/CreateObject.h"
#include "criteria/CriteriaClasses.h"
#include "fieldchooser/FieldChooserClasses.h"
#include "lists/ListsClasses.h"
#include "queries/QueriesClasses.h"
#include "root/cvDataManager.h"
#include "sql/SqlClasses.h"

void RegisterTerralithClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterClass("cvDataManager.cvDataManager", [] { return Ref<Object>(cvDataManager::Create()); });
        RegisterClass("cvDataManager.CTools", MakeFactory<CTools>(), false);
        RegisterSqlClasses();
        RegisterCriteriaClasses();
        RegisterQueriesClasses();
        RegisterListsClasses();
        RegisterFieldChooserClasses();
        RegisterChartsClasses();
    });
}
