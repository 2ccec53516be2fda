// Design resistances of a sheet part from the selected profile's value table.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "design/diaphragm_checks.h"
#include "design/sheet_checks.h"
#include "design/sheet_properties.h"
#include "project/project_model.h"
#include "records/field_parsing.h"

namespace kirvos {

namespace {

// Profile value groups (line m = thickness line).
constexpr int kGeneral = 2;          // line 2 covering width, 3 rib pitch, 4 height h (mm)
constexpr int kCoreThickness = 12;   // mm
constexpr int kMomentPositive = 41;  // kNm/m
constexpr int kMomentNegative = 42;  // kNm/m
constexpr int kBearingLength = 51;   // mm, bearing length of the tabulated support values
constexpr int kIntermediate = 52;    // kN/m
constexpr int kEndSupport = 53;      // kN/m
constexpr int kShear = 61;           // kN/m
constexpr int kLimit = 71;           // interaction limit
constexpr int kLimitTable = 81;      // interpolation table of the limit

constexpr double kDefaultLimit = 1.25;
constexpr double kLongestBearing = 300.0;  // support widths count up to this, mm

// Bearing factor of a support width x for a sheet of thickness t (t > 0): the tabulated reaction
// belongs to the bearing length of group 51 and scales with this factor.
double BearingFactor(double x, double t) {
    const double f = x / (100.0 * t);
    if (x <= 100.0 * t) return 1.0 + f;
    if (x <= 500.0 * t) return 1.1 + f - 0.1 * f * f;
    return 3.6;
}

// Web crippling scale of a bearing length l for a sheet of thickness t (t > 0).
double CripplingFactor(double l, double t) { return 0.5 + std::sqrt(0.02 * l / t); }

double SupportResistance(const KAIKKI_data& model, const ProfiiliArvot* data, int m, double s,
                         const SupportData* support) {
    double R = ProfileValue(data, kIntermediate, m);
    if (!support) return s * R;
    const double ss = std::min(support->width, kLongestBearing);
    const double t = ProfileValue(data, kCoreThickness, m);
    const double h = ProfileValue(data, kGeneral, 4);
    const double ss0 = ProfileValue(data, kBearingLength, m);
    // The sheet ends near the support: it bears as an end support.
    const bool endSupport = 1.5 * h > support->overhang;
    if (model.StandardIndex == 0 && t > 0.0) {
        R = R / BearingFactor(ss0, t) * BearingFactor(ss, t);
        if (endSupport) {
            R *= 0.5;
            if (support->doubled) s += 0.98;
        } else if (support->doubled) {
            s += 0.5;
        }
    } else if (model.StandardIndex == 1 && t > 0.0) {
        if (endSupport) {
            const double end = ProfileValue(data, kEndSupport, m);
            R = end > 0.0 ? end : 0.5 * ProfileValue(data, kIntermediate, m);
            if (support->doubled) s += 0.98;
        } else {
            R = R / CripplingFactor(ss0, t) * CripplingFactor(ss, t);
            if (support->doubled) s += 0.5;
        }
    }
    return s * R;
}

}  // namespace

double SheetResistance(const KAIKKI_data& model, int partIndex, int kind, const SupportData* support) {
    const PiirtoOsatVektori& parts = model.SheetParts;
    if (partIndex < 0 || partIndex >= parts.Count()) return 0.0;
    if (kind == 11 || kind == 12) return DiaphragmResistance(model, partIndex, kind, support ? support->spanLength : 0.0);

    const ProfiiliArvot* data = SelectedProfileData(model);
    const int m = ThicknessLine(parts, partIndex);
    const double s = DoublingMultiplier(parts.Int(partIndex, PiirtoOsatVektori::kLayers),
                                        ProfileValue(data, kGeneral, 2), ProfileValue(data, kGeneral, 3));
    const double(&gamma)[3][4] = model.Standards.FactorGrid;
    switch (kind) {
        case 1: return ProfileValue(data, kMomentPositive, m) * s / gamma[0][0];
        case 2: return ProfileValue(data, kMomentNegative, m) * s / gamma[0][0];
        case 4: return SupportResistance(model, data, m, s, support) / gamma[0][1];
        case 5: return ProfileValue(data, kShear, m) * s / gamma[0][0];
        case 6: return PrepareInteractionLimit(data, m).At(support);
        default: return 0.0;
    }
}

InteractionLimit PrepareInteractionLimit(const ProfiiliArvot* data, int line) {
    InteractionLimit limit;
    if (data && data->HasGroup(kLimit)) limit.fixed = ProfileValue(data, kLimit, line);
    if (data && data->HasGroup(kLimitTable)) {
        limit.hasTable = true;
        std::string text;
        data->Line(kLimitTable, line, text);
        ReadLimitTable(text, limit.table);
    }
    return limit;
}

double InteractionLimit::At(const SupportData* support) const {
    return support && hasTable ? InterpolateTable(support->ratio, table) : fixed;
}

void ReadLimitTable(const std::string& text, double (&values)[12]) {
    for (double& v : values) v = 0.0;
    // The profile files write a decimal point whatever locale the program runs under, so the
    // fields are not read with the C library's locale-dependent conversion.
    std::string_view rest(text);
    for (double& v : values) {
        const std::size_t cut = rest.find(';');
        if (ParseNumber(rest.substr(0, cut), v, kRealFieldMin, kRealFieldMax) != 0) break;
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + 1);
    }
}

double InterpolateTable(double x, const double (&values)[12]) {
    const double* xs = values;
    const double* ys = values + 6;
    for (int i = 0; i < 5; ++i) {
        if (xs[i] <= x && x <= xs[i + 1]) {
            // A zero-width interval holds only its own point.
            if (xs[i + 1] == xs[i]) return ys[i];
            return ys[i] + (ys[i + 1] - ys[i]) * (x - xs[i]) / (xs[i + 1] - xs[i]);
        }
    }
    return kDefaultLimit;
}

double InterpolateTable(double x, const std::string& text) {
    double values[12];
    ReadLimitTable(text, values);
    return InterpolateTable(x, values);
}

int SupportAt(const KAIKKI_data& model, double x) {
    double p = 0.0;
    for (int k = 0; k + 1 < model.Spans.Count(); ++k) {
        p += model.Spans.Real(k, 0);
        if (std::fabs(p - x) < 0.01) return k;
    }
    return -1;
}

}  // namespace kirvos
