#include "charts/ChartXPoints.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/Text.h"

namespace {
constexpr size_t kNone = SIZE_MAX;

// True when the text is exactly how the database writes a date, "YYYY-MM-DD"
// or that followed by " HH:MM:SS" (midnight too): the serial then is the
// date's.  Any other writing a date parser would take ("1987-6-9", blanks
// around it) is no such text.
bool IsDatabaseDate(const std::string& text, double& serial) {
    if (!ParseDate(text, serial)) return false;
    const std::string written = DateToText(serial);
    return text == written || (written.size() == 10 && text == written + " 00:00:00");
}
}  // namespace

bool ChartXPoints::Key::operator<(const Key& o) const {
    if (rank != o.rank) return rank < o.rank;
    if (rank == 1) return number < o.number;
    if (rank == 2) return text < o.text;
    return false;
}

ChartXPoints::Key ChartXPoints::KeyOf(const Variant& vValue) {
    Key key;
    switch (vValue.Kind()) {
        case VarKind::Empty:
        case VarKind::Null:
            break;
        case VarKind::Integer:
        case VarKind::Long:
        case VarKind::Double:
        case VarKind::Currency:
        case VarKind::Boolean:
            key.rank = 1;
            key.number = vValue.ToDouble();
            break;
        case VarKind::Date:
            key.rank = 1;
            key.number = vValue.DateSerial();
            break;
        case VarKind::String: {
            // A year read as text (strftime, a cast) is the year beside a column of numbers,
            // and a date an aggregate gives as text (MAX of a date column) the date beside the
            // column's own dates; a text written otherwise ("01970", "1970 ", "1987-6-9") is
            // no number's or date's writing.
            const std::string& text = vValue.StringRef();
            double number = 0;
            if (ParseNumber(text, number) && std::isfinite(number) && DoubleToText(number) == text) {
                key.rank = 1;
                key.number = number;
            } else if (IsDatabaseDate(text, number)) {
                key.rank = 1;
                key.number = number;
            } else {
                key.rank = 2;
                key.text = LCase(text);
            }
            break;
        }
        default:
            key.rank = 2;
            key.text = LCase(vValue.ToString());
            break;
    }
    return key;
}

bool ChartXPoints::Before(const Key& a, const Key& b, bool bDownwards) {
    if (a.rank != b.rank) return a.rank < b.rank;
    if (a.rank == 1) return bDownwards ? b.number < a.number : a.number < b.number;
    return false;
}

bool ChartXPoints::Downwards() const {
    auto isNumber = [&](size_t entry) { return keys_[entry].rank == 1; };
    const auto first = std::find_if(order_.begin(), order_.end(), isNumber);
    if (first == order_.end()) return false;
    const auto last = std::find_if(order_.rbegin(), order_.rend(), isNumber);
    return keys_[*last].number < keys_[*first].number;
}

