// Bars stacked by the chart's grouping rule: the values of the rule's value
// columns summed into rows (the stacking column's values, or the value
// columns themselves) by points (the series column's values), and drawn as
// one stacked chart group with the same table in the grid.
//
// A field grouping stands for its member fields: where a grouping record
// carries a value at a point, its members add nothing there, in whatever
// order the records arrive.
#include <optional>
#include <vector>

#include "charts/CChart.h"
#include "charts/CChartDataItem.h"
#include "charts/ChartAxisFormat.h"
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"

namespace {

// A data value as a key: blanks would not survive as the grid's and chart's names.
std::string KeyOf(const std::string& sText) { return Replace(sText, " ", "_"); }

// The order of a sorted point: the text before its first "|".
int32_t OrderOf(const Variant& vItem) { return CLng(Variant(Split(CStr(vItem), "|")[0])); }

// The counted-groupings key of a grouping at a point.
std::string CountedKey(const std::string& sCode, const std::string& sPointKey) {
    return sCode + "|" + sPointKey;
}

}  // namespace

void CChart::PlotStackedGraphUsingTerralithRule(const Ref<ADODB::Recordset>& rs,
                                                const Ref<ISpreadsheetGrid>& sprData,
                                                const Ref<IChartControl>& chChart,
                                                const Ref<cvCollection>& oAxes, int32_t lChartGroup) {
    EndHere(*this, "CChart.PlotStackedGraphUsingTerralithRule(rs,sprData,chChart,oAxes,lChartGroup)",
            ERR_ARGS(rs, sprData, chChart, oAxes, lChartGroup), [&] {
                // 1. The axes.
                std::string yFormat, yType, yCategory, yUnit;
                int32_t yDecimals = 0;
                for (int32_t a = 1; a <= oAxes->Count(); ++a) {
                    Ref<IChartAxis> axis = oAxes->Item(Variant(a)).ToObject<IChartAxis>();
                    FormatAxis(chChart, axis);
                    if (axis->Name() == "X" && axis->AnnotationRotationAngle() != 0)
                        chChart->ChartArea()->Axes("X")->SetAnnotationRotationAngle(
                            axis->AnnotationRotationAngle());
                    if (axis->Name() == "Y") {
                        yFormat = axis->Format();
                        yType = axis->Type();
                        yCategory = axis->Category();
                        yUnit = axis->DefaultUnit();
                        yDecimals = axis->DecimalPlaces();
                    }
                }

                // 2. The points and the rows.
                Ref<CTools> tools = gTools();
                Ref<cvCollection> points = tools->NewCollection();
                Ref<cvCollection> stacking = tools->NewCollection();
                Ref<cvCollection> rows = tools->NewCollection();
                Ref<cvCollection> groupings = tools->NewCollection();
                auto addRow = [&](const std::string& sCaption, const std::string& sKey) {
                    stacking->Add(Variant(sCaption), sKey);
                    auto row = New<CChartDataItem>();
                    row->SetRow(sCaption);
                    row->SetGroupings(groupings);
                    rows->Add(Variant(row), sKey);
                };
                const int32_t columns = rs->Fields().Count();
                for (int32_t i = 0; i < columns; ++i) {
                    rs->MoveFirst();
                    const ADODB::Field column = rs->Fields(i);
                    const std::string name = column.Name();
                    if (name == ruleSeries_) {
                        int32_t largest = 0;
                        for (; !rs->Eof(); rs->MoveNext()) {
                            const std::string text = CStr(column.Value());
                            const std::string key = KeyOf(text);
                            if (points->Exists(key)) continue;
                            if (!ruleSortData_) {
                                points->Add(Variant(text), key);
                                continue;
                            }
                            const Variant orderValue = rs->Fields("ColumnOrder").Value();
                            const int32_t order = CLng(orderValue);
                            const Variant item(CStr(orderValue) + "|" + text);
                            if (order < largest) {
                                // Before the first point ordered after it; equal orders keep their arrival.
                                int32_t before = 0;
                                for (int32_t p = 1; p <= points->Count() && before == 0; ++p)
                                    if (OrderOf(points->Item(Variant(p))) > order) before = p;
                                points->Add(item, key, before);
                            } else {
                                points->Add(item, key);
                                largest = order;
                            }
                        }
                    }
                    if (!ruleStackingCategory_.empty() && name == ruleStackingCategory_) {
                        // From the first record again: the series scan of the same column ends at the last.
                        for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
                            const Variant value = column.Value();
                            if (value.IsNull()) continue;
                            const std::string text = CStr(value);
                            if (!stacking->Exists(KeyOf(text))) addRow(text, KeyOf(text));
                        }
                    }
                }

                // 3. Without a stacking column each value column is a row.
                const std::vector<std::string> valueColumns =
                    ruleValue_.empty() ? std::vector<std::string>() : Split(ruleValue_, ",");
                if (ruleStackingCategory_.empty())
                    for (const std::string& name : valueColumns)
                        if (!stacking->Exists(name)) addRow(name, name);

                // 4. The grid.
                SizeGrid(sprData, rows->Count(), points->Count());

                // 5. The sums.
                const ADODB::Field grouping = rs->Fields("FIELD_GROUPING");
                const ADODB::Field groupingCode = rs->Fields("FIELD_GROUPING_CODE");
                const ADODB::Field code = rs->Fields("FIELD_CODE");
                const ADODB::Field series = rs->Fields(ruleSeries_);
                std::optional<ADODB::Field> stackingColumn;
                if (!ruleStackingCategory_.empty()) stackingColumn = rs->Fields(ruleStackingCategory_);
                for (const std::string& valueColumn : valueColumns) {
                    const ADODB::Field value = rs->Fields(valueColumn);
                    auto amount = [&] { return value.IsNull() ? 0.0 : CDbl(value.Value()); };
                    // The groupings with a value at a point, for this column, before any field is read.
                    Ref<cvCollection> counted = tools->NewCollection();
                    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
                        if (CInt(grouping.Value()) != -1 || amount() == 0) continue;
                        const std::string key = CountedKey(CStr(code.Value()), KeyOf(CStr(series.Value())));
                        if (!counted->Exists(key)) counted->Add(code.Value(), key);
                    }
                    for (rs->MoveFirst(); !rs->Eof(); rs->MoveNext()) {
                        const int16_t g = CInt(grouping.Value());
                        const double d = amount();
                        const int32_t c = groupingCode.IsNull() ? 0 : CLng(groupingCode.Value());
                        std::string rowKey = valueColumn;
                        if (stackingColumn) {
                            // A record without a stacking value belongs to no row.
                            const Variant category = stackingColumn->Value();
                            if (category.IsNull()) continue;
                            rowKey = KeyOf(CStr(category));
                        }
                        // The row is the collection's own object: it is changed in place, never put back.
                        Ref<CChartDataItem> row = rows->Item(Variant(rowKey)).ToObject<CChartDataItem>();
                        const std::string k = KeyOf(CStr(series.Value()));
                        if (g == -1 && d != 0) {
                            row->AddItem(k, d, CStr(code.Value()), true);
                        } else if (g == 0 && c == 0) {
                            row->AddItem(k, d, CStr(code.Value()), false);
                        } else if (g == 0) {
                            if (!counted->Exists(CountedKey(CStr(Variant(c)), k)))
                                row->AddItem(k, d, CStr(Variant(c)), false);
                        } else {
                            row->AddItem(k, 0, CStr(Variant(c)), false);
                        }
                    }
                }

                // 6. The chart and the grid.
                Ref<IChartGroup> group = chChart->ChartGroups(lChartGroup);
                Ref<IChartData> data = group->Data();
                const int32_t rowCount = rows->Count();
                const int32_t pointCount = points->Count();
                data->SetNumSeries(rowCount);
                for (int32_t s = 1; s <= data->NumSeries(); ++s) data->SetNumPoints(s, pointCount);
                Ref<IChartAxisControl> x = chChart->ChartArea()->Axes("X");
                x->SetAnnotationMethod(2);

                std::vector<std::string> labels;
                for (int32_t p = 1; p <= pointCount; ++p) {
                    const std::string item = CStr(points->Item(Variant(p)));
                    const std::string label = ruleSortData_ ? Split(item, "|").at(1) : item;
                    labels.push_back(label);
                    PopulateCell(sprData, p + 1, 1, Variant(label), "200", true, "", 0);
                    x->ValueLabels()->Add(Variant(p), Variant(label));
                }
                const std::string cellType = GetType(yType);
                const int16_t decimals = CInt(Variant(yDecimals));
                Ref<Units> units;
                if (!yCategory.empty()) units = gDataManager()->Units();
                for (int32_t r = 1; r <= rowCount; ++r) {
                    Ref<CChartDataItem> row = rows->Item(Variant(r)).ToObject<CChartDataItem>();
                    const std::string caption = row->Row();
                    PopulateCell(sprData, 1, r + 1, Variant(caption), "200", true, "", 0);
                    group->SeriesLabels()->Add(Variant(caption));
                    group->SeriesFields()->Add(Variant(caption));
                    Ref<cvCollection> sums = row->Data();
                    for (int32_t p = 1; p <= pointCount; ++p) {
                        const std::string k = KeyOf(labels[static_cast<size_t>(p - 1)]);
                        if (!sums->Exists(k)) {
                            data->SetY(r, p, Variant(0));
                            continue;
                        }
                        double sum = CDbl(sums->Item(Variant(k)));
                        if (units) sum = units->Convert(sum, yCategory, yUnit);
                        PopulateCell(sprData, p + 1, r + 1, Variant(sum), cellType, false, yFormat, decimals);
                        data->SetY(r, p, Variant(sum));
                    }
                }
                CheckLimits(chChart, lChartGroup, rowCount, pointCount);
                sprData->SetRowsFrozen(1);
                sprData->SetColsFrozen(1);
            });
}
