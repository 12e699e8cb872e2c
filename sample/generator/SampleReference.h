#pragma once
// The reference rows of a freshly scripted core database that the generator
// places its assets with: sectors and their basins, countries, geological
// ages, rigs, and the data set's years.  Read back from the database so that
// the scripts stay the one place these are written.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class SampleDatabase;

struct RefSector {
    int64_t code = 0;
    std::string name, country, countryName, offshore;
    std::optional<double> waterDepthMin, waterDepthMax;
    std::vector<std::string> basins;
};

struct RefAge {
    int64_t ageCode = 0, order = 0;
    std::string eraCode, eraName, periodCode, periodName, formationCode, formationName;
};

struct RefRig {
    int64_t code = 0;
    std::string name, type;
};

class SampleReference {
public:
    // Raises when a table the generator needs is empty or a year is missing.
    static SampleReference Read(SampleDatabase& db);

    std::vector<RefSector> sectors;
    std::vector<RefAge> ages;  // youngest first
    std::vector<RefRig> rigs;
    int dataYear = 0, firstAnnualYear = 0, lastAnnualYear = 0;

    const RefAge* Age(int64_t ageCode) const;
};
