#include "cvData.h"

std::string cvData::TextOrDefault(const Variant& vValue, const Variant& vDefault) {
    if (!vValue.IsNull()) return vValue.ToString();
    return vDefault.IsNull() ? "" : vDefault.ToString();
}

Variant cvData::ValueOrDefault(const Variant& vValue, const Variant& vDefault) {
    bool absent = vValue.IsNull() || vValue.IsEmpty() || vValue.IsMissing() ||
                  (vValue.IsString() && vValue.StringRef().empty());
    return absent ? vDefault : vValue;
}
