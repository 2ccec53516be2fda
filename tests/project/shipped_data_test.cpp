// Checks the data files shipped in data/ as the program reads them at start: every catalogue entry
// is usable by the design calculation, values have the units and trends the calculation relies on,
// and every choice the fastener window offers is served by the catalogue.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "project/profile_data.h"
#include "project/project_model.h"
#include "records/record_vector.h"

namespace kirvos {
namespace {

// A program path inside the shipped data folder: the model reads every file from beside it.
std::string ShippedProgramPath() { return std::string(KIRVOS_DATA_DIR) + "/kirvos"; }

class ShippedData : public ::testing::Test {
protected:
    static void SetUpTestSuite() { model_ = std::make_unique<KAIKKI_data>(ShippedProgramPath()); }
    static void TearDownTestSuite() { model_.reset(); }
    static std::unique_ptr<KAIKKI_data> model_;
};
std::unique_ptr<KAIKKI_data> ShippedData::model_;

// Groups of per-thickness values the sheet checks and the design window read; each needs one line
// per thickness of group 11.
const int kPerThicknessGroups[] = {12, 13, 14, 21, 31, 32, 41, 42, 51, 52, 53, 61};
// Of those, the values that grow with the sheet thickness.
const int kGrowingGroups[] = {12, 14, 21, 31, 32, 41, 42, 52, 53, 61};

void CheckProfile(const KAIKKI_data& model, int i) {
    const ProfiilitVektori& catalogue = model.Profiles;
    const std::string name = catalogue.Text(i, 0) ? catalogue.Text(i, 0) : "?";
    SCOPED_TRACE("profile " + name);
    const ProfiiliArvot* data = catalogue.ProfileData(i);
    ASSERT_NE(data, nullptr) << "no readable data file " << (catalogue.Text(i, 1) ? catalogue.Text(i, 1) : "");

    // A display name for every installed user-interface language.
    EXPECT_GE(data->LineCount(1), model.LanguageTable.LineCount(11));

    // Geometry: cover, pitch, height (mm), web angle (degrees), top flange, web in plan, bottom flange.
    const double cover = ProfileValue(data, 2, 2), pitch = ProfileValue(data, 2, 3);
    const double h = ProfileValue(data, 2, 4), angle = ProfileValue(data, 2, 5);
    const double top = ProfileValue(data, 2, 6), web = ProfileValue(data, 2, 7);
    const double bottom = ProfileValue(data, 2, 8);
    ASSERT_GT(pitch, 0.0);
    EXPECT_NEAR(cover / pitch, std::round(cover / pitch), 1e-6) << "whole ribs per sheet";
    EXPECT_NEAR(top + bottom + 2 * web, pitch, 0.5);
    EXPECT_NEAR(h / std::tan(angle * std::numbers::pi / 180.0), web, 0.2);
    EXPECT_GE(angle, 45.0);
    EXPECT_LE(angle, 90.0);
    EXPECT_GT(std::min(top, bottom), 0.0);

    EXPECT_LE(ProfileGroup3Value(data), 4);
    ASSERT_GT(data->LineCount(5), 0) << "no structure type";
    for (int n = 1; n <= data->LineCount(5); ++n) {
        const int type = ProfileInt(data, 5, n);
        EXPECT_TRUE(type >= 0 && type <= 4) << type;
    }
    for (int n = 1; n <= data->LineCount(4); ++n) EXPECT_GT(ProfileInt(data, 4, n), 0);

    const int count = data->LineCount(11);
    ASSERT_GT(count, 0);
    for (int g : kPerThicknessGroups) EXPECT_EQ(data->LineCount(g), count) << "group " << g;
    for (int m = 1; m <= count; ++m) {
        SCOPED_TRACE("thickness line " + std::to_string(m));
        for (int g : kPerThicknessGroups) EXPECT_GT(ProfileValue(data, g, m), 0.0) << "group " << g;
        const double nominal = ProfileValue(data, 14, m), core = ProfileValue(data, 12, m);
        EXPECT_GE(nominal, 0.5);
        EXPECT_LE(nominal, 1.5);
        EXPECT_LT(core, nominal);
        EXPECT_GT(core, nominal - 0.1);
        // Steel mass of the nominal sheet, per square metre covered: at least the flat sheet, and
        // not more than the developed width allows.
        const double developed = (top + bottom + 2 * std::hypot(h, web)) / pitch;
        const double mass = ProfileValue(data, 21, m);
        EXPECT_GT(mass, 7.85 * core);
        EXPECT_LT(mass, 7.85 * (nominal + 0.05) * developed);
        // Units: an elastic moment resistance (kNm/m) cannot exceed fy * I / (h / 2) with I in cm4/m,
        // and an effective section keeps a good part of it; a slip of 10^3 fails here.
        const double fy = ProfileValue(data, 13, m);
        for (int side = 0; side < 2; ++side) {
            const double inertia = ProfileValue(data, 31 + side, m) * 1e4;  // mm4/m
            const double moment = ProfileValue(data, 41 + side, m) * 1e6;   // Nmm/m
            EXPECT_LE(moment, fy * inertia / (h / 2) * 1.001) << "side " << side;
            EXPECT_GE(moment, 0.3 * fy * inertia / h) << "side " << side;
        }
        // The wide flange in compression makes the negative section the weaker one.
        EXPECT_LE(ProfileValue(data, 32, m), ProfileValue(data, 31, m));
        // The calculation rescales the intermediate support value from the tabulated bearing length
        // (group 51) with 0.5 + sqrt(0.02 la / t), t from group 12, and takes the end support value
        // as it stands (la = 10 mm, half the alpha). For plain webs the two columns must therefore
        // differ by exactly that ratio, or group 51 does not say what group 52 was worked out for.
        if (catalogue.Int(i, 0) == 0) {
            const double la = ProfileValue(data, 51, m);
            const double ratio = 0.5 * (0.5 + std::sqrt(0.2 / core)) / (0.5 + std::sqrt(0.02 * la / core));
            EXPECT_NEAR(ProfileValue(data, 53, m) / ProfileValue(data, 52, m), ratio, 0.002);
        }
        // End support below intermediate support, both per metre in kN/m.
        EXPECT_LT(ProfileValue(data, 53, m), ProfileValue(data, 52, m));
        EXPECT_LT(ProfileValue(data, 52, m), 300.0);
        EXPECT_LT(ProfileValue(data, 61, m), 500.0);
        if (m > 1) {
            for (int g : kGrowingGroups)
                EXPECT_GT(ProfileValue(data, g, m), ProfileValue(data, g, m - 1)) << "group " << g;
        }
    }
}

TEST_F(ShippedData, StartupReadsEveryCatalogue) {
    const KAIKKI_data& model = *model_;
    EXPECT_EQ(model.LanguageTable.LineCount(11), 2);
    EXPECT_EQ(model.LanguageTable.LineCount(21), 2);
    EXPECT_EQ(model.UiLanguage, 1);
    EXPECT_EQ(model.ReportLanguage, 1);
    EXPECT_EQ(model.Standards.StandardCount(), 2);
    EXPECT_GE(model.SteelGrades.Count(), 6);
    EXPECT_EQ(model.SteelGrades.SelectedGrade, 0);
    EXPECT_GT(model.Fasteners.Count(), 0);
    EXPECT_EQ(model.Fasteners.SupportFastener, 0);
    EXPECT_GE(model.Profiles.Count(), 8);
    // Window layout: one position record for each of the six child windows.
    ASSERT_EQ(model.WindowLayout.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(model.WindowLayout.Int(i, 0), 1);
        EXPECT_EQ(model.WindowLayout.Int(i, 1), i + 1);
        EXPECT_GT(model.WindowLayout.Real(i, 2), 0.0);
        EXPECT_GT(model.WindowLayout.Real(i, 3), 0.0);
    }
    // Designer details: the six rows of the project data window (plus the eight placeholders).
    EXPECT_EQ(model.UserData.LineCount(11), 6);
    EXPECT_EQ(model.UserData.LineCount(12), 8);
}

TEST_F(ShippedData, EveryProfileOfBothCataloguesHasWhatTheCalculationReads) {
    KAIKKI_data& model = *model_;
    for (int standard = 0; standard < 2; ++standard) {
        SCOPED_TRACE("catalogue of standard " + std::to_string(standard));
        model.LoadProfiles(standard);
        const ProfiilitVektori& catalogue = model.Profiles;
        ASSERT_GE(catalogue.Count(), 8);
        ASSERT_EQ(catalogue.ProfileDataCount(), catalogue.Count());
        double lowest = 1e9, highest = 0.0;
        std::set<std::string> names;
        for (int i = 0; i < catalogue.Count(); ++i) {
            CheckProfile(model, i);
            const ProfiiliArvot* data = catalogue.ProfileData(i);
            if (data) {
                lowest = std::min(lowest, ProfileValue(data, 2, 4));
                highest = std::max(highest, ProfileValue(data, 2, 4));
            }
            EXPECT_TRUE(names.insert(catalogue.Text(i, 0)).second) << "duplicate " << catalogue.Text(i, 0);
            ASSERT_NE(catalogue.Text(i, 2), nullptr);
            EXPECT_TRUE(std::filesystem::exists(model.DataFilePath(catalogue.Text(i, 2)))) << catalogue.Text(i, 2);
        }
        EXPECT_LE(lowest, 25.0);
        EXPECT_GE(highest, 150.0);
        EXPECT_GE(catalogue.CountInGroup(1), 2) << "perforated-web profiles";
        bool perforatedUsable = false;
        for (int type = 0; type <= 4; ++type) perforatedUsable |= catalogue.HasProfileFor(type);
        EXPECT_TRUE(perforatedUsable);
    }
    model.LoadProfiles(model.StandardIndex);
}

// One table line worked by hand (data/SOURCES.md, "Hand check of one table line"): the values
// the calculation reads, in the units it reads them.
TEST_F(ShippedData, HandCheckedProfileLine) {
    KAIKKI_data& model = *model_;
    model.LoadProfiles(1);
    const ProfiilitVektori& catalogue = model.Profiles;
    const ProfiiliArvot* data = nullptr;
    for (int i = 0; i < catalogue.Count(); ++i)
        if (catalogue.Text(i, 0) && std::string(catalogue.Text(i, 0)) == "KP 45/900") data = catalogue.ProfileData(i);
    ASSERT_NE(data, nullptr);
    int m = 0;
    for (int n = 1; n <= data->LineCount(14); ++n)
        if (std::fabs(ProfileValue(data, 14, n) - 0.70) < 1e-9) m = n;
    ASSERT_GT(m, 0);
    const struct {
        int group;
        double value;  // unit of the group as the calculation reads it
        const char* what;
    } expected[] = {
        {12, 0.66, "core thickness, mm"},     {13, 350.0, "fy, N/mm2"},
        {21, 7.54, "mass, kg/m2"},            {31, 26.8, "I+ eff, cm4/m"},
        {32, 20.3, "I- eff, cm4/m"},          {41, 3.28, "M+ Rk, kNm/m"},
        {42, 3.12, "M- Rk, kNm/m"},           {51, 100.0, "bearing length, mm"},
        {52, 38.5, "intermediate support, kN/m"}, {53, 9.02, "end support, kN/m"},
        {61, 69.1, "shear, kN/m"},
    };
    for (const auto& e : expected)
        EXPECT_NEAR(ProfileValue(data, e.group, m), e.value, 0.01 * e.value) << e.what;
    model.LoadProfiles(model.StandardIndex);
}

// Factors of the annexes where a public source states them (data/SOURCES.md, "Factors"); a value
// below 0 is not stated by the source and not checked here.
TEST_F(ShippedData, AnnexFactorsMatchTheirSources) {
    NormiVektori& standards = model_->Standards;
    const double kEn[8][3] = {{0.7, 0.5, 0.3}, {0.7, 0.5, 0.3}, {0.7, 0.7, 0.6}, {0.7, 0.7, 0.6},
                              {1.0, 0.9, 0.8}, {0.7, 0.7, 0.6}, {0.7, 0.5, 0.3}, {0.0, 0.0, 0.0}};
    const double kFi[8][3] = {{0.7, 0.5, 0.3}, {0.7, 0.5, 0.3}, {0.7, 0.7, 0.3}, {0.7, 0.7, 0.6},
                              {1.0, 0.9, 0.8}, {0.7, 0.7, 0.6}, {0.7, 0.5, 0.3}, {0.0, 0.0, 0.0}};
    const struct {
        const char* annex;
        double gammaM0, gammaM1, gammaM2;  // sheet cross-section, web crippling, fasteners
        double gammaG, gammaQ;             // unfavourable permanent and variable, ultimate state
        double psiSnow[3], psiWind[3];
        const double (*imposed)[3];
    } rows[] = {
        {"Recommended values", -1, -1, -1, 1.35, 1.5, {0.5, 0.2, 0.0}, {0.6, 0.2, 0.0}, kEn},
        {"Finland", 1.0, 1.0, 1.25, -1, 1.5, {0.7, 0.5, 0.2}, {0.6, 0.2, 0.0}, kFi},
        {"Sweden", -1, -1, -1, 1.20, 1.5, {-1, -1, -1}, {-1, -1, -1}, nullptr},
        {"Norway", 1.05, 1.05, 1.25, -1, -1, {-1, -1, -1}, {-1, -1, -1}, nullptr},
        {"United Kingdom", 1.0, 1.0, 1.25, -1, -1, {-1, -1, -1}, {-1, -1, -1}, nullptr},
    };
    auto check = [](double shipped, double stated, const char* what) {
        if (stated < 0.0) return;
        EXPECT_NEAR(shipped, stated, 1e-9) << what;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.annex);
        int annex = -1;
        for (int n = 1; n <= standards.AnnexCount(1); ++n) {
            std::string name;
            if (standards.AnnexName(1, n, name) && name == row.annex) annex = n - 1;
        }
        ASSERT_GE(annex, 0);
        standards.SelectStandard(1, annex);
        check(standards.FactorGrid[0][0], row.gammaM0, "gamma_M0");
        check(standards.FactorGrid[0][1], row.gammaM1, "gamma_M1");
        check(standards.SingleFactor1, row.gammaM2, "gamma_M2 of fasteners");
        check(standards.PermanentFactors[1], row.gammaG, "gamma_G");
        for (const double* f : {standards.SnowFactors, standards.ImposedFactors, standards.WindFactors})
            check(f[1], row.gammaQ, "gamma_Q");
        for (int k = 0; k < 3; ++k) {
            check(standards.SnowPsi[k], row.psiSnow[k], "snow psi");
            check(standards.WindPsi[k], row.psiWind[k], "wind psi");
            if (!row.imposed) continue;
            for (int c = 0; c < 8; ++c) {
                SCOPED_TRACE(std::string("imposed-load category ") + "ABCDEFGH"[c]);
                check(standards.ImposedPsi[c][k], row.imposed[c][k], "imposed psi");
            }
        }
    }
    standards.SelectStandard(model_->StandardIndex, model_->AnnexIndex);
}

TEST_F(ShippedData, EveryAnnexHasPlausibleFactorsAndReadableSnowFiles) {
    KAIKKI_data& model = *model_;
    NormiVektori& standards = model.Standards;
    ASSERT_GE(standards.AnnexCount(0), 1);
    const std::vector<std::string> required = {"Recommended values", "Finland", "Sweden", "Norway",
                                               "Denmark", "Germany", "United Kingdom"};
    std::vector<std::string> annexes;
    for (int n = 1; n <= standards.AnnexCount(1); ++n) {
        std::string name;
        ASSERT_TRUE(standards.AnnexName(1, n, name));
        annexes.push_back(name);
    }
    for (const std::string& name : required)
        EXPECT_NE(std::find(annexes.begin(), annexes.end(), name), annexes.end()) << name;

    std::set<std::string> snowFiles;
    for (int standard = 0; standard < 2; ++standard) {
        for (int annex = 0; annex < standards.AnnexCount(standard); ++annex) {
            SCOPED_TRACE("standard " + std::to_string(standard) + " annex " + std::to_string(annex));
            standards.SelectStandard(standard, annex);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 4; ++c) {
                    EXPECT_GE(standards.FactorGrid[r][c], 1.0);
                    EXPECT_LE(standards.FactorGrid[r][c], 1.5);
                }
            EXPECT_GE(standards.SingleFactor1, 1.0);
            EXPECT_LE(standards.SingleFactor1, 1.5);
            const double* loadRows[] = {standards.PermanentFactors, standards.SnowFactors,
                                        standards.ImposedFactors, standards.WindFactors};
            for (const double* f : loadRows) {
                for (int k = 0; k < 6; k += 2) EXPECT_LE(f[k], f[k + 1]) << "favourable above unfavourable";
                EXPECT_GE(f[1], 1.0);
                EXPECT_LE(f[1], 1.6);
                EXPECT_EQ(f[5], 1.0) << "serviceability";
            }
            // The serviceability state carries permanent load at its characteristic value.
            EXPECT_EQ(standards.PermanentFactors[4], 1.0);
            auto psiRowOk = [](const double* psi) {
                return psi[0] >= psi[1] && psi[1] >= psi[2] && psi[2] >= 0.0 && psi[0] <= 1.0;
            };
            EXPECT_TRUE(psiRowOk(standards.SnowPsi));
            EXPECT_TRUE(psiRowOk(standards.WindPsi));
            const int categories = standard == 0 ? 1 : 8;
            for (int c = 0; c < categories; ++c) EXPECT_TRUE(psiRowOk(standards.ImposedPsi[c])) << c;

            std::string file;
            if (standards.SnowPlaceFileName(standard, annex, file) && file.size() > 3) snowFiles.insert(file);
        }
    }
    standards.SelectStandard(model.StandardIndex, model.AnnexIndex);

