#include "project/envelope_vector.h"

#include <tuple>

#include "project/sorted_records.h"

namespace kirvos {

VerhoKayratVektori::VerhoKayratVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(0, 5, 5);
}

int VerhoKayratVektori::InsertPosition(const DOFalkio& record) const {
    const auto key = std::make_tuple(record.Int(kLimitState), record.Int(kPart), record.Int(kElement));
    return FirstOrderedAfter(Count(), [&](int i) {
        return std::make_tuple(Int(i, kLimitState), Int(i, kPart), Int(i, kElement)) > key;
    });
}

}  // namespace kirvos
