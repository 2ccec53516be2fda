#include "project/load_vector.h"

#include "project/record_order.h"
#include "project/span_vector.h"

namespace kirvos {

namespace {
constexpr int kKindCount = 7;  // permanent, snow, imposed and four wind cases
}

KuormaVektori::KuormaVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(1, 5, 5);
}

int KuormaVektori::InsertPosition(const DOFalkio& record) const {
    const int kind = record.Int(kKind);
    const int type = record.Int(kType);
    return AfterLastNotAbove(Count(), [&](int i) {
        const int k = Int(i, kKind);
        return k < kind || (k == kind && Int(i, kType) <= type);
    });
}

int KuormaVektori::CountLoads(int kind, int type) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (Int(i, kKind) == kind && (type < 0 || Int(i, kType) == type)) ++n;
    return n;
}

int KuormaVektori::FirstLoad(int kind, int type) const {
    for (int i = 0; i < Count(); ++i)
        if (Int(i, kKind) == kind && (type < 0 || Int(i, kType) == type)) return i;
    return -1;
}

int KuormaVektori::CountUniformLoads(int kind) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (Int(i, kKind) == kind && Real(i, kValue1) == Real(i, kValue2)) ++n;
    return n;
}

bool KuormaVektori::HasBasicValue(int kind) const {
    switch (kind) {
        case 0: return DeadLoad != 0.0;
        case 1: return SnowLoad * SnowShapeFactor != 0.0;
        case 2: return ImposedLoad != 0.0;
        default: {
            const int windCase = kind - 3;
            return windCase >= 0 && windCase < 4 && windCase < WindCaseCount &&
                   WindLoad * WindCoefficients[windCase] != 0.0;
        }
    }
}

int KuormaVektori::LoadDrawItems(int kind) const {
    if (kind < 0) {
        int sum = 0;
        for (int k = 0; k < kKindCount; ++k) sum += LoadDrawItems(k);
        return sum;
    }
    int items = (DrawBasicLoads && HasBasicValue(kind)) ? 1 : 0;
    if (DrawRecordLoads) {
        const int records = CountLoads(kind, -1);
        const int uniform = CountUniformLoads(kind);
        if (uniform > 0) ++items;
        if (records > uniform) ++items;
    }
    return items;
}

double KuormaVektori::StartPosition(int record, const JanneVektori& spans) const {
    return Real(record, kX1) + spans.SupportPosition(Int(record, kSupport));
}

void KuormaVektori::FitLoadsToGeometry(const JanneVektori& spans) {
    const double total = spans.TotalLength();
    for (int i = Count() - 1; i >= 0; --i) {
        const int support = Int(i, kSupport);
        if (support < 0 || support > spans.Count() - 2) {
            Remove(i);
            continue;
        }
        // X1 is measured from the load's support; the limits apply to the absolute position, so a
        // load measured from an inner support is judged where it really lies on the sheeting.
        const double s = StartPosition(i, spans);
        const double length = Real(i, kLength);
        const double e = s + length;
        if (Int(i, kType) != 0) {
            if (s < 0.0 || s > total) Remove(i);
            continue;
        }
        // A surface load wholly outside [0, L] (also one that a shorter left cantilever has pushed
        // past the start) has nothing left to carry.
        if (length <= 0.0 || s >= total || e <= 0.0) {
            Remove(i);
            continue;
        }
        // Clip to [0, L], keeping the load linear between its original ends.
        const double q1 = Real(i, kValue1);
        const double q2 = Real(i, kValue2);
        double start = s;
        if (s < 0.0) {
            start = 0.0;
            SetReal(i, kX1, -spans.SupportPosition(support));
            SetReal(i, kValue1, q1 + (q2 - q1) * (0.0 - s) / (e - s));
            SetReal(i, kLength, e);
        }
        if (e > total) {
            SetReal(i, kValue2, q1 + (q2 - q1) * (total - s) / (e - s));
            SetReal(i, kLength, total - start);
        }
    }
}

void KuormaVektori::ResetForNewProject(int standardIndex) {
    Clear();
    ActiveLoad = -1;
    ActiveKind = 0;
    ActiveType = 0;
    WindCaseCount = 1;
    ImposedCategory = 3;
    DeadLoad = 0.0;
    SnowLoad = 0.0;
    SnowShapeFactor = standardIndex != 0 ? 0.8 : 1.0;
    SnowAlternateReduction = 50.0;
    ImposedLoad = 0.0;
    ImposedAlternateReduction = 100.0;
    WindLoad = 0.0;
    for (int i = 0; i < 4; ++i) {
        WindCoefficients[i] = i == 0 ? -0.75 : 0.0;
        WindCoefficients2[i] = 0.0;
        WindCoefficients3[i] = 0.0;
    }
}

}  // namespace kirvos
