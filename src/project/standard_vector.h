#pragma once
// The design standards file (standards.dat) and the partial and combination factors in use.
//
// File groups, for standard index s (from 0) and base = 100 * (s + 1): 1 the standards' names (line
// s + 1); 11 + s the names of the standard's national annexes; base + 1..3 the three rows of the
// material factor grid (4 reals a line); base + 11 and base + 21 the two single factors; base + 31..34
// partial factors of permanent, snow, imposed and wind load (6 reals a line); base + 41 and 42
// combination factors of snow and wind (3 reals); base + 50 its line count is the number of
// imposed-load categories present (at most 10); base + 51..60 the imposed-load combination factors,
// one group per category (3 reals); base + 61 the snow-load place file name. In every factor group
// line n belongs to annex n - 1; standard 0 has no annexes and always uses line 1.

#include <string>

#include "records/sectioned_text.h"

namespace kirvos {

class NormiVektori : public CSVTiedosto {
public:
    // The factor block in use (all 1.0 until a standard is selected; saved with the project).
    // Layout of the load factor rows: [0], [1] favourable and unfavourable ultimate factors of
    // structure class 0, [2], [3] the same for class 1, [4], [5] serviceability.
    double FactorGrid[3][4] = {{1.0, 1.0, 1.0, 1.0}, {1.0, 1.0, 1.0, 1.0}, {1.0, 1.0, 1.0, 1.0}};
    double SingleFactor1 = 1.0;  // material partial factor of fasteners
    double SingleFactor2 = 1.0;  // kept and saved, not used by the calculation
    double PermanentFactors[6] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    double SnowFactors[6] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    double ImposedFactors[6] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    double WindFactors[6] = {1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    double SnowPsi[3] = {1.0, 1.0, 1.0};  // psi0, psi1, psi2 of snow
    double ImposedPsi[10][3] = {{1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0},
                                {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0},
                                {1.0, 1.0, 1.0}, {1.0, 1.0, 1.0}};  // one row per imposed category
    double WindPsi[3] = {1.0, 1.0, 1.0};  // psi0, psi1, psi2 of wind

    // Number of standards (lines of group 1).
    int StandardCount() const { return LineCount(1); }
    // Name of standard n (1-based) into buffer; false (buffer untouched) when there is no such line.
    bool StandardName(int n, std::string& buffer) const;
    // Number of national annexes of the standard (lines of group 11 + standard).
    int AnnexCount(int standard) const;
    // Name of annex n (1-based) of the standard into buffer; false (buffer untouched) when absent.
    bool AnnexName(int standard, int n, std::string& buffer) const;

    // Loads the factors of the standard and annex (annex from 0; standard 0 always uses its first
    // line) into the factor block. Nothing changes when the standard lists fewer annexes than
    // annex + 1. Rows are parsed into one work array shared by all rows, so a row that cannot be read
    // in full keeps the previous row's values in its unread places; a missing imposed-load category
    // repeats the row before it. Missing groups and lines leave the values in place.
    void SelectStandard(int standard, int annex);

    // Name of the snow-load place list of the standard and annex (annex 0 for standard 0) into
    // buffer, when the standard lists at least annex + 1 annexes; otherwise the buffer is left
    // untouched. Returns whether the buffer was written.
    bool SnowPlaceFileName(int standard, int annex, std::string& buffer) const;

private:
    // Line n of group into buffer when the group has at least n lines.
    bool GroupLine(int group, int n, std::string& buffer) const;
    // Parses count reals of line n of group into work (unread places keep their values).
    void ReadRow(int group, int n, int count, double* work) const;
};

}  // namespace kirvos
