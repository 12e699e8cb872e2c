// Values that hold quotes, looked for and read through every form of path a
// caller writes: a bare element name, element names joined by "/", a path
// the answers kept beside the document cannot follow, and a "//" path.
#include <gtest/gtest.h>

#include "LoadedSettings.h"
#include "platform/xml/cvSettings.h"

namespace {

const char* const kDocument =
    "<Settings><FieldDetail>"
    "<Label>it's</Label>"
    "<FieldTypes>"
    "<FieldType Code='A' Name='plain'/>"
    "<FieldType Code=\"it's\" Name='apostrophe'/>"
    "<FieldType Code='say &quot;hi&quot;' Name='quote'/>"
    "<FieldType Code=\"it's &quot;both&quot;\" Name='both'/>"
    "<FieldType Code='a]b@c' Name='brackets'/>"
    "</FieldTypes>"
    "<Deep><Deeper><Deepest><FieldType Code='nested' Name='deep'/><Note>it's "
    "deep</Note></Deepest></Deeper></Deep>"
    "</FieldDetail>"
    "<Outside><FieldType Code='outside' Name='out'/><Note>outside</Note></Outside>"
    "</Settings>";

// The Name of the item FindChild stands on after finding the Code, "" when
// it finds nothing.
std::string NameOf(ISettings2& s, const std::string& path, const std::string& code) {
    return s.FindChild(path, "Code", Variant(code)) ? s.Attribute("Name") : "";
}

TEST(SettingsQuotedValues, FindChildFindsValuesWithQuotesThroughEveryFormOfPath) {
    auto document = Loaded(kDocument);
    ASSERT_TRUE(document->Select("Settings/FieldDetail"));
    Ref<ISettings2> section = document->Node();

    // The object bound to the document evaluates every search as an
    // expression; the one bound to an element answers bare names and
    // "/"-joined names from what it keeps, and the rest as an expression.
    struct Form {
        Ref<ISettings2> on;
        std::string path;
    };
    const Form forms[] = {
        {document, "FieldType"},
        {document, "Settings/FieldDetail/FieldTypes/FieldType"},
        {document, "/Settings/FieldDetail/FieldTypes/FieldType"},
        {section, "FieldType"},
        {section, "FieldTypes/FieldType"},
        {section, "FieldTypes/*"},
        {section, "FieldTypes/FieldType[@Name]"},
    };
    for (const Form& f : forms) {
        SCOPED_TRACE(f.path + (f.on == document ? " on the document" : " on the section"));
        EXPECT_EQ(NameOf(*f.on, f.path, "it's"), "apostrophe");
        EXPECT_EQ(NameOf(*f.on, f.path, "say \"hi\""), "quote");
        EXPECT_EQ(NameOf(*f.on, f.path, "it's \"both\""), "both");
        EXPECT_EQ(NameOf(*f.on, f.path, "a]b@c"), "brackets");
        EXPECT_EQ(NameOf(*f.on, f.path, "A"), "plain");
        // Only the whole value matches.
        EXPECT_EQ(NameOf(*f.on, f.path, "it"), "");
        EXPECT_EQ(NameOf(*f.on, f.path, "it's "), "");
        EXPECT_EQ(NameOf(*f.on, f.path, "it`s"), "");
        EXPECT_EQ(NameOf(*f.on, f.path, "' or '1'='1"), "");
    }
}

TEST(SettingsQuotedValues, ADoubleSlashPathFindsNestedElementsBelowTheBoundElementOnly) {
    auto document = Loaded(kDocument);
    EXPECT_EQ(NameOf(*document, "//FieldType", "nested"), "deep");
    EXPECT_EQ(NameOf(*document, "//FieldType", "outside"), "out");
    EXPECT_EQ(document->GetValue("//Deepest/Note").ToString(), "it's deep");

    ASSERT_TRUE(document->Select("Settings/FieldDetail"));
    Ref<ISettings2> section = document->Node();
    EXPECT_EQ(NameOf(*section, "//FieldType", "nested"), "deep");
    EXPECT_EQ(NameOf(*section, "//FieldType", "it's"), "apostrophe");
    EXPECT_EQ(NameOf(*section, "//Deepest/FieldType", "nested"), "deep");
    EXPECT_EQ(NameOf(*section, "//FieldType", "outside"), "") << "outside the bound element";
    EXPECT_EQ(section->GetValue("//Note").ToString(), "it's deep");
    EXPECT_EQ(section->GetValue("//Deepest/FieldType@Name").ToString(), "deep");
    EXPECT_EQ(section->GetValue("//FieldType[@Code=\"it's\"]@Name").ToString(), "apostrophe");

    ASSERT_TRUE(document->Select("Settings/Outside"));
    Ref<ISettings2> outside = document->Node();
    EXPECT_EQ(outside->GetValue("//Note").ToString(), "outside");
    EXPECT_TRUE(outside->GetValue("//Deepest").IsNull());
}

TEST(SettingsQuotedValues, GetValueReadsQuotedValuesAndPredicatesHoldingQuotes) {
    auto document = Loaded(kDocument);
    ASSERT_TRUE(document->Select("Settings/FieldDetail"));
    Ref<ISettings2> section = document->Node();
    for (const Ref<ISettings2>& s : {Ref<ISettings2>(section), Ref<ISettings2>(document)}) {
        const std::string prefix = s == section ? "" : "Settings/FieldDetail/";
        SCOPED_TRACE(prefix.empty() ? "on the section" : "on the document");
        EXPECT_EQ(s->GetValue(prefix + "Label").ToString(), "it's");
        EXPECT_EQ(s->GetValue(prefix + "Deep/Deeper/Deepest/Note").ToString(), "it's deep");
        EXPECT_EQ(s->GetValue(prefix + "FieldTypes/FieldType[@Name='apostrophe']@Code").ToString(), "it's");
        EXPECT_EQ(s->GetValue(prefix + "FieldTypes/FieldType[@Name='both']@Code").ToString(),
                  "it's \"both\"");
        // A quote of either kind, a "]" or an "@" inside a literal of the
        // path's own predicate belongs to the literal.
        EXPECT_EQ(s->GetValue(prefix + "FieldTypes/FieldType[@Code=\"it's\"]@Name").ToString(), "apostrophe");
        EXPECT_EQ(s->GetValue(prefix + "FieldTypes/FieldType[@Code='say \"hi\"']@Name").ToString(), "quote");
        EXPECT_EQ(s->GetValue(prefix + "FieldTypes/FieldType[@Code=\"a]b@c\"]@Name").ToString(), "brackets");
        EXPECT_EQ(s->GetValue(prefix + "FieldTypes/FieldType[@Code='a]b@c']@Name").ToString(), "brackets");
        EXPECT_TRUE(s->GetValue(prefix + "FieldTypes/FieldType[@Code=\"its\"]@Name").IsNull());
    }
}

}  // namespace
