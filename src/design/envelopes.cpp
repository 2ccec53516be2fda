#include "design/envelopes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "design/checks_hook.h"
#include "project/project_model.h"

namespace kirvos {

namespace {

// Sample spacing is the whole length of the sheeting divided by this.
constexpr double kIntervalsOverLength = 80.0;
constexpr int kDeflectionStride = 4;  // t, u, v, w
constexpr int kForceStride = 7;       // t, N, Vy, Vz, T, My, Mz

}  // namespace

SampleTable::SampleTable(const KAIKKI_data& model, int kind) : kind_(kind) {
    const FEM_kaikki& fem = kind == VerhoKayratVektori::kService ? model.ServiceModel : model.UltimateModel;
    const ElementtiVektori& elements = model.Elements;

    // Envelope order: ascending part, then element, members of equal key in member table order.
    const int members = fem.Members.Count();
    std::vector<int> order(static_cast<std::size_t>(members));
    std::iota(order.begin(), order.end(), 0);
    std::vector<int> partOf(static_cast<std::size_t>(members));
    for (int i = 0; i < members; ++i) partOf[i] = elements.PartOfElement(fem.Members.Int(i, 0));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (partOf[a] != partOf[b]) return partOf[a] < partOf[b];
        return fem.Members.Int(a, 0) < fem.Members.Int(b, 0);
    });

    const double spacing = model.Spans.TotalLength() / kIntervalsOverLength;
    std::vector<int> intervals;
    first_.push_back(0);
    for (const int i : order) {
        const int number = fem.Members.Int(i, 0);
        double start = 0.0, end = 0.0;
        elements.ElementExtent(number, start, end);
        const double L = fem.MemberLength(number);
        int n = spacing > 0.0 ? static_cast<int>(std::floor(L / spacing)) : 2;
        n = std::max(n, 2);
        memberNumber_.push_back(number);
        part_.push_back(partOf[i]);
        intervals.push_back(n);
        for (int p = 0; p <= n; ++p) x_.push_back(start + p * L / n);
        first_.push_back(static_cast<int>(x_.size()));
    }

    const DOFlukuvektori& cases = fem.Loads.LoadCases();
    const std::size_t samples = x_.size();
    for (int c = 0; c < cases.Count(); ++c) loadCaseNumber_.push_back(static_cast<int>(std::lround(cases[c])));
    primary_.assign(loadCaseNumber_.size() * samples, 0.0);
    if (kind_ != VerhoKayratVektori::kService) secondary_.assign(primary_.size(), 0.0);

    const int stride = kind_ == VerhoKayratVektori::kService ? kDeflectionStride : kForceStride;
    std::vector<double> buffer;
    double ends[12];
    for (std::size_t c = 0; c < loadCaseNumber_.size(); ++c) {
        for (int m = 0; m < Members(); ++m) {
            const int count = SampleCount(m);
            const int n = intervals[static_cast<std::size_t>(m)];
            buffer.assign(static_cast<std::size_t>(count * stride), 0.0);
            for (int p = 0; p < count; ++p) buffer[static_cast<std::size_t>(p * stride)] = static_cast<double>(p) / n;
            double* primary = &primary_[c * samples + static_cast<std::size_t>(first_[m])];
            if (kind_ == VerhoKayratVektori::kService) {
                fem.MemberDisplacements(memberNumber_[m], loadCaseNumber_[c], ends, buffer.data(), count, stride);
                for (int p = 0; p < count; ++p) primary[p] = buffer[static_cast<std::size_t>(p * stride + 2)];
            } else {
                fem.MemberForces(memberNumber_[m], loadCaseNumber_[c], ends, buffer.data(), count, stride);
                double* secondary = &secondary_[c * samples + static_cast<std::size_t>(first_[m])];
                for (int p = 0; p < count; ++p) {
                    primary[p] = buffer[static_cast<std::size_t>(p * stride + 6)];    // Mz
                    secondary[p] = buffer[static_cast<std::size_t>(p * stride + 2)];  // Vy
                }
            }
        }
    }
}

void SampleTable::Combine(const DOFlukuparivektori& combination, std::vector<double>& primary,
                          std::vector<double>& secondary) const {
    const std::size_t samples = x_.size();
    primary.assign(samples, 0.0);
    secondary.assign(kind_ == VerhoKayratVektori::kService ? 0 : samples, 0.0);
    double factor = 0.0;
    for (std::size_t c = 0; c < loadCaseNumber_.size(); ++c) {
        if (!combination.Find(loadCaseNumber_[c], factor) || factor == 0.0) continue;
        const double* p = &primary_[c * samples];
        for (std::size_t s = 0; s < samples; ++s) primary[s] += factor * p[s];
        if (!secondary.empty()) {
            const double* q = &secondary_[c * samples];
            for (std::size_t s = 0; s < samples; ++s) secondary[s] += factor * q[s];
        }
    }
}

void SampleTable::AppendRecords(const std::vector<double>& primary, const std::vector<double>& secondary,
                                VerhoKayratVektori& samples) const {
    int integers[5] = {kind_, 0, 0, 0, 0};
    double reals[5] = {};
    for (int m = 0; m < Members(); ++m) {
        integers[1] = part_[m];
        integers[2] = memberNumber_[m];
        for (int s = first_[m]; s < first_[m + 1]; ++s) {
            reals[0] = x_[s];
            reals[1] = reals[2] = primary[s];
            if (!secondary.empty()) reals[3] = reals[4] = secondary[s];
            samples.Add(nullptr, reals, integers);
        }
    }
}

