#pragma once
// Steel grades of the supporting structure (steelgrades.dat).
//
// Record (1 text, 2 integers, 3 reals): text 0 grade name; integer 0 grade kind (2 and 3 select the
// material factor row of the standard the connection check applies); integer 1 and reals 1, 2
// carried only; real 0 the grade's strength used by the connection check. Append order.

#include "records/record_vector.h"

namespace kirvos {

class LujuusluokkaVektori : public DOFvektori {
public:
    LujuusluokkaVektori(int capacity, int increment);

    // Selected grade: -1 until a catalogue with records is loaded, then 0; saved with the project.
    int SelectedGrade = -1;
    // Thickness of the supporting member, mm (1.0 to 10.0 in the fastener window).
    double SupportThickness = 3.0;
};

}  // namespace kirvos