    // Finland and Sweden publish ground snow loads by place; both lists ship and parse.
    EXPECT_TRUE(snowFiles.count("snowfi.dat"));
    EXPECT_TRUE(snowFiles.count("snowse.dat"));
    for (const std::string& file : snowFiles) {
        SCOPED_TRACE(file);
        DOFvektori places(100, 100);
        places.DefineFields(1, 0, 1);
        ASSERT_EQ(places.LoadFile(model.DataFilePath(file), 1), 0);
        ASSERT_GT(places.Count(), 0);
        for (int i = 0; i < places.Count(); ++i) {
            ASSERT_NE(places.Text(i, 0), nullptr);
            EXPECT_GT(places.Real(i, 0), 0.5) << places.Text(i, 0);
            EXPECT_LE(places.Real(i, 0), 6.0) << places.Text(i, 0);
        }
    }
}

// Kind and material entries of a catalogue record as the fastener window lists it; -1 none.
// Category 1 kinds: 0 self-drilling screw, 1 thread-forming screw, 2 nail; categories 2 and 3:
// 0 self-drilling screw, 1 rivet. Screw materials from (key a, key b); rivet materials from key a.
int KindEntry(int category, int fastenerClass) {
    if (category == 1) {
        if (fastenerClass == 1) return 0;
        if (fastenerClass == 2 || fastenerClass == 3) return 1;
        return fastenerClass == 5 ? 2 : -1;
    }
    if (fastenerClass == 1) return 0;
    return fastenerClass == 4 ? 1 : -1;
}
int ScrewMaterialEntry(int keyA, int keyB) {
    if (keyA < 1 || keyA > 2 || keyB < 1 || keyB > 2) return -1;
    return (keyA - 1) * 2 + (keyB - 1);
}

