#pragma once
// Names of the generated assets and companies.  Each country draws field names
// from its own stock of words, so that fields read like the fields of that
// country; once a stock is used up, its words come back with a compass suffix,
// and after that with a number.  Names are unique without regard to case across everything one
// SampleNames hands out.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "SampleRandom.h"

class SampleNames {
public:
    // A field name for a field of the given country (ISO code).
    std::string FieldName(const std::string& country, SampleRandom& rnd);
    // "Greater <member> Area".
    std::string GroupingName(const std::string& memberName);
    // A name not yet handed out: `wanted`, or `wanted` and a number.
    std::string Unique(const std::string& wanted);
    // A mnemonic of ASCII capitals and digits not yet handed out, at most 10 long.
    std::string Mnemonic(const std::string& name);
    // Names of generated companies beyond the named ones: "<word> <kind>".
    static std::string ExtraCompanyStem(size_t index);

private:
    bool Take(const std::string& name);
    std::set<std::string> used_;  // lower-cased
    std::set<std::string> mnemonics_;
    struct Rotation {
        std::vector<std::string> order;
        size_t next = 0;
    };
    std::map<std::string, Rotation> rotations_;
};
