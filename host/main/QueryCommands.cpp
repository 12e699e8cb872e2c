#include "QueryCommands.h"

#include <filesystem>
#include <memory>

#include "core/mTL5ErrorCodes.h"
#include "host/controls/MemoryTreeView.h"
#include "host/main/Interrupt.h"
#include "host/main/ListCommands.h"
#include "host/main/ShownErrors.h"
#include "host/main/Table.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "queries/CQuery.h"

namespace host {
namespace {

// ---- shared steps

// The query file loaded into a new query, the active one; Nothing after
// saying why it could not be loaded.
Ref<IQuery> LoadQuery(CommandContext& c, const std::string& sFile) {
    try {
        c.root.Queries()->Load(sFile);
    } catch (const Error& e) {
        c.console.Say(PlainDescription(e.Description()));
        return {};
    }
    return c.root.Queries()->Query("-1");
}

constexpr const char* kNoStatement =
    "the query gives no statement: its asset type is none of Field, Well, Block "
    "and Transport";

const char* const kResultNames[] = {"asset", "participant", "annual"};

int32_t ResultType(const std::string& sName) {
    for (int32_t i = 0; i < 3; ++i)
        if (sName == kResultNames[i]) return i;
    return kAssetResults;
}

// The rows of the record set (at most lLimit) under its column names; Null
// is an empty cell.
void PrintRecordset(std::ostream& out, ADODB::Recordset& rs, size_t lLimit, bool bAligned) {
    TableRow heading;
    std::vector<ADODB::Field> fields;
    for (int32_t i = 0; i < rs.Fields().Count(); ++i) {
        fields.push_back(rs.Fields(i));
        heading.push_back(fields.back().Name());
    }
    std::vector<TableRow> rows;
    // The participant rows are handed out after their last row.
    if (rs.RecordCount() > 0) {
        for (rs.MoveFirst(); !rs.Eof() && rows.size() < lLimit; rs.MoveNext()) {
            TableRow row;
            for (const ADODB::Field& f : fields) row.push_back(f.IsNull() ? "" : std::string(f.AsText()));
            rows.push_back(std::move(row));
        }
    }
    PrintTable(out, heading, rows, bAligned);
}

// What `run --sql` prints: the rendered statement made ready for each record
// set, in the order an execution opens them.
int PrintStatements(CommandContext& c, IQuery& query) {
    const std::string sql = query.QuerySQL(kAssetResults);
    if (sql.empty()) {
        c.console.Say(kNoStatement);
        return kFailed;
    }
    if (IsNumericText(sql)) {
        // Another number than 0: the render failed and has said why.
        if (Val(sql) != 0) return kFailed;
        c.console.Say("nothing can match the query's criteria, so there is no statement to run");
        return kDone;
    }
    const std::string type = query.QueryType();
    std::ostream& out = c.console.Results();
    out << "-- participant rows\n" << RecordsetStatement(sql, type, kParticipantResults) << ";\n";
    out << "-- asset rows\n" << RecordsetStatement(sql, type, kAssetResults) << ";\n";
    if (type == "Field")
        out << "-- annual rows, on request\n" << RecordsetStatement(sql, type, kAnnualResults) << ";\n";
    return kDone;
}

}  // namespace

CommandRun DeclareRun(CLI::App& app) {
    struct Options {
        std::string file, results = "asset", format;
        size_t limit = 0;
        bool sql = false;
    };
    auto o = std::make_shared<Options>();
    app.add_option("QUERY", o->file, "the query file to run")->required()->type_name("FILE");
    app.add_option("--results", o->results, "the record set to print (default: asset)")
        ->check(CLI::IsMember({"asset", "participant", "annual"}));
    app.add_option("--format", o->format,
                   "table (aligned columns) or csv (RFC 4180); default: table on a terminal, else csv")
        ->check(CLI::IsMember({"table", "csv"}));
    app.add_option("--limit", o->limit, "print at most N rows")->type_name("N");
    app.add_flag("--sql", o->sql,
                 "print the statements the query would open its record sets with, without opening them "
                 "(rendering still runs the searches that narrow the assets)");
    app.footer(
        "Executes the query on the database, with a progress bar on a terminal; Ctrl-C cancels it, a second "
        "Ctrl-C ends at once.  The annual rows of a field query are opened only once you agree (without a "
        "terminal the question takes its default, OK).  Exit status 0 also when nothing matches (that is "
        "said on standard error); 1 when the query cannot be loaded or run, was cancelled, or the annual "
        "rows were not opened.");
    return [o](CommandContext& c) {
        Ref<IQuery> query = LoadQuery(c, o->file);
        if (!query) return kFailed;
        if (o->sql) return PrintStatements(c, *query);
        const int32_t type = ResultType(o->results);
        if (type == kAnnualResults && query->QueryType() != "Field") {
            c.console.Say("only a field query has annual rows; this is a " + query->QueryType() + " query");
            return kUsage;
        }

        int32_t found = 0;
        {
            Interruptible interruptible(c.root);
            found = query->Execute();
            if (Interruptible::Interrupted()) {
                c.console.Say("cancelled");
                return kFailed;
            }
        }
        if (found == ERR_NO_STATEMENT) {
            c.console.Say(kNoStatement);
            return kFailed;
        }
        // A failure was shown as it happened; "nothing matches" was said.
        if (found < 0) return kFailed;
        if (found == 0) return kDone;

        Ref<ADODB::Recordset> rs = query->Results(type);
        if (!rs) {
            if (query->ErrorNumber() == 0) c.console.Say("the " + o->results + " rows were not opened");
            return kFailed;
        }
        const size_t limit = o->limit > 0 ? o->limit : static_cast<size_t>(-1);
        const bool aligned = o->format.empty() ? ResultsOnTerminal() : o->format == "table";
        PrintRecordset(c.console.Results(), *rs, limit, aligned);
        const int32_t count = rs->RecordCount();
        if (static_cast<size_t>(count) > limit)
            c.console.Say("printed " + CStr(Variant(static_cast<int32_t>(limit))) + " of " +
                          CStr(Variant(count)) + " rows");
        return kDone;
    };
}

CommandRun DeclareDescribe(CLI::App& app) {
    struct Options {
        std::string file;
        bool keys = false;
    };
    auto o = std::make_shared<Options>();
    app.add_option("QUERY", o->file, "the query file to describe")->required()->type_name("FILE");
    app.add_flag("--keys", o->keys, "each node's key after its text");
    app.footer(
        "Prints the description tree of the query's general criteria (companies with their search "
        "settings, locations), indented by level.  Exit status 1 when the file cannot be loaded or the "
        "description showed an error; what the tree holds is printed all the same.");
    return [o](CommandContext& c) {
        Ref<IQuery> query = LoadQuery(c, o->file);
        if (!query) return kFailed;
        // Given only now, so the tree shows this query alone and not what
        // the default query file described before it was loaded.
        auto tree = std::make_shared<MemoryTreeView>("QueryDescription");
        c.root.Queries()->SetDescriptionTree(tree);
        int shown = 0;
        {
            ShownErrors errors;
            query->BuildDescriptionTree();
            shown = errors.Count();
        }
        PrintTree(c.console.Results(), *tree, o->keys);
        return shown > 0 ? kFailed : kDone;
    };
}

CommandRun DeclareNew(CLI::App& app) {
    struct Options {
        std::string type, file;
        bool force = false;
    };
    auto o = std::make_shared<Options>();
    app.add_option("--type", o->type, "the asset type of the query")
        ->required()
        ->check(CLI::IsMember({"Field", "Well", "Block", "Transport"}));
    app.add_option("OUT", o->file, "the query file to write")->required()->type_name("FILE");
    app.add_flag("--force", o->force, "replace OUT when it is there");
    app.footer(
        "Writes a query file made from the data set's default query file (the settings' "
        "QueryManager/Query/Options/DefaultQueryFile in the data folder's Default/), with the asset type "
        "set.  Exit status 1 when OUT is there (without --force) or cannot be written.");
    return [o](CommandContext& c) {
        std::error_code ignored;
        if (!o->force && std::filesystem::symlink_status(o->file, ignored).type() !=
                             std::filesystem::file_type::not_found) {
            c.console.Say(o->file + " is there already; give --force to replace it");
            return kFailed;
        }
        Ref<IQuery> query = c.root.Queries()->Query("-1");
        if (!query) return kFailed;
        query->SetQueryType(o->type);
        query->Save(o->file);
        return query->ErrorNumber() == 0 ? kDone : kFailed;
    };
}

}  // namespace host
