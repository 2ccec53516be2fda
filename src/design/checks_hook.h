#pragma once
// The sheet and connection checks as the calculation run calls them.

#include <memory>
#include <vector>

namespace kirvos {

class KAIKKI_data;
class VerhoKayratVektori;
class SampleTable;

// Support and connection checks of one ultimate combination (its index in UltimateCombinations).
// endForces holds, per member in envelope order, the member's first and last sample point:
// integers (1, part, member, 0, 0), reals (x mm, moment N*mm/m, 0, shear N/m, 0).
// Results go to DesignResults and ConnectionResults, keeping the worst per place.
void CheckCombination(KAIKKI_data& model, int combination, const VerhoKayratVektori& endForces);

// CheckCombination for all the combinations of one calculation pass: what does not change from one
// combination to the next (support reactions of every load case, resistances and fastener data of
// every sheet part at its places) is read once. Construct it after the ultimate model is solved and
// while the sheet parts, profile, supports and standard stay as they are for the pass.
class CombinationChecks {
public:
    explicit CombinationChecks(KAIKKI_data& model);
    ~CombinationChecks();
    CombinationChecks(const CombinationChecks&) = delete;
    CombinationChecks& operator=(const CombinationChecks&) = delete;

    // The same results as CheckCombination(model, combination, endForces).
    void Check(int combination, const VerhoKayratVektori& endForces);
    // The same with the end forces taken from the combined samples of the ultimate table (as
    // SampleTable::AppendEndForces would give them).
    void Check(int combination, const SampleTable& table, const std::vector<double>& primary,
               const std::vector<double>& secondary);

private:
    struct Pass;
    std::unique_ptr<Pass> pass_;
};

// Span and deflection checks on the envelopes (and the diaphragm checks when switched on), then the
// governing check and maximum utilisations of every sheet part. 1 when no stored utilisation
// exceeds 100 %, else 0.
int CheckSpans(KAIKKI_data& model);

}  // namespace kirvos
