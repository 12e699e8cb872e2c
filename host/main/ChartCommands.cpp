#include "ChartCommands.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "charts/CChart.h"
#include "core/HuntERR31.h"
#include "core/mTL5ErrorCodes.h"
#include "host/controls/MemoryChartControl.h"
#include "host/controls/MemoryGrid.h"
#include "host/controls/MemoryTreeView.h"
#include "host/main/DataSet.h"
#include "host/main/Interrupt.h"
#include "host/main/OutputFiles.h"
#include "host/main/QueryCommands.h"
#include "host/main/Table.h"
#include "interfaces/IChart.h"
#include "interfaces/IChartEngine.h"
#include "interfaces/IChartManifest.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace host {
namespace {

struct ChartFolders {
    std::string manifest, definitions;
};

void DeclareFolders(CLI::App& app, ChartFolders& f) {
    app.add_option("--manifest", f.manifest,
                   "the chart manifest (default: the data folder's Charts/ChartManifest.xml)")
        ->type_name("FILE")
        ->check(NotEmpty("FILE is a file name"));
    app.add_option("--definitions", f.definitions,
                   "the folder of the chart definitions (default: the data folder's Charts/Definitions)")
        ->type_name("DIR")
        ->check(NotEmpty("DIR is a folder name"));
}

std::string ManifestFile(CommandContext& c, const ChartFolders& f) {
    return f.manifest.empty() ? ChartManifestFile(c.root) : f.manifest;
}

std::string DefinitionsFolder(CommandContext& c, const ChartFolders& f) {
    return f.definitions.empty() ? ChartDefinitionsFolder(c.root) : f.definitions;
}

// The root's chart engine initialised with the manifest and the definitions'
// folder; Nothing after saying why it could not be.
Ref<IChartEngine> Engine(CommandContext& c, const ChartFolders& f) {
    const std::string manifest = ManifestFile(c, f);
    const std::string definitions = DefinitionsFolder(c, f);
    // The manifest reads a missing file as one without charts; a person wants to hear of it.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(manifest, ec)) {
        // Not there is one thing; a folder on the way that may not be
        // searched, or a disk that fails, is another, and said as such.
        if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory)
            c.console.Say("the chart manifest " + manifest + " cannot be read: " + ec.message());
        else
            c.console.Say("there is no chart manifest " + manifest);
        return {};
    }
    Ref<IChartEngine> engine = c.root.Charts();
    try {
        engine->Initialise(manifest, definitions);
    } catch (const Error& e) {
        c.console.Say("the chart manifest " + manifest + " cannot be read: " + PlainDescription(e));
        return {};
    }
    return engine;
}

// The manifest's charts of one asset type as a tree (categories above their
// charts); raises what the manifest raises.
std::shared_ptr<MemoryTreeView> ChartTree(const Ref<IChartEngine>& engine, const char* type) {
    auto tree = std::make_shared<MemoryTreeView>("Charts");
    engine->Manifest()->PopulateChartsByAssetType(tree, type);
    return tree;
}

// True for a node of a chart: a category carries no description, a chart at
// least an empty one.
bool IsChart(const std::shared_ptr<MemoryTreeNode>& node) { return node && !node->Tag().IsEmpty(); }

// What a chart the manifest lists only under other asset types than the
// query's says before anything runs: that the two do not go together, or
// that the query's asset type is none at all.  "" when they do, or when the
// manifest does not list the chart.
std::string AssetTypeMismatch(const Ref<IChartEngine>& engine, const std::string& name,
                              const std::string& queryType, const std::string& queryFile) {
    static const std::map<std::string, std::string> kNouns = {
        {"Field", "fields"}, {"Well", "wells"}, {"Block", "blocks"}, {"Transport", "transport systems"}};
    // A misspelt type finds no assets of any kind, whatever the chart.
    if (!kNouns.count(queryType)) return NoStatementMessage(queryFile, queryType);
    std::vector<std::string> listed;
    for (const char* type : kAssetTypes) {
        std::shared_ptr<MemoryTreeView> tree;
        try {
            tree = ChartTree(engine, type);
        } catch (const Error&) {
            continue;  // `charts` says what is wrong with the manifest
        }
        if (!IsChart(tree->Memory().Node(name))) continue;
        if (type == queryType) return "";
        listed.push_back(kNouns.at(type));
    }
    if (listed.empty()) return "";
    return name + " is a chart of " + Join(listed, " and ") + " and the query " + queryFile + " finds " +
           kNouns.at(queryType);
}

