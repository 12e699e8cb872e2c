#pragma once
// The queries' tests on a stand-in root that hands out a real query manager,
// made by the test and handed the settings' "QueryManager" element as the
// root hands it.
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "queries/CQueryManager.h"
#include "support/FakeRootFixture.h"

class QueryFixture : public FakeRootFixture {
protected:
    // Installs the stand-in root (unless there is one) and plugs a new query
    // manager into it, bound to the settings as they stand now.
    Ref<FakeRoot> MakeRootWithQueries() {
        if (!root) MakeRoot();
        auto manager = New<CQueryManager>();
        manager->Settings(SettingsElement("QueryManager"));
        root->SetQueries(manager);
        return root;
    }
    // The query loaded from the markup (written to a file of the test's) by
    // the manager, so the active one, on a root whose database is open.
    Ref<IQuery> LoadedQuery(const std::string& xml) {
        if (!root) {
            MakeRootWithQueries();
            root->OpenDatabase();
        }
        root->Queries()->Load(data.Write("query.xml", xml));
        return root->Queries()->Query("-1");
    }
};