void SampleTable::AppendEndForces(const std::vector<double>& primary, const std::vector<double>& secondary,
                                  VerhoKayratVektori& endForces) const {
    int integers[5] = {VerhoKayratVektori::kUltimate, 0, 0, 0, 0};
    double reals[5] = {};
    for (int m = 0; m < Members(); ++m) {
        integers[1] = part_[m];
        integers[2] = memberNumber_[m];
        for (const int s : {first_[m], first_[m + 1] - 1}) {
            reals[0] = x_[s];
            reals[1] = primary[s];
            reals[3] = secondary.empty() ? 0.0 : secondary[s];
            endForces.Add(nullptr, reals, integers);
        }
    }
}

namespace {

// Running extremes of one envelope, written into the record table at the end.
struct Extremes {
    bool filled = false;
    std::vector<double> min1, max1, min2, max2;

    void Update(const std::vector<double>& primary, const std::vector<double>& secondary) {
        if (!filled) {
            if (primary.empty()) return;
            min1 = max1 = primary;
            min2 = max2 = secondary;
            filled = true;
            return;
        }
        // Strict: a later combination with the same value does not move the extreme.
        for (std::size_t s = 0; s < primary.size(); ++s) {
            if (primary[s] < min1[s]) min1[s] = primary[s];
            if (primary[s] > max1[s]) max1[s] = primary[s];
        }
        for (std::size_t s = 0; s < secondary.size(); ++s) {
            if (secondary[s] < min2[s]) min2[s] = secondary[s];
            if (secondary[s] > max2[s]) max2[s] = secondary[s];
        }
    }

    void Write(const KAIKKI_data& model, const SampleTable& table, VerhoKayratVektori& envelope) const {
        if (!filled) return;
        int integers[5] = {table.Kind(), 0, 0, 0, 0};
        double reals[5] = {};
        for (int m = 0; m < table.Members(); ++m) {
            integers[1] = table.PartNumber(m);
            integers[2] = table.MemberNumber(m);
            integers[3] = SpanOfElement(model, table.MemberNumber(m));
            for (int s = table.FirstSample(m); s < table.FirstSample(m) + table.SampleCount(m); ++s) {
                reals[0] = table.X(s);
                reals[1] = min1[s];
                reals[2] = max1[s];
                reals[3] = min2.empty() ? 0.0 : min2[s];
                reals[4] = max2.empty() ? 0.0 : max2[s];
                envelope.Add(nullptr, reals, integers);
            }
        }
    }
};

}  // namespace

int BuildEnvelopes(KAIKKI_data& model) {
    model.ServiceEnvelope.Clear();
    model.UltimateEnvelope.Clear();
    std::vector<double> primary, secondary;

    {
        const SampleTable table(model, VerhoKayratVektori::kService);
        Extremes extremes;
        for (int i = 0; i < model.ServiceCombinations.Count(); ++i) {
            table.Combine(model.ServiceCombinations.Map(i), primary, secondary);
            extremes.Update(primary, secondary);
        }
        extremes.Write(model, table, model.ServiceEnvelope);
    }

    const SampleTable table(model, VerhoKayratVektori::kUltimate);
    Extremes extremes;
    CombinationChecks checks(model);
    for (int i = 0; i < model.UltimateCombinations.Count(); ++i) {
        table.Combine(model.UltimateCombinations.Map(i), primary, secondary);
        checks.Check(i, table, primary, secondary);
        extremes.Update(primary, secondary);
    }
    extremes.Write(model, table, model.UltimateEnvelope);
    return 0;
}

namespace {

// Samples one combination of the set on request; endForces only for the ultimate limit state.
void SampleCombination(const KAIKKI_data& model, int kind, int index, VerhoKayratVektori& samples,
                       VerhoKayratVektori* endForces) {
    samples.Clear();
    if (endForces) endForces->Clear();
    const DOFlukupariJoukko& set =
        kind == VerhoKayratVektori::kService ? model.ServiceCombinations : model.UltimateCombinations;
    DOFlukuparivektori combination(20, 20);
    set.Get(index, combination);
    const SampleTable table(model, kind);
    std::vector<double> primary, secondary;
    table.Combine(combination, primary, secondary);
    table.AppendRecords(primary, secondary, samples);
    if (endForces) table.AppendEndForces(primary, secondary, *endForces);
}

}  // namespace

void SampleServiceCombination(const KAIKKI_data& model, int index, VerhoKayratVektori& samples) {
    SampleCombination(model, VerhoKayratVektori::kService, index, samples, nullptr);
}

void SampleUltimateCombination(const KAIKKI_data& model, int index, VerhoKayratVektori& samples,
                               VerhoKayratVektori& endForces) {
    SampleCombination(model, VerhoKayratVektori::kUltimate, index, samples, &endForces);
}

int SpanOfElement(const KAIKKI_data& model, int elementNumber) {
    double start = 0.0, end = 0.0;
    if (!model.Elements.ElementExtent(elementNumber, start, end)) return 0;
    double d = 0.0;
    for (int i = 0; i < model.Spans.Count(); ++i) {
        const double e = d + model.Spans.Real(i, 0);
        if (d <= start && end <= e) return i;
        d = e;
    }
    return 0;
}

}  // namespace kirvos
