#include "project/steel_grade_vector.h"

namespace kirvos {

LujuusluokkaVektori::LujuusluokkaVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(1, 2, 3);
}

}  // namespace kirvos
