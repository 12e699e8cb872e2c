#include "charts/ChartXPoints.h"

#include "platform/runtime/Text.h"

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
        default:
            key.rank = 2;
            key.text = LCase(vValue.ToString());
            break;
    }
    return key;
}

size_t ChartXPoints::NewEntry(const Variant& vValue, const Key& key) {
    values_.push_back(vValue);
    keys_.push_back(key);
    place_.push_back(SIZE_MAX);
    return values_.size() - 1;
}

size_t ChartXPoints::Add(const std::vector<Variant>& vValues) {
    const size_t n = vValues.size();
    const size_t before = order_.size();
    // Which records meet a value (and repeat of it) that an earlier query placed.
    std::vector<Key> keys(n);
    std::vector<size_t> known(n, SIZE_MAX);
    std::map<Key, size_t> repeats;
    for (size_t i = 0; i < n; ++i) {
        keys[i] = KeyOf(vValues[i]);
        const size_t repeat = repeats[keys[i]]++;
        auto it = entries_.find(keys[i]);
        if (it != entries_.end() && repeat < it->second.size()) known[i] = it->second[repeat];
    }
    // The next record whose point is known, for the bound of the values before it.
    std::vector<size_t> nextKnown(n, SIZE_MAX);
    for (size_t i = n; i-- > 0;)
        nextKnown[i] = known[i] != SIZE_MAX ? i : (i + 1 < n ? nextKnown[i + 1] : SIZE_MAX);

    // Points that run downwards (the last before the first) take new ones downwards too.
    const bool downwards = before > 1 && keys_[order_[before - 1]] < keys_[order_[0]];

    // New values are placed against the points there were: slot j holds, in
    // the order they came, the new points that go before old point j (slot
    // `before` those after the last), so that the points are put together
    // once, however many are new.
    std::vector<std::vector<size_t>> slots(before + 1);
    std::vector<size_t> records(n);
    size_t low = 0;  // the first old point the next new value may go before
    for (size_t i = 0; i < n; ++i) {
        if (known[i] != SIZE_MAX) {
            records[i] = known[i];
            low = place_[known[i]] + 1;
            continue;
        }
        const size_t next = i + 1 < n ? nextKnown[i + 1] : SIZE_MAX;
        size_t high = next == SIZE_MAX ? before : place_[known[next]];
        // A query in another order than the points looks among all the points after its last one.
        if (high < low) high = before;
        size_t at = high;
        for (size_t p = low; p < high; ++p) {
            const Key& there = keys_[order_[p]];
            if (there.rank != 3 && (downwards ? there < keys[i] : keys[i] < there)) {
                at = p;
                break;
            }
        }
        records[i] = NewEntry(vValues[i], keys[i]);
        entries_[keys[i]].push_back(records[i]);
        slots[at].push_back(records[i]);
        low = at;
    }

    std::vector<size_t> order;
    order.reserve(values_.size());
    for (size_t j = 0; j <= before; ++j) {
        order.insert(order.end(), slots[j].begin(), slots[j].end());
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
