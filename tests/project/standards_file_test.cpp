// Selecting a standard's factors from the standards file: which line each factor comes from, the
// work array shared by all rows, the repeated imposed-load rows and the snow-load place file name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/standard_vector.h"

namespace kirvos {
namespace {

// Standard 0 (no annexes, one line a group) and standard 1 with two annexes.
NormiVektori TwoStandards() {
    NormiVektori s;
    s.Assign({
        "[ ==== 1 ==== ]", "Standard A", "Standard B",
        "[ ==== 11 ==== ]", "-",
        "[ ==== 12 ==== ]", "Annex 1", "Annex 2",
        "[ ==== 101 ==== ]", "1.0;1.1;1.2;1.3",
        "[ ==== 102 ==== ]", "2.0;2.1;2.2;2.3",
        "[ ==== 103 ==== ]", "3.0;3.1;3.2;3.3",
        "[ ==== 111 ==== ]", "1.25",
        "[ ==== 121 ==== ]", "1.5",
        "[ ==== 131 ==== ]", "0.9;1.1;0.9;1.1;1.0;1.0",
        "[ ==== 132 ==== ]", "0;1.5;0;1.5;0;1.0",
        "[ ==== 133 ==== ]", "0;1.6;0;1.6;0;1.0",
        "[ ==== 134 ==== ]", "0;1.7;0;1.7;0;1.0",
        "[ ==== 141 ==== ]", "0.7;0.5;0.2",
        "[ ==== 142 ==== ]", "0.6;0.2;0.0",
        "[ ==== 150 ==== ]", "A", "B",
        "[ ==== 151 ==== ]", "0.71;0.51;0.31",
        "[ ==== 152 ==== ]", "0.72;0.52;0.32",
        "[ ==== 161 ==== ]", "snowA.dat",
        // Standard 1: line n for annex n - 1.
        "[ ==== 201 ==== ]", "1.05;1.0;1.0;1.0", "1.10;1.0;1.0;1.0",
        "[ ==== 202 ==== ]", "2.05;2.5", "2.10;2.5;2.6;2.7",  // annex 0's row stops early
        "[ ==== 203 ==== ]", "3.05;3.5;3.6;3.7", "3.10;3.5;3.6;3.7",
        "[ ==== 211 ==== ]", "1.1", "20",                   // 20 is outside [0.1, 10]
        "[ ==== 221 ==== ]", "x", "1.2",                    // not a number for annex 0
        "[ ==== 232 ==== ]", "0;1.35;0;1.2;0;1.0", "0;1.5",
        "[ ==== 241 ==== ]", "0.7;0.5;0.2", "0.8;0.6;0.3",
        "[ ==== 250 ==== ]", "A", "B", "C",
        "[ ==== 251 ==== ]", "0.1;0.2;0.3", "1.1;1.2;1.3",
        "[ ==== 252 ==== ]", "0.4;0.5;0.6",                 // no line for annex 1
        "[ ==== 253 ==== ]", "0.7;0.8", "1.7;1.8;1.9",
        "[ ==== 254 ==== ]", "9;9;9", "9;9;9",              // beyond the three categories present
        "[ ==== 261 ==== ]", "snowB1.dat", "snowB2.dat",
    });
    return s;
}

void ExpectRow(const double* row, std::vector<double> expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_DOUBLE_EQ(row[i], expected[i]) << "position " << i;
}

TEST(StandardsFile, NamesAndAnnexes) {
    const NormiVektori s = TwoStandards();
    EXPECT_EQ(s.StandardCount(), 2);
    std::string name = "unchanged";
    EXPECT_TRUE(s.StandardName(2, name));
    EXPECT_EQ(name, "Standard B");
    EXPECT_FALSE(s.StandardName(3, name));
    EXPECT_EQ(name, "Standard B");
    EXPECT_EQ(s.AnnexCount(1), 2);
    EXPECT_TRUE(s.AnnexName(1, 2, name));
    EXPECT_EQ(name, "Annex 2");
    EXPECT_FALSE(s.AnnexName(1, 3, name));  // never reaches into the next group
    EXPECT_EQ(name, "Annex 2");
}

TEST(StandardsFile, StandardZeroAlwaysReadsLineOne) {
    NormiVektori s = TwoStandards();
    s.SelectStandard(0, 2);
    ExpectRow(s.FactorGrid[0], {1.0, 1.1, 1.2, 1.3});
    ExpectRow(s.FactorGrid[2], {3.0, 3.1, 3.2, 3.3});
    EXPECT_DOUBLE_EQ(s.SingleFactor1, 1.25);
    EXPECT_DOUBLE_EQ(s.SingleFactor2, 1.5);
    ExpectRow(s.PermanentFactors, {0.9, 1.1, 0.9, 1.1, 1.0, 1.0});
    ExpectRow(s.WindFactors, {0, 1.7, 0, 1.7, 0, 1.0});
    ExpectRow(s.SnowPsi, {0.7, 0.5, 0.2});
    ExpectRow(s.WindPsi, {0.6, 0.2, 0.0});
    ExpectRow(s.ImposedPsi[0], {0.71, 0.51, 0.31});
    ExpectRow(s.ImposedPsi[1], {0.72, 0.52, 0.32});
    // Categories 3 to 10 are not in the file: they repeat category 2.
    for (int i = 2; i < 10; ++i) ExpectRow(s.ImposedPsi[i], {0.72, 0.52, 0.32});
}

TEST(StandardsFile, AnnexLineAndSharedWorkArray) {
    NormiVektori s = TwoStandards();
    s.SelectStandard(1, 0);
    ExpectRow(s.FactorGrid[0], {1.05, 1.0, 1.0, 1.0});
    // The short row keeps the previous row's values in its unread places.
    ExpectRow(s.FactorGrid[1], {2.05, 2.5, 1.0, 1.0});
    ExpectRow(s.FactorGrid[2], {3.05, 3.5, 3.6, 3.7});
    EXPECT_DOUBLE_EQ(s.SingleFactor1, 1.1);
    EXPECT_DOUBLE_EQ(s.SingleFactor2, 1.0);  // "x" is no number: the value stays
    // Group 231 is missing: the permanent factors stay; the snow row follows.
    ExpectRow(s.PermanentFactors, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0});
    ExpectRow(s.SnowFactors, {0, 1.35, 0, 1.2, 0, 1.0});
    ExpectRow(s.SnowPsi, {0.7, 0.5, 0.2});
    ExpectRow(s.ImposedPsi[0], {0.1, 0.2, 0.3});
    ExpectRow(s.ImposedPsi[1], {0.4, 0.5, 0.6});
    ExpectRow(s.ImposedPsi[2], {0.7, 0.8, 0.6});  // short row over the work array
    // Only three categories are present (group 250): categories 4 to 10 repeat category 3.
    for (int i = 3; i < 10; ++i) ExpectRow(s.ImposedPsi[i], {0.7, 0.8, 0.6});

