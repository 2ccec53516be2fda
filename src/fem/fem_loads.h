#pragma once
// Loads of the frame model (group 401) and what they do to a member: equivalent nodal forces, section
// forces between the member ends and the deflection of the member clamped at both ends.
//
// Record fields. Integers: 0 load number, 1 load case, 2 kind (1 node, 2 member), 3 type (1 point,
// 2 uniform over a..b, 3 linear from value 1 at a to value 2 at b), 4 node or member number,
// 5 direction (1..3 force along x, y, z; 4..6 moment about x, y, z; a member load with a positive
// direction acts along the global axis, with a negative one along the member's local axis).
// Reals: 0 value 1, 1 value 2, 2 position a, 3 position b (mm from the start node; b < 0: the member's
// length). Values are N or N·mm for point loads, N/mm or N·mm/mm for distributed loads.
//
// Member end vectors have 12 components in local axes: start Fx, Fy, Fz, Mx, My, Mz, then the end node.
// Samples: displacement samples hold (t, u, v, w), section-force samples (t, N, Vy, Vz, T, My, Mz).

#include <vector>

#include "fem/fem_tables.h"
#include "fem/frame_solver.h"
#include "records/number_vectors.h"

namespace kirvos {

class FEM_KuormaVektori : public FEM_OrderedVektori {
public:
    FEM_KuormaVektori();

    // Removes all loads and empties the load-case list.
    void ClearLoads();
    // Number of load cases; with rebuild 1 the list is refilled (ascending, each number once).
    int CollectLoadCases(int rebuild);
    // The load-case list of the last CollectLoadCases(1).
    const DOFlukuvektori& LoadCases() const { return loadCases_; }

    // Six sums (global axes) of the type-1 node loads of the node in the load case.
    void NodeLoadSum(int node, int loadCase, double* sums) const;

    // Equivalent nodal forces (local axes) of every member load on the member in the load case.
    // axes: the member's direction cosines; length: its length.
    void EquivalentNodalForces(int member, int loadCase, double* result, const double* axes,
                               double length) const;
    // Values between the member ends that come from the member's loads (added to the samples).
    void AddLoadDeflections(int member, int loadCase, const double* axes, double L, double E, double A,
                            double Iz, double Iy, DOFvektori& samples) const;
    void AddLoadSectionForces(int member, int loadCase, const double* axes, double L, DOFvektori& samples) const;

    // The same three, walking only the given record indices (the member's loads, as collected by the
    // model when it solves); the results equal those of the full walk when the list holds every load of
    // the member in vector order.
    void EquivalentNodalForces(const int* records, int count, int member, int loadCase, double* result,
                               const double* axes, double length) const;
    void AddLoadDeflections(const int* records, int count, int member, int loadCase, const double* axes,
                            double L, double E, double A, double Iz, double Iy, double* samples, int sampleCount,
                            int stride) const;
    void AddLoadSectionForces(const int* records, int count, int member, int loadCase, const double* axes,
                              double L, double* samples, int sampleCount, int stride) const;

    // Closed-form pieces for one load component (1..6) in local axes.
    // Adds the equivalent nodal forces of a point load P at a (nothing when a is outside 0..L).
    static void PointLoadForces(int component, double P, double a, double L, double* result);
    // Adds those of a load varying linearly from q1 at a to q2 at b (stretch limited to the member).
    static void SpanLoadForces(int component, double q1, double q2, double a, double b, double L, double* result);
    // Adds the load's part of the section forces at the sample (t, N, Vy, Vz, T, My, Mz).
    static void PointLoadSection(int component, double P, double e, double L, double* sample);
    static void SpanLoadSection(int component, double q1, double q2, double a, double b, double L, double* sample);
    // Adds the deflection of the member clamped at both ends under the load to the sample (t, u, v, w).
    static void PointLoadDeflection(int component, double P, double e, double L, double E, double A, double Iz,
                                    double Iy, double* sample);
    static void SpanLoadDeflection(int component, double q1, double q2, double a, double b, double L, double E,
                                   double A, double Iz, double Iy, double* sample);

private:
    // The load record turned into local components (steps shared by the three member-load queries):
    // false when the record is not a member load of the member in the load case.
    struct LocalLoad {
        int type;
        double a;
        double b;
        double v[12];
    };
    bool LocalComponents(int record, int member, int loadCase, const double* axes, double L, LocalLoad& out) const;
    // Calls point(i, P, e, sample) or span(i, q1, q2, a, b, sample) for every local component of every
    // selected load and every sample inside the member.
    template <typename Point, typename Span>
    void ApplyToSamples(const int* records, int count, int member, int loadCase, const double* axes, double L,
                        double* samples, int sampleCount, int stride, Point point, Span span) const;

    DOFlukuvektori loadCases_;
    FEM_ratkaisija rotation_;
};

}  // namespace kirvos
