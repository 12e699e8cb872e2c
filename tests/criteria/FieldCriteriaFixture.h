#pragma once
// A field criteria set bound to the "Field" element of the copy's default
// query file, the fake active query it asks, and a field reference list the
// test fills.
#include <map>
#include <string>

#include "criteria/CField.h"
#include "criteria/CriteriaFixture.h"
#include "interfaces/IListField.h"
#include "interfaces/IParameters.h"
#include "support/FakeLists.h"

// The field list's cached look-ups as a test sets them: an item number
// answers its code and name, an unknown one raises 5, and while nothing was
// set every look-up answers "", as a list never filled does.  Its fills are
// not the set's business and raise 438.
class FakeFieldList final : public IListField {
public:
    enum Kind { Type, Status, Development };
    void Set(Kind kind, int32_t lID, const std::string& sCode, const std::string& sName) {
        entries_[kind][lID] = {sCode, sName};
    }

    std::string FieldTypeCode(int32_t lID) override { return Look(Type, lID).first; }
    std::string FieldTypeDescription(int32_t lID) override { return Look(Type, lID).second; }
    std::string DevelopmentStatusCode(int32_t lID) override { return Look(Status, lID).first; }
    std::string DevelopmentStatusDescription(int32_t lID) override { return Look(Status, lID).second; }
    std::string DevelopmentTypeCode(int32_t lID) override { return Look(Development, lID).first; }
    std::string DevelopmentTypeDescription(int32_t lID) override { return Look(Development, lID).second; }
    void PopulateFieldLocationTree(const Ref<ITreeView>&, const std::string&) override { NotHere(); }
    void PopulateFieldDates(const Ref<IDataTypeChooser>&) override { NotHere(); }
    void PopulateFieldType(const Ref<IListControl>&) override { NotHere(); }
    void PopulateDevelopmentStatus(const Ref<IListControl>&, const std::string&) override { NotHere(); }
    void PopulateDevelopmentType(const Ref<IListControl>&) override { NotHere(); }
    void PopulateHydrocarbonTypes(const Ref<IDataTypeChooser>&, int32_t, int32_t) override { NotHere(); }
    void PopulatePV(const Ref<IDataTypeChooser>&, const std::string&) override { NotHere(); }
    void PopulateCosts(const Ref<IDataTypeChooser>&, int32_t, int32_t) override { NotHere(); }
    void PopulateFieldReservoir(const Ref<IGeologicalAgeControl>&) override { NotHere(); }
    std::string RemainingReservesDiscountDate() override { NotHere(); }
    void PopulateAnnualYears(const Ref<IListControl>&) override { NotHere(); }
    std::string TypeName() const override { return "FakeFieldList"; }

private:
    using Entry = std::pair<std::string, std::string>;
    Entry Look(Kind kind, int32_t lID) {
        if (entries_[kind].empty()) return {};
        auto it = entries_[kind].find(lID);
        if (it == entries_[kind].end()) Raise(rt::kInvalidCall);
        return it->second;
    }
    [[noreturn]] static void NotHere() { Raise(rt::kNoSuchMember); }
    std::map<int32_t, Entry> entries_[3];
};

class FieldCriteriaFixture : public CriteriaFixture {
protected:
    void SetUp() override {
        CriteriaFixture::SetUp();
        query = MakeRootWithFakeQuery();
        lists = New<FakeLists>();
        fieldList = New<FakeFieldList>();
        lists->SetField(fieldList);
        root->SetLists(lists);
        params = ParametersOfDefaultQuery();
        field = params->Field();
    }

    // The markup of the whole query document.
    std::string Xml() const { return params->ParamXML(); }

    Ref<FakeQuery> query;  // the active query
    Ref<FakeLists> lists;
    Ref<FakeFieldList> fieldList;
    Ref<IParameters> params;
    Ref<IField> field;
};
