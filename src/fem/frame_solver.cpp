#include "fem/frame_solver.h"

#include <cmath>    // std::sqrt, std::asin, std::cos, std::sin, std::fabs
#include <cstring>  // std::memcpy

namespace kirvos {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

inline void Put(double* k, int r, int c, double value) { k[FEM_ratkaisija::PackedIndex(r - 1, c - 1)] = value; }

}  // namespace

void FEM_ratkaisija::ElementStiffness(double* k, double Iz, double Iy, double It, double A, double E, double G,
                                      double L) {
    for (int i = 0; i < kPackedSize; ++i) k[i] = 0.0;
    if (E <= 0.0 || L <= 0.0) return;
    const double L2 = L * L;
    const double L3 = L2 * L;
    // Axial and torsion: bars with stiffness EA/L and GIt/L.
    const double ea = E * A / L;
    const double gt = G * It / L;
    Put(k, 1, 1, ea);
    Put(k, 7, 7, ea);
    Put(k, 1, 7, -ea);
    Put(k, 4, 4, gt);
    Put(k, 10, 10, gt);
    Put(k, 4, 10, -gt);
    // Bending in the local x-y plane (v, rz), Bernoulli beam.
    Put(k, 2, 2, 12.0 * E * Iz / L3);
    Put(k, 8, 8, 12.0 * E * Iz / L3);
    Put(k, 2, 8, -12.0 * E * Iz / L3);
    Put(k, 2, 6, 6.0 * E * Iz / L2);
    Put(k, 2, 12, 6.0 * E * Iz / L2);
    Put(k, 6, 8, -6.0 * E * Iz / L2);
    Put(k, 8, 12, -6.0 * E * Iz / L2);
    Put(k, 6, 6, 4.0 * E * Iz / L);
    Put(k, 12, 12, 4.0 * E * Iz / L);
    Put(k, 6, 12, 2.0 * E * Iz / L);
    // Bending in the local x-z plane (w, ry); a positive ry turns +z towards -x, hence the opposite signs.
    Put(k, 3, 3, 12.0 * E * Iy / L3);
    Put(k, 9, 9, 12.0 * E * Iy / L3);
    Put(k, 3, 9, -12.0 * E * Iy / L3);
    Put(k, 3, 5, -6.0 * E * Iy / L2);
    Put(k, 3, 11, -6.0 * E * Iy / L2);
    Put(k, 5, 9, 6.0 * E * Iy / L2);
    Put(k, 9, 11, 6.0 * E * Iy / L2);
    Put(k, 5, 5, 4.0 * E * Iy / L);
    Put(k, 11, 11, 4.0 * E * Iy / L);
    Put(k, 5, 11, 2.0 * E * Iy / L);
}

void FEM_ratkaisija::DirectionCosines(double* R, const double* start, const double* end, double rollDegrees) {
    const double dx = end[0] - start[0];
    const double dy = end[1] - start[1];
    const double dz = end[2] - start[2];
    const double L = std::sqrt(dx * dx + dy * dy + dz * dz);
    for (int i = 0; i < 9; ++i) R[i] = 0.0;
    if (!(L > 0.0)) {
        // A member without length has no axes; the identity keeps later rotations harmless.
        R[0] = R[4] = R[8] = 1.0;
        return;
    }
    const double h = std::sqrt(dx * dx + dz * dz);
    double c = 1.0;
    double s = 0.0;
    if (h > 0.0) {
        c = dx / h;
        s = dz / h;
    }
    double ratio = dy / L;
    if (ratio > 1.0) ratio = 1.0;
    if (ratio < -1.0) ratio = -1.0;
    const double phi = std::asin(ratio);
    const double cb = std::cos(rollDegrees * kDegree);
    const double sb = std::sin(rollDegrees * kDegree);
    // Reference direction for the local y axis: the global y axis tilted with the member and turned by the roll.
    const double r[3] = {-dy * c * cb + L * s * sb, L * std::cos(phi) * cb, -dy * s * cb - L * c * sb};
    const double d[3] = {dx, dy, dz};
    const double dr = d[0] * r[0] + d[1] * r[1] + d[2] * r[2];
    double y[3];
    double ny = 0.0;
    for (int i = 0; i < 3; ++i) {
        R[i] = d[i] / L;
        y[i] = L * L * r[i] - dr * d[i];
        ny += y[i] * y[i];
    }
    ny = std::sqrt(ny);
    if (ny > 0.0) {
        for (int i = 0; i < 3; ++i) R[3 + i] = y[i] / ny;
    }
    R[6] = R[1] * R[5] - R[2] * R[4];
    R[7] = R[2] * R[3] - R[0] * R[5];
    R[8] = R[0] * R[4] - R[1] * R[3];
}

