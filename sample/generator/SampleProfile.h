#pragma once
// The life of one developed field: its production profile (build-up, plateau,
// decline to the economic limit), its spend (capex before and after first oil,
// operating cost, abandonment) and the economics that follow from them (present
// values, rates of return, government take).  Pure arithmetic on the inputs
// and the random draws, so one seed always gives the same life.
#include <optional>
#include <vector>

#include "SampleRandom.h"

// How a field's recoverable volume divides between its products, as fractions
// of its oil-equivalent total (they add up to 1).
struct ProductShares {
    double oil = 0, cond = 0, lpg = 0, gas = 0;
};

// One year of a field: average daily rates and the year's spend.
struct AnnualFigures {
    int year = 0;
    double oil = 0, cond = 0, lpg = 0;  // Mbbl/d
    double gas = 0;                     // MMscf/d
    double devDrilling = 0, otherCapex = 0, transportCapex = 0, opex = 0,
           abandonment = 0;  // USD million, real
    double Liquid() const { return oil + cond + lpg; }
    double Total() const;  // Mboe/d
    double Capex() const { return devDrilling + otherCapex + transportCapex; }
};

class SampleProfile {
public:
    // Boe per thousand standard cubic feet of gas: 1 boe = 5.8 Mscf.
    static constexpr double kMscfPerBoe = 5.8;

    struct Inputs {
        int firstYear = 0;    // first production
        int dataYear = 0;     // figures up to this year are history
        double reserves = 0;  // MMboe recoverable
        ProductShares shares;
        double unitCapex = 10;  // USD per boe, real
        double unitOpex = 8;    // USD per boe produced, real
        double taxRate = 0.4;   // share of positive pre-tax cash flow
    };

    SampleProfile(const Inputs& in, SampleRandom& rnd);

    // Every year with production or spend, in order.
    const std::vector<AnnualFigures>& Years() const { return years_; }
    int FirstProductionYear() const { return firstProduction_; }
    int LastProductionYear() const { return lastProduction_; }

    // Volumes produced up to and including the data year, per product (MMbbl,
    // bcf for gas, MMboe for the total).
    double CumOil() const { return cumOil_; }
    double CumCond() const { return cumCond_; }
    double CumLpg() const { return cumLpg_; }
    double CumGas() const { return cumGas_; }
    double CumTotal() const { return cumTotal_; }

    // The year of the highest total rate and that year's figures.
    const AnnualFigures& Peak() const { return years_[peakIndex_]; }
    // The data year's figures: empty before first production, zero rates after the last.
    std::optional<AnnualFigures> DataYearFigures() const;

    double TotalCapex() const { return totalCapex_; }
    double TotalOpex() const { return totalOpex_; }
    double TotalCapexNominal() const { return totalCapexNominal_; }
    double TotalOpexNominal() const { return totalOpexNominal_; }

    // Post-tax present values at 10%: the whole life discounted to its first
    // year of spend, the remaining life (data year on) to the data year.
    double TotalPV() const { return totalPV_; }
    double RemainingPV() const { return remainingPV_; }
    std::optional<double> PreTaxIRR() const { return preTaxIRR_; }  // percent
    std::optional<double> PostTaxIRR() const { return postTaxIRR_; }
    // Post-tax with losses relieved against the company's other income.
    std::optional<double> PostTaxIRRCompany() const { return postTaxIRRCompany_; }
    double TotalGovernmentTake() const { return totalTake_; }
    std::optional<double> TotalGovernmentTakePerc() const { return totalTakePerc_; }
    double RemainingGovernmentTake() const { return remainingTake_; }
    std::optional<double> RemainingGovernmentTakePerc() const { return remainingTakePerc_; }

    // Money of the day for a real figure of `year`: 2.5% a year from the data year.
    static double Nominal(double real, int year, int dataYear);
    // The rate at which the cash flows' present value is zero, in percent;
    // empty when there is none between -50% and 1000%.
    static std::optional<double> InternalRateOfReturn(const std::vector<double>& flows);

private:
    std::vector<AnnualFigures> years_;
    int firstProduction_ = 0, lastProduction_ = 0, dataYear_ = 0;
    size_t peakIndex_ = 0;
    double cumOil_ = 0, cumCond_ = 0, cumLpg_ = 0, cumGas_ = 0, cumTotal_ = 0;
    double totalCapex_ = 0, totalOpex_ = 0, totalCapexNominal_ = 0, totalOpexNominal_ = 0;
    double totalPV_ = 0, remainingPV_ = 0, totalTake_ = 0, remainingTake_ = 0;
    std::optional<double> preTaxIRR_, postTaxIRR_, postTaxIRRCompany_, totalTakePerc_, remainingTakePerc_;
};
