#include <gtest/gtest.h>

#include <functional>

#include "platform/i18n/i18N.h"
#include "platform/runtime/Error.h"
#include "support/ErrorAssert.h"
#include "support/Fifo.h"
#include "support/TempDir.h"

namespace {

bool Contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

const char* const kNorwegian = R"(<Translations Language="nb">
  <Term Stored="Field" User="Felt"/>
  <Term Stored="Well" User="Brønn"/>
  <Term Stored="Oil &amp; Gas" User="Olje og gass"/>
  <Term Stored="Field" User="Felt"/>
</Translations>)";

// Formatting that is odd on purpose: single quotes, CR LF, blank lines and
// entities, which a re-serialisation would change.
const char* const kOddlyFormatted =
    "<?xml version='1.0'?>\r\n\r\n<Query  ID='7' Type='Block' >\r\n"
    "  <Name>Field &amp; Well</Name><Empty/>\r\n</Query>\r\n";

TEST(i18N, WithoutTermsTextsComeBackByteForByte) {
    TempDir dir;
    i18N t;
    t.LoadTranslations("");
    EXPECT_EQ(t.ToUserLanguage(kOddlyFormatted), kOddlyFormatted);
    EXPECT_EQ(t.ToStoredForm(kOddlyFormatted), kOddlyFormatted);

    t.LoadTranslations(TERRALITH_SOURCE_SAMPLE "/Translations.xml");
    EXPECT_EQ(t.TermCount(), 0);
    EXPECT_EQ(t.ToUserLanguage(kOddlyFormatted), kOddlyFormatted);

    // Clearing with "" forgets the terms of an earlier file.
    t.LoadTranslations(dir.Write("nb.xml", kNorwegian));
    EXPECT_EQ(t.ToUserLanguage("<a b=\"Field\"/>"), "<a b=\"Felt\"/>");
    t.LoadTranslations("");
    EXPECT_EQ(t.TermCount(), 0);
    EXPECT_EQ(t.Language(), "");
    EXPECT_EQ(t.ToUserLanguage("<a b='Field'/>"), "<a b='Field'/>");
}

TEST(i18N, TranslatesWholeValuesOnlyAndConvertsBack) {
    TempDir dir;
    i18N t;
    t.LoadTranslations(dir.Write("nb.xml", kNorwegian));
    EXPECT_EQ(t.Language(), "nb");
    EXPECT_EQ(t.TermCount(), 3);

    const std::string stored =
        "<?xml version=\"1.0\"?><Query Type=\"Field\" Name=\"Field Name\" Field=\"x\">\n"
        "  <Field>Field</Field>\n"
        "  <Text> Field </Text>\n"
        "  <Category>Oil &amp; Gas</Category>\n"
        "  <!--Field--><Note><![CDATA[Well]]></Note>\n"
        "  <Mixed>Well<b/>Fields</Mixed>\n"
        "</Query>";
    const std::string user =
        "<?xml version=\"1.0\"?><Query Type=\"Felt\" Name=\"Field Name\" Field=\"x\">\n"
        "  <Field>Felt</Field>\n"
        "  <Text> Field </Text>\n"
        "  <Category>Olje og gass</Category>\n"
        "  <!--Field--><Note><![CDATA[Brønn]]></Note>\n"
        "  <Mixed>Brønn<b/>Fields</Mixed>\n"
        "</Query>";
    EXPECT_EQ(t.ToUserLanguage(stored), user);
    EXPECT_EQ(t.ToStoredForm(user), stored);

    // Terms are matched exactly: another case is another word.
    EXPECT_EQ(t.ToUserLanguage("<a b='field' c='FIELD'/>"), "<a b='field' c='FIELD'/>");
    // A text with nothing to translate keeps its own formatting.
    EXPECT_EQ(t.ToUserLanguage(kOddlyFormatted), kOddlyFormatted);
    // One that has keeps its line ends.
    EXPECT_EQ(t.ToUserLanguage("<Query Type='Field'>\r\n  <Name>Well</Name>\r\n</Query>"),
              "<Query Type=\"Felt\">\r\n  <Name>Brønn</Name>\r\n</Query>");
}

