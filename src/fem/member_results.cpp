// Results of a solved frame model: member end displacements and forces, values between the member ends
// and support reactions. Every query reads the state of the last Solve and changes nothing.
#include "fem/fem_model.h"

#include <algorithm>  // std::lower_bound

#include "fem/sample_table.h"

namespace kirvos {

int FEM_kaikki::ElementIndex(int memberNumber) const {
    const auto it = std::lower_bound(elementByMember_.begin(), elementByMember_.end(), memberNumber,
                                     [](const std::pair<int, int>& entry, int key) { return entry.first < key; });
    return (it != elementByMember_.end() && it->first == memberNumber) ? it->second : -1;
}

int FEM_kaikki::LoadCaseIndex(int loadCaseNumber) const {
    const std::vector<double>& cases = Loads.LoadCases().AllValues();
    const auto it = std::lower_bound(cases.begin(), cases.end(), static_cast<double>(loadCaseNumber));
    return (it != cases.end() && *it == loadCaseNumber) ? static_cast<int>(it - cases.begin()) : -1;
}

const FEM_kaikki::ElementData* FEM_kaikki::QueryElement(int memberNumber) const {
    if (Status < 0) return nullptr;
    const int element = ElementIndex(memberNumber);
    if (element < 0 || element >= static_cast<int>(elementData_.size())) return nullptr;
    return &elementData_[static_cast<std::size_t>(element)];
}

void FEM_kaikki::LocalEndDisplacements(const ElementData& e, int loadCase, double* result) const {
    for (int j = 0; j < 12; ++j) result[j] = 0.0;
    const int lc = LoadCaseIndex(loadCase);
    if (lc < 0 || lc >= LoadVectorCount || lc >= static_cast<int>(LoadVectors.size())) return;
    const std::vector<double>& u = LoadVectors[static_cast<std::size_t>(lc)];
    for (int j = 0; j < 12; ++j) {
        const int eq = e.eq[j] - 1;
        if (eq >= 0 && eq < static_cast<int>(u.size())) result[j] = u[static_cast<std::size_t>(eq)];
    }
    FEM_ratkaisija::TransformVector(result, e.axes, false, 12);
}

void FEM_kaikki::LocalEndForces(const ElementData& e, int loadCase, const double* d, double* result) const {
    // Forces the nodes exert on the member ends: k d minus the equivalent nodal forces of the member's loads.
    for (int r = 0; r < 12; ++r) {
        double sum = 0.0;
        for (int c = 0; c < 12; ++c) {
            const int index = r <= c ? FEM_ratkaisija::PackedIndex(r, c) : FEM_ratkaisija::PackedIndex(c, r);
            sum += e.k[index] * d[c];
        }
        result[r] = sum;
    }
    int from = 0;
    int count = 0;
    MemberLoadRange(e, loadCase, from, count);
    if (count == 0) return;
    double f[12];
    Loads.EquivalentNodalForces(memberLoads_.data() + e.firstLoad + from, count, e.member, loadCase, f, e.axes, e.L);
    for (int j = 0; j < 12; ++j) result[j] -= f[j];
}

void FEM_kaikki::MemberDisplacements(int memberNumber, int loadCase, double* result, double* samples,
                                     int sampleCount, int stride) const {
    for (int j = 0; j < 12; ++j) result[j] = 0.0;
    const ElementData* e = QueryElement(memberNumber);
    const int lc = LoadCaseIndex(loadCase);
    if (e == nullptr || lc < 0 || lc >= LoadVectorCount) return;
    LocalEndDisplacements(*e, loadCase, result);
    if (samples == nullptr || sampleCount <= 0) return;
    for (int s = 0; s < sampleCount; ++s) {
        FEM_ratkaisija::SampleDisplacement(result, samples + static_cast<std::size_t>(s) * stride, e->L);
    }
    int from = 0;
    int count = 0;
    MemberLoadRange(*e, loadCase, from, count);
    if (count == 0) return;
    Loads.AddLoadDeflections(memberLoads_.data() + e->firstLoad + from, count, e->member, loadCase, e->axes, e->L,
                             e->E, e->A, e->Iz, e->Iy, samples, sampleCount, stride);
}

void FEM_kaikki::MemberForces(int memberNumber, int loadCase, double* result, double* samples, int sampleCount,
                              int stride) const {
    for (int j = 0; j < 12; ++j) result[j] = 0.0;
    const ElementData* e = QueryElement(memberNumber);
    if (e == nullptr) return;
    double d[12];
    LocalEndDisplacements(*e, loadCase, d);
    LocalEndForces(*e, loadCase, d, result);
    if (samples == nullptr || sampleCount <= 0) return;
    for (int s = 0; s < sampleCount; ++s) {
        FEM_ratkaisija::SampleSectionForce(result, samples + static_cast<std::size_t>(s) * stride, e->L);
    }
    int from = 0;
    int count = 0;
    MemberLoadRange(*e, loadCase, from, count);
    if (count == 0) return;
    Loads.AddLoadSectionForces(memberLoads_.data() + e->firstLoad + from, count, e->member, loadCase, e->axes, e->L,
                               samples, sampleCount, stride);
}

void FEM_kaikki::MemberDisplacements(int memberNumber, int loadCase, double* result, DOFvektori* samples) const {
    if (samples == nullptr) {
        MemberDisplacements(memberNumber, loadCase, result, nullptr, 0, 4);
        return;
    }
    WithSampleArray(*samples, 4, [&](double* flat, int count, int stride) {
        MemberDisplacements(memberNumber, loadCase, result, flat, count, stride);
    });
}

void FEM_kaikki::MemberForces(int memberNumber, int loadCase, double* result, DOFvektori* samples) const {
    if (samples == nullptr) {
        MemberForces(memberNumber, loadCase, result, nullptr, 0, 7);
        return;
    }
    WithSampleArray(*samples, 7, [&](double* flat, int count, int stride) {
        MemberForces(memberNumber, loadCase, result, flat, count, stride);
    });
}

void FEM_kaikki::SupportReaction(int supportNumber, int loadCase, double* result) const {
    for (int j = 0; j < 6; ++j) result[j] = 0.0;
    if (Status < 0) return;
    int support = -1;
    for (int s = 0; s < Supports.Count() && support < 0; ++s) {
        if (Supports.Int(s, 0) == supportNumber) support = s;
    }
    if (support < 0) return;
    const int node = Supports.Int(support, 1);
    int flags[6];
    Supports.SupportFlags(node, flags);
    const int record = NodeEquationIndex(node);
    const int lc = LoadCaseIndex(loadCase);
    if (record < 0 || lc < 0 || lc >= LoadVectorCount) return;
    const std::vector<double>& u = LoadVectors[static_cast<std::size_t>(lc)];
    // The reaction is the force of the penalty spring on the node.
    for (int j = 0; j < 6; ++j) {
        const int eq = NodeEquations.Int(record, 1 + j) - 1;
        if (flags[j] == 1 && eq >= 0 && eq < static_cast<int>(u.size())) {
            result[j] = -PenaltyStiffness * u[static_cast<std::size_t>(eq)];
        }
    }
}

bool FEM_kaikki::NodeDisplacements(int nodeNumber, int loadCase, double* result) const {
    for (int j = 0; j < 6; ++j) result[j] = 0.0;
    const int record = NodeEquationIndex(nodeNumber);
    const int lc = LoadCaseIndex(loadCase);
    if (Status != 1 || record < 0 || lc < 0 || lc >= LoadVectorCount) return false;
    const std::vector<double>& u = LoadVectors[static_cast<std::size_t>(lc)];
    for (int j = 0; j < 6; ++j) {
        const int eq = NodeEquations.Int(record, 1 + j) - 1;
        if (eq >= 0 && eq < static_cast<int>(u.size())) result[j] = u[static_cast<std::size_t>(eq)];
    }
    return true;
}

}  // namespace kirvos
