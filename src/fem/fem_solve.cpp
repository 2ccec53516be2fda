// Preparing, assembling and solving the frame model.
#include "fem/fem_model.h"

#include <algorithm>      // std::min, std::max, std::stable_sort
#include <cmath>          // std::fabs
#include <cstdio>         // std::snprintf
#include <unordered_map>
#include <unordered_set>

namespace kirvos {

namespace {

// Section values (reals of a kind-2 record): Iz, Iy, It, A, extra roll angle.
enum SectionValue { kIz = 0, kIy = 1, kIt = 2, kArea = 3, kRoll = 4 };
// Material values: E, G.
enum MaterialValue { kE = 0, kG = 1 };

void AppendSolverMessage(CSVTiedosto& text, const char* format, int status) {
    char message[96];
    std::snprintf(message, sizeof message, format, status);
    text.AppendLine(kSolverMessageGroup, message);
}

}  // namespace

int FEM_kaikki::Solve() {
    Status = 0;
    Status = Validate();
    if (Status >= 0) {
        ExpandReleases();
        NumberEquations();
        if (!CheckCouplingDepth()) {
            Status = -703;
            return Status;
        }
        BuildElementTable();
        AssembleStiffness();
        AssembleLoadVectors();
    }
    if (Stiffness.empty() || LoadVectors.empty() || EquationCount <= 0 || BandWidth <= 0 || LoadVectorCount <= 0) {
        return Status;
    }
    if (Status < 0) return Status;

    std::vector<double*> vectors(LoadVectors.size());
    for (std::size_t i = 0; i < LoadVectors.size(); ++i) vectors[i] = LoadVectors[i].data();

    Status = FEM_ratkaisija::Decompose(Stiffness.data(), EquationCount, BandWidth);
    if (Status < 0) {
        AppendSolverMessage(MessageText, "Gaussin eliminoinnissa virhe (%d)", Status);
        return Status;
    }
    Status = FEM_ratkaisija::ForwardReduce(Stiffness.data(), vectors.data(), EquationCount, BandWidth,
                                           LoadVectorCount);
    if (Status < 0) {
        AppendSolverMessage(MessageText, "Taaksepäin sijoituksessa virhe (%d)", Status);
        return Status;
    }
    Status = FEM_ratkaisija::BackSubstitute(Stiffness.data(), vectors.data(), EquationCount, BandWidth,
                                            LoadVectorCount);
    if (Status < 0) AppendSolverMessage(MessageText, "Siirtymien ratkaisussa virhe (%d)", Status);
    return Status;
}

void FEM_kaikki::ExpandReleases() {
    Nodes.RemoveGeneratedNodes();
    Couplings.RemoveGeneratedCouplings();
    Members.RestoreEndNodes(kGeneratedNumberThreshold);
    // A released member end gets its own node at the same place, tied to the original node by a coupling
    // whose flags are the release code: 1 shares the degree of freedom, 0 leaves it free.
    for (int m = 0; m < Members.Count(); ++m) {
        for (int end = 0; end < 2; ++end) {
            int code = 0;
            if (Members.EndRelease(m, end, code) != 1 || Nodes.Count() <= 0) continue;
            const int node = Members.Int(m, 1 + end);
            const int generated = Nodes.DuplicateNode(node);
            if (generated > 0) {
                Couplings.AddGeneratedCoupling(generated, node, code);
                Members.ReplaceEndNode(m, end, generated);
            }
        }
    }
}

void FEM_kaikki::NumberEquations() {
    NodeEquations.Clear();
    nodeEquationIndex_.clear();
    std::unordered_set<int> dependents;
    std::unordered_map<int, std::vector<int>> couplingsByMaster;
    for (int c = 0; c < Couplings.Count(); ++c) {
        dependents.insert(Couplings.Int(c, 1));
        couplingsByMaster[Couplings.Int(c, 2)].push_back(c);
    }
    std::unordered_map<int, int> nodeIndex;
    for (int i = 0; i < Nodes.Count(); ++i) nodeIndex.emplace(Nodes.Int(i, 0), i);

    int counter = 0;
    auto addRecord = [&](int number, const int* equations, int nodeIndexValue) {
        int fields[8] = {number, equations[0], equations[1], equations[2], equations[3], equations[4], equations[5],
                         nodeIndexValue};
        const int position = NodeEquations.Add(nullptr, nullptr, fields);
        nodeEquationIndex_.emplace(number, position);
    };
    for (int i = 0; i < Nodes.Count(); ++i) {
        const int number = Nodes.Int(i, 0);
        if (nodeEquationIndex_.count(number) != 0 || dependents.count(number) != 0) continue;
        int own[6];
        for (int j = 0; j < 6; ++j) own[j] = ++counter;
        addRecord(number, own, i);
        // Dependents of this node share its equations where the coupling flag is 1. Couplings are followed
        // one level deep: a dependent of a dependent is not reached from here.
        const auto masters = couplingsByMaster.find(number);
        if (masters == couplingsByMaster.end()) continue;
        for (const int c : masters->second) {
            int flags[6];
            const int dependent = Couplings.DependentOf(number, c, flags);
            if (dependent < 0 || nodeEquationIndex_.count(dependent) != 0) continue;
            int shared[6];
            for (int j = 0; j < 6; ++j) shared[j] = flags[j] == 1 ? own[j] : ++counter;
            const auto found = nodeIndex.find(dependent);
            addRecord(dependent, shared, found == nodeIndex.end() ? -1 : found->second);
        }
    }
    EquationCount = counter;
}

bool FEM_kaikki::CheckCouplingDepth() {
    // A dependent node that got no equations stands on a chain of couplings (or a cycle); the members on it
    // would drop out of the model, so the model is refused instead of being solved without them.
    bool ok = true;
    for (int c = 0; c < Couplings.Count(); ++c) {
        const int dependent = Couplings.Int(c, 1);
        if (NodeEquationIndex(dependent) >= 0) continue;
        char message[128];
        std::snprintf(message, sizeof message, "Kytkennän isäntäsolmu on itse kytketty solmu (solmu %d)",
                      dependent >= kGeneratedNumberThreshold ? Couplings.Int(c, 2) : dependent);
        MessageText.AppendLine(700, message);
        ok = false;
    }
    return ok;
}

void FEM_kaikki::BuildElementTable() {
    Elements.Clear();
    elementData_.clear();
    memberLoads_.clear();
    elementByMember_.clear();

    std::unordered_map<int, int> nodeIndex;
    for (int i = 0; i < Nodes.Count(); ++i) nodeIndex.emplace(Nodes.Int(i, 0), i);
    // The element takes the last node equation record of each of its nodes.
    std::unordered_map<int, int> lastEquations;
    for (int r = 0; r < NodeEquations.Count(); ++r) lastEquations[NodeEquations.Int(r, 0)] = r;
    // Member loads by member number, in vector order (so ascending load case).
    std::unordered_map<int, std::vector<int>> loadsByMember;
    for (int r = 0; r < Loads.Count(); ++r) {
        if (Loads.Int(r, 2) == 2) loadsByMember[Loads.Int(r, 4)].push_back(r);
    }
    auto find = [](const std::unordered_map<int, int>& map, int key) {
        const auto it = map.find(key);
        return it == map.end() ? -1 : it->second;
    };

    for (int m = 0; m < Members.Count(); ++m) {
        const int number = Members.Int(m, 0);
        const int startNode = find(nodeIndex, Members.Int(m, 1));
        const int endNode = find(nodeIndex, Members.Int(m, 2));
        const int material = Materials.FindEntry(1, Members.Int(m, 3));
        const int section = Materials.FindEntry(2, Members.Int(m, 4));
        const int startEq = find(lastEquations, Members.Int(m, 1));
        const int endEq = find(lastEquations, Members.Int(m, 2));
        if (startEq < 0 || endEq < 0) continue;
        int fields[18];
        fields[0] = number;
        for (int j = 0; j < 6; ++j) {
            fields[1 + j] = NodeEquations.Int(startEq, 1 + j);
            fields[7 + j] = NodeEquations.Int(endEq, 1 + j);
        }
        fields[13] = m;
        fields[14] = startNode;
        fields[15] = endNode;
        fields[16] = material;
        fields[17] = section;
        const int position = Elements.Add(nullptr, nullptr, fields);

        ElementData data;
        data.member = number;
        for (int j = 0; j < 12; ++j) data.eq[j] = fields[1 + j];
        double start[3];
        double end[3];
        MemberGeometry(position, start, end, data.L);
        const double roll = Members.Real(m, 0) + Materials.Real(section, kRoll);
        FEM_ratkaisija::DirectionCosines(data.axes, start, end, roll);
        data.E = Materials.Real(material, kE);
        data.A = Materials.Real(section, kArea);
        data.Iz = Materials.Real(section, kIz);
        data.Iy = Materials.Real(section, kIy);
        FEM_ratkaisija::ElementStiffness(data.k, data.Iz, data.Iy, Materials.Real(section, kIt), data.A, data.E,
                                         Materials.Real(material, kG), data.L);
        data.firstLoad = static_cast<int>(memberLoads_.size());
        const auto loads = loadsByMember.find(number);
        if (loads != loadsByMember.end()) {
            memberLoads_.insert(memberLoads_.end(), loads->second.begin(), loads->second.end());
        }
        data.loadCount = static_cast<int>(memberLoads_.size()) - data.firstLoad;
        elementData_.push_back(data);
        elementByMember_.emplace_back(number, position);
    }
    std::stable_sort(elementByMember_.begin(), elementByMember_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

void FEM_kaikki::AssembleStiffness() {
    int band = 0;
    for (const ElementData& e : elementData_) {
        const auto [lo, hi] = std::minmax_element(e.eq, e.eq + 12);
        band = std::max(band, *hi - *lo);
    }
    BandWidth = elementData_.empty() ? 0 : band + 1;
    const int n = EquationCount;
    const int b = BandWidth;
    const long size = static_cast<long>(n) * b;
    Stiffness.assign(size > 0 ? static_cast<std::size_t>(size) : 0, 0.0);
    if (size <= 0) return;

    double k[FEM_ratkaisija::kPackedSize];
    for (const ElementData& e : elementData_) {
        std::copy(e.k, e.k + FEM_ratkaisija::kPackedSize, k);
        FEM_ratkaisija::TransformStiffness(k, e.axes);
        for (int j = 0; j < 12; ++j) {
            for (int l = j; l < 12; ++l) {
                const int r = std::min(e.eq[j], e.eq[l]) - 1;
                const int c = std::max(e.eq[j], e.eq[l]) - 1;
                const long index = static_cast<long>(r) * b + (c - r);
                if (index < 0 || index >= size) continue;
                double value = k[FEM_ratkaisija::PackedIndex(j, l)];
                // Two different member freedoms on one equation (coupled together) meet on the diagonal
                // from both sides of the symmetric matrix.
                if (j != l && r == c) value *= 2.0;
                Stiffness[static_cast<std::size_t>(index)] += value;
            }
        }
    }

    double largest = 0.0;
    for (int i = 0; i < n; ++i) largest = std::max(largest, Stiffness[static_cast<std::size_t>(i) * b]);
    PenaltyStiffness = 1.0e10 * largest;

    // Supports are stiff springs on the diagonal, which keeps the numbering and the band.
    for (int s = 0; s < Supports.Count(); ++s) {
        const int node = Supports.Int(s, 1);
        int flags[6];
        Supports.SupportFlags(node, flags);
        const int record = NodeEquationIndex(node);
        if (record < 0) continue;
        for (int j = 0; j < 6; ++j) {
            if (flags[j] != 1) continue;
            const int eq = NodeEquations.Int(record, 1 + j) - 1;
            if (eq >= 0 && eq < n) Stiffness[static_cast<std::size_t>(eq) * b] += PenaltyStiffness;
        }
    }
    // A freedom without any stiffness takes a displacement equal to its load instead of stopping the solve.
    for (int i = 0; i < n; ++i) {
        double& d = Stiffness[static_cast<std::size_t>(i) * b];
        if (d == 0.0) d = 1.0;
    }
}

void FEM_kaikki::AssembleLoadVectors() {
    LoadVectors.clear();
    LoadVectorCount = Loads.CollectLoadCases(1);
    const int n = EquationCount;
    LoadVectors.assign(static_cast<std::size_t>(LoadVectorCount), std::vector<double>(n > 0 ? n : 0, 0.0));
    if (n <= 0) return;
    const DOFlukuvektori& cases = Loads.LoadCases();

    // Node loads: per node the six sums of its point loads, added to the node's equations.
    std::unordered_map<int, std::vector<int>> nodeLoads;
    for (int r = 0; r < Loads.Count(); ++r) {
        if (Loads.Int(r, 2) == 1 && Loads.Int(r, 3) == 1) nodeLoads[Loads.Int(r, 4)].push_back(r);
    }
    for (int lc = 0; lc < LoadVectorCount; ++lc) {
        const int loadCase = static_cast<int>(cases.Value(lc));
        std::vector<double>& F = LoadVectors[static_cast<std::size_t>(lc)];
        for (int rec = 0; rec < NodeEquations.Count(); ++rec) {
            const auto loads = nodeLoads.find(NodeEquations.Int(rec, 0));
            if (loads == nodeLoads.end()) continue;
            double sums[6] = {};
            for (const int r : loads->second) {
                const int d = Loads.Int(r, 5);
                if (Loads.Int(r, 1) == loadCase && d >= 1 && d <= 6) sums[d - 1] += Loads.Real(r, 0);
            }
            for (int j = 0; j < 6; ++j) {
                const int eq = NodeEquations.Int(rec, 1 + j) - 1;
                if (eq >= 0 && eq < n) F[static_cast<std::size_t>(eq)] += sums[j];
            }
        }
    }

    // Member loads: equivalent nodal forces, rotated to global axes, on the member's current end nodes.
    for (const ElementData& e : elementData_) {
        if (e.loadCount == 0) continue;
        const int* records = memberLoads_.data() + e.firstLoad;
        for (int lc = 0; lc < LoadVectorCount; ++lc) {
            const int loadCase = static_cast<int>(cases.Value(lc));
            int from = 0;
            int count = 0;
            MemberLoadRange(e, loadCase, from, count);
            if (count == 0) continue;
            double f[12];
            Loads.EquivalentNodalForces(records + from, count, e.member, loadCase, f, e.axes, e.L);
            FEM_ratkaisija::TransformVector(f, e.axes, true, 12);
            std::vector<double>& F = LoadVectors[static_cast<std::size_t>(lc)];
            for (int j = 0; j < 12; ++j) {
                const int eq = e.eq[j] - 1;
                if (eq >= 0 && eq < n) F[static_cast<std::size_t>(eq)] += f[j];
            }
        }
    }
}

void FEM_kaikki::MemberLoadRange(const ElementData& e, int loadCase, int& from, int& count) const {
    // The member's loads are in vector order, so ascending load case: find the run of this load case.
    const int* records = memberLoads_.data() + e.firstLoad;
    int lo = 0;
    int hi = e.loadCount;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (Loads.Int(records[mid], 1) < loadCase) lo = mid + 1; else hi = mid;
    }
    int end = lo;
    while (end < e.loadCount && Loads.Int(records[end], 1) == loadCase) ++end;
    from = lo;
    count = end - lo;
}

void FEM_kaikki::MemberGeometry(int element, double* start, double* end, double& length) const {
    if (element < 0 || element >= Elements.Count()) return;
    const int s = Elements.Int(element, 14);
    const int e = Elements.Int(element, 15);
    double sum = 0.0;
    for (int j = 0; j < 3; ++j) {
        start[j] = Nodes.Real(s, j);
        end[j] = Nodes.Real(e, j);
        sum += (end[j] - start[j]) * (end[j] - start[j]);
    }
    length = std::sqrt(sum);
}

int FEM_kaikki::NodeEquationIndex(int nodeNumber) const {
    const auto it = nodeEquationIndex_.find(nodeNumber);
    return it == nodeEquationIndex_.end() ? -1 : it->second;
}

}  // namespace kirvos
