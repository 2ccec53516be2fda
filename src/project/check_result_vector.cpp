#include "project/check_result_vector.h"

#include <tuple>

#include "project/sorted_records.h"

namespace kirvos {

CheckResultVektori::CheckResultVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(0, 5, 7);
}

int CheckResultVektori::InsertPosition(const DOFalkio& record) const {
    const auto key = std::make_tuple(record.Int(0), record.Real(0), record.Int(1));
    return FirstOrderedAfter(Count(), [&](int i) {
        return std::make_tuple(Int(i, 0), Real(i, 0), Int(i, 1)) > key;
    });
}

int CheckResultVektori::FirstOfKey(int key) const {
    return FirstOrderedAfter(Count(), [&](int i) { return Int(i, 0) >= key; });
}

int CheckResultVektori::Replace(int index, const double* reals, const int* integers) {
    // The replacement may carry another x (or kind); re-inserting it keeps the table in its order.
    if (Real(index, 0) == reals[0] && Int(index, 1) == integers[1]) {
        Change(index, nullptr, reals, integers);
        return index;
    }
    Remove(index);
    return Add(nullptr, reals, integers);
}

}  // namespace kirvos
