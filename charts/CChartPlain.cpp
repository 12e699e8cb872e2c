// The working routines every drawing road shares: a chart query opened for
// the host's asset codes, a plain bar or line series written point by point,
// grid cells by type, and the limits.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
    return EndHere(*this, "CChart.ExecuteQuery(sSQL, sAssetCodes)", ERR_ARGS(sSQL, sAssetCodes),
                   [&]() -> Ref<ADODB::Recordset> {
                       // The codes come from the host: only a list of numbers reaches the statement.
                       const std::string sql =
                           ReplacePlaceholder(sSQL, "ASSET_CODE", AssetCodes(sAssetCodes));
                       Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
                       try {
                           rs->Open(sql, gDataManagerObject()->Connection(), 3, 1);
                       } catch (const Error& e) {
                           // A statement the engine finds too big, or an argument it cannot take, is a
                           // chart without data, not a fault to show.
                           if (e.Number() == ERR_DB_E_FAIL || e.Number() == ERR_DB_E_INVALIDARG) {
                               failedQueryReason_ = e.Description();
                               return {};
                           }
                           // The engine's message alone does not say which chart's statement failed,
                           // nor which of its statements.
                           const std::string place =
                               definitionName_.empty()
                                   ? "Query " + std::to_string(lQuery)
                                   : VisibleText(definitionName_) + ", query " + std::to_string(lQuery);
                           throw Error(e.Number(), e.Source(), place + ": " + e.Description(), e.HelpFile(),
                                       e.HelpContext());
                       }
                       return rs;
                   });
}

const SqlFragment& CChart::AssetCodes(const std::string& sAssetCodes) {
    if (!assetCodes_) assetCodes_ = SqlCodeList(sAssetCodes);
    return *assetCodes_;
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
               // Only an axis that writes values has a column, and so a heading.
               if (sName != "X" && sName != "Y" && sName != "Y2") return;

               const std::string sFieldName = oAxis->FieldName();
               const std::vector<int32_t>& points = recordPoints_.at(static_cast<size_t>(lChartGroup - 1));
               const bool isX = sName == "X";
               // The X axis whose values placed the query's records labels every point of the
               // drawing, whichever query brought its X value: a group's labels caption its
               // points in order, and its points are the drawing's.
               const bool placing = isX && oAxis == xAxes_.at(static_cast<size_t>(lChartGroup - 1));
               const int32_t column = GridColumn(oAxis, isX);
               const int32_t pointCount = points.empty() ? rs->RecordCount() : xPoints_.Count();
               SizeGrid(sprData, pointCount, std::max(rs->Fields().Count(), column));

               const std::string sCategory = oAxis->Category();
               const std::string sUnit = oAxis->DefaultUnit();
               const std::string sType = oAxis->Type();
               const std::string sFormat = oAxis->Format();
               const int16_t iDecimals = CInt(Variant(oAxis->DecimalPlaces()));
               // The column's cells are in the unit of the first axis on it, which another
               // query's X axis sharing it may not have.
               const std::string sCellCategory = columns_[static_cast<size_t>(column - 1)].category;
               const std::string sCellUnit = columns_[static_cast<size_t>(column - 1)].unit;
               const bool sameUnit = sCellCategory == sCategory && sCellUnit == sUnit;
               Ref<Units> units;
               if (!sCategory.empty() || !sCellCategory.empty()) units = gDataManager()->Units();
               // A year without a figure stays a gap in the chart and an empty cell.
               auto inUnit = [&](const Variant& value, const std::string& category, const std::string& unit) {
                   if (category.empty() || value.IsNull() || value.IsEmpty()) return value;
                   return Variant(units->Convert(CDbl(value), category, unit));
               };
               auto addLabel = [&](const Variant& value) {
                   Ref<IChartAxisControl> x = chChart->ChartArea()->Axes("X");
                   x->SetAnnotationMethod(1);
                   chChart->ChartGroups(lChartGroup)->PointLabels()->Add(value);
                   x->SetAnnotationRotationAngle(oAxis->AnnotationRotationAngle());
               };

               if (placing && !rs->Eof())
                   for (int32_t p = 1; p <= xPoints_.Count(); ++p)
                       addLabel(inUnit(xPoints_.Value(p), sCategory, sUnit));
               // The column is found by its name once, at the first record: a field reads
               // whichever record is current, and an axis whose query found nothing never asks
               // for its column.
               std::optional<ADODB::Field> field;
               std::string cellType;
               for (size_t r = 0; !rs->Eof(); ++r) {
                   if (!field) {
                       field = rs->Fields(sFieldName);
                       cellType = CellType(sType, field->Type());
                   }
                   const Variant raw = field->Value();
                   const Variant value = inUnit(raw, sCategory, sUnit);
                   const int32_t point = points.empty() ? static_cast<int32_t>(r) + 1 : points[r];
                   if (isX) {
                       // Another X axis adds its own record's value, after the points' labels.
                       if (!placing) addLabel(value);
                       // Each cell shows its record's own value, in its query's form; a point
                       // that queries share keeps the first query's writing of it.
                       if (TakeCell(column, point))
                           PopulateCell(sprData, column, point + 1,
                                        sameUnit ? value : inUnit(raw, sCellCategory, sCellUnit), cellType,
                                        false, sFormat, iDecimals);
                   } else {
                       if (!value.IsNull()) AddChartData(chChart, sName, CStr(value), lChartGroup, 1, point);
                       PopulateCell(sprData, column, point + 1, value, cellType, false, sFormat, iDecimals);
                   }
                   rs->MoveNext();
               }
               sprData->SetColsFrozen(1);
               sprData->SetRowsFrozen(1);
           });
}

