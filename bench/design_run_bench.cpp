// Speed of the design calculation: one pass (element list, input text, two solves, combinations,
// envelopes and checks) and a thickness search, on the bundled three-span example and on a worst
// case of 20 spans with both cantilevers, joints at every inner support, four wind cases, snow and
// imposed load with span patterns.
#include <benchmark/benchmark.h>

#include <string>

#include "design/calculation_run.h"
#include "design/element_builder.h"
#include "design/envelopes.h"
#include "design/load_combinations.h"
#include "design/model_text.h"
#include "project/project_model.h"
#include "../tests/design/many_spans_project.h"

namespace {

using kirvos::CalculationRun;
using kirvos::KAIKKI_data;
using kirvos::PiirtoOsatVektori;

const std::string kProgram = std::string(KIRVOS_DATA_DIR) + "/kirvos";

void OpenExample(KAIKKI_data& model, const char* name) {
    std::string message;
    if (model.ReadProjectFile(std::string(KIRVOS_SOURCE_DIR) + "/examples/" + name, message) != 0) {
        throw std::runtime_error(message);
    }
    if (model.SheetParts.Count() == 0) model.BuildSheetParts(0);
}

void WorstCase(KAIKKI_data& model) { kirvos::testing::ManySpansProject(model, 20); }

// Every sheet part gets the thickness line given (0: left to the search).
void SetThickness(KAIKKI_data& model, int line) { kirvos::testing::SetPartThickness(model, line); }

void Run(benchmark::State& state, KAIKKI_data& model, int search, int thickness) {
    CalculationRun run(model);
    int passes = 0;
    for (auto _ : state) {
        SetThickness(model, thickness);
        passes = run.RunCalculation(search);
        benchmark::DoNotOptimize(model.UltimateEnvelope.Count());
    }
    state.counters["passes"] = passes;
    state.counters["ultimate"] = model.UltimateCombinations.Count();
    state.counters["service"] = model.ServiceCombinations.Count();
    state.counters["members"] = model.UltimateModel.Members.Count();
    if (model.ResultsValid != 1) state.SkipWithError("the model did not solve");
}

void BM_ThreeSpanExamplePass(benchmark::State& state) {
    KAIKKI_data model(kProgram);
    OpenExample(model, "roof_three_spans.ws1");
    Run(state, model, 0, 3);
}
BENCHMARK(BM_ThreeSpanExamplePass)->Unit(benchmark::kMillisecond);

void BM_WorstCasePass(benchmark::State& state) {
    KAIKKI_data model(kProgram);
    WorstCase(model);
    Run(state, model, 0, 3);
}
BENCHMARK(BM_WorstCasePass)->Unit(benchmark::kMillisecond);

// A search that must try every thickness of the profile: the load is raised until even the
// thickest sheet fails.
void BM_WorstCaseSearchAllThicknesses(benchmark::State& state) {
    KAIKKI_data model(kProgram);
    WorstCase(model);
    model.Loads.SnowLoad = 12.0;
    Run(state, model, 1, 0);
}
BENCHMARK(BM_WorstCaseSearchAllThicknesses)->Unit(benchmark::kMillisecond);

// The same pass without the sheet and connection checks: element list, input text, both solves,
// combinations and the sampling and combining of every combination.
void BM_WorstCaseAnalysisOnly(benchmark::State& state) {
    KAIKKI_data model(kProgram);
    WorstCase(model);
    SetThickness(model, 3);
    CalculationRun run(model);
    std::vector<std::string> input, messages;
    std::vector<double> primary, secondary;
    for (auto _ : state) {
        kirvos::BuildElements(model);
        kirvos::WriteModelText(model, input);
        run.SolveModel(input, messages, 1);
        run.SolveModel(input, messages, 2);
        kirvos::BuildLoadCombinations(model);
        const kirvos::SampleTable service(model, 2);
        for (int i = 0; i < model.ServiceCombinations.Count(); ++i) {
            service.Combine(model.ServiceCombinations.Map(i), primary, secondary);
        }
        const kirvos::SampleTable ultimate(model, 1);
        for (int i = 0; i < model.UltimateCombinations.Count(); ++i) {
            ultimate.Combine(model.UltimateCombinations.Map(i), primary, secondary);
        }
        benchmark::DoNotOptimize(primary.data());
    }
    if (model.ResultsValid != 1) state.SkipWithError("the model did not solve");
}
BENCHMARK(BM_WorstCaseAnalysisOnly)->Unit(benchmark::kMillisecond);

}  // namespace
