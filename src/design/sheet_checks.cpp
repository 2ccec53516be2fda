// Support checks per ultimate combination and span checks on the envelopes.
#include "design/sheet_checks.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "design/connection_checks.h"
#include "design/diaphragm_checks.h"
#include "design/envelopes.h"
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

// The end forces of one combination gathered per sheet part. parts keeps its storage from one
// combination to the next; the first `used` entries are filled.
struct EndCollector {
    std::vector<PartEnds> parts;
    std::size_t used = 0;
    PartEnds* current = nullptr;

    void Clear() {
        used = 0;
        current = nullptr;
    }

    // One member of the part: x (mm), moment (N*mm/m) and shear (N/m) at its start and end. The
    // shear at a member's end enters as V-, at its start as V+.
    void AddMember(int number, double x0, double m0, double v0, double x1, double m1, double v1) {
        if (number <= 0) return;
        if (!current || current->number != number) {
            if (used == parts.size()) parts.emplace_back();
            current = &parts[used++];
            current->number = number;
            current->places.clear();
        }
        EndPlace& start = current->At(x0);
        start.shearRight += v0;
        start.moment = m0;
        EndPlace& end = current->At(x1);
        end.shearLeft += v1;
        end.moment = m1;
    }

    // The end force records hold two records per member, its first and last sample point:
    // reals (x, moment, 0, shear, 0).
    void Collect(const VerhoKayratVektori& endForces) {
        Clear();
        for (int i = 0; i + 1 < endForces.Count(); i += 2) {
            AddMember(endForces.Int(i, 1), endForces.Real(i, 0), endForces.Real(i, 1) + endForces.Real(i, 2),
                      endForces.Real(i, 3), endForces.Real(i + 1, 0),
                      endForces.Real(i + 1, 1) + endForces.Real(i + 1, 2), endForces.Real(i + 1, 3));
        }
    }

    // The same straight from the combined samples: the table's member order is the record order
    // of the end forces (ascending part, then member). The moment takes the "+ 0.0" of the record's
    // empty second slot, so a moment of -0.0 enters as 0.0 there as here.
    void Collect(const SampleTable& table, const std::vector<double>& primary, const std::vector<double>& secondary) {
        Clear();
        for (int m = 0; m < table.Members(); ++m) {
            const auto s0 = static_cast<std::size_t>(table.FirstSample(m));
            const auto s1 = static_cast<std::size_t>(table.FirstSample(m) + table.SampleCount(m) - 1);
            const double v0 = secondary.empty() ? 0.0 : secondary[s0];
            const double v1 = secondary.empty() ? 0.0 : secondary[s1];
            AddMember(table.PartNumber(m), table.X(static_cast<int>(s0)), primary[s0] + 0.0, v0,
                      table.X(static_cast<int>(s1)), primary[s1] + 0.0, v1);
        }
    }
};

void Store(KAIKKI_data& model, int part, int kind, int span, double x, double use, double a, double b,
           double c = 0.0) {
    const double reals[7] = {x, use, a, b, c, 0.0, 0.0};
    const int integers[5] = {part, kind, span, 0, 0};
    model.DesignResults.StoreMax(reals, integers);
}

// |a / b| when b > 0, else 0 (a missing resistance leaves its ratio out).
double Ratio(double a, double b) { return b > 0.0 ? std::fabs(a / b) : 0.0; }

// A sheet part over one support: its bearing data and resistances (N*mm/m, N/m), the same in every
// combination.
struct SupportPlace {
    double t = 0.0;  // core thickness, mm
    SupportData support;
    double MrPositive = 0.0, MrNegative = 0.0, Rr = 0.0, Vr = 0.0;
    InteractionLimit limit;
    ConnectionPlace fastening;
};

