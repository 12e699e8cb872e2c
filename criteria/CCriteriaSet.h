#pragma once
// What every criteria set shares, and the families of members they are made of.
//
// A set holds one settings document bound to its element of the query XML
// ("General", "Field", ...).  No criterion is kept in a member: every member
// reads or writes the XML at once, so a set rebound to a newly loaded query
// needs no refresh.  Below the bound element lie the set roots ("FieldDetail"),
// below them one section per criterion ("FieldTypes"), below that one item
// per entry ("FieldType") carrying its values as text attributes, the first
// attribute being the entry's key.  All reading and writing goes through the
// query-parameter routines of CTools, which escape values, keep the key
// unique and leave a read-only query as it is.
//
// The model: a set is a table, not code.
//
//   - A Section names one criterion's place and shape: set root, section,
//     item, the attributes an entry writes in writing order, and the test an
//     entry must pass to be added (Acceptance: always, some value not blank,
//     minimum or maximum-with-unit not blank, a number at least n).
//
//   - Every interface member is one line: a family of this class, called with
//     an Op (the member's signature text as its error handler records it,
//     "AddFieldType(lCode)", and how it handles an error: Bare, Pass or End),
//     its argument values for the report (ERR_ARGS(...)), the Section and
//     what the family needs besides:
//
//       void CField::AddFieldType(int32_t lCode) {
//           AddFromList({"AddFieldType(lCode)", Handling::End}, ERR_ARGS(lCode), kFieldTypes,
//                       kFieldTypeList, lCode);
//       }
//       std::string CField::FieldTypeList() { return List({"FieldTypeList()", Handling::Pass},
//                                                         kFieldTypes, "Code", kQuoted); }
//
//     The handler records "<class>.<interface>_<signature>", e.g.
//     "CField.IField_AddFieldType(lCode)", with the argument values; Pass
//     hands the error on, End shows it through the set's display variant
//     (the profile) and returns the result type's empty value, Bare runs
//     without a handler so the error reaches the caller unrecorded.  While
//     a render runs (sql/RenderScope.h), End hands the error on as Pass
//     does: the render shows it once and refuses the query rather than go
//     on with an empty answer.
//
//   - The families: Clear, Count, List (a code or description list, quoted or
//     bare), ByIndex, Add (a given entry, after the section's acceptance
//     test), AddFromList (code and description asked of a reference list for
//     a list position, each through the root afresh), Remove and
//     RemoveFromList (by the key), AddSearch (wildcards "*" and "?" become "%"
//     and "_"; blanks only add nothing), AddDate (section "Dates"; added when
//     either bound is above 0), Search / ByAttribute / SetByKey (an item's
//     other attributes by its key), SingleValue / SetSingleValue (an element's
//     text), and Run for the few members whose body is their own.  Shore
//     statuses are the asset sets' (CAssetCriteriaSet), Modified and the
//     binding are here.  CodesByTemplate is the look-up of one domain's
//     codes by another's through a stored statement.
//
//   - What differs per set and is not per member (class and interface name,
//     display variant, the handling of construction, binding and Modified,
//     and of the shore-status members) is the set's CriteriaSetProfile.
#include <charconv>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/ErrorDisplay.h"
#include "core/ErrorHandler.h"
#include "core/StoredValues.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IDataLists.h"
#include "interfaces/ISettingsObject2.h"
#include "sql/RenderScope.h"

// How one member handles an error.
enum class Handling : char {
    Bare,  // no handler: the error reaches the caller unrecorded
    Pass,  // records the member and passes the error on
    End,   // records the member, shows the error and returns normally (outside a render)
};

struct CriteriaSetProfile {
    const char* className;      // "CField"
    const char* interfaceName;  // "IField"
    ErrDisplay display;         // how an ended error is shown
    Handling construction;      // Class_Initialize
    Handling binding;           // ISettingsObject2_Settings and Modified
    Handling shoreStatus;       // AddShoreStatus, ShoreStatus, RemoveShoreStatus, ClearShoreStatuses
    Handling shoreStatusCount;  // ShoreStatusCount
};

// One interface member as its handler knows it.
struct Op {
    const char* signature;  // "AddFieldType(lCode)": name and argument names
    Handling handling;
};

// The attribute names an entry writes, in writing order; the first is its key.
struct Attributes {
    static constexpr int kMost = 12;
    constexpr Attributes(std::initializer_list<const char*> list) {
        for (const char* name : list) names[count++] = name;
    }
    const char* names[kMost]{};
    int count = 0;
    constexpr const char* const* begin() const { return names; }
    constexpr const char* const* end() const { return names + count; }
    constexpr const char* Key() const { return names[0]; }
};

