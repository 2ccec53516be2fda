#include "design/load_combinations.h"

#include <algorithm>
#include <array>

#include "project/project_model.h"

namespace kirvos {

namespace {

// One row of a combination scheme: factors of wind, imposed load and snow.
struct SchemeRow {
    double wind;
    double imposed;
    double snow;
};

// Favourable and unfavourable factors of the four load kinds for one limit state.
struct LimitFactors {
    double gFav, gUnf, sFav, sUnf, qFav, qUnf, wFav, wUnf;
};

LimitFactors FactorsOf(const CombinationSettings& s, int limit) {
    const int fav = limit == 0 ? 2 * (s.structureClass == 1 ? 1 : 0) : 4;
    const int unf = fav + 1;
    LimitFactors f{s.permanentFactors[fav], s.permanentFactors[unf], s.snowFactors[fav], s.snowFactors[unf],
                   s.imposedFactors[fav],   s.imposedFactors[unf],   s.windFactors[fav], s.windFactors[unf]};
    if (!s.snowPresent) f.sFav = f.sUnf = 0.0;
    if (!s.imposedPresent) f.qFav = f.qUnf = 0.0;
    return f;
}

// The scheme with one leading variable load, the others reduced by psi0.
std::array<SchemeRow, 12> LeadingLoadScheme(const LimitFactors& f, const CombinationSettings& s) {
    const double pW = s.windPsi0, pS = s.snowPsi0, pQ = s.imposedPsi0;
    return {{{pW * f.wUnf, f.qUnf, pS * f.sUnf},
             {pW * f.wFav, f.qUnf, pS * f.sUnf},
             {pW * f.wUnf, f.qUnf, pS * f.sFav},
             {pW * f.wFav, f.qUnf, pS * f.sFav},
             {pW * f.wUnf, pQ * f.qUnf, f.sUnf},
             {pW * f.wFav, pQ * f.qUnf, f.sUnf},
             {pW * f.wUnf, pQ * f.qFav, f.sUnf},
             {pW * f.wFav, pQ * f.qFav, f.sUnf},
             {f.wUnf, pQ * f.qUnf, pS * f.sUnf},
             {f.wUnf, pQ * f.qUnf, pS * f.sFav},
             {f.wUnf, pQ * f.qFav, pS * f.sUnf},
             {f.wUnf, pQ * f.qFav, pS * f.sFav}}};
}

// The scheme in which imposed load is never reduced and snow acting with wind is reduced by 0.77
// (both of them) in the ultimate limit state.
std::array<SchemeRow, 12> ReducedPairScheme(const LimitFactors& f, const CombinationSettings& s, int limit) {
    const double pW = s.windPsi0, pS = s.snowPsi0;
    const SchemeRow half[6] = {{pW * f.wUnf, 0, f.sUnf},      {pW * f.wFav, 0, f.sUnf},
                               {f.wUnf, 0, pS * f.sUnf},      {f.wUnf, 0, pS * f.sFav},
                               {pW * f.wFav, 0, f.sFav},      {f.wFav, 0, pS * f.sFav}};
    const bool reductionApplies = limit == 0 && s.snowPresent && s.windPresent;
    std::array<SchemeRow, 12> rows{};
    for (int i = 0; i < 12; ++i) {
        SchemeRow r = half[i % 6];
        r.imposed = i < 6 ? f.qUnf : f.qFav;
        const double reduction = (reductionApplies && r.wind > 0.0 && r.snow > 0.0) ? 0.77 : 1.0;
        r.wind *= reduction;
        r.snow *= reduction;
        rows[i] = r;
    }
    return rows;
}

// Whether span j is relieved (true) under pattern number 0..11.
// Patterns 0-1 alternate span by span, 2-5 go in pairs, 6-11 go one loaded, two relieved.
class SpanPattern {
public:
    explicit SpanPattern(int pattern) {
        if (pattern < 2) {
            kind_ = 0;
            state_ = pattern;
        } else if (pattern < 6) {
            kind_ = 1;
            counter_ = (pattern - 2) / 2;
            state_ = (pattern - 2) % 2;
        } else {
            kind_ = 2;
            counter_ = (pattern - 6) / 2;
            state_ = (pattern - 6) % 2;
        }
    }
    // State of the current span, then moves to the next one.
    bool Next() {
        const bool relieved = state_ != 0;
        if (kind_ == 0) {
            state_ ^= 1;
        } else if (kind_ == 1) {
            if (++counter_ == 2) {
                state_ ^= 1;
                counter_ = 0;
            }
        } else {
            ++counter_;
            if (counter_ == 1 || counter_ == 3) state_ ^= 1;
            if (counter_ == 3) counter_ = 0;
        }
        return relieved;
    }

private:
    int kind_ = 0;
    int state_ = 0;
    int counter_ = 0;
};

}  // namespace

void AddSpanPatterns(DOFlukupariJoukko& target, const DOFlukuparivektori& base, double imposedFactor,
                     double snowFactor, int loadedSpans, double snowAlternateReduction,
                     double imposedAlternateReduction) {
    const double b = imposedFactor;
    const double c = snowFactor;
    if (b == 0.0 && c == 0.0) {
        target.AddUnique(base);
        return;
    }
    const double cRelieved = 0.01 * (100.0 - snowAlternateReduction) * c;
    const double bRelieved = 0.01 * (100.0 - imposedAlternateReduction) * b;

    DOFlukuparivektori combination(20, 20);
    auto startFromBase = [&] {
        combination = base;
    };
    if ((imposedAlternateReduction > 0.0 && b != 0.0) || (snowAlternateReduction > 0.0 && c != 0.0)) {
        for (int pattern = 0; pattern < 12; ++pattern) {
            startFromBase();
            SpanPattern states(pattern);
            for (int j = 0; j < loadedSpans; ++j) {
                const bool relieved = states.Next();
                if (c != 0.0) combination.Add(101 + j, relieved ? cRelieved : c);
                if (b != 0.0) combination.Add(201 + j, relieved ? bRelieved : b);
            }
            target.AddUnique(combination);
        }
    }
    startFromBase();
    for (int j = 0; j < loadedSpans; ++j) {
        if (c != 0.0) combination.Add(101 + j, c);
        if (b != 0.0) combination.Add(201 + j, b);
    }
    target.AddUnique(combination);
}

int BuildLoadCombinations(const CombinationSettings& settings, DOFlukupariJoukko& ultimate,
                          DOFlukupariJoukko& service) {
    ultimate.Clear();
    service.Clear();
    DOFlukuparivektori base(20, 20);
    for (int limit = 0; limit < 2; ++limit) {
        const LimitFactors f = FactorsOf(settings, limit);
        const std::array<SchemeRow, 12> rows = settings.standardIndex == 1 ? LeadingLoadScheme(f, settings)
                                                                           : ReducedPairScheme(f, settings, limit);
        DOFlukupariJoukko& target = limit == 0 ? ultimate : service;
        for (const double g : {f.gFav, f.gUnf}) {
            for (int i = 0; i < settings.windCaseCount; ++i) {
                for (const SchemeRow& row : rows) {
                    base.Clear();
                    base.Add(1, g);
                    base.Add(2, g);
                    base.Add(301 + i, row.wind);
                    AddSpanPatterns(target, base, row.imposed, row.snow, settings.loadedSpans,
                                    settings.snowAlternateReduction, settings.imposedAlternateReduction);
                }
            }
        }
    }
    return 0;
}

int LoadedSpanCount(const KAIKKI_data& model) {
    const JanneVektori& spans = model.Spans;
    int count = 0;
    for (int i = 0; i < spans.Count(); ++i) {
        const bool cantilever = i == 0 || i == spans.Count() - 1;
        if (!cantilever || spans.Real(i, 0) > 0.0) ++count;
    }
    return count;
}

int EffectiveStructureClass(const KAIKKI_data& model) {
    return model.StandardIndex == 0 && model.StructureClass == 1 ? 1 : 0;
}

CombinationSettings ReadCombinationSettings(const KAIKKI_data& model) {
    CombinationSettings s;
    const NormiVektori& n = model.Standards;
    const KuormaVektori& loads = model.Loads;
    s.standardIndex = model.StandardIndex;
    s.structureClass = EffectiveStructureClass(model);
    std::copy(n.PermanentFactors, n.PermanentFactors + 6, s.permanentFactors);
    std::copy(n.SnowFactors, n.SnowFactors + 6, s.snowFactors);
    std::copy(n.ImposedFactors, n.ImposedFactors + 6, s.imposedFactors);
    std::copy(n.WindFactors, n.WindFactors + 6, s.windFactors);
    s.snowPsi0 = n.SnowPsi[0];
    s.windPsi0 = n.WindPsi[0];
    // Only a project file can bring a category outside 1..10; it is held at the nearest row.
    s.imposedPsi0 = n.ImposedPsi[std::clamp(loads.ImposedCategory, 1, 10) - 1][0];
    // A kind is present with a non-zero basic value or with load records of its own. Whether the
    // pictures draw the basic values or the records plays no part: a display switch must not take
    // loads out of the design.
    s.snowPresent = (loads.SnowLoad != 0.0 && loads.SnowShapeFactor != 0.0) || loads.CountLoads(1, -1) > 0;
    s.imposedPresent = loads.ImposedLoad != 0.0 || loads.CountLoads(2, -1) > 0;
    s.windPresent = (loads.WindLoad != 0.0 && loads.WindCoefficients[0] != 0.0) || loads.CountLoads(3, -1) > 0;
    s.windCaseCount = std::clamp(loads.WindCaseCount, 1, 4);
    s.loadedSpans = LoadedSpanCount(model);
    s.snowAlternateReduction = loads.SnowAlternateReduction;
    s.imposedAlternateReduction = loads.ImposedAlternateReduction;
    return s;
}

int BuildLoadCombinations(KAIKKI_data& model) {
    return BuildLoadCombinations(ReadCombinationSettings(model), model.UltimateCombinations,
                                 model.ServiceCombinations);
}

void AddSpanPatterns(KAIKKI_data& model, int limitState, const DOFlukuparivektori& base, double imposedFactor,
                     double snowFactor) {
    DOFlukupariJoukko& target = limitState == 1 ? model.UltimateCombinations : model.ServiceCombinations;
    AddSpanPatterns(target, base, imposedFactor, snowFactor, LoadedSpanCount(model),
                    model.Loads.SnowAlternateReduction, model.Loads.ImposedAlternateReduction);
}

}  // namespace kirvos
