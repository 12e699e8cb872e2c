// The query manager: the active query, positions and identifiers, the
// identifier array's growth, and the errors it shows or passes on.
#include <gtest/gtest.h>

#include "host/controls/MemoryTreeView.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "queries/QueryFixture.h"

namespace {

class QueryManager : public QueryFixture {
protected:
    Ref<IQueryManager> Manager() {
        if (!root) MakeRootWithQueries();
        return root->Queries();
    }
};

TEST_F(QueryManager, TheActiveQueryIsMadeOnceFromTheDefaultQueryFile) {
    auto manager = Manager();
    Ref<IQuery> first = manager->Query("-1");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->QueryType(), "Field") << "the sample's default query is a field query";
    EXPECT_TRUE(manager->Query("-1") == first);
    EXPECT_TRUE(manager->Query("0") == first);
    EXPECT_TRUE(manager->Find(first->ID()) == first);
    EXPECT_TRUE(manager->Find("{no such id}").IsNothing());
    EXPECT_EQ(manager->ErrorNumber(), 0);
    EXPECT_EQ(Dialog(), "");
}

TEST_F(QueryManager, ANumberMovesTheCurrentPositionAndTextLooksUpAnIdentifier) {
    auto manager = Manager();
    manager->New();
    manager->New();
    manager->New();
    Ref<IQuery> last = manager->Query("-1");
    Ref<IQuery> first = manager->Query("0");
    ASSERT_TRUE(first && last);
    EXPECT_FALSE(first == last);
    EXPECT_TRUE(manager->Query("-1") == first) << "the number made the first query current";
    EXPECT_NE(first->ID(), last->ID());

    // An identifier is found without moving; an unknown one is shown and
    // gives Nothing, and the position stays.
    EXPECT_TRUE(manager->Query(last->ID()) == last);
    EXPECT_TRUE(manager->Query("-1") == first);
    EXPECT_TRUE(manager->Query("nope").IsNothing());
    EXPECT_TRUE(Contains(Dialog(), "Query does not exists: nope")) << Dialog();
    EXPECT_TRUE(Contains(Log(), "CQueryManager.IQueryManager_Query(Index='nope')"))
        << "the manager logs what it shows";
    EXPECT_TRUE(manager->Query("-1") == first);

    // A number past every query moves there and fails; "-1" then finds the
    // empty slot and goes back to the last query.
    EXPECT_TRUE(manager->Query("7").IsNothing());
    EXPECT_TRUE(Contains(Dialog(), "Query does not exists: 7"));
    EXPECT_TRUE(manager->Query("-1") == last);
    EXPECT_EQ(manager->ErrorNumber(), 0) << "the manager never fills its error fields";
    EXPECT_EQ(manager->ErrorDescription(), "");
}

TEST_F(QueryManager, TheIdentifierArrayGrowsPastItsFirst501Positions) {
    auto manager = Manager();
    for (int i = 0; i < 502; ++i) manager->New();
    Ref<IQuery> at500 = manager->Query("500");
    Ref<IQuery> at501 = manager->Query("501");
    ASSERT_TRUE(at500 && at501);
    EXPECT_FALSE(at500 == at501);
    EXPECT_TRUE(manager->Query("-1") == at501);
    EXPECT_TRUE(manager->Query("502").IsNothing());
    EXPECT_EQ(Dialog().find("Query does not exists: 500"), std::string::npos);
}

TEST_F(QueryManager, ClearDropsTheQueriesAndPositionsGoOnCounting) {
    auto manager = Manager();
    Ref<MemoryTreeView> tree = New<MemoryTreeView>();
    manager->SetDescriptionTree(tree);
    EXPECT_TRUE(root->QueryDescriptionTree() == tree);
    manager->New();
    manager->New();
    Ref<IQuery> old = manager->Query("-1");
    manager->Clear();
    EXPECT_TRUE(manager->Find(old->ID()).IsNothing());
    EXPECT_TRUE(manager->Query("0").IsNothing());

    tree->Memory().Clear();
    manager->New();  // made at position 2
    EXPECT_TRUE(Contains(tree->Print(), "Query.General.CompanyDetail")) << "a new query renders itself";
    Ref<IQuery> fresh = manager->Query("2");
    ASSERT_TRUE(fresh);

    // MoveFirst finds position 0 empty, so the active query is the last one,
    // whose description is rebuilt.
    tree->Memory().Clear();
    manager->MoveFirst();
    EXPECT_TRUE(manager->Query("-1") == fresh);
    EXPECT_TRUE(Contains(tree->Print(), "Query|Query|+"));
}

TEST_F(QueryManager, MoveNextAndPreviousStepOneQueryAndStopAtTheEnds) {
    auto manager = Manager();
    manager->New();
    manager->New();
    manager->New();
    Ref<IQuery> q0 = manager->Query("0"), q1 = manager->Query("1"), q2 = manager->Query("2");
    manager->MoveFirst();
    EXPECT_TRUE(manager->Query("-1") == q0);
    manager->MoveNext();
    EXPECT_TRUE(manager->Query("-1") == q1);
    manager->MoveNext();
    manager->MoveNext();
    EXPECT_TRUE(manager->Query("-1") == q2);
    manager->MovePrevious();
    EXPECT_TRUE(manager->Query("-1") == q1);
    manager->MovePrevious();
    manager->MovePrevious();
    EXPECT_TRUE(manager->Query("-1") == q0);
    manager->MoveLast();
    EXPECT_TRUE(manager->Query("-1") == q2);
}

TEST_F(QueryManager, DeleteIsNotAvailable) {
    auto manager = Manager();
    Ref<IQuery> query = manager->Query("-1");
    manager->Delete(query->ID());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Not Implemented");
    EXPECT_EQ(messages[0].style, 0);
    EXPECT_TRUE(manager->Find(query->ID()) == query);
}

TEST_F(QueryManager, LoadMakesANewQueryFromTheFile) {
    auto manager = Manager();
    Ref<IQuery> before = manager->Query("-1");
    std::string file =
        data.Write("Well.xml",
                   "<Query><Options><AssetType>Well</AssetType></Options><Parameters><General/>"
                   "<Block/><Field/><Well/><Transport/></Parameters></Query>");
    manager->Load(file);
    Ref<IQuery> loaded = manager->Query("-1");
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded == before);
    EXPECT_EQ(loaded->QueryType(), "Well");

    // A file that is not there fails, and the caller hears of it.
    Error e = CaughtError([&] { manager->Load(data.Path() + "missing.xml"); });
    EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT);
    EXPECT_TRUE(ShowsTextArgument(e.Description(), "CQueryManager.IQueryManager_Load", "sFileName",
                                  data.Path() + "missing.xml"))
        << e.Description();
}

TEST_F(QueryManager, WithoutAQueryElementNoQueryCanBeMade) {
    RemoveSetting("Query");
    MakeRootWithQueries();
    auto manager = root->Queries();
    Error e = CaughtError([&] { manager->New(); });
    EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT);
    EXPECT_TRUE(Contains(e.Description(), "Element Query is Missing or corrupt")) << e.Description();

    // Query("-1") ends the same failure itself and gives Nothing; a caller
    // that goes on to read from it fails there.
    EXPECT_TRUE(manager->Query("-1").IsNothing());
    EXPECT_TRUE(Contains(Dialog(), "CQueryManager.IQueryManager_New()")) << Dialog();
    EXPECT_EQ(CaughtError([&] { manager->Query("-1")->ReadOnly(); }).Number(), rt::kObjectNotSet);
}

}  // namespace
