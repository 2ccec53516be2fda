#pragma once
// The supports between the spans (support k at the end of span record k).
//
// Record: text 0 "Tuki"; integer 0 support piece (0 none, 1 short piece of the project's
// ShortPieceLength, 2 long piece of length real 1); integer 1 support joint type (0 none, 1 to 8);
// integers 2 to 4 unused; real 0 support width in mm (entered 50 to 999); real 1 length of a long
// support piece in mm; reals 2 to 4 the joint parameters P1 to P3 (mm or ratios by joint type).

#include "records/record_vector.h"

namespace kirvos {

class TukiVektori : public DOFvektori {
public:
    TukiVektori(int capacity, int increment);

    // Line selected in the supports window, -1 none; saved with the project.
    int SelectedSupport = -1;

    // Clears the table and adds the two 50 mm wide supports of the default structure; the
    // selection becomes -1.
    void SetDefault();
};

}  // namespace kirvos
