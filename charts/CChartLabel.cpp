#include "charts/CChartLabel.h"

#include "charts/ChartUnitDetails.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"

int32_t CChartLabel::DecimalPlaces() { return CLng(Variant(decimalPlaces_)); }

void CChartLabel::SetDecimalPlaces(int32_t lValue) { decimalPlaces_ = CStr(Variant(lValue)); }

void CChartLabel::ParseUnitDetails() { ReadUnitDetails(columnName_, gridName_, category_, defaultUnit_); }
