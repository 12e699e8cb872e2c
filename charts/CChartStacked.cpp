// Stacked bars read across a chart query's result (a series per record, a
// point per data column) or down it (a series per data column, a point per
// record).  The first column names the records; the data columns are the
// second to the last.  A "CHARTTITLE" column is never drawn: its first
// non-empty value becomes the chart's title value.
#include <algorithm>
#include <vector>

#include "charts/CChart.h"
#include "charts/ChartAxisFormat.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"

namespace {

constexpr const char* kTitleColumn = "CHARTTITLE";

// What the stacked layouts keep of the axes "X" and "Y".
struct AxisSettings {
    std::string format, type, category, unit, fieldName, labelText;
    int32_t decimals = 0;
    int32_t annotationSpacing = 0;
};

struct StackedAxes {
    AxisSettings x, y;
    // The cell type rule looks at the axis that comes last in the collection.
    std::string lastType;
};

// A column name as a heading or legend entry.
std::string Caption(const std::string& sName) { return Replace(sName, "_", " "); }

// A value as a number in the unit the axis shows, or unchanged without one.
Variant InUnit(const Variant& vValue, const AxisSettings& axis) {
    if (axis.category.empty() || vValue.IsNull()) return vValue;
    return Variant(Ref<Units>(gDataManager()->Units())->Convert(CDbl(vValue), axis.category, axis.unit));
}

// The text of a value; Null as "".
std::string TextOf(const Variant& vValue) { return vValue.IsNull() ? std::string() : CStr(vValue); }

// The common start of both layouts: every axis formatted, X and Y settings
// kept, the series and their points counted, value labels chosen.
StackedAxes Start(const Ref<IChartControl>& chChart, const Ref<cvCollection>& oAxes, int32_t lChartGroup,
                  int32_t lSeries, int32_t lPoints) {
    StackedAxes axes;
    const int32_t count = oAxes->Count();
    for (int32_t a = 1; a <= count; ++a) {
        Ref<IChartAxis> axis = oAxes->Item(Variant(a)).ToObject<IChartAxis>();
        FormatAxis(chChart, axis);
        const std::string name = axis->Name();
        if (a == count) axes.lastType = axis->Type();
        if (name != "X" && name != "Y") continue;
        AxisSettings& kept = name == "X" ? axes.x : axes.y;
        kept.format = axis->Format();
        kept.type = axis->Type();
        kept.category = axis->Category();
        kept.unit = axis->DefaultUnit();
        kept.decimals = axis->DecimalPlaces();
        if (name == "X") {
            kept.annotationSpacing = axis->AnnotationSpacing();
            kept.fieldName = axis->FieldName();
            kept.labelText = axis->Label()->Text();
            if (axis->AnnotationRotationAngle() != 0)
                chChart->ChartArea()->Axes("X")->SetAnnotationRotationAngle(axis->AnnotationRotationAngle());
        }
    }
    Ref<IChartData> data = chChart->ChartGroups(lChartGroup)->Data();
    data->SetNumSeries(lSeries);
    const int32_t series = data->NumSeries();
    for (int32_t s = 1; s <= series; ++s) data->SetNumPoints(s, lPoints);
    chChart->ChartArea()->Axes("X")->SetAnnotationMethod(2);
    return axes;
}

}  // namespace

