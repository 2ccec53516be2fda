// The frame solver against closed-form beam theory (Bernoulli beams, no shear deformation).
// Units: mm, N; E = 210000 N/mm², Iz = 1e6 mm⁴ (EI = 2.1e11 N·mm²). Mz is positive where a beam sags.
#include <gtest/gtest.h>

#include <cmath>

#include "fem_fixture.h"

namespace kirvos {
namespace {

using test::ContinuousBeam;
using test::DeflectionAt;
using test::SectionAt;

constexpr double kEI = test::kE * test::kI;

// Relative comparison: penalty supports leave errors of the order of 1e-10.
void ExpectClose(double expected, double actual, double scale) {
    EXPECT_NEAR(expected, actual, 1e-7 * scale) << "expected " << expected << ", got " << actual;
}

double Reaction(const FEM_kaikki& m, int support, int loadCase, int component) {
    double r[6];
    m.SupportReaction(support, loadCase, r);
    return r[component];
}

TEST(FrameVerification, SimplySupportedUniformLoad) {
    const double L = 6000.0;
    const double q = 2.0;  // N/mm downward
    FEM_kaikki m;
    test::Load(m, ContinuousBeam(1, L).Load(1, 1, 2, 2, 1, 2, -q, 0, 0, -1));
    ASSERT_EQ(m.Solve(), 1);
    // v(L/2) = -5qL⁴/(384EI); Mz(L/2) = qL²/8; Vy(0) = qL/2, Vy(L) = -qL/2, Vy(L/2) = 0.
    ExpectClose(-5.0 * q * std::pow(L, 4) / (384.0 * kEI), DeflectionAt(m, 1, 1, 0.5)[2], 200.0);
    const test::Section mid = SectionAt(m, 1, 1, 0.5);
    ExpectClose(q * L * L / 8.0, mid.Mz, q * L * L);
    ExpectClose(0.0, mid.Vy, q * L);
    ExpectClose(q * L / 2.0, SectionAt(m, 1, 1, 0.0).Vy, q * L);
    ExpectClose(0.0, SectionAt(m, 1, 1, 0.0).Mz, q * L * L);
    ExpectClose(-q * L / 2.0, SectionAt(m, 1, 1, 1.0).Vy, q * L);
    // End rotations ∓qL³/(24EI); reactions qL/2 upward, no moment at the pinned ends.
    double d[12];
    m.MemberDisplacements(1, 1, d);
    ExpectClose(-q * L * L * L / (24.0 * kEI), d[5], 1.0);
    ExpectClose(q * L * L * L / (24.0 * kEI), d[11], 1.0);
    ExpectClose(q * L / 2.0, Reaction(m, 1, 1, 1), q * L);
    ExpectClose(q * L / 2.0, Reaction(m, 2, 1, 1), q * L);
    EXPECT_EQ(Reaction(m, 1, 1, 5), 0.0);
    // The supports move only by about 1e-10 of the span deflection.
    EXPECT_LT(std::fabs(d[1]), 1e-8 * 160.0);
}

TEST(FrameVerification, PointLoadOffCentre) {
    const double L = 5000.0, a = 1500.0, b = L - a, P = 10000.0;
    FEM_kaikki m;
    test::Load(m, ContinuousBeam(1, L).Load(1, 1, 2, 1, 1, 2, -P, 0, a, 0));
    ASSERT_EQ(m.Solve(), 1);
    // Reactions Pb/L and Pa/L; M under the load Pab/L; deflection there Pa²b²/(3EIL).
    ExpectClose(P * b / L, Reaction(m, 1, 1, 1), P);
    ExpectClose(P * a / L, Reaction(m, 2, 1, 1), P);
    const double t = a / L;
    ExpectClose(P * a * b / L, SectionAt(m, 1, 1, t).Mz, P * L);
    ExpectClose(-P * a * a * b * b / (3.0 * kEI * L), DeflectionAt(m, 1, 1, t)[2], 10.0);
    // The shear jumps from Pb/L to -Pa/L across the load.
    ExpectClose(P * b / L, SectionAt(m, 1, 1, t - 0.01).Vy, P);
    ExpectClose(-P * a / L, SectionAt(m, 1, 1, t + 0.01).Vy, P);
}

TEST(FrameVerification, ContinuousBeamsOfEqualSpans) {
    const double L = 4000.0, q = 3.0;
    struct Case {
        int spans;
        double supportMoment;               // at the first interior support, in qL²
        std::vector<double> reactions;      // in qL, support by support
    };
    // Two spans: M_B = -qL²/8, reactions 3/8, 10/8, 3/8. Three spans: M_B = M_C = -qL²/10,
    // reactions 0.4, 1.1, 1.1, 0.4.
    const Case cases[] = {{2, -1.0 / 8.0, {3.0 / 8.0, 10.0 / 8.0, 3.0 / 8.0}},
                          {3, -1.0 / 10.0, {0.4, 1.1, 1.1, 0.4}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spans);
        test::ModelText text = ContinuousBeam(c.spans, L);
        for (int s = 1; s <= c.spans; ++s) text.Load(s, 1, 2, 2, s, 2, -q, 0, 0, -1);
        FEM_kaikki m;
        test::Load(m, text);
        ASSERT_EQ(m.Solve(), 1);
        ExpectClose(c.supportMoment * q * L * L, SectionAt(m, 1, 1, 1.0).Mz, q * L * L);
        ExpectClose(c.supportMoment * q * L * L, SectionAt(m, 2, 1, 0.0).Mz, q * L * L);
        if (c.spans == 3) ExpectClose(c.supportMoment * q * L * L, SectionAt(m, 3, 1, 0.0).Mz, q * L * L);
        for (int s = 0; s <= c.spans; ++s) ExpectClose(c.reactions[s] * q * L, Reaction(m, s + 1, 1, 1), q * L);
    }
}

TEST(FrameVerification, CantileverWithTipLoad) {
    const double L = 2000.0, P = 1000.0;
    test::ModelText text;
    text.Node(1, 0).Node(2, L).Member(1, 1, 2).Support(1, 1, 6111111).Load(1, 1, 1, 1, 2, 2, -P);
    FEM_kaikki m;
    test::Load(m, text);
    ASSERT_EQ(m.Solve(), 1);
    // Tip deflection -PL³/(3EI), tip rotation -PL²/(2EI); fixed-end moment -PL (hogging), reactions P and PL.
    double u[6];
    ASSERT_TRUE(m.NodeDisplacements(2, 1, u));
    ExpectClose(-P * L * L * L / (3.0 * kEI), u[1], 1.0);
    ExpectClose(-P * L * L / (2.0 * kEI), u[5], 1e-3);
    ExpectClose(-P * L, SectionAt(m, 1, 1, 0.0).Mz, P * L);
    ExpectClose(0.0, SectionAt(m, 1, 1, 1.0).Mz, P * L);
    ExpectClose(P, Reaction(m, 1, 1, 1), P);
    ExpectClose(P * L, Reaction(m, 1, 1, 5), P * L);
    ExpectClose(-P * L * L * L / (3.0 * kEI), DeflectionAt(m, 1, 1, 1.0)[2], 1.0);
}

// Two cantilevers of length L fixed at their outer ends and joined by a hinge, with P at the hinge:
// by symmetry each carries P/2, so the hinge moves -(P/2)L³/(3EI), the fixed ends take -PL/2 and the
// moment at the hinge is 0. The hinge is made once by a coupling and once by a member-end release.
TEST(FrameVerification, HingeByCouplingAndByRelease) {
    const double L = 3000.0, P = 2000.0;
    test::ModelText coupled;
    coupled.Node(1, 0).Node(2, L).Node(3, L).Node(4, 2 * L);
    coupled.Member(1, 1, 2).Member(2, 3, 4).Coupling(1, 3, 2, 6111110);
    coupled.Support(1, 1, 6111111).Support(2, 4, 6111111).Load(1, 1, 1, 1, 2, 2, -P);
    test::ModelText released;
    released.Node(1, 0).Node(2, L).Node(3, 2 * L);
    released.Member(1, 1, 2, 6111111, 6111110).Member(2, 2, 3);
    released.Support(1, 1, 6111111).Support(2, 3, 6111111).Load(1, 1, 1, 1, 2, 2, -P);
    for (const test::ModelText* text : {&coupled, &released}) {
        FEM_kaikki m;
        test::Load(m, *text);
        ASSERT_EQ(m.Solve(), 1);
        ExpectClose(0.0, SectionAt(m, 1, 1, 1.0).Mz, P * L);
        ExpectClose(0.0, SectionAt(m, 2, 1, 0.0).Mz, P * L);
        ExpectClose(-P * L / 2.0, SectionAt(m, 1, 1, 0.0).Mz, P * L);
        ExpectClose(-P * L / 2.0, SectionAt(m, 2, 1, 1.0).Mz, P * L);
        ExpectClose(-(P / 2.0) * L * L * L / (3.0 * kEI), DeflectionAt(m, 1, 1, 1.0)[2], 10.0);
        ExpectClose(P / 2.0, Reaction(m, 1, 1, 1), P);
    }
}

TEST(FrameVerification, PartialTrapezoidLoad) {
    // Simply supported span L with a load rising from q1 at a to q2 at b (downward).
    const double L = 6000.0, a = 1000.0, b = 4000.0, q1 = 1.0, q2 = 4.0;
    FEM_kaikki m;
    test::Load(m, ContinuousBeam(1, L).Load(1, 1, 2, 3, 1, 2, -q1, -q2, a, b));
    ASSERT_EQ(m.Solve(), 1);
    // Resultant Q = (q1 + q2)ℓ/2 at xc = a + ℓ(q1 + 2q2)/(3(q1 + q2)); R2 = Q·xc/L, R1 = Q - R2.
    const double len = b - a;
    const double Q = (q1 + q2) * len / 2.0;
    const double xc = a + len * (q1 + 2.0 * q2) / (3.0 * (q1 + q2));
    const double R2 = Q * xc / L, R1 = Q - R2;
    ExpectClose(R1, Reaction(m, 1, 1, 1), Q);
    ExpectClose(R2, Reaction(m, 2, 1, 1), Q);
    // Beyond the load M(x) = R1·x - Q(x - xc) = R2(L - x), linear; inside it M(x) = R1·x - the partial moment.
    for (const double x : {4500.0, 5000.0, 5500.0}) ExpectClose(R2 * (L - x), SectionAt(m, 1, 1, x / L).Mz, Q * L);
    const double x = 2500.0, s = x - a, qx = q1 + (q2 - q1) * s / len;
    const double partial = q1 * s * s / 2.0 + (qx - q1) * s * s / 6.0;
    ExpectClose(R1 * x - partial, SectionAt(m, 1, 1, x / L).Mz, Q * L);
    ExpectClose(R1 - (q1 + qx) * s / 2.0, SectionAt(m, 1, 1, x / L).Vy, Q);
    // The deflection at mid-span from the unit-load (Maxwell) integral ∫ q(ξ)·δ(ξ) dξ with the simply
    // supported influence line δ(ξ) = ξ(L - x)(2Lx - x² - ξ²)/(6EIL) for ξ <= x, mirrored beyond.
    double expected = 0.0;
    const int steps = 20000;
    for (int i = 0; i < steps; ++i) {
        const double xi = a + (i + 0.5) * len / steps;
        const double q = q1 + (q2 - q1) * (xi - a) / len;
        const double xm = L / 2.0;
        const double infl = xi <= xm ? xi * (L - xm) * (2 * L * xm - xm * xm - xi * xi) / (6 * kEI * L)
                                     : xm * (L - xi) * (2 * L * xi - xi * xi - xm * xm) / (6 * kEI * L);
        expected -= q * infl * len / steps;
    }
    EXPECT_NEAR(expected, DeflectionAt(m, 1, 1, 0.5)[2], 1e-6 * std::fabs(expected));
}

TEST(FrameVerification, InclinedMemberUnderGlobalLoad) {
    // Member at 30° rising from a pin to a vertical roller, with a vertical load q per length of member.
    const double L = 4000.0, phi = 30.0 * 3.14159265358979323846 / 180.0, q = 1.5;
    test::ModelText text;
    text.Node(1, 0, 0).Node(2, L * std::cos(phi), L * std::sin(phi)).Member(1, 1, 2);
    text.Support(1, 1, 6111110).Support(2, 2, 6011110).Load(1, 1, 2, 2, 1, 2, -q, 0, 0, -1);
    FEM_kaikki m;
    test::Load(m, text);
    ASSERT_EQ(m.Solve(), 1);
    // Vertical reactions qL/2 each, no horizontal reaction; the transverse part q·cosφ gives
    // Mz = q·cosφ·L²/8 at mid-length. The axial force runs from +(qL/2)·sinφ at the pin (the component
    // of its vertical reaction along the member) to -(qL/2)·sinφ at the roller.
    ExpectClose(q * L / 2.0, Reaction(m, 1, 1, 1), q * L);
    ExpectClose(q * L / 2.0, Reaction(m, 2, 1, 1), q * L);
    ExpectClose(0.0, Reaction(m, 1, 1, 0), q * L);
    ExpectClose(q * std::cos(phi) * L * L / 8.0, SectionAt(m, 1, 1, 0.5).Mz, q * L * L);
    ExpectClose(q * L / 2.0 * std::sin(phi), SectionAt(m, 1, 1, 0.0).N, q * L);
    ExpectClose(-q * L / 2.0 * std::sin(phi), SectionAt(m, 1, 1, 1.0).N, q * L);
}

}  // namespace
}  // namespace kirvos
