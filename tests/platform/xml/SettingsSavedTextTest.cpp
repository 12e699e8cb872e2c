// What is saved reads back as it was written: text with the characters a
// reader would change, blanks a reader would take for layout, the structure
// of element-only content, and the declaration a file begins with.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "LoadedSettings.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/ErrorAssert.h"
#include "support/TempDir.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Shown(const Variant& v) { return v.IsNull() ? "<Null>" : "\"" + v.ToString() + "\""; }

Ref<cvSettings> SavedAndLoaded(const Ref<cvSettings>& s, const std::string& file) {
    s->Save(file);
    auto back = New<cvSettings>();
    EXPECT_TRUE(back->Load(file));
    return back;
}

// Values a reader would not give back if they were written as they are.
const std::vector<std::string> kValues = {
    "a\rb", "\r", "\r\n", "one\r\ntwo\rthree\n", "x\x01y\x1f", "&<>\"']]>", " \t ", "\r  ", "\n", "\t",
};

TEST(SettingsSavedText, TextOnlyContentReadsBackAsWritten) {
    TempDir dir;
    const std::string file = dir.Path() + "values.xml";
    auto s = Loaded("<Options><C><![CDATA[data]]></C><D><![CDATA[data]]></D></Options>");
    for (size_t i = 0; i < kValues.size(); ++i) {
        const std::string n = std::to_string(i);
        s->SetValue("Text" + n, kValues[i]);
        s->SetValue("Attr" + n + "@v", kValues[i]);
    }
    // A CDATA section cannot keep a CR either, nor its own end.
    s->SetValue("C/text()", "c\rd");
    s->SetValue("D/text()", "d]]>e");
    for (int pass = 0; pass < 2; ++pass) {  // and a document read back saves the same again
        SCOPED_TRACE(pass);
        auto back = SavedAndLoaded(s, file);
        for (size_t i = 0; i < kValues.size(); ++i) {
            const std::string n = std::to_string(i);
            EXPECT_EQ(Shown(back->GetValue("Text" + n)), Shown(kValues[i])) << i;
            EXPECT_EQ(Shown(back->GetValue("Attr" + n + "@v")), Shown(kValues[i])) << i;
        }
        EXPECT_EQ(Shown(back->GetValue("C/text()")), "\"c\rd\"");
        EXPECT_EQ(Shown(back->GetValue("D/text()")), "\"d]]>e\"");
        // A file holds no bare CR, which any reader would turn into a line feed.
        EXPECT_EQ(ReadFile(file).find('\r'), std::string::npos);
        s = back;
    }
    // The markup handed round in memory keeps them too.
    auto again = New<cvSettings>();
    ASSERT_TRUE(again->LoadXML(s->XMLObject()->DocumentNode()->xml()));
    auto section = Loaded("<Copy/>");
    ASSERT_TRUE(s->Select("Options"));
    section->ReplaceXML(s->NodeXML(), "Copy");
    for (size_t i = 0; i < kValues.size(); ++i) {
        const std::string n = std::to_string(i);
        EXPECT_EQ(Shown(again->GetValue("Text" + n)), Shown(kValues[i])) << i;
        EXPECT_EQ(Shown(section->GetValue("Copy/Options/Text" + n)), Shown(kValues[i])) << i;
        EXPECT_EQ(Shown(section->GetValue("Options/Attr" + n + "@v")), Shown(kValues[i])) << i;
    }
}

