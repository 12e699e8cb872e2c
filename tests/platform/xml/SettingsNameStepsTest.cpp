// What a write may make: every element and attribute it creates must be one
// that the same path reads afterwards, in memory and in the saved file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadedSettings.h"
#include "platform/runtime/Text.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"
#include "support/ErrorAssert.h"
#include "support/TempDir.h"

namespace {

std::string Shown(const Variant& v) { return v.IsNull() ? "<Null>" : "\"" + v.ToString() + "\""; }

// `steps` element names "A" joined by "/", with `lead` before them.
std::string Steps(int steps, const std::string& lead = "") {
    std::string path = lead;
    for (int i = 0; i < steps; ++i) path += (i == 0 && lead.empty() ? "A" : "/A");
    return path;
}

TEST(SettingsNameSteps, AWriteMakesOnlyWhatTheSamePathReads) {
    TempDir dir;
    // Paths a write makes, and where the made node stands.
    const std::vector<std::pair<std::string, std::string>> made = {
        {"A", "/R/A"},
        {"a.b-c_1", "/R/a.b-c_1"},
        {"ns:Item", "/R/ns:Item"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         "/R/Gr\xC3\xB6\xC3\x9F"
         "e"},
        {"A\xCC\x81", "/R/A\xCC\x81"},  // a combining accent after the first letter
        {"div/and", "/R/div/and"},      // operator names are names where a step stands
        {"text/node", "/R/text/node"},
        {"A / B", "/R/A/B"},  // XPath allows blanks around "/", so the write does too
        {" \tC\n", "/R/C"},
        {"\t/D", "/R/D"},  // a tab before the leading "/" still starts at the bound element
        {"E/@x", "/R/E/@x"},
        {"F@ y", "/R/F/@y"},
        {"@z", "/R/@z"},
        {"/@w", "/R/@w"},
        // The deepest element a document may hold (R being the first level).
        {Steps(255), Steps(255, "/R")},
    };
    for (const auto& [path, where] : made) {
        SCOPED_TRACE(path);
        auto s = Loaded("<R/>");
        s->SetValue(path, "v");
        EXPECT_EQ(Shown(s->GetValue(path)), "\"v\"");
        EXPECT_EQ(s->XMLObject()->CountNodes(where), 1);
        const std::string file = dir.Path() + "made.xml";
        s->Save(file);
        auto back = New<cvSettings>();
        ASSERT_TRUE(back->Load(file));
        EXPECT_EQ(Shown(back->GetValue(path)), "\"v\"");
    }

    // Steps that are no name: XPath reads an axis, a test or nothing at all
    // where writing would have made an element of that name.
    std::vector<std::string> refused = {
        "child::A", "A/child::B", "self::A",   "A::B",   "a:1",       "a:-b",         "1A",
        "-A",       ".A",         "A/./B",     "A/../B", "A/*",       "text()",       "A/B/",
        "A//B",     "//A",        "/ /A",      "A@1x",   "A@x:",      "A@x::y",       "A/@",
        "A/ /@z",   "\xC3\x97",   "A\xC2\xA0", "A\xFF",  "A\xC1\x81", "\xED\xA0\x80", "A:\xCC\x81",
    };
    // One level deeper than a load accepts: such a file could not be read back.
    refused.push_back(Steps(256));
    for (const std::string& path : refused) {
        SCOPED_TRACE(path);
        auto s = Loaded("<R/>");
        const std::string before = s->XMLObject()->DocumentNode()->xml();
        Error e = CaughtError([&] { s->SetValue(path, "v"); });
        EXPECT_EQ(e.Number(), 5);
        // Quoted on one line, as every message quotes a value.
        EXPECT_NE(e.Description().find("\"" + VisibleText(path) + "\""), std::string::npos)
            << e.Description();
        EXPECT_EQ(s->XMLObject()->DocumentNode()->xml(), before);
        // Read, the path either is no expression or names nothing.
        Error read = CaughtError([&] { EXPECT_TRUE(s->GetValue(path).IsNull()); });
        EXPECT_TRUE(read.Number() == 0 || read.Number() == 5) << read.Description();
        EXPECT_RAISES(5, s->CreateNode("X", path));
    }

    // Where the element exists, an axis step addresses it for reading and
    // writing alike.
    auto s = Loaded("<R><A k='1'>old</A></R>");
    s->SetValue("child::A", "new");
    EXPECT_EQ(Shown(s->GetValue("A")), "\"new\"");
    EXPECT_TRUE(s->FindChild("child::A", "k", "1"));
    EXPECT_EQ(s->Text(), "new");

    // Names handed over alone follow the same rule.
    for (const std::string name : {"child::A", "a:1", "a:", ":a", "\xC3\x97"}) {
        SCOPED_TRACE(name);
        EXPECT_RAISES(5, s->CreateNode(name, "A"));
        EXPECT_RAISES(5, s->SetAttribute(name, "v"));
        EXPECT_RAISES(5, s->FindChild("A", name, "1"));
    }
    EXPECT_TRUE(s->CreateNode("ns:B", "A"));
    s->SetAttribute("ns:c", "2");
    EXPECT_EQ(Shown(s->GetValue("A/ns:B@ns:c")), "\"2\"");
    s->SetValue(Steps(254, "A"), "deepest");
    EXPECT_RAISES(5, s->CreateNode("B", Steps(254, "A")));
    EXPECT_TRUE(s->CreateNode("B", Steps(253, "A")));
}

}  // namespace
