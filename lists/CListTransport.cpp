#include "lists/CListTransport.h"

#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IGeneral.h"
#include "interfaces/IParameters.h"
#include "interfaces/IQuery.h"
#include "lists/CodeListValue.h"
#include "lists/ListFill.h"
#include "lists/TreeFill.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/toolslib/cvStrings.h"
#include "platform/units/Units.h"

using namespace listfill;

namespace {

// A pipeline specification the chooser offers: what the user reads, the
// column, and the quantity its unit belongs to.  LPG and condensate are
// measured as oil, a tanker's storage as tanker capacity.
struct Specification {
    const char* display;
    const char* column;
    const char* quantity;
};

const Specification kSpecifications[] = {
    {"Length", "Pipe_Length", "Pipeline Length"},
    {"Diameter", "Pipeline_Diameter", "Pipeline Diameter"},
    {"Oil Pipeline Capacity (Nominal)", "Oil_Nominal_Capacity", "Oil Pipeline Capacity"},
    {"LPG Pipeline Capacity (Nominal)", "LPG_Nominal_Capacity", "Oil Pipeline Capacity"},
    {"Condensate Pipeline Capacity (Nominal)", "Cond_Nominal_Capacity", "Oil Pipeline Capacity"},
    {"Gas Pipeline Capacity (Nominal)", "Gas_Nominal_Capacity", "Gas Pipeline Capacity"},
    {"Sea Tanker Capacity (Storage)", "Storage_Capacity", "Oil Tanker Capacity"},
};

// A development status below its group; the groups are keyed by their own
// text, the statuses by their code.
struct Status {
    const char* code;
    const char* text;
};

struct StatusGroup {
    const char* key;
    std::initializer_list<Status> statuses;
};

const StatusGroup kStatusGroups[] = {
    {"Current",
     {{"ONSTREAM", "Onstream"},
      {"UNDERDEV", "Under Development"},
      {"CEASED", "Ceased Production"},
      {"ABANDON", "Abandoned"}}},
    {"Probable", {{"PROBABLE", "Probable Development"}}},
    {"Possible", {{"TECHRES", "Technical Reserves"}}},
};

const GroupingColumns kFieldColumns = {"FIELD_GROUPING", "FIELD_CODE", "FIELD_NAME", "FIELD_GROUPING_CODE",
                                       "FIELD_GROUPING_NAME"};
const GroupingColumns kTerminalColumns = {"TERMINAL_GROUPING", "TERMINAL_CODE", "TERMINAL_NAME",
                                          "TERMINAL_GROUPING_CODE", "TERMINAL_GROUPING_NAME"};
const GroupingColumns kSystemColumns = {"TRANSPORT_GROUPING", "TRANSPORT_CODE", "TRANSPORT_SYSTEM",
                                        "TRANSPORT_GROUPING_CODE", "TRANSPORT_GROUPING_SYSTEM_NAME"};
const GroupingColumns kUserFieldColumns = {"Field_Grouping", "Field_Code", "Field_Name",
                                           "Field_Grouping_Code", "Field_Grouping_Name"};

// The rows from the current one on under a new root "ROOT"/"All"; the asset
// nodes added are handed to `added`.
template <class Added>
void AddGroupedRows(TreeFill& tree, ADODB::Recordset& rs, const GroupingColumns& columns,
                    const char* sLeafPrefix, Added&& added) {
    tree.AddRoot();
    GroupedRows rows(rs, columns, sLeafPrefix);
    for (; !rs.Eof(); rs.MoveNext())
        if (Ref<ITreeNode> leaf = rows.Place(tree)) added(leaf);
}

void AddGroupedRows(TreeFill& tree, ADODB::Recordset& rs, const GroupingColumns& columns,
                    const char* sLeafPrefix) {
    AddGroupedRows(tree, rs, columns, sLeafPrefix, [](const Ref<ITreeNode>&) {});
}

}  // namespace

