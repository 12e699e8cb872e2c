#pragma once
// The criteria's tests on a stand-in root: the active query is a fake that
// only answers whether it is read-only, and the sets under test are bound to
// a query document of their own, as a real query's would be.
#include <string>
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

    // A new set of type S bound to the element sElement ("Transport") of a
    // query document of its own that holds sDetail below that element, as a
    // query file loaded from disk would hand it over; `doc` receives the
    // document.
    template <class S>
    Ref<S> BindSet(const std::string& sElement, const std::string& sDetail, Ref<ISettings2>& doc) {
        doc = gTools()->NewSettingsObject();
        const std::string open = "<" + sElement + ">", close = "</" + sElement + ">";
        EXPECT_TRUE(doc->LoadXML("<Query><Parameters>" + open + sDetail + close + "</Parameters></Query>"));
        EXPECT_TRUE(doc->Select("Query/Parameters/" + sElement));
        auto set = New<S>();
        set->Settings(doc->Node());
        return set;
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
