// The forms of the values in chart definition files and the manifest.
#include <gtest/gtest.h>

#include "charts/ChartColours.h"
#include "charts/ChartValueForms.h"
#include "support/ErrorAssert.h"

TEST(ChartValueForms, WholeNumbersRoundHalvesToTheEvenNeighbour) {
    EXPECT_EQ(ChartWholeNumber("8.5"), 8);
    EXPECT_EQ(ChartWholeNumber("9.5"), 10);
    EXPECT_EQ(ChartWholeNumber("57.5"), 58);
    EXPECT_EQ(ChartWholeNumber("-2.5"), -2);
    EXPECT_EQ(ChartWholeNumber("8.51"), 9);
    EXPECT_EQ(ChartWholeNumber(" 12 "), 12);
    EXPECT_EQ(ChartWholeNumber("2147483647"), 2147483647);
    EXPECT_RAISES(6, ChartWholeNumber("2147483648"));
    EXPECT_RAISES(13, ChartWholeNumber("eight"));
    EXPECT_RAISES(13, ChartWholeNumber("8,5")) << "a comma is no decimal point, whatever the locale";
}

TEST(ChartValueForms, FlagsAreTrueFalseInAnyCaseOrNumbers) {
    EXPECT_TRUE(ChartFlag("True"));
    EXPECT_TRUE(ChartFlag("TRUE"));
    EXPECT_FALSE(ChartFlag("false"));
    EXPECT_FALSE(ChartFlag("0"));
    EXPECT_TRUE(ChartFlag("-1"));
    EXPECT_TRUE(ChartFlag("2"));
    EXPECT_RAISES(13, ChartFlag("yes"));
}

TEST(ChartValueForms, ColoursPackRedFirstAndCountAComponentAbove255As255) {
    EXPECT_EQ(ChartColour("255,0,0"), "255");
    EXPECT_EQ(ChartColour("0,0,255"), "16711680");
    EXPECT_EQ(ChartColour("255,128,0"), "33023");
    EXPECT_EQ(ChartColour("300,0,0"), "255");
    EXPECT_EQ(ChartColour("1,2,3,99"), std::to_string(1 + 2 * 256 + 3 * 65536))
        << "parts after the third ignored";
    EXPECT_EQ(ChartColour("0.5,1.5,2.5"), std::to_string(0 + 2 * 256 + 2 * 65536))
        << "each part rounded half to even";
    EXPECT_EQ(ChartColour("-5,0,0"), "0");
    EXPECT_RAISES(9, ChartColour("255,0"));
    EXPECT_RAISES(6, ChartColour("40000,0,0")) << "a component is a 16-bit number";
    EXPECT_RAISES(13, ChartColour("red,0,0"));
    EXPECT_EQ(ChartColourComponent("255.5"), 255);
    EXPECT_RAISES(13, ChartColourComponent(""));
}

TEST(ChartSeriesColours, ColoursRepeatAfterTheLastAndAChartWithoutColoursGetsAPalette) {
    Ref<cvCollection> colours = New<cvCollection>();
    for (int32_t c : {255, 65280, 16711680})
        colours->Add(Variant(c), "Series_" + std::to_string(colours->Count()));
    EXPECT_EQ(ChartSeriesColour(colours, 1), 255);
    EXPECT_EQ(ChartSeriesColour(colours, 3), 16711680);
    EXPECT_EQ(ChartSeriesColour(colours, 4), 255) << "a fourth query takes the first colour again";
    EXPECT_EQ(ChartSeriesColour(colours, 8), 65280);
    EXPECT_RAISES(5, ChartSeriesColour(colours, 0));

    Ref<cvCollection> none = New<cvCollection>();
    const int32_t first = ChartSeriesColour(none, 1);
    EXPECT_NE(first, ChartSeriesColour(none, 2)) << "neighbours differ";
    EXPECT_EQ(ChartSeriesColour(none, 13), first) << "the palette repeats too";
    EXPECT_EQ(ChartSeriesColour(Ref<cvCollection>(), 1), first);
    colours->Add(Variant("red"), "Series_3");
    EXPECT_RAISES(13, ChartSeriesColour(colours, 4));
}
