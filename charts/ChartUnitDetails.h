#pragma once
// The unit details of a chart axis or label: the unit category and display
// unit of the catalogue field it is tied to, as the field chooser holds them
// for the active query's asset type, so that a chart shows values in the
// unit the user picked for that grid column.
#include <string>

// With both sColumnName and sGridName set, replaces sCategory and
// sDefaultUnit by the field's; otherwise changes nothing.  Passes any error
// on (no root, no active query, no such field), the two values then staying
// as they were.
void ReadUnitDetails(const std::string& sColumnName, const std::string& sGridName, std::string& sCategory,
                     std::string& sDefaultUnit);
