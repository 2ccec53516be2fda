// Loads of the report: the partial and combination factors in use, then every load kind that has
// loads with its basic value and its load records, as the sheet receives them (kN/m2 normal to the
// sheet, kN for point loads).
#include <algorithm>
#include <cmath>

#include "project/project_model.h"
#include "design/load_combinations.h"
#include "design/model_text.h"
#include "report/report_sections.h"
#include "report/section_writer.h"

namespace kirvos {

namespace {

constexpr int kReportTexts = 2;
constexpr int kKinds = 7;  // 0 dead, 1 snow, 2 imposed, 3..6 wind cases 1..4

// Basic surface value of a kind over the whole sheeting, kN/m2, before the slope is applied.
double BasicValue(const KuormaVektori& loads, int kind)
{
    switch (kind) {
    case 0: return loads.DeadLoad;
    case 1: return loads.SnowLoad * loads.SnowShapeFactor;
    case 2: return loads.ImposedLoad;
    default: return loads.WindLoad * loads.WindCoefficients[kind - 3];
    }
}

// Whether a kind takes part in the design: a non-zero basic value or load records. Wind cases count
// only up to the number of wind cases the calculation runs (a count from a file held in 1..4): the
// loads of a case beyond it act in no combination, and the report lists the loads designed for.
// The drawing switches of the pictures play no part: what is hidden in a picture is still a load
// on the sheet.
bool KindHasLoads(const KuormaVektori& loads, int kind)
{
    if (kind >= 3 && kind - 3 >= std::clamp(loads.WindCaseCount, 1, 4)) return false;
    return BasicValue(loads, kind) != 0.0 || loads.CountLoads(kind, -1) > 0;
}

// psi0 of the imposed-load category in use (category c is row c - 1), as the combinations take it.
double ImposedPsi0(const KAIKKI_data& p)
{
    const int row = std::clamp(p.Loads.ImposedCategory - 1, 0, 9);
    return p.Standards.ImposedPsi[row][0];
}

void WriteFactorRows(SectionWriter& w, const KAIKKI_data& p, int unfavourable, int favourable)
{
    const NormiVektori& n = p.Standards;
    const char* row = "%s\t%.2f\t%.2f\t%.2f";
    w.Line(FormatText(row, {w.T(142, 7), n.PermanentFactors[unfavourable], n.PermanentFactors[favourable], 1.0}));
    w.Line(FormatText(row, {w.T(142, 8), n.SnowFactors[unfavourable], n.SnowFactors[favourable], n.SnowPsi[0]}));
    w.Line(FormatText(row, {w.T(142, 9), n.ImposedFactors[unfavourable], n.ImposedFactors[favourable],
                            ImposedPsi0(p)}));
    w.Line(FormatText(row, {w.T(142, 10), n.WindFactors[unfavourable], n.WindFactors[favourable], n.WindPsi[0]}));
}

}  // namespace

void WriteLoads(const KAIKKI_data* project, RichTextTarget* target)
{
    if (!project || !target) return;
    const KAIKKI_data& p = *project;
    const KuormaVektori& loads = p.Loads;
    SectionWriter w(*target, p.Texts, kReportTexts, {130, 260, 400, 450, 500, 550, 600});

    // The ultimate factors the combinations use: those of structure class 1 for a secondary
    // structure under standard 0, else those of class 0.
    const int s = 2 * EffectiveStructureClass(p);
    const std::string header = w.T(142, 3) + FormatText("\t%s", {w.T(142, 4)}) +
                               FormatText("\t%s", {w.T(142, 5)}) + FormatText("\t%s\t ", {w.T(142, 6)});
    w.Bold(w.T(141, 1));
    w.Blank();
    w.Bold(w.T(142, 1));
    w.Blank();
    w.Bold(w.T(142, 2));
    w.Underlined(header);
    WriteFactorRows(w, p, s + 1, s);
    w.Blank();
    w.Bold(w.T(142, 11));
    w.Underlined(header);
    WriteFactorRows(w, p, 5, 4);

    const double slope = p.RoofSlope * 3.141592653589793 / 180.0;
    const double cosine = std::cos(slope);
    const double total = p.Spans.TotalLength();
    for (int k = 0; k < kKinds; ++k) {
        if (!KindHasLoads(loads, k)) continue;
        w.Blank();
        if (k <= 2)
            w.Bold(w.T(143, k + 1));
        else
            w.Bold(FormatText("%s %d:", {w.T(143, 4), k - 2}));
        w.Underlined(w.T(143, 5) + FormatText("\t%s", {w.T(143, 6)}) + FormatText("\t%s\t ", {w.T(143, 7)}));

        // The loads as the sheet receives them, with the calculation's slope factors.
        const LoadSlopeFactors slope = SlopeFactorsOf(k, cosine);
        const double surfaceFactor = slope.surface;
        const double pointFactor = slope.point;
        const double q = BasicValue(loads, k);
        if (q != 0.0) {
            std::string line = w.T(143, 8) + FormatText("\t%s", {w.T(143, 9)}) +
                               FormatText("\tQ = %.2f kN/m2", {q * surfaceFactor});
            if (k == 1) line += FormatText(" (%s %.2f)", {w.T(144, 1), loads.SnowShapeFactor});
            w.Line(line);
        }
        for (int i = 0; i < loads.Count(); ++i) {
            if (loads.Int(i, KuormaVektori::kKind) != k) continue;
            const double x = loads.StartPosition(i, p.Spans);
            const double end = x + loads.Real(i, KuormaVektori::kLength);
            const double value1 = loads.Real(i, KuormaVektori::kValue1);
            const double value2 = loads.Real(i, KuormaVektori::kValue2);
            if (loads.Int(i, KuormaVektori::kType) == 1) {
                // A point load is a force in kN.
                w.Line(w.T(143, 12) + FormatText("\tx = %.0f mm", {x}) +
                       FormatText("\tF = %.2f kN", {value1 * pointFactor}));
                continue;
            }
            std::string line = w.T(143, 10);
            if (x <= 0.0 && end >= total)
                line += FormatText("\t%s", {w.T(143, 11)});
            else
                line += FormatText("\tx = %.0f mm - %.0f mm", {x, end});
            if (value1 == value2)
                line += FormatText("\tQ = %.2f kN/m2", {value1 * surfaceFactor});
            else
                line += FormatText("\tQ1 = %.2f kN/m2, Q2 =%.2f kN/m2",
                                   {value1 * surfaceFactor, value2 * surfaceFactor});
            w.Line(line);
        }
    }

    w.Blank();
    if (KindHasLoads(loads, 1))
        w.Line(FormatText("%s = %.0f %%", {w.T(144, 2), loads.SnowAlternateReduction}));
    if (KindHasLoads(loads, 2)) {
        w.Line(FormatText("%s = %.0f %%", {w.T(144, 3), loads.ImposedAlternateReduction}));
        if (p.StandardIndex == 1)
            w.Line(FormatText("%s = %s", {w.T(144, 4), CategoryLetter(loads.ImposedCategory)}));
    }
    w.Line(w.T(143, 13));
    w.Blank();
}

}  // namespace kirvos
