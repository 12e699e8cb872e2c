#pragma once
// The console host's query commands:
//   run QUERY.xml      executes a query file and prints one of its record
//                      sets (asset rows by default); --grid prints the
//                      columns the grid layout chooses for a grid, in their
//                      units; --sql prints the statements instead of
//                      running them;
//   describe QUERY.xml prints the query's description tree;
//   new --type TYPE OUT.xml writes a query file of that asset type made from
//                      the default query file.
// While a query runs, Ctrl-C asks the library to stop at its next look at
// the cancel request; a second Ctrl-C ends the program at once.
#include <string>

#include "host/main/Commands.h"
#include "interfaces/IQuery.h"

namespace host {

// A new query made from the data set's default query file, the active one;
// Nothing after saying why it could not be, leading with that file as
// LoadQuery does, or naming the setting when the settings name no such file.
Ref<IQuery> NewQuery(CommandContext& c);

// The query file loaded into a new query, the active one; Nothing after
// saying why it could not be, leading with the file: why it cannot be read,
// where it is not well-formed XML, or that it is no query file and the
// library's reason (the default query file's when that is what failed).
Ref<IQuery> LoadQuery(CommandContext& c, const std::string& sFile);

// Executes the query, handing back what Execute does, but a query the
// library refused with a warning (its results too large to process) as
// ERR_USER_WARNING, a failure already said, where Execute answers 0 as for
// one nothing matches.
int32_t ExecuteQuery(IQuery& query);

// What to say of the query of sFile whose asset type sType gives no
// statement, being none of the four; never fails.
std::string NoStatementMessage(const std::string& sFile, const std::string& sType);

// Says why the query of sFile gave no statement: its asset type is none of
// the four, or the data set holds no template for it (nothing more when a
// failure shown while it rendered has said why, as for a Null template);
// raises Cancelled after a Ctrl-C.  Returns kFailed.
int NoStatement(CommandContext& c, IQuery& query, const std::string& sFile);

CommandRun DeclareRun(CLI::App& app);
CommandRun DeclareDescribe(CLI::App& app);
CommandRun DeclareNew(CLI::App& app);

}  // namespace host
