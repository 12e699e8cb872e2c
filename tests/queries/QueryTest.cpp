// One query: its options read from the query document, loading and saving
// the query file, and the errors it shows or passes on.
#include <gtest/gtest.h>

#include <filesystem>

#include "interfaces/ICriteria.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "queries/CQuery.h"
#include "queries/QueryFixture.h"

namespace {

const char* const kParameters =
    "<Parameters><General><CompanyDetail/><LocationDetail/></General><Block><BlockDetail/></Block>"
    "<Field><FieldDetail/></Field><Well><WellDetail/></Well><Transport><TransportDetail/></Transport></"
    "Parameters>";

class Query : public QueryFixture {
protected:
    // Replaces the data set's default query file, then makes a query from it.
    Ref<IQuery> FromDefault(const std::string& xml) {
        data.Write("Default/Default.xml", xml);
        if (!root) MakeRootWithQueries();
        root->Queries()->New();
        return root->Queries()->Query("-1");
    }
};

TEST_F(Query, AMissingAssetTypeReadsAsBlockAndIsWrittenSoASaveKeepsIt) {
    Ref<IQuery> query = FromDefault(std::string("<Query><Options/>") + kParameters + "</Query>");
    ASSERT_TRUE(query);
    EXPECT_FALSE(Contains(query->Parameters()->ParamXML(), "AssetType"));
    EXPECT_EQ(query->QueryType(), "Block");
    EXPECT_TRUE(Contains(query->Parameters()->ParamXML(), "<AssetType>Block</AssetType>"));

    // GrossNet reads "Gross" but writes nothing.
    EXPECT_EQ(query->GrossNet(), "Gross");
    std::string file = data.Path() + "saved.xml";
    query->Save(file);
    std::string saved = ReadFile(file);
    EXPECT_TRUE(Contains(saved, "<AssetType>Block</AssetType>")) << saved;
    EXPECT_FALSE(Contains(saved, "GrossNet")) << saved;

    query->SetGrossNet("Net");
    EXPECT_EQ(query->GrossNet(), "Net");
    query->SetQueryType("Pipeline");  // stored unchecked
    EXPECT_EQ(query->QueryType(), "Pipeline");
}

TEST_F(Query, ASavedQueryLoadsBackWithItsCriteria) {
    MakeRootWithQueries();
    Ref<IQuery> query = root->Queries()->Query("-1");
    query->SetGrossNet("Net");
    query->Parameters()->Field()->AddShoreStatus("OFFSHORE");
    std::string file = data.Path() + "kept.xml";
    query->Save(file);
    EXPECT_EQ(query->ErrorNumber(), 0);

    root->Queries()->New();
    Ref<IQuery> other = root->Queries()->Query("-1");
    EXPECT_FALSE(other->Parameters()->Field()->ShoreStatus("OFFSHORE"));
    other->Load(file);
    EXPECT_TRUE(other->Parameters()->Field()->ShoreStatus("OFFSHORE"));
    EXPECT_EQ(other->GrossNet(), "Net");
    EXPECT_EQ(other->QueryType(), query->QueryType());
    EXPECT_FALSE(other->Active()) << "loaded, never executed";
}

TEST_F(Query, AFailedSaveIsShownStoredAndLoggedButNotRaised) {
    MakeRootWithQueries();
    Ref<IQuery> query = root->Queries()->Query("-1");
    std::string before = query->Parameters()->ParamXML();
    // A save that a host may still call off before the file takes its name
    // writes nothing when it does, and fails as Save does.
    const std::string unnamed = data.Path() + "unnamed.xml";
    Cast<CQuery>(query)->SaveFile(unnamed, ExistingFile::Refuse, [] { return false; });
    EXPECT_FALSE(std::filesystem::exists(unnamed));
    EXPECT_TRUE(messages.empty());
    Cast<CQuery>(query)->SaveFile(data.Path() + "no/such/folder/q.xml", ExistingFile::Refuse,
                                  [] { return true; });
    EXPECT_TRUE(Contains(Log(), "CQuery.IQuery_Save")) << "logged";
    messages.clear();
    EXPECT_NO_THROW(query->Save(data.Path() + "no/such/folder/q.xml"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_TRUE(Contains(messages[0].text, "CQuery.IQuery_Save")) << messages[0].text;
    EXPECT_NE(query->ErrorNumber(), 0);
    EXPECT_EQ(query->ErrorSource(), kErrorInSource);
    EXPECT_TRUE(Contains(query->ErrorDescription(), "CQuery.IQuery_Save"));
    EXPECT_FALSE(query->ErrorIsException());
    EXPECT_TRUE(Contains(Log(), "CQuery.IQuery_Save"));
    EXPECT_EQ(query->Parameters()->ParamXML(), before);
    EXPECT_FALSE(std::filesystem::exists(data.Path() + "no"));
}

TEST_F(Query, AFileWithoutParametersOrNoFileAtAllFailsAndTheQueryStaysAsItWas) {
    MakeRootWithQueries();
    Ref<IQuery> query = root->Queries()->Query("-1");
    query->Parameters()->Well()->AddShoreStatus("ONSHORE");
    std::string type = query->QueryType();

    std::string bad = data.Write("bad.xml", "<Query><Options><AssetType>Well</AssetType></Options></Query>");
    Error e = CaughtError([&] { query->Load(bad); });
    EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT);
    EXPECT_TRUE(Contains(e.Description(), "Element Parameters is Missing or corrupt")) << e.Description();
    EXPECT_TRUE(ShowsTextArgument(e.Description(), "CQuery.IQuery_Load", "sFile", bad)) << e.Description();
    EXPECT_EQ(query->QueryType(), type) << "the options are not taken from the refused file";

    e = CaughtError([&] { query->Load(data.Path() + "absent.xml"); });
    EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT);
    EXPECT_TRUE(query->Parameters()->Well()->ShoreStatus("ONSHORE"));
    query->Parameters()->Well()->AddShoreStatus("BOTH");
    EXPECT_TRUE(Contains(query->Parameters()->ParamXML(), "BOTH"))
        << "the sets still write the query's document";
    EXPECT_EQ(Dialog(), "") << "a load passes its failures on";
    EXPECT_EQ(query->ErrorNumber(), 0);
}

TEST_F(Query, TheReadOnlyFlagOfTheActiveQueryGuardsTheCriteria) {
    MakeRootWithQueries();
    Ref<IQuery> query = root->Queries()->Query("-1");
    Ref<IField> field = query->Parameters()->Field();
    field->AddShoreStatus("ONSHORE");
    query->Parameters()->SetModified(false);
    query->SetReadOnly(true);
    field->AddShoreStatus("OFFSHORE");
    EXPECT_FALSE(field->RemoveShoreStatus("ONSHORE"));
    EXPECT_EQ(field->ShoreStatusCount(), 1);
    EXPECT_FALSE(query->Parameters()->Modified());

    // The guard asks the active query: once another one is current, the
    // first query's sets change again.
    root->Queries()->New();
    EXPECT_FALSE(root->Queries()->Query("-1") == query);
    field->AddShoreStatus("OFFSHORE");
    EXPECT_EQ(field->ShoreStatusCount(), 2);
    EXPECT_TRUE(query->ReadOnly()) << "the flag itself stays";
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Dialog(), "");
}

TEST_F(Query, EachQueryHasItsOwnIdentityAndClearChangesNothing) {
    MakeRootWithQueries();
    root->Queries()->New();
    root->Queries()->New();
    Ref<IQuery> a = root->Queries()->Query("0"), b = root->Queries()->Query("1");
    EXPECT_NE(a->ID(), b->ID());
    EXPECT_FALSE(a->Active());
    a->SetReadOnly(true);
    EXPECT_FALSE(b->ReadOnly()) << "the flag is the query's own";
    EXPECT_FALSE(a->Parameters() == b->Parameters());

    std::string before = a->Parameters()->ParamXML();
    a->Clear();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "N/A");
    EXPECT_EQ(messages[0].style, 16);
    EXPECT_EQ(a->Parameters()->ParamXML(), before);
}

}  // namespace
