#include "SampleContext.h"

#include <cmath>

#include "SampleText.h"
#include "platform/runtime/Text.h"

SampleContext::SampleContext(const SampleReference& reference, SampleDatabase& coreDb,
                             SampleDatabase& annualDb, int fields, uint64_t seed)
    : ref(reference), core(coreDb), annual(annualDb), fieldCount(fields), rnd(seed) {}

std::string SampleContext::RandomDate(int year) {
    const int month = static_cast<int>(rnd.Int(1, 12));
    const int day = static_cast<int>(rnd.Int(1, 28));
    return IsoDate(year, month, day);
}

const RefAge* SampleContext::OlderAge(int64_t ageCode) {
    const RefAge* a = ref.Age(ageCode);
    if (!a) return nullptr;
    std::vector<const RefAge*> older;
    for (const RefAge& o : ref.ages)
        if (o.order > a->order && o.order <= a->order + 4) older.push_back(&o);
    return older.empty() ? a : older[rnd.Index(older.size())];
}

double Round(double v, int decimals) {
    const double f = std::pow(10.0, decimals);
    return std::round(v * f) / f;
}

std::optional<double> Round(const std::optional<double>& v, int decimals) {
    return v ? std::optional<double>(Round(*v, decimals)) : std::nullopt;
}

std::string ShoreChar(const std::string& offshore) {
    return offshore == "ONSHORE" ? "L" : offshore == "BOTH" ? "B" : "O";
}

std::string DateText(double serial) {
    const DateParts p = SplitDate(serial);
    return IsoDate(p.year, p.month, p.day);
}

double SerialOf(const std::string& iso) {
    return DateSerial(static_cast<int>(Val(iso.substr(0, 4))), static_cast<int>(Val(iso.substr(5, 2))),
                      static_cast<int>(Val(iso.substr(8, 2))));
}

int YearOf(const std::string& isoDate) { return static_cast<int>(Val(isoDate.substr(0, 4))); }
