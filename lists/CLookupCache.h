#pragma once
// One coded look-up list of a reference list: the rows a fill put into a
// host control, kept as "code|name" under "I_" and the row's item number, so
// the criteria sets can turn a picked row back into its code and its name.
// The cache is absent until the list is first filled, and counts as filled
// only once a fill ran its statement to the end: a fill that failed half-way
// leaves what it had added (so the rows already in a control can still be
// looked up) but the next fill reads the statement again.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/runtime/Object.h"

class cvCollection;

class CLookupCache {
public:
    // Starts a fill: a new, empty cache replaces any earlier one.
    void Start();
    // Ends a fill that read every row: from now on the list is replayed from here.
    void Finish() { complete_ = static_cast<bool>(items_); }
    // True once a fill ran to its end (and no fill started since).
    bool Complete() const { return complete_; }
    // Keeps a row under its item number (1, 2, ... in the order added).
    void Add(int32_t lItemNumber, const std::string& sCode, const std::string& sName);
    // False until the first fill started.
    bool Exists() const { return static_cast<bool>(items_); }
    // The cache itself (Nothing while absent), for fills that copy it.
    const Ref<cvCollection>& Items() const { return items_; }

    // The code (text before the first "|") and the name (all the text after
    // it) of the row with that item number; "" while the list was never
    // filled.  A number the fill never handed out raises the
    // collection's error.
    std::string Code(int32_t lID) const;
    std::string Description(int32_t lID) const;
    // The same under the handler of the list member named by sLocation
    // ("CListWell.IListWell_WellTypeCode(lID)"), which passes errors on.
    std::string CodeFor(std::string_view sLocation, int32_t lID) const;
    std::string DescriptionFor(std::string_view sLocation, int32_t lID) const;

private:
    std::string Entry(int32_t lID) const;

    Ref<cvCollection> items_;
    bool complete_ = false;
};
