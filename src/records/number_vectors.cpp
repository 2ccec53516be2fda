#include "records/number_vectors.h"

#include <algorithm>
#include <cmath>

#include "records/field_parsing.h"
#include "records/number_format.h"

namespace kirvos {

namespace {

// The shared growth rule: room for one more entry, growing by the increment when
// count > capacity - 2. false when there is no storage or no way to grow.
bool MakeRoom(int count, int& capacity, int increment) {
    if (capacity <= 0) return false;
    if (count > capacity - 2) {
        if (increment <= 0) return false;
        capacity += increment;
    }
    return true;
}

}  // namespace

DOFlukuvektori::DOFlukuvektori(int capacity, int increment)
    : capacity_(capacity), increment_(increment) {}

int DOFlukuvektori::InsertPosition(double value) const {
    // The list is sorted, so the only candidates for a duplicate are the neighbours of the
    // insertion point: the last element not greater than value and the first one greater.
    const auto it = std::upper_bound(values_.begin(), values_.end(), value);
    auto duplicate = [&](double e) { return e - tolerance_ < value && value < e + tolerance_; };
    if (it != values_.end() && duplicate(*it)) return -1;
    if (it != values_.begin() && duplicate(*(it - 1))) return -1;
    return static_cast<int>(it - values_.begin());
}

int DOFlukuvektori::Add(double value) {
    // A NaN position has no place in a sorted list and would break every later search.
    if (capacity_ <= 0 || std::isnan(value)) return -1;
    const int position = InsertPosition(value);
    if (position < 0) return -1;
    if (!MakeRoom(Count(), capacity_, increment_)) return -1;
    const int at = std::min(position, Count());
    values_.insert(values_.begin() + at, value);
    return at;
}

DOFlukuparivektori::DOFlukuparivektori(int capacity, int increment)
    : capacity_(capacity), increment_(increment) {}

int DOFlukuparivektori::Add(int key, double value) {
    const auto it = std::upper_bound(keys_.begin(), keys_.end(), key);
    if (it != keys_.begin() && *(it - 1) == key) return -1;
    if (!MakeRoom(Count(), capacity_, increment_)) return -1;
    const auto position = it - keys_.begin();
    keys_.insert(it, key);
    values_.insert(values_.begin() + position, value);
    return static_cast<int>(position);
}

bool DOFlukuparivektori::Find(int key, double& value) const {
    const auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
    if (it == keys_.end() || *it != key) {
        value = 0.0;
        return false;
    }
    value = values_[static_cast<std::size_t>(it - keys_.begin())];
    return true;
}

void DOFlukuparivektori::Set(int key, double value) {
    const auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
    if (it != keys_.end() && *it == key) values_[static_cast<std::size_t>(it - keys_.begin())] = value;
}

double DOFlukuparivektori::Value(int key) const {
    double value = 0.0;
    Find(key, value);
    return value;
}

int DOFlukuparivektori::RoundedValue(int key) const {
    double value = 0.0;
    if (!Find(key, value)) return 0;
    // Values come from files (up to 1e36); converting one beyond the integer range would be undefined,
    // so such values saturate at the integer limits (NaN reads as 0).
    const double rounded = std::floor(value + 0.5);
    if (!(rounded == rounded)) return 0;
    if (rounded >= 2147483647.0) return 2147483647;
    if (rounded <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(rounded);
}

int DOFlukuparivektori::FormatPair(int position, std::string& buffer) const {
    buffer.clear();
    if (position < 0 || position >= Count()) return 0;
    AppendInt(buffer, keys_[static_cast<std::size_t>(position)]);
    buffer += ';';
    AppendReal(buffer, values_[static_cast<std::size_t>(position)], 3);
    return static_cast<int>(buffer.size());
}

int DOFlukuparivektori::ParsePair(std::string_view line) {
    static const int kPairMap[] = {2, kFieldInt, kFieldReal};
    int key = 0;
    double value = 0.0;
    const int code = ParseFields(';', line, kPairMap, nullptr, &value, &key);
    if (code < 0) return code;
    return Add(key, value) < 0 ? -1 : 1;
}

bool DOFlukuparivektori::Identical(const DOFlukuparivektori& other) const {
    return keys_ == other.keys_ && values_ == other.values_;
}

DOFlukupariJoukko::DOFlukupariJoukko(int capacity, int increment)
    : capacity_(capacity), increment_(increment) {}

int DOFlukupariJoukko::FindIdentical(const DOFlukuparivektori& map) const {
    for (int i = 0; i < Count(); ++i) {
        if (maps_[static_cast<std::size_t>(i)].Identical(map)) return i;
    }
    return -1;
}

int DOFlukupariJoukko::AddUnique(const DOFlukuparivektori& map) {
    if (FindIdentical(map) >= 0) return -1;
    if (!MakeRoom(Count(), capacity_, increment_)) return -1;
    DOFlukuparivektori copy(20, 20);
    for (int i = 0; i < map.Count(); ++i) copy.Add(map.KeyAt(i), map.ValueAt(i));
    maps_.push_back(std::move(copy));
    return Count() - 1;
}

int DOFlukupariJoukko::Get(int index, DOFlukuparivektori& target) const {
    if (index < 0 || index >= Count()) return -2;
    target.Clear();
    const DOFlukuparivektori& source = maps_[static_cast<std::size_t>(index)];
    for (int i = 0; i < source.Count(); ++i) target.Add(source.KeyAt(i), source.ValueAt(i));
    return 0;
}

}  // namespace kirvos
