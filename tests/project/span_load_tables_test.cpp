// The span, support and load tables: position queries on the span sequence, the kind/type order of
// the loads, the drawing layer count and fitting loads to changed spans.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "project/load_vector.h"
#include "project/span_vector.h"
#include "project/support_vector.h"

namespace kirvos {
namespace {

JanneVektori SpansOf(const std::vector<double>& lengths) {
    JanneVektori spans(20, 20);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const bool cantilever = i == 0 || i + 1 == lengths.size();
        spans.Add({cantilever ? "uloke" : "Aukko"}, {lengths[i]}, {});
    }
    return spans;
}

TEST(SpanTable, DefaultStructureQueries) {
    JanneVektori spans(20, 20);
    spans.SelectedSpan = 2;
    spans.SetDefault();
    ASSERT_EQ(spans.Count(), 3);
    EXPECT_STREQ(spans.Text(0, 0), "uloke");
    EXPECT_STREQ(spans.Text(1, 0), "Aukko");
    EXPECT_EQ(spans.SelectedSpan, -1);
    EXPECT_DOUBLE_EQ(spans.TotalLength(), 6000.0);
    EXPECT_DOUBLE_EQ(spans.InnerLength(), 6000.0);
    EXPECT_EQ(spans.SupportCount(), 2);
    EXPECT_DOUBLE_EQ(spans.SupportPosition(0), 0.0);
    EXPECT_DOUBLE_EQ(spans.SupportPosition(1), 6000.0);
    EXPECT_EQ(spans.SupportIndexAt(0.0), 1);
    EXPECT_EQ(spans.SupportIndexAt(6000.0), 2);
    EXPECT_EQ(spans.SupportIndexAt(3000.0), 0);
    // The empty left cantilever is no span: the first real span answers.
    EXPECT_DOUBLE_EQ(spans.SpanLengthAt(0.0), 6000.0);
    EXPECT_DOUBLE_EQ(spans.SpanLengthAt(6000.1), 0.0);

    double left = 0.0, right = 0.0;
    spans.SupportOffsets(1, left, right);
    EXPECT_DOUBLE_EQ(left, -6000.0);
    EXPECT_DOUBLE_EQ(right, 0.0);
    // Support numbers past the last support are limited to it.
    spans.SupportOffsets(5, left, right);
    EXPECT_DOUBLE_EQ(left, -6000.0);
    EXPECT_DOUBLE_EQ(right, 0.0);

    TukiVektori supports(20, 20);
    supports.SetDefault();
    ASSERT_EQ(supports.Count(), 2);
    EXPECT_STREQ(supports.Text(1, 0), "Tuki");
    EXPECT_DOUBLE_EQ(supports.Real(1, 0), 50.0);
    EXPECT_EQ(supports.SelectedSupport, -1);
}

TEST(SpanTable, QueriesWithCantilevers) {
    const JanneVektori spans = SpansOf({800, 6000, 4000, 500});
    EXPECT_DOUBLE_EQ(spans.TotalLength(), 11300.0);
    EXPECT_DOUBLE_EQ(spans.InnerLength(), 10000.0);
    EXPECT_EQ(spans.SupportIndexAt(6800.0), 2);
    EXPECT_EQ(spans.SupportIndexAt(10800.0), 3);
    EXPECT_EQ(spans.SupportIndexAt(11300.0), 0);  // the free end is no support

    struct Case { double x; int span; double length; };
    const Case cases[] = {
        {0.0, 0, 800.0},      {800.0, 0, 800.0},     {800.5, 1, 6000.0},  {6800.0, 1, 6000.0},
        {9000.0, 2, 4000.0},  {11300.0, 3, 500.0},   {11300.5, 0, 0.0},   {-5.0, 0, 800.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(spans.SpanIndexAt(c.x), c.span);
        EXPECT_DOUBLE_EQ(spans.SpanLengthAt(c.x), c.length);
    }
    // A point on a support belongs to the record on its left.
    EXPECT_EQ(SpansOf({0, 6000, 4000, 0}).SpanIndexAt(6000.0), 1);

    double left = 0.0, right = 0.0;
    spans.SupportOffsets(1, left, right);
    EXPECT_DOUBLE_EQ(left, -6800.0);
    EXPECT_DOUBLE_EQ(right, 4500.0);
}

// Adds a load record: kind, type, support, X1, length, Q1, Q2.
int AddLoad(KuormaVektori& loads, int kind, int type, int support, double x1, double length, double q1,
            double q2) {
    return loads.Add({" "}, {x1, length, q1, q2, 0.0}, {kind, type, support});
}

TEST(LoadTable, KeptInKindAndTypeOrder) {
    KuormaVektori loads(20, 20);
    AddLoad(loads, 2, 0, 0, 1.0, 100, 1, 1);
    AddLoad(loads, 0, 0, 0, 2.0, 100, 1, 1);
    AddLoad(loads, 2, 0, 0, 3.0, 100, 1, 1);
    AddLoad(loads, 1, 0, 0, 4.0, 100, 1, 1);
    AddLoad(loads, 2, 1, 0, 5.0, 0, 1, 0);
    AddLoad(loads, 1, 1, 0, 6.0, 0, 1, 0);
    AddLoad(loads, 0, 0, 0, 7.0, 100, 1, 2);
    const std::vector<double> expected = {2.0, 7.0, 4.0, 6.0, 1.0, 3.0, 5.0};
    ASSERT_EQ(loads.Count(), 7);
    for (int i = 0; i < loads.Count(); ++i) EXPECT_DOUBLE_EQ(loads.Real(i, KuormaVektori::kX1), expected[i]);

    EXPECT_EQ(loads.CountLoads(2, -1), 3);
    EXPECT_EQ(loads.CountLoads(2, 0), 2);
    EXPECT_EQ(loads.CountLoads(3, -1), 0);
    EXPECT_EQ(loads.FirstLoad(2, 1), 6);
    EXPECT_EQ(loads.FirstLoad(1, -1), 2);
    EXPECT_EQ(loads.FirstLoad(4, 0), -1);
    EXPECT_EQ(loads.CountUniformLoads(0), 1);
    EXPECT_EQ(loads.CountUniformLoads(2), 2);
}

TEST(LoadTable, DrawItemsCountBasicValuesAndRecordLayers) {
    KuormaVektori loads(20, 20);
    EXPECT_EQ(loads.LoadDrawItems(-1), 0);
    EXPECT_FALSE(loads.HasLoadDrawItems(1));

    // Snow on the ground with no shape coefficient puts nothing on the sheet.
    loads.SnowLoad = 2.0;
    loads.SnowShapeFactor = 0.0;
    EXPECT_EQ(loads.LoadDrawItems(1), 0);
    loads.SnowShapeFactor = 0.8;
    EXPECT_EQ(loads.LoadDrawItems(1), 1);

    // Wind: only cases below the case count, each with its own coefficient.
    loads.WindLoad = 0.5;  // coefficients -0.75, 0, 0, 0
    EXPECT_EQ(loads.LoadDrawItems(3), 1);
    loads.WindCoefficients[1] = 0.3;
    EXPECT_EQ(loads.LoadDrawItems(4), 0);
    loads.WindCaseCount = 2;
    EXPECT_EQ(loads.LoadDrawItems(4), 1);

    AddLoad(loads, 2, 0, 0, 0, 100, 1, 1);
    EXPECT_EQ(loads.LoadDrawItems(2), 1);
    AddLoad(loads, 2, 0, 0, 0, 100, 1, 2);
    AddLoad(loads, 2, 1, 0, 0, 0, 3, 0);
    EXPECT_EQ(loads.LoadDrawItems(2), 2);  // one uniform layer, one varying layer
    loads.ImposedLoad = 1.5;
    EXPECT_EQ(loads.LoadDrawItems(2), 3);
    EXPECT_EQ(loads.LoadDrawItems(-1), 1 + 1 + 1 + 3);

    loads.DrawRecordLoads = 0;
    EXPECT_EQ(loads.LoadDrawItems(2), 1);
    loads.DrawBasicLoads = 0;
    EXPECT_FALSE(loads.HasLoadDrawItems(-1));
}

TEST(LoadTable, FitToGeometryClipsAndRemoves) {
    // Sheeting 0 | 6000 | 4000 | 0: supports at 0, 6000 and 10000; L = 10000.
    const JanneVektori spans = SpansOf({0, 6000, 4000, 0});
    struct Case {
        const char* what;
        int type, support;
        double x1, length, q1, q2;
        bool kept;
        double fitX1 = 0, fitLength = 0, fitQ1 = 0, fitQ2 = 0;
    };
    const Case cases[] = {
        {"inside", 0, 0, 100, 2000, 1, 1, true, 100, 2000, 1, 1},
        {"clipped at the start", 0, 0, -500, 2000, 2, 4, true, 0, 1500, 2.5, 4},
        {"clipped at the end", 0, 1, 3000, 2000, 2, 4, true, 3000, 1000, 2, 3},
        {"clipped at both ends", 0, 1, -7000, 12000, 0, 12, true, -6000, 10000, 1, 11},
        {"from the inner support, left", 0, 1, -1000, 500, 1, 1, true, -1000, 500, 1, 1},
        {"starting at the end", 0, 2, 0, 100, 1, 1, false},
        {"starting beyond the end", 0, 1, 4500, 100, 1, 1, false},
        {"of no length", 0, 0, 100, 0, 1, 1, false},
        {"wholly before the start", 0, 0, -900, 400, 1, 1, false},
        {"on a missing support", 0, 3, 0, 100, 1, 1, false},
        {"on a negative support", 0, -1, 0, 100, 1, 1, false},
        {"point inside", 1, 1, -2000, 0, 5, 0, true, -2000, 0, 5, 0},
        {"point at the end", 1, 2, 0, 0, 5, 0, true, 0, 0, 5, 0},
        {"point beyond the end", 1, 1, 4001, 0, 5, 0, false},
        {"point before the start", 1, 0, -1, 0, 5, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KuormaVektori loads(20, 20);
        AddLoad(loads, 0, c.type, c.support, c.x1, c.length, c.q1, c.q2);
        loads.FitLoadsToGeometry(spans);
        ASSERT_EQ(loads.Count(), c.kept ? 1 : 0);
        if (!c.kept) continue;
        EXPECT_DOUBLE_EQ(loads.Real(0, KuormaVektori::kX1), c.fitX1);
        EXPECT_DOUBLE_EQ(loads.Real(0, KuormaVektori::kLength), c.fitLength);
        EXPECT_DOUBLE_EQ(loads.Real(0, KuormaVektori::kValue1), c.fitQ1);
        EXPECT_DOUBLE_EQ(loads.Real(0, KuormaVektori::kValue2), c.fitQ2);
    }
}

TEST(LoadTable, FitToGeometryKeepsTheOthersInOrder) {
    const JanneVektori spans = SpansOf({0, 6000, 0});
    KuormaVektori loads(20, 20);
    AddLoad(loads, 0, 0, 0, 100, 500, 1, 1);
    AddLoad(loads, 1, 0, 0, 7000, 500, 1, 1);  // beyond the end
    AddLoad(loads, 1, 0, 0, 200, 500, 1, 1);
    AddLoad(loads, 2, 1, 5, 0, 0, 1, 0);        // on a missing support
    loads.FitLoadsToGeometry(spans);
    ASSERT_EQ(loads.Count(), 2);
    EXPECT_DOUBLE_EQ(loads.Real(0, KuormaVektori::kX1), 100.0);
    EXPECT_DOUBLE_EQ(loads.Real(1, KuormaVektori::kX1), 200.0);
}

TEST(LoadTable, NewProjectResetsTheHeader) {
    KuormaVektori loads(20, 20);
    AddLoad(loads, 0, 0, 0, 0, 100, 1, 1);
    loads.ActiveLoad = 3;
    loads.ActiveKind = 2;
    loads.ActiveType = 1;
    loads.WindCaseCount = 4;
    loads.ImposedCategory = 6;
    loads.PictureLoadKind = 2;
    loads.DeadLoad = loads.SnowLoad = loads.ImposedLoad = loads.WindLoad = 1.0;
    loads.SnowAlternateReduction = loads.ImposedAlternateReduction = 10.0;
    loads.WindCoefficients[0] = 0.2;
    loads.WindCoefficients2[3] = loads.WindCoefficients3[2] = 0.7;

    for (int standard : {0, 1}) {
        loads.ResetForNewProject(standard);
        EXPECT_EQ(loads.Count(), 0);
        EXPECT_EQ(loads.ActiveLoad, -1);
        EXPECT_EQ(loads.ActiveKind, 0);
        EXPECT_EQ(loads.ActiveType, 0);
        EXPECT_EQ(loads.WindCaseCount, 1);
        EXPECT_EQ(loads.ImposedCategory, 3);
        EXPECT_EQ(loads.PictureLoadKind, 2);  // a drawing choice, not project data
        EXPECT_DOUBLE_EQ(loads.DeadLoad + loads.SnowLoad + loads.ImposedLoad + loads.WindLoad, 0.0);
        EXPECT_DOUBLE_EQ(loads.SnowShapeFactor, standard == 0 ? 1.0 : 0.8);
        EXPECT_DOUBLE_EQ(loads.SnowAlternateReduction, 50.0);
        EXPECT_DOUBLE_EQ(loads.ImposedAlternateReduction, 100.0);
        EXPECT_DOUBLE_EQ(loads.WindCoefficients[0], -0.75);
        EXPECT_DOUBLE_EQ(loads.WindCoefficients2[3], 0.0);
        EXPECT_DOUBLE_EQ(loads.WindCoefficients3[2], 0.0);
    }
}

}  // namespace
}  // namespace kirvos
