#pragma once
// Fasteners that tie the sheet to the supports (category 1), the sheets to each other in joints
// (category 2) and in side laps (category 3); category 4 serves both 2 and 3 (fasteners.dat).
//
// Record (2 texts, 10 integers, 10 reals): text 0 name (the key the fastener window finds it by);
// text 1 description; integer 0 category; integer 1 sub-kind; integer 2 filter key a; integer 3
// filter key b (also read by the connection check); integer 5 picture number of fastener%d.bmp;
// integers 6, 7 text numbers of groups 428 and 430; real 0 and real 5 dimensions, mm; reals 3, 4 a
// range, mm; reals 6, 7 resistances, kN; real 2 read by the connection check.
// Records are kept ascending by (category, sub-kind); a new record goes after equal keys.

#include <string>

#include "records/record_vector.h"

namespace kirvos {

class KiinnikeVektori : public DOFvektori {
public:
    KiinnikeVektori(int capacity, int increment);

    // Selected fastener per category: -1 until a catalogue with records is loaded, then 0.
    int SupportFastener = -1;
    int JointFastener = -1;
    int SeamFastener = -1;
    // Options chosen in the fastener window per category, five slots each (all saved with the
    // project); slot n is element [n], slot 0 is not used. Use the named accessors below.
    int SupportOptions[5] = {0, 0, 0, 0, 0};
    int JointOptions[5] = {0, 0, 0, 0, 0};
    int SeamOptions[5] = {0, 0, 0, 0, 0};

    // Support fastener kind: 0 self-drilling screw, 1 thread-forming screw, 2 nail.
    int& SupportFastenerKind() { return SupportOptions[1]; }
    int SupportFastenerKind() const { return SupportOptions[1]; }
    int& SupportFastenerMaterial() { return SupportOptions[2]; }
    int SupportFastenerMaterial() const { return SupportOptions[2]; }
    // 0 a fastener at the bottom of every rib, 1 of every second rib.
    int& FasteningPattern() { return SupportOptions[3]; }
    int FasteningPattern() const { return SupportOptions[3]; }
    // Joint fastener kind: 0 self-drilling screw, 1 rivet.
    int& JointFastenerKind() { return JointOptions[1]; }
    int JointFastenerKind() const { return JointOptions[1]; }
    int& JointFastenerMaterial() { return JointOptions[2]; }
    int JointFastenerMaterial() const { return JointOptions[2]; }
    int& SeamFastenerKind() { return SeamOptions[1]; }
    int SeamFastenerKind() const { return SeamOptions[1]; }
    int& SeamFastenerMaterial() { return SeamOptions[2]; }
    int SeamFastenerMaterial() const { return SeamOptions[2]; }

    int InsertPosition(const DOFalkio& record) const override;

    // Index of the first record of the category (category 4 counts as 2 and as 3) whose name equals
    // name exactly, whose key b (integer 3) equals keyB when keyB > 0 and whose key a (integer 2)
    // equals keyA when keyA > 0; -1 when none.
    int FindFastener(int category, const std::string& name, int keyB, int keyA) const;

    // After a catalogue is read: the three selections become 0 when it has records.
    void ResetSelections();
};

}  // namespace kirvos
