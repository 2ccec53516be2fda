#pragma once
// The sheet layout: sheet lengths (one sheet from joint to joint) and support pieces, laid out along
// the sheeting by BuildSheetParts and saved with the project.
//
// Record (2 texts, 5 integers, 10 reals):
//   text 0     layout label (the working text at creation)
//   text 1     governing check and its place, written by the sheet checks; empty when created
//   integer 0  part number: sheet lengths 1, 2, ... from the left; a long support piece takes the
//              next number; a short support piece holds minus the number of the sheet it lies on
//   integer 1  position code of a sheet length: 2 for the first, then alternately 3 and 2, with 1 in
//              place of 3 after a two-zone joint; 1 for support pieces
//   integer 2  thickness: line of the profile's thickness table (group 11), 0 not chosen, negative a
//              tentative choice of the automatic thickness search
//   integer 3  layer setting: -1 fully doubled sheet, 0 single sheet, n > 0 n extra layers
//   integer 4  1 ordinary sheet length, 3 a sheet length ending at the joint plate of a two-zone
//              support joint, 2 support piece
//   reals 0, 1 start and end along the sheeting, mm
//   reals 2, 3 extent in the analysis model, mm (for a sheet length from the B point of the joint at
//              its start to the A point of the joint at its end)
//   reals 4..8 maximum utilisations, %: span strength, support, deflection, diaphragm, overall
//              (-1.0 until checked)
//   real 9     -1.0
// Records are appended.

#include <cstddef>
#include <string>
#include <string_view>

#include "records/record_vector.h"

namespace kirvos {

class PiirtoOsatVektori : public DOFvektori {
public:
    // Field numbers of a sheet part record.
    static constexpr int kLabel = 0;        // text
    static constexpr int kCheckName = 1;    // text
    static constexpr int kNumber = 0;       // integer
    static constexpr int kPositionCode = 1; // integer
    static constexpr int kThickness = 2;    // integer
    static constexpr int kLayers = 3;       // integer
    static constexpr int kKind = 4;         // integer
    static constexpr int kStart = 0;        // real
    static constexpr int kEnd = 1;          // real
    static constexpr int kModelStart = 2;   // real
    static constexpr int kModelEnd = 3;     // real
    static constexpr int kSpanUse = 4;      // real
    static constexpr int kSupportUse = 5;   // real
    static constexpr int kDeflectionUse = 6;// real
    static constexpr int kDiaphragmUse = 7; // real
    static constexpr int kOverallUse = 8;   // real

    // Values of integer 4.
    static constexpr int kSheetLength = 1;
    static constexpr int kSupportPiece = 2;
    static constexpr int kJointPlateSheet = 3;

    // Longest working text kept (the label buffer of 256 characters with its terminator).
    static constexpr std::size_t kWorkingTextMax = 255;

    PiirtoOsatVektori(int capacity, int increment);

    // Label copied into text 0 of new records: a blank after a new project, empty after a project is
    // read. SetWorkingText keeps at most kWorkingTextMax bytes.
    std::string WorkingText = " ";
    // Copied into integers 2 (thickness) and 3 (layer setting) of new sheet lengths.
    int WorkingThickness = 0;
    int WorkingLayers = 0;

    void SetWorkingText(std::string_view text);
    // Working text emptied (or a blank, for a new project) and both selections 0.
    void ResetWorking(std::string_view text);

    // Whether record i is a sheet part that takes part in the analysis (part number above 0).
    bool IsPart(int i) const { return Int(i, kNumber) > 0; }

    // Thickness search step. Returns how many sheet parts (part number above 0) had a thickness
    // below 1 before any change. value != 0: every sheet part whose thickness is 0, or a tentative
    // (negative) one whose overall utilisation (real 8) exceeds 100 %, gets value. value == 0: every
    // sheet part's thickness becomes its absolute value (tentative choices become final).
    int AssignThickness(int value);
};

}  // namespace kirvos
