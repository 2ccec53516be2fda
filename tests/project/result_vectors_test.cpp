// The derived tables of the project: sheet parts, elements, envelopes and check results.

#include <gtest/gtest.h>

#include <vector>

#include "project/connection_result_vector.h"
#include "project/design_result_vector.h"
#include "project/element_vector.h"
#include "project/envelope_vector.h"
#include "project/sheet_part_vector.h"

namespace kirvos {
namespace {

void AddPart(PiirtoOsatVektori& parts, int number, int thickness, double overallUse) {
    int ints[5] = {number, 2, thickness, 0, 1};
    double reals[10] = {0, 1000, 0, 1000, -1, -1, -1, -1, overallUse, -1};
    parts.Add(nullptr, reals, ints);
}

TEST(SheetPartVector, LayoutAndWorkingText) {
    PiirtoOsatVektori parts(30, 30);
    EXPECT_EQ(parts.TextFields(), 2);
    EXPECT_EQ(parts.IntFields(), 5);
    EXPECT_EQ(parts.RealFields(), 10);
    EXPECT_EQ(parts.WorkingText, " ");
    parts.WorkingThickness = 4;
    parts.SetWorkingText(std::string(300, 'x'));
    EXPECT_EQ(parts.WorkingText.size(), PiirtoOsatVektori::kWorkingTextMax);
    parts.ResetWorking("");
    EXPECT_EQ(parts.WorkingText, "");
    EXPECT_EQ(parts.WorkingThickness, 0);
    EXPECT_EQ(parts.WorkingLayers, 0);
}

TEST(SheetPartVector, AssignThicknessTriesOpenAndFailingParts) {
    PiirtoOsatVektori parts(30, 30);
    AddPart(parts, 1, 0, -1.0);
    AddPart(parts, 2, -1, 120.0);
    AddPart(parts, 3, -1, 80.0);
    AddPart(parts, 4, 5, 130.0);   // chosen by the user: never changed
    AddPart(parts, -1, 0, -1.0);   // short support piece: not a sheet part
    EXPECT_EQ(parts.AssignThickness(2), 3);
    const std::vector<int> expected = {2, 2, -1, 5, 0};
    for (int i = 0; i < parts.Count(); ++i) EXPECT_EQ(parts.Int(i, 2), expected[i]) << i;

    // Value 0 makes the tentative choices final; the count is taken before the change.
    EXPECT_EQ(parts.AssignThickness(0), 1);
    EXPECT_EQ(parts.Int(2, 2), 1);
    EXPECT_EQ(parts.AssignThickness(0), 0);
}

TEST(ElementVector, LookupsByElementNumber) {
    ElementtiVektori elements(100, 100);
    EXPECT_EQ(elements.Breakpoints.Tolerance(), 0.5);
    elements.Breakpoints.Add(100.0);
    EXPECT_EQ(elements.Breakpoints.Add(100.3), -1);
    for (int n = 1; n <= 3; ++n) {
        int ints[6] = {n, 10 + n, n, n + 1, 0, 0};
        double reals[5] = {100.0 * n, 100.0 * n + 50, 0, 0, 0};
        elements.Add(nullptr, reals, ints);
    }
    // An element table whose numbers are not its positions is still searched.
    int ints[6] = {7, 99, 8, 9, 0, 0};
    double reals[5] = {-5.0, 5.0, 0, 0, 0};
    elements.Add(nullptr, reals, ints);

    EXPECT_EQ(elements.PartOfElement(2), 12);
    EXPECT_EQ(elements.PartOfElement(7), 99);
    EXPECT_EQ(elements.PartOfElement(4), 0);
    EXPECT_EQ(elements.PartOfElement(0), 0);
    double s = -1, e = -1;
    EXPECT_TRUE(elements.ElementExtent(3, s, e));
    EXPECT_DOUBLE_EQ(s, 300.0);
    EXPECT_DOUBLE_EQ(e, 350.0);
    s = e = -1;
    EXPECT_FALSE(elements.ElementExtent(5, s, e));
    EXPECT_EQ(s, -1);
    EXPECT_EQ(e, -1);
}

TEST(EnvelopeVector, SortedByStatePartElementKeepingEntryOrder) {
    VerhoKayratVektori env(200, 200);
    struct Row { int state, part, element; double x; };
    const Row rows[] = {{2, 1, 1, 0}, {1, 2, 1, 1}, {1, 1, 2, 2}, {1, 1, 2, 3}, {1, 1, 1, 4}, {2, 1, 1, 5}};
    for (const Row& r : rows) {
        int ints[5] = {r.state, r.part, r.element, 0, 0};
        double reals[5] = {r.x, 0, 0, 0, 0};
        env.Add(nullptr, reals, ints);
    }
    const std::vector<double> order = {4, 2, 3, 1, 0, 5};
    ASSERT_EQ(env.Count(), 6);
    for (int i = 0; i < env.Count(); ++i) EXPECT_EQ(env.Real(i, 0), order[i]) << i;
}

struct Result {
    int part, kind, span;
    double x, use, second;
};

int Store(MitoitusTulosVektori& results, const Result& r) {
    int ints[5] = {r.part, r.kind, r.span, 0, 0};
    double reals[7] = {r.x, r.use, r.second, 0, 0, 0, 0};
    return results.StoreMax(reals, ints);
}

TEST(DesignResultVector, StoreMaxKeepsWorstPerPlace) {
    MitoitusTulosVektori results(100, 100);
    Store(results, {1, 1, 0, 6000, 50, 1});
    Store(results, {1, 1, 0, 6000, 70, 2});   // larger: replaces
    Store(results, {1, 1, 0, 6000, 70, 9});   // equal, kind up to 10: the first stays
    Store(results, {1, 1, 0, 6000, 60, 9});   // smaller: ignored
    Store(results, {1, 1, 0, 3000, 10, 0});   // another place: added
    Store(results, {2, 1, 0, 3000, 10, 0});   // another part: added
    ASSERT_EQ(results.Count(), 3);
    // Ascending by (part, x, kind).
    EXPECT_EQ(results.Real(0, 0), 3000);
    EXPECT_EQ(results.Real(1, 0), 6000);
    EXPECT_EQ(results.Real(1, 1), 70);
    EXPECT_EQ(results.Real(1, 2), 2);
    EXPECT_EQ(results.Int(2, 0), 2);
}

TEST(DesignResultVector, SpanChecksMatchOnSpanAndDeflectionTiesOnSize) {
    MitoitusTulosVektori results(100, 100);
    Store(results, {1, 11, 1, 2500, 80, -10});
    Store(results, {1, 11, 1, 3100, 80, -12});  // equal use, larger |deflection|: replaces, moves x
    Store(results, {1, 11, 1, 2000, 80, 11});   // equal use, smaller |deflection|: stays
    Store(results, {1, 12, 1, 2900, 40, 1});
    Store(results, {1, 12, 1, 3000, 40, 5});    // kind 12: a tie never replaces
    Store(results, {1, 11, 2, 9000, 10, 1});    // another span: added
    ASSERT_EQ(results.Count(), 3);
    EXPECT_EQ(results.Real(0, 0), 2900);
    EXPECT_EQ(results.Real(0, 2), 1);
    EXPECT_EQ(results.Real(1, 0), 3100);
    EXPECT_EQ(results.Real(1, 2), -12);
    EXPECT_EQ(results.Real(2, 0), 9000);
}

TEST(DesignResultVector, StopsAddingAtTheRecordLimit) {
    MitoitusTulosVektori results(100, 100);
    for (int i = 0; i < CheckResultVektori::kMaxResults; ++i) Store(results, {1, 1, 0, double(i), 1, 0});
    EXPECT_EQ(Store(results, {1, 1, 0, -1.0, 1, 0}), -1);
    EXPECT_EQ(results.Count(), CheckResultVektori::kMaxResults);
    // A match is still replaced when the table is full.
    EXPECT_GE(Store(results, {1, 1, 0, 10.0, 5, 0}), 0);
    EXPECT_EQ(results.Real(10, 1), 5);
}

int StoreConnection(LiitosTulosVektori& results, int type, double x, double count, double use) {
    int ints[5] = {type, 0, 0, 0, 0};
    double reals[7] = {x, count, use, 0, 0, 0, 0};
    return results.StoreMax(reals, ints);
}

TEST(ConnectionResultVector, PlacesWithinATenthOfAMillimetreAreOne) {
    LiitosTulosVektori results(100, 100);
    StoreConnection(results, 1, 100.00, 2, 50);
    StoreConnection(results, 1, 100.05, 2, 40);  // same place, fewer: stays
    StoreConnection(results, 1, 100.05, 2, 60);  // equal count, larger use: replaces
    StoreConnection(results, 1, 100.2, 1, 10);   // another place
    StoreConnection(results, 2, 100.0, 1, 10);   // another type
    StoreConnection(results, 4, 100.0, 1, 10);   // type 4 never matches
    StoreConnection(results, 4, 100.0, 1, 10);
    ASSERT_EQ(results.Count(), 5);
    EXPECT_DOUBLE_EQ(results.Real(0, 0), 100.05);
    EXPECT_EQ(results.Real(0, 2), 60);
    EXPECT_DOUBLE_EQ(results.Real(1, 0), 100.2);
    EXPECT_EQ(results.Int(2, 0), 2);
    EXPECT_EQ(results.Int(4, 0), 4);

    StoreConnection(results, 1, 100.0, 3, 10);   // more fasteners: replaces and keeps the order
    EXPECT_DOUBLE_EQ(results.Real(0, 0), 100.0);
    EXPECT_EQ(results.Real(0, 1), 3);
}

}  // namespace
}  // namespace kirvos
