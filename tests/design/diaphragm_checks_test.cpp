#include "design/diaphragm_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "checks_fixture.h"
#include "design/calculation_run.h"
#include "design/sheet_checks.h"

namespace kirvos {
namespace {

using testing::AddPart;
using testing::FindResult;
using testing::MakeCheckModel;
using testing::ProgramFolder;
using testing::SetSpans;

// Spans 0, 6000, 6000, 0 (inner length 12000 mm), B = 20000 mm, factor 1.5.
class Diaphragm : public ::testing::Test {
protected:
    void SetUp() override {
        model = MakeCheckModel(folder, testing::CheckProfileText());
        SetSpans(*model, {0, 6000, 6000, 0});
        AddPart(*model, 1, 1, 0, 0, 12000);
        model->ResetDiaphragmParameters();
        Set(1, 1);
        Set(3, 0);
        Set(11, 20000);
        Set(12, 5000);
        Set(23, 1.5);
    }
    void Set(int key, double value) { model->DiaphragmParameters.Set(key, value); }
    double Key(int key) const { return model->DiaphragmParameters.Value(key); }
    ProgramFolder folder;
    std::unique_ptr<KAIKKI_data> model;
};

TEST_F(Diaphragm, ForceOfBothArrangementsAndModes) {
    Set(21, 1.0);
    // 1 x 12000 x 0.5 / 20 = 300 N/m at the first support, times 1.5; the length follows the spans.
    EXPECT_NEAR(DiaphragmForce(*model, 0, 1, 1), 450.0, 1e-9);
    EXPECT_DOUBLE_EQ(Key(12), 12000.0);
    EXPECT_NEAR(DiaphragmForce(*model, 6000, 1, 1), 0.0, 1e-9);
    EXPECT_NEAR(DiaphragmForce(*model, 3000, 2, 1), 225.0, 1e-9);
    EXPECT_DOUBLE_EQ(DiaphragmForce(*model, 0, 4, 1), 0.0);  // no such place

    // W2 = 2 kN/m across: 2 x 0.5 x 20000 / 12 = 1666.7 N/m; designed for the maximum load,
    // supports and joints take at least 2000 N/m, side laps not.
    Set(22, 2.0);
    Set(3, 1);
    EXPECT_NEAR(DiaphragmForce(*model, 6000, 1, 3), 2000.0 * 1.5, 1e-9);
    EXPECT_NEAR(DiaphragmForce(*model, 6000, 2, 3), 2000.0 * 1.5, 1e-9);
    EXPECT_NEAR(DiaphragmForce(*model, 6000, 3, 3), 20000.0 / 12.0 * 1.5, 1e-9);
    EXPECT_NEAR(DiaphragmForce(*model, 6000, 1, 2), 20000.0 / 12.0 * 1.5, 1e-9);

    // Arrangement 2: the width follows the spans; L = 30000. Mode 2: 2 x 12000 x 0.5 / 30 = 400;
    // mode 3: W1 across, 1 x 0.5 x 30000 / 12 = 1250 (above the 1000 N/m floor).
    Set(1, 2);
    Set(12, 30000);
    EXPECT_NEAR(DiaphragmForce(*model, 0, 1, 2), 400.0 * 1.5, 1e-9);
    EXPECT_DOUBLE_EQ(Key(11), 12000.0);
    EXPECT_NEAR(DiaphragmForce(*model, 0, 1, 3), 1250.0 * 1.5, 1e-9);

    Set(1, 3);
    EXPECT_DOUBLE_EQ(DiaphragmForce(*model, 0, 1, 3), 0.0);
}

TEST_F(Diaphragm, ResistancesByHeightClassAndFasteningPattern) {
    model->Standards.FactorGrid[0][0] = 1.1;
    // h = 60 mm: class 1. Kind 11: min(9.3 x 0.7 x 350 / 360, (0.04 + 0.14 + 0.07) x 10 /
    // (2 x 0.11 x 0.06)) = 6.3292; kind 12: 350 x 0.7 / 6^2 x 350 / 360 = 6.6165.
    EXPECT_NEAR(DiaphragmResistance(*model, 0, 11, 6000), 9.3 * 0.7 * 350 / 360 / 1.1, 1e-9);
    EXPECT_NEAR(DiaphragmResistance(*model, 0, 12, 6000), 350 * 0.7 / 36.0 * 350 / 360 / 1.1, 1e-9);
    model->Fasteners.FasteningPattern() = 1;
    EXPECT_NEAR(DiaphragmResistance(*model, 0, 12, 6000), 0.5 * 350 * 0.7 / 36.0 * 350 / 360 / 1.1, 1e-9);
    EXPECT_DOUBLE_EQ(DiaphragmResistance(*model, 0, 12, 0), 0.0);  // no span given
    SupportData span;
    span.spanLength = 6000;
    EXPECT_NEAR(SheetResistance(*model, 0, 11, &span), 9.3 * 0.7 * 350 / 360 / 1.1, 1e-9);
    EXPECT_DOUBLE_EQ(SheetResistance(*model, 0, 11, nullptr), 0.0);
}

TEST_F(Diaphragm, ChecksPerSpanAndDeflections) {
    Set(21, 1.0);
    Set(31, 20.0);
    auto store = [&](int kind, double x, double use) {
        const double reals[7] = {x, use, 0, 0, 0, 0, 0};
        const int ints[5] = {1, kind, 1, 0, 0};
        model->DesignResults.StoreMax(reals, ints);
    };
    store(kSpanMoment, 2500, 60);
    store(kSupportReaction, 6000, 40);
    store(kMomentReaction, 6000, 50);
    CheckDiaphragm(*model);

    // F = 450 N/m; V11 = 6329.2 N/m; the least bending utilisation 40 % adds 0.4.
    const double V11 = 9.3 * 0.7 * 350 / 360 * 1000;
    for (int span : {1, 2}) {
        const int i = FindResult(*model, 1, kDiaphragmShearEnds, -1, span);
        ASSERT_GE(i, 0) << span;
        EXPECT_NEAR(model->DesignResults.Real(i, 0), 6000.0 * span - 1.0, 1e-9);
        EXPECT_NEAR(model->DesignResults.Real(i, 1), (450 / V11 + 0.4) / 1.2 * 100, 1e-9);
        EXPECT_NEAR(model->DesignResults.Real(i, 4), V11, 1e-9);
        EXPECT_GE(FindResult(*model, 1, kDiaphragmShearBuckling, -1, span), 0);
    }
    EXPECT_LT(FindResult(*model, 1, kDiaphragmShearEnds, -1, 0), 0);  // never on a cantilever
    // Deflection under W1: 4 x 12^2 x (0.25 / 0.7^1.5) x 1 / (8 x 20) = 1.5367 mm of 20 mm.
    const int d = FindResult(*model, 1, kDiaphragmDeflectionW1);
    ASSERT_GE(d, 0);
    const double delta = 4 * 144 * (0.25 / std::pow(0.7, 1.5)) / 160;
    EXPECT_NEAR(model->DesignResults.Real(d, 2), delta, 1e-9);
    EXPECT_NEAR(model->DesignResults.Real(d, 1), delta / 20 * 100, 1e-9);
    EXPECT_LT(FindResult(*model, 1, kDiaphragmDeflectionW2), 0);  // W2 = 0
}

TEST_F(Diaphragm, PartNotCoveringASpanGetsNoShearCheck) {
    model->SheetParts.Clear();
    AddPart(*model, 1, 1, 0, 0, 7000);
    AddPart(*model, 2, 1, 0, 5000, 12000);
    CheckDiaphragm(*model);
    EXPECT_GE(FindResult(*model, 1, kDiaphragmShearEnds, -1, 1), 0);
    EXPECT_LT(FindResult(*model, 1, kDiaphragmShearEnds, -1, 2), 0);
    EXPECT_LT(FindResult(*model, 2, kDiaphragmShearEnds, -1, 1), 0);
    // W1 = W2 = 0: the shear checks stay with the bending share only, no deflection checks.
    EXPECT_DOUBLE_EQ(model->DesignResults.Real(FindResult(*model, 2, kDiaphragmShearEnds, -1, 2), 1), 0.0);
    EXPECT_LT(FindResult(*model, 1, kDiaphragmDeflectionW1), 0);
}

TEST_F(Diaphragm, PartEndingAtTheLastSupportCoversItsSpanDespiteRounding) {
    // Spans typed as 1666.6667 mm end at 5000.0001 mm; the part saved as ending at 5000.000 mm
    // still covers the last one.
    SetSpans(*model, {0, 1666.6667, 1666.6667, 1666.6667, 0});
    model->SheetParts.Clear();
    AddPart(*model, 1, 1, 0, 0, 5000);
    CheckDiaphragm(*model);
    for (int span : {1, 2, 3}) {
        EXPECT_GE(FindResult(*model, 1, kDiaphragmShearEnds, -1, span), 0) << span;
        EXPECT_GE(FindResult(*model, 1, kDiaphragmShearBuckling, -1, span), 0) << span;
    }
}

TEST_F(Diaphragm, ZeroDimensionStopsTheCalculationWithAMessage) {
    model->DiaphragmOn = 1;
    model->Loads.DeadLoad = 1.0;
    model->ResultsValid = 1;
    Set(11, 0);
    CalculationRun run(*model);
    run.RunCalculation(0);
    EXPECT_EQ(model->ResultsValid, 0);
    ASSERT_EQ(run.UltimateMessages().size(), 1u);
    EXPECT_NE(run.UltimateMessages()[0].find("Building width B [mm] is 0"), std::string::npos)
        << run.UltimateMessages()[0];
    EXPECT_EQ(model->DesignResults.Count(), 0);

    // Arrangement 2 takes the width from the spans; the allowed deflection 0 still stops it.
    Set(1, 2);
    Set(12, 30000);
    Set(31, 0);
    std::string message;
    EXPECT_EQ(DiaphragmDataError(*model, message), -1);
    EXPECT_NE(message.find("Allowed lateral deflection [mm] is 0"), std::string::npos) << message;
    Set(31, 20);
    EXPECT_EQ(DiaphragmDataError(*model, message), 0);
    model->DiaphragmOn = 0;
    Set(31, 0);
    EXPECT_EQ(DiaphragmDataError(*model, message), 0);  // without diaphragm action nothing is needed

    // With usable data the run goes through and lists the diaphragm checks.
    model->DiaphragmOn = 1;
    Set(31, 20);
    Set(21, 1.0);
    run.RunCalculation(0);
    EXPECT_EQ(model->ResultsValid, 1);
    EXPECT_GE(FindResult(*model, 1, kDiaphragmShearEnds, -1, 1), 0);
}

}  // namespace
}  // namespace kirvos
