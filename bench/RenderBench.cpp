// A field query and a well query rendered, beside the engine running the
// very statements the render ran, raw:
//
//   field/render  CSQLRenderer.SQL for a field query with companies, sectors
//                 and field types: the company search, the narrowing run with
//                 its row loop, the rebuilt statement;
//   field/raw     sqlite3_step over the same statements (as the engine reads
//                 them, translated once beforehand), reading the first column
//                 of every row;
//   well/render, well/raw  the same for a well query with companies, sectors
//                 and well types.
//
// The data set is made here by the sample generator: TERRALITH_BENCH_FIELDS
// fields (50000; about twelve wells a field), unless TERRALITH_BENCH_SET names
// a folder terralith-sample made earlier.  The companies are the ones
// with the most assets, taken while the codes they hold stay well under the
// renderer's limit.  TERRALITH_BENCH_REPETITIONS sets the repetitions (7).
// The summary prints the medians of CPU and wall time and the ratio of each
// render to its raw statements.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "BenchDataSet.h"
#include "core/CTools.h"
#include "core/Globals.h"
#include "criteria/CParameters.h"
#include "interfaces/ICriteria.h"
#include "platform/ado/JetTranslator.h"
#include "platform/runtime/Text.h"
#include "sql/CSQLRenderer.h"
#include "support/FakeQuery.h"
#include "support/FakeRoot.h"
#include "support/TempDir.h"

namespace {

struct Job {
    std::string name;  // "field" or "well"
    Ref<ISettings2> document;
    Ref<CParameters> params;
    Ref<CSQLRenderer> renderer;
    std::vector<std::string> statements;  // translated for the engine
    std::string answer;
    size_t rows = 0;  // rows the raw statements gave
};

struct DataSet {
    const TempDir& dir = bench::Scratch();  // removed when the run ends, however it ends
    std::string database;
    Ref<FakeRoot> root;
    Job field{"field", {}, {}, {}, {}, {}, 0}, well{"well", {}, {}, {}, {}, {}, 0};
};

// Steps the statement, reading its first column; the number of rows.
size_t Step(sqlite3* db, const std::string& sql, std::vector<std::string>* texts = nullptr) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    size_t rows = 0, bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const unsigned char* t = sqlite3_column_text(st, 0);
        bytes += t ? t[0] & 1 : 0;
        if (texts) texts->emplace_back(t ? reinterpret_cast<const char*>(t) : "");
        ++rows;
    }
    sqlite3_finalize(st);
    benchmark::DoNotOptimize(bytes);
    return rows;
}

// The companies with the most rows in the statement's groups, most first,
// while their rows add up to no more than the budget.
std::string Companies(sqlite3* db, const std::string& sql, int budget) {
    std::vector<std::string> rows;
    Step(db, sql, &rows);
    std::vector<std::string> picked;
    int total = 0;
    for (const std::string& row : rows) {
        const auto parts = Split(row, ",");
        const int n = std::atoi(parts[1].c_str());
        if (total + n > budget) continue;
        picked.push_back(parts[0]);
        total += n;
    }
    return Join(picked, ",");
}

