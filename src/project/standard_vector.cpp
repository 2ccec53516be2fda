#include "project/standard_vector.h"

#include <algorithm>

#include "records/field_parsing.h"

namespace kirvos {

namespace {
constexpr int kAnnexListGroup = 11;   // + standard index
constexpr int kGridGroup = 1;         // + base, rows 1 to 3
constexpr int kSingle1Group = 11;     // + base
constexpr int kSingle2Group = 21;     // + base
constexpr int kPartialGroup = 31;     // + base: permanent, snow, imposed, wind
constexpr int kSnowPsiGroup = 41;     // + base
constexpr int kWindPsiGroup = 42;     // + base
constexpr int kImposedCountGroup = 50;  // + base
constexpr int kSnowPlaceGroup = 61;   // + base
constexpr int kImposedCategories = 10;
}  // namespace

bool NormiVektori::GroupLine(int group, int n, std::string& buffer) const {
    if (n < 1 || n > LineCount(group)) return false;
    Line(group, n, buffer);
    return true;
}

bool NormiVektori::StandardName(int n, std::string& buffer) const { return GroupLine(1, n, buffer); }

int NormiVektori::AnnexCount(int standard) const { return LineCount(kAnnexListGroup + standard); }

bool NormiVektori::AnnexName(int standard, int n, std::string& buffer) const {
    return GroupLine(kAnnexListGroup + standard, n, buffer);
}

void NormiVektori::ReadRow(int group, int n, int count, double* work) const {
    std::string line;
    if (!GroupLine(group, n, line)) return;
    int map[7] = {count, kFieldReal, kFieldReal, kFieldReal, kFieldReal, kFieldReal, kFieldReal};
    // A row that stops early keeps, in its unread places, what the previous row left there.
    ParseFields(';', line, map, nullptr, work, nullptr);
}

void NormiVektori::SelectStandard(int standard, int annex) {
    const int base = 100 * (standard + 1);
    if (standard == 0) annex = 0;
    const int n = annex + 1;
    if (n < 1 || n > LineCount(kAnnexListGroup + standard)) return;

    // One work array serves every row, in group order, and is never cleared between rows.
    double work[6] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    std::string line;
    auto readInto = [&](int group, int count, double* target) {
        if (!GroupLine(group, n, line)) return;  // a missing row keeps the values in place
        ReadRow(group, n, count, work);
        std::copy(work, work + count, target);
    };

    for (int row = 0; row < 3; ++row) readInto(base + kGridGroup + row, 4, FactorGrid[row]);

    double value = 0.0;
    if (GroupLine(base + kSingle1Group, n, line) && ParseNumber(line, value, 0.1, 10.0) == 0)
        SingleFactor1 = value;
    if (GroupLine(base + kSingle2Group, n, line) && ParseNumber(line, value, 0.1, 10.0) == 0)
        SingleFactor2 = value;

    readInto(base + kPartialGroup, 6, PermanentFactors);
    readInto(base + kPartialGroup + 1, 6, SnowFactors);
    readInto(base + kPartialGroup + 2, 6, ImposedFactors);
    readInto(base + kPartialGroup + 3, 6, WindFactors);
    readInto(base + kSnowPsiGroup, 3, SnowPsi);
    readInto(base + kWindPsiGroup, 3, WindPsi);

    // Categories the file does not give repeat the row read before them.
    const int categories = LineCount(base + kImposedCountGroup);
    for (int i = 1; i <= kImposedCategories; ++i) {
        const int group = base + kImposedCountGroup + i;
        if (i <= categories && LineCount(group) >= n) ReadRow(group, n, 3, work);
        std::copy(work, work + 3, ImposedPsi[i - 1]);
    }
}

bool NormiVektori::SnowPlaceFileName(int standard, int annex, std::string& buffer) const {
    if (standard == 0) annex = 0;
    if (AnnexCount(standard) < annex + 1) return false;
    return GroupLine(100 * standard + 100 + kSnowPlaceGroup, annex + 1, buffer);
}

}  // namespace kirvos
