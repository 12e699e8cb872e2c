#pragma once
// The root of the reference lists: it owns one object of each list class
// and the field catalogue, and hands out references to them, never copies,
// so what a list caches is seen by every caller.
//
// The field catalogue lists, per asset type and grid, the columns the grid
// can show: catalogue["Field"]["Annual"]["FIELDS"][field name] is a field
// description; ...["INDICES"] keeps the field chooser's index collections.
// It is built from the database on the first request that succeeds, and
// from then on never rebuilt.
#include <string>

#include "core/ErrorDisplay.h"
#include "interfaces/IDataLists.h"

class CLists final : public IDataLists, public ShowsErrors<ErrDisplay::A> {
public:
    CLists();
    ~CLists() override;

    Ref<IListLocation> Location() override { return location_; }
    Ref<IListCompany> Company() override { return company_; }
    Ref<IListBlock> Block() override { return block_; }
    Ref<IListField> Field() override { return field_; }
    Ref<IListWell> Well() override { return well_; }
    Ref<IListTransport> Transport() override { return transport_; }
    // The field catalogue, built on the first request.  A failed build is
    // shown and gives Nothing, and leaves no catalogue: the next request
    // builds it again.
    Ref<cvCollection> AvailableFields() override;

    std::string TypeName() const override { return "CLists"; }

private:
    void BuildAvailableFields();
    Ref<cvCollection> GetFields(const std::string& sAsset, const std::string& sGrid);

    Ref<IListBlock> block_;
    Ref<IListField> field_;
    Ref<IListWell> well_;
    Ref<IListTransport> transport_;
    Ref<IListCompany> company_;
    Ref<IListLocation> location_;
    Ref<cvCollection> catalogue_;
};
