#pragma once

namespace kirvos {

// Numerical kernel of the frame analysis: member stiffness, member axes, rotations and the banded
// symmetric elimination. Stateless; every operation works on arrays the caller owns.
//
// Conventions shared by all operations:
// - member end vectors have 12 components in local axes: start node ux, uy, uz, rx, ry, rz, then the end node;
// - a packed member matrix is the upper triangle of the symmetric 12 x 12 matrix by rows (78 doubles);
// - the axes matrix R (9 doubles, row-major) has the local x, y, z axes in global coordinates as its rows;
// - band storage: row i of the symmetric n x n matrix holds (i, i + k), k = 0..b-1, at index i*b + k.
class FEM_ratkaisija {
public:
    static constexpr int kPackedSize = 78;

    // Offset of row r (0-based) in a packed 12 x 12 upper triangle.
    static constexpr int RowOffset(int r) { return r * 12 - r * (r - 1) / 2; }
    // Packed index of entry (r, c) for r <= c (both 0-based).
    static constexpr int PackedIndex(int r, int c) { return RowOffset(r) + (c - r); }

    // Local stiffness of a straight prismatic member without shear deformation (packed, 78 doubles).
    // Iz bends in the local x-y plane, Iy in the local x-z plane. E <= 0 or L <= 0 leaves the matrix zero.
    static void ElementStiffness(double* result, double Iz, double Iy, double It, double A, double E, double G,
                                 double L);

    // Member axes from the end coordinates and the roll angle in degrees (rows: local x, y, z).
    static void DirectionCosines(double* result, const double* start, const double* end, double rollDegrees);

    // Rotates count components (6 or 12) in blocks of three; global to local applies R, local to global R^T.
    static void TransformVector(double* vector, const double* axes, bool toGlobal, int count);

    // Replaces a packed local matrix k by T^T k T with T = diag(R, R, R, R).
    static void TransformStiffness(double* matrix, const double* axes);

    // In-place L*D*L^T decomposition of a band matrix without pivoting.
    // Returns 1, -1 on a pivot below 1e-80 during elimination, -2 on a reduced diagonal below 1e-80.
    static int Decompose(double* matrix, int n, int b);

    // Forward reduction of count right-hand sides (null pointers are skipped). Returns 1.
    static int ForwardReduce(const double* matrix, double* const* vectors, int n, int b, int count);

    // Back substitution; the vectors then hold the solution. Returns 1, or -31 on a diagonal below 1e-100.
    static int BackSubstitute(const double* matrix, double* const* vectors, int n, int b, int count);

    // Section values between the member ends, from the end values only (see member_results.cpp for the
    // sample layout). Displacement samples hold (t, u, v, w); section-force samples (t, N, Vy, Vz, T, My, Mz).
    static void SampleDisplacement(const double* d, double* sample, double L);
    static void SampleSectionForce(const double* f, double* sample, double L);
};

}  // namespace kirvos
