#include "Variant.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "Error.h"
#include "Text.h"

namespace {

[[noreturn]] void Mismatch() { Raise(rt::kTypeMismatch); }
[[noreturn]] void InvalidNull() { Raise(rt::kInvalidNull); }
[[noreturn]] void OverflowError() { Raise(rt::kOverflow); }

}  // namespace

Variant::Variant(bool b) : kind_(VarKind::Boolean) { b_ = b; }
Variant::Variant(int16_t i) : kind_(VarKind::Integer) { i_ = i; }
Variant::Variant(int32_t l) : kind_(VarKind::Long) { l_ = l; }
Variant::Variant(double d) : kind_(VarKind::Double) { d_ = d; }
Variant::Variant(const char* s) : kind_(VarKind::String), s_(s ? s : "") {}
Variant::Variant(std::string s) : kind_(VarKind::String), s_(std::move(s)) {}
Variant::Variant(std::string_view s) : kind_(VarKind::String), s_(s) {}
Variant::Variant(std::shared_ptr<Object> o) : kind_(VarKind::Object), obj_(std::move(o)) {}
Variant::Variant(VariantArray a)
    : kind_(VarKind::Array), arr_(std::make_shared<const VariantArray>(std::move(a))) {}
Variant::Variant(std::initializer_list<Variant> items) : Variant(VariantArray(items)) {}

Variant Variant::Null() {
    Variant v;
    v.kind_ = VarKind::Null;
    return v;
}

Variant Variant::Missing() {
    Variant v;
    v.kind_ = VarKind::Missing;
    return v;
}

Variant Variant::Date(double serial) {
    Variant v;
    v.kind_ = VarKind::Date;
    v.d_ = serial;
    return v;
}

Variant Variant::Currency(int64_t scaled) {
    Variant v;
    v.kind_ = VarKind::Currency;
    v.cy_ = scaled;
    return v;
}

Variant Variant::Nothing() {
    Variant v;
    v.kind_ = VarKind::Object;
    return v;
}

bool Variant::IsNumber() const {
    return kind_ == VarKind::Integer || kind_ == VarKind::Long || kind_ == VarKind::Double ||
           kind_ == VarKind::Currency;
}

const std::string& Variant::StringRef() const {
    if (kind_ != VarKind::String) Mismatch();
    return s_;
}

const VariantArray& Variant::ArrayRef() const {
    if (kind_ != VarKind::Array) Mismatch();
    return *arr_;
}

const std::shared_ptr<Object>& Variant::ObjectRef() const {
    if (kind_ != VarKind::Object) Mismatch();
    return obj_;
}

int64_t Variant::CurrencyRaw() const {
    if (kind_ != VarKind::Currency) Mismatch();
    return cy_;
}

double Variant::DateSerial() const {
    if (kind_ != VarKind::Date) Mismatch();
    return d_;
}

std::string DoubleToText(double d) {
    if (d == 0) return "0";
    if (std::isnan(d)) return "NaN";
    if (std::isinf(d)) return d < 0 ? "-Infinity" : "Infinity";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    // The classic form writes the exponent as E+NN / E-NN.
    auto e = s.find('e');
    if (e != std::string::npos) s[e] = 'E';
    return s;
}

std::string CurrencyToText(int64_t scaled) {
    bool neg = scaled < 0;
    uint64_t a = neg ? (0 - static_cast<uint64_t>(scaled)) : static_cast<uint64_t>(scaled);
    std::string s = std::to_string(a / 10000);
    uint64_t frac = a % 10000;
    if (frac) {
        char f[8];
        std::snprintf(f, sizeof f, "%04u", static_cast<unsigned>(frac));
        std::string fs(f);
        while (!fs.empty() && fs.back() == '0') fs.pop_back();
        s += "." + fs;
    }
    return neg ? "-" + s : s;
}

