// What a query keeps whatever goes wrong: annual rows only of its latest
// execution, its criteria when a query file is refused (also one the
// criteria sets themselves would refuse), and a whole query file when a save
// fails half-way.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "interfaces/ICriteria.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/Recordset.h"
#include "platform/ui/MsgBox.h"
#include "queries/CQuery.h"
#include "queries/QueryFiles.h"
#include "queries/QueryFixture.h"

namespace {

using queryfiles::Company;
using queryfiles::Criteria;
using queryfiles::QueryXml;
using queryfiles::Sector;

constexpr const char* kOilFields =
    "<FieldDetail><FieldTypes><FieldType Code=\"OIL\" Description=\"Oil\"/></FieldTypes></FieldDetail>";

class QueryRobustness : public QueryFixture {
protected:
    static Criteria Fields() {
        Criteria c;
        c.companies = Company("102", "Borealis UK", "101");
        c.sectors = Sector("11", "GB");
        c.field = kOilFields;
        return c;
    }
};

TEST_F(QueryRobustness, AnnualRowsNeverOutliveTheExecutionTheyBelongTo) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", Fields()));
    ASSERT_GT(query->Execute(), 0);
    auto* cquery = dynamic_cast<CQuery*>(query.get());
    ASSERT_TRUE(cquery);
    EXPECT_TRUE(Contains(cquery->AnnualStatement(), "FieldAnnualTransformed"));

    // Executed again as a well query, before anyone asked for the annual
    // rows: the field criteria's annual rows are gone with the field run.
    query->SetQueryType("Well");
    ASSERT_GT(query->Execute(), 0);
    EXPECT_EQ(cquery->AnnualStatement(), "");
    answer = ui::vbOK;
    messages.clear();
    EXPECT_TRUE(query->Results(kAnnualResults).IsNothing());
    ASSERT_EQ(messages.size(), 1u) << "no question about rows that cannot come, only the error";
    EXPECT_EQ(messages[0].title, "Error");
    EXPECT_NE(query->ErrorNumber(), 0);
    EXPECT_EQ(query->RecordCount(kAnnualResults), 0);

    // The same after the annual rows were open.
    query->SetQueryType("Field");
    ASSERT_GT(query->Execute(), 0);
    Ref<ADODB::Recordset> annual = query->Results(kAnnualResults);
    ASSERT_TRUE(annual);
    ASSERT_GT(annual->RecordCount(), 0);
    query->SetQueryType("Well");
    ASSERT_GT(query->Execute(), 0);
    EXPECT_EQ(annual->State(), 0);
    EXPECT_TRUE(query->Results(kAnnualResults).IsNothing());
    EXPECT_EQ(query->RecordCount(kAnnualResults), 0);
}

TEST_F(QueryRobustness, ARefusedQueryFileIsNamedAndTheQueryKeepsItsCriteria) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Net", Fields()));
    const std::string before = query->Parameters()->ParamXML();
    ASSERT_EQ(query->Parameters()->Field()->FieldTypeCount(), 1);

    // Each set element the criteria need, missing in turn; then files that
    // cannot be read at all.
    std::vector<std::pair<std::string, std::string>> refused;
    for (const char* set : {"General", "Block", "Field", "Well", "Transport"}) {
        std::string xml = QueryXml("Well", "Gross", Criteria{});
        const std::string open = "<" + std::string(set) + ">", close = "</" + std::string(set) + ">";
        const size_t a = xml.find(open), b = xml.find(close);
        ASSERT_NE(a, std::string::npos) << set;
        xml.erase(a, b + close.size() - a);
        refused.emplace_back(data.Write(std::string("without-") + set + ".xml", xml), set);
    }
    refused.emplace_back(data.Write("malformed.xml", "<Query><Options><AssetType>Well</Options>"),
                         "Parameters");
    refused.emplace_back(data.Path() + "missing.xml", "Parameters");

    for (const auto& [file, element] : refused) {
        SCOPED_TRACE(file);
        const std::string& path = file;  // lambdas capture no structured binding under clang 14
        Error e = CaughtError([&] { query->Load(path); });
        EXPECT_EQ(e.Number(), ERR_MISSING_SETTINGS_ELEMENT);
        EXPECT_TRUE(Contains(e.Description(), "Element " + element + " is Missing or corrupt\r\n" + file))
            << e.Description();
        EXPECT_EQ(query->QueryType(), "Field");
        EXPECT_EQ(query->GrossNet(), "Net");
        EXPECT_EQ(query->Parameters()->ParamXML(), before);
        EXPECT_EQ(query->Parameters()->Field()->FieldTypeCount(), 1);
        EXPECT_EQ(query->Parameters()->General()->CompanyCount(), 1);
    }
    EXPECT_TRUE(messages.empty()) << "a load passes its failures on, nothing is shown";
    EXPECT_EQ(Dialog(), "");

    // Sets and options still read and write the one document the query has.
    query->Parameters()->Well()->AddShoreStatus("ONSHORE");
    EXPECT_TRUE(Contains(query->Parameters()->ParamXML(), "ONSHORE"));
    EXPECT_TRUE(Contains(query->Parameters()->ParamXML(), "<AssetType>Field</AssetType>"));
    ASSERT_GT(query->Execute(), 0) << "and the query still runs";
}

// Lets a file grow to a few kilobytes at most while it lives, as a full disk
// would; the write past that fails instead of ending the program.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(QueryRobustness, ASaveThatFailsHalfWayLeavesTheEarlierFileWhole) {
    Ref<IQuery> query = LoadedQuery(QueryXml("Field", "Gross", Fields()));
    const std::string file = data.Path() + "Saved/kept.xml";
    std::filesystem::create_directories(data.Path() + "Saved");
    query->Save(file);
    const std::string earlier = ReadFile(file);
    ASSERT_TRUE(Contains(earlier, "Borealis UK"));
    ASSERT_EQ(query->ErrorNumber(), 0);

    // Grown past what the disk will take.
    for (int i = 0; i < 300; ++i)
        query->Parameters()->Well()->AddWellNameSearchString("a well name long enough to fill the disk " +
                                                             Variant(i).ToString());
    ASSERT_GT(query->Parameters()->ParamXML().size(), 3 * earlier.size());
    {
        FileSizeLimit limit(2 * earlier.size());
        query->Save(file);
    }
    EXPECT_EQ(ReadFile(file), earlier);
    EXPECT_NE(query->ErrorNumber(), 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Error");
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data.Path() + "Saved")) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "kept.xml") << "nothing half-written is left beside it";
    }
    EXPECT_EQ(files, 1u);

    // With room again the whole query is written.
    query->Save(file);
    EXPECT_TRUE(Contains(ReadFile(file), "fill the disk 299"));
}

}  // namespace
