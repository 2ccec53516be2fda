#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "design/element_builder.h"
#include "design/model_text.h"
#include "design_fixture.h"
#include "records/sectioned_text.h"

namespace kirvos {
namespace {

using testing::AddPart;
using testing::MakeModel;
using testing::ProgramFolder;
using testing::SetSpans;

struct Element {
    int number, part, start, end, startPartner, endPartner;
    double x0, x1;
    bool operator==(const Element&) const = default;
};

std::vector<Element> Elements(const KAIKKI_data& m) {
    std::vector<Element> out;
    for (int i = 0; i < m.Elements.Count(); ++i) {
        out.push_back({m.Elements.Int(i, 0), m.Elements.Int(i, 1), m.Elements.Int(i, 2), m.Elements.Int(i, 3),
                       m.Elements.Int(i, 4), m.Elements.Int(i, 5), m.Elements.Real(i, 0), m.Elements.Real(i, 1)});
    }
    return out;
}

std::vector<std::string> Group(const std::vector<std::string>& lines, int group) {
    CSVTiedosto text;
    text.Assign(lines);
    std::vector<std::string> out;
    for (int n = 1; n <= text.LineCount(group); ++n) out.push_back(text.Line(group, n));
    return out;
}

TEST(ModelGeneration, OneSpanOnePart) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    SetSpans(*model, {0, 6000, 0});
    AddPart(*model, 1, 1, 0, 0, 6000);
    BuildElements(*model);
    EXPECT_EQ(Elements(*model), (std::vector<Element>{{1, 1, 1, 2, 0, 0, 0, 6000}}));
    EXPECT_EQ(model->Elements.Breakpoints.AllValues(), (std::vector<double>{0, 6000}));

    std::vector<std::string> lines{"old"};
    WriteModelText(*model, lines);
    EXPECT_EQ(Group(lines, 101), (std::vector<std::string>{"1;0.000;0;0", "2;6000.000;0;0"}));
    EXPECT_EQ(Group(lines, 201), (std::vector<std::string>{"1;1;2;1;1;6111111;6111111;0;0;0"}));
    EXPECT_EQ(Group(lines, 301), (std::vector<std::string>{"1;1;6111110", "2;2;6111110"}));
    // Self weight 5 kg/m2 = 0.04905 kN/m2 on the 1 m strip.
    EXPECT_EQ(Group(lines, 401), (std::vector<std::string>{"1;1;2;3;1;2;-0.04905;-0.04905;0.000;6000.000"}));
    EXPECT_EQ(Group(lines, 501), (std::vector<std::string>{"1;1;210000.0;80000.0;1;1;1;1;1;1;1;1"}));
    EXPECT_EQ(Group(lines, 601),
              (std::vector<std::string>{"2;1;180000.0;180000.0;180000.0;1000.0;0.0;1000.0;1000.0;0;0;0"}));
    CSVTiedosto text;
    text.Assign(lines);
    EXPECT_FALSE(text.HasGroup(701));
    EXPECT_EQ(lines.back(), "[ ==== 999 ==== ]");
}

TEST(ModelGeneration, LongSupportPieceOverlapsWithPartnersAndSharedLoads) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    SetSpans(*model, {0, 5000, 5000, 0});
    model->Supports.SetInt(1, 0, 2);  // long support piece of 1000 mm over the middle support
    model->Supports.SetReal(1, 1, 1000);
    AddPart(*model, 1, 1, 0, 0, 10000);
    AddPart(*model, 2, 1, 0, 4500, 5500, PiirtoOsatVektori::kSupportPiece);
    model->Loads.DeadLoad = 1.0;
    BuildElements(*model);
    EXPECT_EQ(model->Elements.Breakpoints.AllValues(), (std::vector<double>{0, 4525, 5000, 5475, 10000}));
    EXPECT_EQ(Elements(*model), (std::vector<Element>{{1, 1, 1, 2, 0, 0, 0, 4525},
                                                      {2, 1, 2, 3, 0, 0, 4525, 5000},
                                                      {3, 1, 3, 4, 0, 0, 5000, 5475},
                                                      {4, 1, 4, 5, 0, 0, 5475, 10000},
                                                      {5, 2, 6, 7, 2, 3, 4525, 5000},
                                                      {6, 2, 7, 8, 3, 4, 5000, 5475}}));
    std::vector<std::string> lines;
    WriteModelText(*model, lines);
    EXPECT_EQ(Group(lines, 701), (std::vector<std::string>{"1;6;2;6111110", "2;7;3;6111110", "3;8;4;6111110"}));
    // The support at 5000 stands on the sheet's own node, not on the coupled piece.
    EXPECT_EQ(Group(lines, 301), (std::vector<std::string>{"1;1;6111110", "2;3;6111110", "3;5;6111110"}));
    // Dead load: the overlapped stretches carry half each in both parallel elements.
    std::vector<std::string> dead;
    for (const std::string& l : Group(lines, 401)) {
        if (l.find(";2;2;3;") != std::string::npos) dead.push_back(l);
    }
    EXPECT_EQ(dead, (std::vector<std::string>{"7;2;2;3;1;2;-1.00000;-1.00000;0.000;4525.000",
                                              "8;2;2;3;2;2;-0.50000;-0.50000;0.000;475.000",
                                              "9;2;2;3;5;2;-0.50000;-0.50000;0.000;475.000",
                                              "10;2;2;3;3;2;-0.50000;-0.50000;0.000;475.000",
                                              "11;2;2;3;6;2;-0.50000;-0.50000;0.000;475.000",
                                              "12;2;2;3;4;2;-1.00000;-1.00000;0.000;4525.000"}));
}

