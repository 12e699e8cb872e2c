// A grid layout saved through a symbolic link, under a translation: the link
// stays, the file it points at gets the layout in its stored words.
#include <filesystem>

#include "ChooserFixture.h"
#include "platform/i18n/i18N.h"

namespace fs = std::filesystem;

namespace {

class LayoutSaveForm : public ChooserFixture {};

TEST_F(LayoutSaveForm, ALayoutSavedThroughALinkUnderATranslationIsStoredInTheFileTheLinkPointsAt) {
    MakeChooser();
    gTools()->i18N()->LoadTranslations(
        data.Write("Norsk.xml",
                   "<Translations Language='nb'><Term Stored='Start' User='Begynnelse'/>"
                   "<Term Stored='End' User='Slutt'/></Translations>"));
    fs::create_directories(data.Path() + "Shared");
    fs::create_directories(data.Path() + "Mine");
    const std::string shared =
        data.Write("Shared/Layout.xml",
                   Layout("Field", "Annual", FieldElement("A", "1"), "<YearRange From='Start' To='2005'/>"));
    const std::string link = data.Path() + "Mine/Layout.xml";
    fs::create_symlink("../Shared/Layout.xml", link);

    chooser->SetLayoutFile(link);
    ASSERT_EQ(chooser->AnnualFromYear("Field", "Annual"), "Begynnelse");
    chooser->SetAnnualToYear("Field", "Annual", "Slutt");
    Choose({"NAME", "B"}, "Field", "Assets");
    chooser->Save(link);
    EXPECT_TRUE(messages.empty());

    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(fs::read_symlink(link), "../Shared/Layout.xml");
    const std::string text = ReadFile(shared);
    EXPECT_TRUE(Contains(text, "From=\"Start\" To=\"End\"")) << text;
    EXPECT_FALSE(Contains(text, "Begynnelse") || Contains(text, "Slutt")) << text;
    EXPECT_TRUE(Contains(text, "ID=\"B\"")) << text;
    EXPECT_EQ(std::distance(fs::directory_iterator(data.Path() + "Mine"), fs::directory_iterator()), 1)
        << "nothing is left beside the link";

    // Read again through the link, the user has his words back.
    MakeChooser();
    chooser->SetLayoutFile(link);
    EXPECT_EQ(chooser->AnnualFromYear("Field", "Annual"), "Begynnelse");
    EXPECT_EQ(chooser->AnnualToYear("Field", "Annual"), "Slutt");
}

}  // namespace
