#include "project/sheet_part_vector.h"

#include <cstdlib>

namespace kirvos {

PiirtoOsatVektori::PiirtoOsatVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(2, 5, 10);
}

void PiirtoOsatVektori::SetWorkingText(std::string_view text) {
    WorkingText.assign(text.substr(0, kWorkingTextMax));
}

void PiirtoOsatVektori::ResetWorking(std::string_view text) {
    SetWorkingText(text);
    WorkingThickness = 0;
    WorkingLayers = 0;
}

int PiirtoOsatVektori::AssignThickness(int value) {
    int open = 0;
    for (int i = 0; i < Count(); ++i) {
        if (IsPart(i) && Int(i, kThickness) < 1) ++open;
    }
    for (int i = 0; i < Count(); ++i) {
        if (!IsPart(i)) continue;
        const int t = Int(i, kThickness);
        if (value != 0) {
            if (t == 0 || (t < 0 && Real(i, kOverallUse) > 100.0)) SetInt(i, kThickness, value);
        } else {
            SetInt(i, kThickness, std::abs(t));
        }
    }
    return open;
}

}  // namespace kirvos
