// The grid layout file: what a load makes of each grid's elements, a save
// and load giving the same choice again, the year range, the translation of
// stored text, and files that are missing, broken or unexpected.
#include <filesystem>

#include "ChooserFixture.h"
#include "platform/i18n/i18N.h"

namespace {

using Names = std::vector<std::string>;

class LayoutFile : public ChooserFixture {
protected:
    // Loads the markup as a layout file; returns its path.
    std::string Load(const std::string& xml, const std::string& name = "Layout.xml") {
        const std::string path = data.Write(name, xml);
        chooser->SetLayoutFile(path);
        return path;
    }
    // A chooser on a catalogue of its own, as after the next start.
    void Restart() {
        messages.clear();
        MakeChooser();
    }
    std::string FieldsOf(const std::string& asset, const std::string& grid, const std::string& file) {
        Ref<ISettings2> doc = gTools()->NewSettingsObject();
        EXPECT_TRUE(doc->Load(file));
        EXPECT_TRUE(doc->Select("GridLayouts/AssetTypes/" + asset + "/Grids/" + grid + "/Fields"));
        return doc->NodeXML();
    }
};

TEST_F(LayoutFile, ALayoutSavedAndLoadedAgainGivesTheSameChoice) {
    MakeChooser();
    const std::string original =
        Load(Layout("Block", "Assets", "", "<YearRange All=\"0\"/><Note keep=\"yes\">text kept</Note>"));
    Choose({"NAME", "RES", "A", "DEPTH", "LAST"});
    F("RES")->SetDefaultUnit("GJ");
    F("RES")->SetColumnWidth(1440);
    F("A")->SetColumnWidth(900);
    Choose({"A", "LAST", "AR2", "AR1", "B"}, "Field", "Annual");
    Choose({"C", "D", "PIN3"}, "Transport", "Ownership");
    chooser->SetAllYears("Field", "Annual", 1);
    chooser->SetAnnualFromYear("Field", "Annual", "1990");
    chooser->SetAnnualToYear("Field", "Annual", "2005");
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(chooser->LayoutFileName(), original) << "saving elsewhere keeps the layout file";
    const std::string text = ReadFile(saved);
    EXPECT_TRUE(Contains(text, "<Field ID=\"RES\" UnitID=\"GJ\" Seq=\"2\" ColumnWidth=\"1440\" />")) << text;
    EXPECT_TRUE(Contains(text, "<Field ID=\"A\" UnitID=\"\" Seq=\"3\" ColumnWidth=\"900\" />")) << text;
    EXPECT_TRUE(Contains(text, "<Note keep=\"yes\">text kept</Note>"))
        << "what the chooser does not know stays";

    Restart();
    chooser->SetLayoutFile(saved);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Columns(), (Names{"NAME", "RES", "A", "DEPTH", "LAST"}));
    EXPECT_EQ(F("RES")->DefaultUnit(), "GJ");
    EXPECT_EQ(F("DEPTH")->DefaultUnit(), "m");
    EXPECT_EQ(F("RES")->ColumnWidth(), 1440);
    EXPECT_EQ(F("A")->ColumnWidth(), 900);
    EXPECT_EQ(Columns("Field", "Annual"), (Names{"A", "B", "AR2", "AR1", "LAST"}));
    EXPECT_EQ(Columns("Transport", "Ownership"), (Names{"C", "D", "PIN3"}));
    EXPECT_EQ(Columns("Block", "Assets"), Names{});
    EXPECT_EQ(chooser->AllYears("Field", "Annual"), 1);
    EXPECT_EQ(chooser->AnnualFromYear("Field", "Annual"), "1990");
    EXPECT_EQ(chooser->AnnualToYear("Field", "Annual"), "2005");
    EXPECT_EQ(chooser->AllYears("Block", "Assets"), 0);
    EXPECT_TRUE(messages.empty());
    const std::string again = data.Path() + "Again.xml";
    chooser->Save(again);
    EXPECT_EQ(ReadFile(again), text) << "a second round changes nothing";
}