TEST_F(ShippedData, EveryFastenerChoiceOfTheWindowHasAProduct) {
    const KiinnikeVektori& fasteners = model_->Fasteners;
    // served[category][kind][material]
    bool served[4][3][4] = {};
    for (int i = 0; i < fasteners.Count(); ++i) {
        SCOPED_TRACE(fasteners.Text(i, 0) ? fasteners.Text(i, 0) : "?");
        const int category = fasteners.Int(i, 0), fastenerClass = fasteners.Int(i, 1);
        const int keyA = fasteners.Int(i, 2), keyB = fasteners.Int(i, 3);
        ASSERT_TRUE(category >= 1 && category <= 4);
        EXPECT_GT(fasteners.Real(i, 2), 0.0) << "diameter";
        EXPECT_GT(fasteners.Real(i, 6), 0.0) << "shear resistance";
        EXPECT_GT(fasteners.Real(i, 7), 0.0) << "tension resistance";
        EXPECT_LT(fasteners.Real(i, 6), 20.0) << "kN per fastener";
        EXPECT_LE(fasteners.Real(i, 3), fasteners.Real(i, 4)) << "clamping range";
        const std::string picture = "fastener" + std::to_string(fasteners.Int(i, 5)) + ".bmp";
        EXPECT_TRUE(std::filesystem::exists(model_->DataFilePath(picture))) << picture;
        for (int c = 1; c <= 3; ++c) {
            if (category != c && !(category == 4 && c >= 2)) continue;
            // The window finds a listed product by its name: it must lead back to this record.
            EXPECT_EQ(fasteners.FindFastener(c, fasteners.Text(i, 0), -1, -1), i);
            const int kind = KindEntry(c, fastenerClass);
            ASSERT_NE(kind, -1) << "class " << fastenerClass << " is never listed";
            if (c == 1 && kind == 2) {
                for (int m = 0; m < 4; ++m) served[c][kind][m] = true;  // a nail suits any material
            } else if (c >= 2 && kind == 1) {
                ASSERT_TRUE(keyA >= 1 && keyA <= 4);
                served[c][kind][keyA - 1] = true;
            } else {
                const int material = ScrewMaterialEntry(keyA, keyB);
                ASSERT_NE(material, -1);
                served[c][kind][material] = true;
            }
        }
    }
    for (int c = 1; c <= 3; ++c) {
        const int kinds = c == 1 ? 3 : 2;
        for (int k = 0; k < kinds; ++k)
            for (int m = 0; m < 4; ++m) EXPECT_TRUE(served[c][k][m]) << "category " << c << " kind " << k
                                                                     << " material " << m;
    }
}

TEST_F(ShippedData, SteelGradesCoverTheSupportKinds) {
    const LujuusluokkaVektori& grades = model_->SteelGrades;
    std::set<std::string> names;
    std::set<int> kinds;
    for (int i = 0; i < grades.Count(); ++i) {
        SCOPED_TRACE(grades.Text(i, 0));
        names.insert(grades.Text(i, 0));
        kinds.insert(grades.Int(i, 0));
        EXPECT_TRUE(grades.Int(i, 0) >= 1 && grades.Int(i, 0) <= 3) << "support material kind";
        EXPECT_GE(grades.Real(i, 0), 200.0) << "strength, N/mm2";
        EXPECT_LE(grades.Real(i, 0), 460.0);
        EXPECT_GT(grades.Real(i, 1), grades.Real(i, 0)) << "tensile strength above yield";
    }
    for (const char* name : {"S235", "S275", "S355", "S280GD", "S320GD", "S350GD"}) EXPECT_TRUE(names.count(name)) << name;
    EXPECT_TRUE(kinds.count(1));
    EXPECT_TRUE(kinds.count(2));
}

}  // namespace
}  // namespace kirvos
