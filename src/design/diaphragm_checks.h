#pragma once
// The sheeting as a shear diaphragm carrying horizontal line loads of the building in its plane.
// DiaphragmParameters keys: 1 arrangement (1 on main girders, sheets along the length L; 2 on
// purlins, sheets across the width B), 2 upper flange supported at the end support, 3 fastenings
// for the maximum horizontal load, 11 B mm, 12 L mm, 21 W1 kN/m (along L), 22 W2 kN/m (along B),
// 23 load factor, 31 allowed lateral deflection mm.

#include <string>

namespace kirvos {

class KAIKKI_data;

enum DiaphragmPlace { kDiaphragmSupport = 1, kDiaphragmJoint = 2, kDiaphragmSeam = 3 };

// Design in-plane shear flow (N per metre) at x (mm from the left end) for place p (1 support,
// 2 joint, 3 seam) and mode k (1 load W1, 2 load W2, 3 the larger). Writes the dimension that
// follows the sheeting (its inner length) back into DiaphragmParameters.
double DiaphragmForce(KAIKKI_data& model, double x, int p, int k);

// Diaphragm shear resistance kinds 11 (shear with bending at the sheet ends) and 12 (shear
// buckling) of the sheet part at index over a span of length Ls mm, kN/m; 0 without a span.
double DiaphragmResistance(const KAIKKI_data& model, int partIndex, int kind, double spanLength);

// Diaphragm checks, kinds 21 to 24, into DesignResults (after the span checks of the same run).
void CheckDiaphragm(KAIKKI_data& model);

// 0 when the diaphragm data allows a calculation; -1 when a dimension the checks divide by (the
// building width or length that is not taken from the spans, the allowed lateral deflection) is
// not above 0, with message naming the value.
int DiaphragmDataError(const KAIKKI_data& model, std::string& message);

}  // namespace kirvos
