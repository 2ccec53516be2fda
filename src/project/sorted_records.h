#pragma once
// Binary search over a record table kept in ascending order.

namespace kirvos {

// First index in [0, count) for which orderedAfter(index) holds, or count when none. orderedAfter
// must be false for a prefix of the indices and true for the rest (the table is sorted).
template <class OrderedAfter>
int FirstOrderedAfter(int count, OrderedAfter orderedAfter) {
    int lo = 0;
    int hi = count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (orderedAfter(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

}  // namespace kirvos
