#include "ListCommands.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <sstream>
#include <utility>

#include "core/CTools.h"
#include "core/Globals.h"
#include "host/controls/MemoryDataTypeChooser.h"
#include "host/controls/MemoryGeologicalAgeControl.h"
#include "host/controls/MemoryListBox.h"
#include "host/controls/MemoryTreeView.h"
#include "host/main/Interrupt.h"
#include "host/main/QueryCommands.h"
#include "host/main/ShownErrors.h"
#include "host/main/Table.h"
#include "interfaces/IDataLists.h"
#include "interfaces/IQueryManager.h"
#include "lists/SearchTally.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/cvCollection.h"
#include "platform/ui/ErrorWindow.h"
#include "platform/ui/MsgBox.h"

namespace host {
namespace {

using Args = std::vector<std::string>;

// The in-memory controls a fill can write into; each run makes them anew.
struct Controls {
    std::shared_ptr<MemoryListBox> list = std::make_shared<MemoryListBox>("List1");
    std::shared_ptr<MemoryListBox> number = std::make_shared<MemoryListBox>("Number");
    std::shared_ptr<MemoryListBox> year = std::make_shared<MemoryListBox>("Year");
    std::shared_ptr<MemoryListBox> descriptor = std::make_shared<MemoryListBox>("Descriptor");
    std::shared_ptr<MemoryTreeView> tree = std::make_shared<MemoryTreeView>("TreeView1");
    std::shared_ptr<MemoryDataTypeChooser> chooser =
        std::make_shared<MemoryDataTypeChooser>("DataTypeChooser1");
    std::shared_ptr<MemoryGeologicalAgeControl> age =
        std::make_shared<MemoryGeologicalAgeControl>("GeologicalAge1");
    Ref<cvCollection> assets;
    std::string value;
};

using Fill = std::function<void(IDataLists&, Controls&, const Args&)>;
// The cached code of the row with that item value, for lists that keep one.
using Code = std::function<std::string(IDataLists&, int32_t)>;

struct FillEntry {
    ListFillInfo info;
    size_t minArgs, maxArgs;
    Fill fill;
    Code code = nullptr;
};

// Arguments a person typed that do not fit the fill.
struct UsageError {
    std::string message;
};

bool Flag(const std::string& text) {
    const std::string t = LCase(Trim(text));
    if (t == "true" || t == "yes" || t == "1") return true;
    if (t == "false" || t == "no" || t == "0") return false;
    throw UsageError{"not true or false: " + text};
}

int32_t Whole(const std::string& text) {
    int32_t n = 0;
    const std::string t = Trim(text);
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        throw UsageError{"not a whole number: " + text};
    return n;
}

// "GROUP=CODES" as the host keeps an asset group not yet split by country.
void AddAssetGroup(cvCollection& groups, const std::string& arg) {
    const size_t eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) throw UsageError{"not GROUP=CODES: " + arg};
    const std::string group = arg.substr(0, eq);
    groups.Add(Variant(group + "|NULL|" + arg.substr(eq + 1)), group + "|NULL");
}

const std::vector<FillEntry>& Entries() {
    using C = ListControl;
    static const std::vector<FillEntry> entries = {
        // ---- well list
        {{"well-types", "IListWell.PopulateWellTypes", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Well()->PopulateWellTypes(c.list); },
         [](IDataLists& l, int32_t n) { return l.Well()->WellTypeCode(n); }},
        {{"well-statuses", "IListWell.PopulateWellStatuses", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Well()->PopulateWellStatuses(c.list); },
         [](IDataLists& l, int32_t n) { return l.Well()->WellStatusCode(n); }},
        {{"well-results", "IListWell.PopulateWellResults", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Well()->PopulateWellResults(c.list); },
         [](IDataLists& l, int32_t n) { return l.Well()->WellResultCode(n); }},
        {{"well-locations", "IListWell.PopulateWellLocations", C::List, "SECTORS"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) { l.Well()->PopulateWellLocations(c.list, a[0]); },
         [](IDataLists& l, int32_t n) { return l.Well()->WellLocationCode(n); }},
        {{"rig-types", "IListWell.PopulateRigTypes", C::Tree, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Well()->PopulateRigTypes(c.tree); }},
        {{"rig-names", "IListWell.PopulateRigNames", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Well()->PopulateRigNames(c.list); },
         [](IDataLists& l, int32_t n) { return l.Well()->RigNameCode(n); }},
        {{"well-award-rounds", "IListWell.PopulateAwardRoundLists", C::AwardLists, "SECTORS"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Well()->PopulateAwardRoundLists(c.number, c.year, c.descriptor, a[0]);
         }},
        {{"geological-details", "IListWell.PopulateGeologicalDetails", C::GeologicalAge, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Well()->PopulateGeologicalDetails(c.age); }},
        {{"well-dates", "IListWell.PopulateWellDates", C::Chooser, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Well()->PopulateWellDates(c.chooser); }},
        // ---- transport list
        {{"transport-methods", "IListTransport.PopulateTransportMethods", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Transport()->PopulateTransportMethods(c.list); },
         [](IDataLists& l, int32_t n) { return l.Transport()->TransportMethodCode(n); }},
        {{"transport-statuses", "IListTransport.PopulateTransportStatuses", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Transport()->PopulateTransportStatuses(c.list); },
         [](IDataLists& l, int32_t n) { return l.Transport()->TransportStatusCode(n); }},
        {{"transport-systems", "IListTransport.PopulateTransportSystems", C::Tree, "COUNTRIES"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Transport()->PopulateTransportSystems(c.tree, a[0]);
         }},
        {{"transport-sources", "IListTransport.PopulateTransportSources", C::Tree, "Field|Terminal"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Transport()->PopulateTransportSources(c.tree, a[0]);
         }},
        {{"transport-destinations", "IListTransport.PopulateTransportDestinations", C::Tree,
          "Field|Terminal"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Transport()->PopulateTransportDestinations(c.tree, a[0]);
         }},
        {{"user-fields", "IListTransport.PopulateUserFields", C::Tree, "COUNTRIES STATUSES"},
         2,
         2,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Transport()->PopulateUserFields(c.tree, a[0], a[1]);
         }},
        {{"transport-development-statuses", "IListTransport.PopulateTransportDevelopmentStatuses", C::Tree,
          ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) {
             l.Transport()->PopulateTransportDevelopmentStatuses(c.tree);
         }},
        {{"transport-dates", "IListTransport.PopulateTransportDates", C::Chooser, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Transport()->PopulateTransportDates(c.chooser); }},
        {{"transport-specifications", "IListTransport.PopulateTransportSpecifications", C::Chooser, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) {
             l.Transport()->PopulateTransportSpecifications(c.chooser);
         }},
        {{"country-codes", "IListTransport.GetCountryCodes", C::AssetGroups, "GROUP=CODES..."},
         1,
         1000,
         [](IDataLists& l, Controls& c, const Args& a) {
             c.assets = gTools()->NewCollection();
             for (const std::string& arg : a) AddAssetGroup(*c.assets, arg);
             l.Transport()->GetCountryCodes(c.assets);
         }},
        // ---- field list
        {{"field-types", "IListField.PopulateFieldType", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Field()->PopulateFieldType(c.list); },
         [](IDataLists& l, int32_t n) { return l.Field()->FieldTypeCode(n); }},
        {{"development-statuses", "IListField.PopulateDevelopmentStatus", C::List,
          "Both|Commercial|Technical"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Field()->PopulateDevelopmentStatus(c.list, a[0]);
         },
         [](IDataLists& l, int32_t n) { return l.Field()->DevelopmentStatusCode(n); }},
        {{"development-types", "IListField.PopulateDevelopmentType", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Field()->PopulateDevelopmentType(c.list); },
         [](IDataLists& l, int32_t n) { return l.Field()->DevelopmentTypeCode(n); }},
        {{"field-locations", "IListField.PopulateFieldLocationTree", C::Tree, "SECTORS"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Field()->PopulateFieldLocationTree(c.tree, a[0]);
         }},
        {{"field-dates", "IListField.PopulateFieldDates", C::Chooser, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Field()->PopulateFieldDates(c.chooser); }},
        {{"hydrocarbon-types", "IListField.PopulateHydrocarbonTypes", C::Chooser,
          "RESERVETYPE PRODUCTIONTYPE"},
         2,
         2,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Field()->PopulateHydrocarbonTypes(c.chooser, Whole(a[0]), Whole(a[1]));
         }},
        {{"present-values", "IListField.PopulatePV", C::Chooser, "SYMBOL"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) { l.Field()->PopulatePV(c.chooser, a[0]); }},
        {{"costs", "IListField.PopulateCosts", C::Chooser, "REALNOMINAL MODE"},
         2,
         2,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Field()->PopulateCosts(c.chooser, Whole(a[0]), Whole(a[1]));
         }},
        {{"field-reservoirs", "IListField.PopulateFieldReservoir", C::GeologicalAge, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Field()->PopulateFieldReservoir(c.age); }},
        {{"discount-date", "IListField.RemainingReservesDiscountDate", C::Value, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) {
             c.value = l.Field()->RemainingReservesDiscountDate();
         }},
        {{"annual-years", "IListField.PopulateAnnualYears", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Field()->PopulateAnnualYears(c.list); }},
        // ---- block list
        {{"licence-statuses", "IListBlock.PopulateLicenceStatusList", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Block()->PopulateLicenceStatusList(c.list); },
         [](IDataLists& l, int32_t n) { return l.Block()->LicenceStatusCode(n); }},
        {{"licence-area-statuses", "IListBlock.PopulateLicenceAreaStatusList", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Block()->PopulateLicenceAreaStatusList(c.list); },
         [](IDataLists& l, int32_t n) { return l.Block()->LicenceAreaStatusCode(n); }},
        {{"block-locations", "IListBlock.PopulateBlockLocationTree", C::Tree, "SECTORS RELINQUISHED"},
         2,
         2,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Block()->PopulateBlockLocationTree(c.tree, a[0], Flag(a[1]));
         }},
        {{"licence-types", "IListBlock.PopulateLicenceTypeTree", C::Tree, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Block()->PopulateLicenceTypeTree(c.tree); }},
        {{"licence-references", "IListBlock.PopulateLicenceReferenceList", C::List, "SECTORS"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Block()->PopulateLicenceReferenceList(c.list, a[0]);
         }},
        {{"basins", "IListBlock.PopulateBasinList", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Block()->PopulateBasinList(c.list); }},
        {{"block-dates", "IListBlock.PopulateDatesList", C::Chooser, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Block()->PopulateDatesList(c.chooser); }},
        {{"block-award-rounds", "IListBlock.PopulateAwardRoundLists", C::AwardLists, "SECTORS"},
         1,
         1,
         [](IDataLists& l, Controls& c, const Args& a) {
             l.Block()->PopulateAwardRoundLists(c.number, c.year, c.descriptor, a[0]);
         }},
        // ---- location and company lists
        {{"locations", "IListLocation.PopulateLocationTree", C::Tree, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Location()->PopulateLocationTree(c.tree); }},
        {{"basin-tree", "IListLocation.PopulateBasinTree", C::Tree, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Location()->PopulateBasinTree(c.tree); }},
        {{"companies", "IListCompany.PopulateCompanyTree", C::Tree, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Company()->PopulateCompanyTree(c.tree); }},
        {{"operator-statuses", "IListCompany.PopulateOperatorStatusList", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Company()->PopulateOperatorStatusList(c.list); }},
        {{"search-options", "IListCompany.PopulateSearchOptionsList", C::List, ""},
         0,
         0,
         [](IDataLists& l, Controls& c, const Args&) { l.Company()->PopulateSearchOptionsList(c.list); }},
    };
    return entries;
}

}  // namespace

