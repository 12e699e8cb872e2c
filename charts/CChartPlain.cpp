// The working routines every drawing road shares: a chart query opened for
// the host's asset codes, a plain bar or line series written point by point,
// grid cells by type, and the limits.
#include <algorithm>
#include <string>

#include "charts/CChart.h"
#include "charts/ChartAxisFormat.h"
#include "charts/ChartCellFormat.h"
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "core/mTL5ErrorCodes.h"
#include "interfaces/IDataManager.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"
#include "sql/SqlValues.h"

Ref<ADODB::Recordset> CChart::ExecuteQuery(const std::string& sSQL, const std::string& sAssetCodes,
                                           int32_t lQuery) {
    return EndHere(
        *this, "CChart.ExecuteQuery(sSQL, sAssetCodes)", ERR_ARGS(sSQL, sAssetCodes),
        [&]() -> Ref<ADODB::Recordset> {
            // The codes come from the host: only a list of numbers reaches the statement.
            const std::string sql = ReplacePlaceholder(sSQL, "ASSET_CODE", SqlCodeList(sAssetCodes));
            Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
            try {
                rs->Open(sql, gDataManagerObject()->Connection(), 3, 1);
            } catch (const Error& e) {
                // A statement the engine finds too big, or an argument it cannot take, is a
                // chart without data, not a fault to show.
                if (e.Number() == ERR_DB_E_FAIL || e.Number() == ERR_DB_E_INVALIDARG) return {};
                // The engine's message alone does not say which chart's statement failed,
                // nor which of its statements.
                const std::string place = definitionName_.empty()
                                              ? "Query " + std::to_string(lQuery)
                                              : definitionName_ + ", query " + std::to_string(lQuery);
                throw Error(e.Number(), e.Source(), place + ": " + e.Description(), e.HelpFile(),
                            e.HelpContext());
            }
            return rs;
        });
}

void CChart::PopulateAxisData(const Ref<ISpreadsheetGrid>& sprData, const Ref<IChartControl>& chChart,
                              const Ref<ADODB::Recordset>& rs, const Ref<IChartAxis>& oAxis,
                              int32_t lChartGroup) {
    PassOn("CChart.PopulateAxisData(sprData, chChart, rs, oAxis, lChartGroup)",
           ERR_ARGS(sprData, chChart, rs, oAxis, lChartGroup), [&] {
               FormatAxis(chChart, oAxis);
               const std::string sName = oAxis->Name();
               if (sName == "Y" || sName == "Y2") {
                   const std::string legend = oAxis->LegendLabel();
                   chChart->ChartGroups(lChartGroup)
                       ->SeriesLabels()
                       ->Add(Variant(legend.empty() ? oAxis->Label()->Text() : legend));
                   chChart->ChartArea()->Axes(sName)->SetIsShowing(oAxis->Visible());
               }

               const std::string sFieldName = oAxis->FieldName();
               const std::string sLegendLabel = oAxis->LegendLabel();
               if (!headings_->Exists(sFieldName)) {
                   if (!sLegendLabel.empty()) {
                       if (!headings_->Exists(sLegendLabel))
                           headings_->Add(Variant(sLegendLabel), sLegendLabel);
                   } else {
                       headings_->Add(Variant(sFieldName), sFieldName);
                   }
               }

               SizeGrid(sprData, rs->RecordCount(), rs->Fields().Count());

               const std::string sCategory = oAxis->Category();
               const std::string sUnit = oAxis->DefaultUnit();
               const std::string sType = oAxis->Type();
               const std::string sFormat = oAxis->Format();
               const int16_t iDecimals = CInt(Variant(oAxis->DecimalPlaces()));
               Ref<Units> units;
               if (!sCategory.empty()) units = gDataManager()->Units();
               int32_t row = 2, point = 1;
               while (!rs->Eof()) {
                   const ADODB::Field field = rs->Fields(sFieldName);
                   Variant value = field.Value();
                   // A year without a figure stays a gap in the chart and an empty cell.
                   if (!sCategory.empty() && !value.IsNull())
                       value = Variant(units->Convert(CDbl(value), sCategory, sUnit));
                   const std::string cellType = !sType.empty() ? GetType(sType) : GetFieldType(field.Type());
                   if (sName == "Y" || sName == "Y2") {
                       if (!value.IsNull()) AddChartData(chChart, sName, CStr(value), lChartGroup, 1, point);
                       PopulateCell(sprData, sName == "Y" ? 2 : 3, row, value, cellType, false, sFormat,
                                    iDecimals);
                   } else if (sName == "X") {
                       Ref<IChartAxisControl> x = chChart->ChartArea()->Axes("X");
                       x->SetAnnotationMethod(1);
                       chChart->ChartGroups(lChartGroup)->PointLabels()->Add(value);
                       x->SetAnnotationRotationAngle(oAxis->AnnotationRotationAngle());
                       PopulateCell(sprData, 1, row, value, cellType, false, sFormat, iDecimals);
                   }
                   rs->MoveNext();
                   ++row;
                   ++point;
               }
               sprData->SetColsFrozen(1);
               sprData->SetRowsFrozen(1);
           });
}

