// Fastener checks at supports, joints and side laps.
#include "design/connection_checks.h"

#include <algorithm>
#include <cmath>

#include "design/sheet_properties.h"
#include "project/project_model.h"

namespace kirvos {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDefaultStrength = 235.0;  // N/mm2, sheet or support steel without data
constexpr int kMaxPerRib = 6;
constexpr double kMaxPerSeam = 20.0;

bool IsNail(const FastenerData& f) { return f.fastenerClass == 5; }

// Bearing of the sheet for screws and rivets. The expression for a second plate as thick as the
// sheet grows with t^1.5 (2.6 t sqrt(t d) fs); a thinner second plate governs in its place.
// From a second plate of 2.5 t upward the sheet's own bearing 1.6 t d fs holds; between the two
// the value is interpolated linearly.
double ScrewBearing(const FastenerData& f, double t, double fs, double t2) {
    const double tb = std::min(t, t2);
    double b1 = 2.6 * tb * std::sqrt(tb * f.d) * fs;
    double b2 = 1.6 * tb * f.d * fs;
    b1 = std::min(b1, b2);
    if (t > t2) {
        b1 *= 0.6;
        b2 *= 0.6;
    } else if (f.material == 2) {
        b1 *= 0.8;
        b2 *= 0.8;
    }
    if (0.4 * t2 >= t) return b2;
    if (t >= t2) return b1;
    return b1 + (2.0 / 3.0) * (t2 / t - 1.0) * (b2 - b1);
}

}  // namespace

FastenerResistances ComputeFastenerResistances(const FastenerData& f, int type, double gammaF, double t,
                                               double fs, double t2, double f2) {
    FastenerResistances r;
    const double Ftk = f.Ftk > 0.0 ? f.Ftk : 1.2 * f.Fvk;
    if (IsNail(f)) {
        r.Fv = f.Fvk * 1000.0 / gammaF;
        r.Fb = 2.5 * t * f.d * fs;
    } else {
        r.Fv = 0.8 * f.Fvk * 1000.0 / gammaF;
        if (f.material == 2) r.Fv *= 0.8;
        r.Fb = ScrewBearing(f, t, fs, t2);
    }
    if (type == kSupportPlace || type == kJointPlace) {
        if (f.fastenerClass == 1) r.Fo = 1.5 * t2 * std::sqrt(t2 * f.d) * f2;
        else if (IsNail(f)) r.Fo = (type == kSupportPlace ? 0.65 : 1.0) * Ftk * 1000.0 / gammaF;
        else r.Fo = 0.5 * t2 * f.d * f2;
        // 12 mm: the washer diameter under the head.
        r.Fp = f.fastenerClass == 4 ? 5.0 * t * fs : 12.0 * t * fs * 0.6;
    }
    r.Ft = Ftk * 1000.0 / gammaF;
    return r;
}

namespace {

// n is the count the check's forces need; it stands even when the ductility rule's utilisation
// stays the higher one, so a place flagged for ductility still shows how many fasteners it needs.
struct Outcome {
    double n = 1.0;
    double use = 0.0;
    int check = -1;

    void Offer(double u, int c) {
        if (u > use) {
            use = u;
            check = c;
        }
    }
};

// Fasteners per rib for effect E on resistance R with n0 fasteners per metre (E / R per metre,
// rounded up, at most 6). R must be above 0.
double PerRib(double E, double R, double n0) {
    const double a = E / R;
    if (a / n0 <= 1.0) return 1.0;
    return std::min(std::ceil(a / n0), static_cast<double>(kMaxPerRib));
}

void StoreResult(KAIKKI_data& model, double* reals, int* integers, int type, const Outcome& o,
                 const FastenerResistances& r) {
    integers[0] = type;
    integers[1] = o.check;
    reals[1] = o.n;
    reals[2] = o.use;
    if (type == kSeamPlace) {
        reals[3] = reals[4] = reals[5] = reals[6] = 0.0;
    } else {
        reals[3] = r.Fv;
        reals[4] = r.Fb;
        reals[5] = r.Fo;
        reals[6] = r.Fp;
    }
    model.ConnectionResults.StoreMax(reals, integers);
}

// The checks of one place all go to the same result record, which keeps the outcome with the most
// fasteners and then the highest utilisation (the order of LiitosTulosVektori::StoreMax). Offering
// them in turn here and storing the first that no later one beats leaves the same record as storing
// each in turn.
struct Governing {
    Outcome best;
    bool any = false;

