#include "project/span_vector.h"

#include <algorithm>

namespace kirvos {

JanneVektori::JanneVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(1, 5, 5);
}

double JanneVektori::SupportPosition(int k) const {
    double p = 0.0;
    for (int i = 0; i <= k && i < Count(); ++i) p += Real(i, 0);
    return p;
}

double JanneVektori::TotalLength() const {
    double sum = 0.0;
    for (int i = 0; i < Count(); ++i) sum += Real(i, 0);
    return sum;
}

double JanneVektori::InnerLength() const {
    double sum = 0.0;
    for (int i = 1; i < Count() - 1; ++i) sum += Real(i, 0);
    return sum;
}

void JanneVektori::SupportOffsets(int k, double& left, double& right) const {
    const double d = SupportPosition(std::min(k, Count() - 2));
    left = -d;
    right = TotalLength() - d;
}

int JanneVektori::SpanIndexAt(double x) const {
    double start = 0.0;
    for (int i = 0; i < Count(); ++i) {
        const double end = start + Real(i, 0);
        if (x >= start && x <= end) return i;
        start = end;
    }
    return 0;
}

int JanneVektori::SupportIndexAt(double x) const {
    double p = 0.0;
    for (int k = 0; k < Count() - 1; ++k) {
        p += Real(k, 0);
        if (p == x) return k + 1;
    }
    return 0;
}

double JanneVektori::SpanLengthAt(double x) const {
    double end = 0.0;
    for (int i = 0; i < Count(); ++i) {
        end += Real(i, 0);
        if (end >= x) {
            // An empty left cantilever is no span: the first real span is meant.
            if (i == 0 && Real(0, 0) <= 0.0) return Real(1, 0);
            return Real(i, 0);
        }
    }
    return 0.0;
}

void JanneVektori::SetDefault() {
    Clear();
    ReadLine("uloke;0;0;0;0;0;0;0;0;0;0");
    ReadLine("Aukko;0;0;0;0;0;6000;0;0;0;0");
    ReadLine("uloke;0;0;0;0;0;0;0;0;0;0");
    SelectedSpan = -1;
    SelectedSpanJoint = -1;
}

}  // namespace kirvos
