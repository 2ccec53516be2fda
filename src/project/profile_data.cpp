#include "project/profile_data.h"

#include <cmath>
#include <cstring>

#include "records/field_parsing.h"

namespace kirvos {

namespace {

// Reads line n of the group as a number in [min, max]; false when the line is missing or no number
// in range.
bool ReadValue(const ProfiiliArvot* data, int group, int line, double min, double max, double& value) {
    if (!data || line < 1 || line > data->LineCount(group)) return false;
    return ParseNumber(data->Line(group, line), value, min, max) == 0;
}

}  // namespace

double ProfileValue(const ProfiiliArvot* data, int group, int line) {
    double value = 0.0;
    return ReadValue(data, group, line, -1.0E66, 1.0E66, value) ? value : 0.0;
}

int ProfileInt(const ProfiiliArvot* data, int group, int line) {
    const double value = ProfileValue(data, group, line);
    // Values beyond the int range are no valid counts or codes.
    if (!(std::fabs(value) < 2147483647.0)) return 0;
    return static_cast<int>(value);
}

int ProfileGroup3Value(const ProfiiliArvot* data) {
    double value = 0.0;
    return ReadValue(data, 3, 1, 0.0, 4.0, value) ? static_cast<int>(value) : 0;
}

bool SuitsStructureType(const ProfiiliArvot* data, int structureType) {
    if (!data) return false;
    for (int n = 1; n <= data->LineCount(5); ++n) {
        double value = 0.0;
        if (ReadValue(data, 5, n, -1.0E66, 1.0E66, value) && value == structureType) return true;
    }
    return false;
}

void DimensionRange(const ProfiiliArvot* data, double& smallest, double& largest) {
    smallest = 999.0;
    largest = 0.0;
    if (!data) return;
    for (int n = 1; n <= data->LineCount(14); ++n) {
        const double value = ProfileValue(data, 14, n);
        if (value < smallest) smallest = value;
        if (value > largest) largest = value;
    }
}

}  // namespace kirvos
