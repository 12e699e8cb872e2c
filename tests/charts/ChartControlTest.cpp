// The in-memory chart control: what it keeps, what it refuses and the
// picture it draws of itself.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "host/controls/MemoryChartControl.h"
#include "support/ErrorAssert.h"

namespace {

// Every text of the picture, in document order.
std::vector<std::string> Texts(const pugi::xml_document& doc) {
    std::vector<std::string> texts;
    for (const pugi::xpath_node& n : doc.select_nodes("//*[local-name()='text']"))
        texts.push_back(n.node().child_value());
    return texts;
}

bool Has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

size_t Count(const pugi::xml_document& doc, const char* xpath) { return doc.select_nodes(xpath).size(); }

// A chart as the library would leave it: a line group of years and a
// stacked group of two series, with titles, legend and footer.
std::shared_ptr<MemoryChartControl> DrawnChart() {
    auto chart = std::make_shared<MemoryChartControl>();
    Ref<IChartControl> c = chart;
    Ref<IChartGroup> line = c->ChartGroups(1);
    line->SetChartType(1);
    line->Data()->SetNumSeries(1);
    line->Data()->SetNumPoints(1, 3);
    const char* years[] = {"2001", "2002", "2003"};
    const char* values[] = {"1500.5", "12000", "800"};
    for (int32_t p = 1; p <= 3; ++p) {
        line->PointLabels()->Add(Variant(years[p - 1]));
        line->Data()->SetY(1, p, Variant(values[p - 1]));
    }
    line->SeriesLabels()->Add(Variant("Oil"));
    line->Styles()->Item(1)->Line()->SetColor(255);

    Ref<IChartGroup> stacked = c->ChartGroups(2);
    stacked->SetChartType(4);
    stacked->Data()->SetNumSeries(2);
    for (int32_t s = 1; s <= 2; ++s) {
        stacked->Data()->SetNumPoints(s, 3);
        for (int32_t p = 1; p <= 3; ++p) stacked->Data()->SetY(s, p, Variant(100.0 * s));
    }
    stacked->SeriesLabels()->Add(Variant("North & South"));
    stacked->SeriesLabels()->Add(Variant("<East>"));

    Ref<IChartArea> area = c->ChartArea();
    Ref<IChartAxisControl> x = area->Axes("X");
    x->SetAnnotationMethod(1);
    x->SetTitle("Year");
    Ref<IChartAxisControl> y = area->Axes("Y");
    y->SetTitle("Oil (Mbbl/d)");
    y->SetTitleRotation(2);
    y->LabelFormat()->Number()->SetDecimalPlaces(0);
    y->LabelFormat()->Number()->SetUseSeparators(true);
    c->Header()->SetIsShowing(true);
    c->Header()->SetText("Production  (Mbbl/d)");
    c->Header()->Font()->SetBold(true);
    c->Footer()->SetIsShowing(true);
    c->Footer()->SetText("Source: R&amp;D");
    c->Footer()->Location()->SetLeft(5);
    c->Legend()->SetIsShowing(true);
    c->Legend()->SetText("Series");
    c->Legend()->Border()->SetType(4);
    c->Legend()->SetAnchor(16);
    c->Legend()->SetOrientation(2);
    return chart;
}

}  // namespace

TEST(MemoryChartControl, DataKeepsValuesWithinItsSeriesAndPoints) {
    MemoryChartControl chart;
    Ref<IChartData> data = chart.ChartGroups(2)->Data();
    EXPECT_EQ(chart.Groups().size(), 2u) << "groups are made up to the one asked for";
    EXPECT_RAISES(381, chart.ChartGroups(0));
    EXPECT_RAISES(381, data->SetY(1, 1, Variant(1.0))) << "no series yet";
    data->SetNumSeries(2);
    data->SetNumPoints(1, 3);
    data->SetNumPoints(2, 1);
    EXPECT_EQ(data->NumPoints(1), 3);
    EXPECT_RAISES(381, data->NumPoints(3));
    EXPECT_RAISES(381, data->SetY(2, 2, Variant(1.0)));
    data->SetY(1, 1, Variant("12.5"));
    data->SetY(1, 2, Variant::Null());
    data->SetY(1, 3, Variant(7.0));
    data->SetY(2, 1, Variant("n/a"));
    const MemoryChartData& kept = *chart.Group(2)->data;
    EXPECT_EQ(kept.Value(1, 1), 12.5) << "text is read with a point as decimal separator";
    EXPECT_FALSE(kept.Value(1, 2)) << "Null leaves the point without a value";
    EXPECT_FALSE(kept.Value(2, 1));
    data->SetNumPoints(1, 2);
    data->SetNumPoints(1, 3);
    EXPECT_FALSE(kept.Value(1, 3)) << "lowering the points drops the values beyond";
    EXPECT_EQ(kept.y.count({1, 2}), 1u) << "the last point stays";
    EXPECT_EQ(kept.y.count({2, 1}), 1u) << "and only the series' own";
    data->SetNumSeries(1);
    EXPECT_EQ(kept.y.count({2, 1}), 0u);
    EXPECT_EQ(kept.Value(1, 1), 12.5) << "fewer series keep the values of those left";
}

