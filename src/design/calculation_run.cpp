#include "design/calculation_run.h"

#include <string>

#include "design/checks_hook.h"
#include "design/diaphragm_checks.h"
#include "design/element_builder.h"
#include "design/envelopes.h"
#include "design/load_combinations.h"
#include "design/model_text.h"
#include "design/sheet_properties.h"
#include "project/project_model.h"

namespace kirvos {

namespace {

constexpr int kThicknessGroup = 11;  // the profile's thickness options, one a line
// Snow and imposed load have one load case per loaded span, numbered from 101 and from 201: with
// more loaded spans the two ranges would overlap and mix the loads of different spans.
constexpr int kMaxLoadedSpans = 100;

}  // namespace

void CalculationRun::Report(int position) {
    progress_ = position;
    if (Progress) Progress(position);
}

int CalculationRun::SolveModel(const std::vector<std::string>& input, std::vector<std::string>& messages,
                               int which) {
    messages.clear();
    FEM_kaikki& fem = which == 1 ? model_.UltimateModel : model_.ServiceModel;
    model_.ResultsValid = 0;
    fem.ReadInput("", &input, 1);
    if (fem.Validate() != 0) {
        messages = fem.MessageText.Lines();
        return -1;
    }
    const int status = fem.Solve();
    // A solve that stops without a solver message must still not count as solved.
    if (status == 1 && fem.MessageText.LineCount(kSolverMessageGroup) == 0) {
        model_.ResultsValid = 1;
        return 0;
    }
    messages = fem.MessageText.Lines();
    return -1;
}

void CalculationRun::ClearResults() {
    model_.DesignResults.Clear();
    model_.ConnectionResults.Clear();
    PiirtoOsatVektori& parts = model_.SheetParts;
    for (int i = 0; i < parts.Count(); ++i) {
        parts.SetReal(i, PiirtoOsatVektori::kSpanUse, 0.0);
        parts.SetReal(i, PiirtoOsatVektori::kSupportUse, -1.0);
        parts.SetReal(i, PiirtoOsatVektori::kDeflectionUse, 0.0);
        parts.SetReal(i, PiirtoOsatVektori::kDiaphragmUse, -1.0);
        parts.SetReal(i, PiirtoOsatVektori::kOverallUse, 0.0);
    }
}

int CalculationRun::RunPass() {
    ultimateInput_.clear();
    Report(0);
    BuildElements(model_);
    Report(10);
    WriteModelText(model_, ultimateInput_);
    Report(20);
    SolveModel(ultimateInput_, ultimateMessages_, 1);
    Report(30);
    if (model_.ResultsValid == 1) {
        // Both models read the same text; the second is solved only when the first was.
        serviceInput_ = ultimateInput_;
        Report(40);
        SolveModel(serviceInput_, serviceMessages_, 2);
        Report(50);
    }
    ClearResults();
    if (model_.ResultsValid != 1) return 0;
    BuildLoadCombinations(model_);
    BuildEnvelopes(model_);
    Report(70);
    const int passed = CheckSpans(model_);
    Report(90);
    return passed;
}

int CalculationRun::RunCalculation(int search) {
    // Refused before anything is computed: more loaded spans than the load case numbering holds,
    // and diaphragm data the checks would divide by.
    std::string problem;
    const int loadedSpans = LoadedSpanCount(model_);
    const bool tooManySpans = loadedSpans > kMaxLoadedSpans;
    if (tooManySpans) {
        problem = "Too many spans: " + std::to_string(loadedSpans) + " (at most " +
                  std::to_string(kMaxLoadedSpans) + ")";
    }
    if (tooManySpans || DiaphragmDataError(model_, problem) != 0) {
        model_.ResultsValid = 0;
        ClearResults();
        ultimateInput_.clear();
        serviceInput_.clear();
        serviceMessages_.clear();
        ultimateMessages_ = {problem};
        return 0;
    }
    int passes = 1;
    if (search) {
        const ProfiiliArvot* data = SelectedProfileData(model_);
        if (data) passes = data->LineCount(kThicknessGroup);
    }
    serviceInput_.clear();
    serviceMessages_.clear();
    int run = 0;
    for (int f = 1; f <= passes; ++f) {
        if (search) {
            // Parts still to be searched, or whose trial failed, take option f.
            const std::vector<int> before = Thicknesses();
            model_.SheetParts.AssignThickness(-f);
            // Nothing moved: another pass would repeat the last one exactly.
            if (f > 1 && Thicknesses() == before) break;
        }
        ++run;
        const int passed = RunPass();
        if (search && passed) {
            Report(100);
            break;
        }
    }
    if (search) model_.SheetParts.AssignThickness(0);
    return run;
}

std::vector<int> CalculationRun::Thicknesses() const {
    std::vector<int> values;
    const PiirtoOsatVektori& parts = model_.SheetParts;
    for (int i = 0; i < parts.Count(); ++i) values.push_back(parts.Int(i, PiirtoOsatVektori::kThickness));
    return values;
}

}  // namespace kirvos
