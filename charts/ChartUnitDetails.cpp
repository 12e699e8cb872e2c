#include "charts/ChartUnitDetails.h"

#include <vector>

#include "core/Globals.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"

namespace {

// The item of a catalogue level under a key; Nothing when there is none.
Ref<cvCollection> Child(const Ref<cvCollection>& level, const std::string& sKey) {
    if (!level || !level->Exists(sKey)) return {};
    return level->Item(Variant(sKey)).ToObject<cvCollection>();
}

bool HasField(const Ref<cvCollection>& catalogue, const std::string& sAssetType, const std::string& sGridName,
              const std::string& sColumnName) {
    Ref<cvCollection> fields = Child(Child(Child(catalogue, sAssetType), sGridName), "FIELDS");
    return fields && fields->Exists(sColumnName);
}

// A chart tied to a column that the query's asset type lacks is a chart of
// other assets: said so here, where both are known, before the field chooser
// is asked for a field it does not have.
void CheckAssetType(const std::string& sColumnName, const std::string& sGridName,
                    const std::string& sAssetType) {
    Ref<cvCollection> catalogue = gDataManager()->Lists()->AvailableFields();
    if (!catalogue || HasField(catalogue, sAssetType, sGridName, sColumnName)) return;
    std::vector<std::string> owners;
    for (int32_t i = 1; i <= catalogue->Count(); ++i) {
        const std::string type = catalogue->KeyAt(i);
        if (HasField(catalogue, type, sGridName, sColumnName)) owners.push_back(type);
    }
    const std::string column =
        "the column " + VisibleText(sColumnName) + " of the " + VisibleText(sGridName) + " grid";
    if (owners.empty())
        Raise(rt::kInvalidCall, "",
              "no asset type has " + column + " (the active query finds " + VisibleText(sAssetType) +
                  " assets)");
    Raise(rt::kInvalidCall, "",
          "it is a chart of " + Join(owners, " and ") + " assets (" + column +
              "), and the active query finds " + VisibleText(sAssetType) + " assets");
}

}  // namespace

void ReadUnitDetails(const std::string& sColumnName, const std::string& sGridName, std::string& sCategory,
                     std::string& sDefaultUnit) {
    if (sColumnName.empty() || sGridName.empty()) return;
    const Ref<IDataManager>& root = gDataManager();
    Ref<IQuery> query = Ref<IQueryManager>(root->Queries())->Query("-1");
    const std::string sAssetType = query->QueryType();
    CheckAssetType(sColumnName, sGridName, sAssetType);
    Ref<IDisplayField> field =
        Ref<IFieldChooser>(root->FieldChooser())->Field(sAssetType, sGridName, sColumnName);
    // Both are read before either is stored, so a failing read leaves the pair as it was.
    std::string category = field->Category();
    std::string unit = field->DefaultUnit();
    sCategory = std::move(category);
    sDefaultUnit = std::move(unit);
}
