#pragma once
// Small containers beside the record vector: a sorted list of doubles (positions along the
// sheeting), a sorted map from integer keys to doubles (a load combination: load case number to
// factor) and a set of distinct such maps (the load combinations).
// All three grow like the record vector: before an insertion, when count > capacity - 2, the
// capacity rises by the increment; a container with no storage (capacity 0) rejects insertions.

#include <string>
#include <string_view>
#include <vector>

namespace kirvos {

// Sorted (ascending) list of doubles. With a tolerance t > 0 a value within (e - t, e + t) of an
// element e is rejected, which makes the list a set of distinct positions; with t = 0 equal values
// are all kept, each new one after the earlier ones.
//   DOFlukuvektori xs(20, 20); xs.SetTolerance(0.5); xs.Add(100.0); xs.Add(100.3);  // one element
class DOFlukuvektori {
public:
    DOFlukuvektori(int capacity, int increment);
    virtual ~DOFlukuvektori() = default;
    DOFlukuvektori(const DOFlukuvektori&) = default;
    DOFlukuvektori& operator=(const DOFlukuvektori&) = default;

    // Inserts at InsertPosition and returns the position, or -1 (nothing added) when the value is
    // rejected or there is no storage.
    int Add(double value);
    // Insertion index for value, or -1 when it is a duplicate within the tolerance.
    virtual int InsertPosition(double value) const;
    void Clear() { values_.clear(); }

    int Count() const { return static_cast<int>(values_.size()); }
    int Capacity() const { return capacity_; }
    // Value at position i; 0.0 out of range.
    double Value(int i) const { return (i >= 0 && i < Count()) ? values_[i] : 0.0; }
    double operator[](int i) const { return values_[i]; }
    const double* Values() const { return values_.data(); }
    const std::vector<double>& AllValues() const { return values_; }

    double Tolerance() const { return tolerance_; }
    void SetTolerance(double tolerance) { tolerance_ = tolerance; }
    int Mode() const { return mode_; }  // 1 = ascending, the only mode

private:
    int capacity_;
    int increment_;
    std::vector<double> values_;
    int mode_ = 1;
    double tolerance_ = 0.0;
};

// Map from unique integer keys to doubles, kept in ascending key order.
//   DOFlukuparivektori c(20, 20); c.Add(1, 1.35); c.Add(101, 1.5); c.Value(101) == 1.5
class DOFlukuparivektori {
public:
    DOFlukuparivektori(int capacity, int increment);
    DOFlukuparivektori(const DOFlukuparivektori&) = default;
    DOFlukuparivektori& operator=(const DOFlukuparivektori&) = default;

    // Inserts in key order and returns the position; -1 (nothing changed) when the key exists or
    // there is no storage.
    int Add(int key, double value);
    void Clear() { keys_.clear(); values_.clear(); }

    // Whether the key exists; value gets its value, or 0.0.
    bool Find(int key, double& value) const;
    // Replaces the value of an existing key; a missing key is ignored.
    void Set(int key, double value);
    // The value, or 0.0 for a missing key.
    double Value(int key) const;
    // The value rounded half up (floor(value + 0.5)); 0 for a missing key.
    int RoundedValue(int key) const;

    // Writes "key;value" ("%d;%.3f", C locale) of the pair at position into buffer and returns its
    // length; out of range: buffer emptied, 0.
    int FormatPair(int position, std::string& buffer) const;
    // Reads a line "integer;real" and adds the pair: 1, or the negative code of ParseFields
    // (-1 also when the key already exists).
    int ParsePair(std::string_view line);

    int Count() const { return static_cast<int>(keys_.size()); }
    int Capacity() const { return capacity_; }
    // By position; 0 / 0.0 out of range.
    int KeyAt(int i) const { return (i >= 0 && i < Count()) ? keys_[i] : 0; }
    double ValueAt(int i) const { return (i >= 0 && i < Count()) ? values_[i] : 0.0; }
    const std::vector<int>& Keys() const { return keys_; }
    const std::vector<double>& Values() const { return values_; }

    // Same count, and position by position the same keys and exactly equal values.
    bool Identical(const DOFlukuparivektori& other) const;

private:
    int capacity_;
    int increment_;
    std::vector<double> values_;
    std::vector<int> keys_;
};

// Collection of distinct maps in insertion order (the set of load combinations).
class DOFlukupariJoukko {
public:
    DOFlukupariJoukko(int capacity, int increment);

    // Appends a copy (capacity 20, increment 20) unless an identical map is stored: its index, or -1
    // when an identical map exists (nothing stored) or there is no storage.
    int AddUnique(const DOFlukuparivektori& map);
    // Index of the first stored map identical to map; -1 when none.
    int FindIdentical(const DOFlukuparivektori& map) const;
    // Clears target and copies stored map index into it: 0, or -2 when index is out of range.
    int Get(int index, DOFlukuparivektori& target) const;
    void Clear() { maps_.clear(); }

    int Count() const { return static_cast<int>(maps_.size()); }
    int Capacity() const { return capacity_; }
    // Stored map at index (0 <= index < Count()).
    const DOFlukuparivektori& Map(int index) const { return maps_[index]; }

private:
    int capacity_;
    int increment_;
    std::vector<DOFlukuparivektori> maps_;
};

}  // namespace kirvos
