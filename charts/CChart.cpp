#include "charts/CChart.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

CChart::CChart() {
    Ref<CTools> tools = gTools();
    queries_ = tools->NewCollection();
    seriesColours_ = tools->NewCollection();
    fieldDefinitions_ = tools->NewCollection();
}

bool CChart::Render(const Ref<ISpreadsheetGrid>&, const Ref<IChartControl>&, const std::string&) {
    Raise(rt::kNoSuchMember, "CChart", "");
}

bool CChart::FieldExists(const Ref<ADODB::Recordset>& rs, const std::string& sFieldName) {
    const std::string wanted = UCase(sFieldName);
    ADODB::FieldCollection& fields = rs->Fields();
    const int32_t count = fields.Count();
    for (int32_t i = 0; i < count; ++i)
        if (UCase(fields.Item(i).Name()) == wanted) return true;
    return false;
}
