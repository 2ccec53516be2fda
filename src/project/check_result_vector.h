#pragma once
// Common storage of the sheet and connection check results: 0 texts, 5 integers, 7 reals, kept
// ascending by (integer 0, real 0, integer 1) with a new record after equal keys. Real 1 is the
// governing value of a result. StoreMax keeps, per place, only the worst result over all load
// combinations, and never more than kMaxResults records.

#include "records/record_vector.h"

namespace kirvos {

class CheckResultVektori : public DOFvektori {
public:
    static constexpr int kMaxResults = 5000;

    CheckResultVektori(int capacity, int increment);

    int InsertPosition(const DOFalkio& record) const override;

protected:
    // Looks for the first record whose integer 0 equals integers[0] and for which matches(index)
    // holds. None: the new record is added unless kMaxResults are held. A match is replaced when
    // better(index) holds. Returns the position of the stored record, or -1 when nothing was stored.
    // Both arrays hold the table's field counts (5 integers, 7 reals).
    template <class Matches, class Better>
    int StoreWorst(const double* reals, const int* integers, Matches matches, Better better);

private:
    // Index of the first record whose integer 0 is key or above (Count() when none).
    int FirstOfKey(int key) const;
    int Replace(int index, const double* reals, const int* integers);
};

template <class Matches, class Better>
int CheckResultVektori::StoreWorst(const double* reals, const int* integers, Matches matches,
                                   Better better) {
    const int key = integers[0];
    for (int i = FirstOfKey(key); i < Count() && Int(i, 0) == key; ++i) {
        if (!matches(i)) continue;
        return better(i) ? Replace(i, reals, integers) : -1;
    }
    if (Count() >= kMaxResults) return -1;
    return Add(nullptr, reals, integers);
}

}  // namespace kirvos
