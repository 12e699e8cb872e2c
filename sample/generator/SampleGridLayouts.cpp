#include "SampleGridLayouts.h"

#include <pugixml.hpp>
#include <sstream>

#include "SampleDatabase.h"
#include "SampleText.h"
#include "interfaces/ResultGrids.h"

std::string SampleGridLayouts::DefaultLayoutXml(SampleDatabase& core) {
    pugi::xml_document doc;
    auto decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    pugi::xml_node assetTypes = doc.append_child("GridLayouts").append_child("AssetTypes");
    for (const terralith::ResultGrid& g : terralith::kResultGrids) {
        pugi::xml_node grids = assetTypes.child(g.assetType);
        if (!grids)
            grids = assetTypes.append_child(g.assetType).append_child("Grids");
        else
            grids = grids.child("Grids");
        pugi::xml_node grid = grids.append_child(g.gridType);
        pugi::xml_node fields = grid.append_child("Fields");
        const auto rows = core.Query(
            std::string("SELECT Field_Name, Default_Width FROM FieldChooser WHERE Asset_Type = '") +
            g.assetType + "' AND Grid_Type = '" + g.gridType +
            "' AND Layout_Position IS NOT NULL ORDER BY Layout_Position");
        int64_t seq = 0;
        for (const auto& row : rows) {
            pugi::xml_node field = fields.append_child("Field");
            field.append_attribute("ID") = SqlString(row[0]).c_str();
            field.append_attribute("UnitID") = "";
            field.append_attribute("Seq") = IntText(++seq).c_str();
            field.append_attribute("ColumnWidth") = IntText(SqlInt(row[1])).c_str();
        }
        if (std::string(g.gridType) == "Annual") {
            pugi::xml_node years = grid.append_child("YearRange");
            years.append_attribute("All") = "1";
            years.append_attribute("From") = "";
            years.append_attribute("To") = "";
        }
    }
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}
