#include "lists/CListField.h"

#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/IDataManager.h"
#include "interfaces/IQuery.h"
#include "lists/GeologicalFill.h"
#include "lists/ListFill.h"
#include "lists/TreeFill.h"
#include "platform/ado/Recordset.h"
#include "platform/units/Units.h"

using namespace listfill;

namespace {

// A data-type chooser row: what the user reads and the column it stands for.
struct ChooserRow {
    const char* display;
    const char* column;
};

const ChooserRow kFieldDates[] = {
    {"Production Started", "Production_Started"}, {"Dev Consent", "Devt_Consent"},
    {"Discovery Date", "Discovery_Date"},         {"Ceased Production Date", "Ceased_Production"},
    {"Abandonment Date", "Abandoned_Date"},
};

// The six rows every reserves and production group shows, and the quantity
// of each in a reserves group and in a production group: LPG and condensate
// are measured as oil.
const char* const kHydrocarbonDisplay[6] = {"All", "Total Liquids", "Oil", "LPG", "Condensate", "Gas"};
const char* const kReserveQuantity[6] = {"Total_Reserves", "Liquids_Reserves", "Oil_Reserves",
                                         "Oil_Reserves",   "Oil_Reserves",     "Gas_Reserves"};
const char* const kProductionQuantity[6] = {"Total_Production", "Liquids_Production", "Oil_Production",
                                            "Oil_Production",   "Oil_Production",     "Gas_Production"};
// The columns of each group: recoverable and remaining reserves, then this
// year's, the peak and the cumulative production.
const char* const kHydrocarbonColumns[5][6] = {
    {"REC_R_TOTAL", "REC_R_LIQUID", "REC_R_OIL", "REC_R_LPG", "REC_R_COND", "REC_R_GAS"},
    {"REM_R_TOTAL", "REM_R_LIQUID", "REM_R_OIL", "REM_R_LPG", "REM_R_COND", "REM_R_GAS"},
    {"CURR_YR_TOTAL_PRODUCTION", "CURR_YR_LIQUID_PRODUCTION", "CURR_YR_OIL_PRODUCTION",
     "CURR_YR_LPG_PRODUCTION", "CURR_YR_COND_PRODUCTION", "CURR_YR_GAS_PRODUCTION"},
    {"PEAK_TOTAL_PRODUCTION", "PEAK_LIQUID_PRODUCTION", "PEAK_OIL_PRODUCTION", "PEAK_LPG_PRODUCTION",
     "PEAK_COND_PRODUCTION", "PEAK_GAS_PRODUCTION"},
    {"TOTAL_PRODUCTION", "LIQUID_PRODUCTION", "OIL_PRODUCTION", "LPG_PRODUCTION", "CONDENSATE_PRODUCTION",
     "GAS_PRODUCTION"},
};

}  // namespace

// ---------------------------------------------------------------- look-ups

std::string CListField::FieldTypeCode(int32_t lID) {
    return fieldTypes_.CodeFor("CListField.IListField_FieldTypeCode(lID)", lID);
}

std::string CListField::FieldTypeDescription(int32_t lID) {
    return fieldTypes_.DescriptionFor("CListField.IListField_FieldTypeDescription(lID)", lID);
}

std::string CListField::DevelopmentStatusCode(int32_t lID) {
    return developmentStatuses_.CodeFor("CListField.IListField_DevelopmentStatusCode(lID)", lID);
}

std::string CListField::DevelopmentStatusDescription(int32_t lID) {
    return developmentStatuses_.DescriptionFor("CListField.IListField_DevelopmentStatusDescription(lID)",
                                               lID);
}

std::string CListField::DevelopmentTypeCode(int32_t lID) {
    return developmentTypes_.CodeFor("CListField.IListField_DevelopmentTypeCode(lID)", lID);
}

std::string CListField::DevelopmentTypeDescription(int32_t lID) {
    return developmentTypes_.DescriptionFor("CListField.IListField_DevelopmentTypeDescription(lID)", lID);
}

// ---------------------------------------------------------------- coded look-up lists

void CListField::PopulateFieldType(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListField.IListField_PopulateFieldType(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        FillLookupList(fieldTypes_, ctl, {.statement = [] { return LookupStatement("FIELDTYP"); }});
    });
}