    void Offer(const Outcome& o) {
        if (o.check < 0) return;
        if (!any || o.n > best.n || (o.n == best.n && o.use > best.use)) best = o;
        any = true;
    }
};

// Ductility: the sheet must yield in bearing before the fastener shears off. Percent, or 0 when
// the rule does not apply.
double DuctilityUse(const FastenerData& f, int type, const FastenerResistances& r) {
    if (r.Fv <= 0.0) return 0.0;
    if (IsNail(f) && type == kSupportPlace) return 1.25 * r.Fb / r.Fv * 100.0;
    if (IsNail(f) && type == kJointPlace) return 0.0;
    return 1.2 * r.Fb / r.Fv * 100.0;
}

void RibPlaceChecks(KAIKKI_data& model, const FastenerData& f, const FastenerResistances& r, int type, double S,
                    double T, double n0, double* reals, int* integers) {
    const double q = DuctilityUse(f, type, r);
    Governing governing;
    for (int check = 0; check <= 9; ++check) {
        Outcome o;
        if (q > 100.0) o.Offer(q, kDuctility);
        auto single = [&](double E, double R, int c) {
            if (R <= 0.0) return;
            o.n = PerRib(E, R, n0);
            o.Offer(E / (o.n * n0 * R) * 100.0, c);
        };
        switch (check) {
            case 0:
                if (o.check < 0) o.check = kNothingExceeded;
                break;
            case 1: single(S, r.Fv, kFastenerShear); break;
            case 2: single(S, r.Fb, kSheetBearing); break;
            case 5: single(T, r.Fo, kPullOut); break;
            case 6: single(T, r.Ft, kFastenerTension); break;
            case 7:
                if (r.Fp > 0.0) {
                    // One fastener per rib keeps more of the sheet's pull-through capacity.
                    double n = PerRib(T, 0.9 * r.Fp, n0);
                    if (n > 1.0) n = std::max(n, PerRib(T, 0.7 * r.Fp, n0));
                    o.n = n;
                    o.Offer(T / (n * n0 * (n > 1.0 ? 0.7 : 0.9) * r.Fp) * 100.0, kPullThrough);
                }
                break;
            case 8: {
                const bool fastener = r.Ft > 0.0 && r.Fv > 0.0;
                const bool sheet = r.Fb > 0.0 && r.Fp > 0.0;
                if (!fastener && !sheet) break;
                for (int n = 1; n <= kMaxPerRib; ++n) {
                    const double m = n * n0;
                    const double c = n == 1 ? 0.9 : 0.7;
                    const double ua =
                        fastener ? (std::pow(T / (m * r.Ft), 2) + std::pow(S / (m * r.Fv), 2)) * 100.0 : 0.0;
                    const double ub =
                        sheet ? (std::pow(T / (m * c * r.Fp), 2) + std::pow(S / (m * r.Fb), 2)) * 100.0 : 0.0;
                    if ((ua <= 100.0 && ub <= 100.0) || n == kMaxPerRib) {
                        o.n = n;
                        o.Offer(std::max(ua, ub), kShearAndTension);
                        break;
                    }
                }
                break;
            }
            default: break;
        }
        governing.Offer(o);
    }
    if (governing.any) StoreResult(model, reals, integers, type, governing.best, r);
}

void SeamChecks(KAIKKI_data& model, const FastenerResistances& r, double S, double* reals, int* integers) {
    const double q = r.Fv > 0.0 ? 1.2 * r.Fb / r.Fv * 100.0 : 0.0;
    // Fewest fasteners along the side lap of one part.
    const double least = model.DiaphragmOn == 1 ? 2.5 : 2.0;
    Governing governing;
    for (int check = 0; check <= 2; ++check) {
        Outcome o;
        o.n = least;
        if (q > 100.0) o.Offer(q, kDuctility);
        auto along = [&](double R, int c) {
            if (R <= 0.0) return;
            o.n = std::min(std::max(least, S / R), kMaxPerSeam);
            o.Offer(S / (o.n * R) * 100.0, c);
        };
        if (check == 0 && o.check < 0) o.check = kNothingExceeded;
        if (check == 1) along(r.Fv, kFastenerShear);
        if (check == 2) along(r.Fb, kSheetBearing);
        governing.Offer(o);
    }
    if (governing.any) StoreResult(model, reals, integers, kSeamPlace, governing.best, r);
}

}  // namespace

