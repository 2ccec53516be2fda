#pragma once
// Results of the sheet checks: one record per sheet part, check kind and place, holding the worst
// utilisation over all load combinations.
//
// Record (0 texts, 5 integers, 7 reals): integer 0 part number; integer 1 check kind (1 support
// moment, 2 shear at a support, 3 support reaction, 4 moment-reaction interaction, 5 moment-shear
// interaction, 11 deflection, 12 span moment, 13 shear in the span, 21..24 diaphragm checks);
// integer 2 span index for kinds above 10; real 0 x of the check, mm; real 1 utilisation, %; the
// other fields belong to the checks that write them.
// Records are kept ascending by (part, x, kind); a new record goes after equal keys.

#include "project/check_result_vector.h"

namespace kirvos {

class MitoitusTulosVektori : public CheckResultVektori {
public:
    MitoitusTulosVektori(int capacity, int increment);

    // Keeps the worst result per part, kind and place: a stored record matches when its part and
    // kind are equal and, for kinds up to 10, its x equals the new x, for kinds above 10 its span
    // (integer 2) equals the new span. No match: the result is added (unless 5000 are held). A match
    // is replaced by a larger utilisation, or by an equal one of a deflection check (kind 11) whose
    // deflection (real 2) is larger in absolute value. reals: 7 values, integers: 5 values.
    // Returns the stored record's position, or -1 when nothing was stored.
    int StoreMax(const double* reals, const int* integers);
};

}  // namespace kirvos