// When an adder writes an entry.  The test looks at the values of the named
// attributes (a value is blank when it is empty after trimming blanks).
struct Acceptance {
    enum Kind : char {
        Always,            // every entry
        AnyNotBlank,       // some named value is not blank
        MinOrMaxWithUnit,  // the first is not blank, or the second and the third both are not
        AtLeast,           // the first named value, a decimal number, is at least `least`
    };
    Kind kind = Always;
    const char* names[4]{};
    int32_t least = 0;
};

constexpr Acceptance AcceptAlways() { return {}; }
constexpr Acceptance AcceptAnyNotBlank(const char* a, const char* b = nullptr, const char* c = nullptr,
                                       const char* d = nullptr) {
    return {Acceptance::AnyNotBlank, {a, b, c, d}, 0};
}
constexpr Acceptance AcceptMinOrMaxWithUnit(const char* min, const char* max, const char* unit) {
    return {Acceptance::MinOrMaxWithUnit, {min, max, unit, nullptr}, 0};
}
constexpr Acceptance AcceptAtLeast(const char* name, int32_t least) {
    return {Acceptance::AtLeast, {name, nullptr, nullptr, nullptr}, least};
}

// One criterion's place in the query XML and the shape of its entries.
struct Section {
    const char* root;     // "FieldDetail"
    const char* section;  // "FieldTypes"
    const char* item;     // "FieldType"
    Attributes attributes;
    Acceptance accept = AcceptAlways();
};

// The date ranges of a set root: section "Dates", item "Date".
constexpr Section DatesOf(const char* root) {
    return {root,
            "Dates",
            "Date",
            {"FieldName", "Description", "DateHigh", "DateLow", "DateStringHigh", "DateStringLow"}};
}

// A reference list's look-up of one criterion: the list the root hands out,
// and its code and description for an item number.
template <class L>
struct ListEntry {
    Ref<L> (IDataLists::*list)();
    std::string (L::*code)(int32_t);
    std::string (L::*description)(int32_t);
};

// A list's quoting, for List.
inline constexpr bool kQuoted = true;
inline constexpr bool kBare = false;
// What an empty code removes, for RemoveFromList.
inline constexpr bool kKeepUnnamed = true;

// The argument values of a member for its error report: ERR_ARGS(...) at the
// call, or nothing.  It refers to the caller's values; it lives for the call.
class MemberArgs {
public:
    MemberArgs() = default;
    template <class F, class = std::enable_if_t<std::is_invocable_r_v<Variant, F&>>>
    MemberArgs(F&& f)  // NOLINT: made from ERR_ARGS at each call
        : obj_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
          call_([](void* o) -> Variant { return (*static_cast<std::remove_reference_t<F>*>(o))(); }) {}
    Variant operator()() const { return call_ ? call_(obj_) : Variant::Missing(); }

private:
    void* obj_ = nullptr;
    Variant (*call_)(void*) = nullptr;
};

// Decimal text of a whole number, as every value is stored.
inline std::string DecimalText(int32_t l) {
    char buffer[16];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, l).ptr;
    return std::string(buffer, end);
}
// "True" or "False", as flags are stored.
inline std::string FlagText(bool b) { return b ? "True" : "False"; }

class CCriteriaSet : public virtual ICriteriaSet, public ISettingsObject2 {
public:
    // ISettingsObject2: binds the set to its element of the query.
    void Settings(const Ref<ISettings2>& oSettings) override;

    bool Modified() override;
    // Ignored while the active query is read-only.
    void SetModified(bool bModified) override;

    // The display of the members that end their errors.
    ErrorDisplayTarget HandlerDisplay() const { return {profile_.display, nullptr}; }
    void ShowErrorReport() const { ::ShowErrorReport(HandlerDisplay()); }

    std::string TypeName() const override { return profile_.className; }

protected:
    explicit CCriteriaSet(const CriteriaSetProfile& profile);

    // "CField.IField_<signature>" ("CField.Class_Initialize()" and
    // "CField.ISettingsObject2_Settings(oSettings)" as they are): what a
    // member's handler records.
    std::string Signature(std::string_view sSignature) const;

    // Runs a member's body under its handling.  The signature text is made
    // only when an error arrives.
    template <class Body>
    auto Run(const Op& op, const MemberArgs& args, Body&& body) -> std::invoke_result_t<Body&> {
        using R = std::invoke_result_t<Body&>;
        if (op.handling == Handling::Bare) return body();
        try {
            return body();
        } catch (...) {
            std::string location = Signature(op.signature);
            // Within a render an ended failure would leave an empty answer
            // for the render to go on with: the render refuses instead.
            if (op.handling == Handling::Pass || RenderInProgress())
                ErrPassOnCaught(location, ErrArgsRef(args));
            ErrEndCaught(HandlerDisplay(), location, ErrArgsRef(args));
        }
        if constexpr (!std::is_void_v<R>) return R{};
    }

    // ---- the families

