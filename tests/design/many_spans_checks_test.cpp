// A long continuous sheeting with overlap joints at every inner support, four wind cases, snow and
// imposed load with span patterns, designed with the installed profile data. The support and
// connection checks read the reactions, resistances and fastener data once per pass; these tests
// hold their results to those of checking each combination on its own and pin a few figures of the
// twenty-span case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/calculation_run.h"
#include "design/checks_hook.h"
#include "design/envelopes.h"
#include "many_spans_project.h"
#include "project/project_model.h"

namespace kirvos {
namespace {

using testing::ManySpansProject;
using testing::SetPartThickness;

const std::string kProgram = std::string(KIRVOS_DATA_DIR) + "/kirvos";

// Every number of both result tables, exactly.
void ExpectSameTables(const DOFvektori& a, const DOFvektori& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i) {
        for (int f = 0; f < a.IntFields(); ++f) EXPECT_EQ(a.Int(i, f), b.Int(i, f)) << "record " << i << " int " << f;
        for (int f = 0; f < a.RealFields(); ++f)
            EXPECT_EQ(a.Real(i, f), b.Real(i, f)) << "record " << i << " real " << f;
    }
}

TEST(ManySpansChecks, PassChecksEqualEachCombinationCheckedAlone) {
    struct Case {
        const char* name;
        int standard;
        int diaphragm;
    } const cases[] = {{"reduced support moment", 0, 0}, {"interaction limit table", 1, 0}, {"diaphragm", 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KAIKKI_data model(kProgram);
        ManySpansProject(model, 5);
        model.StandardIndex = c.standard;
        model.DiaphragmOn = c.diaphragm;
        SetPartThickness(model, 2);
        CalculationRun run(model);
        run.RunCalculation(0);
        ASSERT_EQ(model.ResultsValid, 1);
        ASSERT_GT(model.UltimateCombinations.Count(), 10);

        model.DesignResults.Clear();
        model.ConnectionResults.Clear();
        BuildEnvelopes(model);
        MitoitusTulosVektori design = model.DesignResults;
        LiitosTulosVektori connections = model.ConnectionResults;
        ASSERT_GT(design.Count(), 0);
        ASSERT_GT(connections.Count(), 0);

        model.DesignResults.Clear();
        model.ConnectionResults.Clear();
        const SampleTable table(model, VerhoKayratVektori::kUltimate);
        std::vector<double> primary, secondary;
        VerhoKayratVektori endForces(200, 200);
        for (int i = 0; i < model.UltimateCombinations.Count(); ++i) {
            table.Combine(model.UltimateCombinations.Map(i), primary, secondary);
            endForces.Clear();
            table.AppendEndForces(primary, secondary, endForces);
            CheckCombination(model, i, endForces);
        }
        ExpectSameTables(model.DesignResults, design);
        ExpectSameTables(model.ConnectionResults, connections);
    }
}

TEST(ManySpansChecks, TwentySpansGoverningResults) {
    KAIKKI_data model(kProgram);
    ManySpansProject(model, 20);
    SetPartThickness(model, 3);
    CalculationRun run(model);
    EXPECT_EQ(run.RunCalculation(0), 1);
    ASSERT_EQ(model.ResultsValid, 1);
    EXPECT_EQ(model.UltimateModel.Members.Count(), 98);
    EXPECT_EQ(model.UltimateCombinations.Count(), 1152);
    EXPECT_EQ(model.DesignResults.Count(), 380);
    EXPECT_EQ(model.ConnectionResults.Count(), 81);

    // Overall utilisation (%) of the end parts and of one inner part, and what governs them.
    const PiirtoOsatVektori& parts = model.SheetParts;
    const struct {
        int index;
        double use;
        const char* check;
    } governing[] = {{0, 152.59904642872957, "Support reaction (support B)"},
                     {9, 135.91895683468042, "Moment and reaction interaction (support K)"},
                     {19, 156.53315177539494, "Support reaction (support T)"}};
    for (const auto& g : governing) {
        EXPECT_NEAR(parts.Real(g.index, PiirtoOsatVektori::kOverallUse), g.use, 1e-9) << g.index;
        EXPECT_STREQ(parts.Text(g.index, PiirtoOsatVektori::kCheckName), g.check) << g.index;
    }

    // Support fasteners: governing check, fasteners per rib and utilisation at three supports.
    const struct {
        int record;
        double x, use;
    } fastenings[] = {{0, 800, 5.567174112596514}, {2, 9100, 15.648462629194917}, {3, 13100, 15.141804994422575}};
    const LiitosTulosVektori& c = model.ConnectionResults;
    for (const auto& f : fastenings) {
        EXPECT_EQ(c.Int(f.record, 0), 1) << f.record;
        EXPECT_EQ(c.Int(f.record, 1), 7) << f.record;
        EXPECT_DOUBLE_EQ(c.Real(f.record, 0), f.x) << f.record;
        EXPECT_DOUBLE_EQ(c.Real(f.record, 1), 1.0) << f.record;
        EXPECT_NEAR(c.Real(f.record, 2), f.use, 1e-9) << f.record;
    }
}

}  // namespace
}  // namespace kirvos
