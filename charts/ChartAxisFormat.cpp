#include "charts/ChartAxisFormat.h"

#include <string>

#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "platform/units/Units.h"

void FormatAxis(const Ref<IChartControl>& chChart, const Ref<IChartAxis>& oAxis) {
    const std::string sName = oAxis->Name();
    Ref<IChartAxisControl> axis = chChart->ChartArea()->Axes(sName);
    Ref<IChartLabel> label = oAxis->Label();

    Ref<IChartFont> font = axis->Font();
    font->SetName(label->FontName());
    font->SetSize(label->FontSize());
    Ref<IChartFont> titleFont = axis->TitleFont();
    titleFont->SetName(label->FontName());
    titleFont->SetSize(label->FontSize());
    // Axis titles are always bold, whatever the label says: the house style of every chart.
    titleFont->SetBold(true);
    titleFont->SetUnderline(label->Underline());

    // The axis's own decimal places belong to the grid's cells; its labels show whole numbers.
    Ref<IChartNumberFormat> number = axis->LabelFormat()->Number();
    number->SetDecimalPlaces(0);
    number->SetUseSeparators(true);

    axis->SetNumMethod(oAxis->NumberingMethod());
    if (oAxis->TickSpacing() != 0) axis->SetTickSpacing(oAxis->TickSpacing());

    const std::string sCategory = oAxis->Category();
    const std::string sUnit = oAxis->DefaultUnit();
    std::string suffix;
    if (!sCategory.empty() && !sUnit.empty())
        suffix = " (" + Ref<Units>(gDataManager()->Units())->UnitLabel(sCategory, sUnit) + ")";
    axis->SetTitle(label->Text() + suffix);

    if (sName == "Y" || sName == "Y2") axis->SetTitleRotation(2);
}