// The chart definition in `folder` whose name differs from `name` in letter
// case only; "" when there is none.  Definitions are found by their file's
// name, which the file system compares as written.
std::string SameNameButForCase(const std::string& folder, const std::string& name) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path file = it->path().filename();
        if (file.extension() == ".xml" && EqualsNoCase(file.stem().string(), name))
            return file.stem().string();
    }
    return "";
}

// The node's ancestors' texts, top first, joined by " / ".
std::string CategoryOf(const Ref<ITreeNode>& node) {
    std::string path;
    for (Ref<ITreeNode> n = node->Parent(); n; n = n->Parent())
        path = n->Text() + (path.empty() ? "" : " / " + path);
    return path;
}

// The distinct asset codes of the query's asset rows, in their order, as a list.
std::string AssetCodes(IQuery& query, ADODB::Recordset& rs) {
    // The code column is named after the asset type; the first column is the code otherwise.
    const std::string named = query.QueryType() + "_Code";
    int32_t column = 0;
    for (int32_t i = 0; i < rs.Fields().Count(); ++i)
        if (EqualsNoCase(rs.Fields(i).Name(), named)) column = i;
    std::vector<std::string> codes;
    std::set<std::string> seen;
    if (rs.RecordCount() == 0) return "";
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const ADODB::Field field = rs.Fields(column);
        if (field.IsNull()) continue;
        const std::string code = CStr(field.Value());
        if (seen.insert(code).second) codes.push_back(code);
    }
    return Join(codes, ",");
}

// The place of the query the last drawing of the chart could not open; 0
// when every query opened.
int32_t FailedQuery(const Ref<IChart>& chart) {
    Ref<CChart> drawn = TryCast<CChart>(chart);
    return drawn ? drawn->FailedQuery() : 0;
}

// The query that the chart could not open, by place and name, with the
// engine's reason.
std::string NotOpened(const Ref<IChart>& chart, const std::string& name) {
    Ref<CChart> drawn = TryCast<CChart>(chart);
    const int32_t failed = drawn->FailedQuery();
    const std::string queryName = chart->Queries()->Item(Variant(failed)).ToObject<IChartQuery>()->Name();
    std::string text = "query " + std::to_string(failed) + (queryName.empty() ? "" : " (" + queryName + ")") +
                       " of the chart " + name + " could not be opened";
    if (!drawn->FailedQueryReason().empty()) text += " (" + drawn->FailedQueryReason() + ")";
    return text;
}

// Why a chart drawn without an error shown could not show all its data: a
// query after the first that could not be opened, or else a limit of the
// chart.
std::string Incomplete(const Ref<IChart>& chart, const std::string& name) {
    if (FailedQuery(chart) == 0) return "a limit of the chart was passed";
    return NotOpened(chart, name) + "; the queries before it are drawn, those after it were not run";
}

}  // namespace

