#pragma once
// The sheet and connection checks as the calculation run calls them.

namespace kirvos {

class KAIKKI_data;
class VerhoKayratVektori;

// Support and connection checks of one ultimate combination (its index in UltimateCombinations).
// endForces holds, per member in envelope order, the member's first and last sample point:
// integers (1, part, member, 0, 0), reals (x mm, moment N*mm/m, 0, shear N/m, 0).
// Results go to DesignResults and ConnectionResults, keeping the worst per place.
void CheckCombination(KAIKKI_data& model, int combination, const VerhoKayratVektori& endForces);

// Span and deflection checks on the envelopes (and the diaphragm checks when switched on), then the
// governing check and maximum utilisations of every sheet part. 1 when no stored utilisation
// exceeds 100 %, else 0.
int CheckSpans(KAIKKI_data& model);

}  // namespace kirvos
