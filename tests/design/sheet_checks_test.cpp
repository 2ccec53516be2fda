#include "design/sheet_checks.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "checks_fixture.h"
#include "design/calculation_run.h"

namespace kirvos {
namespace {

using testing::AddPart;
using testing::FindResult;
using testing::MakeCheckModel;
using testing::ProgramFolder;
using testing::SetSpans;

SupportData Support(double width, double overhang, bool doubled = false) {
    SupportData s;
    s.width = width;
    s.overhang = overhang;
    s.doubled = doubled;
    return s;
}

TEST(SheetResistance, KindsOfBothStandardsWithDoublingAndMaterialFactors) {
    ProgramFolder folder;
    auto model = MakeCheckModel(folder, testing::CheckProfileText());
    model->Standards.FactorGrid[0][0] = 1.1;
    model->Standards.FactorGrid[0][1] = 1.25;
    AddPart(*model, 1, 1, 0, 0, 6000);
    AddPart(*model, 2, 1, 1, 0, 6000);  // one extra layer of 4 ribs: s = 1/3 + 1 - 0.02 * 3

    const SupportData inner = Support(100, 200);
    const SupportData end = Support(100, 80);  // 1.5 h = 90 > 80: the sheet bears as at its end
    const SupportData innerDoubled = Support(100, 200, true);
    const SupportData endDoubled = Support(100, 80, true);
    const SupportData wide = Support(400, 200);  // counts as 300 mm
    struct Case {
        int standard, part, kind;
        const SupportData* support;
        double expected;
    };
    // Bearing factor, t = 0.7: B(40) = 1 + 40/70, B(100) = 1.1 + 100/70 - 0.1 (100/70)^2,
    // B(300) = 1.1 + 300/70 - 0.1 (300/70)^2. Web crippling G(l) = 0.5 + sqrt(0.02 l / 0.7).
    const Case cases[] = {
        {0, 0, 1, nullptr, 2.0 / 1.1},
        {0, 0, 2, nullptr, 5.0 / 1.1},
        {0, 0, 5, nullptr, 20.0 / 1.1},
        {0, 1, 1, nullptr, 2.0 * 1.2733333 / 1.1},
        {0, 0, 4, nullptr, 10.0 / 1.25},
        {0, 0, 4, &inner, 11.8337662},        // 10 / B(40) * B(100) / 1.25
        {0, 0, 4, &end, 5.9168831},           // halved at the end
        {0, 0, 4, &endDoubled, 11.7154286},   // s = 1 + 0.98
        {0, 0, 4, &innerDoubled, 17.7506494}, // s = 1 + 0.5
        {0, 0, 4, &wide, 18.0675325},         // 10 / B(40) * B(300) / 1.25
        {1, 0, 4, &inner, 11.1676010},        // 10 / G(40) * G(100) / 1.25
        {1, 0, 4, &innerDoubled, 16.7514014},
        {1, 0, 4, &end, 4.0 / 1.25},          // the end support value of the profile
        {1, 0, 4, &endDoubled, 4.0 * 1.98 / 1.25},
        {0, 0, 6, nullptr, 1.25},
        {0, 5, 1, nullptr, 0.0},              // no such part
        {0, -1, 4, nullptr, 0.0},
    };
    for (const Case& c : cases) {
        model->StandardIndex = c.standard;
        EXPECT_NEAR(SheetResistance(*model, c.part, c.kind, c.support), c.expected, 1e-6)
            << "standard " << c.standard << " part " << c.part << " kind " << c.kind;
    }
}

TEST(SheetResistance, EndSupportWithoutItsOwnValueTakesHalfTheIntermediate) {
    ProgramFolder folder;
    auto model = MakeCheckModel(folder, testing::CheckProfileText("", false));
    model->StandardIndex = 1;
    AddPart(*model, 1, 1, 0, 0, 6000);
    const SupportData end = Support(100, 80);
    EXPECT_NEAR(SheetResistance(*model, 0, 4, &end), 5.0, 1e-9);
}

TEST(SheetResistance, InteractionLimitFromProfileValueOrTable) {
    ProgramFolder folder;
    auto plain = MakeCheckModel(folder, testing::CheckProfileText("[ ==== 71 ==== ]\n1.3\n1.4\n"));
    AddPart(*plain, 1, 2, 0, 0, 6000);
    SupportData s = Support(100, 200);
    s.ratio = 50;
    EXPECT_DOUBLE_EQ(SheetResistance(*plain, 0, 6, &s), 1.4);

    ProgramFolder folder2;
    auto table = MakeCheckModel(folder2, testing::CheckProfileText("[ ==== 71 ==== ]\n1.3\n1.4\n"
                                                                   "[ ==== 81 ==== ]\n0;20;40;60;80;100;1.5;1.5;1.4;1.3;1.2;1.1\n"));
    AddPart(*table, 1, 1, 0, 0, 6000);
    EXPECT_DOUBLE_EQ(SheetResistance(*table, 0, 6, nullptr), 1.3);  // the table needs the ratio
    EXPECT_NEAR(SheetResistance(*table, 0, 6, &s), 1.35, 1e-12);
}

TEST(InterpolateTable, IntervalsAndOutside) {
    const std::string text = "0;10;20;30;40;50;1;2;4;4;3;0";
    const struct {
        double x, y;
    } cases[] = {{0, 1}, {5, 1.5}, {15, 3}, {25, 4}, {45, 1.5}, {50, 0}, {-1, 1.25}, {60, 1.25}};
    for (const auto& c : cases) EXPECT_NEAR(InterpolateTable(c.x, text), c.y, 1e-12) << c.x;
    EXPECT_DOUBLE_EQ(InterpolateTable(5, ""), 1.25);
    // A zero-width interval gives its own value rather than dividing by zero.
    EXPECT_DOUBLE_EQ(InterpolateTable(10, "10;10;20;30;40;50;7;8;9;9;9;9"), 7.0);
}

TEST(InterpolateTable, ReadsDecimalPointsUnderACommaLocale) {
    // The user interface runs under the user's locale; the profile texts keep their decimal point.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool comma = false;
    for (const char* name : {"fi_FI.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "fi_FI.utf8", "de_DE.utf8"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = true;
            break;
        }
    }
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
    const double y = InterpolateTable(50, "0;20;40;60;80;100;1.5;1.5;1.4;1.3;1.2;1.1");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_NEAR(y, 1.35, 1e-12);
}

// Two spans of 4000 mm, 2 kN/m2 in all (10 kg/m2 self weight plus dead load), every factor 1:
// middle support M = -q L^2 / 8 = -4e6 N*mm, R = 1.25 q L = 1e4 N, V = 0.625 q L = 5000 N;
// end supports R = 0.375 q L = 3000 N; largest span moment 9/128 q L^2 = 2.25e6 at 1500 mm.
std::unique_ptr<KAIKKI_data> TwoSpans(const ProgramFolder& folder, int standard) {
    auto model = MakeCheckModel(folder, testing::CheckProfileText());
    model->StandardIndex = standard;
    testing::SetFactors(model->Standards, {1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
                        {0, 0, 0, 0, 0, 0});
    SetSpans(*model, {0, 4000, 4000, 0});
    model->Supports.SetReal(1, 0, 100);
    AddPart(*model, 1, 1, 0, 0, 8000);
    model->Loads.DeadLoad = 2.0 - 10 * 9.81e-3;
    model->StructureType = 4;  // no deflection limit: the strength checks only
    return model;
}

TEST(CheckCombination, TwoSpansStandardZeroReducedSupportMomentAndInteractions) {
    ProgramFolder folder;
    auto model = TwoSpans(folder, 0);
    CalculationRun run(*model);
    run.RunCalculation(0);
    ASSERT_EQ(model->ResultsValid, 1);
    const MitoitusTulosVektori& r = model->DesignResults;

    // e = min(ss 100, 500 t = 350, 300) = 100: M' = 4e6 - 1e4 * 100 / 4 = 3.75e6.
    int i = FindResult(*model, 1, kSupportMoment, 4000);
    ASSERT_GE(i, 0);
    EXPECT_NEAR(r.Real(i, 2), -3.75e6, 50.0);
    EXPECT_NEAR(r.Real(i, 1), 75.0, 0.01);  // 3.75 / 5.0
    // Intermediate support: Rr = 10 / B(40) * B(100) = 14.79221 kN.
    i = FindResult(*model, 1, kSupportReaction, 4000);
    ASSERT_GE(i, 0);
    EXPECT_NEAR(r.Real(i, 2), 1e4, 0.5);
    EXPECT_NEAR(r.Real(i, 1), 1e4 / 14792.2078 * 100, 0.01);
    i = FindResult(*model, 1, kMomentReaction, 4000);
    EXPECT_NEAR(r.Real(i, 1), 100 / 1.3 * (0.75 + 1e4 / 14792.2078), 0.01);
    i = FindResult(*model, 1, kMomentShear, 4000);
    EXPECT_NEAR(r.Real(i, 4), 5000.0, 0.5);  // the larger of the shears either side
    EXPECT_NEAR(r.Real(i, 1), 100 / 1.3 * (0.75 + 0.25), 0.01);
    // End support, 50 mm wide: the sheet ends at it, so half of 10 / B(40) * B(50) = 5.45455 kN.
    i = FindResult(*model, 1, kSupportReaction, 0);
    ASSERT_GE(i, 0);
    EXPECT_NEAR(r.Real(i, 2), 3000.0, 0.5);
    EXPECT_NEAR(r.Real(i, 1), 55.0, 0.01);
    // Standard 0 keeps the unreduced support moment of the envelope out of the table.
    EXPECT_NEAR(r.Real(FindResult(*model, 1, kSupportMoment, 4000), 2), -3.75e6, 50.0);

    // Span moment 2.25e6 / 2e6; shear at the middle support 5000 / 20000 (kind 2) and beside it in
    // the span 4800 / 20000 (100 mm sample spacing).
    i = FindResult(*model, 1, kSpanMoment, -1, 1);
    ASSERT_GE(i, 0);
    EXPECT_NEAR(r.Real(i, 0), 1500.0, 1e-6);
    EXPECT_NEAR(r.Real(i, 1), 112.5, 0.01);
    EXPECT_NEAR(r.Real(FindResult(*model, 1, kSupportShear, 4000), 1), 25.0, 0.01);
    EXPECT_NEAR(r.Real(FindResult(*model, 1, kSpanShear, -1, 1), 1), 24.0, 0.01);

    // The span moment governs and fails.
    const PiirtoOsatVektori& parts = model->SheetParts;
    EXPECT_NEAR(parts.Real(0, PiirtoOsatVektori::kOverallUse), 112.5, 0.01);
    EXPECT_NEAR(parts.Real(0, PiirtoOsatVektori::kSpanUse), 112.5, 0.01);
    EXPECT_NEAR(parts.Real(0, PiirtoOsatVektori::kSupportUse), 100 / 1.3 * (0.75 + 1e4 / 14792.2078), 0.01);
    EXPECT_DOUBLE_EQ(parts.Real(0, PiirtoOsatVektori::kDeflectionUse), 0.0);
    EXPECT_EQ(CheckSpans(*model), 0);
}

TEST(CheckCombination, TwoSpansStandardOneLimitAndShearBelowHalf) {
    ProgramFolder folder;
    auto model = TwoSpans(folder, 1);
    CalculationRun run(*model);
    run.RunCalculation(0);
    ASSERT_EQ(model->ResultsValid, 1);
    const MitoitusTulosVektori& r = model->DesignResults;
    // Rr = 10 / G(40) * G(100) = 13.95950 kN; the limit 1.25.
    int i = FindResult(*model, 1, kMomentReaction, 4000);
    ASSERT_GE(i, 0);
    EXPECT_NEAR(r.Real(i, 1), (0.8 + 1e4 / 13959.501) * 100 / 1.25, 0.01);
    EXPECT_NEAR(r.Real(i, 3), -4e6, 50.0);  // unreduced
    // V / Vr = 0.25 < 0.5: no interaction, the sum (0.8^2 + 0.25^2) still kept.
    i = FindResult(*model, 1, kMomentShear, 4000);
    ASSERT_GE(i, 0);
    EXPECT_DOUBLE_EQ(r.Real(i, 1), 0.0);
    EXPECT_NEAR(r.Real(i, 2), 0.64 + 0.0625, 1e-5);
    // The support moment comes from the envelope, unreduced: 4 / 5.
    i = FindResult(*model, 1, kSupportMoment, 4000);
    ASSERT_GE(i, 0);
    EXPECT_NEAR(r.Real(i, 1), 80.0, 0.01);
}

TEST(CheckSpans, DeflectionLimitsAndCantileverThreshold) {
    ProgramFolder folder;
    auto model = MakeCheckModel(folder, testing::CheckProfileText());
    model->StructureType = 1;  // L / 100, cantilevers L / 100 as well
    SetSpans(*model, {400, 5000, 300});
    AddPart(*model, 1, 1, 0, 0, 5700);
    VerhoKayratVektori& s = model->ServiceEnvelope;
    auto add = [&](double x, double dmin, double dmax) {
        s.Add({}, {x, dmin, dmax, 0, 0}, {2, 1, 1, 0, 0});
    };
    add(0, -1.5, 0.2);      // left cantilever tip: 1.5 mm < 2 mm, not assessed
    add(400, -9, 0);        // support: never checked
    add(2900, -30, 1);      // span 1: 30 / 50
    add(3000, -20, 40);     // larger upward deflection governs: 40 / 50
    add(5700, 0, 2.5);      // right cantilever tip above the threshold: 2.5 / 3
    CheckSpans(*model);
    const MitoitusTulosVektori& r = model->DesignResults;
    int i = FindResult(*model, 1, kDeflection, -1, 0);
    ASSERT_GE(i, 0);
    EXPECT_DOUBLE_EQ(r.Real(i, 1), 0.0);
    EXPECT_DOUBLE_EQ(r.Real(i, 2), -1.5);
    EXPECT_DOUBLE_EQ(r.Real(i, 3), 4.0);
    i = FindResult(*model, 1, kDeflection, -1, 1);
    EXPECT_NEAR(r.Real(i, 1), 80.0, 1e-9);
    EXPECT_DOUBLE_EQ(r.Real(i, 2), 40.0);
    i = FindResult(*model, 1, kDeflection, -1, 2);
    EXPECT_NEAR(r.Real(i, 1), 2.5 / 3.0 * 100, 1e-9);
    EXPECT_EQ(r.Count(), 3);
}

TEST(CheckSpans, GoverningCheckNamedWithItsPlace) {
    ProgramFolder folder;
    folder.Write("lang001.dat",
                 "[ ==== 602 ==== ]\nSupport moment\nShear at support\nReaction\nM+R\nM+V\nDeflection\n"
                 "Span moment\nSpan shear\nD21\nD22\nD23\nD24\n"
                 "[ ==== 603 ==== ]\nsupport\nright cantilever\nleft cantilever\nspan\n");
    auto model = MakeCheckModel(folder, testing::CheckProfileText());
    model->Texts.LoadTexts(folder.ProgramPath().substr(0, folder.ProgramPath().size() - 6) + "lang001.dat");
    SetSpans(*model, {500, 4000, 4000, 500});
    AddPart(*model, 1, 1, 0, 0, 4500);
    AddPart(*model, 2, 1, 0, 4500, 9000);
    AddPart(*model, 3, 1, 0, 8000, 9000);
    auto store = [&](int part, int kind, int span, double x, double use) {
        const double reals[7] = {x, use, 0, 0, 0, 0, 0};
        const int ints[5] = {part, kind, span, 0, 0};
        model->DesignResults.StoreMax(reals, ints);
    };
    store(1, kSupportReaction, 0, 4500, 60);
    store(1, kSpanMoment, 1, 2000, 70);
    store(1, kDeflection, 1, 2000, 50);
    store(2, kSpanMoment, 2, 6500, 40);
    store(2, kMomentReaction, 0, 4500, 101);
    store(3, kDeflection, 3, 8800, 30);
    store(3, kSpanShear, 2, 8100, 10);
    EXPECT_EQ(CheckSpans(*model), 0);
    const PiirtoOsatVektori& p = model->SheetParts;
    EXPECT_EQ(std::string(p.Text(0, 1)), "Span moment (span 1)");
    EXPECT_EQ(std::string(p.Text(1, 1)), "M+R (support B)");
    EXPECT_EQ(std::string(p.Text(2, 1)), "Deflection (right cantilever)");
    const double expected[3][5] = {{70, 60, 50, 0, 70}, {40, 101, 0, 0, 101}, {10, 0, 30, 0, 30}};
    for (int part = 0; part < 3; ++part) {
        for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(p.Real(part, 4 + k), expected[part][k]) << part << " " << k;
    }
}

TEST(DesignResults, SameUtilisationKeepsTheFirstAndHigherReplaces) {
    ProgramFolder folder;
    auto model = MakeCheckModel(folder, testing::CheckProfileText());
    double reals[7] = {4000, 50, 1, 2, 0, 0, 0};
    const int ints[5] = {1, kSupportReaction, 0, 0, 0};
    model->DesignResults.StoreMax(reals, ints);
    reals[2] = 9;
    model->DesignResults.StoreMax(reals, ints);
    EXPECT_DOUBLE_EQ(model->DesignResults.Real(0, 2), 1.0);
    reals[1] = 60;
    model->DesignResults.StoreMax(reals, ints);
    ASSERT_EQ(model->DesignResults.Count(), 1);
    EXPECT_DOUBLE_EQ(model->DesignResults.Real(0, 1), 60.0);
}

}  // namespace
}  // namespace kirvos