TEST(i18N, MissingOrMalformedFilesRaiseAndKeepTheTermsInForce) {
    TempDir dir;
    i18N t;
    t.LoadTranslations(dir.Write("nb.xml", kNorwegian));

    Error e = CaughtError([&] { t.LoadTranslations(dir.Path() + "absent.xml"); });
    EXPECT_EQ(e.Number(), 53);
    EXPECT_TRUE(Contains(e.Description(), "absent.xml")) << e.Description();
    EXPECT_EQ(CaughtError([&] { t.LoadTranslations(dir.Path()); }).Number(), 75);
    std::string fifo = dir.Path() + "pipe.xml";
    MakeFifo(fifo);
    {
        FifoWatchdog watchdog(fifo);
        Error pipe = CaughtError([&] { t.LoadTranslations(fifo); });
        EXPECT_FALSE(watchdog.Fired()) << "the pipe was opened for reading";
        EXPECT_EQ(pipe.Number(), 75);
        EXPECT_TRUE(Contains(pipe.Description(), "pipe.xml")) << pipe.Description();
    }

    struct Case {
        const char* name;
        std::string content;
        const char* named;
    };
    std::string deep = "<Translations><Term Stored=\"A\" User=\"B\">";
    for (int i = 0; i < 300; ++i) deep += "<x>";
    for (int i = 0; i < 300; ++i) deep += "</x>";
    deep += "</Term></Translations>";
    const Case cases[] = {
        {"broken.xml", "<Translations><Term Stored=\"A\" User=\"B\">", "offset"},
        {"empty.xml", "", "offset"},
        {"root.xml", "<Terms><Term Stored=\"A\" User=\"B\"/></Terms>", "<Terms>"},
        {"child.xml", "<Translations><Trem Stored=\"A\" User=\"B\"/></Translations>", "<Trem>"},
        {"nouser.xml", "<Translations><Term Stored=\"A\"/></Translations>", "'A'"},
        {"emptystored.xml", "<Translations><Term Stored=\"\" User=\"B\"/></Translations>", "'B'"},
        {"twice.xml",
         "<Translations><Term Stored=\"A\" User=\"B\"/><Term Stored=\"A\" User=\"C\"/></Translations>",
         "'C'"},
        {"shared.xml",
         "<Translations><Term Stored=\"A\" User=\"X\"/><Term Stored=\"B\" User=\"X\"/></Translations>",
         "'X'"},
        // Translated inside a CDATA section, the term would be split in two and never come back.
        {"cdata.xml", "<Translations><Term Stored=\"Note\" User=\"a]]&gt;b\"/></Translations>", "'a]]>b'"},
        {"cdatastored.xml", "<Translations><Term Stored=\"]]>\" User=\"B\"/></Translations>", "']]>'"},
        {"nul.xml", "<Translations><Term Stored=\"A&#0;\" User=\"B\"/></Translations>", "character 0"},
        {"deep.xml", deep, "nested deeper than 256 levels"},
    };
    for (const Case& c : cases) {
        std::string file = dir.Write(c.name, c.content);
        e = CaughtError([&] { t.LoadTranslations(file); });
        EXPECT_EQ(e.Number(), i18N::kErrInvalid) << c.name;
        EXPECT_TRUE(Contains(e.Description(), c.name)) << e.Description();
        EXPECT_TRUE(Contains(e.Description(), c.named)) << e.Description();
    }
    EXPECT_EQ(t.Language(), "nb");
    EXPECT_EQ(t.ToUserLanguage("<a b=\"Well\"/>"), "<a b=\"Brønn\"/>");
}

TEST(i18N, MalformedTextToConvertRaises) {
    TempDir dir;
    i18N t;
    // Nested deeper than any document is read.
    std::string deep = "<a b=\"Field\">";
    for (int i = 0; i < 300; ++i) deep += "<x>";
    for (int i = 0; i < 300; ++i) deep += "</x>";
    deep += "</a>";
    for (int withTerms = 0; withTerms < 2; ++withTerms) {
        if (withTerms) t.LoadTranslations(dir.Write("nb.xml", kNorwegian));
        // A comment XML forbids would be written back altered once a term is translated.
        for (const std::string xml :
             {"<Query><Field>Field</Query>", "", "just text", "<a b=\"Field\"/><c/>",
              "<a b=\"Field\"><!--x--y--></a>", "<a b=\"Field\"/><!--x--->", deep.c_str()}) {
            Error e = CaughtError([&] { t.ToUserLanguage(xml); });
            EXPECT_EQ(e.Number(), i18N::kErrInvalid) << xml;
            EXPECT_EQ(CaughtError([&] { t.ToStoredForm(xml); }).Number(), i18N::kErrInvalid) << xml;
            // The file the text belongs to is named, so its reader knows what to mend.
            for (const Error& named : {CaughtError([&] { t.ToUserLanguage(xml, "/data/q 1.xml"); }),
                                       CaughtError([&] { t.ToStoredForm(xml, "/data/q 1.xml"); })})
                EXPECT_TRUE(
                    Contains(named.Description(), "The XML text of '/data/q 1.xml' cannot be translated: "))
                    << named.Description();
        }
    }
}

}  // namespace
