// What a query writes when it saves: the stored form of its words whatever
// language the user reads them in, and through a symbolic link to the file
// the link points at.
#include <gtest/gtest.h>

#include <filesystem>

#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/i18n/i18N.h"
#include "queries/QueryFixture.h"

namespace fs = std::filesystem;

namespace {

const char* const kQuery =
    "<Query><Options><AssetType>Block</AssetType><GrossNet>Gross</GrossNet></Options>"
    "<Parameters><General><CompanyDetail/><LocationDetail/></General><Block><BlockDetail/></Block>"
    "<Field><FieldDetail/></Field><Well><WellDetail/></Well><Transport><TransportDetail/></Transport>"
    "</Parameters></Query>";

class QuerySaveForm : public QueryFixture {
protected:
    Ref<IQuery> ActiveQuery() {
        if (!root) MakeRootWithQueries();
        return root->Queries()->Query("-1");
    }
};

TEST_F(QuerySaveForm, AQuerySavedWhileATranslationIsLoadedIsWrittenInTheStoredForm) {
    // The sample data set's translation file holds no terms; a user working
    // in Norwegian has one of his own.
    gTools()->i18N()->LoadTranslations(data.Write(
        "Norsk.xml",
        "<Translations Language='nb'><Term Stored='Block' User='Blokk'/><Term Stored='Field' User='Felt'/>"
        "<Term Stored='Net' User='Netto'/></Translations>"));
    Ref<IQuery> query = ActiveQuery();
    query->Load(data.Write("block.xml", kQuery));
    ASSERT_EQ(query->ErrorNumber(), 0);
    EXPECT_EQ(query->QueryType(), "Blokk") << "the user reads his own words";

    const std::string file = data.Path() + "saved.xml";
    query->Save(file);
    ASSERT_EQ(query->ErrorNumber(), 0) << query->ErrorDescription();
    std::string saved = ReadFile(file);
    EXPECT_TRUE(Contains(saved, "<AssetType>Block</AssetType>")) << saved;
    EXPECT_FALSE(Contains(saved, "Blokk")) << saved;
    EXPECT_TRUE(Contains(saved, "<GrossNet>Gross</GrossNet>")) << "a word without a term stays";
    EXPECT_EQ(query->QueryType(), "Blokk") << "the query itself keeps the user's words";

    // Words the user gives are stored in the stored form too, and read back
    // in his.
    query->SetQueryType("Felt");
    query->SetGrossNet("Netto");
    query->Save(file);
    saved = ReadFile(file);
    EXPECT_TRUE(Contains(saved, "<AssetType>Field</AssetType>")) << saved;
    EXPECT_TRUE(Contains(saved, "<GrossNet>Net</GrossNet>")) << saved;
    EXPECT_FALSE(Contains(saved, "Felt") || Contains(saved, "Netto")) << saved;

    root->Queries()->New();
    Ref<IQuery> other = root->Queries()->Query("-1");
    other->Load(file);
    EXPECT_EQ(other->QueryType(), "Felt");
    EXPECT_EQ(other->GrossNet(), "Netto");

    // Without the translation the same query is written as it stands.
    gTools()->i18N()->LoadTranslations("");
    other->Save(file);
    EXPECT_TRUE(Contains(ReadFile(file), "<AssetType>Felt</AssetType>"));
}

TEST_F(QuerySaveForm, AQueryFileThatIsASymbolicLinkIsSavedThroughTheLink) {
    fs::create_directories(data.Path() + "Shared");
    const std::string real = data.Write("Shared/block.xml", kQuery);
    fs::create_directories(data.Path() + "Mine");
    const std::string link = data.Path() + "Mine/block.xml";
    fs::create_symlink("../Shared/block.xml", link);

    Ref<IQuery> query = ActiveQuery();
    query->Load(link);
    query->SetGrossNet("Net");
    query->Save(link);
    EXPECT_EQ(query->ErrorNumber(), 0) << query->ErrorDescription();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
    EXPECT_EQ(fs::read_symlink(link), "../Shared/block.xml");
    EXPECT_TRUE(Contains(ReadFile(real), "<GrossNet>Net</GrossNet>")) << ReadFile(real);
    EXPECT_EQ(fs::directory_iterator(data.Path() + "Mine")->path().filename(), "block.xml");
    EXPECT_EQ(std::distance(fs::directory_iterator(data.Path() + "Mine"), fs::directory_iterator()), 1)
        << "nothing is left beside the link";
}

}  // namespace