void PrintTree(std::ostream& out, MemoryTreeView& tree, bool keys) {
    const std::vector<std::string> order = tree.Memory().Keys();
    if (order.empty()) return;
    std::vector<std::pair<Ref<ITreeNode>, size_t>> pending;
    Ref<ITreeNode> first = tree.Memory().Node(order.front());
    // The first node shown is a top-level one; its siblings follow it.
    std::vector<Ref<ITreeNode>> tops;
    for (Ref<ITreeNode> n = first; n; n = n->Next()) tops.push_back(n);
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) pending.emplace_back(*it, 0);
    while (!pending.empty()) {
        auto [node, depth] = pending.back();
        pending.pop_back();
        std::string line(depth * 2, ' ');
        line += node->Text();
        if (keys) line += "  [" + node->Key() + "]";
        const Variant tag = node->Tag();
        if (!tag.IsEmpty()) line += "  {" + tag.ToString() + "}";
        // Laid out for a person: a node stays on its line, and what it holds
        // is shown, not obeyed by a terminal.
        out << VisibleText(line) << "\n";
        std::vector<Ref<ITreeNode>> children;
        for (Ref<ITreeNode> child = node->Child(); child; child = child->Next()) children.push_back(child);
        for (auto it = children.rbegin(); it != children.rend(); ++it) pending.emplace_back(*it, depth + 1);
    }
}

