#include "records/number_vectors.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace kirvos {
namespace {

std::vector<double> ValuesOf(const DOFlukuvektori& list) { return list.AllValues(); }

TEST(DOFlukuvektori, ToleranceMakesASetOfDistinctPositions) {
    DOFlukuvektori xs(20, 20);
    xs.SetTolerance(0.5);
    EXPECT_EQ(xs.Add(100.0), 0);
    EXPECT_EQ(xs.Add(100.3), -1);
    EXPECT_EQ(xs.Add(99.6), -1);
    EXPECT_EQ(xs.Add(99.4), 0) << "100.0 - 0.5 is not less than 99.4";
    EXPECT_EQ(xs.Add(100.5), 2) << "bounds are strict";
    EXPECT_EQ(xs.Add(50.0), 0);
    EXPECT_EQ(xs.Add(99.8), -1) << "a duplicate of the element before the insertion point";
    EXPECT_EQ(ValuesOf(xs), (std::vector<double>{50.0, 99.4, 100.0, 100.5}));
}

TEST(DOFlukuvektori, WithoutToleranceEqualValuesAreKeptInArrivalOrder) {
    DOFlukuvektori xs(20, 20);
    EXPECT_EQ(xs.Add(5.0), 0);
    EXPECT_EQ(xs.Add(3.0), 0);
    EXPECT_EQ(xs.Add(5.0), 2);
    EXPECT_EQ(ValuesOf(xs), (std::vector<double>{3.0, 5.0, 5.0}));
    EXPECT_EQ(xs.Value(3), 0.0);
    EXPECT_EQ(xs.Add(std::nan("")), -1) << "NaN has no place in a sorted list";
    xs.Clear();
    EXPECT_EQ(xs.Count(), 0);
}

TEST(DOFlukuvektori, GrowthAndMissingStorage) {
    DOFlukuvektori xs(4, 3);
    for (int i = 0; i < 10; ++i) {
        ASSERT_GE(xs.Add(i), 0);
        ASSERT_LE(xs.Count(), xs.Capacity() - 1);
    }
    EXPECT_EQ(xs.Capacity(), 13);
    DOFlukuvektori none(0, 20);
    EXPECT_EQ(none.Add(1.0), -1);
    EXPECT_EQ(none.Count(), 0);
}

TEST(DOFlukuparivektori, KeepsUniqueKeysInAscendingOrder) {
    DOFlukuparivektori map(20, 20);
    EXPECT_EQ(map.Add(11, 1.1), 0);
    EXPECT_EQ(map.Add(1, 0.1), 0);
    EXPECT_EQ(map.Add(23, 2.3), 2);
    EXPECT_EQ(map.Add(1, 9.9), -1);
    EXPECT_EQ(map.Keys(), (std::vector<int>{1, 11, 23}));
    EXPECT_EQ(map.Values(), (std::vector<double>{0.1, 1.1, 2.3}));

    double value = -1.0;
    EXPECT_TRUE(map.Find(11, value));
    EXPECT_EQ(value, 1.1);
    EXPECT_FALSE(map.Find(12, value));
    EXPECT_EQ(value, 0.0);
    map.Set(23, 4.5);
    map.Set(24, 9.0);  // missing key: ignored
    EXPECT_EQ(map.Value(23), 4.5);
    EXPECT_EQ(map.Value(24), 0.0);
    EXPECT_EQ(map.Count(), 3);
    EXPECT_EQ(map.KeyAt(3), 0);
    EXPECT_EQ(map.ValueAt(-1), 0.0);
}

TEST(DOFlukuparivektori, RoundedValueRoundsHalfUp) {
    DOFlukuparivektori map(20, 20);
    // Values beyond the integer range (a file may hold up to 1e36) saturate instead of overflowing.
    const double values[] = {2.5, -2.5, 2.49, -0.5, 7.0, 1.0e36, -1.0e36};
    const int rounded[] = {3, -2, 2, 0, 7, 2147483647, -2147483647 - 1};
    for (int i = 0; i < 7; ++i) map.Add(i, values[i]);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(map.RoundedValue(i), rounded[i]) << values[i];
    EXPECT_EQ(map.RoundedValue(99), 0);
}

TEST(DOFlukuparivektori, FormatsAndParsesPairLines) {
    DOFlukuparivektori map(20, 20);
    map.Add(101, 1.5);
    map.Add(-3, 2.0 / 3.0);
    std::string line = "old";
    EXPECT_EQ(map.FormatPair(0, line), 8);
    EXPECT_EQ(line, "-3;0.667");
    map.FormatPair(1, line);
    EXPECT_EQ(line, "101;1.500");
    EXPECT_EQ(map.FormatPair(2, line), 0);
    EXPECT_EQ(line, "");

    DOFlukuparivektori parsed(20, 20);
    EXPECT_EQ(parsed.ParsePair("201;1,05"), 1);
    EXPECT_EQ(parsed.ParsePair("1;1.35;ignored"), 1);
    EXPECT_EQ(parsed.ParsePair("1;2"), -1) << "the key exists";
    EXPECT_EQ(parsed.ParsePair("7"), -1);
    EXPECT_EQ(parsed.ParsePair("x;1"), -2);
    EXPECT_EQ(parsed.Keys(), (std::vector<int>{1, 201}));
    EXPECT_EQ(parsed.Value(201), 1.05);
}

DOFlukuparivektori Combination(std::initializer_list<std::pair<int, double>> pairs) {
    DOFlukuparivektori map(20, 20);
    for (const auto& [key, value] : pairs) map.Add(key, value);
    return map;
}

TEST(DOFlukupariJoukko, StoresEachDistinctMapOnce) {
    DOFlukupariJoukko set(20, 20);
    const auto a = Combination({{1, 1.35}, {2, 1.35}, {101, 1.5}});
    EXPECT_EQ(set.AddUnique(a), 0);
    EXPECT_EQ(set.AddUnique(a), -1);
    EXPECT_EQ(set.AddUnique(Combination({{1, 1.35}, {2, 1.35}, {101, 1.5 + 1e-12}})), 1)
        << "values are compared exactly";
    EXPECT_EQ(set.AddUnique(Combination({{1, 1.35}, {2, 1.35}})), 2) << "a prefix is another map";
    EXPECT_EQ(set.AddUnique(Combination({{1, 1.35}, {3, 1.35}, {101, 1.5}})), 3);
    EXPECT_EQ(set.Count(), 4);
    EXPECT_EQ(set.FindIdentical(Combination({{2, 1.35}, {1, 1.35}})), 2);
    EXPECT_EQ(set.FindIdentical(Combination({{5, 1.0}})), -1);
    EXPECT_EQ(set.Map(0).Capacity(), 20);

    DOFlukuparivektori target(1, 1);
    target.Add(999, 9.0);
    EXPECT_EQ(set.Get(0, target), 0);
    EXPECT_TRUE(target.Identical(a));
    EXPECT_EQ(set.Get(4, target), -2);
    EXPECT_EQ(set.Get(-1, target), -2);
    EXPECT_TRUE(target.Identical(a));
    set.Clear();
    EXPECT_EQ(set.Count(), 0);
    EXPECT_EQ(set.AddUnique(a), 0);
}

}  // namespace
}  // namespace kirvos
