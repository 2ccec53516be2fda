#include "design/load_combinations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "design_fixture.h"

namespace kirvos {
namespace {

std::map<int, double> AsMap(const DOFlukuparivektori& c) {
    std::map<int, double> m;
    for (int i = 0; i < c.Count(); ++i) m[c.KeyAt(i)] = c.ValueAt(i);
    return m;
}

// Permanent factors g; the same factors v for snow, imposed load and wind.
CombinationSettings WithFactors(int standard, const double (&g)[6], const double (&v)[6]) {
    CombinationSettings s;
    s.standardIndex = standard;
    for (int i = 0; i < 6; ++i) {
        s.permanentFactors[i] = g[i];
        s.snowFactors[i] = s.imposedFactors[i] = s.windFactors[i] = v[i];
    }
    return s;
}

CombinationSettings LeadingScheme() {
    CombinationSettings s = WithFactors(1, {1.0, 1.35, 1.0, 1.2, 1.0, 1.0}, {0.0, 1.5, 0.0, 1.5, 0.0, 1.0});
    s.snowPsi0 = 0.7;
    s.windPsi0 = 0.6;
    s.imposedPsi0 = 0.7;
    return s;
}

TEST(LoadCombinations, WithoutSnowOrImposedOneCombinationPerDistinctWindFactor) {
    CombinationSettings s = LeadingScheme();
    s.loadedSpans = 3;
    DOFlukupariJoukko ultimate(200, 200), service(200, 200);
    BuildLoadCombinations(s, ultimate, service);
    // Wind factors of the rows: 0.6 * 1.5, 0.6 * 0, 1.5 (ultimate); 0.6, 0, 1 (service).
    ASSERT_EQ(ultimate.Count(), 6);
    ASSERT_EQ(service.Count(), 3);  // both permanent factors are 1 in service
    const std::map<int, double> expected[] = {
        {{1, 1.0}, {2, 1.0}, {301, 0.6 * 1.5}}, {{1, 1.0}, {2, 1.0}, {301, 0.0}}, {{1, 1.0}, {2, 1.0}, {301, 1.5}},
        {{1, 1.35}, {2, 1.35}, {301, 0.6 * 1.5}}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(AsMap(ultimate.Map(i)), expected[i]) << i;
    EXPECT_EQ(AsMap(service.Map(0)), (std::map<int, double>{{1, 1.0}, {2, 1.0}, {301, 0.6}}));

    // Every wind case gets its own set.
    s.windCaseCount = 2;
    BuildLoadCombinations(s, ultimate, service);
    EXPECT_EQ(ultimate.Count(), 12);
    EXPECT_EQ(AsMap(ultimate.Map(3)), (std::map<int, double>{{1, 1.0}, {2, 1.0}, {302, 0.6 * 1.5}}));
}

TEST(LoadCombinations, SpanPatternsTwelveThenFull) {
    // Five loaded spans, snow only: the patterns in their fixed order (L loaded, R relieved).
    DOFlukuparivektori base(20, 20);
    base.Add(1, 1.0);
    base.Add(2, 1.0);
    base.Add(301, 0.0);
    DOFlukupariJoukko target(200, 200);
    AddSpanPatterns(target, base, 0.0, 1.5, 5, 50.0, 100.0);
    const char* patterns[] = {"LRLRL", "RLRLR", "LLRRL", "RRLLR", "LRRLL", "RLLRR",
                              "LRRLR", "RLLRL", "LLRLL", "RRLRR", "LRLLR", "RLRRL", "LLLLL"};
    // Patterns that coincide are stored once, in order of first appearance.
    std::vector<std::string> distinct;
    for (const char* p : patterns) {
        if (std::find(distinct.begin(), distinct.end(), p) == distinct.end()) distinct.push_back(p);
    }
    ASSERT_EQ(target.Count(), static_cast<int>(distinct.size()));
    for (int i = 0; i < target.Count(); ++i) {
        std::string got;
        for (int j = 0; j < 5; ++j) got += target.Map(i).Value(101 + j) == 1.5 ? 'L' : 'R';
        EXPECT_EQ(got, distinct[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(target.Map(i).Value(101), got[0] == 'L' ? 1.5 : 0.75);
        EXPECT_EQ(target.Map(i).Value(301), 0.0);
    }
}

TEST(LoadCombinations, PatternEdgeCases) {
    DOFlukuparivektori base(20, 20);
    base.Add(1, 1.35);
    base.Add(2, 1.35);
    base.Add(301, 0.0);
    DOFlukupariJoukko target(200, 200);

    // One loaded span: every pattern is the full or the relieved arrangement.
    AddSpanPatterns(target, base, 1.5, 1.5, 1, 50.0, 100.0);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(AsMap(target.Map(0)),
              (std::map<int, double>{{1, 1.35}, {2, 1.35}, {101, 1.5}, {201, 1.5}, {301, 0.0}}));
    // The relieved imposed load stays in the combination with factor 0.
    EXPECT_EQ(AsMap(target.Map(1)),
              (std::map<int, double>{{1, 1.35}, {2, 1.35}, {101, 0.75}, {201, 0.0}, {301, 0.0}}));

    // No reductions: only the full arrangement.
    target.Clear();
    AddSpanPatterns(target, base, 1.5, 1.5, 4, 0.0, 0.0);
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target.Map(0).Count(), 3 + 8);

    // Neither load: the base alone, and a second call adds nothing.
    target.Clear();
    AddSpanPatterns(target, base, 0.0, 0.0, 4, 50.0, 100.0);
    AddSpanPatterns(target, base, 0.0, 0.0, 4, 50.0, 100.0);
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(AsMap(target.Map(0)), AsMap(base));
}

TEST(LoadCombinations, SnowWithWindReducedBy077InUltimateOnly) {
    CombinationSettings s = WithFactors(0, {0.9, 1.2, 0.9, 1.1, 1.0, 1.0}, {0.0, 1.5, 0.0, 1.3, 0.0, 1.0});
    s.windPsi0 = 1.0;
    s.snowPsi0 = 0.7;
    s.snowPresent = true;
    s.windPresent = true;
    s.loadedSpans = 2;
    s.snowAlternateReduction = 0.0;  // full arrangement only
    DOFlukupariJoukko ultimate(200, 200), service(200, 200);
    BuildLoadCombinations(s, ultimate, service);
    // Row 1 (first combination): wind 1.5 and snow 1.5, both reduced to 1.155.
    EXPECT_EQ(AsMap(ultimate.Map(0)),
              (std::map<int, double>{{1, 0.9}, {2, 0.9}, {101, 1.5 * 0.77}, {102, 1.5 * 0.77}, {301, 1.5 * 0.77}}));
    // Service keeps the factors unreduced.
    EXPECT_EQ(AsMap(service.Map(0)), (std::map<int, double>{{1, 1.0}, {2, 1.0}, {101, 1.0}, {102, 1.0}, {301, 1.0}}));

    // Without wind present the same row gives snow its full factor (the wind pair stays).
    s.windPresent = false;
    BuildLoadCombinations(s, ultimate, service);
    EXPECT_EQ(AsMap(ultimate.Map(0)), (std::map<int, double>{{1, 0.9}, {2, 0.9}, {101, 1.5}, {102, 1.5}, {301, 1.5}}));

    // Structure class 1 takes factors [2] and [3].
    s.structureClass = 1;
    BuildLoadCombinations(s, ultimate, service);
    EXPECT_EQ(AsMap(ultimate.Map(0)), (std::map<int, double>{{1, 0.9}, {2, 0.9}, {101, 1.3}, {102, 1.3}, {301, 1.3}}));
}

TEST(LoadCombinations, SettingsFromProject) {
    testing::ProgramFolder folder;
    auto model = testing::MakeModel(folder);
    testing::SetSpans(*model, {1200, 6000, 6000, 0});
    EXPECT_EQ(LoadedSpanCount(*model), 3);  // left cantilever and two spans
    testing::SetSpans(*model, {0, 6000, 0});
    EXPECT_EQ(LoadedSpanCount(*model), 1);

    model->Loads.SnowLoad = 2.0;
    model->Loads.SnowShapeFactor = 0.0;  // no snow on this roof
    model->Loads.WindLoad = 0.5;
    model->Loads.WindCoefficients[0] = 0.0;
    model->Loads.ImposedCategory = 12;   // only a file can bring this; held at the last row
    model->Loads.WindCaseCount = 0;
    model->Standards.ImposedPsi[9][0] = 0.3;
    CombinationSettings s = ReadCombinationSettings(*model);
    EXPECT_FALSE(s.snowPresent);
    EXPECT_FALSE(s.windPresent);
    EXPECT_FALSE(s.imposedPresent);
    EXPECT_EQ(s.imposedPsi0, 0.3);
    EXPECT_EQ(s.windCaseCount, 1);  // a count of 0 would leave no combination at all

    // A snow load record makes snow present even without a basic value.
    model->Loads.Add({" "}, {0, 1000, 1.0, 1.0, 0}, {1, 0, 0, 0, 0});
    EXPECT_TRUE(ReadCombinationSettings(*model).snowPresent);
    // Hiding loads in the pictures does not take them out of the design.
    model->Loads.DrawRecordLoads = 0;
    model->Loads.DrawBasicLoads = 0;
    model->Loads.ImposedLoad = 2.0;
    EXPECT_TRUE(ReadCombinationSettings(*model).snowPresent);
    EXPECT_TRUE(ReadCombinationSettings(*model).imposedPresent);
    BuildLoadCombinations(*model);
    EXPECT_GT(model->UltimateCombinations.Count(), 0);
    EXPECT_GT(model->ServiceCombinations.Count(), 0);

    // The secondary-structure factors belong to standard 0 only: under standard 1 a class 1 brought
    // by a file would select the 1.0 factors the factor window keeps there.
    const struct {
        int standard, structureClass, expected;
    } classes[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 0}, {1, 1, 0}, {0, 7, 0}};
    for (const auto& c : classes) {
        model->StandardIndex = c.standard;
        model->StructureClass = c.structureClass;
        EXPECT_EQ(ReadCombinationSettings(*model).structureClass, c.expected)
            << "standard " << c.standard << ", class " << c.structureClass;
    }
}

}  // namespace
}  // namespace kirvos
