#pragma once
// Results of the connection checks: one record per fastening place (type and x), holding the worst
// result over all load combinations.
//
// Record (0 texts, 5 integers, 7 reals): integer 0 place type (1 support, 2 joint, 3 side lap);
// real 0 x of the place, mm; real 1 number of fasteners needed; real 2 utilisation, %; the other
// fields belong to the connection checks.
// Records are kept ascending by (type, x, integer 1); a new record goes after equal keys.

#include "project/check_result_vector.h"

namespace kirvos {

class LiitosTulosVektori : public CheckResultVektori {
public:
    // Places closer than this (mm) along the sheeting are one place.
    static constexpr double kSamePlace = 0.1;

    LiitosTulosVektori(int capacity, int increment);

    // Keeps the worst result per place: a stored record of type 1, 2 or 3 matches a new one of the
    // same type whose x differs by less than 0.1 mm (the part is not compared). No match: the result
    // is added (unless 5000 are held); other types never match. A match is replaced when the new
    // number of fasteners (real 1) is larger, or equal with a larger utilisation (real 2).
    // reals: 7 values, integers: 5 values. Returns the stored record's position, or -1.
    int StoreMax(const double* reals, const int* integers);
};

}  // namespace kirvos
