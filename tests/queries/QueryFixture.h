#pragma once
// The queries' tests on a stand-in root that hands out a real query manager,
// made by the test and handed the settings' "QueryManager" element as the
// root hands it.
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
};
