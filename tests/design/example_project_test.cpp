// Runs the bundled three-span example with the shipped data and compares the checks with the hand
// calculation written beside it (examples/three-span-roof-check.md).
#include <gtest/gtest.h>

#include <string>

#include "checks_fixture.h"
#include "design/calculation_run.h"
#include "design/sheet_checks.h"
#include "project/project_model.h"

namespace kirvos {
namespace {

using testing::FindResult;

// Utilisations are compared within 0.01 percentage points: the hand calculation uses the beam
// formulas, the program its frame solution with stiff springs as supports.
constexpr double kTolerance = 0.01;

TEST(ExampleProject, ThreeSpanRoofMatchesTheHandCalculation) {
    KAIKKI_data model(std::string(KIRVOS_DATA_DIR) + "/kirvos");
    std::string message;
    ASSERT_EQ(model.OpenProjectFile(std::string(KIRVOS_SOURCE_DIR) + "/examples/three-span-roof-check.ws1", message),
              0)
        << message;
    ASSERT_EQ(model.SheetParts.Count(), 1);
    CalculationRun run(model);
    run.RunCalculation(0);
    ASSERT_EQ(model.ResultsValid, 1);

    struct Expected {
        int kind, span;
        double x, use;
    };
    const Expected expected[] = {
        {kSupportMoment, -1, 3600, 44.564},    // 0.1 q L^2 / Mr-
        {kSupportReaction, -1, 3600, 9.597},   // 1.1 q L / R52
        {kMomentReaction, -1, 3600, 43.329},   // (M/Mr + R/Rr) / 1.25
        {kMomentShear, -1, 3600, 0.0},         // V / Vr = 2.8 % < 50 %
        {kSupportReaction, -1, 0, 14.386},     // 0.4 q L / R53 at the end support
        {kSpanMoment, 1, -1, 34.610},          // worst sample of span 1: x = 3461.5, -1.488e6
        {kDeflection, 1, -1, 87.830},          // 21.08 mm of L / 150 = 24 mm at x = 1661.5
    };
    for (const Expected& e : expected) {
        const int i = FindResult(model, 1, e.kind, e.x, e.span);
        ASSERT_GE(i, 0) << "kind " << e.kind;
        EXPECT_NEAR(model.DesignResults.Real(i, 1), e.use, kTolerance) << "kind " << e.kind;
    }

    const PiirtoOsatVektori& parts = model.SheetParts;
    EXPECT_EQ(std::string(parts.Text(0, PiirtoOsatVektori::kCheckName)), "Deflection (span 1)");
    EXPECT_NEAR(parts.Real(0, PiirtoOsatVektori::kOverallUse), 87.830, kTolerance);
    EXPECT_NEAR(parts.Real(0, PiirtoOsatVektori::kSupportUse), 44.564, kTolerance);
    EXPECT_NEAR(parts.Real(0, PiirtoOsatVektori::kDeflectionUse), 87.830, kTolerance);
    EXPECT_NEAR(parts.Real(0, PiirtoOsatVektori::kSpanUse), 36.324, kTolerance);  // span 2, x = 3738.5

    // Fasteners: no uplift and no diaphragm, so every support is listed with nothing exceeded;
    // the side lap keeps its two fasteners.
    for (double x : {0.0, 3600.0, 7200.0, 10800.0}) {
        const int i = testing::FindConnection(model, 1, x);
        ASSERT_GE(i, 0) << x;
        EXPECT_EQ(model.ConnectionResults.Int(i, 1), 0);
        EXPECT_DOUBLE_EQ(model.ConnectionResults.Real(i, 1), 1.0);
    }
    const int seam = testing::FindConnection(model, 3, 5400.0);
    ASSERT_GE(seam, 0);
    EXPECT_DOUBLE_EQ(model.ConnectionResults.Real(seam, 1), 2.0);
}

}  // namespace
}  // namespace kirvos
