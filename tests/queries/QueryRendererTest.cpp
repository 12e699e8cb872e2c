// The query description tree: the fixed nodes, the company and location
// branches rebuilt in place, the colours, and the freeze of the tree's
// drawing around every rendering.
#include <gtest/gtest.h>

#include "core/CreateObject.h"
#include "host/controls/MemoryTreeView.h"
#include "platform/ui/WindowUpdate.h"
#include "queries/CQueryRenderer.h"
#include "queries/QueriesClasses.h"
#include "queries/QueryFixture.h"

namespace {

constexpr int32_t kGrey = 100 + 256 * 100 + 65536 * 100;
constexpr int32_t kWhite = 0xFFFFFF;

std::string Query(const std::string& companyDetail, const std::string& locationDetail = "") {
    return "<Query><Options><AssetType>Field</AssetType></Options><Parameters><General><CompanyDetail>" +
           companyDetail + "</CompanyDetail><LocationDetail>" + locationDetail +
           "</LocationDetail></General></Parameters></Query>";
}

std::string Sector(const std::string& region, const std::string& country, const std::string& code,
                   const std::string& name) {
    return "<Sector RegionName=\"" + region + "\" CountryName=\"" + country + "\" SectorCode=\"" + code +
           "\" SectorName=\"" + name + "\"/>";
}

class QueryRenderer : public QueryFixture {
protected:
    void SetUp() override {
        QueryFixture::SetUp();
        ui::SetWindowUpdateHook([this](int64_t h) {
            locks.push_back(h);
            return true;
        });
        renderer->SetDescriptionTree(tree);
    }
    void TearDown() override {
        ui::SetWindowUpdateHook({});
        QueryFixture::TearDown();
    }
    void Render(const std::string& xml) {
        Ref<ISettings2> doc = gTools()->NewSettingsObject();
        ASSERT_TRUE(doc->LoadXML(xml));
        renderer->SetQueryDescription(doc);
        renderer->RenderDescriptionTree();
    }
    std::string Dump() { return tree->Print(); }
    // Each rendering froze the tree and released it, whatever happened.
    void ExpectReleasedAfter(int renderings) {
        WindowLockRecord record = tree->LockRecord();
        EXPECT_EQ(record.Locks, renderings);
        EXPECT_EQ(record.Unlocks, renderings);
        EXPECT_FALSE(record.Frozen);
    }

