// Closed-form effects of one load component on a member: equivalent nodal forces, section forces
// between the member ends and the deflection of the member clamped at both ends.
#include "fem/fem_loads.h"

namespace kirvos {

namespace {

// Three-point Gauss-Legendre rule on [-1, 1]: exact for polynomials up to degree 5, and the integrands
// below (a linear intensity times a cubic influence function) are of degree 4 at most.
constexpr double kGaussPoint = 0.77459666924148337704;  // sqrt(3/5)
constexpr double kGaussX[3] = {-kGaussPoint, 0.0, kGaussPoint};
constexpr double kGaussW[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};

// Stiffness that divides the deflection of a load component; a member without it (E, A or I of 0) gets no
// load deflection rather than an infinite one.
double DeflectionStiffness(int component, double E, double A, double Iz, double Iy) {
    if (component == 1) return E * A;
    if (component == 2 || component == 6) return E * Iz;
    return E * Iy;
}

}  // namespace

void FEM_KuormaVektori::PointLoadForces(int component, double P, double a, double L, double* r) {
    if (a < 0.0 || a > L || !(L > 0.0)) return;
    const double b = L - a;
    const double L2 = L * L;
    const double L3 = L2 * L;
    switch (component) {
    case 1:
        r[0] += P * b / L;
        r[6] += P * a / L;
        break;
    case 2:
        r[1] += P * b * b * (L + 2.0 * a) / L3;
        r[5] += P * a * b * b / L2;
        r[7] += P * a * a * (L + 2.0 * b) / L3;
        r[11] += -P * a * a * b / L2;
        break;
    case 3:
        r[2] += P * b * b * (L + 2.0 * a) / L3;
        r[4] += -P * a * b * b / L2;
        r[8] += P * a * a * (L + 2.0 * b) / L3;
        r[10] += P * a * a * b / L2;
        break;
    case 4:
        r[3] += P * b / L;
        r[9] += P * a / L;
        break;
    case 5:
        r[2] += 6.0 * P * a * b / L3;
        r[4] += P * b * (L - 3.0 * a) / L2;
        r[8] += -6.0 * P * a * b / L3;
        r[10] += P * a * (L - 3.0 * b) / L2;
        break;
    case 6:
        r[1] += -6.0 * P * a * b / L3;
        r[5] += P * b * (L - 3.0 * a) / L2;
        r[7] += 6.0 * P * a * b / L3;
        r[11] += P * a * (L - 3.0 * b) / L2;
        break;
    default:
        break;
    }
}

void FEM_KuormaVektori::SpanLoadForces(int component, double q1, double q2, double a, double b, double L,
                                       double* r) {
    if (a > L) a = L;
    if (b > L) b = L;
    if (a < 0.0) a = 0.0;
    if (b < 0.0) b = 0.0;
    if (a == b) return;
    if (q1 == 0.0 && q2 == 0.0) return;
    // The end forces are the integral of q(x) times the point-load influence functions over the stretch;
    // integrating with an exact rule gives the closed-form values (a reversed stretch integrates as written).
    const double half = 0.5 * (b - a);
    const double mid = 0.5 * (a + b);
    const double slope = (q2 - q1) / (b - a);
    for (int g = 0; g < 3; ++g) {
        const double x = mid + half * kGaussX[g];
        const double q = q1 + slope * (x - a);
        PointLoadForces(component, q * kGaussW[g] * half, x, L, r);
    }
}

void FEM_KuormaVektori::PointLoadSection(int component, double P, double e, double L, double* s) {
    if (P == 0.0 || !(L > 0.0) || e < 0.0 || e > L) return;
    const double x = s[0] * L;
    if (!(e < x)) return;
    switch (component) {
    case 1: s[1] += P; break;
    case 2: s[2] += P; s[6] += P * (x - e); break;
    case 3: s[3] += P; s[5] += P * (x - e); break;
    case 4: s[4] += P; break;
    case 5: s[5] += P; break;
    case 6: s[6] -= P; break;
    default: break;
    }
}

void FEM_KuormaVektori::SpanLoadSection(int component, double q1, double q2, double a, double b, double L,
                                        double* s) {
    if ((q1 == 0.0 && q2 == 0.0) || !(L > 0.0) || a < 0.0 || a > L) return;
    const double x = s[0] * L;
    if (x <= a) return;
    const double len = b - a;
    const double delta = q2 - q1;
    double force;
    double moment;
    if (x > b) {
        // The whole load stands left of the section: its resultant and that resultant's moment about x.
        force = len * (q1 + q2) / 2.0;
        moment = q1 * len * (x - (a + b) / 2.0) + len * delta / 2.0 * (x - (a + 2.0 * b) / 3.0);
    } else {
        const double sa = x - a;
        force = delta * sa * sa / (2.0 * len) + q1 * sa;
        moment = delta * sa * sa * sa / (6.0 * len) + q1 * sa * sa / 2.0;
    }
    switch (component) {
    case 1: s[1] += force; break;
    case 2: s[2] += force; s[6] += moment; break;
    case 3: s[3] += force; s[5] += moment; break;
    case 4: s[4] += force; break;
    case 5: s[5] += force; break;
    case 6: s[6] -= force; break;
    default: break;
    }
}

void FEM_KuormaVektori::PointLoadDeflection(int component, double P, double e, double L, double E, double A,
                                            double Iz, double Iy, double* s) {
    if (P == 0.0 || !(L > 0.0) || e < 0.0 || e > L || component == 4) return;
    if (DeflectionStiffness(component, E, A, Iz, Iy) == 0.0) return;
    const double x = s[0] * L;
    if (x < 0.0 || !(x < 1.00000001 * L)) return;
    // End forces of the member clamped at both ends: the equivalent forces of the reversed load.
    double R[12] = {};
    PointLoadForces(component, -P, e, L, R);
    const double x2 = x * x;
    const double x3 = x2 * x;
    const double past = x > e ? x - e : 0.0;
    switch (component) {
    case 1: s[1] += (-R[0] * x - P * past) / (E * A); break;
    case 2: s[2] += (R[1] * x3 / 6.0 - R[5] * x2 / 2.0 + P * past * past * past / 6.0) / (E * Iz); break;
    case 3: s[3] += (R[2] * x3 / 6.0 + R[4] * x2 / 2.0 + P * past * past * past / 6.0) / (E * Iy); break;
    case 5: s[3] += (R[2] * x3 / 6.0 + R[4] * x2 / 2.0 + P * past * past / 2.0) / (E * Iy); break;
    case 6: s[2] += (R[1] * x3 / 6.0 - R[5] * x2 / 2.0 - P * past * past / 2.0) / (E * Iz); break;
    default: break;
    }
}

void FEM_KuormaVektori::SpanLoadDeflection(int component, double q1, double q2, double a, double b, double L,
                                           double E, double A, double Iz, double Iy, double* s) {
    if ((q1 == 0.0 && q2 == 0.0) || !(L > 0.0) || a < 0.0 || a > L || component == 4) return;
    if (DeflectionStiffness(component, E, A, Iz, Iy) == 0.0) return;
    const double x = s[0] * L;
    if (x < 0.0 || !(x < 1.00000001 * L)) return;
    double R[12] = {};
    SpanLoadForces(component, -q1, -q2, a, b, L, R);
    if (x > b) {
        // Beyond the load the clamped member is unloaded: its deflection follows from the end reactions.
        const double r = L - x;
        switch (component) {
        case 1: s[1] += -R[6] * r / (E * A); break;
        case 2:
        case 6: s[2] += (R[7] * r * r * r / 6.0 + R[11] * r * r / 2.0) / (E * Iz); break;
        case 3:
        case 5: s[3] += (R[8] * r * r * r / 6.0 - R[10] * r * r / 2.0) / (E * Iy); break;
        default: break;
        }
        return;
    }
    const double len = b - a;
    const double delta = q2 - q1;
    const double sa = x > a ? x - a : 0.0;
    const double sa2 = sa * sa;
    const double sa3 = sa2 * sa;
    const double x2 = x * x;
    const double x3 = x2 * x;
    // Terms in delta/len vanish for a load of constant intensity (and for a stretch without length).
    const double ratio = len != 0.0 ? delta / len : 0.0;
    switch (component) {
    case 1: s[1] += (-R[0] * x - (q1 * sa2 / 2.0 + ratio * sa3 / 6.0)) / (E * A); break;
    case 2:
        s[2] += (R[1] * x3 / 6.0 - R[5] * x2 / 2.0 + (q1 * sa2 * sa2 / 24.0 + ratio * sa2 * sa3 / 120.0)) / (E * Iz);
        break;
    case 3:
        s[3] += (R[2] * x3 / 6.0 + R[4] * x2 / 2.0 + (q1 * sa2 * sa2 / 24.0 + ratio * sa2 * sa3 / 120.0)) / (E * Iy);
        break;
    case 5: s[3] += (R[2] * x3 / 6.0 + R[4] * x2 / 2.0 + (q1 * sa3 / 6.0 + ratio * sa2 * sa2 / 24.0)) / (E * Iy); break;
    case 6: s[2] += (R[1] * x3 / 6.0 - R[5] * x2 / 2.0 - (q1 * sa3 / 6.0 + ratio * sa2 * sa2 / 24.0)) / (E * Iz); break;
    default: break;
    }
}

}  // namespace kirvos
