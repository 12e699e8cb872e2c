#include "lists/CListLocation.h"

#include "core/ErrorHandler.h"
#include "lists/ListFill.h"
#include "lists/TreeFill.h"
#include "platform/ado/Recordset.h"

using namespace listfill;

void CListLocation::PopulateLocationTree(const Ref<ITreeView>& ctlTree) {
    EndHere(*this, "CListLocation.IListLocation_PopulateLocationTree(ctlTree.Name)",
            ERR_ARGS(NameOf(ctlTree)), [&] {
                Ref<ADODB::Recordset> rs = Open(Template("SQL_LOCATION_LOOKUP"));
                TreeFill tree(ctlTree);
                const ADODB::Field regionCode = rs->Fields("Region_Code");
                const ADODB::Field regionName = rs->Fields("Region_Name");
                const ADODB::Field countryCode = rs->Fields("Country_Code");
                const ADODB::Field countryName = rs->Fields("Country_Name");
                const ADODB::Field sectorCode = rs->Fields("Sector_Code");
                const ADODB::Field sectorName = rs->Fields("Sector_Name");
                for (; !rs->Eof(); rs->MoveNext()) {
                    // A country or sector stays where it was first placed,
                    // whichever region a later row names for it.
                    const std::string region = "REG_" + Text(regionCode);
                    const std::string country = "COU_" + Text(countryCode);
                    const std::string sector = "SEC_" + Text(sectorCode);
                    if (!tree.Exists(region)) tree.AddTop(region, Text(regionName));
                    if (!tree.Exists(country)) tree.AddChild(region, country, Text(countryName));
                    if (!tree.Exists(sector)) tree.AddChild(country, sector, Text(sectorName));
                }
                rs->Close();
            });
}

void CListLocation::PopulateBasinTree(const Ref<ITreeView>& tvTree) {
    EndHere(*this, "CListLocation.IListLocation_PopulateBasinTree(tvTree.Name)", ERR_ARGS(NameOf(tvTree)),
            [&] { TreeFill(tvTree).AddRoot("ROOT", "All"); });
}
