#include "design/calculation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "design/envelopes.h"
#include "design_fixture.h"

namespace kirvos {
namespace {

using testing::AddPart;
using testing::MakeModel;
using testing::ProgramFolder;
using testing::SetSpans;

constexpr double E = 210000.0;
constexpr double kSelfWeight = 5 * 9.81e-3;  // N/mm on the 1 m strip, thickness line 1

// Factors of a standard with one leading variable load; wind and snow absent in these projects.
void LeadingStandard(KAIKKI_data& model) {
    model.StandardIndex = 1;
    testing::SetFactors(model.Standards, {1.0, 1.35, 1.0, 1.35, 1.0, 1.0}, {0, 1.5, 0, 1.5, 0, 1},
                        {0, 1.5, 0, 1.5, 0, 1}, {0, 1.5, 0, 1.5, 0, 1});
    model.Standards.ImposedPsi[2][0] = 0.7;
    model.Standards.WindPsi[0] = 0.6;
    model.Standards.SnowPsi[0] = 0.7;
}

// Envelope record at x of the member given (by order among those at x: 0 first, 1 second).
int RecordAt(const VerhoKayratVektori& envelope, double x, int which = 0) {
    for (int i = 0; i < envelope.Count(); ++i) {
        if (std::abs(envelope.Real(i, 0) - x) < 1e-9 && which-- == 0) return i;
    }
    return -1;
}

TEST(CalculationRun, OneSpanEnvelopesEqualBeamFormulas) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    LeadingStandard(*model);
    SetSpans(*model, {0, 6000, 0});
    AddPart(*model, 1, 1, 0, 0, 6000);
    model->Loads.DeadLoad = 1.0;

    CalculationRun run(*model);
    std::vector<int> progress;
    run.Progress = [&](int p) { progress.push_back(p); };
    EXPECT_EQ(run.RunCalculation(0), 1);
    ASSERT_EQ(model->ResultsValid, 1);
    EXPECT_EQ(progress, (std::vector<int>{0, 10, 20, 30, 40, 50, 70, 90}));
    EXPECT_EQ(run.UltimateInput(), run.ServiceInput());
    EXPECT_TRUE(run.UltimateMessages().empty());

    const double q = kSelfWeight + 1.0;
    const double L = 6000.0;
    const double I = 14e4;  // the smaller second moment of area under this standard
    const VerhoKayratVektori& u = model->UltimateEnvelope;
    const VerhoKayratVektori& s = model->ServiceEnvelope;
    // 6000 / (6000 / 80) = 80 intervals.
    ASSERT_EQ(u.Count(), 81);
    ASSERT_EQ(s.Count(), 81);
    const int mid = RecordAt(u, 3000.0);
    ASSERT_GE(mid, 0);
    EXPECT_NEAR(u.Real(mid, 2), 1.35 * q * L * L / 8, 1e-6 * q * L * L);
    EXPECT_NEAR(u.Real(mid, 1), 1.0 * q * L * L / 8, 1e-6 * q * L * L);
    EXPECT_NEAR(u.Real(0, 4), 1.35 * q * L / 2, 1e-6 * q * L);
    EXPECT_NEAR(u.Real(0, 3), 1.0 * q * L / 2, 1e-6 * q * L);
    EXPECT_NEAR(u.Real(80, 3), -1.35 * q * L / 2, 1e-6 * q * L);
    const double w = 5 * q * L * L * L * L / (384 * E * I);
    EXPECT_NEAR(s.Real(RecordAt(s, 3000.0), 1), -w, 1e-6 * w);
    EXPECT_EQ(s.Real(RecordAt(s, 3000.0), 1), s.Real(RecordAt(s, 3000.0), 2));  // one distinct service load
    EXPECT_EQ(u.Int(mid, 0), 1);
    EXPECT_EQ(u.Int(mid, 1), 1);
    EXPECT_EQ(u.Int(mid, 3), 1);  // the span record
}

TEST(CalculationRun, TwoSpansWithImposedPatterns) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    LeadingStandard(*model);
    SetSpans(*model, {0, 5000, 5000, 0});
    AddPart(*model, 1, 1, 0, 0, 10000);
    model->Loads.DeadLoad = 1.0;
    model->Loads.ImposedLoad = 2.0;  // relieved spans carry none (reduction 100 %)