CommandRun DeclareCharts(CLI::App& app) {
    struct Options {
        std::string type, format;
        ChartFolders folders;
    };
    auto o = std::make_shared<Options>();
    app.add_option("TYPE", o->type, "only the charts of this asset type (any letter case)")
        ->transform(AssetType());
    app.add_option("--format", o->format,
                   "table (aligned columns) or csv (RFC 4180); default: table on a terminal, else csv")
        ->check(CLI::IsMember({"table", "csv"}));
    DeclareFolders(app, o->folders);
    app.footer(
        "Prints each chart the manifest offers with its asset type, category (sub-categories after a "
        "\" / \"), name, definition (the NAME that `chart` takes) and description.  Exit status 1 when the "
        "manifest cannot be read or lists a chart twice; 0 when it offers none (that is said on standard "
        "error).");
    return [o](CommandContext& c) {
        Ref<IChartEngine> engine = Engine(c, o->folders);
        if (!engine) return kFailed;
        std::vector<TableRow> rows;
        for (const char* type : kAssetTypes) {
            if (!o->type.empty() && o->type != type) continue;
            std::shared_ptr<MemoryTreeView> tree;
            try {
                tree = ChartTree(engine, type);
            } catch (const Error& e) {
                c.console.Say("the charts of " + std::string(type) +
                              " cannot be listed: " + PlainDescription(e));
                return kFailed;
            }
            for (const std::string& key : tree->Memory().Keys()) {
                auto node = tree->Memory().Node(key);
                if (!IsChart(node)) continue;
                rows.push_back({type, CategoryOf(node), node->Text(), key, CStr(node->Tag())});
            }
        }
        const bool aligned = o->format.empty() ? ResultsOnTerminal() : o->format == "table";
        PrintTable(c.console.Results(), {"AssetType", "Category", "Chart", "Definition", "Description"}, rows,
                   aligned);
        if (rows.empty())
            c.console.Say("nothing matches: the chart manifest offers no charts" +
                          (o->type.empty() ? std::string() : " of " + o->type));
        return kDone;
    };
}