    Ref<CQueryRenderer> renderer = New<CQueryRenderer>();
    Ref<MemoryTreeView> tree = New<MemoryTreeView>();
    std::vector<int64_t> locks;
};

TEST_F(QueryRenderer, TheRendererAndTheCompanyEntryAreCreatableTheManagerAndTheQueryAreNot) {
    RegisterQueriesClasses();
    for (const char* type : {"CQueryRenderer", "CFilteredCompany"})
        EXPECT_EQ(CreateObject(std::string("cvDataManager.") + type)->TypeName(), type);
    for (const char* type : {"CQueryManager", "CQuery"}) {
        EXPECT_TRUE(IsClassRegistered(std::string("cvDataManager.") + type)) << type;
        EXPECT_RAISES(429, CreateObject(std::string("cvDataManager.") + type));
    }
}

TEST_F(QueryRenderer, WithoutATreeNothingHappens) {
    auto bare = New<CQueryRenderer>();
    EXPECT_NO_THROW(bare->RenderDescriptionTree());
    EXPECT_TRUE(locks.empty());
    EXPECT_EQ(Dialog(), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(QueryRenderer, AnEmptyQueryGetsTheFixedNodesExpandedAndColoured) {
    Render(Query(""));
    EXPECT_EQ(Dump(),
              "Query|Query|+\n"
              "  Query.General.CompanyDetail|Company Selection|+\n"
              "  Query.General.LocationDetail|Location|+\n");
    for (const char* key : {"Query", "Query.General.CompanyDetail", "Query.General.LocationDetail"}) {
        EXPECT_EQ(tree->Memory().Node(key)->ForeColor(), kGrey) << key;
        EXPECT_EQ(tree->Memory().Node(key)->BackColor(), kWhite) << key;
    }
    EXPECT_EQ(locks, (std::vector<int64_t>{tree->Handle(), 0}));
    ExpectReleasedAfter(1);
    EXPECT_EQ(tree->Memory().FrozenAdds(), 3) << "every node is added while the tree is frozen";
    EXPECT_EQ(Dialog(), "");
}

TEST_F(QueryRenderer, CompanyOptionsBecomeBranchesWithTheirValueUnformatted) {
    Render(
        Query("<Companies><Company ID=\"1001\" ShortName=\"Alpha\"/><Company ID=\"1002\" ShortName=\"Beta\"/>"
              "</Companies><Subsiduaries>True</Subsiduaries><OperatorStatus>Operator</OperatorStatus>"
              "<SearchOptions></SearchOptions>"));
    EXPECT_EQ(Dump(),
              "Query|Query|+\n"
              "  Query.General.CompanyDetail|Company Selection|+\n"
              "    Query.General.CompanyDetail.Companies|Companies|+\n"
              "      C_1001|Alpha\n"
              "      C_1002|Beta\n"
              "    Query.General.CompanyDetail.Subsiduaries|Include Subsidiaries\n"
              "    Query.General.CompanyDetail.OperatorStatus|Operator Status|+\n"
              "      Query.General.CompanyDetail.OperatorStatus.Status|Operator\n"
              "    Query.General.CompanyDetail.SearchOptions|Search Options|+\n"
              "      Query.General.CompanyDetail.SearchOptions.Options|\n"
              "  Query.General.LocationDetail|Location|+\n");
}

TEST_F(QueryRenderer, ABranchIsRebuiltOnlyWhenTheQueryHoldsItsElement) {
    Render(Query(
        "<Companies><Company ID=\"7\" ShortName=\"Seven\"/></Companies><Subsiduaries>True</Subsiduaries>"
        "<Netting>Net</Netting>",
        "<Sectors>" + Sector("Europe", "Norway", "NO1", "North Sea") + "</Sectors>"));
    std::string before = Dump();

    // No Companies element: what an earlier rendering left stays, options too.
    Render(Query("<Netting>Gross</Netting>"));
    EXPECT_TRUE(Contains(Dump(), "C_7|Seven")) << Dump();
    EXPECT_TRUE(Contains(Dump(), "Include Subsidiaries"));
    EXPECT_TRUE(Contains(Dump(), "SEC_NO1|North Sea")) << "no Sectors element leaves the regions";

    // An empty Companies element removes the branch; a False or missing
    // subsidiaries value removes its node; the netting value is replaced.
    Render(Query("<Companies/><Subsiduaries>False</Subsiduaries><Netting>Gross</Netting>", "<Sectors/>"));
    EXPECT_EQ(Dump(),
              "Query|Query|+\n"
              "  Query.General.CompanyDetail|Company Selection|+\n"
              "    Query.General.CompanyDetail.Netting|Netting|+\n"
              "      Query.General.CompanyDetail.Netting.Value|Gross\n"
              "  Query.General.LocationDetail|Location|+\n");
    EXPECT_NE(Dump(), before);

    // A subsidiaries value that is no flag is refused in the words a run of
    // the query uses, naming the element.
    EXPECT_TRUE(messages.empty());
    Render(Query("<Companies/><Subsiduaries>yes</Subsiduaries>"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "User Input Error");
    EXPECT_EQ(messages[0].text,
              "The value 'yes' of 'CompanyDetail/Subsiduaries' is not a flag: True or False.");
    EXPECT_EQ(Dialog(), "");
}

TEST_F(QueryRenderer, SectorsGroupUnderTheirCountriesAndRegionsAndRenderTheSameTwice) {
    // A country chosen as a whole holds its code alone (or, written by hand,
    // its name too): it shows as that country, without blank nodes.
    std::string xml = Query("", "<Sectors>" + Sector("Europe", "Norway", "NO1", "North Sea") +
                                    Sector("Europe", "Norway", "NO2", "Norwegian Sea") +
                                    Sector("Europe", "United Kingdom", "UK1", "Central North Sea") +
                                    Sector("Europe", "Norway", "NO1", "North Sea") +
                                    "<Sector CountryCode=\"DK\"/>"
                                    "<Sector CountryCode=\"FO\" CountryName=\"Faroe Islands\"/></Sectors>");
    Render(xml);
    std::string expected =
        "Query|Query|+\n"
        "  Query.General.CompanyDetail|Company Selection|+\n"
        "  Query.General.LocationDetail|Location|+\n"
        "    Query.General.LocationDetail.Regions|Regions|+\n"
        "      REG_Europe|Europe|+\n"
        "        COU_Norway|Norway|+\n"
        "          SEC_NO1|North Sea|+\n"
        "          SEC_NO2|Norwegian Sea|+\n"
        "        COU_United Kingdom|United Kingdom|+\n"
        "          SEC_UK1|Central North Sea|+\n"
        "      COU_DK|DK|+\n"
        "      COU_Faroe Islands|Faroe Islands|+\n";
    EXPECT_EQ(Dump(), expected);
    Render(xml);
    EXPECT_EQ(Dump(), expected);
    EXPECT_EQ(locks, (std::vector<int64_t>{tree->Handle(), 0, tree->Handle(), 0}));
    ExpectReleasedAfter(2);
}

TEST_F(QueryRenderer, ADuplicateCompanyEndsTheRenderingButReleasesTheTree) {
    Render(
        Query("<Companies><Company ID=\"1\" ShortName=\"One\"/><Company ID=\"1\" ShortName=\"Again\"/>"
              "</Companies><OperatorStatus>Operator</OperatorStatus>",
              "<Sectors>" + Sector("Europe", "Norway", "NO1", "North Sea") + "</Sectors>"));
    EXPECT_EQ(Dump(),
              "Query|Query|+\n"
              "  Query.General.CompanyDetail|Company Selection|+\n"
              "    Query.General.CompanyDetail.Companies|Companies|+\n"
              "      C_1|One\n"
              "  Query.General.LocationDetail|Location\n");
    EXPECT_TRUE(Contains(Dialog(), "Key is not unique")) << Dialog();
    EXPECT_TRUE(Contains(Dialog(), "CQueryRenderer.Companies()")) << Dialog();
    EXPECT_TRUE(Contains(Log(), "Key is not unique")) << "the renderer logs what it shows";
    EXPECT_EQ(tree->Memory().Node("Query")->ForeColor(), MemoryTreeNode::kWindowText)
        << "the colouring is skipped";
    EXPECT_EQ(locks, (std::vector<int64_t>{tree->Handle(), 0}));
    ExpectReleasedAfter(1);
    EXPECT_EQ(tree->Memory().FrozenAdds(), tree->Memory().Count());
}

TEST_F(QueryRenderer, AQueryDocumentNeverSetIsShownAsAnError) {
    EXPECT_NO_THROW(renderer->RenderDescriptionTree());
    EXPECT_TRUE(Contains(Dialog(), "CQueryRenderer.Companies()")) << Dialog();
    EXPECT_EQ(locks, (std::vector<int64_t>{tree->Handle(), 0}));
    EXPECT_EQ(tree->Memory().Count(), 3) << "the fixed nodes were made before the failure";
}

}  // namespace