TEST(ModelGeneration, SnowLoadCaseNumbersFollowTheSpansThatExist) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    model->Loads.SnowLoad = 2.0;
    model->Loads.SnowShapeFactor = 1.0;
    struct Case {
        std::vector<double> spans;
        std::vector<std::string> expected;  // load case and element of each snow line
    };
    const Case cases[] = {
        {{0, 4000, 4000, 0}, {"101;1", "102;2"}},
        {{1200, 4000, 4000, 0}, {"101;1", "102;2", "103;3"}},
        {{0, 4000, 4000, 800}, {"101;1", "102;2", "103;3"}},
    };
    for (const Case& c : cases) {
        SetSpans(*model, c.spans);
        model->SheetParts.Clear();
        AddPart(*model, 1, 1, 0, 0, model->Spans.TotalLength());
        BuildElements(*model);
        std::vector<std::string> lines;
        WriteModelText(*model, lines);
        std::vector<std::string> snow;
        for (const std::string& l : Group(lines, 401)) {
            const auto parts = l.substr(l.find(';') + 1);
            if (parts.rfind("1", 0) == 0 && parts[1] != ';') {
                const std::string loadCase = parts.substr(0, parts.find(';'));
                const std::string rest = parts.substr(parts.find(";2;3;") + 5);
                snow.push_back(loadCase + ";" + rest.substr(0, rest.find(';')));
            }
        }
        EXPECT_EQ(snow, c.expected);
    }
}

TEST(ModelGeneration, SlopeAndAdditionalLoads) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    SetSpans(*model, {0, 6000, 0});
    // Divisions at 25 and 5975 from a long piece over each end support (80 - 60 / 2 - 25 = 25).
    for (int k : {0, 1}) {
        model->Supports.SetInt(k, 0, 2);
        model->Supports.SetReal(k, 1, 80);
        model->Supports.SetReal(k, 0, 60);
    }
    AddPart(*model, 1, 1, 0, 0, 6000);
    model->RoofSlope = 30.0;
    model->Loads.DeadLoad = 1.0;
    model->Loads.Add({" "}, {1000, 2000, 2.0, 4.0, 0}, {2, 0, 0, 0, 0});  // imposed 1000..3000
    model->Loads.Add({" "}, {3000, 0, 1.0, 0, 0}, {1, 1, 0, 0, 0});       // snow point load
    model->Loads.Add({" "}, {25, 0, 2.0, 0, 0}, {3, 1, 0, 0, 0});         // wind point on a node
    BuildElements(*model);
    ASSERT_EQ(model->Elements.Breakpoints.AllValues(), (std::vector<double>{0, 25, 5975, 6000}));
    std::vector<std::string> lines;
    WriteModelText(*model, lines);
    const std::vector<std::string> loads = Group(lines, 401);
    const double c = std::cos(30.0 * 3.14159265358979323846 / 180.0);
    auto has = [&](const std::string& tail) {
        for (const std::string& l : loads) {
            if (l.size() >= tail.size() && l.compare(l.size() - tail.size(), tail.size(), tail) == 0) return true;
        }
        return false;
    };
    char buf[200];
    std::snprintf(buf, sizeof buf, ";2;2;3;2;2;%.5f;%.5f;0.000;5950.000", -c, -c);  // dead load x cos
    EXPECT_TRUE(has(buf)) << buf;
    // Imposed surface load reaches only the element from 25 to 5975, at 975 .. 2975 on it.
    std::snprintf(buf, sizeof buf, ";201;2;3;2;2;%.5f;%.5f;975.000;2975.000", -2.0 * c * c, -4.0 * c * c);
    EXPECT_TRUE(has(buf)) << buf;
    std::snprintf(buf, sizeof buf, ";101;2;1;2;2;%.1f;0;2975.000;0", -1000.0 * c);  // snow point x cos
    EXPECT_TRUE(has(buf)) << buf;
    // A point load on a division point inside no element is a node load (wind is not scaled).
    EXPECT_TRUE(has(";301;1;1;2;2;-2000.0;0;0;0"));
    int imposedLines = 0;
    for (const std::string& l : loads) imposedLines += l.find(";201;") != std::string::npos;
    EXPECT_EQ(imposedLines, 1);
}

TEST(ModelGeneration, SelfWeightNeverZeroAndMissingSupportNode) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    model->Profiles.SelectedProfile = -1;  // no profile: no weight, no stiffness
    SetSpans(*model, {0, 6000, 0});
    AddPart(*model, 1, 1, 0, 0, 6000);
    BuildElements(*model);
    std::vector<std::string> lines;
    WriteModelText(*model, lines);
    EXPECT_EQ(Group(lines, 401), (std::vector<std::string>{"1;1;2;3;1;2;-0.10000;-0.10000;0.000;6000.000"}));

    // A part that reaches no support leaves the model without elements or supports.
    model->SheetParts.Clear();
    AddPart(*model, 1, 1, 0, 100, 5900);
    BuildElements(*model);
    WriteModelText(*model, lines);
    EXPECT_TRUE(Group(lines, 301).empty());
}

}  // namespace
}  // namespace kirvos
