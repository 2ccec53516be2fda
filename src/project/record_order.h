#pragma once
// Insertion position of the catalogue and load tables that keep records ascending by a key.

namespace kirvos {

// Position just after the last record (index below count) whose key is not above the new record's
// key, scanning from the end: equal keys keep their entry order, and a table whose order was
// disturbed by an in-place change still places the record after every smaller or equal key.
template <class KeyNotAbove>
int AfterLastNotAbove(int count, KeyNotAbove keyNotAbove) {
    int position = count;
    while (position > 0 && !keyNotAbove(position - 1)) --position;
    return position;
}

}  // namespace kirvos
