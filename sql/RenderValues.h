#pragma once
// What the renderer's steps share: criteria values written as statement text
// (through sql/SqlValues.h only), the condition groups of ranges and shore
// statuses, and the texts of the warning and the progress counts.
#include <cstdint>
#include <string>
#include <string_view>

class CSQLBuilder;
class IShoreStatusCriteria;

namespace render {

// The most asset codes one narrowing may hand on.
inline constexpr int64_t kMaxCodes = 20000;
inline constexpr const char* kTooLarge =
    "Your results set is too large to process, please refine your query selection.";

// Each function below that refuses a value criteria hand over takes sOf,
// where the query file holds it ("AssetCode@Code", an element and its
// attribute), and names it in the refusal; "" where the value comes from
// the database or a host.

// Where a range criterion's values stand in the query file, named by the
// refusals of its bounds, unit category and unit ("WaterDepthRange@MinValue");
// a range without a unit leaves the last two empty.
struct RangeOf {
    std::string_view min, max, category = {}, unit = {};
};

// A field's reserves and production ranges, read by the field step and,
// for one production year, by the annual narrowing.
inline constexpr RangeOf kReservesOf{"ReservesAndProduction@MinValue", "ReservesAndProduction@MaxValue",
                                     "ReservesAndProduction@UnitCategory",
                                     "ReservesAndProduction@DefaultUnit"};

// A list of quoted texts as a criteria set hands it over ("'A','O''B'", or
// with cQuote '"' "\"OIL\", \"GAS\""), each text written again as one
// literal, joined by ","; "" or blanks give "".  Raises &H80041066 naming the
// list when it is anything else.
std::string QuotedTexts(const std::string& sList, std::string_view sOf, char cQuote = '\'');
// A list of numbers (SqlCodeList): "" for "".  Raises &H80041066 naming an
// item that is no number.
std::string Codes(const std::string& sList, std::string_view sOf = {});
// A bound as entered, written as a number; raises &H80041066 naming it when
// it is no number.
std::string Bound(const std::string& sValue, std::string_view sOf);
// Refuses with &H80041066 a unit category the units component does not
// know, or a unit it does not know in that category, naming it as of names
// it; "" is the category's default unit.  sWritten, when given, is the
// unit as the query file holds it, sUnit having been taken from it: the
// refusal quotes that.
void CheckUnit(const std::string& sCategory, const std::string& sUnit, const RangeOf& of,
               std::string_view sWritten = {});
// A bound as entered in the unit sUnit of the category sCategory, written
// as the number it is in the database's unit; raises &H80041066 naming it
// when it is no number or none once converted, and what the units
// component raises for an unknown category or unit (CheckUnit names those).
std::string ConvertedBound(const std::string& sValue, std::string_view sOf, const std::string& sCategory,
                           const std::string& sUnit);
// A date bound (a date serial as text; "" and 0 mean none): True and the
// date literal "#MM-DD-YYYY#" of its whole days in sLiteral, or False for
// none.  Raises &H80041066 naming it, as written, when it is no number or
// no date.
bool DateBound(const std::string& sValue, std::string_view sOf, std::string& sLiteral);
// A column name the criteria name, checked and bracketed (SqlIdentifier);
// raises &H80041066 naming it when it is no name.
std::string Column(const std::string& sName, std::string_view sOf);
// A column whose name is made of a name the criteria give and the program's
// own text around it (sBefore + sName + sAfter: "PRIMARY_" + a level +
// "_CODE", a name + "_Net"), checked and bracketed.  The criteria's part is
// checked as written, so that a refusal quotes what the query file holds.
std::string Column(const std::string& sBefore, const std::string& sName, const std::string& sAfter,
                   std::string_view sOf);
// A whole number with "," between thousands; "" for 0, as "###,###,###"
// writes it.  Never fails.
std::string CountText(int64_t lCount);
// The number of items of a comma list (0 for ""); never fails.
int64_t ItemCount(const std::string& sList);

// Adds sOpen + sList + sClose ("Block_Code IN (" "1,2" ")") with AND; a list
// that holds no item adds nothing (an IN with nothing in it would be no
// statement at all once the builder drops its empty brackets).
void AddIn(CSQLBuilder& builder, const std::string& sOpen, const std::string& sList,
           const std::string& sClose = ")");
// A date range on the column sName as one condition group of "#...#"
// literals; bounds of "" or 0 are left out, and a range with neither adds
// nothing.  Raises &H80041066 for a name that is no name or a bound that is
// no date, naming it as a "Date" item of the query file holds it.
void AddDateRange(CSQLBuilder& builder, const std::string& sName, const std::string& sMin,
                  const std::string& sMax);
// One condition group for a range: AND, "(", the first condition, the second
// after AND, sInside after AND, ")".  Conditions given as "" are left out,
// and a range with neither of the first two opens no group at all (a group
// left empty would leave its AND behind).  True when a group was added.
bool AddRangeGroup(CSQLBuilder& builder, const std::string& sFirst, const std::string& sSecond,
                   const std::string& sInside = "");
// A range as entered on the column (lower bound >= , upper bound <=), as
// AddRangeGroup adds it; each bound is written as a number.  True when a group
// was added.
bool AddBoundRange(CSQLBuilder& builder, const std::string& sColumn, const std::string& sMin,
                   const std::string& sMax, const RangeOf& of);
// A range given in the unit sUnit of sCategory: the lower bound compared
// with sLowerColumn, the upper with sUpperColumn, both in the database's
// unit (the unit checked first, CheckUnit).  True when a group was added.
bool AddConvertedRange(CSQLBuilder& builder, const std::string& sLowerColumn, const std::string& sUpperColumn,
                       const std::string& sMin, const std::string& sMax, const std::string& sCategory,
                       const std::string& sUnit, const RangeOf& of);
// A search pattern as one LIKE literal, whatever it holds; bFixup first
// turns its quotes into back-quotes and doubles its backslashes, as names
// are stored.
std::string Like(const std::string& sPattern, bool bFixup);
// The shore statuses chosen among "ONSHORE", "OFFSHORE" and "BOTH", in that
// order, as one group of OFFSHORE_CODE conditions joined by OR; nothing when
// none of the three is chosen.
void AddShoreStatusGroup(CSQLBuilder& builder, IShoreStatusCriteria& criteria);

}  // namespace render
