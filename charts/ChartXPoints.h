#pragma once
// The points of one drawing's bar and line queries, placed by X value, so
// that queries reading different years or categories still pair each value
// with its own X and share one point (and one grid row) per X value.
//
// X values.  Null (and Empty) is one X value.  Numbers, dates, texts that
// are exactly the canonical writing of a number and texts that are exactly
// the database's writing of a date ("1987-06-09", or with " HH:MM:SS") are
// compared by their number: 1970, 1970.0, the text "1970" and a date whose
// serial number is 1970 are one X value, and so are a date and its text,
// while "01970", "1970 ", "1,970", "1987-6-9" and "1987-06-09 " are texts.
// Other texts are one X value when they differ in ASCII letter case alone.
//
// Order.  Each query gives the X values of its records in record order.  The
// first query's records take their points in that order, whatever it is, as
// one query alone draws them.  A later query's record takes the point of its
// X value; the n-th repeat of a value within one query takes the n-th point
// of that value, a repeat beyond those standing right after them.  A value
// the points do not hold yet is placed in the axis's order, Null before
// numbers before texts:
//   - Null, a number or a date goes between the points by value: after a
//     point that stands before it and before one that stands after it, the
//     numbers running the way the points there run (downwards when the first
//     number of the axis is greater than its last), so an axis that runs in
//     order, up or down, stays in that order whatever order the later queries
//     come in;
//   - a text, which has no order of its own, stands before the text that
//     follows it in the query that brings it and is a point already (the
//     texts in between, new too, in the query's order); with none after it,
//     at the end.
// Values that one query adds between the same two points stand in the
// axis's order among themselves, texts in the order the query gives them.
//
// Placing a query of n records among N points costs O(N + n log(n + N)).
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/runtime/Variant.h"

class ChartXPoints {
public:
    // Places one query's records by their X values (above); returns the
    // query's number for PointsOf (0, 1, ... in the order the queries are
    // added, by value or by position).
    size_t Add(const std::vector<Variant>& vValues);
    // Places one query without X values record by record on the points there
    // are (record n on point n), adding points without a value after them
    // for the records beyond; called after every query placed by value, so
    // that it pairs with their points.  Returns the query's number.
    size_t AddByPosition(int32_t lRecords);
    // The 1-based point of each record of query nQuery, in record order; final
    // once every query is added.
    std::vector<int32_t> PointsOf(size_t nQuery) const;
    // The number of points.
    int32_t Count() const { return static_cast<int32_t>(order_.size()); }
    // The X value of a 1-based point as the first query that had it gave it;
    // Empty for a point that a query without X values added.
    const Variant& Value(int32_t lPoint) const;

private:
    // An X value: rank 0 Null, 1 numbers and dates (by their number), 2 texts
    // (folded to lower case); 3 marks a point without a value, which matches
    // nothing.  operator< tells X values apart (and keys the map); it is no
    // order of the axis.
    struct Key {
        int rank = 0;
        double number = 0;
        std::string text;
        bool operator<(const Key& o) const;
    };
    static Key KeyOf(const Variant& vValue);
    // True when a stands before b on the axis: by rank, numbers by value
    // (the greater first when bDownwards); texts stand before no other text.
    static bool Before(const Key& a, const Key& b, bool bDownwards);
    // True when the numbers among the points run downwards.
    bool Downwards() const;
    // The first old point (0-based, up to the count) that stands after key.
    size_t PointAfter(const Key& key, bool bDownwards) const;
    // A new entry of the value, not yet among the points, found by its value
    // from then on (unless it has none); returns it.
    size_t NewEntry(const Variant& vValue, const Key& key);

    std::vector<Variant> values_;                 // per entry
    std::vector<Key> keys_;                       // per entry
    std::vector<size_t> order_;                   // the entries in point order
    std::vector<size_t> place_;                   // the 0-based point of each entry
    std::map<Key, std::vector<size_t>> entries_;  // the entries of an X value, in repeat order
    std::vector<std::vector<size_t>> queries_;    // each query's entry per record
};