namespace {

void Print(std::ostream& out, const FillEntry& entry, IDataLists& lists, Controls& c, bool keys) {
    const bool aligned = ResultsOnTerminal();
    switch (entry.info.control) {
        case ListControl::List: {
            std::vector<TableRow> rows;
            for (const ListRow& row : c.list->Rows()) {
                TableRow r{row.Text, std::to_string(row.ItemData)};
                if (entry.code) r.push_back(entry.code(lists, row.ItemData));
                rows.push_back(r);
            }
            TableRow heading{"Text", "ItemData"};
            if (entry.code) heading.push_back("Code");
            PrintTable(out, heading, rows, aligned);
            break;
        }
        case ListControl::AwardLists: {
            std::vector<TableRow> rows;
            for (const auto& list : {c.number, c.year, c.descriptor})
                for (const ListRow& row : list->Rows()) rows.push_back({list->Name(), row.Text});
            PrintTable(out, {"List", "Text"}, rows, aligned);
            break;
        }
        case ListControl::Tree:
            PrintTree(out, *c.tree, keys);
            break;
        case ListControl::GeologicalAge:
            PrintTree(out, c.age->Tree(), keys);
            break;
        case ListControl::Chooser: {
            std::vector<TableRow> rows;
            for (const DataTypeRow& row : c.chooser->Rows()) {
                const std::vector<std::string>& a = row.Args;
                // Two texts: a date; three: a unit caption; four: a quantity and its unit.
                if (a.size() == 3)
                    rows.push_back({a[0], a[1], "", a[2]});
                else
                    rows.push_back(a);
            }
            PrintTable(out, {"Display", "Column", "Quantity", "Unit"}, rows, aligned);
            break;
        }
        case ListControl::AssetGroups: {
            std::vector<TableRow> rows;
            for (int32_t i = 1; c.assets && i <= c.assets->Count(); ++i)
                rows.push_back({c.assets->KeyAt(i), c.assets->Item(Variant(i)).ToString()});
            PrintTable(out, {"Key", "Value"}, rows, aligned);
            break;
        }
        case ListControl::Value:
            out << c.value << "\n";
            break;
    }
}

// What the control holds after a search that found no rows, for the remark:
// nothing, or in a tree the one top node its fill adds whatever it finds
// (keyed ROOT or ALL, reading "All" or "No Data"), or the asset groups given.
std::string HeldAfterNothingFound(const FillEntry& entry, Controls& c) {
    auto tree = [](MemoryTreeView& t) {
        const size_t nodes = t.Memory().Keys().size();
        return nodes == 0 ? "the tree is empty" : nodes == 1 ? "the tree holds only its top node" : "";
    };
    bool empty = false;
    switch (entry.info.control) {
        case ListControl::List:
            empty = c.list->ListCount() == 0;
            break;
        case ListControl::AwardLists:
            empty = c.number->ListCount() + c.year->ListCount() + c.descriptor->ListCount() == 0;
            break;
        case ListControl::Tree:
            return tree(*c.tree);
        case ListControl::GeologicalAge:
            return tree(c.age->Tree());
        case ListControl::Chooser:
            empty = c.chooser->Rows().empty();
            break;
        case ListControl::AssetGroups:
            // The groups given stay, each under its key ending "|NULL".
            return "the asset groups hold only those given";
        case ListControl::Value:
            empty = c.value.empty();
            break;
    }
    if (!empty) return "";
    const std::string control = ControlName(entry.info.control);
    return "the " + control + (control.back() == 's' ? " are" : " is") + " empty";
}

const FillEntry* Find(const std::string& name) {
    for (const FillEntry& entry : Entries())
        if (entry.info.name == name) return &entry;
    return nullptr;
}

}  // namespace

