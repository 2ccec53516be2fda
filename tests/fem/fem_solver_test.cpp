// Numerical kernel, load formulas, preparation and solver failures of the frame model.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fem/frame_solver.h"
#include "fem_fixture.h"

namespace kirvos {
namespace {

using test::ModelText;

std::vector<int> EquationRow(const FEM_kaikki& m, int node) {
    const int r = m.NodeEquationIndex(node);
    std::vector<int> eq;
    for (int j = 1; j <= 6; ++j) eq.push_back(m.NodeEquations.Int(r, j));
    return eq;
}

TEST(FrameSolver, ElementStiffnessEntries) {
    double k[78];
    const double Iz = 2.0, Iy = 3.0, It = 5.0, A = 7.0, E = 11.0, G = 13.0, L = 2.0;
    FEM_ratkaisija::ElementStiffness(k, Iz, Iy, It, A, E, G, L);
    auto at = [&](int r, int c) { return k[FEM_ratkaisija::PackedIndex(r - 1, c - 1)]; };
    EXPECT_EQ(FEM_ratkaisija::RowOffset(11), 77);
    EXPECT_DOUBLE_EQ(at(1, 7), -E * A / L);
    EXPECT_DOUBLE_EQ(at(2, 12), 6 * E * Iz / (L * L));
    EXPECT_DOUBLE_EQ(at(8, 12), -6 * E * Iz / (L * L));
    EXPECT_DOUBLE_EQ(at(3, 5), -6 * E * Iy / (L * L));
    EXPECT_DOUBLE_EQ(at(9, 11), 6 * E * Iy / (L * L));
    EXPECT_DOUBLE_EQ(at(5, 11), 2 * E * Iy / L);
    EXPECT_DOUBLE_EQ(at(4, 10), -G * It / L);
    EXPECT_DOUBLE_EQ(at(2, 3), 0.0);  // no coupling between the planes
    FEM_ratkaisija::ElementStiffness(k, Iz, Iy, It, A, 0.0, G, L);
    for (double v : k) EXPECT_EQ(v, 0.0);
}

TEST(FrameSolver, DirectionCosinesAndRotations) {
    struct Case {
        double end[3];
        double roll;
        double axes[9];
    };
    const Case cases[] = {
        {{5, 0, 0}, 0, {1, 0, 0, 0, 1, 0, 0, 0, 1}},
        {{0, 5, 0}, 0, {0, 1, 0, -1, 0, 0, 0, 0, 1}},   // vertical: local y along -x
        {{5, 0, 0}, 90, {1, 0, 0, 0, 0, -1, 0, 1, 0}},  // roll turns y and z about the member
        {{3, 4, 0}, 0, {0.6, 0.8, 0, -0.8, 0.6, 0, 0, 0, 1}},
    };
    const double origin[3] = {0, 0, 0};
    for (const Case& c : cases) {
        double R[9];
        FEM_ratkaisija::DirectionCosines(R, origin, c.end, c.roll);
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(R[i], c.axes[i], 1e-12) << i;
    }
    // A global load along y on the 3-4-5 member: local axial part 0.8, transverse part 0.6.
    double R[9];
    const double end[3] = {3, 4, 0};
    FEM_ratkaisija::DirectionCosines(R, origin, end, 0);
    double v[6] = {0, 1, 0, 0, 0, 0};
    FEM_ratkaisija::TransformVector(v, R, false, 6);
    EXPECT_NEAR(v[0], 0.8, 1e-12);
    EXPECT_NEAR(v[1], 0.6, 1e-12);
    FEM_ratkaisija::TransformVector(v, R, true, 6);
    EXPECT_NEAR(v[1], 1.0, 1e-12);
    // T^T k T of a member along y equals the local matrix with x and y exchanged.
    double k[78], local[78];
    FEM_ratkaisija::ElementStiffness(local, 2, 3, 5, 7, 11, 13, 2);
    FEM_ratkaisija::ElementStiffness(k, 2, 3, 5, 7, 11, 13, 2);
    const double up[3] = {0, 2, 0};
    FEM_ratkaisija::DirectionCosines(R, origin, up, 0);
    FEM_ratkaisija::TransformStiffness(k, R);
    auto at = [](const double* m, int r, int c) {
        return r <= c ? m[FEM_ratkaisija::PackedIndex(r, c)] : m[FEM_ratkaisija::PackedIndex(c, r)];
    };
    EXPECT_NEAR(at(k, 1, 1), at(local, 0, 0), 1e-9);   // global uy is the axial freedom
    EXPECT_NEAR(at(k, 0, 0), at(local, 1, 1), 1e-9);   // global ux is the transverse one
    EXPECT_NEAR(at(k, 0, 5), -at(local, 1, 5), 1e-9);  // local y = -global x
}

TEST(FrameSolver, BandEliminationSolvesAndReportsZeroPivots) {
    // Tridiagonal 4 x 4 system [2 -1; -1 2 -1; ...] x = (1, 0, 0, 1) has x = (1, 1, 1, 1); b = 2.
    std::vector<double> K = {2, -1, 2, -1, 2, -1, 2, 0};
    std::vector<double> F1 = {1, 0, 0, 1}, F2 = {2, 0, 0, 2};
    double* vectors[3] = {F1.data(), nullptr, F2.data()};
    ASSERT_EQ(FEM_ratkaisija::Decompose(K.data(), 4, 2), 1);
    EXPECT_EQ(FEM_ratkaisija::ForwardReduce(K.data(), vectors, 4, 2, 3), 1);
    EXPECT_EQ(FEM_ratkaisija::BackSubstitute(K.data(), vectors, 4, 2, 3), 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(F1[static_cast<std::size_t>(i)], 1.0, 1e-14);
        EXPECT_NEAR(F2[static_cast<std::size_t>(i)], 2.0, 1e-14);
    }
    std::vector<double> singular = {1, -1, 1, 0};
    EXPECT_EQ(FEM_ratkaisija::Decompose(singular.data(), 2, 2), -1);
    std::vector<double> zeroDiagonal = {0, 0};
    EXPECT_EQ(FEM_ratkaisija::BackSubstitute(zeroDiagonal.data(), vectors, 2, 1, 1), -31);
}

TEST(MemberLoads, EquivalentNodalForces) {
    const double L = 1000.0, P = 10.0, q = 2.0;
    struct Case {
        const char* name;
        int type;
        double v1, v2, a, b;
        double expected[12];  // components 1, 2, 6, 7, 8, 12 matter here (Fx, Fy, Mz at both ends)
    };
    const Case cases[] = {
        {"point at mid-length", 1, P, 0, L / 2, 0, {0, P / 2, 0, 0, 0, P * L / 8, 0, P / 2, 0, 0, 0, -P * L / 8}},
        {"point at the start", 1, P, 0, 0, 0, {0, P, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"point at the end", 1, P, 0, L, 0, {0, 0, 0, 0, 0, 0, 0, P, 0, 0, 0, 0}},
        {"point beyond the end", 1, P, 0, L + 1, 0, {}},
        {"uniform, b = -1", 2, q, 0, 0, -1,
         {0, q * L / 2, 0, 0, 0, q * L * L / 12, 0, q * L / 2, 0, 0, 0, -q * L * L / 12}},
        {"uniform, a = b", 2, q, 0, 300, 300, {}},
        {"trapezoid 0..q", 3, 0, q, 0, L,
         {0, 3 * q * L / 20, 0, 0, 0, q * L * L / 30, 0, 7 * q * L / 20, 0, 0, 0, -q * L * L / 20}},
    };
    const double axes[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FEM_KuormaVektori loads;
        const int fields[6] = {1, 1, 2, c.type, 5, -2};
        const double reals[4] = {c.v1, c.v2, c.a, c.b};
        loads.Add(nullptr, reals, fields);
        double f[12];
        loads.EquivalentNodalForces(5, 1, f, axes, L);
        for (int i = 0; i < 12; ++i) EXPECT_NEAR(f[i], c.expected[i], 1e-9 * q * L * L) << i;
    }
    // Direct calls: a point load at a = -1 adds nothing; a moment load is statically equivalent.
    double f[12] = {};
    FEM_KuormaVektori::PointLoadForces(2, P, -1.0, L, f);
    for (double v : f) EXPECT_EQ(v, 0.0);
    FEM_KuormaVektori::PointLoadForces(6, P, 300.0, L, f);
    EXPECT_NEAR(f[1] + f[7], 0.0, 1e-12);
    EXPECT_NEAR(f[5] + f[11] + L * f[7], P, 1e-9);
}

TEST(MemberLoads, GlobalAndLocalDirectionsOnAnInclinedMember) {
    // Member at φ = 30°: direction +2 (global y) splits into P·sinφ axial and P·cosφ transverse; -2 is transverse.
    const double L = 2000.0, P = 100.0, phi = 30.0 * 3.14159265358979323846 / 180.0;
    const double origin[3] = {0, 0, 0}, end[3] = {L * std::cos(phi), L * std::sin(phi), 0};
    double axes[9];
    FEM_ratkaisija::DirectionCosines(axes, origin, end, 0);
    for (const int direction : {2, -2}) {
        FEM_KuormaVektori loads;
        const int fields[6] = {1, 1, 2, 1, 1, direction};
        const double reals[4] = {P, 0, L / 2, 0};
        loads.Add(nullptr, reals, fields);
        double f[12];
        loads.EquivalentNodalForces(1, 1, f, axes, L);
        const double axial = direction > 0 ? P * std::sin(phi) : 0.0;
        const double transverse = direction > 0 ? P * std::cos(phi) : P;
        EXPECT_NEAR(f[0] + f[6], axial, 1e-9);
        EXPECT_NEAR(f[1] + f[7], transverse, 1e-9);
    }
    // Node loads: only type 1 counts, and equal directions add up.
    FEM_KuormaVektori loads;
    const double reals[4] = {5, 0, 0, 0};
    const int a[6] = {1, 1, 1, 1, 3, 2}, b[6] = {2, 1, 1, 1, 3, 2}, c[6] = {3, 1, 1, 2, 3, 2};
    loads.Add(nullptr, reals, a);
    loads.Add(nullptr, reals, b);
    loads.Add(nullptr, reals, c);
    double sums[6];
    loads.NodeLoadSum(3, 1, sums);
    EXPECT_EQ(sums[1], 10.0);
}

TEST(FemPreparation, EquationNumbersFollowTheCouplings) {
    ModelText text;
    text.Node(1, 0).Node(2, 1000).Node(3, 2000).Member(1, 1, 2).Member(2, 2, 3);
    text.Support(1, 1, 6111111).Load(1, 1, 1, 1, 3, 2, -1.0);
    FEM_kaikki m;
    test::Load(m, text);
    ASSERT_EQ(m.Solve(), 1);
    EXPECT_EQ(EquationRow(m, 1), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(EquationRow(m, 3), (std::vector<int>{13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(m.BandWidth, 12);

    // Node 4 hangs on node 2 by a hinge; a pin at node 3 keeps the structure stable.
    text.Node(4, 1000).Member(2, 4, 3).Coupling(1, 4, 2, 6111110).Support(2, 3, 6111110);
    text.members.erase(text.members.begin() + 1);
    test::Load(m, text);
    ASSERT_EQ(m.Solve(), 1);
    EXPECT_EQ(EquationRow(m, 2), (std::vector<int>{7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(EquationRow(m, 4), (std::vector<int>{7, 8, 9, 10, 11, 13}));
    EXPECT_EQ(EquationRow(m, 3), (std::vector<int>{14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(m.EquationCount, 19);
}

TEST(FemPreparation, ReleasesAreRebuiltNotRepeated) {
    ModelText text = test::ContinuousBeam(2, 3000.0);
    text.members[1] = "2;2;3;1;1;6111110;6111111;0;0;0";
    text.Load(1, 1, 2, 2, 1, 2, -1.0, 0, 0, -1).Load(2, 2, 2, 2, 2, 2, -1.0, 0, 0, -1);
    FEM_kaikki m;
    test::Load(m, text);
    ASSERT_EQ(m.Solve(), 1);
    EXPECT_EQ(m.Nodes.Count(), 4);
    EXPECT_EQ(m.Couplings.Count(), 1);
    EXPECT_EQ(m.Members.Int(1, 1), 1000001);
    const std::vector<std::string> equations = [&] {
        std::vector<std::string> lines;
        for (int r = 0; r < m.NodeEquations.Count(); ++r) lines.push_back(m.NodeEquations.Line(r));
        for (int r = 0; r < m.Elements.Count(); ++r) lines.push_back(m.Elements.Line(r));
        return lines;
    }();
    const std::vector<std::vector<double>> displacements = m.LoadVectors;
    ASSERT_EQ(m.Solve(), 1);
    EXPECT_EQ(m.Nodes.Count(), 4);
    EXPECT_EQ(m.Couplings.Count(), 1);
    std::vector<std::string> again;
    for (int r = 0; r < m.NodeEquations.Count(); ++r) again.push_back(m.NodeEquations.Line(r));
    for (int r = 0; r < m.Elements.Count(); ++r) again.push_back(m.Elements.Line(r));
    EXPECT_EQ(again, equations);
    EXPECT_EQ(m.LoadVectors, displacements);
    // The hinge at the released end carries no moment.
    EXPECT_NEAR(test::SectionAt(m, 2, 1, 0.0).Mz, 0.0, 1e-6);
}

TEST(FemPreparation, ChainedCouplingIsRefusedInsteadOfDroppingMembers) {
    // Node 4 hangs on node 3 by a coupling, node 3 itself on node 2: node 4 would get no equations and
    // member 2 (standing on it) would silently drop out of the model.
    ModelText text;
    text.Node(1, 0).Node(2, 1000).Node(3, 1000).Node(4, 1000).Node(5, 2000);
    text.Member(1, 1, 2).Member(2, 4, 5).Coupling(1, 3, 2).Coupling(2, 4, 3);
    text.Support(1, 1, 6111111).Support(2, 5, 6111111).Load(1, 1, 1, 1, 2, 2, -1.0);
    FEM_kaikki m;
    test::Load(m, text);
    EXPECT_EQ(m.Validate(), 0);
    EXPECT_EQ(m.Solve(), -703);
    EXPECT_EQ(test::Messages(m, 700), (std::vector<std::string>{"Kytkennän isäntäsolmu on itse kytketty solmu (solmu 4)"}));
    EXPECT_EQ(m.MessageText.LineCount(kSolverMessageGroup), 0);
    double f[12] = {1};
    m.MemberForces(1, 1, f);
    EXPECT_EQ(f[0], 0.0);

    // A released member end on a coupled node makes the same chain through the generated coupling.
    ModelText released;
    released.Node(1, 0).Node(2, 1000).Node(3, 1000).Node(4, 2000);
    released.Member(1, 1, 2).Member(2, 3, 4, 6111110, 6111111).Coupling(1, 3, 2);
    released.Support(1, 1, 6111111).Support(2, 4, 6111111).Load(1, 1, 1, 1, 2, 2, -1.0);
    test::Load(m, released);
    EXPECT_EQ(m.Solve(), -703);
    EXPECT_EQ(test::Messages(m, 700), (std::vector<std::string>{"Kytkennän isäntäsolmu on itse kytketty solmu (solmu 3)"}));
}

TEST(FemPreparation, MechanismStopsTheElimination) {
    // Nothing holds the beam along x: the axial freedoms form a singular block with an exact zero pivot.
    ModelText text;
    text.Node(1, 0).Node(2, 1000).Node(3, 2000).Member(1, 1, 2).Member(2, 2, 3);
    text.Support(1, 1, 6011111).Support(2, 3, 6011111).Load(1, 1, 1, 1, 2, 2, -1.0);
    FEM_kaikki m;
    test::Load(m, text);
    EXPECT_EQ(m.Solve(), -1);
    EXPECT_EQ(test::Messages(m, kSolverMessageGroup), (std::vector<std::string>{"Gaussin eliminoinnissa virhe (-1)"}));
    double r[6] = {1};
    m.SupportReaction(1, 1, r);
    EXPECT_EQ(r[1], 0.0);
}

TEST(FemPreparation, MembersCoupledToThemselvesAddNoStiffness) {
    // Member 1 runs from node 1 to node 2, and node 2 shares every freedom with node 1: the member moves
    // rigidly and must add nothing (both off-diagonal halves cancel the diagonal). The load at node 2 is
    // then carried by member 2 alone, pushed towards its fixed end: u = P L / (EA).
    ModelText text;
    text.Node(1, 0).Node(2, 1000).Node(3, 3000).Member(1, 1, 2).Member(2, 1, 3).Coupling(1, 2, 1, 6111111);
    text.Support(1, 3, 6111111).Load(1, 1, 1, 1, 2, 1, 1000.0);
    FEM_kaikki m;
    test::Load(m, text);
    ASSERT_EQ(m.Solve(), 1);
    double u[6];
    ASSERT_TRUE(m.NodeDisplacements(1, 1, u));
    EXPECT_NEAR(u[0], 1000.0 * 3000.0 / (test::kE * test::kA), 1e-12);
}

TEST(FemQueries, MissingLoadCasesAndSamplesOutsideTheMember) {
    FEM_kaikki m;
    test::Load(m, test::ContinuousBeam(1, 3000.0).Load(1, 1, 2, 2, 1, 2, -1.0, 0, 0, -1));
    ASSERT_EQ(m.Solve(), 1);
    EXPECT_EQ(m.ElementIndex(1), 0);
    EXPECT_EQ(m.ElementIndex(2), -1);
    EXPECT_EQ(m.LoadCaseIndex(1), 0);
    EXPECT_EQ(m.LoadCaseIndex(2), -1);

    DOFvektori forces(20, 20), displacements(20, 20);
    forces.DefineFields(0, 0, 7);
    displacements.DefineFields(0, 0, 4);
    for (const double t : {0.5, 1.01}) {
        forces.Add(std::vector<std::string>{}, {t, 9, 9, 9, 9, 9, 9}, {});
        displacements.Add(std::vector<std::string>{}, {t, 9, 9, 9}, {});
    }
    double f[12];
    // A load case that does not exist: zero end values; force samples become 0, displacement samples stay.
    m.MemberForces(1, 7, f, &forces);
    m.MemberDisplacements(1, 7, f, &displacements);
    for (int j = 1; j < 7; ++j) EXPECT_EQ(forces.Real(0, j), 0.0);
    EXPECT_EQ(displacements.Real(0, 2), 9.0);
    // A sample beyond the end (t = 1.01) is never touched.
    m.MemberForces(1, 1, f, &forces);
    m.MemberDisplacements(1, 1, f, &displacements);
    EXPECT_NEAR(forces.Real(0, 6), 3000.0 * 3000.0 / 8.0, 1e-3);
    EXPECT_LT(displacements.Real(0, 2), 0.0);
    EXPECT_EQ(forces.Real(1, 6), 9.0);
    EXPECT_EQ(displacements.Real(1, 2), 9.0);
}

}  // namespace
}  // namespace kirvos
