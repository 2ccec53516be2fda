#pragma once
// The design calculation in sequence: element list, analysis input text, solution of the two
// analysis models, load combinations, envelopes and checks; with a thickness search, repeated over
// the thicknesses of the chosen profile until the checks pass. Runs without any window: progress
// goes to a callback, and the last pass's input texts and analysis messages stay readable.

#include <functional>
#include <string>
#include <vector>

namespace kirvos {

class KAIKKI_data;

class CalculationRun {
public:
    explicit CalculationRun(KAIKKI_data& model) : model_(model) {}

    // Called with the step reached: 0, 10, 20, 30, 40, 50, 70, 90 in a pass, 100 when a thickness
    // search has found a passing set.
    std::function<void(int)> Progress;

    // Runs the calculation. search 1: every sheet part whose thickness is 0 (or a trial thickness
    // that failed) tries the profile's thicknesses in catalogue order. The outcome is the model's
    // ResultsValid and result tables. Returns the number of passes run.
    int RunCalculation(int search);
    // Reads, checks and solves UltimateModel (which = 1) or ServiceModel (any other value) from
    // input. 0 on success (ResultsValid 1); -1 on failure, with the model's whole message text
    // copied into messages (ResultsValid 0).
    int SolveModel(const std::vector<std::string>& input, std::vector<std::string>& messages, int which);
    // Empties DesignResults and ConnectionResults and resets the utilisations stored on the sheet
    // parts (span, deflection and overall to 0, support and diaphragm to -1).
    void ClearResults();

    // Input texts and failure messages of the last pass.
    const std::vector<std::string>& UltimateInput() const { return ultimateInput_; }
    const std::vector<std::string>& ServiceInput() const { return serviceInput_; }
    const std::vector<std::string>& UltimateMessages() const { return ultimateMessages_; }
    const std::vector<std::string>& ServiceMessages() const { return serviceMessages_; }
    // Last progress position reported.
    int ProgressPosition() const { return progress_; }

private:
    void Report(int position);
    // One pass; returns whether the checks passed (0 when a model failed).
    int RunPass();
    // Thickness option of every sheet part record, in table order.
    std::vector<int> Thicknesses() const;

    KAIKKI_data& model_;
    std::vector<std::string> ultimateInput_;
    std::vector<std::string> serviceInput_;
    std::vector<std::string> ultimateMessages_;
    std::vector<std::string> serviceMessages_;
    int progress_ = 0;
};

}  // namespace kirvos
