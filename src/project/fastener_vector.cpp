#include "project/fastener_vector.h"

#include "project/record_order.h"

namespace kirvos {

KiinnikeVektori::KiinnikeVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(2, 10, 10);
}

int KiinnikeVektori::InsertPosition(const DOFalkio& record) const {
    const int category = record.Int(0);
    const int subKind = record.Int(1);
    return AfterLastNotAbove(Count(), [&](int i) {
        const int c = Int(i, 0);
        return c < category || (c == category && Int(i, 1) <= subKind);
    });
}

int KiinnikeVektori::FindFastener(int category, const std::string& name, int keyB, int keyA) const {
    for (int i = 0; i < Count(); ++i) {
        const int c = Int(i, 0);
        // Category 4 fasteners serve both joints (2) and side laps (3).
        const bool categoryMatches = c == category || (c == 4 && (category == 2 || category == 3));
        if (!categoryMatches) continue;
        if (keyB > 0 && Int(i, 3) != keyB) continue;
        if (keyA > 0 && Int(i, 2) != keyA) continue;
        const char* text = Text(i, 0);
        if (name == (text ? text : "")) return i;
    }
    return -1;
}

void KiinnikeVektori::ResetSelections() {
    if (Count() == 0) return;
    SupportFastener = 0;
    JointFastener = 0;
    SeamFastener = 0;
}

}  // namespace kirvos
