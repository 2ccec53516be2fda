// Diaphragm action: in-plane shear flow, diaphragm resistances and checks.
#include "design/diaphragm_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "design/sheet_checks.h"
#include "design/sheet_properties.h"
#include "project/project_model.h"

namespace kirvos {

namespace {

// mm: span ends and part ends are sums of the same lengths, written to files with three decimals.
constexpr double kSamePlace = 0.01;

enum Key {
    kArrangement = 1,
    kFlangeSupported = 2,
    kForMaximum = 3,
    kWidth = 11,
    kLength = 12,
    kLoadW1 = 21,
    kLoadW2 = 22,
    kLoadFactor = 23,
    kAllowedDeflection = 31,
};

// Shear flow (N/m) of a line load w (kN/m = N/mm) spread over `along` (mm, the dimension that
// follows the sheeting) and carried to lines `across` (mm) apart; s from the first support, mm.
double EndShear(double w, double along, double across, double s) {
    if (along <= 0.0 || across <= 0.0) return 0.0;
    return std::fabs(std::fabs(w * along * (0.5 - s / along)) / (0.001 * across));
}

// Shear flow of the line load w (kN/m) along `across`, spread over `along`: N/m.
double SideShear(double w, double across, double along) {
    if (along <= 0.0) return 0.0;
    return w * 0.5 * across / (0.001 * along);
}

}  // namespace

double DiaphragmForce(KAIKKI_data& model, double x, int p, int k) {
    DOFlukuparivektori& dp = model.DiaphragmParameters;
    const double s = x - model.Spans.Real(0, 0);
    double B = dp.Value(kWidth), L = dp.Value(kLength);
    const double W1 = dp.Value(kLoadW1), W2 = dp.Value(kLoadW2), gamma = dp.Value(kLoadFactor);
    const int a = dp.RoundedValue(kArrangement);
    const bool forMaximum = dp.RoundedValue(kForMaximum) != 0;
    if (a != 1 && a != 2) return 0.0;

    // Arrangement 1: sheets along the length L, load W1 along L, W2 across. Arrangement 2: the
    // same with the roles of the two directions exchanged.
    const int own = a == 1 ? 1 : 2;     // mode of the load that runs along the sheeting
    const int other = a == 1 ? 2 : 1;
    double along, across, wAlong, wAcross;
    if (a == 1) {
        L = model.Spans.InnerLength();
        dp.Set(kLength, L);
        along = L, across = B, wAlong = W1, wAcross = W2;
    } else {
        B = model.Spans.InnerLength();
        dp.Set(kWidth, B);
        along = B, across = L, wAlong = W2, wAcross = W1;
    }
    if (p != kDiaphragmSupport && p != kDiaphragmJoint && p != kDiaphragmSeam) return 0.0;
    double u = 0.0;
    if (k == own || k == 3) u = EndShear(wAlong, along, across, s);
    const double C = SideShear(wAcross, across, along);
    if (u < C && (k == other || k == 3)) u = std::fabs(C);
    // Fastenings for the maximum load: supports and joints take at least the whole line load.
    if (p != kDiaphragmSeam && forMaximum && u < 1000.0 * wAcross && k == 3) u = std::fabs(1000.0 * wAcross);
    return gamma * u;
}

double DiaphragmResistance(const KAIKKI_data& model, int partIndex, int kind, double spanLength) {
    if (partIndex < 0 || partIndex >= model.SheetParts.Count() || spanLength <= 0.0) return 0.0;
    static constexpr double a[4] = {9.2, 9.3, 7.4, 9.8};
    static constexpr double c[4] = {190.0, 350.0, 570.0, 890.0};
    const ProfiiliArvot* data = SelectedProfileData(model);
    const double h = ProfileValue(data, 2, 4);
    const int i = h < 50.0 ? 0 : h < 70.0 ? 1 : h < 100.0 ? 2 : 3;
    const int m = ThicknessLine(model.SheetParts, partIndex);
    const double t = ProfileValue(data, 12, m);
    const double fy = ProfileValue(data, 13, m);
    double R = 0.0;
    if (kind == 11) {
        const double Ra = a[i] * t * fy / 360.0;
        const double b6 = ProfileValue(data, 2, 6) / 1000.0;
        const double b7 = ProfileValue(data, 2, 7) / 1000.0;
        const double b8 = ProfileValue(data, 2, 8) / 1000.0;
        const double hm = h / 1000.0;
        const double R52 = ProfileValue(data, 52, m);
        double Rb = 0.0;
        if (model.DiaphragmParameters.RoundedValue(kFlangeSupported) != 0) {
            if (hm > 0.0) Rb = R52 / hm;
        } else if (hm > 0.0 && b6 + 2.0 * b7 > 0.0) {
            Rb = (b6 + b8 + 2.0 * b7) * R52 / (2.0 * (b6 + 2.0 * b7) * hm);
        }
        R = std::min(Ra, Rb);
    } else if (kind == 12) {
        const double f = model.Fasteners.FasteningPattern() == 1 ? 0.5 : 1.0;
        const double Lm = spanLength / 1000.0;
        R = c[i] * t * f / (Lm * Lm) * fy / 360.0;
    }
    return R / model.Standards.FactorGrid[0][0];
}

void CheckDiaphragm(KAIKKI_data& model) {
    const DOFlukuparivektori& dp = model.DiaphragmParameters;
    const double W1 = dp.Value(kLoadW1), W2 = dp.Value(kLoadW2), allowed = dp.Value(kAllowedDeflection);
    const int n = model.Spans.Count();
    const double x0 = model.Spans.Real(0, 0);
    const double F = std::max(DiaphragmForce(model, x0, kDiaphragmSupport, 1),
                              DiaphragmForce(model, x0, kDiaphragmSupport, 2));
    // Read after the force, which sets the dimension that follows the spans.
    const double Bm = 0.001 * dp.Value(kWidth), Lm = 0.001 * dp.Value(kLength);

    const PiirtoOsatVektori& parts = model.SheetParts;
    const ProfiiliArvot* data = SelectedProfileData(model);
    double tmin = 1000.0;
    for (int p = 0; p < parts.Count(); ++p) {
        if (parts.IsPart(p) && data) tmin = std::min(tmin, ProfileValue(data, 12, ThicknessLine(parts, p)));
    }
    if (tmin <= 0.0) tmin = 0.1;

    MitoitusTulosVektori& results = model.DesignResults;
    for (int p = 0; p < parts.Count(); ++p) {
        if (!parts.IsPart(p)) continue;
        const int number = parts.Int(p, PiirtoOsatVektori::kNumber);
        double moment = 0.0, reaction = 0.0, interaction = 0.0;
        for (int r = 0; r < results.Count(); ++r) {
            if (results.Int(r, 0) != number) continue;
            const int kind = results.Int(r, 1);
            const double use = results.Real(r, 1);
            if (kind == kSupportMoment || kind == kSpanMoment) moment = std::max(moment, use);
            else if (kind == kSupportReaction) reaction = std::max(reaction, use);
            else if (kind == kMomentReaction) interaction = std::max(interaction, use);
        }
        // The bending already present in the sheet: the least of the three utilisations.
        const double m = std::min({moment, reaction, interaction});

        const double xs = parts.Real(p, PiirtoOsatVektori::kStart);
        const double xe = parts.Real(p, PiirtoOsatVektori::kEnd);
        double start = x0;
        for (int i = 1; i + 1 < n; ++i) {
            const double Ls = model.Spans.Real(i, 0);
            const double end = start + Ls;
            if (xs <= start + kSamePlace && end <= xe + kSamePlace) {
                SupportData span;
                span.spanLength = Ls;
                for (int kind : {11, 12}) {
                    const double V = SheetResistance(model, p, kind, &span) * 1000.0;
                    if (V <= 0.0) continue;
                    const double sum = F / V + 0.01 * m;
                    const double reals[7] = {end - 1.0, sum / 1.2 * 100.0, sum, F, V, 0.0, 0.0};
                    const int integers[5] = {number, kind == 11 ? kDiaphragmShearEnds : kDiaphragmShearBuckling, i,
                                             0, 0};
                    results.StoreMax(reals, integers);
                }
            }
            start = end;
        }

        // Lateral deflection of the diaphragm under the unfactored loads.
        if (Bm <= 0.0 || Lm <= 0.0 || allowed <= 0.0) continue;
        const double d = 0.25 / std::pow(tmin, 1.5);
        if (W1 != 0.0) {
            const double delta = n * Lm * Lm * d * std::fabs(W1) / (8.0 * Bm);
            const double reals[7] = {0.0, delta / allowed * 100.0, delta, allowed, 0.0, 0.0, 0.0};
            const int integers[5] = {number, kDiaphragmDeflectionW1, 0, 0, 0};
            results.StoreMax(reals, integers);
        }
        if (W2 != 0.0) {
            const double delta = n * Bm * Bm * d * std::fabs(W2) / (8.0 * Lm);
            const double reals[7] = {0.0, delta / allowed * 100.0, delta, allowed, 0.0, 0.0, 0.0};
            const int integers[5] = {number, kDiaphragmDeflectionW2, 0, 0, 0};
            results.StoreMax(reals, integers);
        }
    }
}

int DiaphragmDataError(const KAIKKI_data& model, std::string& message) {
    message.clear();
    if (model.DiaphragmOn != 1) return 0;
    const DOFlukuparivektori& dp = model.DiaphragmParameters;
    const int a = dp.RoundedValue(kArrangement);
    // The dimension along the sheeting is taken from the spans; the others are divided by.
    struct Needed {
        int key;
        int label;  // text (581, label) of the diaphragm window
        const char* fallback;
    };
    const Needed needed[] = {{kWidth, 5, "Building width B [mm]"},
                             {kLength, 6, "Building length L [mm]"},
                             {kAllowedDeflection, 10, "Allowed lateral deflection [mm]"}};
    for (const Needed& v : needed) {
        if ((a == 1 && v.key == kLength) || (a == 2 && v.key == kWidth)) continue;
        const double value = dp.Value(v.key);
        if (value > 0.0) continue;
        std::string label = model.Texts.Text(581, v.label);
        if (label.empty() || label == "NO TEXT") label = v.fallback;
        while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
        char number[32];
        const auto written = std::to_chars(number, number + sizeof number, value);
        message = "Diaphragm action: " + label + " is " + std::string(number, written.ptr) +
                  "; it must be greater than 0.";
        return -1;
    }
    return 0;
}

}  // namespace kirvos