// ---------------------------------------------------------------- look-ups

std::string CListTransport::TransportMethodCode(int32_t lID) {
    return transportMethods_.CodeFor("CListTransport.IListTransport_TransportMethodCode(lID)", lID);
}

std::string CListTransport::TransportMethodDescription(int32_t lID) {
    return transportMethods_.DescriptionFor("CListTransport.IListTransport_TransportMethodDescription(lID)",
                                            lID);
}

std::string CListTransport::TransportStatusCode(int32_t lID) {
    return transportStatuses_.CodeFor("CListTransport.IListTransport_TransportStatusCode(lID)", lID);
}

std::string CListTransport::TransportStatusDescription(int32_t lID) {
    return transportStatuses_.DescriptionFor("CListTransport.IListTransport_TransportStatusDescription(lID)",
                                             lID);
}

// ---------------------------------------------------------------- coded look-up lists

void CListTransport::PopulateTransportMethods(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListTransport.IListTransport_PopulateTransportMethods(ctl.Name)", ERR_ARGS(NameOf(ctl)),
            [&] {
                FillLookupList(transportMethods_, ctl,
                               {.statement = [] { return LookupStatement("TRANMETH"); }});
            });
}

void CListTransport::PopulateTransportStatuses(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListTransport.IListTransport_PopulateTransportStatuses(ctl.Name)", ERR_ARGS(NameOf(ctl)),
            [&] {
                FillLookupList(transportStatuses_, ctl,
                               {.statement = [] { return LookupStatement("TRANSTAT"); }});
            });
}

// ---------------------------------------------------------------- sources and destinations

void CListTransport::PopulateTransportSources(const Ref<ITreeView>& tvTree, const std::string& sSourceType) {
    EndHere(*this, "CListTransport.IListTransport_PopulateTransportSources(tvTree.Name, sSourceType)",
            ERR_ARGS(NameOf(tvTree), sSourceType), [&] { FillLocations(tvTree, sSourceType); });
}

void CListTransport::PopulateTransportDestinations(const Ref<ITreeView>& tvTree,
                                                   const std::string& sDestinationType) {
    EndHere(*this,
            "CListTransport.IListTransport_PopulateTransportDestinations(tvTree.Name, sDestinationType)",
            ERR_ARGS(NameOf(tvTree), sDestinationType), [&] { FillLocations(tvTree, sDestinationType); });
}

void CListTransport::FillLocations(const Ref<ITreeView>& tvTree, const std::string& sType) {
    WindowFreeze freeze(tvTree);
    // The type is matched exactly: "field" is no type, and adds nothing.
    if (sType == "Field") {
        Ref<ADODB::Recordset> rs = GetTransports(Template("SQL_FIELDS_IN_COUNTRY"), sType);
        ParseFieldLocations(tvTree, *rs);
        rs->Close();
    } else if (sType == "Terminal") {
        Ref<ADODB::Recordset> rs = GetTransports(Template("SQL_TERMINALS_IN_COUNTRY"), sType);
        ParseTerminalLocations(tvTree, *rs);
        rs->Close();
    }
}

Ref<ADODB::Recordset> CListTransport::GetTransports(const std::string& sSQL, const std::string& sSourceType) {
    return PassOn("CListTransport.GetTransports(sSQL, sSourceType)", ERR_ARGS(sSQL, sSourceType), [&] {
        const std::string countries = ActiveQuery()->Parameters()->General()->LocationCountryCodeList();
        // The type is one of the two the callers match, so it may stand
        // inside the template's quotes as it is.
        const std::string sql = Fill(sSQL, "<FILTER>", sSourceType);
        return Open(ReplacePlaceholder(sql, "<CountryCodes>", CodeListValue(countries)));
    });
}

