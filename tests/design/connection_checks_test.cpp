#include "design/connection_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks_fixture.h"
#include "design/checks_hook.h"

namespace kirvos {
namespace {

using testing::AddPart;
using testing::FindConnection;
using testing::MakeCheckModel;
using testing::ProgramFolder;

// gammaF 1.25; sheet t 0.7 mm, fs 350 N/mm2. Bearing at t2 = t: b1 = 2.6 t sqrt(t d) fs
// (1249.90 N for d 5.5), at t2 >= 2.5 t: b2 = 1.6 t d fs (2156 N).
TEST(FastenerResistances, ClassesMaterialCodesAndPlateThicknessRules) {
    const FastenerData screw{1, 1, 5.5, 6.34, 9.51};
    const FastenerData washer{1, 2, 5.5, 6.34, 9.51};
    const FastenerData threadForming{2, 1, 5.5, 6.34, 0.0};  // no tension value: 1.2 Fv,k
    const FastenerData rivet{4, 1, 4.8, 1.72, 2.59};
    const FastenerData nail{5, 1, 4.5, 8.6, 8.8};
    struct Case {
        const char* name;
        FastenerData f;
        int type;
        double t, t2, f2;
        FastenerResistances expected;
    };
    const Case cases[] = {
        // Thick support: bearing b2; pull-out 1.5 t2 sqrt(t2 d) f2; pull-through 12 t fs 0.6.
        {"screw at support", screw, kSupportPlace, 0.7, 3.0, 235.0, {4057.6, 2156.0, 4295.5853, 7608.0, 1764.0}},
        // Washer variant, t2 = t: shear and bearing times 0.8.
        {"washer at joint", washer, kJointPlace, 0.7, 0.7, 350.0, {3246.08, 999.9074, 721.0871, 7608.0, 1764.0}},
        // t2 = 2 t: two thirds of the way from b1 to b2.
        {"screw, t2 = 2 t", screw, kJointPlace, 0.7, 1.4, 350.0,
         {4057.6, 1853.9614, 1.5 * 1.4 * 2.7748874 * 350.0, 7608.0, 1764.0}},
        // Sheet thicker than the second plate: the thinner plate bears, times 0.6.
        {"thread-forming, t > t2", threadForming, kJointPlace, 1.0, 0.7, 350.0,
         {4057.6, 749.9306, 0.5 * 0.7 * 5.5 * 350.0, 1.2 * 6340 / 1.25, 2520.0}},
        {"rivet at joint", rivet, kJointPlace, 0.7, 0.7, 350.0, {1100.8, 1167.6403, 588.0, 2072.0, 1225.0}},
        {"nail at support", nail, kSupportPlace, 0.7, 6.0, 235.0, {6880.0, 2756.25, 4576.0, 7040.0, 1764.0}},
        {"nail at joint", nail, kJointPlace, 0.7, 0.7, 350.0, {6880.0, 2756.25, 7040.0, 7040.0, 1764.0}},
        // Side lap: no pull-out or pull-through.
        {"screw at side lap", screw, kSeamPlace, 0.7, 0.7, 350.0, {4057.6, 1249.8843, 0.0, 7608.0, 0.0}},
    };
    for (const Case& c : cases) {
        const FastenerResistances r = ComputeFastenerResistances(c.f, c.type, 1.25, c.t, 350.0, c.t2, c.f2);
        EXPECT_NEAR(r.Fv, c.expected.Fv, 1e-3) << c.name;
        EXPECT_NEAR(r.Fb, c.expected.Fb, 1e-3) << c.name;
        EXPECT_NEAR(r.Fo, c.expected.Fo, 1e-3) << c.name;
        EXPECT_NEAR(r.Ft, c.expected.Ft, 1e-3) << c.name;
        EXPECT_NEAR(r.Fp, c.expected.Fp, 1e-3) << c.name;
    }
}

// Fastener catalogue entries: class, material code, d, Fv,k, Ft,k.
void AddFastener(KAIKKI_data& m, int category, int fastenerClass, int material, double d, double Fvk, double Ftk) {
    m.Fasteners.Add({"F", "F"}, {d, 20, d, 0, 0, 0, Fvk, Ftk, 0, 0}, {category, fastenerClass, 1, material, 0, 0, 0, 0, 0, 0});
}

struct Place {
    int check;
    double n, use;
};

Place Check(KAIKKI_data& m, int type, double F0, double F1, double F2 = 0.0) {
    m.ConnectionResults.Clear();
    double reals[7] = {1000.0, 0, 0, 0, 0, 0, 0};
    int ints[5] = {0, 0, 7, 0, 0};
    CheckConnection(m, F0, F1, F2, reals, type, 0, 0, ints);
    const int i = FindConnection(m, type, 1000.0);
    if (i < 0) return {-1, 0, 0};
    EXPECT_EQ(m.ConnectionResults.Int(i, 2), 7);
    return {m.ConnectionResults.Int(i, 1), m.ConnectionResults.Real(i, 1), m.ConnectionResults.Real(i, 2)};
}

// T60 with 4 ribs a metre, every factor 1: screw Fv = 5072 N, at a 3 mm support Fb = 2156 N.
class Connections : public ::testing::Test {
protected:
    void SetUp() override {
        model = MakeCheckModel(folder, testing::CheckProfileText());
        AddPart(*model, 1, 1, 0, 0, 6000);
        AddFastener(*model, 1, 1, 1, 5.5, 6.34, 9.51);
        AddFastener(*model, 4, 4, 1, 4.8, 1.72, 2.59);
        model->Fasteners.SupportFastener = 0;
        model->Fasteners.JointFastener = 0;
        model->Fasteners.SeamFastener = 0;
    }
    ProgramFolder folder;
    std::unique_ptr<KAIKKI_data> model;
};

TEST_F(Connections, SmallForcesStillListThePlace) {
    const Place p = Check(*model, kSupportPlace, 0.0, 500.0);  // pressure only: no tension
    EXPECT_EQ(p.check, kNothingExceeded);
    EXPECT_DOUBLE_EQ(p.n, 1.0);
    EXPECT_DOUBLE_EQ(p.use, 0.0);
}

TEST_F(Connections, CountPerRibCappedAtSix) {
    // In-plane shear 6.5 times what one fastener a rib carries in shear (4 x 5072 N/m).
    const Place p = Check(*model, kSupportPlace, 6.5 * 4 * 5072.0, 0.0);
    EXPECT_DOUBLE_EQ(p.n, 6.0);
    EXPECT_GT(p.use, 100.0);
    // One fastener a rib suffices: bearing 2000 / (4 x 2156).
    const Place q = Check(*model, kSupportPlace, 2000.0, 0.0);
    EXPECT_DOUBLE_EQ(q.n, 1.0);
    EXPECT_NEAR(q.use, 2000.0 / (4 * 2156.0) * 100, 1e-9);
    EXPECT_EQ(q.check, kSheetBearing);
}

TEST_F(Connections, EverySecondRibNeedsTwiceAsMany) {
    const double S = 7.6 * 2156.0;  // 1.9 fasteners a rib in bearing
    const Place every = Check(*model, kSupportPlace, S, 0.0);
    model->Fasteners.FasteningPattern() = 1;
    const Place second = Check(*model, kSupportPlace, S, 0.0);
    EXPECT_DOUBLE_EQ(every.n, 2.0);
    EXPECT_DOUBLE_EQ(second.n, 4.0);
    EXPECT_NEAR(every.use, 95.0, 1e-9);
    EXPECT_NEAR(second.use, 95.0, 1e-9);
}

TEST_F(Connections, UpliftPullThroughAndCombinedAtSupport) {
    // Uplift 8000 N/m, Fp = 12 x 0.7 x 350 x 0.6 = 1764 N: with 0.9 Fp one fastener a rib is not
    // enough (1.26), so it is counted with 0.7 Fp: 8000 / 4 / 1234.8 = 1.62 -> 2 a rib, 81.0 %.
    // Combined at n = 2: (8000 / (8 x 1234.8))^2 = 65.6 %; pull-out 46.6 % and tension 21 % at n = 1.
    const Place p = Check(*model, kSupportPlace, 0.0, -8000.0);
    EXPECT_EQ(p.check, kPullThrough);
    EXPECT_DOUBLE_EQ(p.n, 2.0);
    EXPECT_NEAR(p.use, 8000.0 / (2 * 4 * 0.7 * 1764.0) * 100, 1e-9);
}

TEST_F(Connections, JointForcesSplitByTheWebAngle) {
    // Joint: F1 = 1000 N/m across webs at 60 degrees: T = 500, S = 866 N/m; 8 fasteners a metre.
    // t2 = F2 - t = 0.7: bearing Fb = b1 = 1249.88 N, 866 / (8 x 1249.88) = 8.661 %; pull-out of
    // the thin second sheet Fo = 1.5 x 0.7 sqrt(0.7 x 5.5) 350 = 721.09 N, 500 / (8 x 721.09) =
    // 8.667 %, which governs; pull-through 500 / (8 x 0.9 x 1764) = 3.94 %.
    const Place p = Check(*model, kJointPlace, 0.0, 1000.0, 1.4);
    EXPECT_EQ(p.check, kPullOut);
    EXPECT_NEAR(p.use, 500.0 / (8 * 721.0871) * 100, 1e-4);
}

TEST_F(Connections, DuctilityRuleFlagsStrongBearingAgainstAWeakRivet) {
    model->Fasteners.JointFastener = 1;  // Fv 1376 N, Fb 1167.64 N: 1.2 Fb / Fv = 101.8 %
    const Place p = Check(*model, kJointPlace, 0.0, 0.0, 1.4);
    EXPECT_EQ(p.check, kDuctility);
    EXPECT_NEAR(p.use, 1.2 * 1167.6403 / 1376.0 * 100, 1e-3);
}

TEST_F(Connections, DuctilityKeepsTheFastenerCountTheForceNeeds) {
    // Rivet, Fv = 1376 N. At the 3 mm support it bears Fb = b2 = 1.6 x 0.7 x 4.8 x 350 = 1881.6 N,
    // so the ductility rule shows 1.2 Fb / Fv = 164.1 %, yet the shear of 3 x 4 x 1376 N/m still
    // needs three rivets a rib. On the side lap (t2 = t) Fb = 1167.64 N (101.8 %) and a shear flow
    // of five times that needs five along the part.
    model->Fasteners.SupportFastener = 1;
    model->Fasteners.SeamFastener = 1;
    const struct {
        int type;
        double S, n, use;
    } cases[] = {
        {kSupportPlace, 3 * 4 * 1376.0, 3.0, 1.2 * 1881.6 / 1376.0 * 100},
        {kSeamPlace, 5 * 1167.6403, 5.0, 1.2 * 1167.6403 / 1376.0 * 100},
    };
    for (const auto& c : cases) {
        const Place p = Check(*model, c.type, c.S, 0.0);
        EXPECT_EQ(p.check, kDuctility) << c.type;
        EXPECT_NEAR(p.n, c.n, 1e-6) << c.type;
        EXPECT_NEAR(p.use, c.use, 1e-3) << c.type;
    }
}

TEST_F(Connections, JointSecondPlateIsTheOtherSheetAtAPartEnd) {
    // Part 1 (0.7 mm) from 0 to 7000 laps over part 2 (1.0 mm) from 5000 to 12000. At 7000 the
    // fasteners of part 1 grip the 1.0 mm sheet, at 5000 those of part 2 the 0.7 mm sheet; the
    // pull-out resistance 1.5 t2 sqrt(t2 d) fs shows which plate was taken.
    testing::SetSpans(*model, {0, 6000, 6000, 0});
    model->SheetParts.Clear();
    AddPart(*model, 1, 1, 0, 0, 7000);
    AddPart(*model, 2, 2, 0, 5000, 12000);
    VerhoKayratVektori ends(20, 20);
    const double members[][4] = {{1, 1, 0, 6000}, {1, 2, 6000, 7000}, {2, 3, 5000, 6000}, {2, 4, 6000, 12000}};
    for (const auto& m : members) {
        const int part = static_cast<int>(m[0]), member = static_cast<int>(m[1]);
        ends.Add({}, {m[2], 0, 0, 0, 0}, {1, part, member, 0, 0});
        ends.Add({}, {m[3], 0, 0, 0, 0}, {1, part, member, 0, 0});
    }
    CheckCombination(*model, 0, ends);
    const struct {
        double x, t2;
    } joints[] = {{7000, 1.0}, {5000, 0.7}};
    for (const auto& j : joints) {
        const int i = FindConnection(*model, kJointPlace, j.x);
        ASSERT_GE(i, 0) << j.x;
        EXPECT_NEAR(model->ConnectionResults.Real(i, 5), 1.5 * j.t2 * std::sqrt(j.t2 * 5.5) * 350.0, 1e-6) << j.x;
    }
}

TEST_F(Connections, SideLapCountWithAndWithoutDiaphragm) {
    Place p = Check(*model, kSeamPlace, 0.0, 0.0);
    EXPECT_EQ(p.check, kNothingExceeded);
    EXPECT_DOUBLE_EQ(p.n, 2.0);
    model->DiaphragmOn = 1;
    p = Check(*model, kSeamPlace, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(p.n, 2.5);
    // Shear flow 5000 N/m on Fb = 1249.90 N (t2 = t): 4.0 fasteners, 100 %.
    p = Check(*model, kSeamPlace, 5000.0, 0.0);
    EXPECT_NEAR(p.n, 5000.0 / 1249.8843, 1e-5);
    EXPECT_NEAR(p.use, 100.0, 1e-9);
    // Capped at 20.
    p = Check(*model, kSeamPlace, 30 * 1249.8843, 0.0);
    EXPECT_DOUBLE_EQ(p.n, 20.0);
    EXPECT_NEAR(p.use, 150.0, 1e-4);
}

TEST_F(Connections, NoFastenerSelectedNoCheck) {
    model->Fasteners.SupportFastener = -1;
    EXPECT_EQ(Check(*model, kSupportPlace, 1000.0, -1000.0).check, -1);
    EXPECT_EQ(model->ConnectionResults.Count(), 0);
}

}  // namespace
}  // namespace kirvos
