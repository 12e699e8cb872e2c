#include "SampleProfile.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {
constexpr double kLiquidPrice = 70.0;  // USD per bbl, real
constexpr double kGasPrice = 7.5;      // USD per Mscf, real
constexpr double kDiscount = 0.10;
constexpr double kInflation = 0.025;
constexpr double kEconomicLimit = 0.04;  // of the plateau rate

double NetPresentValue(const std::vector<double>& flows, double rate) {
    double v = 0, factor = 1;
    for (double f : flows) {
        v += f / factor;
        factor *= 1 + rate;
    }
    return v;
}
}  // namespace

double AnnualFigures::Total() const { return Liquid() + gas / SampleProfile::kMscfPerBoe; }

double SampleProfile::Nominal(double real, int year, int dataYear) {
    return real * std::pow(1 + kInflation, year - dataYear);
}

std::optional<double> SampleProfile::InternalRateOfReturn(const std::vector<double>& flows) {
    // A field's flows turn negative again at abandonment, so far from zero the
    // present value can change sign more than once.  Search the side of zero
    // where the flows' sum says the root lies.
    const double atZero = NetPresentValue(flows, 0);
    double lo = atZero > 0 ? 0.0 : -0.5, hi = atZero > 0 ? 10.0 : 0.0;
    double vlo = NetPresentValue(flows, lo), vhi = NetPresentValue(flows, hi);
    if (!(vlo > 0 && vhi < 0) && !(vlo < 0 && vhi > 0)) return std::nullopt;
    for (int i = 0; i < 100; ++i) {
        const double mid = (lo + hi) / 2;
        const double v = NetPresentValue(flows, mid);
        if ((v > 0) == (vlo > 0)) {
            lo = mid;
            vlo = v;
        } else {
            hi = mid;
        }
    }
    return (lo + hi) / 2 * 100;
}

SampleProfile::SampleProfile(const Inputs& in, SampleRandom& rnd) : dataYear_(in.dataYear) {
    // Shape of the total rate, relative to the plateau.
    const int ramp = static_cast<int>(rnd.Int(1, 3));
    const int plateau = static_cast<int>(rnd.Int(1, in.reserves > 200 ? 7 : 4));
    const double decline = rnd.Range(0.08, 0.25);
    std::vector<double> shape;
    for (int i = 1; i <= ramp; ++i) shape.push_back(static_cast<double>(i) / (ramp + 1));
    for (int i = 0; i < plateau; ++i) shape.push_back(1.0);
    for (double w = 1 - decline; w >= kEconomicLimit; w *= 1 - decline) shape.push_back(w);
    double shapeSum = 0;
    for (double w : shape) shapeSum += w;
    // MMboe = Mboe/d * 365 / 1000.
    const double plateauRate = in.reserves / (0.365 * shapeSum);

    firstProduction_ = in.firstYear;
    lastProduction_ = in.firstYear + static_cast<int>(shape.size()) - 1;

    const double capex = in.reserves * in.unitCapex;
    std::map<int, AnnualFigures> byYear;
    auto at = [&](int year) -> AnnualFigures& {
        AnnualFigures& f = byYear[year];
        f.year = year;
        return f;
    };
    auto spend = [&](int year, double amount) {
        AnnualFigures& f = at(year);
        f.devDrilling += amount * 0.35;
        f.otherCapex += amount * 0.50;
        f.transportCapex += amount * 0.15;
    };
    // Three quarters of the capital before first production, the rest on
    // infill drilling over the first four producing years.
    spend(in.firstYear - 3, capex * 0.75 * 0.25);
    spend(in.firstYear - 2, capex * 0.75 * 0.45);
    spend(in.firstYear - 1, capex * 0.75 * 0.30);
    for (int k = 0; k < 4; ++k) spend(in.firstYear + k, capex * 0.25 / 4);
    for (size_t k = 0; k < shape.size(); ++k) {
        AnnualFigures& f = at(in.firstYear + static_cast<int>(k));
        const double total = plateauRate * shape[k];
        f.oil = total * in.shares.oil;
        f.cond = total * in.shares.cond;
        f.lpg = total * in.shares.lpg;
        f.gas = total * in.shares.gas * kMscfPerBoe;
        f.opex = capex * 0.04 + in.unitOpex * total * 0.365;
    }
    at(lastProduction_ + 1).abandonment = capex * 0.12;

    for (auto& [year, f] : byYear) years_.push_back(f);

    std::vector<double> preTax, postTax, postTaxCompany;
    double remainingProfit = 0, totalProfit = 0, lossPool = 0;
    const int firstSpend = years_.front().year;
    for (size_t i = 0; i < years_.size(); ++i) {
        const AnnualFigures& f = years_[i];
        if (f.Total() > Peak().Total()) peakIndex_ = i;
        const double liquidVolume = f.Liquid() * 0.365;  // MMbbl
        const double gasVolume = f.gas * 0.365;          // bcf
        if (f.year <= in.dataYear) {
            cumOil_ += f.oil * 0.365;
            cumCond_ += f.cond * 0.365;
            cumLpg_ += f.lpg * 0.365;
            cumGas_ += gasVolume;
            cumTotal_ += f.Total() * 0.365;
        }
        totalCapex_ += f.Capex();
        totalOpex_ += f.opex;
        totalCapexNominal_ += Nominal(f.Capex(), f.year, in.dataYear);
        totalOpexNominal_ += Nominal(f.opex, f.year, in.dataYear);
        const double revenue = liquidVolume * kLiquidPrice + gasVolume * kGasPrice;
        const double cash = revenue - f.Capex() - f.opex - f.abandonment;
        // Losses are carried forward against the field's later profits.
        double tax = 0;
        if (cash < 0) {
            lossPool += -cash;
        } else {
            const double relieved = std::min(cash, lossPool);
            lossPool -= relieved;
            tax = in.taxRate * (cash - relieved);
        }
        preTax.push_back(cash);
        postTax.push_back(cash - tax);
        postTaxCompany.push_back(cash - in.taxRate * cash);
        totalTake_ += tax;
        totalProfit += cash;
        totalPV_ += (cash - tax) / std::pow(1 + kDiscount, f.year - firstSpend);
        if (f.year >= in.dataYear) {
            remainingTake_ += tax;
            remainingProfit += cash;
            remainingPV_ += (cash - tax) / std::pow(1 + kDiscount, f.year - in.dataYear);
        }
    }
    preTaxIRR_ = InternalRateOfReturn(preTax);
    postTaxIRR_ = InternalRateOfReturn(postTax);
    postTaxIRRCompany_ = InternalRateOfReturn(postTaxCompany);
    if (totalProfit > 0) totalTakePerc_ = totalTake_ / totalProfit * 100;
    if (remainingProfit > 0) remainingTakePerc_ = remainingTake_ / remainingProfit * 100;
}

std::optional<AnnualFigures> SampleProfile::DataYearFigures() const {
    if (dataYear_ < firstProduction_) return std::nullopt;
    for (const AnnualFigures& f : years_)
        if (f.year == dataYear_) {
            AnnualFigures rates = f;
            return rates;
        }
    AnnualFigures none;
    none.year = dataYear_;
    return none;
}
