#pragma once
// The span sequence of the sheeting: the left cantilever first, the right cantilever last and the
// real spans between them (a cantilever of length 0 means there is none). Support k (from 0) lies at
// the end of span record k, so there is one support fewer than span records. Positions x are mm from
// the left end of the sheeting (the free end of the left cantilever).
//
// Record: text 0 "uloke" (cantilever) or "Aukko" (span); integer 1 span joint type (0 none, 1 to 3);
// integers 0, 2 to 4 unused; real 0 length in mm; real 1 unused; reals 2 to 4 the joint parameters
// P1 to P3.

#include "records/record_vector.h"

namespace kirvos {

class JanneVektori : public DOFvektori {
public:
    JanneVektori(int capacity, int increment);

    // Line selected in the spans window (1-based), -1 none; saved with the project.
    int SelectedSpan = -1;
    // Line selected in the span joints window, -1 none; saved with the project.
    int SelectedSpanJoint = -1;

    // Number of supports: one fewer than span records (0 for an empty table).
    int SupportCount() const { return Count() > 0 ? Count() - 1 : 0; }
    // Position of support k in mm: the sum of the lengths of records 0..k.
    double SupportPosition(int k) const;

    // Sum of all record lengths, cantilevers included, mm.
    double TotalLength() const;
    // Sum of the lengths between the first and the last record (the spans without cantilevers), mm.
    double InnerLength() const;
    // The two ends of the sheeting seen from support k (k limited to at most Count() - 2):
    // left = -position, right = TotalLength() - position.
    void SupportOffsets(int k, double& left, double& right) const;
    // Index of the first record whose extent [start, start + length] holds x (a point on a support
    // belongs to the record on its left); 0 when none.
    int SpanIndexAt(double x) const;
    // 1 + k for the first support k lying exactly at x; 0 when x is on no support.
    int SupportIndexAt(double x) const;
    // Length of the first record ending at or beyond x; an empty left cantilever gives the length of
    // record 1 instead; 0.0 when x lies beyond the end.
    double SpanLengthAt(double x) const;

    // Clears the table and lays out the default structure: a 6000 mm span between two cantilevers
    // of length 0. The selections become -1.
    void SetDefault();
};

}  // namespace kirvos