double RoundHalfEven(double d) {
    double fl = std::floor(d);
    double diff = d - fl;
    if (diff > 0.5) return fl + 1;
    if (diff < 0.5) return fl;
    return std::fmod(fl, 2.0) == 0 ? fl : fl + 1;
}

std::string Variant::ToString() const {
    switch (kind_) {
        case VarKind::Empty:
            return "";
        case VarKind::Null:
            InvalidNull();
        case VarKind::Boolean:
            return b_ ? "True" : "False";
        case VarKind::Integer:
            return std::to_string(i_);
        case VarKind::Long:
            return std::to_string(l_);
        case VarKind::Double:
            return DoubleToText(d_);
        case VarKind::Currency:
            return CurrencyToText(cy_);
        case VarKind::Date:
            return DateToText(d_);
        case VarKind::String:
            return s_;
        default:
            Mismatch();
    }
}

double Variant::ToDouble() const {
    switch (kind_) {
        case VarKind::Empty:
            return 0;
        case VarKind::Null:
            InvalidNull();
        case VarKind::Boolean:
            return b_ ? -1 : 0;
        case VarKind::Integer:
            return i_;
        case VarKind::Long:
            return l_;
        case VarKind::Double:
        case VarKind::Date:
            return d_;
        case VarKind::Currency:
            return static_cast<double>(cy_) / 10000.0;
        case VarKind::String: {
            double d;
            if (!ParseNumber(s_, d)) Mismatch();
            if (std::isinf(d)) OverflowError();
            return d;
        }
        default:
            Mismatch();
    }
}

int32_t Variant::ToLong() const {
    switch (kind_) {
        case VarKind::Long:
            return l_;
        case VarKind::Integer:
            return i_;
        case VarKind::Boolean:
            return b_ ? -1 : 0;
        default:
            break;
    }
    double d = RoundHalfEven(ToDouble());
    if (!(d >= -2147483648.0 && d <= 2147483647.0)) OverflowError();
    return static_cast<int32_t>(d);
}

int16_t Variant::ToInteger() const {
    double d = RoundHalfEven(ToDouble());
    if (!(d >= -32768.0 && d <= 32767.0)) OverflowError();
    return static_cast<int16_t>(d);
}

bool Variant::ToBool() const {
    switch (kind_) {
        case VarKind::Empty:
            return false;
        case VarKind::Null:
            InvalidNull();
        case VarKind::Boolean:
            return b_;
        case VarKind::String: {
            if (EqualsNoCase(Trim(s_), "True")) return true;
            if (EqualsNoCase(Trim(s_), "False")) return false;
            double d;
            if (!ParseNumber(s_, d)) Mismatch();
            return d != 0;
        }
        default:
            return ToDouble() != 0;
    }
}

double Variant::ToDate() const {
    double d = 0;
    switch (kind_) {
        case VarKind::Date:
            return d_;
        case VarKind::String:
            if (ParseDate(s_, d)) return d;
            d = ToDouble();
            break;
        default:
            d = ToDouble();
            break;
    }
    if (!IsDateSerial(d)) OverflowError();
    return d;
}

int64_t Variant::ToCurrency() const {
    if (kind_ == VarKind::Currency) return cy_;
    double d = RoundHalfEven(ToDouble() * 10000.0);
    if (!(d >= -9.2233720368547758e18 && d < 9.2233720368547758e18)) OverflowError();
    return static_cast<int64_t>(d);
}

std::string Variant::TypeName() const {
    switch (kind_) {
        case VarKind::Empty:
            return "Empty";
        case VarKind::Null:
            return "Null";
        case VarKind::Integer:
            return "Integer";
        case VarKind::Long:
            return "Long";
        case VarKind::Double:
            return "Double";
        case VarKind::Currency:
            return "Currency";
        case VarKind::Date:
            return "Date";
        case VarKind::String:
            return "String";
        case VarKind::Object:
            return obj_ ? obj_->TypeName() : "Nothing";
        case VarKind::Missing:
            return "Error";
        case VarKind::Boolean:
            return "Boolean";
        case VarKind::Array:
            return "Variant()";
    }
    return "Unknown";
}