// Criteria of the job's own: the companies, the sectors of the two largest
// countries and the type criteria; then one render, to keep its statements.
void Prepare(Job& job, const std::string& sType, const std::string& sCompanies) {
    job.document = gTools()->NewSettingsObject();
    job.document->LoadXML(
        "<Query><Parameters><General><CompanyDetail/><LocationDetail/></General><Block><BlockDetail/></Block>"
        "<Field><FieldDetail><FieldTypes><FieldType Code=\"OIL\"/><FieldType Code=\"GAS\"/>"
        "<FieldType Code=\"OILGAS\"/></FieldTypes></FieldDetail></Field>"
        "<Well><WellDetail><Types><Type Code=\"DEV\"/><Type Code=\"EXPL\"/></Types></WellDetail></Well>"
        "<Transport><TransportDetail/></Transport></Parameters></Query>");
    job.document->Select("Query/Parameters");
    job.params = New<CParameters>();
    job.params->Settings(job.document->Node());
    Ref<IGeneral> general = job.params->General();
    for (int sector : {11, 12, 13, 14, 21, 22, 23})
        general->AddSector(sector, "", sector < 20 ? "GB" : "NO", "", "", "");
    for (const std::string& code : Split(sCompanies, ","))
        general->AddCompany(std::atoi(code.c_str()), code, code, 0);
    auto query = New<FakeQuery>();
    query->SetQueryType(sType);
    job.renderer = New<CSQLRenderer>();
    job.renderer->SetParameters(job.params);
    job.renderer->SetQuery(query);
    job.answer = job.renderer->SQL();
    if (job.answer.empty() || IsNumericText(job.answer))
        throw std::runtime_error(job.name + ": no statement");
    for (const std::string& sql : job.renderer->StatementsRun())
        job.statements.push_back(ADODB::JetTranslator::Translate(sql));
}

DataSet& Data() {
    static DataSet* data = [] {
        auto* d = new DataSet;
        const std::string folder = bench::GeneratedDataSet(d->dir.Path());
        d->database = folder + "Core/Database/Terralith.db";
        d->root = FakeRoot::Install(folder);
        d->root->OpenDatabase();
        auto manager = New<FakeQueryManager>();
        d->root->SetQueries(manager);

        sqlite3* db = bench::OpenReadOnly(d->database);
        const std::string fieldCompanies =
            Companies(db,
                      "SELECT Company_Code || ',' || COUNT(*) FROM FieldInterest GROUP BY Company_Code "
                      "ORDER BY COUNT(*) DESC, Company_Code",
                      6000);
        const std::string wellCompanies =
            Companies(db,
                      "SELECT I.Company_Code || ',' || COUNT(*) FROM Well W JOIN "
                      "BlockInterest I ON I.Block_Code = W.Block_Code GROUP BY "
                      "I.Company_Code ORDER BY COUNT(*) DESC, I.Company_Code",
                      16000);
        sqlite3_close(db);

        Prepare(d->field, "Field", fieldCompanies);
        Prepare(d->well, "Well", wellCompanies);
        return d;
    }();
    return *data;
}

// The engine alone over the statements the render ran.
void BM_Raw(benchmark::State& state, Job* job) {
    sqlite3* db = bench::OpenReadOnly(Data().database);
    for (auto _ : state) {
        size_t rows = 0;
        for (const std::string& sql : job->statements) rows += Step(db, sql);
        job->rows = rows;
    }
    sqlite3_close(db);
}

// The render: criteria read, statements built and run, rows collected, the
// answer rebuilt.
void BM_Render(benchmark::State& state, Job* job) {
    Data();
    for (auto _ : state) {
        const std::string sql = job->renderer->SQL();
        if (sql != job->answer) state.SkipWithError("the render changed its answer");
    }
}

void Summary(const bench::MedianReporter& reporter, const Job& job) {
    std::printf("\n%s query: %zu statements, %zu rows; answer of %zu characters\n", job.name.c_str(),
                job.statements.size(), job.rows, job.answer.size());
    bench::PrintRatio(reporter, job.name, "render");
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = bench::Initialize(argc, argv);

    DataSet& data = Data();
    for (Job* job : {&data.field, &data.well}) {
        for (const char* what : {"raw", "render"}) {
            auto fn = std::string(what) == "raw" ? BM_Raw : BM_Render;
            bench::Register(
                job->name + "/" + what, [fn, job](benchmark::State& s) { fn(s, job); }, repetitions);
        }
    }
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Summary(reporter, data.field);
    Summary(reporter, data.well);
    for (Job* job : {&data.field, &data.well}) {
        job->renderer.Reset();
        job->params.Reset();
        job->document.Reset();
    }
    data.root.Reset();
    ReleaseModuleData();
    benchmark::Shutdown();
    return 0;
}