TEST(SettingsSavedText, BlanksBesideElementsAreKeptAndTheLayoutStays) {
    TempDir dir;
    const std::string file = dir.Path() + "layout.xml";
    auto s = Loaded(
        "<Options>\n  <Layout>\n    <Grid Name='a'/>\n    <Grid Name='b'>x</Grid>\n  </Layout>\n"
        "  <Pad>  </Pad>\n  <Empty/>\n  <Box><In/></Box>\n</Options>\n");
    // Element-only content: the indentation of the file is no text.
    ASSERT_TRUE(s->Select("Options/Layout"));
    EXPECT_EQ(s->Count(), 2);
    EXPECT_EQ(Shown(s->GetValue("Options/Layout")), "\"x\"");
    EXPECT_EQ(Shown(s->GetValue("Options/Pad")), "\"  \"");
    EXPECT_EQ(Shown(s->GetValue("Options/Empty")), "\"\"");

    // Blanks written beside child elements are text, not layout.
    s->SetValue("Options/Box", "\n  ");
    s->SetValue("Options/Mixed", "lead");
    ASSERT_TRUE(s->CreateNode("Child", "Options/Mixed"));
    s->SetText(" ");
    ASSERT_TRUE(s->CreateNode("Leaf", "Options/Mixed"));
    auto back = SavedAndLoaded(s, file);
    const std::string saved = ReadFile(file);
    EXPECT_EQ(Shown(back->GetValue("Options/Box")), "\"\n  \"");
    EXPECT_EQ(back->XMLObject()->CountNodes("/Options/Box/In"), 1);
    EXPECT_EQ(Shown(back->GetValue("Options/Layout")), "\"x\"");
    ASSERT_TRUE(back->Select("Options/Layout"));
    EXPECT_EQ(back->Count(), 2);
    EXPECT_EQ(Shown(back->GetValue("Options/Mixed")), "\"lead \"");
    EXPECT_EQ(Shown(back->GetValue("Options/Mixed/Child")), "\" \"");
    EXPECT_EQ(Shown(back->GetValue("Options/Pad")), "\"  \"");
    EXPECT_EQ(Shown(back->GetValue("Options/Empty")), "\"\"");
    ASSERT_TRUE(back->Select("Options/Mixed"));
    EXPECT_EQ(back->Count(), 2);

    // The elements stay indented as before, and a second save changes nothing.
    EXPECT_NE(saved.find("\n  <Pad>  </Pad>\n  <Empty />\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\n    <Grid Name=\"a\" />\n    <Grid Name=\"b\">x</Grid>\n  </Layout>\n"),
              std::string::npos)
        << saved;
    auto third = SavedAndLoaded(back, file);
    EXPECT_EQ(ReadFile(file), saved);
    EXPECT_EQ(third->XMLObject()->DocumentNode()->xml(), back->XMLObject()->DocumentNode()->xml());

    // Only the first eight levels are indented, so that however deep a
    // document is nested, its file stays within a few times the size it was
    // read at (the most indented lines, empty elements on the eighth level,
    // take five times their size), and reads back the same.
    std::string leaves;
    for (int i = 0; i < 4000; ++i) leaves += "<a/>";
    for (const std::string& body : {Nested(6, leaves), Nested(254, leaves), Nested(255, "x") + leaves}) {
        const std::string read = dir.Write("deep.xml", "<R>" + body + "</R>");
        auto deep = New<cvSettings>();
        ASSERT_TRUE(deep->Load(read)) << deep->LoadProblem();
        auto written = SavedAndLoaded(deep, file);
        EXPECT_LE(ReadFile(file).size(), 5 * ReadFile(read).size() + 100) << ReadFile(file).substr(0, 400);
        ASSERT_TRUE(deep->Select("R") && written->Select("R"));
        EXPECT_TRUE(written->NodeXML() == deep->NodeXML()) << "read back as it was";
    }
    // The eighth level is indented by seven steps; what lies below it is not.
    EXPECT_NE(ReadFile(file).find("\n              <A><A>"), std::string::npos);
    EXPECT_EQ(ReadFile(file).find("\n                <"), std::string::npos);
}

TEST(SettingsSavedText, FilesDeclareUtf8AndPathsNeverMeetTheDeclaration) {
    TempDir dir;
    const std::string file = dir.Path() + "declared.xml";
    // Built without a declaration; the file gets one.
    auto s = Loaded("<Root>top<A>1</A></Root>");
    EXPECT_EQ(Shown(s->GetValue("node()")), "\"top1\"");
    auto back = SavedAndLoaded(s, file);
    EXPECT_EQ(ReadFile(file).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Root>", 0), 0u)
        << ReadFile(file);
    EXPECT_EQ(Shown(back->GetValue("node()")), "\"top1\"");
    EXPECT_EQ(Shown(back->GetValue("/node()")), "\"top1\"");
    EXPECT_EQ(Shown(back->GetValue("A/../../node()")), "\"top1\"");
    back->SetValue("node()", "new");
    EXPECT_EQ(Shown(back->GetValue("Root")), "\"new1\"");
    // Its attributes are no values of the document.
    EXPECT_TRUE(back->GetValue("node()/@version").IsNull());
    EXPECT_RAISES(5, back->SetValue("node()@version", "2"));

    // A file cannot hold text beside its root element, so a document is not
    // given any.
    auto empty = New<cvSettings>();
    EXPECT_RAISES(5, empty->ReplaceXML("lost<Root/>", ""));
    empty->ReplaceXML("<!--note--><Root/>", "");
    EXPECT_EQ(empty->XMLObject()->DocumentNode()->xml(), "<!--note--><Root/>");

    // A file read in another encoding is written as UTF-8 and says so.
    const std::string latin =
        dir.Write("latin.xml",
                  "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\"?><R><N>Br\xF8nn</N></R>");
    auto l = New<cvSettings>();
    ASSERT_TRUE(l->Load(latin));
    EXPECT_EQ(Shown(l->GetValue("N")), "\"Br\xC3\xB8nn\"");
    auto written = SavedAndLoaded(l, file);
    EXPECT_EQ(ReadFile(file).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<R>", 0),
              0u)
        << ReadFile(file);
    EXPECT_EQ(Shown(written->GetValue("N")), "\"Br\xC3\xB8nn\"");
    const std::string windows =
        dir.Write("windows.xml", "<?xml version='1.0' encoding='Windows-1252'?><R><N>Br\xF8nn \x80</N></R>");
    ASSERT_TRUE(l->Load(windows));
    EXPECT_EQ(Shown(l->GetValue("N")), "\"Br\xC3\xB8nn \xE2\x82\xAC\"");
    written = SavedAndLoaded(l, file);
    EXPECT_EQ(Shown(written->GetValue("N")), "\"Br\xC3\xB8nn \xE2\x82\xAC\"");
}

}  // namespace
