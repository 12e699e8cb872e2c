#include "fieldchooser/CFieldDetail.h"

#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "platform/units/Units.h"

std::string CFieldDetail::DefaultUnit() {
    if (defaultUnit_.empty() && !category_.empty())
        defaultUnit_ = gDataManager()->Units()->DefaultUnit(category_);
    return defaultUnit_;
}
