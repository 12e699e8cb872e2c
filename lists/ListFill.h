#pragma once
// What the reference lists' fills share: reading a statement template and
// opening it, reading a row's columns as the fills need them, and filling a
// coded look-up list into a host list or combo box together with its cache.
//
// A coded look-up list puts each row's name into the control with the row's
// item number (1, 2, ... over the rows added) as item value, and keeps
// "code|name" under that number in its cache.  Once a fill has read every
// row, later fills replay the cache without going to the database; a list
// that answers for its latest fill reads its statement every time.
#include <cstdint>
#include <functional>
#include <string>

#include "interfaces/HostControls.h"
#include "platform/ado/Field.h"
#include "platform/runtime/Object.h"

namespace ADODB {
class Recordset;
}
class IQuery;
class CLookupCache;

namespace listfill {

// The data set's statement template under sKey; raises as RequiredOption
// does when the table has none or could not be read.
std::string Template(const std::string& sKey);
// sText with every occurrence of sPlaceholder (matched with regard to case)
// replaced by sValue.
std::string Fill(const std::string& sText, const std::string& sPlaceholder, const std::string& sValue);
// The template under sKey with every "<SectorCodes>" replaced by the sector
// list, which must be a comma list of numbers: anything else raises
// &H80041066 naming the first item that is none.
std::string SectorStatement(const std::string& sKey, const std::string& sSectorCodes);
// The statement opened static and read-only on the root's connection, counted
// as a search with its rows (SearchTally); raises what the record set raises
// (an empty statement, no open connection, ...).
Ref<ADODB::Recordset> Open(const std::string& sSQL);
// The control's name as an error report records it; "" for Nothing or a
// control that cannot say.  Never fails, so a report is never lost to it.
std::string NameOf(const Ref<IHostControl>& ctl) noexcept;
// The active query (the query manager's "-1"); raises 91 when the manager
// gives none (it has already shown why).
Ref<IQuery> ActiveQuery();

// A column of the current row turned into text; raises 94 for Null.
std::string Text(const ADODB::Field& f);
// A column of the current row as a part of a joined text: Null gives "".
std::string Part(const ADODB::Field& f);

// Which rows of a look-up statement a list leaves out (they take no number).
using LookupSkip = bool (*)(const ADODB::Field& code, const ADODB::Field& name);
// Rows whose name is Null.
bool SkipNullName(const ADODB::Field& code, const ADODB::Field& name);
// No row.
bool SkipNone(const ADODB::Field& code, const ADODB::Field& name);

// The "SQL_LOOKUP" statement of one look-up code, quoted for the statement.
std::string LookupStatement(const std::string& sLookupCode);
// The "SQL_LOOKUP" statement with "<lookup_type>" replaced by sLookupTypes as given.
std::string LookupStatementOf(const std::string& sLookupTypes);

struct LookupSource {
    // Builds the statement; called only when the statement is to run.
    std::function<std::string()> statement = {};
    LookupSkip skip = SkipNullName;
    const char* codeColumn = "LOOKUP_CODE";
    const char* nameColumn = "LOOKUP_NAME";
    // True: read the statement on every fill (the cache answers for the latest
    // one); false: replay the cache once a fill completed.
    bool everyFill = false;
    // When set, opens the rows in place of `statement` (for a list whose rows
    // come from an operation of its own, which records its own failures).
    std::function<Ref<ADODB::Recordset>()> open = {};
};

// Appends the text of the column's every non-Null value to ctl, in the
// statement's order, with no item value and no cache; raises what the
// statement or the control raises, the rows added until then staying.
void AppendValues(const std::string& sSQL, const char* sColumn, IListControl& ctl);

// The award-round lists of the sectors: clears the three lists, in this
// order, then appends the rounds ("SQL_AWARD_ROUND_NUMBER" & sKeySuffix,
// "Licence_Round"), their years ("..._YEAR" & sKeySuffix,
// "Licence_Round_Year") and their descriptors ("..._DESCRIPTOR" &
// sKeySuffix, "Licence_Award_Desc"), each from its own statement.  Raises
// what fails: the lists before it are full, the failing one partly filled,
// the later ones empty.
void FillAwardRoundLists(IListControl& ctlNumber, IListControl& ctlYear, IListControl& ctlDescriptor,
                         const std::string& sSelectedSectors, const std::string& sKeySuffix);

// Fills ctl from the cache or the statement, without clearing it.  A list
// that answers for its latest fill (everyFill) drops its earlier cache before
// the statement runs; any other list replaces its cache only once the
// statement has opened, so a fill that cannot run its statement leaves the
// earlier cache as it was (and the next fill reads again).  Each row's code
// and name are read before its item is added: a row the cache could not keep
// never reaches the control.  Raises what the statement or the control raises; the
// rows added until then stay in both, and the cache is not complete.
void FillLookupList(CLookupCache& cache, const Ref<IListControl>& ctl, const LookupSource& source);

}  // namespace listfill