void CListTransport::ParseFieldLocations(const Ref<ITreeView>& tvTree, ADODB::Recordset& rs) {
    EndHere(*this, "CListTransport.ParseFieldLocations", ERR_ARGS(), [&] {
        tvTree->SetCheckboxes(true);
        TreeFill tree(tvTree);
        AddGroupedRows(tree, rs, kFieldColumns, "F_");
    });
}

void CListTransport::ParseTerminalLocations(const Ref<ITreeView>& tvTree, ADODB::Recordset& rs) {
    EndHere(*this, "CListTransport.ParseTerminalLocations", ERR_ARGS(), [&] {
        tvTree->SetCheckboxes(true);
        TreeFill tree(tvTree);
        AddGroupedRows(tree, rs, kTerminalColumns, "T_");
    });
}

// ---------------------------------------------------------------- transport systems and user fields

Ref<ADODB::Recordset> CListTransport::GetTransportSystemsInCountry(const std::string& sSelectedCountries) {
    return PassOn("CListTransport.GetTransportSystemsInCountry(sSelectedCountries)",
                  ERR_ARGS(sSelectedCountries), [&] {
                      return Open(ReplacePlaceholder(Template("SQL_TRANSPORT_SYSTEMS"), "<CountryCodes>",
                                                     CodeListValue(sSelectedCountries)));
                  });
}

void CListTransport::PopulateTransportSystems(const Ref<ITreeView>& tvTree,
                                              const std::string& sSelectedCountries) {
    EndHere(*this, "CListTransport.IListTransport_PopulateTransportSystems(tvTree.Name, sSelectedCountries)",
            ERR_ARGS(NameOf(tvTree), sSelectedCountries), [&] {
                WindowFreeze freeze(tvTree);
                Ref<ADODB::Recordset> rs = GetTransportSystemsInCountry(sSelectedCountries);
                // The host decides whether this tree shows check boxes.
                TreeFill tree(tvTree);
                AddGroupedRows(tree, *rs, kSystemColumns, "T_");
                rs->Close();
            });
}

Ref<ADODB::Recordset> CListTransport::GetFieldsInCountryByDevelopmentStatus(
    const std::string& sSelectedCountries, const std::string& sDevelopmentStatus) {
    return PassOn(
        "CListTransport.GetFieldsInCountryByDevelopmentStatus(sSelectedCountries, sDevelopmentStatus)",
        ERR_ARGS(sSelectedCountries, sDevelopmentStatus), [&] {
            std::string sql = ReplacePlaceholder(Template("SQL_TRANSPORT_USER_FIELDS"), "<CountryCodes>",
                                                 CodeListValue(sSelectedCountries));
            sql = ReplacePlaceholder(sql, "<DevStatuses>", CodeListValue(sDevelopmentStatus));
            return Open(sql);
        });
}

void CListTransport::PopulateUserFields(const Ref<ITreeView>& tvTree, const std::string& sSelectedCountries,
                                        const std::string& sDevelopmentStatus) {
    EndHere(*this,
            "CListTransport.IListTransport_PopulateUserFields(tvTree.Name, sSelectedCountries, "
            "sDevelopmentStatus)",
            ERR_ARGS(NameOf(tvTree), sSelectedCountries, sDevelopmentStatus), [&] {
                WindowFreeze freeze(tvTree);
                Ref<ADODB::Recordset> rs =
                    GetFieldsInCountryByDevelopmentStatus(sSelectedCountries, sDevelopmentStatus);
                TreeFill tree(tvTree);
                if (rs->RecordCount() > 0) {
                    tvTree->SetCheckboxes(true);
                    const ADODB::Field status = rs->Fields("Dev_Status_Code");
                    // Only a field the tree took is tagged: a field listed
                    // again keeps the status of its first row.
                    AddGroupedRows(tree, *rs, kUserFieldColumns, "F_", [&](const Ref<ITreeNode>& field) {
                        field->SetTag(Variant(Text(status)));
                    });
                } else {
                    tvTree->SetCheckboxes(false);
                    tree.AddTop("ROOT", "No Data");
                }
                rs->Close();
            });
}

