#pragma once
// The answers of FindChild kept beside the document: for one bound element,
// one path and one attribute, the first element (in document order) the path
// names for each value of the attribute.
//
// A criteria list is built one item at a time, and every addition first asks
// FindChild whether an item with the same key is there.  Evaluated afresh,
// each question walks every item, so n additions cost n * n.  Here the first
// question builds a hash of the values, and the additions that follow keep it
// true: a new item is appended without attributes, and when its key is set
// the value goes into the hash.  Whatever else changes the answers (an
// attribute changing its value, an item appended before others with the same
// value, an element removed, markup put in) drops the affected entries, which
// the next question builds again.
//
// Only paths the index can follow are kept: a bare element name (matching at
// any depth below the bound element) or element names joined by "/" (from the
// bound element), for an object bound to an element.  Every other question
// is left to the expression, which gives the same answer.
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <vector>

class FindIndex {
public:
    // True when the index answers for this path: `found` is then the first
    // element below `bound` the path names whose attribute equals the value,
    // or empty when there is none.  False when the caller must evaluate.
    bool Find(pugi::xml_node bound, const std::string& sPath, const std::string& sAttribute,
              const std::string& sValue, pugi::xml_node& found);

    // An element's attribute was set: `existed` whether it was there before,
    // with `oldValue`.
    void AttributeSet(pugi::xml_node element, const std::string& sName, bool existed,
                      const std::string& oldValue, const std::string& newValue);

    // Forgets every entry (an element removed, markup put in).
    void Clear() { entries_.clear(); }

private:
    struct Entry {
        pugi::xml_node bound;
        bool anyDepth = false;           // a bare name, matched at any depth
        std::vector<std::string> steps;  // element names from the bound element
        std::string attribute;
        std::unordered_map<std::string, pugi::xml_node> first;
        uint64_t lastUse = 0;
    };

    static bool IsCandidate(const Entry& e, pugi::xml_node element);
    static void Build(Entry& e);

    std::vector<Entry> entries_;
    uint64_t uses_ = 0;
};
