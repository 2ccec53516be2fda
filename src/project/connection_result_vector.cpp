#include "project/connection_result_vector.h"

#include <cmath>

namespace kirvos {

LiitosTulosVektori::LiitosTulosVektori(int capacity, int increment)
    : CheckResultVektori(capacity, increment) {}

int LiitosTulosVektori::StoreMax(const double* reals, const int* integers) {
    const int type = integers[0];
    const bool placeType = type >= 1 && type <= 3;
    auto matches = [&](int i) {
        return placeType && std::fabs(Real(i, 0) - reals[0]) < kSamePlace;
    };
    auto better = [&](int i) {
        return reals[1] > Real(i, 1) || (reals[1] == Real(i, 1) && reals[2] > Real(i, 2));
    };
    return StoreWorst(reals, integers, matches, better);
}

}  // namespace kirvos