SupportPlace PrepareSupportPlace(const KAIKKI_data& model, int partIndex, int j, double x) {
    SupportPlace place;
    const PiirtoOsatVektori& parts = model.SheetParts;
    place.t = Thickness(model, partIndex);
    const double start = parts.Real(partIndex, PiirtoOsatVektori::kStart);
    const double end = parts.Real(partIndex, PiirtoOsatVektori::kEnd);
    const double ss = model.Supports.Real(j, 0);
    SupportData& support = place.support;
    support.width = ss;
    support.overhang = std::min(std::fabs(x - start), std::fabs(end - x)) - ss / 2.0;
    support.doubled = model.Supports.Int(j, 0) == 1;
    place.MrPositive = SheetResistance(model, partIndex, 1, &support) * 1e6;
    place.MrNegative = SheetResistance(model, partIndex, 2, &support) * 1e6;
    place.Rr = SheetResistance(model, partIndex, 4, &support) * 1e3;
    place.Vr = SheetResistance(model, partIndex, 5, &support) * 1e3;
    place.limit = PrepareInteractionLimit(SelectedProfileData(model), ThicknessLine(parts, partIndex));
    place.fastening = PrepareConnection(model, 0.0, kSupportPlace, partIndex);
    return place;
}

void SupportChecks(KAIKKI_data& model, const SupportPlace& place, int number, int j, double x, const EndPlace& end,
                   double correction, double modelReaction) {
    const double t = place.t;
    const double R = end.Reaction() + correction;
    const double V = std::max(std::fabs(end.shearRight), std::fabs(end.shearLeft));
    const double M = end.moment;
    const double ss = place.support.width;

    const double Mr = M < 0.0 ? place.MrNegative : place.MrPositive;
    const double Rr = place.Rr;
    const double Vr = place.Vr;
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
        SupportData support = place.support;
        support.ratio = rm * 100.0;
        const double limit = place.limit.At(&support);
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
    CheckConnection(model, place.fastening, F0, F1, reals, integers);
}

// A joint: the plates meeting there and the fastening of each sheet part.
struct EndPosition {
    double x = 0.0;
    double plates = 0.0;                     // total thickness of the sheets over x, mm
    std::vector<ConnectionPlace> fastening;  // per sheet part index, prepared when first needed
};

}  // namespace

struct CombinationChecks::Pass {
    KAIKKI_data& model;
    int supports = 0;
    std::vector<double> supportX;
    // Load case numbers of the ultimate model and the transverse reaction (N/m) of every support in
    // each: reaction[c * supports + j].
    std::vector<int> loadCases;
    std::vector<double> reaction;
    std::vector<std::pair<int, int>> partIndex;  // (part number, index in SheetParts), sorted
    std::vector<int> supportSlot;                // [index * supports + j]: in supportPlaces, or -1
    std::vector<SupportPlace> supportPlaces;
    std::vector<EndPosition> positions;          // sorted by x
    std::vector<char> seamChecked;               // per sheet part index

    // Storage reused from one combination to the next.
    EndCollector ends;
    std::vector<PartEnds>& parts = ends.parts;
    const std::size_t& used = ends.used;
    std::vector<double> reactions, correction;

    explicit Pass(KAIKKI_data& m) : model(m) {
        supports = model.Spans.SupportCount();
        for (int j = 0; j < supports; ++j) supportX.push_back(model.Spans.SupportPosition(j));
        const DOFlukuvektori& cases = model.UltimateModel.Loads.LoadCases();
        double r[6];
        for (int c = 0; c < cases.Count(); ++c) {
            const int lc = static_cast<int>(std::lround(cases[c]));
            loadCases.push_back(lc);
            for (int j = 0; j < supports; ++j) {
                model.UltimateModel.SupportReaction(j + 1, lc, r);
                reaction.push_back(r[1]);
            }
        }
        const PiirtoOsatVektori& sheetParts = model.SheetParts;
        for (int i = 0; i < sheetParts.Count(); ++i) {
            const int number = sheetParts.Int(i, PiirtoOsatVektori::kNumber);
            // The first record of a number is the part (as SheetPartIndex finds it).
            if (number > 0 && SheetPartIndex(sheetParts, number) == i) partIndex.emplace_back(number, i);
        }
        std::sort(partIndex.begin(), partIndex.end());
        supportSlot.assign(static_cast<std::size_t>(sheetParts.Count()) * static_cast<std::size_t>(supports), -1);
        seamChecked.assign(static_cast<std::size_t>(sheetParts.Count()), 0);
    }

