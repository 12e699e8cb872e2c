#include "SampleAnnual.h"

SampleAnnual::SampleAnnual(SampleContext& ctx)
    : ctx_(ctx),
      field_(ctx.annual,
             "INSERT INTO AnnualField (Field_Code, Field_Name, Country_Code, Country_Name, "
             "Sector_Name, Operator_Name, DEV_STATUS_CODE) VALUES (?, ?, ?, ?, ?, ?, ?)"),
      gross_(ctx.annual,
             "INSERT INTO FieldAnnualTotal_Gross (Field_Code, Prod_Year, OIL_PRODUCTION, "
             "CONDENSATE_PRODUCTION, LPG_PRODUCTION, LIQUID_PRODUCTION, GAS_PRODUCTION, TOTAL_PRODUCTION, "
             "CAPEX_REAL, CAPEX_NOML, OPEX_REAL, OPEX_NOML, ABN_COSTS_REAL_USD, ABN_COSTS_NOML_USD, "
             "DEV_DRILLING_REAL_USD, DEV_DRILLING_NOML_USD, OTH_FIELD_CAPEX_REAL_USD, "
             "OTH_FIELD_CAPEX_NOML_USD, TRN_CAPEX_REAL_USD, TRN_CAPEX_NOML_USD) "
             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
      net_(ctx.annual,
           "INSERT INTO FieldAnnualTotal_Net (Field_Code, Company_Code, Prod_Year, Interest_Perc, "
           "OIL_PRODUCTION, CONDENSATE_PRODUCTION, LPG_PRODUCTION, LIQUID_PRODUCTION, GAS_PRODUCTION, "
           "TOTAL_PRODUCTION, CAPEX_REAL_NET, CAPEX_NOML_NET, OPEX_REAL_NET, OPEX_NOML_NET, "
           "ABN_COSTS_REAL_USD_NET, ABN_COSTS_NOML_USD_NET, DEV_DRILLING_REAL_USD_NET, "
           "DEV_DRILLING_NOML_USD_NET, OTH_FIELD_CAPEX_REAL_USD_NET, OTH_FIELD_CAPEX_NOML_USD_NET, "
           "TRN_CAPEX_REAL_USD_NET, TRN_CAPEX_NOML_USD_NET) "
           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)") {}

void SampleAnnual::Write(SampleField& f, const SampleCompany& op) {
    const RefSector& sector = ctx_.ref.sectors[f.sector];
    field_.Row({f.code, f.name, sector.country, sector.countryName, sector.name, op.name, f.devStatus});
    for (const AnnualFigures& a : f.annual) {
        if (a.year < ctx_.ref.firstAnnualYear || a.year > ctx_.ref.lastAnnualYear) continue;
        auto nominal = [&](double real) { return SampleProfile::Nominal(real, a.year, ctx_.ref.dataYear); };
        const double money[] = {
            a.Capex(),     nominal(a.Capex()),     a.opex,           nominal(a.opex),
            a.abandonment, nominal(a.abandonment), a.devDrilling,    nominal(a.devDrilling),
            a.otherCapex,  nominal(a.otherCapex),  a.transportCapex, nominal(a.transportCapex)};
        const double volume[] = {a.oil, a.cond, a.lpg, a.Liquid(), a.gas, a.Total()};
        std::vector<SqlValue> gross = {f.code, int64_t{a.year}};
        for (double v : volume) gross.emplace_back(Round(v, 3));
        for (double v : money) gross.emplace_back(Round(v, 3));
        gross_.Row(gross);
        for (const SampleShare& s : f.shares) {
            const double part = s.basisPoints / 10000.0;
            std::vector<SqlValue> net = {f.code, s.company, int64_t{a.year}, s.basisPoints / 100.0};
            for (double v : volume) net.emplace_back(Round(v * part, 3));
            for (double v : money) net.emplace_back(Round(v * part, 3));
            net_.Row(net);
            ++ctx_.counts.annualRows;
        }
        ++ctx_.counts.annualRows;
    }
    f.annual.clear();
    f.annual.shrink_to_fit();
}