// ---------------------------------------------------------------- fixed choices

void CListTransport::PopulateTransportDates(const Ref<IDataTypeChooser>& ctl) {
    PassOn("CListTransport.IListTransport_PopulateTransportDates(ctl)", ERR_ARGS(NameOf(ctl)),
           [&] { ctl->AddDataType("Production Start", "PRODUCTION_STARTED"); });
}

void CListTransport::PopulateTransportSpecifications(const Ref<IDataTypeChooser>& ctl) {
    EndHere(*this, "CListTransport.IListTransport_PopulateTransportSpecifications(ctl.Name)",
            ERR_ARGS(NameOf(ctl)), [&] {
                ctl->Clear(true);
                Ref<::Units> units = gDataManager()->Units();
                for (const Specification& row : kSpecifications) {
                    // Asked afresh for every row: the user may change a default unit at any time.
                    const std::string unit = units->DefaultUnit(row.quantity);
                    const std::string label = units->GetUnit(row.quantity, unit)->Label();
                    ctl->AddDataType(row.display, row.column, row.quantity, label);
                }
            });
}

void CListTransport::PopulateTransportDevelopmentStatuses(const Ref<ITreeView>& ctl) {
    EndHere(*this, "CListTransport.IListTransport_PopulateTransportDevelopmentStatuses(ctl.Name)",
            ERR_ARGS(NameOf(ctl)), [&] {
                TreeFill tree(ctl);
                Ref<ITreeNode> all = tree.AddRoot("All", "All");
                for (const StatusGroup& group : kStatusGroups) {
                    Ref<ITreeNode> parent = tree.AddChild(all, group.key, group.key);
                    for (const Status& status : group.statuses)
                        tree.AddChild(parent, status.code, status.text);
                }
            });
}

// ---------------------------------------------------------------- countries of asset groups

void CListTransport::GetCountryCodes(const Ref<cvCollection>& colAssets) {
    PassOn("CListTransport.IListTransport_GetCountryCodes(colAssets)", ERR_ARGS(colAssets), [&] {
        Ref<cvStrings> str = gTools()->Str();
        // Counted once: the entries added below are not visited.
        const int32_t count = colAssets->Count();
        for (int32_t i = 1; i <= count; ++i) {
            const std::string key = colAssets->KeyAt(i);
            if (str->Token(key, "|", 1, 1) != "NULL") continue;
            const std::string value = str->TrimList(colAssets->Item(Variant(i)).ToString(), ",", 1);
            const std::string group = str->Token(key, "|", 0, 1);
            const std::string assets = str->Token(value, "|", 2, 1);
            // A group without asset codes has no transport systems to split.
            if (Trim(assets).empty()) continue;

            std::string sql = ReplacePlaceholder(Template("SQL_TRANSPORT_COUNTRY_BY_ASSET"), "<assetcodes/>",
                                                 CodeListValue(assets));
            Ref<IGeneral> general = ActiveQuery()->Parameters()->General();
            if (general->CountryCount() > 0)
                sql +=
                    " AND Country_Code IN (" + CodeListValue(general->LocationCountryCodeList()).Text() + ")";

            Ref<ADODB::Recordset> rs = Open(sql);
            const ADODB::Field country = rs->Fields("Country_Code");
            const ADODB::Field transport = rs->Fields("Transport_Code");
            for (; !rs->Eof(); rs->MoveNext()) {
                const std::string sCountry = Text(country);
                const std::string sTransport = Text(transport);
                const std::string split = group + "|" + sCountry;
                if (!colAssets->Exists(split)) colAssets->Add(Variant(split + "|"), split);
                colAssets->ReplaceItem(
                    split, Variant(colAssets->Item(Variant(split)).ToString() + sTransport + ","));
            }
            rs->Close();
        }
    });
}