    int IndexOf(int number) const {
        const auto it = std::lower_bound(partIndex.begin(), partIndex.end(), std::make_pair(number, -1));
        return it != partIndex.end() && it->first == number ? it->second : -1;
    }

    const SupportPlace& SupportPlaceOf(int index, int j) {
        int& slot = supportSlot[static_cast<std::size_t>(index) * static_cast<std::size_t>(supports) +
                                static_cast<std::size_t>(j)];
        if (slot < 0) {
            slot = static_cast<int>(supportPlaces.size());
            supportPlaces.push_back(PrepareSupportPlace(model, index, j, supportX[static_cast<std::size_t>(j)]));
        }
        return supportPlaces[static_cast<std::size_t>(slot)];
    }

    EndPosition& PositionAt(double x) {
        auto it = std::lower_bound(positions.begin(), positions.end(), x,
                                   [](const EndPosition& p, double value) { return p.x < value; });
        if (it != positions.end() && it->x == x) return *it;
        EndPosition p;
        p.x = x;
        return *positions.insert(it, std::move(p));
    }

    const ConnectionPlace& JointFastening(EndPosition& position, int index) {
        if (position.fastening.empty()) {
            position.plates = TotalThickness(model, position.x);
            position.fastening.resize(static_cast<std::size_t>(model.SheetParts.Count()));
        }
        ConnectionPlace& place = position.fastening[static_cast<std::size_t>(index)];
        if (place.type == 0) {
            // The second plate is F2 - t, the sheets over x besides the part's own. The total counts
            // only sheets running through x, so where the part itself ends there (a lap joint) its
            // own sheet is added first; otherwise its thickness would be taken off the other sheet's.
            const PiirtoOsatVektori& parts = model.SheetParts;
            const bool through = parts.Real(index, PiirtoOsatVektori::kStart) < position.x &&
                                 position.x < parts.Real(index, PiirtoOsatVektori::kEnd);
            const double F2 = position.plates + (through ? 0.0 : Thickness(model, index));
            place = PrepareConnection(model, F2, kJointPlace, index);
            place.type = kJointPlace;  // prepared, also when no fastener is selected
        }
        return place;
    }

    // Model reaction of every support in the combination (transverse component, N/m; upward
    // positive): the factor-weighted sum of the load cases' reactions.
    void ModelReactions(int combination) {
        reactions.assign(static_cast<std::size_t>(supports), 0.0);
        if (combination < 0 || combination >= model.UltimateCombinations.Count()) return;
        const DOFlukuparivektori& factors = model.UltimateCombinations.Map(combination);
        for (std::size_t c = 0; c < loadCases.size(); ++c) {
            double factor = 0.0;
            if (!factors.Find(loadCases[c], factor) || factor == 0.0) continue;
            const double* r = reaction.data() + c * static_cast<std::size_t>(supports);
            for (int j = 0; j < supports; ++j) reactions[static_cast<std::size_t>(j)] += factor * r[j];
        }
    }

    // Where the member ends of the combinations lie and what is checked at each place.
    struct PlaceRef {
        std::size_t part = 0;   // in parts
        std::size_t place = 0;  // in that part's places
        int support = 0;        // index of the support it lies on
    };
    struct Layout {
        bool built = false;
        std::vector<int> numbers;  // part numbers in end-force order
        std::vector<std::size_t> placeCounts;
        std::vector<double> xs;    // every part's place positions, one after the other
        std::vector<int> partIndex;                        // per part: index in SheetParts or -1
        std::vector<std::vector<PlaceRef>> onSupport;      // per support, in part order
        std::vector<std::vector<PlaceRef>> partSupports;   // per part, ascending support
        std::vector<double> jointX;                        // ascending
        std::vector<std::vector<PlaceRef>> atJoint;        // per joint, in part order
    };
    Layout layout;

    bool SameLayout() const;
    void BuildLayout();
    // The checks of the member ends in `ends`.
    void Check(int combination);
};

