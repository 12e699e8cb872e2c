#pragma once
// The classic Basic variant: the value type of every interface member whose
// value may be of more than one kind (settings values, field values, argument
// lists of error reports, attribute arrays).  Conversions follow the classic
// rules: a Boolean is -1/0 as a number and "True"/"False" as text, Null raises
// 94 when turned into text or a number, a failed conversion raises 13 and an
// overflow 6.  Numbers never go through the C locale.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Object.h"

// Kinds, numbered as the classic VarType numbers them (Missing is the
// "parameter not found" error value an omitted optional argument carries).
enum class VarKind : int {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Object = 9,
    Missing = 10,
    Boolean = 11,
    Array = 8204,  // an array of variants
};

class Variant;
using VariantArray = std::vector<Variant>;

class Variant {
public:
    Variant() = default;  // Empty
    Variant(bool b);
    Variant(int16_t i);
    Variant(int32_t l);
    Variant(int64_t) = delete;  // say which: Long or Currency
    Variant(double d);
    Variant(const char* s);
    Variant(std::string s);
    Variant(std::string_view s);
    Variant(std::shared_ptr<Object> o);
    template <class T>
    Variant(const Ref<T>& r) : Variant(std::static_pointer_cast<Object>(ObjectOf(r))) {}
    Variant(VariantArray a);
    Variant(std::initializer_list<Variant> items);

    static Variant Null();
    static Variant Missing();
    static Variant Date(double serial);
    static Variant Currency(int64_t scaledBy10000);
    static Variant Nothing();  // an Object variant holding no object

    VarKind Kind() const { return kind_; }
    bool IsEmpty() const { return kind_ == VarKind::Empty; }
    bool IsNull() const { return kind_ == VarKind::Null; }
    bool IsMissing() const { return kind_ == VarKind::Missing; }
    bool IsArray() const { return kind_ == VarKind::Array; }
    bool IsObject() const { return kind_ == VarKind::Object; }
    bool IsString() const { return kind_ == VarKind::String; }
    // Integer, Long, Double or Currency.
    bool IsNumber() const;

    // Raw access (no conversion).  Calling one on another kind raises 13.
    const std::string& StringRef() const;
    const VariantArray& ArrayRef() const;
    const std::shared_ptr<Object>& ObjectRef() const;
    int64_t CurrencyRaw() const;  // scaled by 10000
    double DateSerial() const;

    // Conversions with the classic rules.
    std::string ToString() const;  // CStr
    int16_t ToInteger() const;     // CInt (half to even)
    int32_t ToLong() const;        // CLng (half to even)
    double ToDouble() const;       // CDbl
    bool ToBool() const;           // CBool
    double ToDate() const;         // CDate (as a serial)
    int64_t ToCurrency() const;    // CCur (scaled by 10000)

    // The object held, cast to an interface (Nothing for Empty or Nothing;
    // 13 for any other kind or an object without that interface).
    template <class T>
    Ref<T> ToObject() const {
        if (kind_ == VarKind::Empty) return Ref<T>();
        if (kind_ != VarKind::Object) RaiseTypeMismatch();
        if (!obj_) return Ref<T>();
        auto p = std::dynamic_pointer_cast<T>(obj_);
        if (!p) RaiseTypeMismatch();
        return Ref<T>(std::move(p));
    }

    // The classic TypeName of the value ("String", "Long", "Null", ...).
    std::string TypeName() const;

private:
    template <class T>
    static std::shared_ptr<Object> ObjectOf(const Ref<T>& r) {
        return std::dynamic_pointer_cast<Object>(r.shared());
    }

    VarKind kind_ = VarKind::Empty;
    union {
        int64_t cy_ = 0;
        bool b_;
        int16_t i_;
        int32_t l_;
        double d_;  // Double and Date
    };
    std::string s_;
    std::shared_ptr<Object> obj_;
    std::shared_ptr<const VariantArray> arr_;
};

// Classic conversion names, so that a conversion in the library's code names
// the rule it follows (CLng rounds half to even, CStr of Null raises 94).
inline std::string CStr(const Variant& v) { return v.ToString(); }
inline int32_t CLng(const Variant& v) { return v.ToLong(); }
inline int16_t CInt(const Variant& v) { return v.ToInteger(); }
inline double CDbl(const Variant& v) { return v.ToDouble(); }
inline bool CBool(const Variant& v) { return v.ToBool(); }

// Variant arithmetic as the classic run time does it (Null propagates,
// Empty counts as 0, text that is a number is added as a number, text + text
// concatenates, overflow of a Long widens to a Double).
Variant VarAdd(const Variant& a, const Variant& b);
Variant VarSub(const Variant& a, const Variant& b);

// Text of a Double: up to 15 significant digits, "." as decimal point,
// no trailing zeros, exponent form as the classic run time writes it.
std::string DoubleToText(double d);
// Text of a currency value scaled by 10000.
std::string CurrencyToText(int64_t scaled);
// Classic banker's rounding of a Double to a whole number.
double RoundHalfEven(double d);

// Fills the "%<n>" placeholders of a template (n a whole run of digits) with
// the text of the values: entry n - lBase of an array, or the value itself
// for n = lBase when it is not an array (Missing gives no entries).  One pass:
// text that a value brings in is never expanded again.  A placeholder with no
// entry stays as written.  Message texts number their values from 0, host
// command templates from 1.  Each value becomes text through textOf, or
// through ToString (which raises for Null) when textOf is null: error
// messages pass a conversion that cannot fail, so that building the message
// of one error never raises another.
using PlaceholderText = std::string (*)(const Variant&);
std::string FillPlaceholders(std::string_view sTemplate, const Variant& vValues, int32_t lBase,
                             PlaceholderText textOf = nullptr);
