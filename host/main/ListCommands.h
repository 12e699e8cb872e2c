#pragma once
// The console host's reference-list commands: `lists` names every fill of
// the six lists; `list NAME [ARGS...]` runs one into an in-memory control and
// prints what the control then holds.
#include <string>
#include <vector>

#include "host/main/Commands.h"

class MemoryTreeView;

namespace host {

// The kind of host control a fill writes into, which decides how it prints.
enum class ListControl {
    List,           // a list box: text, item value (and the cached code)
    AwardLists,     // three list boxes: number, year or date, descriptor
    Tree,           // a tree view, indented by level
    Chooser,        // a data-type chooser: display name, column, quantity, unit
    GeologicalAge,  // the geological-age control's tree
    AssetGroups,    // a keyed collection of asset groups split by country
    Value,          // no control: one text
};

// One fill as `lists` names it: the command name, the list interface member
// it runs, the control it fills and the arguments it takes.
struct ListFillInfo {
    std::string name;
    std::string member;
    ListControl control;
    std::string arguments;
};

// Every fill, in the order `lists` prints them.
std::vector<ListFillInfo> ListFills();
// The control kind as `lists` prints it ("list", "tree", ...).
std::string ControlName(ListControl control);

// The tree's nodes in the order it shows them, indented two blanks a level;
// with keys, each node's key in brackets after its text.  A tag shows in
// braces.  Control characters show as escapes (VisibleText).
void PrintTree(std::ostream& out, MemoryTreeView& tree, bool keys);

CommandRun DeclareLists(CLI::App& app);
CommandRun DeclareList(CLI::App& app);

}  // namespace host
