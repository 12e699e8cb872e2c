// A field query executed end to end, beside the engine running the very
// statements the execution ran, raw:
//
//   field/execute  IQuery.Execute: the render (company search, narrowing run
//                  with its row loop, rebuilt statement), the participant and
//                  asset record sets opened with every row kept, the company
//                  lists built, the progress sent to the host;
//   field/raw      sqlite3_step over the same statements (as the engine reads
//                  them, translated once beforehand), reading every column of
//                  every row by its type.
//
// Then the memory of the query's record sets (asset, participant and, once
// opened, annual) beside the bytes of the values they hold, counted as the
// engine hands them out (8 a number, the bytes of a text, nothing a Null).
//
// The data set is made here by the sample generator: TERRALITH_BENCH_FIELDS
// fields (50000; about ten wells a field), unless TERRALITH_BENCH_SET names a
// folder terralith-sample made earlier.  The companies are the ones with the
// most field interests, taken while their interests stay well under the
// renderer's limit.  TERRALITH_BENCH_REPETITIONS sets the repetitions (7).
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchDataSet.h"
#include "BenchSupport.h"
#include "core/CTools.h"
#include "core/Globals.h"
#include "interfaces/IQuery.h"
#include "platform/ado/JetTranslator.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/ui/MsgBox.h"
#include "queries/CQuery.h"
#include "queries/CQueryManager.h"
#include "sql/CSQLRenderer.h"
#include "support/FakeRoot.h"
#include "support/TempDir.h"

namespace {

struct DataSet {
    const TempDir& dir = bench::Scratch();  // removed when the run ends, however it ends
    std::string folder, database;
    Ref<FakeRoot> root;
    Ref<IQuery> query;
    int32_t found = 0;
    std::vector<std::string> statements;  // translated for the engine
    size_t rows = 0;                      // rows the raw statements gave
};

struct Values {
    size_t rows = 0, cells = 0, bytes = 0;
};

// Steps the statement reading every column as its type comes.
Values Step(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db) + std::string(": ") + sql.substr(0, 200));
    Values v;
    const int columns = sqlite3_column_count(st);
    int64_t sum = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++v.rows;
        for (int i = 0; i < columns; ++i) {
            ++v.cells;
            switch (sqlite3_column_type(st, i)) {
                case SQLITE_INTEGER:
                    sum += sqlite3_column_int64(st, i);
                    v.bytes += 8;
                    break;
                case SQLITE_FLOAT:
                    sum += static_cast<int64_t>(sqlite3_column_double(st, i));
                    v.bytes += 8;
                    break;
                case SQLITE_TEXT:
                case SQLITE_BLOB: {
                    const unsigned char* t = sqlite3_column_text(st, i);
                    const int n = sqlite3_column_bytes(st, i);
                    sum += n ? t[0] : 0;
                    v.bytes += static_cast<size_t>(n);
                    break;
                }
                default:
                    break;
            }
        }
    }
    sqlite3_finalize(st);
    benchmark::DoNotOptimize(sum);
    return v;
}

// The companies with the most field interests, most first, while their
// interests add up to no more than the budget.
std::string Companies(sqlite3* db, int budget) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT Company_Code, COUNT(*) FROM FieldInterest GROUP BY Company_Code "
                       "ORDER BY COUNT(*) DESC, Company_Code",
                       -1, &st, nullptr);
    std::string items;
    int total = 0;
    while (st && sqlite3_step(st) == SQLITE_ROW) {
        const int n = sqlite3_column_int(st, 1);
        if (total + n > budget) continue;
        const std::string code = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        items += "<Company ID=\"" + code + "\" Name=\"" + code + "\" ShortName=\"" + code +
                 "\" ParentCode=\"0\"/>";
        total += n;
    }
    sqlite3_finalize(st);
    return items;
}

// A field query of the companies, the sectors of the two largest countries
// and three field types, loaded by a real query manager.
Ref<IQuery> LoadQuery(DataSet& d, const std::string& sCompanies) {
    std::string sectors;
    for (const char* s : {"11", "12", "13", "14", "21", "22", "23"})
        sectors += std::string("<Sector SectorCode=\"") + s + "\" CountryCode=\"" +
                   (s[0] == '1' ? "GB" : "NO") + "\"/>";
    const std::string file = d.dir.Path() + "query.xml";
    std::ofstream(file)
        << "<Query><Options><AssetType>Field</AssetType><GrossNet>Gross</GrossNet></Options>"
           "<Parameters><General><CompanyDetail><Companies>"
        << sCompanies << "</Companies></CompanyDetail><LocationDetail><Sectors>" << sectors
        << "</Sectors></LocationDetail></General><Block><BlockDetail/></Block><Field><FieldDetail>"
           "<FieldTypes><FieldType Code=\"OIL\"/><FieldType Code=\"GAS\"/><FieldType "
           "Code=\"OILGAS\"/></FieldTypes></FieldDetail></Field><Well><WellDetail/></Well>"
           "<Transport><TransportDetail/></Transport></Parameters></Query>";
    Ref<ISettings2> settings = gTools()->NewSettingsObject();
    if (!settings->Load(d.folder + "Terralith.settings.xml") || !settings->Select("QueryManager"))
        throw std::runtime_error("no QueryManager element in the settings");
    auto manager = New<CQueryManager>();
    manager->Settings(settings->Node());
    d.root->SetQueries(manager);
    manager->Load(file);
    return manager->Query("-1");
}

