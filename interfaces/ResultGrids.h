#pragma once
// The nine result grids a host shows query results in, each named by its
// asset type and grid type, in the order the field chooser loads and saves
// them.  Only "Field" has an "Annual" grid.
namespace terralith {

struct ResultGrid {
    const char* assetType;
    const char* gridType;
};

inline constexpr ResultGrid kResultGrids[] = {
    {"Block", "Assets"},    {"Block", "Ownership"},  {"Field", "Assets"},
    {"Field", "Ownership"}, {"Field", "Annual"},     {"Well", "Assets"},
    {"Well", "Ownership"},  {"Transport", "Assets"}, {"Transport", "Ownership"},
};

}  // namespace terralith