size_t ChartXPoints::PointAfter(const Key& key, bool bDownwards) const {
    // Halving keeps a point not after the key before the bound and one after
    // it at the bound, so the place lies between two such neighbours even
    // where the first query left the points out of order.
    size_t low = 0, high = order_.size();
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        if (Before(key, keys_[order_[mid]], bDownwards))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

size_t ChartXPoints::NewEntry(const Variant& vValue, const Key& key) {
    values_.push_back(vValue);
    keys_.push_back(key);
    place_.push_back(kNone);
    const size_t entry = values_.size() - 1;
    // A point without a value matches no record of a later query.
    if (key.rank != 3) entries_[key].push_back(entry);
    return entry;
}

size_t ChartXPoints::Add(const std::vector<Variant>& vValues) {
    const size_t n = vValues.size();
    const size_t before = order_.size();
    std::vector<size_t> records(n);
    if (before == 0) {
        // The first query draws as it would alone: its records' order is the points' order.
        for (size_t i = 0; i < n; ++i) {
            const Key key = KeyOf(vValues[i]);
            records[i] = NewEntry(vValues[i], key);
            place_[records[i]] = order_.size();
            order_.push_back(records[i]);
        }
        queries_.push_back(std::move(records));
        return queries_.size() - 1;
    }

    // Which records meet a value (and repeat of it) that the points hold; of
    // those that do not, which repeat a value beyond the points it has.
    std::vector<Key> keys(n);
    std::vector<size_t> known(n, kNone), beyond(n, kNone), first(n);
    std::map<Key, std::pair<size_t, size_t>> seen;  // the first record of a value, and its count so far
    for (size_t i = 0; i < n; ++i) {
        keys[i] = KeyOf(vValues[i]);
        auto& [firstRecord, count] = seen.try_emplace(keys[i], i, 0).first->second;
        first[i] = firstRecord;
        const size_t repeat = count++;
        auto it = entries_.find(keys[i]);
        if (it == entries_.end()) continue;
        if (repeat < it->second.size())
            known[i] = it->second[repeat];
        else
            beyond[i] = it->second.back();
    }
    // From each record on, the first whose value is a text among the points.
    std::vector<size_t> follower(n + 1, kNone);
    for (size_t i = n; i-- > 0;) follower[i] = known[i] != kNone && keys[i].rank == 2 ? i : follower[i + 1];

    // Each new record's slot: the old point it goes before (`before` for
    // after the last), so that the points are put together once however
    // many are new.
    const bool downwards = Downwards();
    std::vector<size_t> slot(n, kNone);
    std::vector<size_t> fresh;
    for (size_t i = 0; i < n; ++i) {
        if (known[i] != kNone) {
            records[i] = known[i];
            continue;
        }
        if (beyond[i] != kNone) {
            slot[i] = place_[beyond[i]] + 1;
        } else if (first[i] != i) {
            slot[i] = slot[first[i]];
        } else if (keys[i].rank == 2) {
            const size_t next = follower[i + 1];
            slot[i] = next == kNone ? before : place_[known[next]];
        } else {
            slot[i] = PointAfter(keys[i], downwards);
        }
        fresh.push_back(i);
    }
    // Within a slot: a repeat right after the point it repeats, then the
    // axis's order, texts (and repeats) as the query gives them.
    std::stable_sort(fresh.begin(), fresh.end(), [&](size_t a, size_t b) {
        if (slot[a] != slot[b]) return slot[a] < slot[b];
        const bool repeatA = beyond[a] != kNone, repeatB = beyond[b] != kNone;
        if (repeatA != repeatB) return repeatA;
        if (Before(keys[a], keys[b], downwards)) return true;
        if (Before(keys[b], keys[a], downwards)) return false;
        return first[a] < first[b];
    });
    for (size_t i : fresh) records[i] = NewEntry(vValues[i], keys[i]);

    std::vector<size_t> order;
    order.reserve(before + fresh.size());
    size_t f = 0;
    for (size_t j = 0; j <= before; ++j) {
        for (; f < fresh.size() && slot[fresh[f]] == j; ++f) order.push_back(records[fresh[f]]);
        if (j < before) order.push_back(order_[j]);
    }
    order_ = std::move(order);
    for (size_t p = 0; p < order_.size(); ++p) place_[order_[p]] = p;
    queries_.push_back(std::move(records));
    return queries_.size() - 1;
}

size_t ChartXPoints::AddByPosition(int32_t lRecords) {
    std::vector<size_t> records;
    Key none;
    none.rank = 3;
    for (int32_t r = 0; r < lRecords; ++r) {
        const size_t p = static_cast<size_t>(r);
        if (p < order_.size()) {
            records.push_back(order_[p]);
            continue;
        }
        records.push_back(NewEntry(Variant(), none));
        place_.back() = order_.size();
        order_.push_back(records.back());
    }
    queries_.push_back(std::move(records));
    return queries_.size() - 1;
}

std::vector<int32_t> ChartXPoints::PointsOf(size_t nQuery) const {
    const std::vector<size_t>& records = queries_.at(nQuery);
    std::vector<int32_t> points;
    points.reserve(records.size());
    for (size_t entry : records) points.push_back(static_cast<int32_t>(place_[entry]) + 1);
    return points;
}

const Variant& ChartXPoints::Value(int32_t lPoint) const {
    return values_.at(order_.at(static_cast<size_t>(lPoint - 1)));
}