void CListField::PopulateDevelopmentType(const Ref<IListControl>& ctl) {
    EndHere(*this, "CListField.IListField_PopulateDevelopmentType(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        FillLookupList(developmentTypes_, ctl, {.statement = [] { return LookupStatement("DEVTYPE"); }});
    });
}

void CListField::PopulateDevelopmentStatus(const Ref<IListControl>& ctl, const std::string& sType) {
    EndHere(*this, "CListField.IListField_PopulateDevelopmentStatus(ctl.Name, sType)",
            ERR_ARGS(NameOf(ctl), sType), [&] {
                auto statement = [&]() -> std::string {
                    if (sType == "Both") return LookupStatementOf("'DEVSTATC', 'DEVSTATE'");
                    if (sType == "Commercial") return LookupStatement("DEVSTATC");
                    if (sType == "Technical") return LookupStatement("DEVSTATE");
                    // Any other choice has no statement; opening none fails.
                    return std::string();
                };
                FillLookupList(developmentStatuses_, ctl, {.statement = statement, .everyFill = true});
            });
}

// ---------------------------------------------------------------- field location tree

Ref<ADODB::Recordset> CListField::GetFieldsInSectors(const std::string& sSectorCodes) {
    return PassOn("CListField.GetFieldsInSectors(sSectorCodes)", ERR_ARGS(sSectorCodes),
                  [&] { return Open(SectorStatement("SQL_FIELDS_IN_SECTORS", sSectorCodes)); });
}

void CListField::PopulateFieldLocationTree(const Ref<ITreeView>& tvTree,
                                           const std::string& sSelectedSectors) {
    PassOn("CListField.IListField_PopulateFieldLocationTree(tvTree.Name, sSelectedSectors)",
           ERR_ARGS(NameOf(tvTree), sSelectedSectors), [&] {
               WindowFreeze freeze(tvTree);
               Ref<ADODB::Recordset> rs = GetFieldsInSectors(sSelectedSectors);
               TreeFill tree(tvTree);
               tree.AddRoot("ROOT", "All");
               GroupedRows rows(*rs,
                                {"Field_Grouping", "Field_Code", "Field_Name", "Field_Grouping_Code",
                                 "Field_Grouping_Name"},
                                "F_");
               for (; !rs->Eof(); rs->MoveNext()) rows.Place(tree);
               rs->Close();
           });
}

// ---------------------------------------------------------------- data-type choices

void CListField::PopulateFieldDates(const Ref<IDataTypeChooser>& ctl) {
    PassOn("CListField.IListField_PopulateFieldDates(ctl)", ERR_ARGS(NameOf(ctl)), [&] {
        for (const ChooserRow& row : kFieldDates) ctl->AddDataType(row.display, row.column);
    });
}

void CListField::PopulatePV(const Ref<IDataTypeChooser>& ctl, const std::string& sSymbol) {
    PassOn("CListField.IListField_PopulatePV(ctl, sSymbol)", ERR_ARGS(NameOf(ctl), sSymbol), [&] {
        ctl->Clear(true);
        ctl->AddDataType("Total PV", "TOTALPV_POSTTAX_USD", sSymbol);
        ctl->AddDataType("Remaining PV", "REMPV_POSTTAX_USD", sSymbol);
        // Per boe the value is always in dollars, whatever the host shows elsewhere.
        ctl->AddDataType("Remaining PV/boe", "REMPVBOE_POSTTAX_USD", "US$");
    });
}