bool CombinationChecks::Pass::SameLayout() const {
    if (!layout.built || layout.numbers.size() != used) return false;
    std::size_t flat = 0;
    for (std::size_t k = 0; k < used; ++k) {
        const PartEnds& part = parts[k];
        if (part.number != layout.numbers[k] || part.places.size() != layout.placeCounts[k]) return false;
        for (const EndPlace& p : part.places) {
            if (p.x != layout.xs[flat++]) return false;
        }
    }
    return true;
}

void CombinationChecks::Pass::BuildLayout() {
    Layout& l = layout;
    l = Layout{};
    l.built = true;
    for (std::size_t k = 0; k < used; ++k) {
        l.numbers.push_back(parts[k].number);
        l.placeCounts.push_back(parts[k].places.size());
        for (const EndPlace& p : parts[k].places) l.xs.push_back(p.x);
    }

    // Which place of which part lies on each support (the first place of a part within the
    // tolerance), in part order.
    l.onSupport.resize(static_cast<std::size_t>(supports));
    l.partSupports.resize(used);
    l.partIndex.resize(used);
    for (std::size_t k = 0; k < used; ++k) l.partIndex[k] = IndexOf(parts[k].number);
    for (int j = 0; j < supports; ++j) {
        for (std::size_t k = 0; k < used; ++k) {
            const PartEnds& part = parts[k];
            if (const EndPlace* p = part.Find(supportX[static_cast<std::size_t>(j)])) {
                const PlaceRef ref{k, static_cast<std::size_t>(p - part.places.data()), j};
                l.onSupport[static_cast<std::size_t>(j)].push_back(ref);
                l.partSupports[k].push_back(ref);
            }
        }
    }

    // Joints: member ends away from the supports, in ascending x, each once.
    for (std::size_t k = 0; k < used; ++k) {
        for (const EndPlace& p : parts[k].places) {
            if (SupportAt(model, p.x) >= 0) continue;
            const bool known = std::any_of(l.jointX.begin(), l.jointX.end(),
                                           [&](double x) { return std::fabs(x - p.x) < kSamePlace; });
            if (!known) l.jointX.push_back(p.x);
        }
    }
    std::sort(l.jointX.begin(), l.jointX.end());
    l.atJoint.resize(l.jointX.size());
    for (std::size_t n = 0; n < l.jointX.size(); ++n) {
        const double x = l.jointX[n];
        for (std::size_t k = 0; k < used; ++k) {
            const PartEnds& part = parts[k];
            const EndPlace* p = part.Find(x);
            const int index = l.partIndex[k];
            if (!p || index < 0) continue;
            l.atJoint[n].push_back({k, static_cast<std::size_t>(p - part.places.data()), 0});
            JointFastening(PositionAt(x), index);
        }
    }
}

