#pragma once
// The criteria's tests on a stand-in root: the active query is a fake that
// only answers whether it is read-only, and the sets under test are bound to
// a query document of their own, as a real query's would be.
#include <vector>

#include "criteria/CParameters.h"
#include "interfaces/IGeneral.h"
#include "support/FakeRootFixture.h"

class CriteriaFixture : public FakeRootFixture {
protected:
    // A parameters container bound to the "Parameters" element of the copy's
    // default query file, loaded into a document of its own.
    Ref<CParameters> ParametersOfDefaultQuery() {
        Ref<ISettings2> doc = gTools()->NewSettingsObject();
        EXPECT_TRUE(doc->Load(data.Path() + "Default/Default.xml"));
        EXPECT_TRUE(doc->Select("Query/Parameters"));
        documents_.push_back(doc);
        auto params = New<CParameters>();
        params->Settings(doc->Node());
        return params;
    }

private:
    std::vector<Ref<ISettings2>> documents_;
};

// The general set of the default query, its writers consulting a fake active query.
class GeneralFixture : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        query = MakeRootWithFakeQuery();
        params = ParametersOfDefaultQuery();
        general = params->General();
    }

    Ref<FakeQuery> query;
    Ref<CParameters> params;
    Ref<IGeneral> general;
};