    s.SelectStandard(1, 1);
    ExpectRow(s.FactorGrid[1], {2.10, 2.5, 2.6, 2.7});
    EXPECT_DOUBLE_EQ(s.SingleFactor1, 1.1);  // 20 is out of range: the previous value stays
    EXPECT_DOUBLE_EQ(s.SingleFactor2, 1.2);
    // The short snow row is read right after the last grid row (3.10;3.5;3.6;3.7); its places 4 and 5
    // were never written in this selection and hold the work array's starting 1.0.
    ExpectRow(s.SnowFactors, {0, 1.5, 3.6, 3.7, 1.0, 1.0});
    ExpectRow(s.ImposedPsi[0], {1.1, 1.2, 1.3});
    ExpectRow(s.ImposedPsi[1], {1.1, 1.2, 1.3});  // category 2 has no line for this annex
    ExpectRow(s.ImposedPsi[2], {1.7, 1.8, 1.9});
}

TEST(StandardsFile, MissingAnnexChangesNothing) {
    NormiVektori s = TwoStandards();
    s.SelectStandard(1, 2);   // only two annexes listed
    s.SelectStandard(1, -1);  // no such annex either
    s.SelectStandard(2, 0);   // no such standard
    ExpectRow(s.FactorGrid[0], {1.0, 1.0, 1.0, 1.0});
    EXPECT_DOUBLE_EQ(s.SingleFactor1, 1.0);
    for (const auto& row : s.ImposedPsi) ExpectRow(row, {1.0, 1.0, 1.0});

    // Standard 1 with annex 1 needs two annex lines.
    NormiVektori one;
    one.Assign({"[ ==== 11 ==== ]", "-", "[ ==== 12 ==== ]", "Annex 1", "[ ==== 201 ==== ]", "5;5;5;5", "6;6;6;6"});
    one.SelectStandard(1, 1);
    ExpectRow(one.FactorGrid[0], {1.0, 1.0, 1.0, 1.0});
    one.SelectStandard(1, 0);
    ExpectRow(one.FactorGrid[0], {5.0, 5.0, 5.0, 5.0});
}

TEST(StandardsFile, SnowPlaceFileName) {
    const NormiVektori s = TwoStandards();
    std::string name = "unchanged";
    EXPECT_TRUE(s.SnowPlaceFileName(0, 1, name));
    EXPECT_EQ(name, "snowA.dat");
    EXPECT_TRUE(s.SnowPlaceFileName(1, 0, name));
    EXPECT_EQ(name, "snowB1.dat");
    EXPECT_TRUE(s.SnowPlaceFileName(1, 1, name));
    EXPECT_EQ(name, "snowB2.dat");
    EXPECT_FALSE(s.SnowPlaceFileName(1, 2, name));
    EXPECT_EQ(name, "snowB2.dat");
}

}  // namespace
}  // namespace kirvos
