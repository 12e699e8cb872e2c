#pragma once
// The assets of a generated data set and the rows they become: companies with
// their subsidiaries, licence blocks, fields (with reservoirs, equity, groupings
// and their annual figures), wells and transport systems.  Built in that order,
// each from the previous ones, all from one seed.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
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

class SampleWorld {
public:
    struct Counts {
        size_t companies = 0, blocks = 0, fields = 0, wells = 0, transport = 0, annualRows = 0;
    };

    SampleWorld(const SampleReference& ref, SampleDatabase& core, SampleDatabase& annual, int fields,
                uint64_t seed);
    ~SampleWorld();
    SampleWorld(const SampleWorld&) = delete;
    SampleWorld& operator=(const SampleWorld&) = delete;
    // Makes every asset and writes its rows.
    void Build();

    const std::vector<SampleIndexEntry>& IndexEntries() const { return index_; }
    const Counts& Totals() const { return counts_; }

private:
    // Hundredths of a percent held by one company; the shares of an asset add up to 10000.
    struct Share {
        int64_t company = 0;
        int32_t basisPoints = 0;
        bool op = false;
    };
    struct Company {
        int64_t code = 0;
        std::string name, shortName, home;
        int64_t parent = 0;
        double weight = 1;
    };
    struct Block {
        int64_t code = 0;
        size_t sector = 0;
        std::string reference, quadrant, block, subBlock, basin;
        std::string licence, licenceType, licenceSubType, licenceStatus, areaStatus, awardDesc;
        int round = 0, roundYear = 0;
        std::string issueDate, firstRound, finalExpiry;
        std::optional<int64_t> fallowYears;
        std::optional<double> signatureBonus, waterDepthMin, waterDepthMax;
        double area = 0;
        std::vector<Share> shares;
        bool holdsField = false;
        int64_t wellCount = 0, devWellCount = 0;
    };
    // Products in the order of the reserve and production columns.
    enum Product { kOil, kCond, kLpg, kLiquid, kGas, kTotal, kProducts };
    using Volumes = std::array<std::optional<double>, kProducts>;
    struct Field {
        int64_t code = 0;
        std::string name, mnemonic;
        bool grouping = false;
        std::optional<int64_t> groupingCode;
        std::string groupingName;
        size_t sector = 0;
        std::vector<size_t> sectors;  // every sector, the main one first
        std::string basin, offshore, fieldType, devStatus, devType;
        std::vector<Share> shares;
        int discoveryYear = 0;
        std::string discoveryDate, consentDate, startDate, ceasedDate, abandonedDate;
        std::optional<int> firstYear, lastYear;
        std::optional<double> waterDepth, api, calorific, sulphur;
        double reservoirDepth = 0, reserves = 0;
        std::string reservoirAge;
        std::vector<int64_t> ages;  // reservoir ages, the main one first
        std::vector<size_t> blocks;
        Volumes rec, rem, techRec, techRem, current, peak;
        std::optional<int64_t> peakYear;
        std::optional<double> totalPV, remainingPV, remainingPVBoe, preTaxIRR, postTaxIRR, postTaxIRRCompany;
        std::optional<double> totalTake, totalTakePerc, remainingTake, remainingTakePerc;
        std::optional<double> capexReal, capexNominal, opexReal, opexNominal, capexPerBoe, capexPerBoeNominal,
            opexPerBoe, opexPerBoeNominal;
        std::vector<AnnualFigures> annual;  // gross, kept only until the field's rows are written
    };
    struct Terminal {
        int64_t code = 0;
        std::string name, country;
        bool grouping = false;
        std::optional<int64_t> groupingCode;
        std::string groupingName;
        bool gas = true, oil = true;
    };
    struct Transport {
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
        std::vector<Share> shares;
    };

    void MakeCompanies();
    void MakeBlocks(const std::vector<size_t>& blocksPerSector);
    void MakeFields(size_t sector, size_t underlying, size_t groupings);
    Field NewField(size_t sector);
    Field Grouping(const std::vector<Field*>& members);
    void MakeWells();
    void MakeTransport();
    void WriteCompanies();
    void WriteBlocks();
    void WriteField(Field& f);
    void WriteTransport();

    std::vector<Share> Participants(const std::string& country);
    const Company& Operator(const std::vector<Share>& shares) const;
    std::string RandomDate(int year);
    size_t PickSector();
    const RefAge* OlderAge(int64_t ageCode);

    struct Inserts;  // the prepared inserts the field rows go through
    std::unique_ptr<Inserts> inserts_;
    const SampleReference& ref_;
    SampleDatabase& core_;
    SampleDatabase& annual_;
    int fieldCount_;
    SampleRandom rnd_;
    SampleNames names_;
    std::vector<Company> companies_;
    std::map<std::string, std::vector<const Company*>> holders_;  // per country, made on first use
    std::vector<Block> blocks_;
    std::vector<std::vector<size_t>> sectorBlocks_;
    std::vector<Field> fields_;
    std::vector<Terminal> terminals_;
    std::vector<Transport> transport_;
    std::vector<SampleIndexEntry> index_;
    Counts counts_;
    int64_t nextFieldCode_ = 1001;
};
