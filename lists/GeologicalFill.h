#pragma once
// The geological-age control's fill, shared by the field and well lists,
// which differ only in how they tell the user it failed: its three code lists
// (eras, periods, formations: "code|name" under the code, rows with a Null
// name left out) and its tree of eras, their periods and their formations.
//
// Tree keys, built as the host's control takes them apart:
//   era        ERA_CODE & "_PARENT"                         (top level)
//   period     era name & PERIOD_CODE & "_PARENT"           (under its era)
//   formation  era name & period name & "_" & AGE_CODE     (under its period)
// The age statement must bring each era's rows together and, within an era,
// each period's: a run that comes back adds a key the tree holds, and fails.
#include <string>

#include "interfaces/HostControls.h"

namespace listfill {

// Where the tree fill stood: the era and period names of the row it worked on
// (both "" before the tree is reached), for a failure message.
struct GeologicalProgress {
    std::string era;
    std::string period;
};

// Sets the control's Eras, Periods and Formations, each from its statement,
// then clears its tree and rebuilds it from "SQL_GEOLOGICAL_ALL".  Raises
// whatever fails; what was set or added until then stays, and `progress`
// says where the tree fill stood.
void FillGeologicalAges(const Ref<IGeologicalAgeControl>& ctl, GeologicalProgress& progress);

}  // namespace listfill
