#include "QueryCommands.h"

#include <charconv>
#include <memory>
#include <optional>

#include "core/mTL5ErrorCodes.h"
#include "host/controls/MemoryTreeView.h"
#include "host/main/DataSet.h"
#include "host/main/GridLayout.h"
#include "host/main/Interrupt.h"
#include "host/main/ListCommands.h"
#include "host/main/OutputFiles.h"
#include "host/main/Session.h"
#include "host/main/ShownErrors.h"
#include "host/main/Table.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/units/Units.h"
#include "queries/CQuery.h"
#include "sql/CSQLRenderer.h"

namespace host {
namespace {

// ---- shared steps

const char* const kResultNames[] = {"asset", "participant", "annual"};

int32_t ResultType(const std::string& sName) {
    for (int32_t i = 0; i < 3; ++i)
        if (sName == kResultNames[i]) return i;
    return kAssetResults;
}

// A column `run` prints: its heading, where the record set holds it, and
// the unit its values are shown in.
struct PrintedColumn {
    std::string heading;
    std::string name;    // the record set's column
    int32_t index = -1;  // in the record set; -1 when it has none: printed empty
    Ref<Unit> unit;      // Nothing: printed as the record set holds it
};

// Every column of the record set under its name, as it holds them.
std::vector<PrintedColumn> RecordsetColumns(ADODB::Recordset& rs) {
    std::vector<PrintedColumn> columns;
    for (int32_t i = 0; i < rs.Fields().Count(); ++i) {
        const std::string name = rs.Fields(i).Name();
        columns.push_back({name, name, i, {}});
    }
    return columns;
}

// A value as printed: Null empty; in a column with a unit a number (or text
// that is one) converted from the database's unit and written in the
// locale-free form, other text as it is.
std::string Cell(const ADODB::Field& f, const PrintedColumn& column) {
    if (f.IsNull()) return "";
    if (!column.unit) return std::string(f.AsText());
    const Variant value = f.Value();
    double number = 0;
    if (value.IsNumber())
        number = CDbl(value);
    else if (!ParseNumber(CStr(value), number))
        return CStr(value);
    return CStr(Variant(column.unit->FromDatabase(number)));
}

// The rows of the record set (at most lLimit) in the columns given.
void PrintRecordset(std::ostream& out, ADODB::Recordset& rs, const std::vector<PrintedColumn>& columns,
                    size_t lLimit, bool bAligned) {
    TableRow heading;
    std::vector<std::optional<ADODB::Field>> fields;
    for (const PrintedColumn& column : columns) {
        heading.push_back(column.heading);
        fields.push_back(column.index < 0 ? std::nullopt : std::optional(rs.Fields(column.index)));
    }
    std::vector<TableRow> rows;
    // The participant rows are handed out after their last row.
    if (rs.RecordCount() > 0) {
        for (rs.MoveFirst(); !rs.Eof() && rows.size() < lLimit; rs.MoveNext()) {
            // The first record is also the first point after the annual
            // rows are opened, which the library does to its end.
            Interruptible::StopIfInterrupted();
            TableRow row;
            for (size_t i = 0; i < columns.size(); ++i)
                row.push_back(fields[i] ? Cell(*fields[i], columns[i]) : std::string());
            rows.push_back(std::move(row));
        }
    }
    PrintTable(out, heading, rows, bAligned);
}

// The record set a grid shows.
int32_t GridResults(const Grid& g) {
    const std::string type = g.gridType;
    return type == "Ownership" ? kParticipantResults : type == "Annual" ? kAnnualResults : kAssetResults;
}

// The grid's chosen columns in the chooser's order, headed by name and, for
// a column with a unit, the unit's label in brackets; each unit resolved once
// here, so a unit the settings lack fails before the query runs.
std::vector<PrintedColumn> ChosenGridColumns(cvDataManager& root, IFieldChooser& chooser, const Grid& g) {
    Ref<Units> units;
    std::vector<PrintedColumn> columns;
    for (const Ref<IDisplayField>& field : ChosenColumns(chooser, g)) {
        PrintedColumn column{field->DisplayName(), field->Key(), -1, {}};
        const std::string category = field->Category();
        if (!category.empty()) {
            if (!units) units = root.Units();
            column.unit = units->GetUnit(category, field->DefaultUnit());
            column.heading += " (" + column.unit->Label() + ")";
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

// Finds each chosen column in the record set by its identifier (without
// regard to case); a column it lacks stays empty and is named on standard
// error once.
void PlaceColumns(CommandContext& c, ADODB::Recordset& rs, std::vector<PrintedColumn>& columns,
                  const std::string& sRows) {
    std::vector<std::string> missing;
    for (PrintedColumn& column : columns) {
        for (int32_t f = 0; f < rs.Fields().Count() && column.index < 0; ++f)
            if (EqualsNoCase(rs.Fields(f).Name(), column.name)) column.index = f;
        if (column.index < 0) missing.push_back(column.name);
    }
    if (!missing.empty())
        c.console.Say("the " + sRows + " rows have no column " + Join(missing, ", ") + "; printed empty");
}

// What `run --sql` prints: the rendered statement made ready for each record
// set, in the order an execution opens them.
int PrintStatements(CommandContext& c, IQuery& query, const std::string& sFile) {
    const std::string sql = query.QuerySQL(kAssetResults);
    // A render cancelled half-way gives no statement, which is no fault of the file.
    Interruptible::StopIfInterrupted();
    if (sql.empty()) return NoStatement(c, query, sFile);
    if (IsNumericText(sql)) {
        // Another number than 0: the render failed and has said why.
        if (Val(sql) != 0) return kFailed;
        c.console.Say("nothing can match the query's criteria, so there is no statement to run");
        return kDone;
    }
    const std::string type = query.QueryType();
    std::ostream& out = c.console.Results();
    PrintText(out, "-- participant rows\n" + RecordsetStatement(sql, type, kParticipantResults) + ";");
    PrintText(out, "-- asset rows\n" + RecordsetStatement(sql, type, kAssetResults) + ";");
    if (type == "Field")
        PrintText(out, "-- annual rows, on request\n" + RecordsetStatement(sql, type, kAnnualResults) + ";");
    return kDone;
}

// The library's account of why it refused a file that the message already
// leads with, the file named nowhere in it again.
std::string WithoutTheFile(const Error& e, const std::string& sFile) {
    return Replace(PlainDescription(e, sFile), "'" + VisibleText(sFile) + "'", "the file");
}

// Does what the library does with the query file sFile (step); false after
// saying why it could not, leading with the file and ending with sAbout.  The
// file is looked at first: the library reports a file it could not read as
// one without the element it needs, which sends the user looking for the
// wrong thing.
template <class Step>
bool ReadQueryFile(CommandContext& c, const std::string& sFile, const std::string& sAbout, Step step) {
    if (const std::string problem = XmlFileProblem(sFile); !problem.empty()) {
        c.console.Say(sFile + ": " + problem + sAbout);
        return false;
    }
    try {
        step();
    } catch (const Error& e) {
        c.console.Say(sFile + ": not a query file: " + WithoutTheFile(e, sFile) + sAbout);
        return false;
    }
    return true;
}

}  // namespace

std::string NoStatementMessage(const std::string& sFile, const std::string& sType) {
    return sFile + ": the query's asset type \"" + sType +
           "\" is none of Field, Well, Block and Transport, so it gives no statement";
}

int NoStatement(CommandContext& c, IQuery& query, const std::string& sFile) {
    // A render that was cancelled gives no statement either.
    Interruptible::StopIfInterrupted();
    const std::string type = query.QueryType();
    const std::string key = StatementTemplateKey(type);
    if (key.empty())
        c.console.Say(NoStatementMessage(sFile, type));
    else if (!c.Failed())
        c.console.Say(sFile + ": the Options table's " + key + ", the statement every " + type +
                      " query starts from, is empty or missing, so the query gives no statement");
    return kFailed;
}

Ref<IQuery> NewQuery(CommandContext& c) {
    // Where the query manager's new query reads it from.
    const std::string file = DefaultQueryFile(c.root, *c.settings);
    if (file.empty()) {
        c.console.Say("the settings file " + c.settings->FileName() + " names no default query file (" +
                      kDefaultQueryElement + "), which every query is made from");
        return {};
    }
    if (!ReadQueryFile(c, file, " (the default query file, which every query is made from)",
                       [&] { c.root.Queries()->New(); }))
        return {};
    return c.root.Queries()->Query("-1");
}

Ref<IQuery> LoadQuery(CommandContext& c, const std::string& sFile) {
    Ref<IQuery> query = NewQuery(c);
    if (!query || !ReadQueryFile(c, sFile, "", [&] { query->Load(sFile); })) return {};
    return query;
}

int32_t ExecuteQuery(IQuery& query) {
    ShownErrors shown;
    const int32_t found = query.Execute();
    // A render that refused the query (its results too large to process)
    // has warned why, and Execute answers 0 as for nothing found.
    return found == 0 && shown.Warnings() > 0 ? ERR_USER_WARNING : found;
}

CommandRun DeclareRun(CLI::App& app) {
    struct Options {
        std::string file, results, format, grid, layout;
        int64_t limit = 0;  // 0: every row
        bool sql = false;
    };
    auto o = std::make_shared<Options>();
    app.add_option("QUERY", o->file, "the query file to run")
        ->required()
        ->type_name("FILE")
        ->check(NotEmpty("a file name"));
    app.add_option("--results", o->results, "the record set to print (default: asset, or the grid's)")
        ->check(CLI::IsMember({"asset", "participant", "annual"}));
    app.add_option("--format", o->format,
                   "table (aligned columns) or csv (RFC 4180); default: table on a terminal, else csv")
        ->check(CLI::IsMember({"table", "csv"}));
    app.add_option("--limit", o->limit, "print at most N rows (a whole number from 1 up)")
        ->type_name("N")
        ->check(CLI::Validator(
            [](std::string& text) -> std::string {
                // Checked as text: a number too large for its type must not
                // be taken for another one.
                int64_t n = 0;
                auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
                const bool whole = end == text.data() + text.size();
                if (ec == std::errc() && whole && n >= 1) return "";
                if (ec == std::errc::result_out_of_range && whole && text.front() != '-')
                    return "N '" + text + "' is too large; leave --limit out to print every row";
                return "N is a whole number from 1 up, not '" + text + "'";
            },
            ""));
    CLI::Option* sql =
        app.add_flag("--sql", o->sql,
                     "print the statements the query would open its record sets with, without opening them "
                     "(rendering still runs the searches that narrow the assets)");
    CLI::Option* grid =
        app.add_option("--grid", o->grid,
                       "print the columns the grid layout chooses for the grid ASSET/GRID (as `columns` "
                       "names it, e.g. Field/Assets), in their units")
            ->type_name("NAME")
            ->check(NotEmpty("NAME is a grid's name"))
            ->excludes(sql);
    app.add_option("--layout", o->layout,
                   "the grid layout file --grid reads (default: the settings' DefaultLayoutFile)")
        ->type_name("FILE")
        ->check(NotEmpty("FILE is a file name"))
        ->needs(grid);
    app.footer(
        "Executes the query on the database, with a progress bar on a terminal; Ctrl-C cancels it, a second "
        "Ctrl-C ends at once.  The annual rows of a field query are opened only once you agree (without a "
        "terminal the question takes its default, OK).\n\n"
        "With --grid the grid picks the rows (Assets the asset rows, Ownership the participant rows, Annual "
        "the annual rows) and the columns: the ones the layout file chooses, in its order, each headed by "
        "its name and, for a column with a unit, the unit's label in brackets, e.g. \"Recoverable Total "
        "(MMboe)\", its values converted from the database's unit to the chosen one (numbers with \".\" as "
        "decimal point; a Null stays empty).  A chosen column the rows lack is printed empty and named on "
        "standard error.\n\n"
        "Exit status 0 also when nothing matches (that is said on standard error); 1 when the query cannot "
        "be loaded or run, is refused (its results too large to process), the annual rows were not opened, "
        "or the layout file cannot be loaded; 2 for a grid of another asset type than the query's, or one "
        "whose rows are not the --results asked for.  Cancelled, it ends by SIGINT (130 in the shell).");
    return [o, grid](CommandContext& c) {
        std::optional<Grid> chosen;
        if (grid->count() > 0) {
            const std::vector<Grid> grids = GridsNamed(o->grid);
            if (grids.size() != 1) {
                c.console.Say(UnknownGridMessage(o->grid));
                return kUsage;
            }
            chosen = grids.front();
        }
        const int32_t type = chosen ? GridResults(*chosen) : ResultType(o->results);
        const std::string rows = kResultNames[type];
        if (chosen && !o->results.empty() && o->results != rows) {
            c.console.Say("the grid " + GridName(*chosen) + " shows the " + rows + " rows, not the " +
                          o->results + " rows");
            return kUsage;
        }

        Ref<IQuery> query = LoadQuery(c, o->file);
        if (!query) return kFailed;
        if (o->sql) return PrintStatements(c, *query, o->file);
        if (chosen && !EqualsNoCase(query->QueryType(), chosen->assetType)) {
            c.console.Say("the grid " + GridName(*chosen) + " shows " + chosen->assetType +
                          " assets; this is a " + query->QueryType() + " query");
            return kUsage;
        }
        if (type == kAnnualResults && query->QueryType() != "Field") {
            // A query file's type is matched as written: "FIELD" is no field
            // query, and "this is a FIELD query" would say it is one.
            const std::string written = query->QueryType();
            c.console.Say("only a field query has annual rows; " +
                          (EqualsNoCase(written, "Field")
                               ? "this query's asset type is \"" + written +
                                     "\", and a query file's type is matched as written (\"Field\")"
                               : "this is a " + written + " query"));
            return kUsage;
        }

        // The layout is loaded before the query runs, so that a file that
        // cannot be loaded costs no search.
        std::vector<PrintedColumn> columns;
        if (chosen) {
            ShownErrors errors;
            Ref<IFieldChooser> chooser = LoadGridLayout(c, o->layout);
            if (!chooser || errors.Failures() > 0) return kFailed;
            columns = ChosenGridColumns(c.root, *chooser, *chosen);
            if (errors.Failures() > 0) return kFailed;
            if (columns.empty()) {
                c.console.Say("the grid layout chooses no columns for " + GridName(*chosen));
                return kFailed;
            }
        }

        const int32_t found = ExecuteQuery(*query);
        Interruptible::StopIfInterrupted();
        if (found == ERR_NO_STATEMENT) return NoStatement(c, *query, o->file);
        // A failure was shown as it happened (a refused criterion, a query
        // refused for its size, a statement the engine could not run); only
        // then is 0 "nothing matches", which was said.
        if (found < 0 || c.Failed()) return kFailed;
        if (found == 0) return kDone;

        Ref<ADODB::Recordset> rs = query->Results(type);
        if (!rs) {
            // The question of the annual rows answered with Ctrl-C.
            Interruptible::StopIfInterrupted();
            if (query->ErrorNumber() == 0) c.console.Say("the " + rows + " rows were not opened");
            return kFailed;
        }
        if (chosen)
            PlaceColumns(c, *rs, columns, rows);
        else
            columns = RecordsetColumns(*rs);
        const size_t limit = o->limit > 0 ? static_cast<size_t>(o->limit) : static_cast<size_t>(-1);
        const bool aligned = o->format.empty() ? ResultsOnTerminal() : o->format == "table";
        PrintRecordset(c.console.Results(), *rs, columns, limit, aligned);
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
    app.add_option("QUERY", o->file, "the query file to describe")
        ->required()
        ->type_name("FILE")
        ->check(NotEmpty("a file name"));
    app.add_flag("--keys", o->keys, "each node's key after its text");
    app.footer(
        "Prints the description tree of the query's general criteria (companies with their search "
        "settings, locations), indented by level.  Exit status 1 when the file cannot be loaded or the "
        "description showed an error, and then nothing is printed.");
    return [o](CommandContext& c) {
        Ref<IQuery> query = LoadQuery(c, o->file);
        if (!query) return kFailed;
        // Given only now, so the tree shows this query alone and not what
        // the default query file described before it was loaded.
        auto tree = std::make_shared<MemoryTreeView>("QueryDescription");
        c.root.Queries()->SetDescriptionTree(tree);
        {
            ShownErrors errors;
            query->BuildDescriptionTree();
            // What the tree holds after an error is a part of the query, and
            // would pass for the whole of it.
            if (errors.Failures() > 0 || c.Failed()) return kFailed;
        }
        PrintTree(c.console.Results(), *tree, o->keys);
        return kDone;
    };
}

CommandRun DeclareNew(CLI::App& app) {
    struct Options {
        std::string type, file;
        bool force = false;
    };
    auto o = std::make_shared<Options>();
    app.add_option("--type", o->type, "the asset type of the query (any letter case)")
        ->required()
        ->transform(AssetType());
    app.add_option("OUT", o->file, "the query file to write")
        ->required()
        ->type_name("FILE")
        ->check(NotEmpty("a file name"));
    app.add_flag("--force", o->force, "replace OUT when it is there");
    app.footer(
        "Writes a query file made from the data set's default query file (the settings' "
        "QueryManager/Query/Options/DefaultQueryFile in the data folder's Default/), with the asset type "
        "set.  Exit status 1 when OUT is there (without --force), is not a regular file, is a file the "
        "command reads or a file of the data set (the settings, the default query file, any file of the "
        "core database's folder, a data file the core database links, a layout, chart or asset-code index "
        "file, also through a link), is a database file (or cannot be read to tell) while the core "
        "database is empty or cannot be read to tell what it links, or cannot be written; OUT is written "
        "whole or not at all.");
    return [o](CommandContext& c) {
        Ref<IQuery> query = NewQuery(c);
        if (!query) return kFailed;
        // Checked once the default query file is read: neither it nor the
        // settings may be written over.
        if (!OutputFilesWritable(c, {o->file}, o->force)) return kFailed;
        query->SetQueryType(o->type);
        // Written whole and flushed before the last point, without a name: a
        // Ctrl-C until the file takes its name drops it.  Without --force the
        // name is taken without replacing what another run may have written
        // there meanwhile: of two runs one succeeds.  A failure is the
        // query's, shown and logged as any failed save of a query is.
        bool named = false;
        Cast<CQuery>(query)->SaveFile(o->file, Existing(o->force), [&] {
            if (Interruptible::Interrupted()) return false;
            c.console.SayEverything();
            return named = true;
        });
        if (!named) Interruptible::StopIfInterrupted();
        return query->ErrorNumber() == 0 ? kDone : kFailed;
    };
}

}  // namespace host