void FEM_ratkaisija::TransformVector(double* v, const double* R, bool toGlobal, int count) {
    for (int block = 0; block + 3 <= count; block += 3) {
        const double a = v[block];
        const double b = v[block + 1];
        const double c = v[block + 2];
        for (int i = 0; i < 3; ++i) {
            v[block + i] = toGlobal ? R[i] * a + R[3 + i] * b + R[6 + i] * c
                                    : R[3 * i] * a + R[3 * i + 1] * b + R[3 * i + 2] * c;
        }
    }
}

void FEM_ratkaisija::TransformStiffness(double* k, const double* R) {
    double full[12][12];
    for (int r = 0; r < 12; ++r) {
        for (int c = r; c < 12; ++c) {
            full[r][c] = full[c][r] = k[PackedIndex(r, c)];
        }
    }
    // Block by block: K_IJ = R^T k_IJ R, only for the blocks of the upper triangle.
    for (int bi = 0; bi < 4; ++bi) {
        for (int bj = bi; bj < 4; ++bj) {
            double kr[3][3];  // k_IJ * R
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    double sum = 0.0;
                    for (int m = 0; m < 3; ++m) sum += full[3 * bi + i][3 * bj + m] * R[3 * m + j];
                    kr[i][j] = sum;
                }
            }
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    const int row = 3 * bi + i;
                    const int col = 3 * bj + j;
                    if (col < row) continue;
                    double sum = 0.0;
                    for (int m = 0; m < 3; ++m) sum += R[3 * m + i] * kr[m][j];
                    k[PackedIndex(row, col)] = sum;
                }
            }
        }
    }
}

int FEM_ratkaisija::Decompose(double* K, int n, int b) {
    for (int i = 0; i < n; ++i) {
        double* row = K + static_cast<long>(i) * b;
        const double d = row[0];
        if (std::fabs(d) < 1.0e-80) return -1;
        for (int k = 1; k < b; ++k) {
            if (row[k] == 0.0) continue;
            const double f = row[k] / d;
            if (i + k < n) {
                double* target = K + static_cast<long>(i + k) * b;
                for (int m = 0; m <= b - 1 - k; ++m) target[m] -= f * row[k + m];
            }
            row[k] = f;
        }
    }
    for (int i = 0; i < n; ++i) {
        if (std::fabs(K[static_cast<long>(i) * b]) < 1.0e-80) return -2;
    }
    return 1;
}

int FEM_ratkaisija::ForwardReduce(const double* K, double* const* vectors, int n, int b, int count) {
    for (int v = 0; v < count; ++v) {
        double* F = vectors[v];
        if (F == nullptr) continue;
        for (int i = 0; i < n; ++i) {
            const double* row = K + static_cast<long>(i) * b;
            const double fi = F[i];
            const int last = (n - i < b) ? n - i : b;
            for (int k = 1; k < last; ++k) {
                if (row[k] != 0.0) F[i + k] -= row[k] * fi;
            }
            F[i] = fi / row[0];
        }
    }
    return 1;
}

int FEM_ratkaisija::BackSubstitute(const double* K, double* const* vectors, int n, int b, int count) {
    for (int v = 0; v < count; ++v) {
        double* F = vectors[v];
        if (F == nullptr) continue;
        for (int i = n - 1; i >= 0; --i) {
            const double* row = K + static_cast<long>(i) * b;
            if (std::fabs(row[0]) < 1.0e-100) return -31;
            const int last = (n - i < b) ? n - i : b;
            double fi = F[i];
            for (int k = 1; k < last; ++k) {
                if (row[k] != 0.0) fi -= row[k] * F[i + k];
            }
            F[i] = fi;
        }
    }
    return 1;
}

void FEM_ratkaisija::SampleDisplacement(const double* d, double* s, double L) {
    const double t = s[0];
    if (t < 0.0 || t > 1.00001 || !(L > 0.0)) return;
    const double x = t * L;
    const double L2 = L * L;
    const double L3 = L2 * L;
    const double x2 = x * x;
    const double x3 = x2 * x;
    // Cubic Hermite shape functions of the Bernoulli beam.
    const double N1 = (L3 - 3.0 * L * x2 + 2.0 * x3) / L3;
    const double N2 = (x3 - 2.0 * L * x2 + L2 * x) / L2;
    const double N3 = (3.0 * L * x2 - 2.0 * x3) / L3;
    const double N4 = (x3 - L * x2) / L2;
    s[1] = (L - x) / L * d[0] + x / L * d[6];
    s[2] = N1 * d[1] + N2 * d[5] + N3 * d[7] + N4 * d[11];
    s[3] = N1 * d[2] - N2 * d[4] + N3 * d[8] - N4 * d[10];
}

void FEM_ratkaisija::SampleSectionForce(const double* f, double* s, double L) {
    const double t = s[0];
    if (t < 0.0 || t > 1.00001) return;
    const double x = t * L;
    s[1] = f[0];
    s[2] = f[1];
    s[3] = f[2];
    s[4] = f[3];
    s[5] = f[4] + x * f[2];
    s[6] = -f[5] + x * f[1];
}

}  // namespace kirvos