void CombinationChecks::Pass::Check(int combination) {
    ModelReactions(combination);
    // Every combination of a pass has its member ends at the same places; the layout read from
    // the first is checked and reused.
    if (!SameLayout()) BuildLayout();
    const Layout& l = layout;
    auto place = [&](const PlaceRef& r) -> const EndPlace& { return parts[r.part].places[r.place]; };

    // What the member ends give per support may differ from the model reaction (couplings, pieces):
    // the difference is shared equally by the parts that end or pass there.
    correction.assign(static_cast<std::size_t>(supports), 0.0);
    for (int j = 0; j < supports; ++j) {
        const std::vector<PlaceRef>& on = l.onSupport[static_cast<std::size_t>(j)];
        double sum = 0.0;
        for (const PlaceRef& r : on) sum += place(r).Reaction();
        const int count = static_cast<int>(on.size());
        if (count > 0 && sum != reactions[static_cast<std::size_t>(j)])
            correction[static_cast<std::size_t>(j)] = (reactions[static_cast<std::size_t>(j)] - sum) / count;
    }

    for (std::size_t k = 0; k < used; ++k) {
        const int index = l.partIndex[k];
        if (index < 0) continue;
        for (const PlaceRef& r : l.partSupports[k]) {
            const std::size_t j = static_cast<std::size_t>(r.support);
            SupportChecks(model, SupportPlaceOf(index, r.support), parts[k].number, r.support, supportX[j], place(r),
                          correction[j], reactions[j]);
        }
    }

    for (std::size_t n = 0; n < l.jointX.size(); ++n) {
        const double x = l.jointX[n];
        const double F0 = model.DiaphragmOn == 1 ? DiaphragmForce(model, x, kDiaphragmJoint, 3) : 0.0;
        EndPosition& position = PositionAt(x);
        for (const PlaceRef& r : l.atJoint[n]) {
            double reals[7] = {x, 0, 0, 0, 0, 0, 0};
            int integers[5] = {0, 0, 0, 0, 0};
            CheckConnection(model, JointFastening(position, l.partIndex[r.part]), F0, place(r).Reaction(), reals,
                            integers);
        }
    }

    // Side laps: the neighbouring sheet is a sheet of the same part, so it is as thick as this one
    // (F2 = 0 makes the second plate the sheet's own thickness). Nothing here depends on the
    // combination, so each part's side lap is checked once.
    const double total = model.Spans.TotalLength();
    for (std::size_t k = 0; k < used; ++k) {
        const int index = l.partIndex[k];
        if (index < 0 || seamChecked[static_cast<std::size_t>(index)]) continue;
        seamChecked[static_cast<std::size_t>(index)] = 1;
        const double start = model.SheetParts.Real(index, PiirtoOsatVektori::kStart);
        const double end = model.SheetParts.Real(index, PiirtoOsatVektori::kEnd);
        // The seam's shear is that of the part's end nearer to an end of the structure.
        const double xForce = total - end < start ? end : start;
        const double F0 = model.DiaphragmOn == 1 ? DiaphragmForce(model, xForce, kDiaphragmSeam, 3) : 0.0;
        double reals[7] = {(start + end) / 2.0, 0, 0, 0, 0, 0, 0};
        int integers[5] = {0, 0, parts[k].number, 0, 0};
        CheckConnection(model, F0, 0.0, 0.0, reals, kSeamPlace, 0, index, integers);
    }
}

CombinationChecks::CombinationChecks(KAIKKI_data& model) : pass_(std::make_unique<Pass>(model)) {}

CombinationChecks::~CombinationChecks() = default;

void CombinationChecks::Check(int combination, const VerhoKayratVektori& endForces) {
    pass_->ends.Collect(endForces);
    pass_->Check(combination);
}

void CombinationChecks::Check(int combination, const SampleTable& table, const std::vector<double>& primary,
                              const std::vector<double>& secondary) {
    pass_->ends.Collect(table, primary, secondary);
    pass_->Check(combination);
}

void CheckCombination(KAIKKI_data& model, int combination, const VerhoKayratVektori& endForces) {
    CombinationChecks(model).Check(combination, endForces);
}

namespace {

// Span resistances of a sheet part (N*mm/m, N/m), read once per part.
struct SpanResistances {
    bool ready = false;
    double MrPositive = 0.0, MrNegative = 0.0, Vr = 0.0;
};

void EnvelopeChecks(KAIKKI_data& model) {
    const VerhoKayratVektori& env = model.UltimateEnvelope;
    std::vector<SpanResistances> resistances(static_cast<std::size_t>(model.SheetParts.Count()));
    for (int r = 0; r < env.Count(); ++r) {
        const int number = env.Int(r, 1);
        const int index = SheetPartIndex(model.SheetParts, number);
        if (index < 0) continue;
        const double x = env.Real(r, 0);
        const double Mmin = env.Real(r, 1), Mmax = env.Real(r, 2);
        const double V = std::fabs(env.Real(r, 3)) >= std::fabs(env.Real(r, 4)) ? env.Real(r, 3) : env.Real(r, 4);
        const bool atSupport = SupportAt(model, x) >= 0;
        const int span = atSupport ? 0 : model.Spans.SpanIndexAt(x);
        SpanResistances& part = resistances[static_cast<std::size_t>(index)];
        if (!part.ready) {
            part.MrPositive = SheetResistance(model, index, 1, nullptr) * 1e6;
            part.MrNegative = SheetResistance(model, index, 2, nullptr) * 1e6;
            part.Vr = SheetResistance(model, index, 5, nullptr) * 1e3;
            part.ready = true;
        }
        const double MrPos = part.MrPositive, MrNeg = part.MrNegative, Vr = part.Vr;
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
