// Axis definitions carried over to the chart control's axes.
#include "ChartFixture.h"
#include "charts/CChartAxis.h"
#include "charts/CChartLabel.h"
#include "charts/ChartAxisFormat.h"
#include "host/controls/MemoryChartControl.h"

class ChartAxisFormatTest : public ChartFixture {
protected:
    void SetUp() override {
        ChartFixture::SetUp();
        MakeRoot();
    }
    Ref<IChartAxis> Axis(const std::string& name, const std::string& category = "",
                         const std::string& unit = "") {
        auto label = New<CChartLabel>();
        label->SetText("Oil");
        label->SetFontName("Tahoma");
        label->SetFontSize(11);
        auto axis = New<CChartAxis>();
        axis->SetName(name);
        axis->SetLabel(label);
        axis->SetCategory(category);
        axis->SetDefaultUnit(unit);
        axis->SetDecimalPlaces(3);
        return axis;
    }
    std::shared_ptr<MemoryChartControl> chart = std::make_shared<MemoryChartControl>();
};

TEST_F(ChartAxisFormatTest, AValueAxisGetsFontsFormatNumberingAndATurnedTitleWithItsUnit) {
    Ref<IChartAxis> axis = Axis("Y", "Oil_Production", "Mm3/d");
    axis->SetNumberingMethod(3);
    FormatAxis(chart, axis);
    const MemoryChartAxisControl& y = *chart->Area().y;
    EXPECT_EQ(y.title, "Oil (Mm³/d)");
    EXPECT_EQ(y.titleRotation, 2);
    EXPECT_EQ(y.font->name, "Tahoma");
    EXPECT_EQ(y.font->size, 11);
    EXPECT_EQ(y.titleFont->name, "Tahoma");
    EXPECT_EQ(y.titleFont->size, 11);
    EXPECT_TRUE(y.titleFont->bold) << "always bold, though the label is not";
    EXPECT_FALSE(y.titleFont->underline);
    EXPECT_EQ(y.labelFormat->number->decimalPlaces, 0) << "the axis's own decimal places are the grid's";
    EXPECT_TRUE(y.labelFormat->number->useSeparators);
    EXPECT_EQ(y.numMethod, 3);

    FormatAxis(chart, Axis("Y2", "Oil_Production", ""));
    EXPECT_EQ(chart->Area().y2->title, "Oil") << "a category without a unit adds nothing";
    EXPECT_EQ(chart->Area().y2->titleRotation, 2);
}

TEST_F(ChartAxisFormatTest, TheCategoryAxisKeepsItsRotationAndAZeroTickSpacingKeepsTheControls) {
    chart->Area().x->tickSpacing = 7;
    chart->Area().x->titleRotation = 1;
    Ref<IChartAxis> axis = Axis("X", "", "Mm3/d");
    axis->Label()->SetUnderline(true);
    axis->Label()->SetBold(true);
    FormatAxis(chart, axis);
    const MemoryChartAxisControl& x = *chart->Area().x;
    EXPECT_EQ(x.title, "Oil") << "a unit without a category adds nothing";
    EXPECT_EQ(x.titleRotation, 1);
    EXPECT_EQ(x.tickSpacing, 7);
    EXPECT_TRUE(x.titleFont->underline);
    axis->SetTickSpacing(5);
    FormatAxis(chart, axis);
    EXPECT_EQ(x.tickSpacing, 5);
}

TEST_F(ChartAxisFormatTest, AnAxisTheControlLacksOrWithoutALabelRaises) {
    EXPECT_RAISES(381, FormatAxis(chart, Axis("Z")));
    EXPECT_RAISES(381, FormatAxis(chart, Axis("y"))) << "axis names are written exactly";
    Ref<IChartAxis> bare = Axis("Y");
    bare->SetLabel(nullptr);
    EXPECT_RAISES(91, FormatAxis(chart, bare));
    Ref<IChartAxis> unknownUnit = Axis("Y", "Oil_Production", "furlongs");
    EXPECT_NE(ErrorNumberOf([&] { FormatAxis(chart, unknownUnit); }), 0);
    EXPECT_EQ(chart->Area().y->font->name, "Tahoma") << "what was set before the failure stays";
    EXPECT_EQ(chart->Area().y->title, "");
}