namespace {

// The rank of a numeric kind in the classic widening order.
int Rank(VarKind k) {
    switch (k) {
        case VarKind::Empty:
        case VarKind::Boolean:
        case VarKind::Integer:
            return 1;
        case VarKind::Long:
            return 2;
        case VarKind::Currency:
            return 3;
        case VarKind::Double:
        case VarKind::String:
            return 4;
        case VarKind::Date:
            return 5;
        default:
            return 0;
    }
}

Variant Arith(const Variant& a, const Variant& b, int sign) {
    if (a.IsNull() || b.IsNull()) return Variant::Null();
    int ra = Rank(a.Kind()), rb = Rank(b.Kind());
    if (!ra || !rb) RaiseTypeMismatch();
    int r = std::max(ra, rb);
    if (r == 1 || r == 2) {
        int64_t x = a.ToLong(), y = b.ToLong();
        int64_t z = sign > 0 ? x + y : x - y;
        if (r == 1 && z >= -32768 && z <= 32767) return Variant(static_cast<int16_t>(z));
        if (z >= INT32_MIN && z <= INT32_MAX) return Variant(static_cast<int32_t>(z));
        return Variant(static_cast<double>(z));
    }
    if (r == 3) {
        int64_t x = a.ToCurrency(), y = b.ToCurrency(), z = 0;
        if (sign > 0 ? __builtin_add_overflow(x, y, &z) : __builtin_sub_overflow(x, y, &z)) OverflowError();
        return Variant::Currency(z);
    }
    double x = a.ToDouble(), y = b.ToDouble();
    double z = sign > 0 ? x + y : x - y;
    if (std::isinf(z) && std::isfinite(x) && std::isfinite(y)) OverflowError();
    if (r == 5 && !(a.Kind() == VarKind::Date && b.Kind() == VarKind::Date && sign < 0))
        return Variant::Date(z);
    return Variant(z);
}

}  // namespace

Variant VarAdd(const Variant& a, const Variant& b) {
    if (a.IsString() && b.IsString()) return Variant(a.StringRef() + b.StringRef());
    if (a.IsEmpty() && b.IsString()) return b;
    if (b.IsEmpty() && a.IsString()) return a;
    return Arith(a, b, +1);
}

Variant VarSub(const Variant& a, const Variant& b) { return Arith(a, b, -1); }

std::string FillPlaceholders(std::string_view sTemplate, const Variant& vValues, int32_t lBase,
                             PlaceholderText textOf) {
    const VariantArray* array = vValues.IsArray() ? &vValues.ArrayRef() : nullptr;
    const size_t entries = array ? array->size() : vValues.IsMissing() ? 0 : 1;
    std::string out;
    out.reserve(sTemplate.size());
    size_t i = 0;
    while (i < sTemplate.size()) {
        char c = sTemplate[i];
        size_t digits = i + 1;
        // Digits are read only after a "%": a long run of plain digits is
        // copied in one pass, not scanned again from each of its characters.
        while (c == '%' && digits < sTemplate.size() && sTemplate[digits] >= '0' && sTemplate[digits] <= '9')
            ++digits;
        if (c != '%' || digits == i + 1) {
            out += c;
            ++i;
            continue;
        }
        // A run too long for any index names no entry.
        uint64_t n = 0;
        bool tooLong = digits - i - 1 > 9;
        for (size_t k = i + 1; !tooLong && k < digits; ++k)
            n = n * 10 + static_cast<uint64_t>(sTemplate[k] - '0');
        if (tooLong || n < static_cast<uint64_t>(lBase) || n - lBase >= entries) {
            out.append(sTemplate.substr(i, digits - i));
        } else {
            const Variant& v = array ? (*array)[n - lBase] : vValues;
            out += textOf ? textOf(v) : v.ToString();
        }
        i = digits;
    }
    return out;
}
