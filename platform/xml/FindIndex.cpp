#include "FindIndex.h"

#include <algorithm>

#include "XmlPath.h"

using namespace xmlpath;

namespace {

// Enough for the sections a caller asks about in turn; the least recently
// used entry goes when another is needed.
constexpr size_t kMostEntries = 16;

// A path the index follows: a bare name, or names joined by "/" (a leading
// "/" means the bound element too).
bool Follow(const std::string& sPath, bool& anyDepth, std::vector<std::string>& steps) {
    if (IsXmlName(sPath)) {
        anyDepth = true;
        steps = {sPath};
        return true;
    }
    SimplePath simple;
    if (!ParseSimplePath(sPath, simple) || !simple.attribute.empty() || simple.elements.empty()) return false;
    anyDepth = false;
    steps = std::move(simple.elements);
    return true;
}

bool Named(pugi::xml_node n, const std::string& name) {
    return n.type() == pugi::node_element && name == n.name();
}

}  // namespace

bool FindIndex::IsCandidate(const Entry& e, pugi::xml_node element) {
    if (!Named(element, e.steps.back())) return false;
    pugi::xml_node n = element.parent();
    if (e.anyDepth) {
        for (; n; n = n.parent()) {
            if (n == e.bound) return true;
        }
        return false;
    }
    for (size_t k = e.steps.size() - 1; k > 0; --k, n = n.parent()) {
        if (!Named(n, e.steps[k - 1])) return false;
    }
    return n == e.bound;
}

void FindIndex::Build(Entry& e) {
    e.first.clear();
    auto note = [&](pugi::xml_node n) {
        pugi::xml_attribute a = n.attribute(e.attribute.c_str());
        if (a) e.first.emplace(a.value(), n);  // the first in document order stays
    };
    if (e.anyDepth) {
        // Depth first, in document order, below the bound element.
        pugi::xml_node n = e.bound.first_child();
        while (n) {
            if (Named(n, e.steps[0])) note(n);
            if (n.first_child()) {
                n = n.first_child();
                continue;
            }
            while (n && n != e.bound && !n.next_sibling()) n = n.parent();
            if (!n || n == e.bound) break;
            n = n.next_sibling();
        }
        return;
    }
    // Level by level: the children of elements in document order are in
    // document order too.
    std::vector<pugi::xml_node> level{e.bound};
    for (size_t k = 0; k < e.steps.size(); ++k) {
        std::vector<pugi::xml_node> next;
        for (pugi::xml_node parent : level) {
            for (pugi::xml_node c = FirstElement(parent); c; c = NextElement(c)) {
                if (e.steps[k] == c.name()) next.push_back(c);
            }
        }
        level = std::move(next);
    }
    for (pugi::xml_node n : level) note(n);
}

bool FindIndex::Find(pugi::xml_node bound, const std::string& sPath, const std::string& sAttribute,
                     const std::string& sValue, pugi::xml_node& found) {
    if (bound.type() != pugi::node_element) return false;
    bool anyDepth = false;
    std::vector<std::string> steps;
    if (!Follow(sPath, anyDepth, steps)) return false;
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.bound == bound && e.anyDepth == anyDepth && e.attribute == sAttribute && e.steps == steps;
    });
    if (it == entries_.end()) {
        if (entries_.size() >= kMostEntries) {
            entries_.erase(
                std::min_element(entries_.begin(), entries_.end(),
                                 [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; }));
        }
        Entry e;
        e.bound = bound;
        e.anyDepth = anyDepth;
        e.steps = std::move(steps);
        e.attribute = sAttribute;
        Build(e);
        entries_.push_back(std::move(e));
        it = entries_.end() - 1;
    }
    it->lastUse = ++uses_;
    auto hit = it->first.find(sValue);
    found = hit == it->first.end() ? pugi::xml_node() : hit->second;
    return true;
}

void FindIndex::AttributeSet(pugi::xml_node element, const std::string& sName, bool existed,
                             const std::string& oldValue, const std::string& newValue) {
    if (existed && oldValue == newValue) return;
    for (auto it = entries_.begin(); it != entries_.end();) {
        Entry& e = *it;
        bool keep = true;
        if (e.attribute == sName && IsCandidate(e, element)) {
            if (existed) {
                keep = false;  // a value moved: the first holder of either may change
            } else {
                auto held = e.first.find(newValue);
                if (held == e.first.end()) {
                    e.first.emplace(newValue, element);
                } else {
                    // The earlier holder stays first only when it is a sibling
                    // before this element, the last of its parent's children.
                    keep = held->second.parent() == element.parent() && !NextElement(element);
                }
            }
        }
        it = keep ? it + 1 : entries_.erase(it);
    }
}