    CalculationRun run(*model);
    run.RunCalculation(0);
    ASSERT_EQ(model->ResultsValid, 1);
    const double g = kSelfWeight + 1.0, p = 2.0, L = 5000.0, I = 14e4;
    const VerhoKayratVektori& u = model->UltimateEnvelope;
    const VerhoKayratVektori& s = model->ServiceEnvelope;
    ASSERT_EQ(u.Count(), 2 * 41);  // 10000 / 80 = 125 mm spacing, 40 intervals per span

    // Largest span moment: permanent load on both spans, imposed load on this span only.
    const int mid = RecordAt(u, 2500.0);
    EXPECT_NEAR(u.Real(mid, 2), 1.35 * g * L * L / 16 + 1.5 * p * 3 * L * L / 32, 1e-6 * L * L);
    // Support moment and shear: everything on both spans.
    for (int which : {0, 1}) {
        const int at = RecordAt(u, 5000.0, which);
        ASSERT_GE(at, 0);
        EXPECT_NEAR(u.Real(at, 1), -(1.35 * g + 1.5 * p) * L * L / 8, 1e-6 * L * L);
        EXPECT_EQ(u.Int(at, 3), which + 1);  // each member's own span
    }
    EXPECT_NEAR(u.Real(RecordAt(u, 5000.0, 0), 3), -(1.35 * g + 1.5 * p) * 5 * L / 8, 1e-6 * L);
    // Deflection at mid-span: the loaded span beside a relieved one sags 7/768 qL^4/EI.
    const double d = (g / 192 + p * 7 / 768) * L * L * L * L / (E * I);
    EXPECT_NEAR(s.Real(RecordAt(s, 2500.0), 1), -d, 1e-6 * d);

    // Sampling one combination on request gives the values the envelope was built from.
    VerhoKayratVektori samples(200, 200), ends(200, 200);
    double largest = -1e300;
    for (int c = 0; c < model->UltimateCombinations.Count(); ++c) {
        SampleUltimateCombination(*model, c, samples, ends);
        ASSERT_EQ(samples.Count(), u.Count());
        ASSERT_EQ(ends.Count(), 4);
        largest = std::max(largest, samples.Real(mid, 2));
        EXPECT_EQ(ends.Real(1, 1), samples.Real(40, 1));  // end of member 1
        EXPECT_EQ(ends.Real(1, 2), 0.0);
    }
    EXPECT_EQ(largest, u.Real(mid, 2));
}

TEST(CalculationRun, SamplePointsOfShortMembersAndCantilevers) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    LeadingStandard(*model);
    SetSpans(*model, {0, 5000, 5000, 1000});
    model->Supports.SetInt(1, 0, 2);
    model->Supports.SetReal(1, 1, 500);  // divisions at 4775 and 5225
    AddPart(*model, 1, 1, 0, 0, 11000);
    AddPart(*model, 2, 1, 0, 4750, 5250, PiirtoOsatVektori::kSupportPiece);
    CalculationRun run(*model);
    run.RunCalculation(0);
    ASSERT_EQ(model->ResultsValid, 1);
    const VerhoKayratVektori& u = model->UltimateEnvelope;
    // Spacing 11000 / 80 = 137.5 mm; per member: first and last sample at its ends.
    std::vector<int> perMember;
    for (int i = 0; i < u.Count(); ++i) {
        if (i == 0 || u.Int(i, 2) != u.Int(i - 1, 2)) perMember.push_back(0);
        ++perMember.back();
    }
    // Members 4775..5000 and 5000..5225 (225 mm) get the minimum of two intervals; the cantilever
    // 10000..11000 gets 7; part 2's members come after part 1's.
    EXPECT_EQ(perMember, (std::vector<int>{35, 3, 3, 35, 8, 3, 3}));
    EXPECT_EQ(u.Real(35, 0), 4775.0);
    EXPECT_EQ(u.Real(37, 0), 5000.0);
    EXPECT_EQ(u.Real(38, 0), 5000.0);
    // The piece's members lie on either side of the support: span records 1 and 2.
    EXPECT_EQ(u.Int(u.Count() - 6, 3), 1);
    EXPECT_EQ(u.Int(u.Count() - 1, 3), 2);
    const int last = RecordAt(u, 11000.0);
    EXPECT_EQ(u.Int(last, 3), 3);  // the right cantilever record
    // With one distinct permanent factor pair the serviceability envelope is one combination.
    EXPECT_EQ(model->ServiceEnvelope.Real(10, 1), model->ServiceEnvelope.Real(10, 2));
}

