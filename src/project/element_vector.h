#pragma once
// The analysis elements of the sheeting, built by BuildElements from the sheet parts, joints and long
// support pieces.
//
// Record (0 texts, 6 integers, 5 reals):
//   integer 0  element number, 1, 2, ... in creation order
//   integer 1  number of the sheet part it belongs to (material and section number of the model)
//   integers 2, 3  node numbers at its start and end; each part numbers its nodes consecutively and
//              the numbering continues from part to part with one number skipped
//   integers 4, 5  node of another part's element at the same position as this element's start (4)
//              or end (5), 0 when none: these pairs couple overlapping sheets
//   reals 0, 1 start and end position, mm
//   reals 2..4 0
// Records are appended.

#include "records/number_vectors.h"
#include "records/record_vector.h"

namespace kirvos {

class ElementtiVektori : public DOFvektori {
public:
    static constexpr int kNumber = 0;        // integer
    static constexpr int kPart = 1;          // integer
    static constexpr int kStartNode = 2;     // integer
    static constexpr int kEndNode = 3;       // integer
    static constexpr int kStartPartner = 4;  // integer
    static constexpr int kEndPartner = 5;    // integer
    static constexpr int kStart = 0;         // real
    static constexpr int kEnd = 1;           // real

    // Positions closer than this (mm) are one division point.
    static constexpr double kBreakpointTolerance = 0.5;

    ElementtiVektori(int capacity, int increment);

    // Division points of the sheeting (ascending, merged within kBreakpointTolerance).
    DOFlukuvektori Breakpoints{20, 20};

    // Index of the element numbered number, or -1.
    int FindElement(int number) const;
    // Part number (integer 1) of the element numbered number; 0 when there is none.
    int PartOfElement(int number) const;
    // Start and end (mm) of the element numbered number. Returns false and leaves the outputs
    // untouched when there is none.
    bool ElementExtent(int number, double& start, double& end) const;
};

}  // namespace kirvos
