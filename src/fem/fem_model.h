#pragma once
// One linear-elastic frame model in space with its results: read from the analysis input text (groups
// 101..701), checked, prepared, assembled and solved for every load case, then queried per member and
// support. The model has no units of its own; the design calculation uses mm, N, N·mm, N/mm and N/mm².
//
// Typical use:
//   FEM_kaikki m;
//   m.ReadInput("", &lines, 1);
//   if (m.Solve() == 1) m.MemberForces(member, loadCase, forces, &samples);
//   else show m.MessageText (check messages in groups 100..700, solver messages in group 1001)

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "fem/fem_loads.h"
#include "fem/fem_tables.h"
#include "fem/frame_solver.h"
#include "records/record_vector.h"
#include "records/sectioned_text.h"

namespace kirvos {

// Groups of the message text.
inline constexpr int kSolverMessageGroup = 1001;

class FEM_kaikki {
public:
    FEM_kaikki();

    // Fills the input text (from the file when its name is longer than one character, else from lines
    // when given, else the text already held) and reads groups 101..701 into the tables. Mode 1 empties
    // every table first; otherwise a table whose group is absent keeps its records. Lines shorter than
    // 2 characters are skipped; a line that does not parse is left out and reported in the message text
    // (group 100 for 101 lines, 200 for 201, ...), so Validate or the caller can show why.
    void ReadInput(const std::string& fileName, const std::vector<std::string>* lines, int mode);

    // Runs the model checks; 0 when all pass, else the code of the last failed check. The message text
    // is rewritten (reader diagnostics of the last ReadInput are kept in front).
    int Validate();

    // Distance between the member's end nodes; 0 when the member or a node is missing.
    double MemberLength(int memberNumber) const;

    // Checks, prepares, assembles and solves every load case. Returns the status: 1 on success, the
    // check code or -1, -2, -31 (elimination) on failure, -703 for a coupling chain deeper than one level.
    int Solve();
    // Preparation and assembly steps, in the order Solve runs them.
    void ExpandReleases();
    void NumberEquations();
    void BuildElementTable();
    void AssembleStiffness();
    void AssembleLoadVectors();

    // Start and end coordinates (3 each) and length of an element-table entry; nothing for a bad index.
    void MemberGeometry(int element, double* start, double* end, double& length) const;
    // Index of the first node equation record of the node, -1 if none.
    int NodeEquationIndex(int nodeNumber) const;
    // Index of the first element-table record of the member, -1 if none.
    int ElementIndex(int memberNumber) const;
    // Position of the load case in the load-case list, -1 if absent.
    int LoadCaseIndex(int loadCaseNumber) const;

    // Results of the last successful Solve, in the member's local axes (12 end components). Samples:
    // displacement samples have 4 reals (t, u, v, w), section-force samples 7 (t, N, Vy, Vz, T, My, Mz);
    // the caller sets t (0 start .. 1 end); samples with t outside 0..1.00001 are left unchanged.
    void MemberDisplacements(int memberNumber, int loadCase, double* result, DOFvektori* samples = nullptr) const;
    void MemberForces(int memberNumber, int loadCase, double* result, DOFvektori* samples = nullptr) const;
    // Six reaction components of the support in global axes (forces, then moments).
    void SupportReaction(int supportNumber, int loadCase, double* result) const;
    // Six displacements of the node (global axes) in the load case, from the node equation table;
    // false when the node has no equations or the model is not solved.
    bool NodeDisplacements(int nodeNumber, int loadCase, double* result) const;

    // Sample arrays without a record table: sampleCount samples of stride doubles each (stride >= 4 or
    // >= 7), laid out as the sample records above. For the design calculation's hot loops.
    void MemberDisplacements(int memberNumber, int loadCase, double* result, double* samples, int sampleCount,
                             int stride) const;
    void MemberForces(int memberNumber, int loadCase, double* result, double* samples, int sampleCount,
                      int stride) const;

    // The parts of the model, in declaration order.
    FEM_ratkaisija Solver;
    CSVTiedosto InputText;
    CSVTiedosto MessageText;
    FEM_SolmuVektori Nodes;
    FEM_SauvaVektori Members;
    FEM_TuetVektori Supports;
    FEM_KuormaVektori Loads;
    FEM_MateriaaliVektori Materials;
    FEM_KytkennatVektori Couplings;
    // Integers: node number, six equation numbers (1-based: ux, uy, uz, rx, ry, rz), node index.
    DOFvektori NodeEquations;
    // Integers: member number, 12 equation numbers, member index, start and end node index, material
    // index, section index.
    DOFvektori Elements;
    // Band matrix: EquationCount rows of BandWidth doubles; empty when there is none.
    std::vector<double> Stiffness;
    // One vector of EquationCount doubles per load case (loads, then displacements after Solve).
    std::vector<std::vector<double>> LoadVectors;
    double PenaltyStiffness = 1.0e10;
    int EquationCount = 0;
    int BandWidth = 0;
    int LoadVectorCount = 0;
    int Status = 0;

private:
    // Per element values fixed by the last preparation, so that queries do not recompute them.
    struct ElementData {
        double L = 0.0;
        double axes[9] = {};
        double k[FEM_ratkaisija::kPackedSize] = {};  // local stiffness, packed
        double E = 0.0, A = 0.0, Iz = 0.0, Iy = 0.0;
        int eq[12] = {};
        int member = 0;
        int firstLoad = 0;  // range in memberLoads_ of the member's loads
        int loadCount = 0;
    };
    void RecordReadError(int group, int line, int code, const std::string& text);
    bool CheckCouplingDepth();
    void MemberLoadRange(const ElementData& e, int loadCase, int& from, int& count) const;
    // Element data of the member when the model can answer queries (not failed), else null.
    const ElementData* QueryElement(int memberNumber) const;
    void LocalEndDisplacements(const ElementData& e, int loadCase, double* result) const;
    void LocalEndForces(const ElementData& e, int loadCase, const double* d, double* result) const;

    std::vector<std::string> readErrors_;  // "group;message" pairs from the last ReadInput
    std::vector<int> readErrorGroups_;
    std::vector<ElementData> elementData_;
    std::vector<int> memberLoads_;             // load record indices grouped by element
    std::vector<std::pair<int, int>> elementByMember_;  // (member number, element index), sorted
    std::unordered_map<int, int> nodeEquationIndex_;    // node number -> first node equation record
};

}  // namespace kirvos