TEST(CalculationRun, FailedModelKeepsMessagesAndStopsAt30) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    LeadingStandard(*model);
    SetSpans(*model, {0, 6000, 0});
    AddPart(*model, 1, 1, 0, 100, 5900);  // reaches no support
    model->DesignResults.Add(nullptr, nullptr, nullptr);
    CalculationRun run(*model);
    std::vector<int> progress;
    run.Progress = [&](int p) { progress.push_back(p); };
    run.RunCalculation(0);
    EXPECT_EQ(model->ResultsValid, 0);
    EXPECT_EQ(progress, (std::vector<int>{0, 10, 20, 30}));
    EXPECT_EQ(run.ProgressPosition(), 30);
    EXPECT_EQ(model->DesignResults.Count(), 0);
    EXPECT_EQ(model->UltimateCombinations.Count(), 0);
    const auto& m = run.UltimateMessages();
    const auto header = std::find(m.begin(), m.end(), "[ ==== 300 ==== ]");
    ASSERT_NE(header, m.end());
    EXPECT_NE(std::find(header, m.end(), "Tuentoja liian vähän"), m.end());
    EXPECT_TRUE(run.ServiceMessages().empty());
}

TEST(CalculationRun, LoadCaseNumberingLimitsTheLoadedSpans) {
    // Snow cases 101 + j must stay below the imposed cases from 201: 100 loaded spans fit, 101 not.
    ProgramFolder folder;
    auto model = MakeModel(folder);
    LeadingStandard(*model);
    model->Loads.SnowLoad = 1.0;
    model->Loads.SnowShapeFactor = 1.0;
    model->Loads.ImposedLoad = 1.0;
    for (const int spans : {100, 101}) {
        SCOPED_TRACE(spans);
        std::vector<double> lengths(static_cast<std::size_t>(spans) + 2, 1000.0);
        lengths.front() = lengths.back() = 0.0;
        SetSpans(*model, lengths);
        model->SheetParts.Clear();
        AddPart(*model, 1, 1, 0, 0, model->Spans.TotalLength());
        CalculationRun run(*model);
        run.RunCalculation(0);
        EXPECT_EQ(model->ResultsValid, spans == 100 ? 1 : 0);
        EXPECT_EQ(run.UltimateMessages().empty(), spans == 100);
    }
}

TEST(CalculationRun, ThicknessSearchStopsAtTheFirstPassingOption) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    LeadingStandard(*model);
    model->StructureType = 4;  // no deflection limit: the span moment decides
    SetSpans(*model, {0, 3000, 0});
    AddPart(*model, 1, 0, 0, 0, 3000);
    // 1.35 (g + 0.741) 3000^2 / 8 is 1.20e6 N*mm with line 1 (resistance 1.0e6) and 1.23e6 with
    // line 2 (resistance 1.5e6).
    model->Loads.DeadLoad = 0.741;
    struct Case {
        double dead;
        int passes;
        int thickness;
        int lastProgress;
    };
    const Case cases[] = {{0.741, 2, 2, 100}, {2.0, 3, 3, 90}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dead);
        model->Loads.DeadLoad = c.dead;
        model->SheetParts.SetInt(0, PiirtoOsatVektori::kThickness, 0);
        CalculationRun run(*model);
        std::vector<int> progress;
        run.Progress = [&](int p) { progress.push_back(p); };
        EXPECT_EQ(run.RunCalculation(1), c.passes);
        EXPECT_EQ(model->ResultsValid, 1);
        EXPECT_EQ(progress.back(), c.lastProgress);
        EXPECT_EQ(model->SheetParts.Int(0, PiirtoOsatVektori::kThickness), c.thickness);
    }

    // A part with a chosen thickness is never changed; without a profile the search runs once.
    model->SheetParts.SetInt(0, PiirtoOsatVektori::kThickness, 1);
    CalculationRun run(*model);
    EXPECT_EQ(run.RunCalculation(1), 1);  // nothing left to try after the first pass
    EXPECT_EQ(model->SheetParts.Int(0, PiirtoOsatVektori::kThickness), 1);
    model->Profiles.SelectedProfile = -1;
    model->SheetParts.SetInt(0, PiirtoOsatVektori::kThickness, 0);
    EXPECT_EQ(run.RunCalculation(1), 1);
}

}  // namespace
}  // namespace kirvos