    // Empties the section (it stays, without items).
    void Clear(const Op& op, const Section& s);
    // The number of items of the section; 0 when it is missing.
    int32_t Count(const Op& op, const Section& s);
    // The non-empty values of one attribute over the items, joined by ",",
    // each between single quotes when quoted.
    std::string List(const Op& op, const Section& s, const char* sAttribute, bool bQuoted = kBare);
    // One attribute of the item at the 0-based index, trimmed; "" past the end.
    std::string ByIndex(const Op& op, const MemberArgs& args, const Section& s, const char* sAttribute,
                        int32_t lIndex);
    // Adds an entry with the values in the order of the section's attributes
    // (fewer values leave the last attributes empty), when it passes the
    // section's acceptance test and no item has its key yet.
    void Add(const Op& op, const MemberArgs& args, const Section& s, std::vector<std::string> values);
    // Adds the code and description a reference list caches for a list
    // position, whatever the two look-ups return.
    template <class L>
    void AddFromList(const Op& op, const MemberArgs& args, const Section& s, const ListEntry<L>& entry,
                     int32_t lID) {
        Run(op, args, [&] {
            std::string code = ((*ListOf(entry.list)).*entry.code)(lID);
            std::string description = ((*ListOf(entry.list)).*entry.description)(lID);
            AddValues(s, {std::move(code), std::move(description)});
        });
    }
    // Removes the item whose key is the value.
    void Remove(const Op& op, const MemberArgs& args, const Section& s, const std::string& sKey);
    // Removes the item whose key is the code a reference list caches for a
    // list position.  With kKeepUnnamed an empty code (the list was never
    // filled) removes nothing, instead of the item an unfilled list added.
    template <class L>
    void RemoveFromList(const Op& op, const MemberArgs& args, const Section& s, const ListEntry<L>& entry,
                        int32_t lID, bool bKeepUnnamed = false) {
        Run(op, args, [&] {
            std::string code = ((*ListOf(entry.list)).*entry.code)(lID);
            if (!(bKeepUnnamed && code.empty())) RemoveKey(s, code);
        });
    }
    // Adds a search text as the key, with the wildcards made the database's;
    // a text of blanks only adds nothing.
    void AddSearch(const Op& op, const MemberArgs& args, const Section& s, const std::string& sText);
    // Adds a date range (section "Dates" of the set root) when either bound is above 0.
    void AddDate(const Op& op, const MemberArgs& args, const char* root, const std::string& sFieldName,
                 const std::string& sDescription, int32_t lDateHigh, int32_t lDateLow,
                 const std::string& sDateStringHigh, const std::string& sDateStringLow);
    // An attribute, as stored, of the first item anywhere below the bound
    // element whose key attribute has the value; "" when there is none.
    std::string Search(const Op& op, const MemberArgs& args, const Section& s, const char* sKeyAttribute,
                       const std::string& sKeyValue, const char* sAttribute);
    // The same within the section.
    std::string ByAttribute(const Op& op, const MemberArgs& args, const Section& s, const char* sKeyAttribute,
                            const std::string& sKeyValue, const char* sAttribute);
    // Sets one attribute of the item whose key attribute has the value; nothing when there is none.
    void SetByKey(const Op& op, const MemberArgs& args, const Section& s, const char* sKeyAttribute,
                  const std::string& sKeyValue, const char* sAttribute, const std::string& sValue);
    // The text of an element root/section/element; "False" when it is absent or empty.
    std::string SingleValue(const Op& op, const MemberArgs& args, const char* root, const char* section,
                            const char* element);
    // Writes the text of an element root/section/element, making what is missing.
    void SetSingleValue(const Op& op, const MemberArgs& args, const char* root, const char* section,
                        const char* element, const std::string& sValue);

    // The codes a stored statement finds for a list of numeric codes: the
    // Options template sKey with every sPlaceholder replaced by sCodes (each
    // item checked to be a number; anything else raises &H80041066 naming
    // it), run on the root's connection; the column's non-Null values in row
    // order, not de-duplicated, joined by ","; "" when no row has one.
    std::string CodesByTemplate(const Op& op, const MemberArgs& args, const char* sKey,
                                const char* sPlaceholder, const std::string& sCodes, const char* sColumn);

    // ---- the steps the families are made of, for members that combine them

    void AddValues(const Section& s, std::vector<std::string> values);
    void RemoveKey(const Section& s, const std::string& sKey);
    static bool Accepts(const Section& s, const std::vector<std::string>& values);
    template <class L>
    static Ref<L> ListOf(Ref<L> (IDataLists::*list)()) {
        return ((*ListsOfRoot()).*list)();
    }
    static Ref<IDataLists> ListsOfRoot();

    const CriteriaSetProfile& profile_;
    // The set's whole state: the query XML below the set's element.
    Ref<ISettings2> settings_;
};
