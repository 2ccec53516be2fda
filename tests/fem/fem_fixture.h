#pragma once
// Small builders for frame models in the input text format, shared by the frame model tests.

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "fem/fem_model.h"

namespace kirvos::test {

// E = 210000 N/mm², G = 81000 N/mm²; section 1: Iz = Iy = 1e6 mm⁴, It = 1000 mm⁴, A = 1000 mm².
inline constexpr double kE = 210000.0;
inline constexpr double kI = 1.0e6;
inline constexpr double kA = 1000.0;

struct ModelText {
    std::vector<std::string> nodes, members, supports, loads, couplings;
    std::vector<std::string> materials{"1;1;210000;81000;1;1;1;1;1;1;1;1"};
    std::vector<std::string> sections{"2;1;1000000;1000000;1000;1000;0;0;0;0;0;0"};

    ModelText& Node(int n, double x, double y = 0.0) {
        char line[96];
        std::snprintf(line, sizeof line, "%d;%.6f;%.6f;0", n, x, y);
        nodes.push_back(line);
        return *this;
    }
    ModelText& Member(int n, int a, int b, int startCode = 6111111, int endCode = 6111111) {
        members.push_back(std::to_string(n) + ";" + std::to_string(a) + ";" + std::to_string(b) + ";1;1;" +
                          std::to_string(startCode) + ";" + std::to_string(endCode) + ";0;0;0");
        return *this;
    }
    ModelText& Support(int n, int node, int code) {
        supports.push_back(std::to_string(n) + ";" + std::to_string(node) + ";" + std::to_string(code));
        return *this;
    }
    // kind 2 member load or kind 1 node load: "number;case;kind;type;target;direction;v1;v2;a;b".
    ModelText& Load(int n, int loadCase, int kind, int type, int target, int direction, double v1, double v2 = 0.0,
                    double a = 0.0, double b = 0.0) {
        char line[160];
        std::snprintf(line, sizeof line, "%d;%d;%d;%d;%d;%d;%.9g;%.9g;%.9g;%.9g", n, loadCase, kind, type, target,
                      direction, v1, v2, a, b);
        loads.push_back(line);
        return *this;
    }
    ModelText& Coupling(int n, int dependent, int master, int code = 6111110) {
        couplings.push_back(std::to_string(n) + ";" + std::to_string(dependent) + ";" + std::to_string(master) + ";" +
                            std::to_string(code));
        return *this;
    }
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        auto group = [&](int number, const std::vector<std::string>& lines) {
            out.push_back("[ ==== " + std::to_string(number) + " ==== ]");
            out.insert(out.end(), lines.begin(), lines.end());
        };
        group(101, nodes);
        group(201, members);
        group(301, supports);
        group(401, loads);
        group(501, materials);
        group(601, sections);
        group(701, couplings);
        out.push_back("[ ==== 999 ==== ]");
        return out;
    }
};

// Beam along x with nodes 1..spans+1 at multiples of L, members 1..spans, every node held in x and y
// ("6111110" at the first node, "6011110" elsewhere so that the beam carries no axial force).
inline ModelText ContinuousBeam(int spans, double L) {
    ModelText m;
    for (int i = 0; i <= spans; ++i) m.Node(i + 1, i * L);
    for (int i = 1; i <= spans; ++i) m.Member(i, i, i + 1);
    for (int i = 0; i <= spans; ++i) m.Support(i + 1, i + 1, i == 0 ? 6111110 : 6011110);
    return m;
}

inline void Load(FEM_kaikki& model, const ModelText& text) {
    const std::vector<std::string> lines = text.Lines();
    model.ReadInput("", &lines, 1);
}

// Group's message lines in order.
inline std::vector<std::string> Messages(const FEM_kaikki& model, int group) {
    std::vector<std::string> out;
    for (int n = 1; n <= model.MessageText.LineCount(group); ++n) out.push_back(model.MessageText.Line(group, n));
    return out;
}

// Section forces (t, N, Vy, Vz, T, My, Mz) of a member at one position.
struct Section {
    double t, N, Vy, Vz, T, My, Mz;
};
inline Section SectionAt(const FEM_kaikki& model, int member, int loadCase, double t) {
    double s[7] = {t, 0, 0, 0, 0, 0, 0};
    double f[12];
    model.MemberForces(member, loadCase, f, s, 1, 7);
    return {s[0], s[1], s[2], s[3], s[4], s[5], s[6]};
}
// Displacements (t, u, v, w) of a member at one position.
inline std::vector<double> DeflectionAt(const FEM_kaikki& model, int member, int loadCase, double t) {
    std::vector<double> s{t, 0, 0, 0};
    double d[12];
    model.MemberDisplacements(member, loadCase, d, s.data(), 1, 4);
    return s;
}

}  // namespace kirvos::test
