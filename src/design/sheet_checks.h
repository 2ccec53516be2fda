#pragma once
// Design resistances of a sheet part and the sheet checks: support checks per ultimate combination
// (CheckCombination, declared in checks_hook.h) and span, shear and deflection checks on the
// envelopes (CheckSpans). Utilisations are in percent; action effects in N and N*mm per metre of
// sheet width; catalogue resistances (kN/m, kNm/m) are scaled by 1e3 / 1e6 before comparison.

#include <string>

#include "design/checks_hook.h"

namespace kirvos {

class KAIKKI_data;
class ProfiiliArvot;

// Check kinds of DesignResults.
enum SheetCheckKind {
    kSupportMoment = 1,
    kSupportShear = 2,
    kSupportReaction = 3,
    kMomentReaction = 4,
    kMomentShear = 5,
    kDeflection = 11,
    kSpanMoment = 12,
    kSpanShear = 13,
    kDiaphragmShearEnds = 21,
    kDiaphragmShearBuckling = 22,
    kDiaphragmDeflectionW1 = 23,
    kDiaphragmDeflectionW2 = 24,
};

// Resistance kinds of SheetResistance: 1 positive moment, 2 negative moment, 4 support reaction,
// 5 shear, 6 moment-reaction interaction limit, 11 and 12 diaphragm shear (kN/m).
struct SupportData {
    double width = 0.0;       // ss, support width, mm
    double overhang = 0.0;    // c, how far the sheet reaches beyond the support edge, mm
    bool doubled = false;     // sheets doubled over the support (support with a short piece)
    double ratio = 0.0;       // x of the interaction limit table (|M / Mr| in %)
    double spanLength = 0.0;  // Ls of the diaphragm resistances, mm
};

// Design resistance of the sheet part at index in SheetParts, in the catalogue's units (kNm/m, kN/m;
// kind 6 a ratio in %), divided by the material factor of the kind. support may be null. An index
// outside SheetParts, or a missing profile value, gives 0.
double SheetResistance(const KAIKKI_data& model, int partIndex, int kind, const SupportData* support);

// Twelve numbers "x0;..;x5;y0;..;y5": y interpolated linearly at x in the first interval holding it;
// 1.25 when none does.
double InterpolateTable(double x, const std::string& text);
// The same on the numbers already read; ReadLimitTable reads them (missing numbers stay 0).
double InterpolateTable(double x, const double (&values)[12]);
void ReadLimitTable(const std::string& text, double (&values)[12]);

// The moment-reaction interaction limit (resistance kind 6) of one thickness line, read once so that
// it can be evaluated for every support ratio without going back to the profile text.
struct InteractionLimit {
    double fixed = 1.25;    // without a support, or when the profile has no limit table
    bool hasTable = false;  // the limit is interpolated in table at the support's ratio
    double table[12] = {};
    double At(const SupportData* support) const;
};
InteractionLimit PrepareInteractionLimit(const ProfiiliArvot* data, int line);

// Position of support j (0-based) when x lies on it (within 0.01 mm), else -1.
int SupportAt(const KAIKKI_data& model, double x);

}  // namespace kirvos
