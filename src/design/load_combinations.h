#pragma once
// Load combinations of the ultimate and serviceability limit states, with the span patterns of
// snow and imposed load. Load case numbers: 1 self weight, 2 dead load, 101 + j snow on loaded span
// j, 201 + j imposed load on loaded span j, 301 + i wind case i.

#include "records/number_vectors.h"

namespace kirvos {

class KAIKKI_data;

// Everything the combination rules read from the project, gathered once per run.
// Factor arrays follow the standards file: [0] favourable, [1] unfavourable ultimate factor of
// structure class 0, [2], [3] the same for class 1, [4], [5] serviceability.
struct CombinationSettings {
    int standardIndex = 0;          // 0 or 1: selects the combination scheme
    int structureClass = 0;         // 0 primary, 1 secondary structure
    double permanentFactors[6] = {1, 1, 1, 1, 1, 1};
    double snowFactors[6] = {1, 1, 1, 1, 1, 1};
    double imposedFactors[6] = {1, 1, 1, 1, 1, 1};
    double windFactors[6] = {1, 1, 1, 1, 1, 1};
    double snowPsi0 = 1.0;
    double windPsi0 = 1.0;
    double imposedPsi0 = 1.0;       // psi0 of the project's imposed-load category
    bool snowPresent = false;
    bool imposedPresent = false;
    bool windPresent = false;
    int windCaseCount = 1;
    int loadedSpans = 0;            // spans with their own snow and imposed load case
    double snowAlternateReduction = 50.0;     // percent taken off snow on relieved spans
    double imposedAlternateReduction = 100.0; // percent taken off imposed load on relieved spans
};

// Number of loaded spans: every span record, leaving out a cantilever record of length 0 at
// either end.
int LoadedSpanCount(const KAIKKI_data& model);

// Structure class whose ultimate factors apply: 1 (secondary structure) only under standard 0.
// Standard 1 has no structure classes: the project data window holds the class at 0 there, and the
// factor window sets the class-1 factors to 1.0, so a class 1 brought by a project file must not
// select them.
int EffectiveStructureClass(const KAIKKI_data& model);

// Reads the project's factors, load presence and reductions.
CombinationSettings ReadCombinationSettings(const KAIKKI_data& model);

// Empties both lists and fills them from the settings. Returns 0.
int BuildLoadCombinations(const CombinationSettings& settings, DOFlukupariJoukko& ultimate,
                          DOFlukupariJoukko& service);
// The project's own lists (UltimateCombinations, ServiceCombinations). Returns 0.
int BuildLoadCombinations(KAIKKI_data& model);

// Adds to target the base combination (load cases 1, 2 and one wind case) extended by the snow
// and imposed span load cases under every span pattern, leaving out duplicates.
// imposedFactor and snowFactor are the factors of a loaded span.
void AddSpanPatterns(DOFlukupariJoukko& target, const DOFlukuparivektori& base, double imposedFactor,
                     double snowFactor, int loadedSpans, double snowAlternateReduction,
                     double imposedAlternateReduction);
// limitState 1 adds to the project's UltimateCombinations, any other value to ServiceCombinations.
void AddSpanPatterns(KAIKKI_data& model, int limitState, const DOFlukuparivektori& base,
                     double imposedFactor, double snowFactor);

}  // namespace kirvos
