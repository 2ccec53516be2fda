#include "project/element_vector.h"

namespace kirvos {

ElementtiVektori::ElementtiVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(0, 6, 5);
    Breakpoints.SetTolerance(kBreakpointTolerance);
}

int ElementtiVektori::FindElement(int number) const {
    // Elements are numbered 1, 2, ... in creation order, so the number is normally its index + 1.
    if (number >= 1 && number <= Count() && Int(number - 1, kNumber) == number) return number - 1;
    for (int i = 0; i < Count(); ++i) {
        if (Int(i, kNumber) == number) return i;
    }
    return -1;
}

int ElementtiVektori::PartOfElement(int number) const {
    const int i = FindElement(number);
    return i < 0 ? 0 : Int(i, kPart);
}

bool ElementtiVektori::ElementExtent(int number, double& start, double& end) const {
    const int i = FindElement(number);
    if (i < 0) return false;
    start = Real(i, kStart);
    end = Real(i, kEnd);
    return true;
}

}  // namespace kirvos