ConnectionPlace PrepareConnection(const KAIKKI_data& model, double F2, int type, int partIndex) {
    ConnectionPlace place;
    const KiinnikeVektori& fasteners = model.Fasteners;
    const int chosen = type == kSupportPlace ? fasteners.SupportFastener
                       : type == kJointPlace ? fasteners.JointFastener
                       : type == kSeamPlace  ? fasteners.SeamFastener
                                             : -1;
    if (chosen < 0 || chosen >= fasteners.Count()) return place;
    place.valid = true;
    place.type = type;
    FastenerData& f = place.fastener;
    f.fastenerClass = fasteners.Int(chosen, 1);
    f.material = fasteners.Int(chosen, 3);
    f.d = fasteners.Real(chosen, 2);
    f.Fvk = fasteners.Real(chosen, 6);
    f.Ftk = fasteners.Real(chosen, 7);

    const NormiVektori& st = model.Standards;
    const double gamma1 = std::max(st.FactorGrid[0][0], st.FactorGrid[0][1]);
    const ProfiiliArvot* data = SelectedProfileData(model);
    const double pitch = ProfileValue(data, 2, 3);
    double t = 0.0, fs = kDefaultStrength / gamma1, phi = 90.0, ribs = 1.0;
    if (data) {
        const int m = ThicknessLine(model.SheetParts, partIndex);
        t = ProfileValue(data, 12, m);
        fs = ProfileValue(data, 13, m) / gamma1;
        phi = ProfileValue(data, 2, 5);
        if (pitch > 0.0) ribs = 1000.0 / pitch;
    }

    double t2 = 0.0, f2 = fs;
    if (type == kSupportPlace) {
        const LujuusluokkaVektori& grades = model.SteelGrades;
        t2 = grades.SupportThickness;
        f2 = kDefaultStrength / gamma1;
        const int g = grades.SelectedGrade;
        if (g >= 0 && g < grades.Count()) {
            const int kind = grades.Int(g, 0);
            const int row = kind == 2 ? 1 : kind == 3 ? 2 : 0;
            f2 = grades.Real(g, 0) / std::max(st.FactorGrid[row][0], st.FactorGrid[row][1]);
        }
    } else {
        t2 = F2 - t;
        if (t2 <= 0.0) t2 = t;
    }
    place.resistances = ComputeFastenerResistances(f, type, st.SingleFactor1, t, fs, t2, f2);

    if (type == kSupportPlace) {
        if (data) place.n0 = model.Fasteners.FasteningPattern() == 1 ? ribs / 2.0 : ribs;
    } else if (type == kJointPlace) {
        place.cosPhi = std::cos(phi * kPi / 180.0);
        place.sinPhi = std::sin(phi * kPi / 180.0);
        place.forMaximum = model.DiaphragmParameters.RoundedValue(3) == 1;
        if (data) place.n0 = 2.0 * ribs;
    }
    return place;
}

void CheckConnection(KAIKKI_data& model, const ConnectionPlace& place, double F0, double F1, double* reals,
                     int* integers) {
    if (!place.valid) return;
    const int type = place.type;
    if (type == kSeamPlace) {
        SeamChecks(model, place.resistances, std::fabs(F0), reals, integers);
        return;
    }
    double S = 0.0, T = 0.0;
    if (type == kSupportPlace) {
        S = std::fabs(F0);
        T = F1 < 0.0 ? std::fabs(F1) : 0.0;
    } else {
        // The joint fasteners sit in the webs: the transverse force splits along and across them.
        const double c = place.cosPhi, s = place.sinPhi;
        T = std::fabs(c * F1);
        S = std::fabs(s * F1) + (place.forMaximum ? std::fabs(F0) : std::fabs(c * F0));
    }
    RibPlaceChecks(model, place.fastener, place.resistances, type, S, T, place.n0, reals, integers);
}

void CheckConnection(KAIKKI_data& model, double F0, double F1, double F2, double* reals, int type, int selector,
                     int partIndex, int* integers) {
    (void)selector;  // every caller runs all checks
    CheckConnection(model, PrepareConnection(model, F2, type, partIndex), F0, F1, reals, integers);
}

}  // namespace kirvos
