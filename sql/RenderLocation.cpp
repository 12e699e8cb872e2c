// The location step: the chosen sectors (or countries) narrow the statement.
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/ICriteria.h"
#include "interfaces/_cvDataManager.h"
#include "sql/CSQLBuilder.h"
#include "sql/CSQLRenderer.h"
#include "sql/RenderValues.h"

void CSQLRenderer::Location() {
    return PassOn("CSQLRenderer.Location()", ERR_ARGS(), [&] {
        const Ref<IGeneral> general = General();
        if (general->SectorCount() > 0) {
            gDataManagerObject()->SetProgressMessage("Building Query (Location)");
            if (queryType_ == "Transport") {
                // The transport template joins the countries as TC.
                const std::string countries =
                    render::QuotedTexts(general->LocationCountryCodeList(), "Sector@CountryCode");
                if (!countries.empty()) builder_->AddWhere(" TC.Country_Code IN (" + countries + ")", "AND");
            } else if (general->CompanyCount() == 0) {
                // With companies chosen, the company searches have already
                // kept only the participations in these sectors.
                if (queryType_ == "Field") {
                    const std::string sectors = SectorCondition("FS.Sector_Code");
                    if (!sectors.empty()) {
                        builder_->AddJoin("INNER JOIN FieldSector FS ON A.Field_Code = FS.Field_Code");
                        builder_->AddWhere(sectors, "AND");
                    }
                } else if (queryType_ == "Block" || queryType_ == "Well") {
                    const std::string sectors = SectorCondition("A.Sector_Code");
                    if (!sectors.empty()) builder_->AddWhere(sectors, "AND");
                }
            }
        }
        gDataManagerObject()->SetProgressValue(30);
    });
}

std::string CSQLRenderer::SectorCondition(const std::string& sColumn) {
    const Ref<IGeneral> general = General();
    const std::string sectors = render::Codes(general->LocationSectorCodeList(), "Sector@SectorCode");
    const int64_t picked = general->SectorCount();
    // Every location item is a sector: the usual case.
    if (render::ItemCount(sectors) >= picked) return sectors.empty() ? "" : sColumn + " IN (" + sectors + ")";
    // A country picked as a whole stands for all its sectors.
    const std::string countries =
        render::QuotedTexts(general->LocationCountryCodeList(), "Sector@CountryCode");
    if (countries.empty()) return sectors.empty() ? "" : sColumn + " IN (" + sectors + ")";
    const std::string ofCountries =
        sColumn + " IN (SELECT Sector_Code FROM Sector WHERE Country_Code IN (" + countries + ")";
    if (sectors.empty()) return ofCountries + ")";
    // Beside sectors of other countries: a country with a sector of its own
    // picked is not picked as a whole.
    return "(" + sColumn + " IN (" + sectors + ") OR " + ofCountries +
           " AND Country_Code NOT IN (SELECT Country_Code FROM Sector WHERE Sector_Code IN (" + sectors +
           "))))";
}
