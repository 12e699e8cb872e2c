#include "Commands.h"

#include <sys/stat.h>

#include <cerrno>
#include <iterator>
#include <memory>
#include <utility>

#include "host/main/ChartCommands.h"
#include "host/main/ColumnCommands.h"
#include "host/main/ListCommands.h"
#include "host/main/QueryCommands.h"
#include "host/main/Table.h"
#include "platform/runtime/Text.h"

namespace host {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// Names in a column as wide as the longest, two blanks, then the values,
// shown as an aligned table shows its cells.
void PrintAligned(std::ostream& out, const Rows& rows) {
    size_t width = 0;
    for (const auto& row : rows) width = std::max(width, row.first.size());
    std::string text;
    for (const auto& row : rows)
        text += row.first + std::string(width - row.first.size() + 2, ' ') + VisibleText(row.second) + "\n";
    out << text;
}

CommandRun DeclareInfo(CLI::App&) {
    return [](CommandContext& c) {
        cvDataManager& root = c.root;
        Rows rows = {
            {"Version", root.VersionString()},
            {"DataFolder", root.DataFolder()},
            {"UserDataFolder", root.UserDataFolder()},
            {"BaseDataFolder", root.BaseDataFolder()},
            {"CoreDatabaseFolder", root.CoreDatabaseFolder()},
            {"CacheFolder", root.CacheFolder()},
            {"NotesFolder", root.NotesFolder()},
            {"DatabaseFileName", root.DatabaseFileName()},
            {"NotesDatabaseFileName", root.NotesDatabaseFileName()},
            {"Database", root.Database()},
            {"NotesDatabase", root.NotesDatabase()},
            {"DataRelease", root.DataRelease()},
            {"DataYear", root.DataYear()},
            {"MinVersion", root.ApplicationMinVersion()},
            {"MaxVersion", root.ApplicationMaxVersion()},
        };
        if (c.Failed()) return kFailed;
        PrintAligned(c.console.Results(), rows);
        return kDone;
    };
}

CommandRun DeclareOption(CLI::App& app) {
    auto key = std::make_shared<std::string>();
    app.add_option("KEY", *key, "the key of a row of the Options table")
        ->required()
        ->check(NotEmpty("a key"));
    return [key](CommandContext& c) {
        std::string value = c.root.GetOption(*key);
        if (c.Failed()) return kFailed;
        // The table cannot tell a missing row from an empty value; neither
        // is a value to print.
        if (value.empty()) {
            c.console.Say("the Options table has no value for " + *key);
            return kFailed;
        }
        PrintText(c.console.Results(), value);
        return kDone;
    };
}

CommandRun DeclareAssetCode(CLI::App& app) {
    struct Args {
        std::string country, asset, lookup;
    };
    auto args = std::make_shared<Args>();
    app.add_option("COUNTRY", args->country, "country code, e.g. GB (any letter case)")
        ->required()
        ->check(NotEmpty("a country code"));
    app.add_option("ASSET", args->asset,
                   "asset code to find (compared without regard to case; \"\" with LOOKUP)")
        ->required();
    CLI::Option* lookup =
        app.add_option("LOOKUP", args->lookup, "short code to find instead of ASSET (exact case)")
            ->check(NotEmpty("a short code"));
    // An empty ASSET is how a short code is looked up; alone it would look
    // up nothing, and is refused as every other empty argument is.
    app.callback([args, lookup] {
        if (args->asset.empty() && lookup->count() == 0)
            throw CLI::ValidationError("ASSET", "an asset code, not empty (\"\" only before a LOOKUP)");
    });
    app.footer("Prints short code|text|asset code|text|flag of the record found.");
    return [args](CommandContext& c) {
        // The index files are named with upper-case codes (indGB.dat).
        const std::string country = UCase(args->country);
        // The library's "file not found" would leave the user to work out
        // that the country is the cause.
        const std::string index = c.root.QZAssetIndexFile(country);
        struct stat info {};
        if (index.empty() || (::stat(index.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR))) {
            c.console.Say("there is no index file for the country '" + args->country + "'" +
                          (index.empty() ? "" : " (no file " + index + ")"));
            return kFailed;
        }
        std::string record = c.root.GetQZAssetCode(country, args->asset, args->lookup);
        if (c.Failed()) return kFailed;
        // A miss still gives the five fields; an empty first one marks it.
        auto missed = [](const std::string& found) { return StartsWith(found, "|"); };
        if (missed(record) && !args->lookup.empty()) {
            c.console.Say("no short code \"" + args->lookup + "\" in the " + country + " index");
            return kFailed;
        }
        if (missed(record)) {
            // A short code given where the asset code goes is the likeliest slip.
            const bool shortCode = !missed(c.root.GetQZAssetCode(country, "", args->asset));
            if (c.Failed()) return kFailed;
            c.console.Say("no asset code \"" + args->asset + "\" in the " + country + " index" +
                          (shortCode ? "; it is a short code there, and a short code is looked up as the "
                                       "third argument: asset-code " +
                                           country + " \"\" " + args->asset
                                     : ""));
            return kFailed;
        }
        PrintText(c.console.Results(), record);
        return kDone;
    };
}

}  // namespace

CLI::Validator NotEmpty(const std::string& what) {
    // No description: the help shows the option's type name alone.
    return CLI::Validator(
        [what](std::string& value) { return value.empty() ? what + ", not empty" : std::string(); }, "");
}

CLI::Validator AssetType() {
    return CLI::IsMember(std::vector<std::string>(std::begin(kAssetTypes), std::end(kAssetTypes)),
                         [](std::string text) { return LCase(text); });
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"info", "version, folders, file names and data release", DeclareInfo, true, true},
        {"option", "the value of KEY in the database's Options table", DeclareOption},
        {"asset-code",
         "the asset-code index record of ASSET (or of the short code LOOKUP) in COUNTRY's index",
         DeclareAssetCode},
        {"lists", "every fill of the reference lists: its name, list member, control and arguments",
         DeclareLists},
        {"list", "runs the fill NAME of a reference list into an in-memory control and prints it",
         DeclareList},
        {"columns", "the chosen columns of GRID (or of every grid) in order, with unit and width",
         DeclareColumns},
        {"run", "executes the query file QUERY and prints its asset (or participant, annual) rows",
         DeclareRun},
        {"describe", "the description tree of the query file QUERY, indented", DeclareDescribe},
        {"new", "writes a query file of an asset type made from the default query file", DeclareNew, false},
        {"charts", "the charts of the chart manifest per asset type, with the definition NAME each draws",
         DeclareCharts},
        {"chart",
         "draws the chart NAME for the assets of the query file QUERY as an SVG picture (and CSV grid)",
         DeclareChart},
    };
    return commands;
}

}  // namespace host
