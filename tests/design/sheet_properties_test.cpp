#include "design/sheet_properties.h"

#include <gtest/gtest.h>

#include "design_fixture.h"

namespace kirvos {
namespace {

using testing::AddPart;
using testing::MakeModel;
using testing::ProgramFolder;

TEST(SheetMultipliers, DoublingAndLayerFactorsOverLayerSettings) {
    struct Case {
        int w;
        double doubling;
        double layer;
    };
    // Four ribs per sheet (1000 / 250).
    const Case cases[] = {
        {0, 1.0, 1.0},
        {-1, 1.98, 2.0},
        {1, 1.0 / 3.0 + 1.0 - 0.02 * 3.0, 1.0 / 3.0 + 1.0},
        {2, 2.0 / 2.0 + 1.0 - 0.02 * 2.0 / 2.0, 2.0},
        {4, 1.98, 2.0},  // every rib doubled
        {5, 1.98, 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w);
        EXPECT_NEAR(DoublingMultiplier(c.w, 1000.0, 250.0), c.doubling, 1e-12);
        EXPECT_NEAR(LayerFactor(c.w, 1000.0, 250.0), c.layer, 1e-12);
    }
    // Without a covering width nothing is scaled.
    EXPECT_EQ(DoublingMultiplier(2, 0.0, 250.0), 1.0);
}

TEST(SheetProperties, StiffnessFollowsStandardLayersAndFactor) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    AddPart(*model, 1, 0, 0, 0, 6000);   // thickness 0 reads line 1
    AddPart(*model, 2, -2, -1, 0, 6000); // trial thickness 2, fully doubled
    model->Standards.FactorGrid[0][3] = 1.1;

    model->StandardIndex = 0;
    EXPECT_NEAR(SectionStiffness(*model, 1), (2 * 20e4 + 14e4) / 3.0 / 1.1, 1e-6);
    EXPECT_NEAR(SectionStiffness(*model, 2), 1.98 * (2 * 30e4 + 21e4) / 3.0 / 1.1, 1e-6);
    model->StandardIndex = 1;
    EXPECT_NEAR(SectionStiffness(*model, 1), 14e4 / 1.1, 1e-6);
    model->StandardIndex = 2;
    EXPECT_EQ(SectionStiffness(*model, 1), 0.0);
    model->StandardIndex = 0;
    EXPECT_EQ(SectionStiffness(*model, 7), 0.0);  // no such part
}

TEST(SheetProperties, WeightModesAndLayers) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    AddPart(*model, 1, 2, 0, 0, 6000);
    AddPart(*model, 2, 2, -1, 0, 6000);
    EXPECT_NEAR(SheetWeight(*model, 1, 2), 7 * 9.81e-3, 1e-12);  // kN/m2
    EXPECT_NEAR(SheetWeight(*model, 1, 3), 7.0, 1e-12);          // kg per metre of one 1 m sheet
    EXPECT_NEAR(SheetWeight(*model, 1, 1), 7.0, 1e-12);          // kg/m2
    EXPECT_NEAR(SheetWeight(*model, 2, 2), 2 * 7 * 9.81e-3, 1e-12);
    EXPECT_NEAR(SheetWeight(*model, 2, 3), 7.0, 1e-12);  // one sheet's own mass, not doubled

    // A profile without a covering width weighs nothing in any mode.
    folder.Write("flat.dat", "[ ==== 2 ==== ]\nF\n0\n250\n[ ==== 11 ==== ]\n0.5\n[ ==== 21 ==== ]\n5\n");
    folder.Write("profiles1.dat", "T45;t45.dat;?;0;0;0;0;0;0;0;0;0;0\nF;flat.dat;?;0;0;0;0;0;0;0;0;0;0\n");
    model->LoadProfiles(0);
    model->Profiles.SelectedProfile = 1;
    for (int mode : {1, 2, 3}) EXPECT_EQ(SheetWeight(*model, 1, mode), 0.0);
}

TEST(SheetProperties, DeflectionLimits) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    struct Case {
        int standard, type, mode;
        double L;
        bool cantilever;
        double limit;
    };
    const Case cases[] = {
        {0, 0, 0, 5000, false, 30.0},  {1, 0, 0, 5000, false, 30.0},   {0, 0, 0, 4500, false, 30.0},
        {0, 0, 0, 3000, false, 20.0},  {0, 0, 0, 6100, false, 30.5},   {0, 1, 0, 5000, false, 50.0},
        {1, 2, 0, 5000, false, 50.0},  {0, 3, 0, 6000, false, 20.0},   {0, 4, 0, 6000, false, 0.0},
        {0, 0, 0, 1200, true, 12.0},   {2, 0, 0, 6000, false, 0.0},    {0, 0, 1, 6000, false, 24.0},
        {0, 0, 1, 1200, true, 12.0},
    };
    model->OwnDeflectionLimit = 250.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.L);
        model->StandardIndex = c.standard;
        model->StructureType = c.type;
        model->DeflectionLimitMode = c.mode;
        EXPECT_NEAR(DeflectionLimit(*model, c.L, c.cantilever), c.limit, 1e-9);
    }
    // A divisor of 0 from a project file means no check rather than an infinite limit.
    model->DeflectionLimitMode = 1;
    model->OwnDeflectionLimit = 0.0;
    EXPECT_EQ(DeflectionLimit(*model, 6000, false), 0.0);
}

TEST(SheetProperties, ThicknessAndTotalThickness) {
    ProgramFolder folder;
    auto model = MakeModel(folder);
    AddPart(*model, 1, 1, 0, 0, 6100);
    AddPart(*model, 2, -3, 0, 5900, 12000);
    AddPart(*model, -1, 2, 0, 2850, 3150, PiirtoOsatVektori::kSupportPiece);  // short piece: not a part
    EXPECT_NEAR(Thickness(*model, 0), 0.46, 1e-12);
    EXPECT_NEAR(Thickness(*model, 1), 0.86, 1e-12);
    EXPECT_EQ(Thickness(*model, 2), 0.0);
    EXPECT_EQ(Thickness(*model, 3), 0.0);
    EXPECT_EQ(Thickness(*model, -1), 0.0);
    EXPECT_NEAR(TotalThickness(*model, 6000), 0.46 + 0.86, 1e-12);
    EXPECT_NEAR(TotalThickness(*model, 3000), 0.46, 1e-12);
    EXPECT_EQ(TotalThickness(*model, 6100), 0.86);  // strictly inside only
}

}  // namespace
}  // namespace kirvos