TEST_F(LayoutFile, PinsTakeTheirPlaceAndFreeColumnsCloseUpInTheOrderTheyAsk) {
    MakeChooser();
    Load(Layout("Field", "Assets",
                FieldElement("LAST", "1") + FieldElement("A", "7") + FieldElement("B", "2") +
                    FieldElement("PIN3", "9") + FieldElement("C", "4") + FieldElement("NAME", "5")));
    EXPECT_EQ(Columns(), (Names{"NAME", "B", "PIN3", "C", "A", "LAST"}));

    // A column pinned at 3 that a removal slid forward is put back; the free
    // column saved at its place moves behind it instead of being lost.
    Load(Layout("Well", "Assets",
                FieldElement("B", "1") + FieldElement("PIN3", "2") + FieldElement("C", "3") +
                    FieldElement("D", "4")));
    EXPECT_EQ(Columns("Well", "Assets"), (Names{"B", "C", "PIN3", "D"}));
    Load(Layout("Block", "Assets",
                FieldElement("B", "1") + FieldElement("C", "3") + FieldElement("D", "4") +
                    FieldElement("PIN3", "3")));
    EXPECT_EQ(Columns("Block", "Assets"), (Names{"B", "C", "PIN3", "D"}))
        << "whatever the order of the elements";

    // Two free columns asking for one place: the first keeps it, the second gets none.
    Load(Layout("Transport", "Assets",
                FieldElement("A", "1") + FieldElement("B", "2") + FieldElement("C", "2")));
    EXPECT_EQ(Columns("Transport", "Assets"), (Names{"A", "B"}));

    // Numbers beyond the count of columns still order them; a column without
    // a number goes after those with one.
    const std::vector<std::pair<std::string, Names>> asked = {
        {FieldElement("C", "10") + FieldElement("B", "5") + FieldElement("A", "1"), {"A", "B", "C"}},
        {FieldElement("A", "1") + FieldElement("B", "2") + FieldElement("E", "8") + FieldElement("D", "6"),
         {"A", "B", "D", "E"}},
        {FieldElement("A", "abc") + FieldElement("B", "2"), {"B", "A"}},
    };
    for (const auto& [fields, order] : asked) {
        Load(Layout("Transport", "Ownership", fields));
        EXPECT_EQ(Columns("Transport", "Ownership"), order) << fields;
    }

    // Pinned columns cannot be removed, and a file that does not list them
    // does not remove them either: they keep to their pins, the last one last.
    EXPECT_EQ(Columns(), (Names{"NAME", "PIN3", "LAST"}));
    Load(Layout("Field", "Assets", FieldElement("E", "1") + FieldElement("LAST", "2")));
    EXPECT_EQ(Columns(), (Names{"NAME", "E", "PIN3", "LAST"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(LayoutFile, OddElementsAreSkippedOrPutAtTheEndAndTheFileIsNeverChangedByALoad) {
    MakeChooser();
    const std::string xml =
        Layout("Field", "Assets",
               FieldElement("NO_SUCH_FIELD", "1") + FieldElement("A", "0") + FieldElement("B", "2", "abc") +
                   "<Other ID=\"C\" Seq=\"3\" ColumnWidth=\"12.5\"/>" + FieldElement("B", "1", "77") +
                   FieldElement("D", "-4", "13.5") + FieldElement("E", "abc", "-20") +
                   FieldElement("RES", "99999999999999999999", "1e300") + FieldElement("LAST", "3"),
               "<YearRange All=\"12abc\" From=\"nineteen ninety\" To=\"\"/>") +
        "<!-- a comment -->";
    const std::string path = Load(xml);
    EXPECT_EQ(ReadFile(path), xml);
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    // Unknown and repeated IDs are skipped, any element name counts, a Seq
    // below 1, beyond a Long or not a number goes to the end.
    EXPECT_EQ(Columns(), (Names{"B", "C", "A", "D", "E", "RES", "LAST"}));
    EXPECT_EQ(F("B")->ColumnWidth(), 0) << "the first element of B counts";
    EXPECT_EQ(F("C")->ColumnWidth(), 12) << "halves go to the even number";
    EXPECT_EQ(F("D")->ColumnWidth(), 14);
    EXPECT_EQ(F("E")->ColumnWidth(), 0) << "no negative width";
    EXPECT_EQ(F("RES")->ColumnWidth(), 0) << "no width beyond a Long";
    EXPECT_EQ(chooser->AllYears("Field", "Assets"), 12);
    EXPECT_EQ(chooser->AnnualFromYear("Field", "Assets"), "nineteen ninety") << "years are texts";
    EXPECT_EQ(chooser->AnnualToYear("Field", "Assets"), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(LayoutFile, UnitsAreFilledFromTheCategoryAndAnUnknownUnitIsReportedAndReplaced) {
    MakeChooser();
    const std::string path =
        Load(Layout("Field", "Assets",
                    FieldElement("RES", "1", "", "") + FieldElement("DEPTH", "2", "", "furlong") +
                        FieldElement("A", "3", "", "ft")));
    EXPECT_EQ(F("RES")->DefaultUnit(), "MMboe");
    EXPECT_EQ(F("DEPTH")->DefaultUnit(), "m");
    EXPECT_EQ(F("A")->DefaultUnit(), "") << "a column without a category ignores UnitID";
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Warning: Unit: furlong not found. Field: Column DEPTH will use Corvantis "
              "default unit: m");
    EXPECT_EQ(messages[0].title, "Warning");
    EXPECT_EQ(messages[0].style, 48);
    EXPECT_TRUE(Contains(ReadFile(path), "UnitID=\"furlong\"")) << "the file is not touched";

    // The empty UnitID was filled into the document; the unknown unit stays
    // there until a save writes the unit in use.
    F("RES")->SetDefaultUnit("");
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    EXPECT_TRUE(Contains(FieldsOf("Field", "Assets", saved), "ID=\"RES\" UnitID=\"MMboe\""));
    EXPECT_TRUE(Contains(FieldsOf("Field", "Assets", saved), "ID=\"DEPTH\" UnitID=\"m\""));

    // The unit's name is a value: a "||" in it breaks no line of the box.
    messages.clear();
    Load(Layout("Well", "Assets", FieldElement("DEPTH", "1", "", "fur||long")), "Other.xml");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "Warning: Unit: fur||long not found. Field: Column DEPTH will use Corvantis default unit: m");
}

TEST_F(LayoutFile, AFileThatCannotBeReadOrIsNoLayoutChangesNothing) {
    MakeChooser();
    const std::string good = Load(Layout("Field", "Assets", FieldElement("A", "1") + FieldElement("B", "2"),
                                         "<YearRange From=\"1990\"/>"));
    ASSERT_EQ(Columns(), (Names{"A", "B"}));

    const std::string missing = data.Path() + "Missing.xml";
    chooser->SetLayoutFile(missing);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_TRUE(Contains(messages[0].text, "Default layout file:\r\n" + missing + "\r\n cannot be loaded."))
        << messages[0].text;
    EXPECT_TRUE(Contains(messages[0].text, "CSelectedFields.LayoutFile(sFile="));
    EXPECT_EQ(chooser->LayoutFileName(), missing) << "the path is kept for later messages";

    struct Broken {
        std::string name, xml, why;
    };
    std::string deep;
    for (int i = 0; i < 300; ++i) deep = "<a>" + deep + "</a>";
    deep = "<GridLayouts>" + deep + "</GridLayouts>";
    const Broken broken[] = {
        {"Empty.xml", "", "No document element found"},
        {"Truncated.xml", Layout("Field", "Assets", FieldElement("C", "1")).substr(0, 120),
         "not well-formed"},
        {"Query.xml", "<?xml version=\"1.0\"?><Query><Options/></Query>", "root element is not GridLayouts"},
        {"Nested.xml",
         "<Wrapper>" + Layout("Field", "Assets", FieldElement("C", "1")).substr(39) + "</Wrapper>",
         "root element is not GridLayouts"},
        {"Text.xml", "Block Assets NAME 1", "not well-formed"},
        {"Deep.xml", deep, "nested deeper than 256"}};
    for (const auto& [name, xml, why] : broken) {
        messages.clear();
        const std::string path = Load(xml, name);
        ASSERT_EQ(messages.size(), 1u) << name;
        EXPECT_TRUE(Contains(messages[0].text, "Invalid Results grids Layout file: " + path))
            << messages[0].text;
        EXPECT_TRUE(Contains(messages[0].text, why)) << messages[0].text;
        EXPECT_EQ(Columns(), (Names{"A", "B"})) << name;
        EXPECT_EQ(ReadFile(path), xml) << name;
        EXPECT_EQ(chooser->AnnualFromYear("Field", "Assets"), "1990") << name;
    }
    // The document held is still the good file's.
    messages.clear();
    EXPECT_EQ(chooser->AnnualFromYear("Field", "Assets"), "1990");
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Contains(FieldsOf("Field", "Assets", saved), "ID=\"B\""));
}

TEST_F(LayoutFile, AGridThatFailsToLoadStopsTheLoadAndIsSavedAsTheFileHoldsIt) {
    MakeChooser();
    Choose({"E"}, "Well", "Assets");
    std::string xml = Layout("Field", "Assets", FieldElement("A", "1"));
    xml = Replace(xml, "<Annual><Fields></Fields></Annual>", "<Annual/>");
    xml = Replace(xml,
                  "<Assets><Fields></Fields></Assets>\n        <Ownership><Fields></Fields></Ownership>\n"
                  "      </Grids>\n    </Well>",
                  "<Assets><Fields>" + FieldElement("C", "1") + FieldElement("D", "2") +
                      "</Fields></Assets>\n        <Ownership><Fields></Fields></Ownership>\n"
                      "      </Grids>\n    </Well>");
    const std::string path = Load(xml);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text, "Invalid Results grids Layout file: " + path)) << messages[0].text;
    EXPECT_TRUE(Contains(messages[0].text,
                         "CSelectedFields.LoadLayoutSettings(sAssetType='Field', sGridType='Annual')"))
        << messages[0].text;
    EXPECT_EQ(Columns(), (Names{"A"})) << "the grids before it are loaded";
    EXPECT_EQ(Columns("Well", "Assets"), (Names{"E"})) << "the grids after it are not";

    // Saving keeps the file's columns of the grids it did not load.
    messages.clear();
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    const std::string well = FieldsOf("Well", "Assets", saved);
    EXPECT_TRUE(Contains(well, "ID=\"C\"") && Contains(well, "ID=\"D\"") && !Contains(well, "ID=\"E\""))
        << well;
    EXPECT_TRUE(Contains(FieldsOf("Field", "Assets", saved), "ID=\"A\""));

    // Once the user changes such a grid, its columns are what is saved; one
    // without "Fields" is reported and the file is written all the same.
    chooser->AddFieldToSeqIndex("Well", "Assets", "B");
    chooser->AddFieldToSeqIndex("Field", "Annual", "B");
    chooser->Save(saved);
    EXPECT_TRUE(Contains(FieldsOf("Well", "Assets", saved), "ID=\"B\""));
    EXPECT_FALSE(Contains(FieldsOf("Well", "Assets", saved), "ID=\"C\""));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text, "Invalid Results grids Layout file:\r\n" + path +
                                               "\r\nMissing element:\r\nGridLayouts/AssetTypes/Field/Grids/"
                                               "Annual/Fields"))
        << messages[0].text;
    EXPECT_TRUE(Contains(messages[0].text,
                         "CSelectedFields.SaveLayoutSettings(sAssetType='Field', sGridType='Annual')"));
}