void CChart::AddChartData(const Ref<IChartControl>& chChart, const std::string& sAxis,
                          const std::string& sValue, int32_t lGroup, int32_t lSeries, int32_t lPoint) {
    PassOn("CChart.AddChartData(chChart, sAxis, sValue, lGroup, lSeries, lPoint)",
           ERR_ARGS(chChart, sAxis, sValue, lGroup, lSeries, lPoint), [&] {
               Ref<IChartData> data = chChart->ChartGroups(lGroup)->Data();
               // The control reads the text as a number itself.
               if (sAxis == "X")
                   data->SetX(lSeries, lPoint, Variant(sValue));
               else if (sAxis == "Y" || sAxis == "Y2")
                   data->SetY(lSeries, lPoint, Variant(sValue));
           });
}

void CChart::PopulateCell(const Ref<ISpreadsheetGrid>& sprData, int32_t lCol, int32_t lRow,
                          const Variant& vValue, const std::string& sCellType, bool bBold,
                          const std::string& sFormat, int16_t iDecimalPlaces) {
    PassOn("CChart.PopulateCell(sprData, lCol, lRow, vValue, sCellType, bBold, sFormat, iDecimalPlaces)",
           ERR_ARGS(sprData, lCol, lRow, vValue, sCellType, bBold, sFormat, iDecimalPlaces), [&] {
               sprData->SetCol(lCol);
               sprData->SetRow(lRow);
               if (sCellType == "0") {
                   sprData->SetCellType(0);
                   sprData->SetTypeDateCentury(true);
                   sprData->SetTypeDateFormat(99);
                   sprData->SetTypeHAlign(2);
                   sprData->SetText(lCol, lRow, vValue);
               } else if (sCellType == "12") {
                   sprData->SetCellType(12);
                   sprData->SetTypeCurrencyShowSep(true);
                   sprData->SetTypeCurrencySymbol(false);
                   sprData->SetTypeCurrencyLeadingZero(0);
                   sprData->SetText(lCol, lRow, vValue);
               } else if (sCellType == "13") {
                   sprData->SetCellType(13);
                   sprData->SetTypeNumberShowSep(true);
                   sprData->SetTypeNumberLeadingZero(0);
                   sprData->SetTypeNumberDecPlaces(iDecimalPlaces);
                   sprData->SetText(lCol, lRow, vValue);
               } else {
                   // Only a text cell shows the value through the pattern; typed cells format themselves.
                   sprData->SetCellType(5);
                   sprData->SetTypeVAlign(0);
                   sprData->SetTypeTextWordWrap(false);
                   sprData->SetText(lCol, lRow,
                                    sFormat.empty() ? vValue : Variant(ChartFormat(vValue, sFormat)));
               }
               Ref<IGridFont> font = sprData->Font();
               font->SetName("Arial");
               font->SetSize(8);
               font->SetBold(bBold);
               sprData->SetAutoSize(true);
           });
}

std::string CChart::GetType(const std::string& sType) {
    if (sType == "Number") return "13";
    if (sType == "Currency") return "12";
    if (sType == "Date") return "0";
    if (sType == "Text") return "5";
    return "";
}

std::string CChart::GetFieldType(int32_t lType) {
    switch (lType) {
        case 2:    // small integer
        case 3:    // integer
        case 4:    // single
        case 5:    // double
        case 11:   // boolean
        case 14:   // decimal
        case 20:   // big integer
        case 131:  // numeric
            return "13";
        case 6:  // currency
            return "12";
        case 7:    // date
        case 135:  // database time stamp
            return "0";
        case 129:  // char
        case 130:  // wide char
        case 200:  // varchar
        case 201:  // long varchar
        case 202:  // wide varchar
        case 203:  // long wide varchar
            return "5";
        default:
            return "";
    }
}

bool CChart::FieldExists(const Ref<ADODB::Recordset>& rs, const std::string& sFieldName) {
    return PassOn("CChart.FieldExists(rs, sFieldName)", ERR_ARGS(rs, sFieldName), [&] {
        const std::string wanted = UCase(sFieldName);
        ADODB::FieldCollection& fields = rs->Fields();
        const int32_t count = fields.Count();
        for (int32_t i = 0; i < count; ++i)
            if (UCase(fields.Item(i).Name()) == wanted) return true;
        return false;
    });
}

void CChart::CheckLimits(const Ref<IChartControl>& chChart, int32_t lChartGroup, int32_t lLegendCount,
                         int32_t lSeriesCount) {
    const int32_t legendLimit = LegendLimit();
    if (legendLimit != 0 && lLegendCount > legendLimit) {
        legendOK_ = false;
        chChart->ChartGroups(lChartGroup)->SeriesLabels()->RemoveAll();
    }
    const int32_t seriesLimit = SeriesLimit();
    if (seriesLimit != 0 && lSeriesCount > seriesLimit) dataOK_ = false;
}

void CChart::SizeGrid(const Ref<ISpreadsheetGrid>& sprData, int32_t lRows, int32_t lCols) {
    // The grid drops the cells beyond a smaller size: every axis and query of
    // one drawing writes into the same grid, so a size once set is a floor.
    gridRows_ = std::max(gridRows_, lRows > 9 ? lRows + 1 : 10);
    gridCols_ = std::max(gridCols_, lCols > 49 ? lCols + 1 : 50);
    sprData->SetMaxRows(gridRows_);
    sprData->SetMaxCols(gridCols_);
}
