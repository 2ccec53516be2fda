#include "project/design_result_vector.h"

#include <cmath>

namespace kirvos {

MitoitusTulosVektori::MitoitusTulosVektori(int capacity, int increment)
    : CheckResultVektori(capacity, increment) {}

int MitoitusTulosVektori::StoreMax(const double* reals, const int* integers) {
    const int kind = integers[1];
    auto matches = [&](int i) {
        if (Int(i, 1) != kind) return false;
        return kind <= 10 ? Real(i, 0) == reals[0] : Int(i, 2) == integers[2];
    };
    auto better = [&](int i) {
        const double stored = Real(i, 1);
        if (reals[1] > stored) return true;
        return reals[1] == stored && kind == 11 && std::fabs(reals[2]) > std::fabs(Real(i, 2));
    };
    return StoreWorst(reals, integers, matches, better);
}

}  // namespace kirvos
