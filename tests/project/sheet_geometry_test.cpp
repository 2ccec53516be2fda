// Joint zones, sheet lengths and support pieces laid out along the sheeting.

#include <gtest/gtest.h>

#include <vector>

#include "project/project_model.h"

namespace kirvos {
namespace {

struct SupportDef {
    int piece = 0;        // 0 none, 1 short, 2 long
    int joint = 0;        // support joint type
    double width = 50.0;  // mm
    double pieceLength = 0.0;
    double p1 = 0.0, p2 = 0.0, p3 = 0.0;
};

struct SpanJointDef {
    int span = 0;  // span record index
    int type = 0;
    double p1 = 0.0, p2 = 0.0, p3 = 0.0;
};

// Spans given by their lengths (cantilevers first and last); supports default to 50 mm wide.
void SetStructure(KAIKKI_data& model, const std::vector<double>& lengths,
                  const std::vector<SupportDef>& supports = {},
                  const std::vector<SpanJointDef>& spanJoints = {}) {
    model.Spans.Clear();
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const bool cantilever = i == 0 || i + 1 == lengths.size();
        int ints[5] = {};
        double reals[5] = {lengths[i], 0, 0, 0, 0};
        for (const SpanJointDef& j : spanJoints) {
            if (j.span != int(i)) continue;
            ints[1] = j.type;
            reals[2] = j.p1;
            reals[3] = j.p2;
            reals[4] = j.p3;
        }
        const char* text[1] = {cantilever ? "uloke" : "Aukko"};
        model.Spans.Add(text, reals, ints);
    }
    model.Supports.Clear();
    for (std::size_t k = 0; k + 1 < lengths.size(); ++k) {
        SupportDef s = k < supports.size() ? supports[k] : SupportDef{};
        int ints[5] = {s.piece, s.joint, 0, 0, 0};
        double reals[5] = {s.width, s.pieceLength, s.p1, s.p2, s.p3};
        const char* text[1] = {"Tuki"};
        model.Supports.Add(text, reals, ints);
    }
}

struct ZoneCase {
    const char* name;
    SupportDef middle;      // support 1 of spans 0, 6000, 6000, 0 (at x = 6000)
    SpanJointDef spanJoint; // on that structure
    double x;
    int full;
    double end, start, a, b;
    int flag;
};

TEST(NextJoint, ZonesOfEveryJointType) {
    const ZoneCase cases[] = {
        {"support 1 full", {0, 1, 50, 0, 200}, {}, -25, 1, 6100, 5900, 6100, 5900, 0},
        {"support 1 narrowed", {0, 1, 50, 0, 200}, {}, 0, 0, 6000, 6000, 6000, 6000, 0},
        {"support 1 nothing further", {0, 1, 50, 0, 200}, {}, 5900, 1, 12000, 12000, 12000, 12000, 0},
        {"support 2 full", {0, 2, 50, 0, 0.2}, {}, 0, 1, 6025, 4800, 6025, 4800, 0},
        {"support 2 narrowed", {0, 2, 50, 0, 0.2}, {}, 0, 0, 6000, 4825, 6000, 4825, 0},
        {"support 2 w = 0", {0, 2, 50, 0, 0.0}, {}, 0, 1, 12000, 12000, 12000, 12000, 0},
        {"support 3 full", {0, 3, 50, 0, 0.1}, {}, 0, 1, 6600, 5975, 6600, 5975, 0},
        {"support 3 narrowed", {0, 3, 50, 0, 0.1}, {}, 0, 0, 6575, 6000, 6575, 6000, 0},
        {"support 4 full", {0, 4, 50, 0, 0.1, 0.2}, {}, 0, 1, 7200, 5400, 7200, 5400, 0},
        {"support 4 narrowed", {0, 4, 50, 0, 0.1, 0.2}, {}, 0, 0, 7175, 5425, 7175, 5425, 0},
        {"support 4 v = 0", {0, 4, 50, 0, 0.1, 0.0}, {}, 0, 1, 12000, 12000, 12000, 12000, 0},
        {"support 5 full", {0, 5, 50, 0, 300, 500}, {}, 0, 1, 6500, 5700, 6500, 5700, 0},
        {"support 5 narrowed", {0, 5, 50, 0, 300, 500}, {}, 0, 0, 6475, 5725, 6475, 5725, 0},
        {"support 6 first zone", {0, 6, 50, 0, 600, 200}, {}, 0, 1, 5900, 5700, 6000, 5700, 0},
        {"support 6 second zone", {0, 6, 50, 0, 600, 200}, {}, 5700, 1, 6300, 6100, 6300, 6000, 1},
        {"support 6 first narrowed", {0, 6, 50, 0, 600, 200}, {}, 0, 0, 6000, 5725, 6000, 5725, 0},
        {"support 6 second narrowed", {0, 6, 50, 0, 600, 200}, {}, 5725, 0, 6275, 6000, 6275, 6000, 1},
        {"support 6 past the joint", {0, 6, 50, 0, 600, 200}, {}, 6100, 1, 12000, 12000, 12000, 12000, 0},
        {"support 7 full", {0, 7, 50, 0, 400}, {}, 0, 1, 6025, 5600, 6025, 5600, 0},
        {"support 7 narrowed", {0, 7, 50, 0, 400}, {}, 0, 0, 6000, 5625, 6000, 5625, 0},
        {"support 8 full", {0, 8, 50, 0, 400}, {}, 0, 1, 6400, 5975, 6400, 5975, 0},
        {"support 8 narrowed", {0, 8, 50, 0, 400}, {}, 0, 0, 6375, 6000, 6375, 6000, 0},
        {"support 9 unknown", {0, 9, 50, 0, 400, 400}, {}, 0, 1, 12000, 12000, 12000, 12000, 0},
        {"span 1 full", {}, {2, 1, 1000, 200}, 0, 1, 11100, 10900, 11100, 10900, 0},
        {"span 1 narrowed", {}, {2, 1, 1000, 200}, 0, 0, 11000, 11000, 11000, 11000, 0},
        {"span 2 full", {}, {2, 2, 1000, 200}, 0, 1, 7100, 6900, 7100, 6900, 0},
        {"span 3 first", {}, {2, 3, 1000, 1500, 300}, 0, 1, 7150, 6850, 7150, 6850, 0},
        {"span 3 second", {}, {2, 3, 1000, 1500, 300}, 6850, 1, 10650, 10350, 10650, 10350, 0},
        {"span 3 second narrowed", {}, {2, 3, 1000, 1500, 300}, 7000, 0, 10500, 10500, 10500, 10500, 0},
        // A zone must lie wholly right of x: from inside the zone it is passed by.
        {"span 2 from inside", {}, {2, 2, 1000, 200}, 7000, 1, 12000, 12000, 12000, 12000, 0},
    };
    KAIKKI_data model("kirvos");
    for (const ZoneCase& c : cases) {
        SetStructure(model, {0, 6000, 6000, 0}, {SupportDef{}, c.middle}, {c.spanJoint});
        double end = -1, start = -1, a = -1, b = -1;
        const int flag = model.NextJoint(c.x, end, start, a, b, c.full);
        EXPECT_DOUBLE_EQ(end, c.end) << c.name;
        EXPECT_DOUBLE_EQ(start, c.start) << c.name;
        EXPECT_DOUBLE_EQ(a, c.a) << c.name;
        EXPECT_DOUBLE_EQ(b, c.b) << c.name;
        EXPECT_EQ(flag, c.flag) << c.name;
    }
}

TEST(NextJoint, NearestZoneWins) {
    KAIKKI_data model("kirvos");
    // Joints at 6000 (type 1) and 12000 (type 8), and a span joint at 3000 in the first span.
    SetStructure(model, {0, 6000, 6000, 6000, 0},
                 {SupportDef{}, {0, 1, 50, 0, 200}, {0, 8, 50, 0, 400}}, {{1, 2, 3000, 100}});
    double end, start, a, b;
    model.NextJoint(0, end, start, a, b, 1);
    EXPECT_DOUBLE_EQ(end, 3050);
    model.NextJoint(2950, end, start, a, b, 1);
    EXPECT_DOUBLE_EQ(end, 6100);
    model.NextJoint(5900, end, start, a, b, 1);
    EXPECT_DOUBLE_EQ(end, 12400);
    EXPECT_DOUBLE_EQ(start, 11975);
}

struct PartRow {
    int number, code, kind;
    double start, end, modelStart, modelEnd;
};

void ExpectParts(const KAIKKI_data& model, const std::vector<PartRow>& rows, const char* what) {
    ASSERT_EQ(model.SheetParts.Count(), int(rows.size())) << what;
    for (int i = 0; i < model.SheetParts.Count(); ++i) {
        const PartRow& r = rows[i];
        EXPECT_EQ(model.SheetParts.Int(i, 0), r.number) << what << " row " << i;
        EXPECT_EQ(model.SheetParts.Int(i, 1), r.code) << what << " row " << i;
        EXPECT_EQ(model.SheetParts.Int(i, 4), r.kind) << what << " row " << i;
        EXPECT_DOUBLE_EQ(model.SheetParts.Real(i, 0), r.start) << what << " row " << i;
        EXPECT_DOUBLE_EQ(model.SheetParts.Real(i, 1), r.end) << what << " row " << i;
        EXPECT_DOUBLE_EQ(model.SheetParts.Real(i, 2), r.modelStart) << what << " row " << i;
        EXPECT_DOUBLE_EQ(model.SheetParts.Real(i, 3), r.modelEnd) << what << " row " << i;
        for (int f = 4; f < 10; ++f) EXPECT_EQ(model.SheetParts.Real(i, f), -1.0) << what << " row " << i;
    }
}

TEST(BuildSheetParts, SheetLengthsBetweenJoints) {
    KAIKKI_data model("kirvos");

    // No joints: one sheet over the whole sheeting; 50 mm supports stick out 25 mm at both ends.
    SetStructure(model, {0, 6000, 0});
    model.BuildSheetParts(1);
    ExpectParts(model, {{1, 2, 1, -25, 6025, -25, 6000}}, "no joints");

    // Cantilevers longer than half a support: the sheeting runs from 0 to the total length.
    SetStructure(model, {800, 6000, 900});
    model.BuildSheetParts(1);
    ExpectParts(model, {{1, 2, 1, 0, 7700, 0, 7700}}, "cantilevers");

    // A 200 mm overlap at 6000: the first sheet runs to 6100, the second starts at 5900.
    SetStructure(model, {0, 6000, 6000, 0}, {SupportDef{}, {0, 1, 50, 0, 200}});
    model.BuildSheetParts(1);
    ExpectParts(model, {{1, 2, 1, -25, 6100, -25, 6100}, {2, 3, 1, 5900, 12025, 5900, 12000}},
                "type 1");

    // A joint plate over the support at 6000: the plate is sheet 2, code 1 in place of 3, kind 3;
    // the sheets beside it bear up to the support line.
    SetStructure(model, {0, 6000, 6000, 0}, {SupportDef{}, {0, 6, 50, 0, 600, 200}});
    model.BuildSheetParts(1);
    ExpectParts(model,
                {{1, 2, 1, -25, 5900, -25, 6000},
                 {2, 1, 3, 5700, 6300, 5700, 6300},
                 {3, 2, 1, 6100, 12025, 6000, 12000}},
                "type 6");

    // Overlaps at two supports and a span joint: codes alternate 2, 3, 2, 3.
    SetStructure(model, {0, 6000, 6000, 6000, 0},
                 {SupportDef{}, {0, 7, 50, 0, 400}, {0, 3, 50, 0, 0.1}}, {{3, 2, 2000, 300}});
    model.BuildSheetParts(1);
    ExpectParts(model,
                {{1, 2, 1, -25, 6025, -25, 6025},
                 {2, 3, 1, 5600, 12600, 5600, 12600},
                 {3, 2, 1, 11975, 14150, 11975, 14150},
                 {4, 3, 1, 13850, 18025, 13850, 18000}},
                "mixed");
}

TEST(BuildSheetParts, SupportPiecesShortAndLong) {
    KAIKKI_data model("kirvos");
    // Supports at 0, 6000, 12000, 18000; a 200 mm overlap at 6000.
    SetStructure(model, {0, 6000, 6000, 6000, 0},
                 {{1, 0, 50, 0},            // short piece at the sheeting start: from S
                  {2, 1, 50, 1000, 200},    // long piece over the overlap: next number
                  {1, 0, 50, 0},            // short piece inside sheet 2: -2
                  {2, 0, 50, 800}});        // long piece at the end: up to E
    model.BuildSheetParts(1);
    ExpectParts(model,
                {{1, 2, 1, -25, 6100, -25, 6100},
                 {2, 3, 1, 5900, 18025, 5900, 18000},
                 {-1, 1, 2, -25, 275, -25, 275},
                 {3, 1, 2, 5500, 6500, 5500, 6500},
                 {-2, 1, 2, 11850, 12150, 11850, 12150},
                 {4, 1, 2, 17225, 18025, 17225, 18025}},
                "pieces");

    // Cantilevers longer than half the piece: pieces centred on the end supports. A short piece
    // across a joint lies in no single sheet: 0. A long piece near the start never starts before S.
    model.ShortPieceLength = 400;
    SetStructure(model, {1000, 1000, 6000, 1000},
                 {{1, 0, 50, 0}, {2, 1, 50, 3000, 300}, {1, 0, 50, 0}});
    model.BuildSheetParts(1);
    ExpectParts(model,
                {{1, 2, 1, 0, 2150, 0, 2150},
                 {2, 3, 1, 1850, 9000, 1850, 9000},
                 {-1, 1, 2, 800, 1200, 800, 1200},
                 {3, 1, 2, 500, 3500, 500, 3500},
                 {-2, 1, 2, 7800, 8200, 7800, 8200}},
                "cantilevers");
    SetStructure(model, {0, 1000, 6000, 0}, {SupportDef{}, {2, 0, 50, 3000}});
    model.BuildSheetParts(1);
    EXPECT_DOUBLE_EQ(model.SheetParts.Real(1, 0), -25);
    EXPECT_DOUBLE_EQ(model.SheetParts.Real(1, 1), 2975);
    SetStructure(model, {0, 1000, 1000, 0}, {SupportDef{}, {1, 1, 50, 0, 100}});
    model.BuildSheetParts(1);
    EXPECT_EQ(model.SheetParts.Int(2, 0), 0) << "short piece across a joint";
    // Also when a long piece laid out before it covers it: a support piece is no sheet length.
    SetStructure(model, {0, 1000, 1000, 0}, {{2, 0, 50, 2400}, {1, 1, 50, 0, 100}});
    model.BuildSheetParts(1);
    ASSERT_EQ(model.SheetParts.Count(), 4);
    EXPECT_EQ(model.SheetParts.Int(2, 0), 3);
    EXPECT_EQ(model.SheetParts.Int(3, 0), 0) << "short piece across a joint, inside a long piece";
}

TEST(BuildSheetParts, WorkingTextAndSelectionsGoToNewSheets) {
    KAIKKI_data model("kirvos");
    SetStructure(model, {0, 6000, 6000, 0}, {{1, 0, 50}, {0, 1, 50, 0, 200}});
    model.SheetParts.SetWorkingText("roof A");
    model.SheetParts.WorkingThickness = 3;
    model.SheetParts.WorkingLayers = -1;
    model.BuildSheetParts(0);
    ASSERT_EQ(model.SheetParts.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(model.SheetParts.Text(i, 0), "roof A");
        EXPECT_STREQ(model.SheetParts.Text(i, 1), "");
    }
    EXPECT_EQ(model.SheetParts.Int(1, 2), 3);
    EXPECT_EQ(model.SheetParts.Int(1, 3), -1);
    EXPECT_EQ(model.SheetParts.Int(2, 2), 0) << "support pieces take no selection";
    EXPECT_EQ(model.SheetParts.Int(2, 3), 0);

    model.BuildSheetParts(1);
    EXPECT_EQ(model.SheetParts.WorkingText, "");
    EXPECT_STREQ(model.SheetParts.Text(0, 0), "");
    EXPECT_EQ(model.SheetParts.Int(0, 2), 0);
    EXPECT_EQ(model.SheetParts.Int(0, 3), 0);
}

TEST(BuildSheetParts, DegenerateJointsStillEnd) {
    KAIKKI_data model("kirvos");
    // Zero-width and inverted zones at every support: the layout ends and stays within the sheeting.
    SetStructure(model, {0, 3000, 3000, 3000, 0},
                 {SupportDef{}, {0, 5, 50, 0, 0, 0}, {0, 1, 50, 0, -300}});
    model.BuildSheetParts(1);
    ASSERT_GE(model.SheetParts.Count(), 1);
    ASSERT_LE(model.SheetParts.Count(), 100);
    EXPECT_DOUBLE_EQ(model.SheetParts.Real(model.SheetParts.Count() - 1, 1), 9025);

    // Many joints: never more than 100 sheets.
    std::vector<double> lengths(1, 0.0);
    std::vector<SupportDef> supports(1);
    for (int i = 0; i < 150; ++i) {
        lengths.push_back(1000);
        supports.push_back({0, 1, 50, 0, 100});
    }
    lengths.push_back(0);
    SetStructure(model, lengths, supports);
    model.BuildSheetParts(1);
    EXPECT_EQ(model.SheetParts.Count(), 100);
}

TEST(CollectElementPositions, AddsBothEndsOfEveryElement) {
    KAIKKI_data model("kirvos");
    for (int n = 1; n <= 3; ++n) {
        int ints[6] = {n, 1, n, n + 1, 0, 0};
        double reals[5] = {1000.0 * (n - 1), 1000.0 * n, 0, 0, 0};
        model.Elements.Add(nullptr, reals, ints);
    }
    DOFlukuvektori positions(20, 20);
    positions.SetTolerance(0.5);
    positions.Add(1000.2);
    model.CollectElementPositions(positions);
    ASSERT_EQ(positions.Count(), 4);
    EXPECT_EQ(positions.Value(0), 0.0);
    EXPECT_EQ(positions.Value(1), 1000.2);
    EXPECT_EQ(positions.Value(3), 3000.0);
}

}  // namespace
}  // namespace kirvos
