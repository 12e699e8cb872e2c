#include "charts/ChartUnitDetails.h"

#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IFieldChooser.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"

void ReadUnitDetails(const std::string& sColumnName, const std::string& sGridName, std::string& sCategory,
                     std::string& sDefaultUnit) {
    if (sColumnName.empty() || sGridName.empty()) return;
    const Ref<IDataManager>& root = gDataManager();
    Ref<IQuery> query = Ref<IQueryManager>(root->Queries())->Query("-1");
    const std::string sAssetType = query->QueryType();
    Ref<IDisplayField> field =
        Ref<IFieldChooser>(root->FieldChooser())->Field(sAssetType, sGridName, sColumnName);
    // Both are read before either is stored, so a failing read leaves the pair as it was.
    std::string category = field->Category();
    std::string unit = field->DefaultUnit();
    sCategory = std::move(category);
    sDefaultUnit = std::move(unit);
}
