#pragma once
// The reference lists as a test plugs them into a FakeRoot: the field
// catalogue is whatever collection the test built, and each list is whatever
// object the test handed over (Nothing until then).
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "interfaces/IDataLists.h"

// What one fake reference list's look-ups answer: the code and name a fill
// gave each item number.  Before the first Fill both are "" for any number,
// as a list never filled answers; after it a number never filled raises 5.
class FakeLookupCache {
public:
    // Caches the code and name under the item number.
    void Fill(int32_t lID, const std::string& sCode, const std::string& sName);
    // The code at the item number; "" before a fill; raises 5 for a number not filled.
    std::string Code(int32_t lID) const { return Part(lID).first; }
    // The name at the item number; "" before a fill; raises 5 for a number not filled.
    std::string Description(int32_t lID) const { return Part(lID).second; }

private:
    std::pair<std::string, std::string> Part(int32_t lID) const;

    bool filled_ = false;
    std::map<int32_t, std::pair<std::string, std::string>> items_;
};

class FakeLists final : public IDataLists {
public:
    // Sets the collection AvailableFields gives.
    void SetAvailableFields(const Ref<cvCollection>& oCatalogue) { catalogue_ = oCatalogue; }
    // Makes AvailableFields raise lNumber with sDescription; 0 makes it answer again.
    void FailAvailableFields(int32_t lNumber, const std::string& sDescription = "");
    // How many times AvailableFields was asked, failed requests included.
    int32_t AvailableFieldsRequests() const { return requests_; }
    // Plugs in the object Location hands out.
    void SetLocation(const Ref<IListLocation>& oList) { location_ = oList; }
    // Plugs in the object Company hands out.
    void SetCompany(const Ref<IListCompany>& oList) { company_ = oList; }
    // Plugs in the object Block hands out.
    void SetBlock(const Ref<IListBlock>& oList) { block_ = oList; }
    // Plugs in the object Field hands out.
    void SetField(const Ref<IListField>& oList) { field_ = oList; }
    // Plugs in the object Well hands out.
    void SetWell(const Ref<IListWell>& oList) { well_ = oList; }
    // Plugs in the object Transport hands out.
    void SetTransport(const Ref<IListTransport>& oList) { transport_ = oList; }

    // What SetLocation plugged in; Nothing until then.
    Ref<IListLocation> Location() override { return location_; }
    // What SetCompany plugged in; Nothing until then.
    Ref<IListCompany> Company() override { return company_; }
    // What SetBlock plugged in; Nothing until then.
    Ref<IListBlock> Block() override { return block_; }
    // What SetField plugged in; Nothing until then.
    Ref<IListField> Field() override { return field_; }
    // What SetWell plugged in; Nothing until then.
    Ref<IListWell> Well() override { return well_; }
    // What SetTransport plugged in; Nothing until then.
    Ref<IListTransport> Transport() override { return transport_; }
    // Counts the request, then raises what FailAvailableFields set or gives what SetAvailableFields set.
    Ref<cvCollection> AvailableFields() override;

    std::string TypeName() const override { return "FakeLists"; }

private:
    Ref<cvCollection> catalogue_;
    int32_t failNumber_ = 0;
    std::string failDescription_;
    int32_t requests_ = 0;
    Ref<IListLocation> location_;
    Ref<IListCompany> company_;
    Ref<IListBlock> block_;
    Ref<IListField> field_;
    Ref<IListWell> well_;
    Ref<IListTransport> transport_;
};
