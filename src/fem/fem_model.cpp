// Reading the frame model from its input text and checking it.
#include "fem/fem_model.h"

#include <cmath>          // std::sqrt
#include <cstdio>         // std::snprintf
#include <cstdlib>        // std::abs
#include <unordered_map>

namespace kirvos {

namespace {

bool ValidCode(int code) { return code >= kCodeMin && code <= kCodeMax; }

// Distance between two node records (indices), or 0 when either is missing.
double NodeDistance(const FEM_SolmuVektori& nodes, int start, int end) {
    if (start < 0 || end < 0) return 0.0;
    double sum = 0.0;
    for (int j = 0; j < 3; ++j) {
        const double d = nodes.Real(end, j) - nodes.Real(start, j);
        sum += d * d;
    }
    return std::sqrt(sum);
}

// Number -> index of the first record with that number (integer field 0), and how many records carry it.
struct NumberIndex {
    std::unordered_map<int, int> first;
    std::unordered_map<int, int> count;

    explicit NumberIndex(const DOFvektori& table) {
        first.reserve(static_cast<std::size_t>(table.Count()) * 2);
        for (int i = 0; i < table.Count(); ++i) {
            const int number = table.Int(i, 0);
            first.emplace(number, i);
            ++count[number];
        }
    }
    int Find(int number) const {
        const auto it = first.find(number);
        return it == first.end() ? -1 : it->second;
    }
    int Count(int number) const {
        const auto it = count.find(number);
        return it == count.end() ? 0 : it->second;
    }
};

}  // namespace

FEM_kaikki::FEM_kaikki() : NodeEquations(20, 20), Elements(20, 20) {
    NodeEquations.DefineFields(0, 8, 0);
    Elements.DefineFields(0, 18, 0);
}

void FEM_kaikki::RecordReadError(int group, int line, int code, const std::string& text) {
    char head[64];
    std::snprintf(head, sizeof head, "%d, rivi %d: pal=%d (", group, line, code);
    const int messageGroup = (group / 100) * 100;
    std::string message = head + text + ")";
    MessageText.AppendLine(messageGroup, message);
    readErrorGroups_.push_back(messageGroup);
    readErrors_.push_back(std::move(message));
}

void FEM_kaikki::ReadInput(const std::string& fileName, const std::vector<std::string>* lines, int mode) {
    if (fileName.size() > 1) {
        InputText.Clear();
        InputText.LoadFile(fileName);
    } else if (lines != nullptr) {
        InputText.Clear();
        InputText.Assign(*lines);
    }
    MessageText.Clear();
    readErrors_.clear();
    readErrorGroups_.clear();

    struct Target {
        int group;
        DOFvektori* table;
    };
    const Target targets[] = {{101, &Nodes},     {201, &Members},   {301, &Supports}, {401, &Loads},
                              {501, &Materials}, {601, &Materials}, {701, &Couplings}};
    for (const Target& target : targets) {
        auto empty = [&] {
            switch (target.group) {
            case 401: Loads.ClearLoads(); break;
            case 501: Materials.RemoveGroup(1); break;
            case 601: Materials.RemoveGroup(2); break;
            default: target.table->Clear(); break;
            }
        };
        if (mode == 1) empty();
        const int count = InputText.LineCount(target.group);
        if (count <= 0) continue;
        empty();
        for (int n = 1; n <= count; ++n) {
            const std::string line = InputText.Line(target.group, n);
            if (line.size() < 2) continue;
            const int result = target.table->ReadLine(line);
            if (result < 0) RecordReadError(target.group, n, result, line);
        }
    }
}

double FEM_kaikki::MemberLength(int memberNumber) const {
    const int member = Members.FindMember(memberNumber);
    if (member < 0) return 0.0;
    return NodeDistance(Nodes, Nodes.FindNode(Members.Int(member, 1)), Nodes.FindNode(Members.Int(member, 2)));
}

int FEM_kaikki::Validate() {
    MessageText.Clear();
    // The reader's notes on lines it left out stay in front of the check messages.
    for (std::size_t i = 0; i < readErrors_.size(); ++i) MessageText.AppendLine(readErrorGroups_[i], readErrors_[i]);

    int result = 0;
    auto fail = [&](int group, const char* message, int code) {
        MessageText.AppendLine(group, message);
        result = code;
    };

    // Lookups by number return the first record with the number, as the Find operations do.
    const NumberIndex nodes(Nodes);
    const NumberIndex members(Members);
    const NumberIndex supports(Supports);

    // 1-2: nodes. Every ordered pair of equal numbers is reported, so a pair gives two messages.
    for (int i = 0; i < Nodes.Count(); ++i) {
        for (int k = nodes.Count(Nodes.Int(i, 0)) - 1; k > 0; --k) fail(100, "Päällekkäisiä solmunumeroita", -101);
    }
    if (Nodes.Count() < 2) fail(100, "Solmuja liian vähän (< 2)", -102);

    // 3-11: members.
    auto length = [&](int memberNumber) {
        const int member = members.Find(memberNumber);
        if (member < 0) return 0.0;
        return NodeDistance(Nodes, nodes.Find(Members.Int(member, 1)), nodes.Find(Members.Int(member, 2)));
    };
    for (int i = 0; i < Members.Count(); ++i) {
        const int number = Members.Int(i, 0);
        for (int k = members.Count(number) - 1; k > 0; --k) fail(200, "Päällekkäisiä sauvanumeroita", -201);
        if (nodes.Find(Members.Int(i, 1)) < 0) fail(200, "Sauvan alkusolmun numero virheellinen", -202);
        if (nodes.Find(Members.Int(i, 2)) < 0) fail(200, "Sauvan loppusolmun numero virheellinen", -202);
        if (Materials.FindEntry(1, Members.Int(i, 3)) < 0) fail(200, "Sauvan materiaalin numero virheellinen", -203);
        if (Materials.FindEntry(2, Members.Int(i, 4)) < 0) fail(200, "Sauvan profiilin numero virheellinen", -204);
        if (!ValidCode(Members.Int(i, 5))) fail(200, "Sauvan vapautusmerkintä virheellinen", -205);
        if (!ValidCode(Members.Int(i, 6))) fail(200, "Sauvan vapautusmerkintä virheellinen", -205);
        if (!(length(number) > 0.0)) fail(200, "Sauvan pituus = 0", -206);
    }
    if (Members.Count() < 1) fail(200, "Sauvoja liian vähän (<1)", -207);

    // 12-15: supports.
    for (int i = 0; i < Supports.Count(); ++i) {
        for (int k = supports.Count(Supports.Int(i, 0)) - 1; k > 0; --k) fail(300, "Päällekkäisiä tukinumeroita", -301);
        if (nodes.Find(Supports.Int(i, 1)) < 0) fail(300, "Tuen solmunumero virheellinen", -302);
        if (!ValidCode(Supports.Int(i, 2))) fail(300, "Tuen tuentamerkintä virheellinen", -305);
    }
    if (Supports.Count() < 1) fail(300, "Tuentoja liian vähän", -306);

    // 16-22: loads.
    for (int i = 0; i < Loads.Count(); ++i) {
        const int kind = Loads.Int(i, 2);
        const int type = Loads.Int(i, 3);
        const int target = Loads.Int(i, 4);
        const int direction = Loads.Int(i, 5);
        if (kind != 1 && kind != 2) fail(400, "Tuntematon kuormalaji (ei solmu/elementtikuorma)", -401);
        if (type < 1 || type > 3) fail(400, "Tuntematon kuormatyyppi (ei piste,viiva tai trapetsi)", -402);
        if (kind == 1 && nodes.Find(target) < 0) fail(400, "Kuorman solmunumero väärin", -403);
        if (kind == 2 && members.Find(target) < 0) fail(400, "Kuorman elementtinumero väärin", -404);
        if (kind == 1 && (direction < 1 || direction > 6)) fail(400, "Solmukuorman suunta väärin (oltava 1-6)", -405);
        if (kind == 2 && (std::abs(direction) < 1 || std::abs(direction) > 6)) {
            fail(400, "Elementtikuorman suunta väärin (oltava (+-)1-6)", -406);
        }
    }
    if (Loads.Count() < 1) fail(400, "Kuormia liian vähän (<1)", -407);

    // 23-24: materials and sections.
    if (Materials.CountGroup(1) < 1) fail(500, "Materiaaleja ei ole määritelty", -501);
    if (Materials.CountGroup(2) < 1) fail(600, "Sauvojen profiileja ei ole määritelty", -601);

    // 25-27: couplings.
    for (int i = 0; i < Couplings.Count(); ++i) {
        if (nodes.Find(Couplings.Int(i, 1)) < 0) fail(700, "Kytkennän solmunumero väärin", -701);
        if (nodes.Find(Couplings.Int(i, 2)) < 0) fail(700, "Kytkennän solmunumero väärin", -701);
        if (!ValidCode(Couplings.Int(i, 3))) fail(700, "Kytkennän tuentamerkinta virheellinen", -702);
    }
    return result;
}

}  // namespace kirvos