TEST(MemoryChartControl, StyleSlotsFollowTheSeriesAndAxesAreNamedExactly) {
    MemoryChartControl chart;
    Ref<IChartGroup> group = chart.ChartGroups(1);
    EXPECT_EQ(group->Styles()->Count(), 0);
    group->Data()->SetNumSeries(4);
    EXPECT_EQ(group->Styles()->Count(), 4);
    group->Styles()->Item(6)->Fill()->Interior()->SetForegroundColor(33023);
    EXPECT_EQ(group->Styles()->Count(), 6);
    EXPECT_EQ(chart.Group(1)->styles->Find(6)->fill->interior->foregroundColor, 33023);
    EXPECT_RAISES(381, group->Styles()->Item(0));
    for (const char* name : {"X", "Y", "Y2"}) EXPECT_FALSE(chart.ChartArea()->Axes(name).IsNothing());
    for (const char* name : {"Y3", "x", ""}) EXPECT_RAISES(381, chart.ChartArea()->Axes(name));
    group->SeriesLabels()->Add(Variant(2003));
    group->SeriesLabels()->Add(Variant::Null());
    EXPECT_EQ(chart.Group(1)->seriesLabels->items, (std::vector<std::string>{"2003", ""}));
    group->SeriesLabels()->RemoveAll();
    EXPECT_TRUE(chart.Group(1)->seriesLabels->items.empty());
}

TEST(MemoryChartControl, ThePictureIsWellFormedSvgShowingTitlesLabelsLegendAndSeries) {
    auto chart = DrawnChart();
    const std::string svg = chart->Svg();
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(svg.c_str())) << svg;
    EXPECT_STREQ(doc.document_element().name(), "svg");
    const auto texts = Texts(doc);
    for (const char* expected : {"Production  (Mbbl/d)", "Source: R&amp;D", "Series", "Oil", "North & South",
                                 "<East>", "Year", "Oil (Mbbl/d)", "2001", "2002", "2003", "15,000"})
        EXPECT_TRUE(Has(texts, expected)) << expected << "\n" << svg;
    EXPECT_EQ(Count(doc, "//*[local-name()='path' and @stroke='#ff0000']"), 1u) << "the line, in its colour";
    // Two stacked series over three years, and the two legend swatches of the stacked group.
    EXPECT_EQ(Count(doc, "//*[local-name()='rect' and @stroke='#ffffff']"), 6u);
    EXPECT_TRUE(Contains(svg, "rotate(-90")) << "the value axis title turned a quarter left";
    EXPECT_STREQ(doc.select_node("//*[local-name()='title']").node().child_value(), "Production  (Mbbl/d)");
    // A header without a unit ends in a blank: neither the title nor the drawn header keeps it.
    Ref<IChartControl>(chart)->Header()->SetText("Oil and gas production ");
    pugi::xml_document plain;
    ASSERT_TRUE(plain.load_string(chart->Svg().c_str()));
    EXPECT_STREQ(plain.select_node("//*[local-name()='title']").node().child_value(),
                 "Oil and gas production");
    EXPECT_TRUE(Has(Texts(plain), "Oil and gas production"));

    // The stacked bars of one year sit on each other.
    std::vector<double> tops, bottoms;
    for (const auto& n : doc.select_nodes("//*[local-name()='rect' and @stroke='#ffffff']")) {
        const double y = n.node().attribute("y").as_double(), h = n.node().attribute("height").as_double();
        tops.push_back(y);
        bottoms.push_back(y + h);
    }
    EXPECT_NEAR(bottoms[1], tops[0], 0.11);
    EXPECT_NEAR((bottoms[1] - tops[1]) * 1, (bottoms[0] - tops[0]) * 2, 0.3)
        << "200 stands twice as high as 100";
}

