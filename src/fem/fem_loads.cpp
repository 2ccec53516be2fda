#include "fem/fem_loads.h"

#include "fem/sample_table.h"

#include <cstdlib>  // std::abs

namespace kirvos {

namespace {

enum LoadField { kNumber = 0, kCase = 1, kKind = 2, kType = 3, kTarget = 4, kDirection = 5 };
enum LoadReal { kValue1 = 0, kValue2 = 1, kPosA = 2, kPosB = 3 };

}  // namespace

FEM_KuormaVektori::FEM_KuormaVektori() : FEM_OrderedVektori(6, 4, kCase, kType), loadCases_(20, 20) {}

void FEM_KuormaVektori::ClearLoads() {
    Clear();
    loadCases_.Clear();
}

int FEM_KuormaVektori::CollectLoadCases(int rebuild) {
    if (rebuild == 1) loadCases_.Clear();
    int count = 0;
    for (int i = 0; i < Count(); ++i) {
        const int lc = Int(i, kCase);
        if (i == 0 || lc != Int(i - 1, kCase)) {
            ++count;
            if (rebuild == 1) loadCases_.Add(lc);
        }
    }
    return count;
}

void FEM_KuormaVektori::NodeLoadSum(int node, int loadCase, double* sums) const {
    for (int j = 0; j < 6; ++j) sums[j] = 0.0;
    for (int i = 0; i < Count(); ++i) {
        if (Int(i, kCase) != loadCase || Int(i, kKind) != 1 || Int(i, kType) != 1 || Int(i, kTarget) != node) continue;
        const int d = Int(i, kDirection);
        if (d >= 1 && d <= 6) sums[d - 1] += Real(i, kValue1);
    }
}

bool FEM_KuormaVektori::LocalComponents(int record, int member, int loadCase, const double* axes, double L,
                                        LocalLoad& out) const {
    if (Int(record, kCase) != loadCase || Int(record, kKind) != 2 || Int(record, kTarget) != member) return false;
    out.type = Int(record, kType);
    out.a = Real(record, kPosA);
    out.b = Real(record, kPosB);
    if (out.a < 0.0) out.a = 0.0;
    if (out.b < 0.0) out.b = L;
    for (double& v : out.v) v = 0.0;
    const int direction = Int(record, kDirection);
    const int d = std::abs(direction);
    if (d >= 1 && d <= 6) {
        out.v[d - 1] = Real(record, kValue1);
        out.v[d + 5] = Real(record, kValue2);
    }
    // A positive direction is a global one: split it into the member's local components.
    if (direction > 0) rotation_.TransformVector(out.v, axes, false, out.type == 1 ? 6 : 12);
    return true;
}

void FEM_KuormaVektori::EquivalentNodalForces(const int* records, int count, int member, int loadCase,
                                              double* result, const double* axes, double L) const {
    for (int j = 0; j < 12; ++j) result[j] = 0.0;
    LocalLoad load;
    for (int n = 0; n < count; ++n) {
        if (!LocalComponents(records ? records[n] : n, member, loadCase, axes, L, load)) continue;
        for (int i = 1; i <= 6; ++i) {
            const double v1 = load.v[i - 1];
            const double v2 = load.v[i + 5];
            if (load.type == 1) {
                if (v1 != 0.0) PointLoadForces(i, v1, load.a, L, result);
            } else if (v1 != 0.0 || v2 != 0.0) {
                if (load.type == 2) SpanLoadForces(i, v1, v1, load.a, load.b, L, result);
                if (load.type == 3) SpanLoadForces(i, v1, v2, load.a, load.b, L, result);
            }
        }
    }
}

template <typename Point, typename Span>
void FEM_KuormaVektori::ApplyToSamples(const int* records, int count, int member, int loadCase, const double* axes,
                                       double L, double* samples, int sampleCount, int stride, Point point,
                                       Span span) const {
    LocalLoad load;
    for (int n = 0; n < count; ++n) {
        if (!LocalComponents(records ? records[n] : n, member, loadCase, axes, L, load)) continue;
        if (load.type < 1 || load.type > 3) continue;
        for (int i = 1; i <= 6; ++i) {
            const double v1 = load.v[i - 1];
            const double v2 = load.type == 3 ? load.v[i + 5] : v1;
            for (int s = 0; s < sampleCount; ++s) {
                double* sample = samples + static_cast<std::size_t>(s) * stride;
                if (sample[0] < 0.0 || sample[0] > 1.00001) continue;
                if (load.type == 1) {
                    point(i, v1, load.a, sample);
                } else {
                    span(i, v1, v2, load.a, load.b, sample);
                }
            }
        }
    }
}

void FEM_KuormaVektori::AddLoadSectionForces(const int* records, int count, int member, int loadCase,
                                             const double* axes, double L, double* samples, int sampleCount,
                                             int stride) const {
    ApplyToSamples(
        records, count, member, loadCase, axes, L, samples, sampleCount, stride,
        [L](int i, double P, double e, double* sample) { PointLoadSection(i, P, e, L, sample); },
        [L](int i, double q1, double q2, double a, double b, double* sample) {
            SpanLoadSection(i, q1, q2, a, b, L, sample);
        });
}

void FEM_KuormaVektori::AddLoadDeflections(const int* records, int count, int member, int loadCase,
                                           const double* axes, double L, double E, double A, double Iz,
                                           double Iy, double* samples, int sampleCount, int stride) const {
    ApplyToSamples(
        records, count, member, loadCase, axes, L, samples, sampleCount, stride,
        [=](int i, double P, double e, double* sample) { PointLoadDeflection(i, P, e, L, E, A, Iz, Iy, sample); },
        [=](int i, double q1, double q2, double a, double b, double* sample) {
            SpanLoadDeflection(i, q1, q2, a, b, L, E, A, Iz, Iy, sample);
        });
}

void FEM_KuormaVektori::EquivalentNodalForces(int member, int loadCase, double* result, const double* axes,
                                              double length) const {
    EquivalentNodalForces(nullptr, Count(), member, loadCase, result, axes, length);
}

void FEM_KuormaVektori::AddLoadDeflections(int member, int loadCase, const double* axes, double L, double E,
                                           double A, double Iz, double Iy, DOFvektori& samples) const {
    WithSampleArray(samples, 4, [&](double* flat, int count, int stride) {
        AddLoadDeflections(nullptr, Count(), member, loadCase, axes, L, E, A, Iz, Iy, flat, count, stride);
    });
}

void FEM_KuormaVektori::AddLoadSectionForces(int member, int loadCase, const double* axes, double L,
                                             DOFvektori& samples) const {
    WithSampleArray(samples, 7, [&](double* flat, int count, int stride) {
        AddLoadSectionForces(nullptr, Count(), member, loadCase, axes, L, flat, count, stride);
    });
}

}  // namespace kirvos
