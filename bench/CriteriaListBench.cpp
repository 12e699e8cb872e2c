// A criteria list built one code at a time and read back, beside the raw
// document doing the same number of inserts without any check.
//
//   criteria  CGeneral::AddCompany for codes 1 .. n (each add asks the active
//             query whether it is read-only, marks the document changed and
//             looks for an item with the same code first), then
//             SelectedCompaniesList;
//   raw       pugixml: append n "Company" elements with an "ID" attribute
//             below the same section, then join the attribute values.
//
// Each repetition does the whole job once, for n = 2,000 and n = 20,000.
// The summary prints the median wall time of each, the ratio criteria/raw,
// and how each grows from 2,000 to 20,000 (10 means linear, 100 quadratic).
// TERRALITH_BENCH_REPETITIONS changes the number of repetitions (7).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/CTools.h"
#include "core/Globals.h"
#include "criteria/CParameters.h"
#include "interfaces/IGeneral.h"
#include "support/FakeQuery.h"
#include "support/FakeRoot.h"
#include "support/TempDir.h"

namespace {

constexpr const char* kQuery =
    "<Query><Parameters><General><CompanyDetail/><LocationDetail/></General><Block><BlockDetail/></Block>"
    "<Field><FieldDetail/></Field><Well><WellDetail/></Well><Transport><TransportDetail/></Transport>"
    "</Parameters></Query>";

// A stand-in root whose active query is writable: all the criteria ask of it.
void InstallRoot() {
    const TempDir& folder = bench::Scratch();
    static bool installed = false;
    if (installed) return;
    std::FILE* f = std::fopen((folder.Path() + "Terralith.settings.xml").c_str(), "w");
    std::fputs(
        "<Options><Files><CoreDatabase>none.db</CoreDatabase><NotesDatabase>none.db</NotesDatabase>"
        "</Files></Options>",
        f);
    std::fclose(f);
    static Ref<FakeRoot> root = FakeRoot::Install(folder.Path());
    root->SetQueries(New<FakeQueryManager>());
    installed = true;
}

void BM_Criteria(benchmark::State& state) {
    InstallRoot();
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Ref<ISettings2> doc = gTools()->NewSettingsObject();
        doc->LoadXML(kQuery);
        doc->Select("Query/Parameters");
        auto params = New<CParameters>();
        params->Settings(doc->Node());
        Ref<IGeneral> general = params->General();
        state.ResumeTiming();

        for (int i = 1; i <= n; ++i) general->AddCompany(i, "", "", 0);
        std::string list = general->SelectedCompaniesList();
        benchmark::DoNotOptimize(list);

        state.PauseTiming();
        if (general->CompanyCount() != n) state.SkipWithError("not every code was added");
        state.ResumeTiming();
    }
}

void BM_Raw(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        pugi::xml_document doc;
        doc.load_string(kQuery);
        pugi::xml_node companies =
            doc.select_node("Query/Parameters/General/CompanyDetail").node().append_child("Companies");
        state.ResumeTiming();

        for (int i = 1; i <= n; ++i)
            companies.append_child("Company").append_attribute("ID").set_value(std::to_string(i).c_str());
        std::string list;
        for (pugi::xml_node c : companies.children()) {
            if (!list.empty()) list += ',';
            list += c.attribute("ID").value();
        }
        benchmark::DoNotOptimize(list);
    }
}

// Keeps each repetition's wall time; prints only the medians.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, std::vector<double>> seconds;  // "criteria/2000" -> one per repetition

    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> shown;
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                seconds[r.run_name.function_name + "/" + r.run_name.args].push_back(
                    r.real_accumulated_time / static_cast<double>(r.iterations));
            if (bench::IsMedian(r)) shown.push_back(r);
        }
        if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
    }

    double Median(const std::string& name) {
        std::vector<double> v = seconds[name];
        if (v.empty()) return 0;
        std::sort(v.begin(), v.end());
        return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    int repetitions = 7;
    if (const char* r = std::getenv("TERRALITH_BENCH_REPETITIONS")) repetitions = std::max(1, std::atoi(r));
    for (int n : {2000, 20000}) {
        for (auto [name, fn] : {std::pair{"criteria", &BM_Criteria}, std::pair{"raw", &BM_Raw}}) {
            bench::Register(name, fn, repetitions)->Arg(n)->UseRealTime();
        }
    }
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    auto m = [&](const char* what, const char* n) { return reporter.Median(std::string(what) + "/" + n); };
    std::printf("\nmedian wall time, adds + read-back (%d repetitions):\n", repetitions);
    for (const char* n : {"2000", "20000"}) {
        double criteria = m("criteria", n), raw = m("raw", n);
        std::printf("  %6s codes: criteria %9.3f ms, raw %7.3f ms, ratio %6.1f\n", n, criteria * 1e3,
                    raw * 1e3, raw > 0 ? criteria / raw : 0.0);
    }
    if (m("criteria", "2000") > 0 && m("raw", "2000") > 0)
        std::printf("  growth 2,000 -> 20,000: criteria x%.1f, raw x%.1f (10 linear, 100 quadratic)\n",
                    m("criteria", "20000") / m("criteria", "2000"), m("raw", "20000") / m("raw", "2000"));
    benchmark::Shutdown();
    return 0;
}
