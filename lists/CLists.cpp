#include "lists/CLists.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/RequiredOption.h"
#include "fieldchooser/CFieldDetail.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/_cvDataManager.h"
#include "lists/CListBlock.h"
#include "lists/CListCompany.h"
#include "lists/CListField.h"
#include "lists/CListLocation.h"
#include "lists/CListTransport.h"
#include "lists/CListWell.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/cvData.h"

namespace {

// The grids of each asset type, in the order the catalogue holds them.
struct AssetGrids {
    const char* asset;
    std::initializer_list<const char*> grids;
};
const AssetGrids kCatalogue[] = {
    {"Block", {"Assets", "Ownership"}},
    {"Field", {"Assets", "Ownership", "Annual"}},
    {"Well", {"Assets", "Ownership"}},
    {"Transport", {"Assets", "Ownership"}},
};

}  // namespace

CLists::CLists() {
    block_ = New<CListBlock>();
    field_ = New<CListField>();
    well_ = New<CListWell>();
    transport_ = New<CListTransport>();
    company_ = New<CListCompany>();
    location_ = New<CListLocation>();
}

CLists::~CLists() {
    block_.Reset();
    field_.Reset();
    well_.Reset();
    transport_.Reset();
    company_.Reset();
    location_.Reset();
}

Ref<cvCollection> CLists::AvailableFields() {
    return EndHere(*this, "CLists.IDataLists_AvailableFields", ERR_ARGS(), [&] {
        if (!catalogue_) BuildAvailableFields();
        return catalogue_;
    });
}

void CLists::BuildAvailableFields() {
    PassOn("CLists.BuildAvailableFields()", ERR_ARGS(), [&] {
        gDataManagerObject()->SetStatusMessage("Loading Terralith - Building Field Lists...");
        // Built aside and attached only when complete: a failed build leaves
        // no half catalogue behind, so the next request builds it again
        // instead of answering for good without the asset types it missed.
        Ref<cvCollection> catalogue = gTools()->NewCollection();
        for (const AssetGrids& asset : kCatalogue) {
            Ref<cvCollection> grids = gTools()->NewCollection();
            for (const char* grid : asset.grids) grids->Add(Variant(GetFields(asset.asset, grid)), grid);
            catalogue->Add(Variant(grids), asset.asset);
        }
        catalogue_ = catalogue;
    });
}

Ref<cvCollection> CLists::GetFields(const std::string& sAsset, const std::string& sGrid) {
    return PassOn("CLists.GetFields(sAsset,sGrid)", ERR_ARGS(sAsset, sGrid), [&] {
        Ref<CTools> tools = gTools();
        Ref<cvData> data = tools->Data();
        std::string sql = RequiredOption("SQL_FIELD_CHOOSER_FIELDS");
        sql = Replace(Replace(sql, "<Grid>", sGrid), "<Asset>", sAsset);

        Ref<ADODB::Recordset> rs = tools->NewADODBRecordset();
        rs->Open(sql, gDataManagerObject()->Connection(), 3, 1);

        auto text = [&](const char* column, const char* fallback = "") {
            return data->TextOrDefault(rs->Fields(Variant(column)).Value(), Variant(fallback));
        };
        auto number = [&](const char* column) {
            return CLng(data->ValueOrDefault(rs->Fields(Variant(column)).Value(), Variant(int16_t{0})));
        };
        auto flag = [&](const char* column) {
            return CBool(data->ValueOrDefault(rs->Fields(Variant(column)).Value(), Variant(false)));
        };

        Ref<cvCollection> fields = tools->NewCollection();
        while (!rs->Eof()) {
            Ref<IFieldDetail> detail = New<CFieldDetail>();
            detail->SetGridType(sGrid);
            detail->SetAssetType(sAsset);
            detail->SetFieldName(text("Field_Name"));
            detail->SetDisplayName(text("Display_Name"));
            detail->SetDescription(text("Description"));
            detail->SetDataType(text("DataType", "String"));
            detail->SetFormatString(text("FormatString"));
            detail->SetCategory(text("Category"));
            detail->SetNetValueStatus(number("NetValueStatus"));
            detail->SetMandatory(number("Mandatory"));
            detail->SetMultiLine(flag("MultiLine"));
            // Left empty: the first read fills it from the unit category.
            detail->SetDefaultUnit("");
            // A pinned column starts at its pinned position.
            detail->SetSequence(detail->Mandatory());
            detail->SetMergeColumn(flag("MergeColumn"));
            detail->SetVisible(false);
            detail->SetHidden(flag("ParticipantRollUpHide"));
            detail->SetHideInFieldChooser(flag("HideInFieldChooser"));
            detail->SetFrozenColumnInGrid(flag("FixedOnGrid"));
            detail->SetWrapColumn(flag("WrapColumn"));
            if (flag("ParticipantRollUponly")) {
                detail->SetRollUpOnly(true);
                detail->SetVisible(true);
            }
            if (flag("CompetitorAnalysisOnly")) {
                detail->SetCAOnly(true);
                detail->SetVisible(true);
            }
            if (flag("FieldAnnualRow")) {
                detail->SetAnnualRow(true);
                detail->SetVisible(true);
            }
            fields->Add(Variant(detail), detail->Key());
            rs->MoveNext();
        }

        Ref<cvCollection> grid = tools->NewCollection();
        grid->Add(Variant(fields), "FIELDS");
        grid->Add(Variant(tools->NewCollection()), "INDICES");
        return grid;
    });
}