std::vector<ListFillInfo> ListFills() {
    std::vector<ListFillInfo> fills;
    for (const FillEntry& entry : Entries()) fills.push_back(entry.info);
    return fills;
}

std::string ControlName(ListControl control) {
    switch (control) {
        case ListControl::List:
            return "list";
        case ListControl::AwardLists:
            return "three lists";
        case ListControl::Tree:
            return "tree";
        case ListControl::Chooser:
            return "data-type chooser";
        case ListControl::GeologicalAge:
            return "geological-age control";
        case ListControl::AssetGroups:
            return "asset groups";
        case ListControl::Value:
            return "value";
    }
    return "";
}

CommandRun DeclareLists(CLI::App& app) {
    app.footer("Prints each fill's name, the list member it runs, the control it fills and its arguments.");
    return [](CommandContext& c) {
        std::vector<TableRow> rows;
        for (const ListFillInfo& fill : ListFills())
            rows.push_back({fill.name, fill.member, ControlName(fill.control), fill.arguments});
        PrintTable(c.console.Results(), {"Name", "Member", "Control", "Arguments"}, rows,
                   ResultsOnTerminal());
        return kDone;
    };
}

CommandRun DeclareList(CLI::App& app) {
    struct Options {
        std::string name;
        Args args;
        bool keys = false;
        std::string query;
    };
    auto o = std::make_shared<Options>();
    app.add_option("NAME", o->name, "the fill to run, as 'terralith lists' names it")
        ->required()
        ->check(NotEmpty("a fill's name"));
    // An empty list of sectors or countries would reach the fill as "all" or
    // as nothing, whichever it makes of it; typed by hand it is a slip.
    app.add_option("ARGS", o->args, "its arguments: sector lists \"11,12\", country lists \"'GB','NO'\", ...")
        ->check(NotEmpty("an argument of the fill"));
    app.add_flag("--keys", o->keys, "with a tree, each node's key after its text");
    app.add_option("--query", o->query, "a query file to load first, the active query of fills that read one")
        ->type_name("FILE")
        ->check(NotEmpty("FILE is a file name"));
    app.footer(
        "Runs the fill into an in-memory control and prints it: a list's rows with their item values (and "
        "the "
        "cached codes), a tree indented by level, a chooser's rows.  Exit status 1 when the fill showed an "
        "error or a warning; after an error nothing is printed.  "
        "A fill whose search finds no rows says that nothing matches, on standard error, with status 0; "
        "one that searches nothing (fixed rows, the basin tree's root) never says it.");
    return [o](CommandContext& c) {
        const FillEntry* entry = Find(o->name);
        if (!entry) {
            c.console.Say("unknown list: " + o->name + "; 'terralith lists' names them");
            return kUsage;
        }
        if (o->args.size() < entry->minArgs || o->args.size() > entry->maxArgs) {
            c.console.Say("usage: terralith list " + entry->info.name +
                          (entry->info.arguments.empty() ? "" : " " + entry->info.arguments));
            return kUsage;
        }
        // A fill that takes one of a few choices ("Both|Commercial|Technical")
        // takes exactly those; anything else would reach the fill as no
        // statement at all.
        const std::string& choices = entry->info.arguments;
        if (choices.find('|') != std::string::npos) {
            const std::vector<std::string> allowed = Split(choices, "|");
            for (const std::string& arg : o->args) {
                if (std::find(allowed.begin(), allowed.end(), arg) == allowed.end()) {
                    c.console.Say("list " + entry->info.name + " takes one of " + Join(allowed, ", ") +
                                  " (in that letter case), not " + arg);
                    return kUsage;
                }
            }
        }
        Ref<IDataLists> lists = c.root.Lists();
        // Checked and loaded as `run` loads its query file, so that a file
        // that is missing or no query is named with its reason.
        if (!o->query.empty() && !LoadQuery(c, o->query)) return kFailed;
        Controls controls;
        ShownErrors errors;
        // Whether nothing matched is measured on the fill's own statements,
        // not guessed from what its control holds: a fill may add a top node
        // or fixed rows whatever it finds, or search nothing at all.
        listfill::ForgetSearches();
        try {
            entry->fill(*lists, controls, o->args);
        } catch (const UsageError& e) {
            c.console.Say(e.message);
            return kUsage;
        }
        const listfill::SearchTally searched = listfill::Searches();
        // The fill runs to its end; a Ctrl-C meanwhile stops the command here.
        Interruptible::StopIfInterrupted();
        // Laid out first: a code looked up while printing may fail too, and
        // a fill that failed prints nothing, not even a heading.
        std::ostringstream printed;
        Print(printed, *entry, *lists, controls, o->keys);
        if (errors.Failures() > 0 || c.Failed()) return kFailed;
        c.console.Results() << printed.str();
        if (errors.Count() > 0) return kFailed;
        if (searched.statements > 0 && searched.rows == 0) {
            const std::string held = HeldAfterNothingFound(*entry, controls);
            c.console.Say("list " + o->name + (o->args.empty() ? "" : " " + Join(o->args, " ")) +
                          ": nothing matches" + (held.empty() ? "" : "; " + held));
        }
        return kDone;
    };
}

}  // namespace host
