#pragma once
// Envelope curves sampled along the analysis members.
//
// Record (0 texts, 5 integers, 5 reals):
//   integer 0  limit state: 1 ultimate, 2 serviceability
//   integer 1  sheet part number
//   integer 2  element number
//   integer 3  span index (Spans record)
//   integer 4  0
//   real 0     position, mm
//   reals 1..4 serviceability: smallest and largest deflection (mm) in reals 1 and 2;
//              ultimate: smallest and largest moment (N·mm/m) in reals 1 and 2, smallest and largest
//              shear (N/m) in reals 3 and 4
// Records are kept ascending by (limit state, part, element); equal keys keep their entry order.

#include "records/record_vector.h"

namespace kirvos {

class VerhoKayratVektori : public DOFvektori {
public:
    static constexpr int kLimitState = 0;  // integer
    static constexpr int kPart = 1;        // integer
    static constexpr int kElement = 2;     // integer
    static constexpr int kSpan = 3;        // integer
    static constexpr int kX = 0;           // real

    static constexpr int kUltimate = 1;
    static constexpr int kService = 2;

    VerhoKayratVektori(int capacity, int increment);

    // After every record of an equal or smaller (limit state, part, element).
    int InsertPosition(const DOFalkio& record) const override;
};

}  // namespace kirvos