int32_t CChart::GridColumn(const Ref<IChartAxis>& oAxis, bool bX) {
    const std::string sFieldName = oAxis->FieldName();
    const std::string sLegendLabel = oAxis->LegendLabel();
    const std::string& heading = sLegendLabel.empty() ? sFieldName : sLegendLabel;
    if (bX) {
        // X axes on one field, or headed alike, share a column across the queries.
        for (size_t c = 0; c < columns_.size(); ++c) {
            const Column& column = columns_[c];
            if (column.x && (EqualsNoCase(column.field, sFieldName) || EqualsNoCase(column.heading, heading)))
                return static_cast<int32_t>(c) + 1;
        }
    }
    columns_.push_back({heading, sFieldName, oAxis->Category(), oAxis->DefaultUnit(), bX, {}});
    return static_cast<int32_t>(columns_.size());
}

bool CChart::TakeCell(int32_t lColumn, int32_t lPoint) {
    std::vector<bool>& written = columns_.at(static_cast<size_t>(lColumn - 1)).written;
    const size_t at = static_cast<size_t>(lPoint - 1);
    if (written.size() <= at) written.resize(std::max(at + 1, 2 * written.size()));
    if (written[at]) return false;
    written[at] = true;
    return true;
}

void CChart::PlacePoints(const std::vector<Ref<ADODB::Recordset>>& rsResults) {
    xPoints_ = ChartXPoints();
    recordPoints_.assign(rsResults.size(), {});
    xAxes_.assign(rsResults.size(), {});
    std::vector<size_t> placed(rsResults.size(), SIZE_MAX);
    std::vector<size_t> byPosition;
    for (size_t q = 0; q < rsResults.size(); ++q) {
        const Ref<ADODB::Recordset>& rs = rsResults[q];
        if (rs->State() != 1 || rs->RecordCount() == 0) continue;
        Ref<IChartQuery> query = queries_->Item(Variant(static_cast<int32_t>(q + 1))).ToObject<IChartQuery>();
        Ref<cvCollection> series = query->Series();
        bool plain = false;
        std::string xField;
        Ref<IChartAxis> xAxis;
        for (int32_t s = 1; s <= series->Count() && xField.empty(); ++s) {
            Ref<IChartSeries> oSeries = series->Item(Variant(s)).ToObject<IChartSeries>();
            const std::string mode = oSeries->RenderMode();
            if (mode != "BAR" && mode != "LINE") continue;
            plain = true;
            Ref<cvCollection> axes = oSeries->Axes();
            for (int32_t a = 1; a <= axes->Count(); ++a) {
                Ref<IChartAxis> axis = axes->Item(Variant(a)).ToObject<IChartAxis>();
                if (axis->Name() == "X") {
                    xField = axis->FieldName();
                    xAxis = axis;
                    break;
                }
            }
        }
        if (!plain) continue;
        // A column the result lacks fails where the axis reads it.
        if (xField.empty() || !FieldExists(rs, xField)) {
            byPosition.push_back(q);
            continue;
        }
        std::vector<Variant> values;
        values.reserve(static_cast<size_t>(rs->RecordCount()));
        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) values.push_back(rs->Fields(xField).Value());
        rs->MoveFirst();
        placed[q] = xPoints_.Add(values);
        xAxes_[q] = xAxis;
    }
    for (size_t q : byPosition) placed[q] = xPoints_.AddByPosition(rsResults[q]->RecordCount());
    for (size_t q = 0; q < rsResults.size(); ++q)
        if (placed[q] != SIZE_MAX) recordPoints_[q] = xPoints_.PointsOf(placed[q]);
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

int16_t CChart::CellDecimals(int32_t lDecimals) {
    if (lDecimals >= INT16_MIN && lDecimals <= INT16_MAX) return static_cast<int16_t>(lDecimals);
    return CInt(Variant(lDecimals));
}

std::string CChart::CellType(const std::string& sType, int32_t lFieldType) {
    return !sType.empty() ? GetType(sType) : GetFieldType(lFieldType);
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
