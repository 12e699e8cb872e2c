#pragma once
// What the builders of one generated data set share: the reference data, the
// two databases, the one source of chance and the one stock of names (so that
// one seed gives one data set, whichever builder draws next), the assets made
// so far (a builder reads the assets of the builders before it), the index
// entries and the counts.  Also the asset records themselves and the small
// rounding and date helpers every builder uses.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SampleDatabase.h"
#include "SampleNames.h"
#include "SampleProfile.h"
#include "SampleRandom.h"
#include "SampleReference.h"

// One record of an asset-code index file.
struct SampleIndexEntry {
    std::string country;    // ISO code of the file it belongs to
    std::string shortCode;  // at most 10 characters
    std::string name;       // the asset code the file is searched by
    std::string mnemonic;
    std::string kind;  // "Field", "Field Grouping", "Pipeline", ...
    char shore = 'O';  // O offshore, L onshore, B both
};

struct SampleCounts {
    size_t companies = 0, blocks = 0, fields = 0, wells = 0, transport = 0, annualRows = 0;
};

// Hundredths of a percent held by one company; the shares of an asset add up to 10000.
struct SampleShare {
    int64_t company = 0;
    int32_t basisPoints = 0;
    bool op = false;
};

struct SampleCompany {
    int64_t code = 0;
    std::string name, shortName, home;
    int64_t parent = 0;
    double weight = 1;
};

struct SampleBlock {
    int64_t code = 0;
    size_t sector = 0;
    std::string reference, quadrant, block, subBlock, basin;
    std::string licence, licenceType, licenceSubType, licenceStatus, areaStatus, awardDesc;
    int round = 0, roundYear = 0;
    std::string issueDate, firstRound, finalExpiry;
    std::optional<int64_t> fallowYears;
    std::optional<double> signatureBonus, waterDepthMin, waterDepthMax;
    double area = 0;
    std::vector<SampleShare> shares;
    bool holdsField = false;
    int64_t wellCount = 0, devWellCount = 0;
};

// Products in the order of the reserve and production columns.
enum SampleProduct { kOil, kCond, kLpg, kLiquid, kGas, kTotal, kProducts };
using SampleVolumes = std::array<std::optional<double>, kProducts>;

struct SampleField {
    int64_t code = 0;
    std::string name, mnemonic;
    bool grouping = false;
    std::optional<int64_t> groupingCode;
    std::string groupingName;
    size_t sector = 0;
    std::vector<size_t> sectors;  // every sector, the main one first
    std::string basin, offshore, fieldType, devStatus, devType;
    std::vector<SampleShare> shares;
    int discoveryYear = 0;
    std::string discoveryDate, consentDate, startDate, ceasedDate, abandonedDate;
    std::optional<int> firstYear, lastYear;
    std::optional<double> waterDepth, api, calorific, sulphur;
    double reservoirDepth = 0, reserves = 0;
    std::string reservoirAge;
    std::vector<int64_t> ages;  // reservoir ages, the main one first
    std::vector<size_t> blocks;
    SampleVolumes rec, rem, techRec, techRem, current, peak;
    std::optional<int64_t> peakYear;
    std::optional<double> totalPV, remainingPV, remainingPVBoe, preTaxIRR, postTaxIRR, postTaxIRRCompany;
    std::optional<double> totalTake, totalTakePerc, remainingTake, remainingTakePerc;
    std::optional<double> capexReal, capexNominal, opexReal, opexNominal, capexPerBoe, capexPerBoeNominal,
        opexPerBoe, opexPerBoeNominal;
    std::vector<AnnualFigures> annual;  // gross, kept only until the field's rows are written
};

struct SampleTerminal {
    int64_t code = 0;
    std::string name, country;
    bool grouping = false;
    std::optional<int64_t> groupingCode;
    std::string groupingName;
    bool gas = true, oil = true;
};

struct SampleTransportSystem {
    int64_t code = 0;
    std::string name, mnemonic, method, energy, status, offshore;
    bool grouping = false;
    std::optional<int64_t> groupingCode;
    std::string groupingName;
    std::optional<int64_t> startCode, destCode;
    std::string startType, startName, destType, destName, started;
    std::optional<double> length, diameter, oilCapacity, lpgCapacity, condCapacity, gasCapacity, storage;
    std::vector<std::string> countries;
    std::vector<int64_t> users;
    std::vector<SampleShare> shares;
};

struct SampleContext {
    SampleContext(const SampleReference& reference, SampleDatabase& coreDb, SampleDatabase& annualDb,
                  int fields, uint64_t seed);

    // A day of the year, from the 1st to the 28th of a month.
    std::string RandomDate(int year);
    // An age up to four places older than the given one (itself when none is).
    const RefAge* OlderAge(int64_t ageCode);

    const SampleReference& ref;
    SampleDatabase& core;
    SampleDatabase& annual;
    const int fieldCount;  // field records asked for
    SampleRandom rnd;
    SampleNames names;

    std::vector<SampleCompany> companies;
    std::vector<SampleBlock> blocks;
    std::vector<std::vector<size_t>> sectorBlocks;  // per sector, its blocks' places in `blocks`
    std::vector<SampleField> fields;
    std::vector<SampleTerminal> terminals;
    std::vector<SampleTransportSystem> transport;
    std::vector<SampleIndexEntry> index;
    SampleCounts counts;
    int64_t nextFieldCode = 1001;  // fields and groupings share one run of codes
};

// Half away from zero, to the given number of decimals.
double Round(double v, int decimals);
std::optional<double> Round(const std::optional<double>& v, int decimals);
// The index files' shore letter of an OFFSHORE_CODE.
std::string ShoreChar(const std::string& offshore);
// The date of a serial as the database stores it, and back.
std::string DateText(double serial);
double SerialOf(const std::string& isoDate);
int YearOf(const std::string& isoDate);
