#pragma once
// One profile's data file: a sectioned text of one value per line. Group 1 the display names (line
// n for user-interface language n); 2 general cross-section values (see the profile file layout:
// covering width, rib pitch, height, web angle, flange and web widths in mm and degrees); 3 line 1
// the largest number of extra layers offered (0 to 4); 4 note text numbers; 5 the structure types
// the profile suits; 11 the sheet thicknesses (one line per thickness, required); 12 onwards
// per-thickness values, line m for thickness m; 14 dimension values shown as a range.

#include "records/sectioned_text.h"

namespace kirvos {

class ProfiiliArvot : public CSVTiedosto {};

// The number on line n of the group, read in [-1.0E66, 1.0E66]; 0.0 when data is null or the line
// is missing or not a number.
double ProfileValue(const ProfiiliArvot* data, int group, int line);
// The same, truncated toward zero to an integer.
int ProfileInt(const ProfiiliArvot* data, int group, int line);
// Line 1 of group 3 read in [0, 4] and truncated; 0 when absent or out of range.
int ProfileGroup3Value(const ProfiiliArvot* data);
// Whether a line of group 5 equals the structure type (0 to 4 as the project's StructureType).
bool SuitsStructureType(const ProfiiliArvot* data, int structureType);
// Smallest and largest value of group 14, starting from 999.0 and 0.0 (so a file without the group
// gives 999.0 and 0.0, which the design window shows as no range).
void DimensionRange(const ProfiiliArvot* data, double& smallest, double& largest);

}  // namespace kirvos
