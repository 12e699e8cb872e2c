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
               // The axis that placed the query's records captions the points; another X axis
               // reading the same column shows the same X values, while one reading another
               // column (a year written times ten beside the year) has values of its records
               // alone, in a column of its own.
               const Ref<IChartAxis>& placing = xAxes_.at(static_cast<size_t>(lChartGroup - 1));
               const bool pointsX = sName == "X" && !points.empty() && placing &&
                                    EqualsNoCase(sFieldName, placing->FieldName());
               const bool captions = sName == "X" && placing == oAxis;
               bool writes = true;
               const int32_t column = GridColumn(sFieldName, oAxis->LegendLabel(), pointsX, writes);
               const int32_t pointCount = points.empty() ? rs->RecordCount() : xPoints_.Count();
               SizeGrid(sprData, pointCount, std::max(rs->Fields().Count(), column));

               const std::string sCategory = oAxis->Category();
               const std::string sUnit = oAxis->DefaultUnit();
               const std::string sType = oAxis->Type();
               const std::string sFormat = oAxis->Format();
               const int16_t iDecimals = CInt(Variant(oAxis->DecimalPlaces()));
               Ref<Units> units;
               if (!sCategory.empty()) units = gDataManager()->Units();
               // A year without a figure stays a gap in the chart and an empty cell.
               auto shown = [&](const Variant& value) {
                   if (sCategory.empty() || value.IsNull() || value.IsEmpty()) return value;
                   return Variant(units->Convert(CDbl(value), sCategory, sUnit));
               };
               auto label = [&](const Variant& value, int32_t point, const XForm& form) {
                   Ref<IChartAxisControl> x = chChart->ChartArea()->Axes("X");
                   x->SetAnnotationMethod(1);
                   // One caption a point: labels past the points would caption nothing.
                   if (captions) chChart->ChartGroups(lChartGroup)->PointLabels()->Add(value);
                   x->SetAnnotationRotationAngle(oAxis->AnnotationRotationAngle());
                   // A point that a query without X values added has no caption.
                   if (writes && !value.IsEmpty())
                       PopulateCell(sprData, column, point + 1, value, form.cellType, false, form.format,
                                    CellDecimals(form.decimals));
               };

               if (pointsX && !rs->Eof()) {
                   // A column the result lacks fails here, as it does for every axis.
                   (void)rs->Fields(sFieldName);
                   // Every point of the drawing is labelled, whichever query brought its X value,
                   // and its cell written as that query's X axis writes it: in this axis's form,
                   // an X value that another query adds would show as what it parses to ("01999"
                   // as 1,999 beside 1999) or rounded to this axis's decimals (1991.5 as 1,992
                   // beside 1992), sharing a label with a point of its own.
                   for (int32_t p = 1; p <= xPoints_.Count(); ++p)
                       label(shown(xPoints_.Value(p)), p, xForms_.at(xPoints_.QueryOf(p)));
               } else {
                   // The column is found by its name once, at the first record: a field
                   // reads whichever record is current, and an axis whose query found
                   // nothing never asks for its column.
                   std::optional<ADODB::Field> field;
                   XForm form{"", sFormat, iDecimals};
                   for (size_t r = 0; !rs->Eof(); ++r) {
                       if (!field) {
                           field = rs->Fields(sFieldName);
                           form.cellType = CellType(sType, field->Type());
                       }
                       const Variant value = shown(field->Value());
                       const int32_t point = points.empty() ? static_cast<int32_t>(r) + 1 : points[r];
                       if (sName == "X") {
                           label(value, point, form);
                       } else {
                           if (!value.IsNull())
                               AddChartData(chChart, sName, CStr(value), lChartGroup, 1, point);
                           PopulateCell(sprData, column, point + 1, value, form.cellType, false, sFormat,
                                        iDecimals);
                       }
                       rs->MoveNext();
                   }
               }
               sprData->SetColsFrozen(1);
               sprData->SetRowsFrozen(1);
           });
}

int32_t CChart::GridColumn(const std::string& sFieldName, const std::string& sLegendLabel, bool bX,
                           bool& bWrites) {
    const std::string& heading = sLegendLabel.empty() ? sFieldName : sLegendLabel;
    bWrites = true;
    if (bX) {
        // Every query's X axis labels the same points: one column of them per heading.
        for (size_t c = 0; c < columns_.size(); ++c) {
            if (columns_[c].x && EqualsNoCase(columns_[c].heading, heading)) {
                bWrites = false;
                return static_cast<int32_t>(c) + 1;
            }
        }
    }
    columns_.push_back({heading, bX});
    return static_cast<int32_t>(columns_.size());
}

void CChart::PlacePoints(const std::vector<Ref<ADODB::Recordset>>& rsResults) {
    xPoints_ = ChartXPoints();
    xForms_.clear();
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
        xForms_.push_back(
            {CellType(xAxis->Type(), rs->Fields(xField).Type()), xAxis->Format(), xAxis->DecimalPlaces()});
    }
    for (size_t q : byPosition) {
        placed[q] = xPoints_.AddByPosition(rsResults[q]->RecordCount());
        // Its points have no X value to show.
        xForms_.emplace_back();
    }
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