DataSet& Data() {
    static DataSet* data = [] {
        auto* d = new DataSet;
        d->folder = bench::GeneratedDataSet(d->dir.Path());
        d->database = d->folder + "Core/Database/Terralith.db";
        d->root = FakeRoot::Install(d->folder);
        d->root->OpenDatabase();
        bench::RequireLinkedTables(d->root->Connection());

        sqlite3* db = bench::OpenReadOnly(d->database);
        const std::string companies = Companies(db, 6000);
        sqlite3_close(db);
        d->query = LoadQuery(*d, companies);

        // One execution to keep what it runs.
        d->found = d->query->Execute();
        if (d->found <= 0) throw std::runtime_error("the query found nothing");
        auto* query = dynamic_cast<CQuery*>(d->query.get());
        const std::string answer = query->QuerySQL(kAssetResults);
        for (const std::string& sql : query->SQLRenderer()->StatementsRun())
            d->statements.push_back(ADODB::JetTranslator::Translate(sql));
        for (int32_t type : {kParticipantResults, kAssetResults})
            d->statements.push_back(
                ADODB::JetTranslator::Translate(RecordsetStatement(answer, "Field", type)));
        return d;
    }();
    return *data;
}

void BM_Raw(benchmark::State& state) {
    DataSet& d = Data();
    sqlite3* db = bench::OpenReadOnly(d.database);
    for (auto _ : state) {
        size_t rows = 0;
        for (const std::string& sql : d.statements) rows += Step(db, sql).rows;
        d.rows = rows;
    }
    sqlite3_close(db);
}

void BM_Execute(benchmark::State& state) {
    DataSet& d = Data();
    for (auto _ : state) {
        if (d.query->Execute() != d.found) state.SkipWithError("the execution changed its answer");
    }
}

// The record sets of the last execution beside the values they hold.
void MemorySummary(DataSet& d) {
    ui::SetMessageBoxHandler([](const std::string&, int32_t, const std::string&) { return ui::vbOK; });
    std::printf("\nrecord sets of the last execution:\n");
    sqlite3* db = bench::OpenReadOnly(d.database);
    sqlite3_exec(
        db,
        ("ATTACH DATABASE '" + Replace(d.folder, "'", "''") + "Core/Database/Annual.db' AS annual").c_str(),
        nullptr, nullptr, nullptr);
    auto* query = dynamic_cast<CQuery*>(d.query.get());
    size_t kept = 0, held = 0;
    for (int32_t type : {kAssetResults, kParticipantResults, kAnnualResults}) {
        Ref<ADODB::Recordset> rs = d.query->Results(type);
        const char* names[] = {"asset", "participant", "annual"};
        // A record set left out would be a summary of less than it says.
        if (!rs)
            throw std::runtime_error(std::string("the ") + names[type] +
                                     " record set was not opened: " + d.query->ErrorDescription());
        const std::string sql = type == kAnnualResults ? query->AnnualStatement() : rs->Source();
        const Values v = Step(db, ADODB::JetTranslator::Translate(sql));
        std::printf("  %-12s %8zu rows %9zu cells: %8.2f MB kept for %8.2f MB of values (%.2fx)\n",
                    names[type], v.rows, v.cells, rs->MemoryBytes() / 1e6, v.bytes / 1e6,
                    v.bytes ? static_cast<double>(rs->MemoryBytes()) / static_cast<double>(v.bytes) : 0.0);
        kept += rs->MemoryBytes();
        held += v.bytes;
    }
    sqlite3_close(db);
    if (held)
        std::printf("  together %.2f MB kept for %.2f MB of values (%.2fx)\n", kept / 1e6, held / 1e6,
                    static_cast<double>(kept) / static_cast<double>(held));
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = bench::Initialize(argc, argv);

    DataSet& data = Data();
    bench::Register("field/raw", BM_Raw, repetitions);
    bench::Register("field/execute", BM_Execute, repetitions);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nfield query: %d fields found; %zu statements, %zu rows\n", data.found,
                data.statements.size(), data.rows);
    bench::PrintRatio(reporter, "field", "execute");
    MemorySummary(data);

    data.query.Reset();
    data.root.Reset();
    ReleaseModuleData();
    benchmark::Shutdown();
    return 0;
}