TEST(MemoryChartControl, LyingChartsValueLabelsAndHatchesAlsoDraw) {
    auto chart = DrawnChart();
    Ref<IChartControl> c = chart;
    c->ChartArea()->SetIsHorizontal(true);
    c->ChartGroups(1)->SetChartType(2);
    c->ChartGroups(1)->Styles()->Item(1)->Fill()->SetPattern(5);
    Ref<IChartAxisControl> x = c->ChartArea()->Axes("X");
    x->SetAnnotationMethod(2);
    x->ValueLabels()->Add(Variant(2), Variant("Second"));
    x->ValueLabels()->Add(Variant(2.0), Variant("Replaced"));
    x->SetAnnotationRotationAngle(45);
    c->ChartArea()->Axes("Y2")->SetIsShowing(true);
    c->Legend()->SetAnchor(33);
    const std::string svg = chart->Svg(300, 200);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(svg.c_str())) << svg;
    const auto texts = Texts(doc);
    EXPECT_TRUE(Has(texts, "Replaced"));
    EXPECT_FALSE(Has(texts, "Second"));
    EXPECT_FALSE(Has(texts, "2001")) << "value labels, not point labels";
    EXPECT_EQ(Count(doc, "//*[local-name()='pattern']"), 1u);
}

TEST(MemoryChartControl, AnEmptyChartStillDrawsAndSavesItself) {
    MemoryChartControl chart("Empty");
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(chart.Svg(10, 10).c_str()));
    EXPECT_EQ(doc.document_element().attribute("width").as_double(), 200) << "never smaller than 200 by 150";
    EXPECT_RAISES(75, chart.SaveSvg("/nonexistent-folder/chart.svg", ExistingFile::Replace));
}

TEST(MemoryChartControl, CategoryLabelsAreThinnedOnlyWhereTheyWouldCollide) {
    // Sixty bars on a narrow picture: not every label fits beside its neighbour.
    auto labelled = [](bool everyPoint) {
        auto chart = std::make_shared<MemoryChartControl>();
        Ref<IChartControl> c = chart;
        Ref<IChartGroup> bars = c->ChartGroups(1);
        bars->SetChartType(2);
        bars->Data()->SetNumSeries(1);
        bars->Data()->SetNumPoints(1, 60);
        Ref<IChartAxisControl> x = c->ChartArea()->Axes("X");
        x->SetAnnotationMethod(2);
        for (int32_t p = 1; p <= 60; ++p) {
            bars->Data()->SetY(1, p, Variant(1.0 * p));
            if (everyPoint || p == 1 || p == 30 || p == 60)
                x->ValueLabels()->Add(Variant(p), Variant("Y" + std::to_string(1960 + p)));
        }
        pugi::xml_document doc;
        EXPECT_TRUE(doc.load_string(chart->Svg(300, 200).c_str()));
        std::vector<std::string> years;
        for (const std::string& t : Texts(doc))
            if (t.size() == 5 && t[0] == 'Y') years.push_back(t);
        return years;
    };
    const auto dense = labelled(true);
    EXPECT_GT(dense.size(), 3u);
    EXPECT_LT(dense.size(), 30u) << "labels of neighbouring bars would overlap";
    EXPECT_EQ(dense.front(), "Y1961");
    EXPECT_EQ(labelled(false), (std::vector<std::string>{"Y1961", "Y1990", "Y2020"}))
        << "a few labels far apart are all drawn";
}

TEST(MemoryChartControl, ATrailingPlaceWithoutLabelOrValueIsNotDrawn) {
    // A stack across a result: the title column keeps a place in every series but the first.
    auto stack = [](int32_t lastPoints, bool labelLast) {
        auto chart = std::make_shared<MemoryChartControl>();
        Ref<IChartControl> c = chart;
        Ref<IChartGroup> g = c->ChartGroups(1);
        g->SetChartType(4);
        g->Data()->SetNumSeries(2);
        g->Data()->SetNumPoints(1, 3);
        g->Data()->SetNumPoints(2, lastPoints);
        Ref<IChartAxisControl> x = c->ChartArea()->Axes("X");
        x->SetAnnotationMethod(2);
        for (int32_t p = 1; p <= 3; ++p) {
            x->ValueLabels()->Add(Variant(p), Variant("P" + std::to_string(p)));
            for (int32_t s = 1; s <= 2; ++s) g->Data()->SetY(s, p, Variant(10.0 * s + p));
        }
        if (labelLast) x->ValueLabels()->Add(Variant(4), Variant("P4"));
        return chart->Svg(400, 300);
    };
    EXPECT_EQ(stack(4, false), stack(3, false)) << "the empty fourth place leaves no band";
    EXPECT_NE(stack(4, true), stack(3, false)) << "a labelled place is drawn, empty or not";
}
