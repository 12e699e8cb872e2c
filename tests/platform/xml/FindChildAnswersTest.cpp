// FindChild keeps its answers beside the document and brings them up to date
// as the document changes.  Whatever the changes, every answer must be the one
// the expression gives on the document as it stands.
#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <random>
#include <string>
#include <vector>

#include "LoadedSettings.h"
#include "platform/xml/cvSettings.h"
#include "platform/xml/kqXML.h"
#include "platform/xml/kqXMLNode.h"

namespace {

// The "n" of the first element below Query/General the path names whose
// "Code" is the value, evaluated afresh on the markup; "" for none.
std::string Expected(const std::string& markup, const std::string& path, const std::string& value) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(markup.c_str()));
    pugi::xml_node bound = doc.select_node("Query/General").node();
    std::string xpath = path.find('/') == std::string::npos
                            ? ".//" + path + "[@Code=$v]"
                            : "(" + path.substr(path[0] == '/') + ")[@Code=$v]";
    pugi::xpath_variable_set vars;
    vars.set("v", value.c_str());
    pugi::xpath_query query(xpath.c_str(), &vars);
    pugi::xpath_node_set found = query.evaluate_node_set(bound);
    found.sort();
    return found.empty() ? "" : found.first().node().attribute("n").value();
}

std::string Markup(const Ref<ISettings2>& s) { return s->XMLObject()->DocumentNode()->xml(); }

TEST(FindChildAnswers, StayTheExpressionsAnswersWhateverChanges) {
    auto doc = Loaded(
        "<Query><General><Sec><A><Item n='a1' Code='x'/></A><B><Item n='b1' Code='y'/></B></Sec>"
        "<Sec2><A/></Sec2></General></Query>");
    ASSERT_TRUE(doc->Select("Query/General"));
    Ref<ISettings2> general = doc->Node();  // bound to an element, as the criteria sets are
    Ref<ISettings2> other = doc->Node();    // a second object on the same document

    const std::vector<std::string> parents = {"Sec/A", "Sec/B", "Sec2/A"};
    const std::vector<std::string> paths = {"Sec/A/Item", "Item", "/Sec/B/Item", "Sec2/A/Item", "Other"};
    const std::vector<std::string> values = {"x", "y", "z", ""};
    std::mt19937 random(20240607);
    auto pick = [&](const std::vector<std::string>& from) { return from[random() % from.size()]; };
    int made = 0, checked = 0, found = 0;

    for (int step = 0; step < 4000; ++step) {
        Ref<ISettings2> actor = random() % 4 ? general : other;
        switch (random() % 10) {
            case 0:
            case 1:
            case 2: {
                // An item appended, its attributes set in either order, or its key never set.
                actor->CreateNode(random() % 5 ? "Item" : "Other", pick(parents), -1, -1, -1);
                std::string n = "m" + std::to_string(++made);
                int order = static_cast<int>(random() % 3);
                if (order == 0) actor->SetAttribute("Code", pick(values));
                actor->SetAttribute("n", n);
                if (order == 1) actor->SetAttribute("Code", pick(values));
                break;
            }
            case 3: {
                // An item's key changed, or set again to what it holds.
                if (actor->FindChild("Item", "Code", pick(values))) actor->SetAttribute("Code", pick(values));
                break;
            }
            case 4:
                actor->SetValue(pick(parents) + "/Item@Code", pick(values));
                break;
            case 5:
                if (random() % 3 == 0 && actor->FindChild("Item", "Code", pick(values))) actor->DeleteNode();
                break;
            case 6:
                if (random() % 8 == 0 && actor->Select(pick(parents))) actor->RemoveChildren();
                break;
            case 7:
                if (random() % 8 == 0) {
                    std::string n = "r" + std::to_string(++made);
                    actor->ReplaceXML(
                        "<Item n='" + n + "' Code='" + pick(values) + "'/><Item n='" + n + "b' Code='x'/>",
                        pick(parents));
                }
                break;
            default: {
                std::string path = pick(paths), value = pick(values);
                std::string expected = Expected(Markup(doc), path, value);
                bool hit = actor->FindChild(path, "Code", value);
                ASSERT_EQ(hit ? actor->Attribute("n") : "", expected)
                    << "step " << step << ": " << path << " Code=" << value << "\n"
                    << Markup(doc);
                ++checked;
                found += hit;
                break;
            }
        }
    }
    // The walk asked often, and found items as well as missed them.
    EXPECT_GT(checked, 600);
    EXPECT_GT(found, checked / 4);
    EXPECT_LT(found, checked);
}

TEST(FindChildAnswers, PathsTheAnswersDoNotCoverAreStillEvaluated) {
    auto doc = Loaded(
        "<Query><General><Sec><A><Item n='1' Code='x'/><Item n='2' Code='y'/></A></Sec></General></Query>");
    ASSERT_TRUE(doc->Select("Query/General"));
    Ref<ISettings2> general = doc->Node();
    ASSERT_TRUE(general->FindChild("Sec/A/Item[2]", "Code", "y"));
    EXPECT_EQ(general->Attribute("n"), "2");
    EXPECT_FALSE(general->FindChild("Sec/A/Item[1]", "Code", "y"));
    ASSERT_TRUE(general->FindChild("*", "Code", "y"));
    EXPECT_EQ(general->Attribute("n"), "2");
    // A document bound at its top answers paths from its root element too.
    ASSERT_TRUE(doc->FindChild("General/Sec/A/Item", "Code", "x"));
    EXPECT_EQ(doc->Attribute("n"), "1");
}

}  // namespace
