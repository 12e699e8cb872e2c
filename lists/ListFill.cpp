#include "lists/ListFill.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "core/RequiredOption.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IQuery.h"
#include "interfaces/IQueryManager.h"
#include "interfaces/_cvDataManager.h"
#include "lists/CLookupCache.h"
#include "lists/SearchTally.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/SqlValues.h"

namespace listfill {

std::string Template(const std::string& sKey) { return RequiredOption(sKey); }

std::string Fill(const std::string& sText, const std::string& sPlaceholder, const std::string& sValue) {
    return Replace(sText, sPlaceholder, sValue);
}

std::string SectorStatement(const std::string& sKey, const std::string& sSectorCodes) {
    const SqlFragment sectors = SqlCodeList(sSectorCodes);
    return ReplacePlaceholder(Template(sKey), "<SectorCodes>", sectors);
}

Ref<ADODB::Recordset> Open(const std::string& sSQL) {
    Ref<ADODB::Recordset> rs = gTools()->NewADODBRecordset();
    rs->Open(sSQL, gDataManagerObject()->Connection(), 3, 1);
    NoteSearch(rs->RecordCount());
    return rs;
}

std::string NameOf(const Ref<IHostControl>& ctl) noexcept {
    try {
        return ctl ? ctl->Name() : std::string();
    } catch (...) {
        return std::string();
    }
}

Ref<IQuery> ActiveQuery() {
    Ref<IQuery> query = gDataManager()->Queries()->Query("-1");
    if (!query) RaiseObjectNotSet();
    return query;
}

std::string Text(const ADODB::Field& f) { return std::string(f.AsText()); }

std::string Part(const ADODB::Field& f) { return f.IsNull() ? std::string() : std::string(f.AsText()); }

bool SkipNullName(const ADODB::Field&, const ADODB::Field& name) { return name.IsNull(); }

bool SkipNone(const ADODB::Field&, const ADODB::Field&) { return false; }

std::string LookupStatementOf(const std::string& sLookupTypes) {
    return Fill(Template("SQL_LOOKUP"), "<lookup_type>", sLookupTypes);
}

std::string LookupStatement(const std::string& sLookupCode) {
    return LookupStatementOf(gTools()->Str()->QuoteList(sLookupCode, "''", ","));
}

namespace {

// Adds one row to the control with its item value.
void AddRow(IListControl& ctl, const std::string& sText, int32_t lItemData) {
    ctl.AddItem(sText);
    ctl.SetItemData(ctl.NewIndex(), lItemData);
}

}  // namespace

void AppendValues(const std::string& sSQL, const char* sColumn, IListControl& ctl) {
    Ref<ADODB::Recordset> rs = Open(sSQL);
    const ADODB::Field value = rs->Fields(sColumn);
    for (; !rs->Eof(); rs->MoveNext())
        if (!value.IsNull()) ctl.AddItem(Text(value));
    rs->Close();
}

void FillAwardRoundLists(IListControl& ctlNumber, IListControl& ctlYear, IListControl& ctlDescriptor,
                         const std::string& sSelectedSectors, const std::string& sKeySuffix) {
    ctlNumber.Clear();
    ctlYear.Clear();
    ctlDescriptor.Clear();
    AppendValues(SectorStatement("SQL_AWARD_ROUND_NUMBER" + sKeySuffix, sSelectedSectors), "Licence_Round",
                 ctlNumber);
    AppendValues(SectorStatement("SQL_AWARD_ROUND_YEAR" + sKeySuffix, sSelectedSectors), "Licence_Round_Year",
                 ctlYear);
    AppendValues(SectorStatement("SQL_AWARD_ROUND_DESCRIPTOR" + sKeySuffix, sSelectedSectors),
                 "Licence_Award_Desc", ctlDescriptor);
}

void FillLookupList(CLookupCache& cache, const Ref<IListControl>& ctl, const LookupSource& source) {
    if (cache.Complete() && !source.everyFill) {
        // Positions and item numbers are one and the same.
        const int32_t count = cache.Items()->Count();
        for (int32_t n = 1; n <= count; ++n) AddRow(*ctl, cache.Description(n), n);
        return;
    }
    // A list that answers for its latest fill lets go of the earlier one
    // first: a fill that fails must not leave the look-ups answering for
    // rows the control no longer shows.  A list filled once keeps an
    // earlier cache until the statement opens, and is read again next time.
    if (source.everyFill) cache.Start();
    Ref<ADODB::Recordset> rs = source.open ? source.open() : Open(source.statement());
    if (!source.everyFill) cache.Start();
    const ADODB::Field code = rs->Fields(source.codeColumn);
    const ADODB::Field name = rs->Fields(source.nameColumn);
    int32_t n = 1;
    for (; !rs->Eof(); rs->MoveNext()) {
        if (source.skip(code, name)) continue;
        // Both read before the control sees the row: a Null fails here.
        const std::string sCode = Text(code);
        const std::string sName = Text(name);
        AddRow(*ctl, sName, n);
        cache.Add(n, sCode, sName);
        ++n;
    }
    rs->Close();
    cache.Finish();
}

}  // namespace listfill
