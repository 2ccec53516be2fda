#pragma once
// Sample points kept in a record table (one record per point, reals only) are worked on as one flat
// array: copied out, filled, and written back (the relative position t in real 0 is never changed).

#include <cstddef>
#include <vector>

#include "records/record_vector.h"

namespace kirvos {

template <typename Fill>
void WithSampleArray(DOFvektori& samples, int reals, Fill fill) {
    const int count = samples.Count();
    if (count == 0) return;
    std::vector<double> flat(static_cast<std::size_t>(count) * reals);
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < reals; ++j) flat[static_cast<std::size_t>(i) * reals + j] = samples.Real(i, j);
    }
    fill(flat.data(), count, reals);
    for (int i = 0; i < count; ++i) {
        for (int j = 1; j < reals; ++j) samples.SetReal(i, j, flat[static_cast<std::size_t>(i) * reals + j]);
    }
}

}  // namespace kirvos