TEST_F(LayoutFile, GridsTheCatalogueDoesNotHoldAreLeftAsTheFileHoldsThem) {
    MakeChooser();
    catalogue->Remove(Variant("Transport"));
    // A grid no asset type has is no error: nothing reads it, and it is kept.
    std::string xml = Replace(Layout("Transport", "Ownership", FieldElement("C", "1")),
                              "</Ownership>\n      </Grids>\n    </Block>",
                              "</Ownership>\n        <Annual><Fields>" + FieldElement("A", "1") +
                                  "</Fields></Annual>\n      </Grids>\n    </Block>");
    const std::string path = Load(xml);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text, "sAssetType='Transport'")) << messages[0].text;
    messages.clear();
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_TRUE(Contains(FieldsOf("Transport", "Ownership", saved), "ID=\"C\""));
    EXPECT_TRUE(Contains(FieldsOf("Block", "Annual", saved), "ID=\"A\""));
    EXPECT_EQ(ReadFile(path), xml);
}

TEST_F(LayoutFile, ASaveBuildsEachGridsListBeforeItReplacesTheSavedColumns) {
    MakeChooser();
    Load(Layout("Field", "Assets", FieldElement("A", "1") + FieldElement("B", "2")));
    Choose({"C"}, "Well", "Assets");
    // A host broke the index: that grid cannot be listed.
    chooser->Index("Field", "Assets", "FIELD_SEQUENCE_INDEX")->Remove(Variant("I_1"));
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(Contains(messages[0].text,
                         "CSelectedFields.SaveLayoutSettings(sAssetType='Field', "
                         "sGridType='Assets')"))
        << messages[0].text;
    const std::string field = FieldsOf("Field", "Assets", saved);
    EXPECT_TRUE(Contains(field, "ID=\"A\"") && Contains(field, "ID=\"B\"")) << field;
    EXPECT_TRUE(Contains(FieldsOf("Well", "Assets", saved), "ID=\"C\"")) << "the other grids are saved";
}

