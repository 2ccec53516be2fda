// Support checks per ultimate combination and span checks on the envelopes.
#include "design/sheet_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "design/connection_checks.h"
#include "design/diaphragm_checks.h"
#include "design/sheet_properties.h"
#include "project/project_model.h"

namespace kirvos {

namespace {

constexpr double kSamePlace = 0.01;  // mm: member ends and supports are sums of the same lengths
constexpr char kSupportLetters[] = "ABCDEFGHIJKLMNOPQRSTUVXYZ";

// Forces of one sheet part at one member-end position in one combination.
struct EndPlace {
    double x = 0.0;
    double shearRight = 0.0;  // V+: sum of start shears of the members starting here, N/m
    double shearLeft = 0.0;   // V-: sum of end shears of the members ending here, N/m
    double moment = 0.0;      // moment of the last end force here, N*mm/m
    double Reaction() const { return shearRight - shearLeft; }
};

struct PartEnds {
    int number = 0;
    std::vector<EndPlace> places;

    EndPlace& At(double x) {
        for (EndPlace& p : places) {
            if (std::fabs(p.x - x) < kSamePlace) return p;
        }
        places.push_back(EndPlace{x});
        return places.back();
    }
    const EndPlace* Find(double x) const {
        for (const EndPlace& p : places) {
            if (std::fabs(p.x - x) < kSamePlace) return &p;
        }
        return nullptr;
    }
};

// The end forces hold two records per member, its first and last sample point:
// reals (x, moment, 0, shear, 0). The shear at a member's end enters as V-, at its start as V+.
std::vector<PartEnds> CollectEnds(const VerhoKayratVektori& endForces) {
    std::vector<PartEnds> parts;
    for (int i = 0; i + 1 < endForces.Count(); i += 2) {
        const int number = endForces.Int(i, 1);
        if (number <= 0) continue;
        if (parts.empty() || parts.back().number != number) parts.push_back(PartEnds{number, {}});
        PartEnds& part = parts.back();
        EndPlace& start = part.At(endForces.Real(i, 0));
        start.shearRight += endForces.Real(i, 3);
        start.moment = endForces.Real(i, 1) + endForces.Real(i, 2);
        EndPlace& end = part.At(endForces.Real(i + 1, 0));
        end.shearLeft += endForces.Real(i + 1, 3);
        end.moment = endForces.Real(i + 1, 1) + endForces.Real(i + 1, 2);
    }
    return parts;
}

// Model reaction of every support in the combination (transverse component, N/m; upward positive).
std::vector<double> ModelReactions(const KAIKKI_data& model, int combination, int supports) {
    std::vector<double> reactions(static_cast<std::size_t>(supports), 0.0);
    if (combination < 0 || combination >= model.UltimateCombinations.Count()) return reactions;
    const DOFlukuparivektori& factors = model.UltimateCombinations.Map(combination);
    const DOFlukuvektori& cases = model.UltimateModel.Loads.LoadCases();
    double r[6];
    for (int c = 0; c < cases.Count(); ++c) {
        const int lc = static_cast<int>(std::lround(cases[c]));
        double factor = 0.0;
        if (!factors.Find(lc, factor) || factor == 0.0) continue;
        for (int j = 0; j < supports; ++j) {
            model.UltimateModel.SupportReaction(j + 1, lc, r);
            reactions[static_cast<std::size_t>(j)] += factor * r[1];
        }
    }
    return reactions;
}

void Store(KAIKKI_data& model, int part, int kind, int span, double x, double use, double a, double b,
           double c = 0.0) {
    const double reals[7] = {x, use, a, b, c, 0.0, 0.0};
    const int integers[5] = {part, kind, span, 0, 0};
    model.DesignResults.StoreMax(reals, integers);
}

// |a / b| when b > 0, else 0 (a missing resistance leaves its ratio out).
double Ratio(double a, double b) { return b > 0.0 ? std::fabs(a / b) : 0.0; }

void SupportChecks(KAIKKI_data& model, int partIndex, int number, int j, double x, const EndPlace& place,
                   double correction, double modelReaction) {
    const PiirtoOsatVektori& parts = model.SheetParts;
    const double t = Thickness(model, partIndex);
    const double R = place.Reaction() + correction;
    const double V = std::max(std::fabs(place.shearRight), std::fabs(place.shearLeft));
    const double M = place.moment;
    const double start = parts.Real(partIndex, PiirtoOsatVektori::kStart);
    const double end = parts.Real(partIndex, PiirtoOsatVektori::kEnd);
    const double ss = model.Supports.Real(j, 0);
    SupportData support;
    support.width = ss;
    support.overhang = std::min(std::fabs(x - start), std::fabs(end - x)) - ss / 2.0;
    support.doubled = model.Supports.Int(j, 0) == 1;

    const double Mr = SheetResistance(model, partIndex, M < 0.0 ? 2 : 1, &support) * 1e6;
    const double Rr = SheetResistance(model, partIndex, 4, &support) * 1e3;
    const double Vr = SheetResistance(model, partIndex, 5, &support) * 1e3;
    const bool hasM = Mr > 0.0, hasR = Rr > 0.0, hasV = Vr > 0.0;

    if (model.StandardIndex == 0) {
        // The support reaction spread over the bearing width lowers the peak support moment.
        const double e = std::min({ss, 500.0 * t, 300.0});
        double reduced = std::max(std::fabs(M) - std::fabs(R) * e / 4.0, 0.0);
        if (M < 0.0) reduced = -reduced;
        const double rm = Ratio(reduced, Mr), rr = Ratio(R, Rr), rv = Ratio(V, Vr);
        Store(model, number, kSupportMoment, 0, x, rm * 100.0, reduced, Mr);
        Store(model, number, kSupportReaction, 0, x, rr * 100.0, R, Rr);
        Store(model, number, kMomentReaction, 0, x, hasM && hasR ? 100.0 / 1.3 * (rm + rr) : 0.0, rm + rr, reduced,
              R);
        Store(model, number, kMomentShear, 0, x, hasM && hasV ? 100.0 / 1.3 * (rm + rv) : 0.0, rm + rv, reduced, V);
    } else {
        const double rm = Ratio(M, Mr), rr = Ratio(R, Rr), rv = Ratio(V, Vr);
        Store(model, number, kSupportReaction, 0, x, rr * 100.0, R, Rr);
        support.ratio = rm * 100.0;
        const double limit = SheetResistance(model, partIndex, 6, &support);
        Store(model, number, kMomentReaction, 0, x, hasM && hasR && limit > 0.0 ? (rm + rr) * 100.0 / limit : 0.0,
              rm + rr, M, R);
        const double sum = rm * rm + rv * rv;
        // Shear below half the resistance does not reduce the moment resistance.
        Store(model, number, kMomentShear, 0, x, hasM && hasV && rv >= 0.5 ? sum * 100.0 : 0.0, sum, M, V);
    }

    // Fasteners to the support: the whole support's reaction, or the part's own uplift where one
    // sheet lifts off a support that presses down as a whole.
    double reals[7] = {x, 0, 0, 0, 0, 0, 0};
    int integers[5] = {0, 0, j, 0, 0};
    const double F0 = model.DiaphragmOn == 1 ? DiaphragmForce(model, x, kDiaphragmSupport, 3) : 0.0;
    const double F1 = (R < 0.0 && modelReaction > 0.0) ? R : modelReaction;
    CheckConnection(model, F0, F1, 0.0, reals, kSupportPlace, 0, partIndex, integers);
}

}  // namespace

void CheckCombination(KAIKKI_data& model, int combination, const VerhoKayratVektori& endForces) {
    const int supports = model.Spans.SupportCount();
    std::vector<double> supportX(static_cast<std::size_t>(supports));
    for (int j = 0; j < supports; ++j) supportX[static_cast<std::size_t>(j)] = model.Spans.SupportPosition(j);
    const std::vector<double> reactions = ModelReactions(model, combination, supports);
    const std::vector<PartEnds> parts = CollectEnds(endForces);

    // What the member ends give per support may differ from the model reaction (couplings, pieces):
    // the difference is shared equally by the parts that end or pass there.
    std::vector<double> correction(static_cast<std::size_t>(supports), 0.0);
    for (int j = 0; j < supports; ++j) {
        double sum = 0.0;
        int count = 0;
        for (const PartEnds& part : parts) {
            if (const EndPlace* p = part.Find(supportX[static_cast<std::size_t>(j)])) {
                sum += p->Reaction();
                ++count;
            }
        }
        if (count > 0 && sum != reactions[static_cast<std::size_t>(j)])
            correction[static_cast<std::size_t>(j)] = (reactions[static_cast<std::size_t>(j)] - sum) / count;
    }

    for (const PartEnds& part : parts) {
        const int index = SheetPartIndex(model.SheetParts, part.number);
        if (index < 0) continue;
        for (int j = 0; j < supports; ++j) {
            const double x = supportX[static_cast<std::size_t>(j)];
            if (const EndPlace* p = part.Find(x))
                SupportChecks(model, index, part.number, j, x, *p, correction[static_cast<std::size_t>(j)],
                              reactions[static_cast<std::size_t>(j)]);
        }
    }

    // Joints: member ends away from the supports, in ascending x, each once.
    std::vector<double> joints;
    for (const PartEnds& part : parts) {
        for (const EndPlace& p : part.places) {
            if (SupportAt(model, p.x) >= 0) continue;
            const bool known = std::any_of(joints.begin(), joints.end(),
                                           [&](double x) { return std::fabs(x - p.x) < kSamePlace; });
            if (!known) joints.push_back(p.x);
        }
    }
    std::sort(joints.begin(), joints.end());
    for (double x : joints) {
        const double F0 = model.DiaphragmOn == 1 ? DiaphragmForce(model, x, kDiaphragmJoint, 3) : 0.0;
        const double F2 = TotalThickness(model, x);
        for (const PartEnds& part : parts) {
            const EndPlace* p = part.Find(x);
            const int index = SheetPartIndex(model.SheetParts, part.number);
            if (!p || index < 0) continue;
            double reals[7] = {x, 0, 0, 0, 0, 0, 0};
            int integers[5] = {0, 0, 0, 0, 0};
            CheckConnection(model, F0, p->Reaction(), F2, reals, kJointPlace, 0, index, integers);
        }
    }

    // Side laps: the neighbouring sheet is a sheet of the same part, so it is as thick as this one
    // (F2 = 0 makes the second plate the sheet's own thickness).
    const double total = model.Spans.TotalLength();
    for (const PartEnds& part : parts) {
        const int index = SheetPartIndex(model.SheetParts, part.number);
        if (index < 0) continue;
        const double start = model.SheetParts.Real(index, PiirtoOsatVektori::kStart);
        const double end = model.SheetParts.Real(index, PiirtoOsatVektori::kEnd);
        // The seam's shear is that of the part's end nearer to an end of the structure.
        const double xForce = total - end < start ? end : start;
        const double F0 = model.DiaphragmOn == 1 ? DiaphragmForce(model, xForce, kDiaphragmSeam, 3) : 0.0;
        double reals[7] = {(start + end) / 2.0, 0, 0, 0, 0, 0, 0};
        int integers[5] = {0, 0, part.number, 0, 0};
        CheckConnection(model, F0, 0.0, 0.0, reals, kSeamPlace, 0, index, integers);
    }
}

namespace {

void EnvelopeChecks(KAIKKI_data& model) {
    const VerhoKayratVektori& env = model.UltimateEnvelope;
    for (int r = 0; r < env.Count(); ++r) {
        const int number = env.Int(r, 1);
        const int index = SheetPartIndex(model.SheetParts, number);
        if (index < 0) continue;
        const double x = env.Real(r, 0);
        const double Mmin = env.Real(r, 1), Mmax = env.Real(r, 2);
        const double V = std::fabs(env.Real(r, 3)) >= std::fabs(env.Real(r, 4)) ? env.Real(r, 3) : env.Real(r, 4);
        const bool atSupport = SupportAt(model, x) >= 0;
        const int span = atSupport ? 0 : model.Spans.SpanIndexAt(x);
        const double MrPos = SheetResistance(model, index, 1, nullptr) * 1e6;
        const double MrNeg = SheetResistance(model, index, 2, nullptr) * 1e6;
        const double Vr = SheetResistance(model, index, 5, nullptr) * 1e3;
        // Standard 0 checks the support moment per combination, reduced by the reaction.
        const bool moments = !atSupport || model.StandardIndex != 0;
        const int momentKind = atSupport ? kSupportMoment : kSpanMoment;
        if (moments && MrPos != 0.0 && Mmax >= 0.0)
            Store(model, number, momentKind, span, x, std::fabs(Mmax / MrPos) * 100.0, Mmax, MrPos);
        if (moments && MrNeg != 0.0 && Mmin < 0.0)
            Store(model, number, momentKind, span, x, std::fabs(Mmin / MrNeg) * 100.0, Mmin, MrNeg);
        if (Vr != 0.0)
            Store(model, number, atSupport ? kSupportShear : kSpanShear, span, x, std::fabs(V / Vr) * 100.0, V, Vr);
    }
}

void DeflectionChecks(KAIKKI_data& model) {
    const VerhoKayratVektori& env = model.ServiceEnvelope;
    const int last = model.Spans.Count() - 1;
    for (int r = 0; r < env.Count(); ++r) {
        const double x = env.Real(r, 0);
        if (SupportAt(model, x) >= 0) continue;
        const double d = std::fabs(env.Real(r, 1)) >= std::fabs(env.Real(r, 2)) ? env.Real(r, 1) : env.Real(r, 2);
        const int span = model.Spans.SpanIndexAt(x);
        const double L = model.Spans.SpanLengthAt(x);
        const bool cantilever = span == 0 || span == last;
        const double f = DeflectionLimit(model, L, cantilever);
        if (f == 0.0) continue;
        // Small cantilever tip deflections are not assessed.
        const double use = cantilever && std::fabs(d) < model.CantileverDeflectionThreshold ? 0.0
                                                                                            : std::fabs(d / f) * 100.0;
        Store(model, env.Int(r, 1), kDeflection, span, x, use, d, f);
    }
}

// Text (602, n) of a check kind; 0 for a kind without a name.
int CheckNameLine(int kind) {
    if (kind >= 1 && kind <= 5) return kind;
    if (kind >= 11 && kind <= 13) return kind - 5;
    if (kind >= 21 && kind <= 24) return kind - 12;
    return 0;
}

std::string CheckDescription(const KAIKKI_data& model, int result) {
    const MitoitusTulosVektori& results = model.DesignResults;
    const int kind = results.Int(result, 1);
    std::string text = model.Texts.Text(602, CheckNameLine(kind));
    char location[160] = "";
    if (kind < 10) {
        const int j = SupportAt(model, results.Real(result, 0)) + 1;
        if (j >= 1 && j < 50 && j <= 25)
            std::snprintf(location, sizeof location, " (%s %.1s)", model.Texts.Text(603, 1), kSupportLetters + j - 1);
    } else if (kind < 20) {
        const int span = results.Int(result, 2);
        if (span == model.Spans.Count() - 1)
            std::snprintf(location, sizeof location, " (%s)", model.Texts.Text(603, 2));
        else if (span == 0)
            std::snprintf(location, sizeof location, " (%s)", model.Texts.Text(603, 3));
        else
            std::snprintf(location, sizeof location, " (%s %d)", model.Texts.Text(603, 4), span);
    }
    return text + location;
}

void PartSummaries(KAIKKI_data& model) {
    PiirtoOsatVektori& parts = model.SheetParts;
    const MitoitusTulosVektori& results = model.DesignResults;
    for (int i = 0; i < parts.Count(); ++i) {
        if (!parts.IsPart(i)) continue;
        const int number = parts.Int(i, PiirtoOsatVektori::kNumber);
        double span = 0.0, support = 0.0, deflection = 0.0, diaphragm = 0.0, overall = 0.0;
        std::string description = " ";
        for (int r = 0; r < results.Count(); ++r) {
            if (results.Int(r, 0) != number) continue;
            const int kind = results.Int(r, 1);
            const double use = results.Real(r, 1);
            if (kind >= 12 && kind <= 20) span = std::max(span, use);
            else if (kind >= 1 && kind <= 10) support = std::max(support, use);
            else if (kind == 11) deflection = std::max(deflection, use);
            else if (kind > 20) diaphragm = std::max(diaphragm, use);
            if (use > overall) {
                overall = use;
                description = CheckDescription(model, r);
            }
        }
        parts.SetText(i, PiirtoOsatVektori::kCheckName, description);
        parts.SetReal(i, PiirtoOsatVektori::kSpanUse, span);
        parts.SetReal(i, PiirtoOsatVektori::kSupportUse, support);
        parts.SetReal(i, PiirtoOsatVektori::kDeflectionUse, deflection);
        parts.SetReal(i, PiirtoOsatVektori::kDiaphragmUse, diaphragm);
        parts.SetReal(i, PiirtoOsatVektori::kOverallUse, overall);
    }
}

}  // namespace

int CheckSpans(KAIKKI_data& model) {
    EnvelopeChecks(model);
    DeflectionChecks(model);
    if (model.DiaphragmOn == 1) CheckDiaphragm(model);
    PartSummaries(model);
    for (int r = 0; r < model.DesignResults.Count(); ++r) {
        if (model.DesignResults.Real(r, 1) > 100.0) return 0;
    }
    return 1;
}

}  // namespace kirvos
