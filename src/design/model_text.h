#pragma once
// The analysis input text of the sheeting: a line of nodes on the global x axis (mm from the left
// end of the sheeting), one chain of members per sheet part, pinned supports, hinge couplings where
// parts overlap, and the loads of every load case on 1 metre wide strips (surface loads kN/m2 =
// N/mm, point loads kN -> N). Positive input loads act downward (negative global y).
//
// Load cases: 1 self weight, 2 dead load, 101 + j snow and 201 + j imposed load on the j-th span
// record that takes part (a cantilever of length 0 does not), 301 + i wind case i.

#include <string>
#include <vector>

namespace kirvos {

class KAIKKI_data;

// What the sheet receives of a load of one kind (0 dead, 1 snow, 2 imposed, 3 and above wind) on a
// slope whose cosine is given: dead load acts per m2 of sloping sheet (x cos), snow and imposed load
// per m2 of plan (x cos^2), wind normal to the sheet (x 1); point loads of dead, snow and imposed
// load x cos. The calculation and the report both take the factors from here.
struct LoadSlopeFactors {
    double surface = 1.0;
    double point = 1.0;
};
LoadSlopeFactors SlopeFactorsOf(int kind, double slopeCos);

// Empties lines and writes groups 101 (nodes) to 701 (couplings) and the closing header 999 from
// Elements (BuildElements must have run), SheetParts and Loads.
void WriteModelText(const KAIKKI_data& model, std::vector<std::string>& lines);

// Appends the member loads of one kind from the basic load values (kind 0 dead load, 1 snow,
// 2 imposed load, 3 + n wind case n + 1). nextLoad is the first free load number; returns the next
// free one.
int WriteBasicLoads(const KAIKKI_data& model, std::vector<std::string>& lines, int kind, int nextLoad);
// Appends the member and node loads of the load records of one kind; numbering as above.
int WriteAdditionalLoads(const KAIKKI_data& model, std::vector<std::string>& lines, int kind, int nextLoad);

}  // namespace kirvos