CommandRun DeclareChart(CLI::App& app) {
    struct Options {
        std::string name, query, svg, grid, codes;
        int32_t width = 800, height = 500;
        bool force = false;
        ChartFolders folders;
    };
    auto o = std::make_shared<Options>();
    app.add_option("NAME", o->name, "the chart definition, as `charts` lists it")
        ->required()
        ->check(NotEmpty("a chart definition's name"));
    app.add_option("QUERY", o->query, "the query file whose assets the chart shows")
        ->type_name("FILE")
        ->check(NotEmpty("a file name"));
    app.add_option("--svg", o->svg, "the picture to write")
        ->required()
        ->type_name("OUT.svg")
        ->check(NotEmpty("OUT.svg is a file name"));
    app.add_option("--grid", o->grid, "the data grid to write as CSV")
        ->type_name("OUT.csv")
        ->check(NotEmpty("OUT.csv is a file name"));
    CLI::Option* codes =
        app.add_option("--codes", o->codes,
                       "the asset codes to show, e.g. 1001,1003, instead of the query's assets")
            ->type_name("LIST")
            ->check(NotEmpty("LIST is a list of asset codes"));
    app.add_option("--width", o->width, "the picture's width in pixels (800)")->check(CLI::Range(200, 20000));
    app.add_option("--height", o->height, "the picture's height in pixels (500)")
        ->check(CLI::Range(150, 20000));
    app.add_flag("--force", o->force, "replace OUT.svg and OUT.csv when they are there");
    DeclareFolders(app, o->folders);
    app.footer(
        "Runs QUERY (which also decides the asset type whose units the chart shows), takes the codes of its "
        "asset rows and draws the chart for them.  With --codes the query is not run and QUERY may be left "
        "out.  The picture and the grid are written whole or not at all, and both or neither; a file there "
        "already is replaced only with --force, and an output that is not a regular file, lies in a folder "
        "that is not there or may not be written, names the other output, a file the command reads or a "
        "file of the data set (whatever its name: a link to one is that file) is refused before anything "
        "runs.  When an error is shown (a chart query that fails, one naming a missing table say, among "
        "them), QUERY is refused (its "
        "results too large to process), or the database engine refuses the chart's first query as too large "
        "or complex (it is named), nothing is written and the exit status is 1; when the chart could not "
        "show all its data (a limit of the chart passed, or a later query the engine refuses as too large "
        "or complex, which is named: the queries before it are drawn) it is written and the exit status is "
        "1.");
    return [o, codes](CommandContext& c) {
        // The library reads a blank list as "no assets" and would draw a chart
        // without data; given by hand it is a mistake, refused as ",,," is
        // (an empty one is a usage error).
        if (codes->count() > 0 && Trim(o->codes).empty()) {
            c.console.Say("--codes '" + o->codes + "' holds no asset code; give codes such as 1001,1003");
            return kFailed;
        }
        if (o->query.empty() && o->codes.empty()) {
            c.console.Say("give a query file whose assets the chart shows, or --codes");
            return kUsage;
        }
        Ref<IQuery> query;
        if (!o->query.empty()) {
            query = LoadQuery(c, o->query);
            if (!query) return kFailed;
        }

        Ref<IChartEngine> engine = Engine(c, o->folders);
        if (!engine) return kFailed;
        if (query) {
            const std::string mismatch = AssetTypeMismatch(engine, o->name, query->QueryType(), o->query);
            if (!mismatch.empty()) {
                c.console.Say(mismatch);
                return kFailed;
            }
        }
        Ref<IChart> chart;
        try {
            chart = engine->LoadChart(o->name);
        } catch (const Error& e) {
            c.console.Say("the chart " + o->name + " cannot be read: " + PlainDescription(e));
            return kFailed;
        }
        if (!chart) {
            const std::string other = SameNameButForCase(engine->ChartDefinitionFolder(), o->name);
            c.console.Say(
                "there is no chart definition " + o->name + ".xml in " + engine->ChartDefinitionFolder() +
                (other.empty() ? ""
                               : "; there is " + other + " (a chart's name is matched in its letter case)"));
            return kFailed;
        }

        // The outputs are checked once everything the chart reads is open and
        // before anything runs: a mistyped name costs no search and destroys
        // nothing.
        if (!OutputFilesWritable(c, {o->svg, o->grid}, o->force)) return kFailed;
        std::string codes = o->codes;
        if (codes.empty()) {
            const int32_t found = ExecuteQuery(*query);
            Interruptible::StopIfInterrupted();
            if (found == ERR_NO_STATEMENT) return NoStatement(c, *query, o->query);
            // A failure was shown as it happened; "nothing matches" was said, and the chart shows no data.
            if (found < 0 || c.Failed()) return kFailed;
            if (found > 0) {
                Ref<ADODB::Recordset> rs = query->Results(0);
                if (!rs) return kFailed;
                codes = AssetCodes(*query, *rs);
            }
        }

        auto grid = std::make_shared<MemoryGrid>("Data");
        auto control = std::make_shared<MemoryChartControl>("Chart");
        // The library names a refused code's place only when told where the list came from.
        std::optional<ValueOrigins> given;
        if (!o->codes.empty())
            given.emplace(std::initializer_list<ValueOrigins::Entry>{{o->codes, "--codes"}});
        // The library draws to its end; a Ctrl-C meanwhile stops the command
        // once the files are written, before they take their names.
        const bool complete = chart->Render(grid, control, codes);
        // What was shown has said why; a picture of a chart that failed would
        // pass for one of assets without data.
        if (c.Failed()) return kFailed;
        // So would the blank picture of a chart whose first query could not be
        // opened: nothing was drawn.
        if (!complete && FailedQuery(chart) == 1) {
            c.console.Say("the chart could not be drawn: " + NotOpened(chart, o->name));
            return kFailed;
        }
        try {
            // Both files are written before either takes its name: a picture
            // is never left without the grid asked for beside it.
            std::optional<PendingFile> csv;
            if (!o->grid.empty()) csv.emplace(o->grid, grid->Csv(), "MemoryGrid", Existing(o->force));
            PendingFile svg(o->svg, control->Svg(o->width, o->height), "MemoryChartControl",
                            Existing(o->force));
            // Asked again: a file first read while the chart was drawn counts too.
            if (!OutputFilesWritable(c, {o->svg, o->grid}, o->force)) return kFailed;
            // The last point to stop at: the files written so far are dropped unpublished.
            Interruptible::StopIfInterrupted();
            // The picture takes its name first, keeping a picture it replaces
            // until the grid has its name: a grid that cannot take its name
            // withdraws it again, and the old picture takes its name back.
            PublishAll({&svg, csv ? &*csv : nullptr});
        } catch (const Error& e) {
            c.console.Say(PlainDescription(e));
            return kFailed;
        }
        if (!complete) {
            c.console.Say("the chart could not show all its data: " + Incomplete(chart, o->name));
            return kFailed;
        }
        return kDone;
    };
}

}  // namespace host