TEST_F(LayoutFile, NothingIsWrittenWithoutALayoutAndAFailedWriteKeepsTheOldFile) {
    MakeChooser();
    const std::string target = data.Write("Target.xml", "<GridLayouts>old</GridLayouts>");
    Error e = CaughtError([&] { chooser->Save(target); });
    EXPECT_EQ(e.Number(), 91);
    EXPECT_TRUE(Contains(e.Description(), "CSelectedFields.IFieldChooser_Save(sFile=")) << e.Description();
    EXPECT_EQ(messages.size(), 9u) << "each grid tells it could not be saved";
    EXPECT_EQ(ReadFile(target), "<GridLayouts>old</GridLayouts>");

    // A layout file that was missing leaves an empty document: nothing to write.
    chooser->SetLayoutFile(data.Path() + "Missing.xml");
    e = CaughtError([&] { chooser->Save(target); });
    EXPECT_NE(e.Number(), 0);
    EXPECT_TRUE(Contains(e.Description(), "Invalid Results grids Layout file: " + target)) << e.Description();
    EXPECT_EQ(ReadFile(target), "<GridLayouts>old</GridLayouts>");

    // A target that cannot be written over: the old file stays whole.
    Load(Layout("Field", "Assets", FieldElement("A", "1")));
    const std::string folder = data.Path() + "Folder.xml";
    std::filesystem::create_directory(folder);
    EXPECT_NE(CaughtError([&] { chooser->Save(folder); }).Number(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    for (const auto& entry : std::filesystem::directory_iterator(data.Path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(LayoutFile, TheDocumentIsHeldInTheUsersLanguageAndSavedInTheStoredOne) {
    MakeChooser();
    gTools()->i18N()->LoadTranslations(
        data.Write("Translations.xml",
                   "<Translations Language=\"de\"><Term Stored=\"Start\" User=\"Anfang\"/></Translations>"));
    Load(Layout("Field", "Annual", FieldElement("A", "1"), "<YearRange From=\"Start\" To=\"2005\"/>"));
    EXPECT_EQ(chooser->AnnualFromYear("Field", "Annual"), "Anfang");
    chooser->SetAnnualToYear("Field", "Annual", "Anfang");
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    const std::string text = ReadFile(saved);
    EXPECT_TRUE(Contains(text, "From=\"Start\" To=\"Start\"")) << text;
    EXPECT_EQ(chooser->AnnualFromYear("Field", "Annual"), "Anfang") << "the document held stays translated";
}

TEST_F(LayoutFile, YearRangesNeedALayoutAndOneOfTheNineGrids) {
    MakeChooser();
    EXPECT_EQ(chooser->AllYears("Field", "Annual"), 0);
    chooser->SetAllYears("Field", "Annual", 1);
    EXPECT_EQ(chooser->AnnualFromYear("Field", "Annual"), "");
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(Contains(messages[0].text,
                         "CSelectedFields.IFieldChooser_AllYears(sAssetType='Field', "
                         "sGridType='Annual')"));
    EXPECT_TRUE(Contains(messages[1].text,
                         "CSelectedFields.IFieldChooser_AllYears(sAssetType='Field', "
                         "sGridType='Annual', lValue=1)"));
    EXPECT_TRUE(Contains(messages[2].text,
                         "CSelectedFields.IFieldChooser_AnnualFromYear(sAssetType='Field', "
                         "sGridType='Annual')"));

    messages.clear();
    Load(Layout("Field", "Annual", "", "<YearRange All=\"2.5\"/>"));
    EXPECT_EQ(chooser->AllYears("Field", "Annual"), 2);
    Load(Layout("Field", "Annual", "", "<YearRange All=\"3.5\"/>"));
    EXPECT_EQ(chooser->AllYears("Field", "Annual"), 4);
    chooser->SetAllYears("Field", "Annual", 1);
    EXPECT_EQ(chooser->AllYears("Field", "Annual"), 1);
    EXPECT_TRUE(messages.empty());

    // An attribute not there, a number beyond a Long, a grid that is not one
    // of the nine: each shown, and nothing is added to the document.
    EXPECT_EQ(chooser->AnnualToYear("Field", "Annual"), "");
    Load(Layout("Field", "Annual", "", "<YearRange All=\"99999999999\"/>"));
    EXPECT_EQ(chooser->AllYears("Field", "Annual"), 0);
    chooser->SetAllYears("Field", "Sideways", 1);
    chooser->SetAnnualFromYear("field", "Annual", "1990");
    chooser->SetAnnualToYear("Field/Grids/Annual", "Annual", "1990");
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_TRUE(Contains(messages[4].text, "No result grid Field/Grids/Annual/Annual")) << messages[4].text;
    const std::string saved = data.Path() + "Saved.xml";
    chooser->Save(saved);
    const std::string text = ReadFile(saved);
    EXPECT_FALSE(Contains(text, "Sideways") || Contains(text, "<field") || Contains(text, "1990")) << text;
}

}  // namespace