void CListField::PopulateCosts(const Ref<IDataTypeChooser>& ctl, int32_t lRealNominal, int32_t lMode) {
    PassOn("CListField.IListField_PopulateCosts(ctl.name, lRealNominal, lMode)",
           ERR_ARGS(NameOf(ctl), lRealNominal, lMode), [&] {
               const std::string rn = lRealNominal == 0 ? "_REAL" : "_NOML";
               // Asked whatever the mode, as every mode's statement may need it.
               const std::string gn = ActiveQuery()->GrossNet() == "Gross" ? "" : "_NET";
               std::string caption = "US$ million";
               ctl->Clear(true);
               switch (lMode) {
                   case 0:
                       ctl->AddDataType("Capex", "TOTAL_CAPEX" + rn + "_USD", caption);
                       ctl->AddDataType("Opex", "TOTAL_OPEX" + rn + "_USD", caption);
                       break;
                   case 1:
                       caption = "per boe";
                       ctl->AddDataType("Capex", "CAPEX_BBL" + rn + "_USD", caption);
                       ctl->AddDataType("Opex", "OPEX_BBL" + rn + "_USD", caption);
                       break;
                   case 2:
                       // The annual capex and opex columns carry no currency in their names.
                       ctl->AddDataType("Capex", "CAPEX" + rn + gn, caption);
                       ctl->AddDataType("Opex", "OPEX" + rn + gn, caption);
                       ctl->AddDataType("Abandonment Costs", "ABN_COSTS" + rn + "_USD" + gn, caption);
                       ctl->AddDataType("Dev Drilling Costs", "DEV_DRILLING" + rn + "_USD" + gn, caption);
                       ctl->AddDataType("Other Field Capex", "OTH_FIELD_CAPEX" + rn + "_USD" + gn, caption);
                       ctl->AddDataType("Transport Capex", "TRN_CAPEX" + rn + "_USD" + gn, caption);
                       break;
                   default:
                       break;
               }
           });
}

void CListField::PopulateHydrocarbonTypes(const Ref<IDataTypeChooser>& ctl, int32_t sReserveType,
                                          int32_t lProductionType) {
    PassOn("CListField.IListField_PopulateHydrocarbonTypes(ctl, sReserveType, lProductionType)",
           ERR_ARGS(NameOf(ctl), sReserveType, lProductionType), [&] {
               ctl->Clear(true);
               int group = -1;
               if (sReserveType == 0 || sReserveType == 1)
                   group = sReserveType;
               else if (sReserveType == 2 && lProductionType >= 0 && lProductionType <= 2)
                   group = 2 + lProductionType;
               if (group < 0) return;
               const char* const* quantities = group < 2 ? kReserveQuantity : kProductionQuantity;
               Ref<::Units> units = gDataManager()->Units();
               for (int i = 0; i < 6; ++i) {
                   // Asked afresh for every row: the user may change a default unit at any time.
                   const std::string unit = units->DefaultUnit(quantities[i]);
                   const std::string label = units->GetUnit(quantities[i], unit)->Label();
                   ctl->AddDataType(kHydrocarbonDisplay[i], kHydrocarbonColumns[group][i], quantities[i],
                                    label);
               }
           });
}

// ---------------------------------------------------------------- geological ages

void CListField::PopulateFieldReservoir(const Ref<IGeologicalAgeControl>& ctl) {
    EndHere(*this, "CListField.IListField_PopulateFieldReservoir(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        GeologicalProgress progress;
        FillGeologicalAges(ctl, progress);
    });
}

// ---------------------------------------------------------------- annual years and discount date

std::string CListField::RemainingReservesDiscountDate() {
    return PassOn("CListField.IListField_RemainingReservesDiscountDate()", ERR_ARGS(), [&] {
        if (discountDate_.empty()) {
            Ref<ADODB::Recordset> rs = Open(Template("SQL_DISCOUNT_DATE"));
            // No row raises 3021 and a Null value 94: the cache stays empty and
            // the next call reads again.
            discountDate_ = Text(rs->Fields("Value"));
            rs->Close();
        }
        return discountDate_;
    });
}

void CListField::PopulateAnnualYears(const Ref<IListControl>& ctl) {
    PassOn("CListField.IListField_PopulateAnnualYears(ctl.Name)", ERR_ARGS(NameOf(ctl)), [&] {
        // Values, not statements: one that is empty is a type mismatch.
        const int32_t start = CLng(Variant(gDataManager()->GetOption("ANNUAL_DATA_START_YEAR")));
        const int32_t end = CLng(Variant(gDataManager()->GetOption("ANNUAL_DATA_END_YEAR")));
        // Counted wide, so an end year at the top of the range still ends the loop.
        for (int64_t year = start; year <= end; ++year)
            ctl->AddItem(CStr(Variant(static_cast<int32_t>(year))));
    });
}
