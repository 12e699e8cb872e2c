#pragma once
// The root of the reference lists.
#include "interfaces/IDataLists.h"
#include "platform/runtime/cvCollection.h"

class CLists final : public IDataLists {
public:
    CLists() = default;
    Ref<IListLocation> Location() override { return location_; }
    Ref<IListCompany> Company() override { return company_; }
    Ref<IListBlock> Block() override { return block_; }
    Ref<IListField> Field() override { return field_; }
    Ref<IListWell> Well() override { return well_; }
    Ref<IListTransport> Transport() override { return transport_; }
    Ref<cvCollection> AvailableFields() override { return catalogue_; }
    std::string TypeName() const override { return "CLists"; }

private:
    Ref<IListBlock> block_;
    Ref<IListField> field_;
    Ref<IListWell> well_;
    Ref<IListTransport> transport_;
    Ref<IListCompany> company_;
    Ref<IListLocation> location_;
    Ref<cvCollection> catalogue_;
};
