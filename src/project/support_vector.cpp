#include "project/support_vector.h"

namespace kirvos {

TukiVektori::TukiVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(1, 5, 5);
}

void TukiVektori::SetDefault() {
    Clear();
    ReadLine("Tuki;0;0;0;0;0;50;0;0;0;0");
    ReadLine("Tuki;0;0;0;0;0;50;0;0;0;0");
    SelectedSupport = -1;
}

}  // namespace kirvos
