// The bundled example projects: each is built here through the project model, so that its contents
// stay readable as code, and the stored file must open and design. Run with KIRVOS_WRITE_EXAMPLES=1
// to rewrite examples/ from these definitions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "design/calculation_run.h"
#include "project/project_model.h"

namespace kirvos {
namespace {

const std::string kExamples = std::string(KIRVOS_SOURCE_DIR) + "/examples/";
const std::string kProgram = std::string(KIRVOS_DATA_DIR) + "/kirvos";

int ProfileNamed(const KAIKKI_data& model, const std::string& name) {
    for (int i = 0; i < model.Profiles.Count(); ++i) {
        if (name == model.Profiles.Text(i, 0)) return i;
    }
    return -1;
}

void SetSpans(KAIKKI_data& m, std::initializer_list<double> lengths) {
    m.Spans.Clear();
    m.Supports.Clear();
    std::size_t i = 0;
    for (const double length : lengths) {
        const bool cantilever = i == 0 || i + 1 == lengths.size();
        m.Spans.Add({cantilever ? "uloke" : "Aukko"}, {length, 0, 0, 0, 0}, {0, 0, 0, 0, 0});
        if (++i < lengths.size()) m.Supports.Add({"Tuki"}, {100, 0, 0, 0, 0}, {0, 0, 0, 0, 0});
    }
}

// Surface load: kind, support index, x1 from it, length, q1, q2 (kN/m2).
void Surface(KAIKKI_data& m, int kind, int support, double x1, double length, double q1, double q2) {
    m.Loads.Add({" "}, {x1, length, q1, q2, 0}, {kind, 0, support, 0, 0});
}
// Point load: kind, support index, x1 from it, F (kN), bearing width (mm).
void Point(KAIKKI_data& m, int kind, int support, double x1, double force, double width) {
    m.Loads.Add({" "}, {x1, 0, force, 0, width}, {kind, 1, support, 0, 0});
}

int FastenerNamed(const KAIKKI_data& model, const std::string& name) {
    for (int i = 0; i < model.Fasteners.Count(); ++i) {
        if (name == model.Fasteners.Text(i, 0)) return i;
    }
    return -1;
}

// Every example fastens its sheets as a designer would: 6.3 mm self-drilling screws to the
// supports, 4.8 mm self-drilling screws in the joints and side laps.
void ChooseFasteners(KAIKKI_data& m) {
    m.Fasteners.SupportFastener = FastenerNamed(m, "SD 6.3x32");
    m.Fasteners.JointFastener = FastenerNamed(m, "SD 4.8x20");
    m.Fasteners.SeamFastener = FastenerNamed(m, "SD 4.8x20");
}

struct Example {
    const char* file;
    std::function<void(KAIKKI_data&)> build;
};

const Example kExampleProjects[] = {
    {"roof_one_span.ws1",
     [](KAIKKI_data& m) {
         // An insulated roof over one 5 m span; thickness left to the search.
         m.StructureType = 0;
         SetSpans(m, {0, 5000, 0});
         m.Loads.DeadLoad = 0.5;
         m.Loads.SnowLoad = 2.0;
         m.Loads.WindLoad = 0.5;
         m.Profiles.SelectedProfile = ProfileNamed(m, "KP 135/930");
     }},
    {"roof_three_spans.ws1",
     [](KAIKKI_data& m) {
         // Three spans with snow on alternate spans, a left cantilever and an overlap joint at the
         // second inner support; a drift load near the right end.
         m.StructureType = 0;
         SetSpans(m, {600, 4000, 4500, 4000, 0});
         m.Supports.SetInt(2, 1, 1);  // overlap joint, 300 mm
         m.Supports.SetReal(2, 2, 300);
         m.Loads.DeadLoad = 0.4;
         m.Loads.SnowLoad = 2.5;
         m.Loads.WindLoad = 0.4;
         Surface(m, 1, 3, -2000, 2000, 0.0, 1.5);
         m.Profiles.SelectedProfile = ProfileNamed(m, "KP 135/930");
     }},
    {"wall_wind.ws1",
     [](KAIKKI_data& m) {
         // A wall over two girts spans with pressure and suction cases and point loads of a fixture.
         m.StructureType = 2;
         SetSpans(m, {0, 3000, 3500, 0});
         m.Loads.WindLoad = 0.8;
         m.Loads.WindCaseCount = 2;
         m.Loads.WindCoefficients[0] = 0.8;
         m.Loads.WindCoefficients[1] = -0.7;
         Point(m, 0, 0, 1500, 0.3, 100);
         Point(m, 3, 1, 1750, 0.5, 100);
         Point(m, 4, 1, 1750, -0.5, 100);
         m.Profiles.SelectedProfile = ProfileNamed(m, "KP 45/900");
     }},
    {"floor_imposed.ws1",
     [](KAIKKI_data& m) {
         // An intermediate floor with imposed load on alternate spans and long support pieces over
         // the inner supports.
         m.StructureType = 3;
         SetSpans(m, {0, 4000, 4200, 4000, 0});
         for (int k : {1, 2}) {
             m.Supports.SetInt(k, 0, 2);
             m.Supports.SetReal(k, 1, 1200);
         }
         m.Loads.DeadLoad = 1.2;
         m.Loads.ImposedLoad = 2.5;
         m.Loads.ImposedCategory = 1;
         m.Profiles.SelectedProfile = ProfileNamed(m, "KP 135/930");
     }},
};

TEST(Examples, EveryExampleOpensAndDesigns) {
    const bool write = std::getenv("KIRVOS_WRITE_EXAMPLES") != nullptr;
    for (const Example& example : kExampleProjects) {
        SCOPED_TRACE(example.file);
        const std::string path = kExamples + example.file;
        if (write) {
            KAIKKI_data model(kProgram);
            model.NewProject();
            example.build(model);
            ChooseFasteners(model);
            ASSERT_GE(model.Profiles.SelectedProfile, 0);
            ASSERT_GE(model.Fasteners.SupportFastener, 0);
            ASSERT_GE(model.Fasteners.SeamFastener, 0);
            model.BuildSheetParts(1);
            ASSERT_EQ(model.WriteProjectFile(path), 0);
        }
        KAIKKI_data model(kProgram);
        std::string message;
        ASSERT_EQ(model.ReadProjectFile(path, message), 0) << message;
        if (model.SheetParts.Count() == 0) model.BuildSheetParts(0);
        // A load measured from a support that does not exist is dropped by the next geometry edit.
        for (int i = 0; i < model.Loads.Count(); ++i) {
            EXPECT_GE(model.Loads.Int(i, KuormaVektori::kSupport), 0) << "load " << i;
            EXPECT_LT(model.Loads.Int(i, KuormaVektori::kSupport), model.Spans.Count() - 1) << "load " << i;
        }
        CalculationRun run(model);
        run.RunCalculation(1);
        EXPECT_EQ(model.ResultsValid, 1);
        EXPECT_GT(model.UltimateCombinations.Count(), 0);
        EXPECT_GT(model.UltimateEnvelope.Count(), 0);
        for (int i = 0; i < model.SheetParts.Count(); ++i) {
            if (model.SheetParts.IsPart(i)) {
                EXPECT_GT(model.SheetParts.Int(i, 2), 0);
            }
        }
        // A bundled example is a design that holds: its fasteners are checked and pass.
        EXPECT_GT(model.ConnectionResults.Count(), 0);
        for (int i = 0; i < model.ConnectionResults.Count(); ++i) {
            EXPECT_LE(model.ConnectionResults.Real(i, 2), 100.0)
                << "connection place " << i << " of type " << model.ConnectionResults.Int(i, 0);
        }
    }
}

}  // namespace
}  // namespace kirvos
