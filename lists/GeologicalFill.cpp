#include "lists/GeologicalFill.h"

#include "core/CTools.h"
#include "core/Globals.h"
#include "lists/ListFill.h"
#include "lists/TreeFill.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/cvCollection.h"

namespace listfill {

namespace {

// One level's code list: "code|name" under the code, in statement order.
Ref<cvCollection> CodeList(const char* sKey, const char* sCodeColumn, const char* sNameColumn) {
    Ref<cvCollection> codes = gTools()->NewCollection();
    Ref<ADODB::Recordset> rs = Open(Template(sKey));
    const ADODB::Field code = rs->Fields(sCodeColumn);
    const ADODB::Field name = rs->Fields(sNameColumn);
    for (; !rs->Eof(); rs->MoveNext()) {
        if (name.IsNull()) continue;
        const std::string sCode = Text(code);
        codes->Add(Variant(sCode + "|" + Text(name)), sCode);
    }
    rs->Close();
    return codes;
}

}  // namespace

void FillGeologicalAges(const Ref<IGeologicalAgeControl>& ctl, GeologicalProgress& progress) {
    progress = {};
    ctl->SetEras(CodeList("SQL_GEOLOGICAL_ERA", "ERA_CODE", "ERA_NAME"));
    ctl->SetPeriods(CodeList("SQL_GEOLOGICAL_PERIOD", "PERIOD_CODE", "PERIOD_NAME"));
    ctl->SetFormations(CodeList("SQL_GEOLOGICAL_FORMATION", "FORMATION_CODE", "FORMATION_NAME"));

    Ref<ADODB::Recordset> rs = Open(Template("SQL_GEOLOGICAL_ALL"));
    TreeFill tree(ctl->Nodes());
    tree.Nodes().Clear();
    const ADODB::Field eraCode = rs->Fields("ERA_CODE");
    const ADODB::Field eraName = rs->Fields("ERA_NAME");
    const ADODB::Field periodCode = rs->Fields("PERIOD_CODE");
    const ADODB::Field periodName = rs->Fields("PERIOD_NAME");
    const ADODB::Field ageCode = rs->Fields("AGE_CODE");
    const ADODB::Field formationName = rs->Fields("FORMATION_NAME");
    Ref<ITreeNode> era, period;
    for (; !rs->Eof(); rs->MoveNext()) {
        const std::string sEra = Text(eraName);
        if (sEra != progress.era) {
            progress.era = sEra;
            progress.period.clear();
            era = tree.AddTop(Text(eraCode) + "_PARENT", sEra);
        }
        const std::string sPeriod = Text(periodName);
        if (sPeriod != progress.period) {
            progress.period = sPeriod;
            period = tree.AddChild(era, progress.era + Text(periodCode) + "_PARENT", sPeriod);
        }
        tree.AddChild(period, progress.era + progress.period + "_" + Text(ageCode), Text(formationName));
    }
    rs->Close();
}

}  // namespace listfill
