#pragma once
// The points of one drawing's bar and line queries, placed by X value, so
// that queries reading different years or categories still pair each value
// with its own X and share one point (and one grid row) per X value.
//
// Each query gives the X values of its records in record order.  A record
// takes the point of the same X value; the n-th repeat of a value within one
// query takes the n-th point of that value, so a query that repeats a value
// keeps a point per record.  A value the points do not hold yet is added in
// order: after the point of the query's record before it, before the point
// of the query's next record whose value was there already, and among the
// points in between by the X axis's own order: Null first, then numbers and
// dates by their value, then texts by their characters, ASCII letter case
// ignored; the other way round where the points run downwards (the last
// before the first).  X values are the same when that order finds
// neither before the other: 1970 and 1970.0 are one X value, "North" and
// "NORTH" one, while the text "1970" is another than the number.
//
// A chart whose queries all read the same X values in the same order gets
// one point per record in record order, exactly as one query alone does.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/runtime/Variant.h"

class ChartXPoints {
public:
    // Places one query's records by their X values (above); returns the
    // query's number for PointsOf.
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
    // An X value in the axis's order: rank 0 Null, 1 numbers and dates, 2
    // texts (folded to lower case); 3 marks a point without a value, which
    // matches nothing and orders before nothing.
    struct Key {
        int rank = 0;
        double number = 0;
        std::string text;
        bool operator<(const Key& o) const;
    };
    static Key KeyOf(const Variant& vValue);
    // A new entry of the value, not yet among the points; returns it.
    size_t NewEntry(const Variant& vValue, const Key& key);

    std::vector<Variant> values_;                 // per entry
    std::vector<Key> keys_;                       // per entry
    std::vector<size_t> order_;                   // the entries in point order
    std::vector<size_t> place_;                   // the 0-based point of each entry
    std::map<Key, std::vector<size_t>> entries_;  // the entries of an X value, in repeat order
    std::vector<std::vector<size_t>> queries_;    // each query's entry per record
};
