#include "lists/CListWell.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "interfaces/IWell.h"
#include "lists/CodeListValue.h"
#include "lists/GeologicalFill.h"
#include "lists/ListFill.h"
#include "lists/TreeFill.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/ui/MsgBox.h"

using namespace listfill;

// ---------------------------------------------------------------- look-ups

std::string CListWell::WellTypeCode(int32_t lID) {
    return wellTypes_.CodeFor("CListWell.IListWell_WellTypeCode(lID)", lID);
}

std::string CListWell::WellTypeDescription(int32_t lID) {
    return wellTypes_.DescriptionFor("CListWell.IListWell_WellTypeDescription(lID)", lID);
}

std::string CListWell::WellStatusCode(int32_t lID) {
    return wellStatuses_.CodeFor("CListWell.IListWell_WellStatusCode(lID)", lID);
}

std::string CListWell::WellStatusDescription(int32_t lID) {
    return wellStatuses_.DescriptionFor("CListWell.IListWell_WellStatusDescription(lID)", lID);
}

std::string CListWell::WellResultCode(int32_t lID) {
    return wellResults_.CodeFor("CListWell.IListWell_WellResultCode(lID)", lID);
}

std::string CListWell::WellResultDescription(int32_t lID) {
    return wellResults_.DescriptionFor("CListWell.IListWell_WellResultDescription(lID)", lID);
}

std::string CListWell::RigNameCode(int32_t lID) {
    return rigNames_.CodeFor("CListWell.IListWell_RigNameCode(lID)", lID);
}

std::string CListWell::RigNameDescription(int32_t lID) {
    return rigNames_.DescriptionFor("CListWell.IListWell_RigNameDescription(lID)", lID);
}

std::string CListWell::WellLocationCode(int32_t lID) {
    return wellLocations_.CodeFor("CListWell.IListWell_WellLocationCode(lID)", lID);
}

std::string CListWell::WellLocationDescription(int32_t lID) {
    return wellLocations_.DescriptionFor("CListWell.IListWell_WellLocationDescription(lID)", lID);
}

// ---------------------------------------------------------------- coded look-up lists

void CListWell::PopulateWellTypes(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListWell.IListWell_PopulateWellTypes(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        FillLookupList(wellTypes_, ctl, {.statement = [] { return LookupStatement("WELLTYP"); }});
    });
}

void CListWell::PopulateWellStatuses(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListWell.IListWell_PopulateWellStatuses(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        FillLookupList(wellStatuses_, ctl, {.statement = [] { return LookupStatement("WELLSTAT"); }});
    });
}

void CListWell::PopulateWellResults(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListWell.IListWell_PopulateWellResults(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        FillLookupList(wellResults_, ctl, {.statement = [] { return LookupStatement("WELLRES"); }});
    });
}

// ---------------------------------------------------------------- wells and rigs

Ref<ADODB::Recordset> CListWell::GetWellsInSectors(const std::string& sSectorCodes) {
    return PassOn("CListWell.GetWellsInSectors(sSectorCodes)", ERR_ARGS(sSectorCodes),
                  [&] { return Open(SectorStatement("SQL_WELLS_IN_SECTORS", sSectorCodes)); });
}

void CListWell::PopulateWellLocations(const Ref<IListControl>& ctl, const std::string& sSelectedSectors) {
    EndHere(*this, "CListWell.IListWell_PopulateWellLocations(ctl.Name, sSelectedSectors)",
            ERR_ARGS(NameOf(ctl), sSelectedSectors), [&] {
                // The earlier wells are gone even when these cannot be read
                // (everyFill): the numbers in the host's list no longer
                // stand for them.
                FillLookupList(wellLocations_, ctl,
                               {.codeColumn = "Well_Code",
                                .nameColumn = "Well_Reference",
                                .everyFill = true,
                                .open = [&] { return GetWellsInSectors(sSelectedSectors); }});
            });
}

void CListWell::PopulateRigNames(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListWell.IListWell_PopulateRigNames(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        rigNames_.Start();
        ctl->Clear();
        Ref<IWell> well = ActiveQuery()->Parameters()->Well();
        if (well->RigTypeCount() < 1) return;
        const SqlFragment rigTypes = CodeListValue(well->RigTypeList());
        auto statement = [&] {
            return Fill(Template("SQL_RIG_NAMES"), "<where>", " WHERE RIG_TYPE IN (" + rigTypes.Text() + ")");
        };
        FillLookupList(
            rigNames_, ctl,
            {.statement = statement, .codeColumn = "Rig_Code", .nameColumn = "Rig_Name", .everyFill = true});
    });
}

void CListWell::PopulateRigTypes(const Ref<ITreeView>& ctl) {
    EndHere(*this, "CListWell.IListWell_PopulateRigTypes(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        const std::string types = gTools()->Str()->QuoteList("RIG_TYPE", "''", ",");
        Ref<ADODB::Recordset> rs = Open(Fill(Template("SQL_LOOKUP_BY_NAME"), "<lookup_type>", types));
        // Emptied only once the statement opened: a tree whose rig types
        // cannot be read keeps the ones it shows.
        TreeFill tree(ctl);
        tree.Nodes().Clear();
        Ref<ITreeNode> all = tree.AddRoot("ALL", "All");
        const ADODB::Field code = rs->Fields("LOOKUP_CODE");
        const ADODB::Field name = rs->Fields("LOOKUP_NAME");
        for (; !rs->Eof(); rs->MoveNext()) tree.AddChild(all, Text(code), Part(name));
        rs->Close();
    });
}

// ---------------------------------------------------------------- award rounds, ages, dates

void CListWell::PopulateAwardRoundLists(const Ref<IListControl>& ctlNumber, const Ref<IListControl>& ctlYear,
                                        const Ref<IListControl>& ctlDescriptor,
                                        const std::string& sSelectedSectors) {
    EndHere(
        *this,
        "CListWell.IListWell_PopulateAwardRoundLists(ctlNumber.Name , ctlYear.Name , ctlDescriptor.Name , "
        "sSelectedSectors)",
        ERR_ARGS(NameOf(ctlNumber), NameOf(ctlYear), NameOf(ctlDescriptor), sSelectedSectors),
        [&] { FillAwardRoundLists(*ctlNumber, *ctlYear, *ctlDescriptor, sSelectedSectors, "_WELL"); });
}

void CListWell::PopulateGeologicalDetails(const Ref<IGeologicalAgeControl>& ctl) {
    // The well screens tell the user only where the fill stopped: no report,
    // nothing recorded, nothing raised to the host.
    GeologicalProgress progress;
    try {
        FillGeologicalAges(ctl, progress);
    } catch (...) {
        ui::MsgBox("Failed to add: " + VisibleText(progress.era) + ", " + VisibleText(progress.period),
                   ui::vbOKOnly);
    }
}

void CListWell::PopulateWellDates(const Ref<IDataTypeChooser>& ctl) {
    PassOn("CListWell.IListWell_PopulateWellDates(ctl)", ERR_ARGS(NameOf(ctl)), [&] {
        ctl->AddDataType("Spud Date", "SPUD_DATE");
        ctl->AddDataType("Completion Date", "COMPLETED_DATE");
    });
}