void CChart::ParseHorizontalStackedData(const Ref<ADODB::Recordset>& rs, const Ref<ISpreadsheetGrid>& sprData,
                                        const Ref<IChartControl>& chChart, const Ref<cvCollection>& oAxes,
                                        const std::string& sStackingCategory, int32_t lChartGroup) {
    PassOn("CChart.ParseHorizontalStackedData()", ERR_ARGS(), [&] {
        const int32_t records = rs->RecordCount();
        const int32_t columns = rs->Fields().Count();
        // The point of each data column, counted without the title column, which
        // is no data: counted, it would leave an unlabelled empty point in every
        // series.  The grid keeps a column per result column, as read down.
        std::vector<int32_t> pointOf(static_cast<size_t>(std::max(columns, 1)), 0);
        int32_t points = 0;
        for (int32_t c = 1; c < columns; ++c)
            if (rs->Fields(c).Name() != kTitleColumn) pointOf[static_cast<size_t>(c)] = ++points;
        const StackedAxes axes = Start(chChart, oAxes, lChartGroup, records, points);
        SizeGrid(sprData, records, columns);

        for (int32_t j = 0; j < columns; ++j) {
            const std::string name = rs->Fields(j).Name();
            if (name != kTitleColumn)
                PopulateCell(sprData, j + 1, 1, Variant(Caption(name)), "200", true, "", 0);
        }

        Ref<IChartGroup> group = chChart->ChartGroups(lChartGroup);
        Ref<IChartData> data = group->Data();
        Ref<IChartValueLabels> labels = chChart->ChartArea()->Axes("X")->ValueLabels();
        const int16_t xDecimals = CInt(Variant(axes.x.decimals));
        const int16_t yDecimals = CInt(Variant(axes.y.decimals));
        int32_t labelled = 0;
        for (int32_t r = 1; !rs->Eof(); ++r) {
            const ADODB::Field categoryField = rs->Fields(sStackingCategory);
            const Variant category = categoryField.Value();
            if (categoryField.Name() != kTitleColumn) {
                group->SeriesLabels()->Add(category);
                group->SeriesFields()->Add(category);
            }
            const std::string categoryType =
                !axes.lastType.empty() ? GetType(axes.x.type) : GetFieldType(categoryField.Type());
            PopulateCell(sprData, 1, r + 1, InUnit(category, axes.x), categoryType, false, axes.x.format,
                         xDecimals);

            for (int32_t c = 1; c < columns; ++c) {
                const ADODB::Field field = rs->Fields(c);
                const int32_t p = pointOf[static_cast<size_t>(c)];
                if (p == 0) {
                    if (dataTitle_.empty()) dataTitle_ = TextOf(field.Value());
                    continue;
                }
                if (p > labelled) {
                    if (axes.x.annotationSpacing == 0 || p % axes.x.annotationSpacing == 0)
                        labels->Add(Variant(p), Variant(Caption(field.Name())));
                    labelled = p;
                }
                const std::string cellType =
                    !axes.lastType.empty() ? GetType(axes.y.type) : GetFieldType(field.Type());
                const Variant value = field.Value();
                if (!value.IsNull() && !(value.IsString() && value.StringRef().empty())) {
                    const Variant shown = InUnit(value, axes.y);
                    data->SetY(r, p, shown);
                    PopulateCell(sprData, c + 1, r + 1, shown, cellType, false, axes.y.format, yDecimals);
                } else {
                    PopulateCell(sprData, c + 1, r + 1, Variant("0"), cellType, false, axes.y.format,
                                 yDecimals);
                }
            }
            rs->MoveNext();
        }
        sprData->SetRowsFrozen(1);
        sprData->SetColsFrozen(1);
    });
}

void CChart::ParseVerticalStackedData(const Ref<ADODB::Recordset>& rs, const Ref<ISpreadsheetGrid>& sprData,
                                      const Ref<IChartControl>& chChart, const Ref<cvCollection>& oAxes,
                                      const std::string& sStackingCategory, int32_t lChartGroup) {
    (void)sStackingCategory;  // down the result the X axis's column names the points
    EndHere(*this, "CChart.ParseVerticalStackedData()", ERR_ARGS(), [&] {
        const int32_t records = rs->RecordCount();
        const int32_t columns = rs->Fields().Count();
        // The title column is no series: counted as one it would take a legend
        // label's place and leave every later label on the series before its own.
        int32_t seriesCount = 0;
        for (int32_t c = 1; c < columns; ++c)
            if (rs->Fields(c).Name() != kTitleColumn) ++seriesCount;
        const StackedAxes axes = Start(chChart, oAxes, lChartGroup, seriesCount, records);
        SizeGrid(sprData, records, columns);

        PopulateCell(sprData, 1, 1, Variant(axes.x.labelText), "200", true, "", 0);
        Ref<IChartValueLabels> labels = chChart->ChartArea()->Axes("X")->ValueLabels();
        // Records are counted in 16 bits, as the grid's row numbers of this layout are.
        auto next = [](int32_t p) {
            if (p >= 32767) Raise(rt::kOverflow);
            return p + 1;
        };
        for (int32_t p = 1; !rs->Eof(); p = next(p)) {
            const Variant category = rs->Fields(axes.x.fieldName).Value();
            if (axes.x.annotationSpacing == 0 || p % axes.x.annotationSpacing == 0)
                labels->Add(Variant(p), category);
            PopulateCell(sprData, 1, p + 1, Variant(Caption(TextOf(category))), "200", false, "", 0);
            rs->MoveNext();
        }

        Ref<IChartGroup> group = chChart->ChartGroups(lChartGroup);
        Ref<IChartData> data = group->Data();
        const int16_t yDecimals = CInt(Variant(axes.y.decimals));
        int32_t s = 0;  // the chart series of the data column; its grid column stays c + 1
        for (int32_t c = 1; c < columns; ++c) {
            rs->MoveFirst();
            const ADODB::Field field = rs->Fields(c);
            const std::string name = field.Name();
            if (name == kTitleColumn) {
                if (dataTitle_.empty()) dataTitle_ = TextOf(field.Value());
                continue;
            }
            ++s;
            group->SeriesLabels()->Add(Variant(Caption(name)));
            PopulateCell(sprData, c + 1, 1, Variant(Caption(name)), "200", true, "", 0);
            const std::string cellType =
                !axes.lastType.empty() ? GetType(axes.y.type) : GetFieldType(field.Type());
            for (int32_t p = 1; !rs->Eof(); p = next(p)) {
                const Variant value = InUnit(field.Value(), axes.y);
                data->SetY(s, p, value);
                PopulateCell(sprData, c + 1, p + 1, value, cellType, false, axes.y.format, yDecimals);
                rs->MoveNext();
            }
        }
        sprData->SetRowsFrozen(1);
        sprData->SetColsFrozen(1);
    });
}
