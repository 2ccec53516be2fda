// Starting the project model from small data folders written by the tests: the start-up order and
// its effects, missing files of each kind, the catalogues as read, the settings files' writing
// rules and the program folder rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../records/temp_folder.h"
#include "project/data_path.h"
#include "project/project_model.h"

namespace kirvos {
namespace {

using testing::TempFolder;

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// A complete data folder; tests remove or rewrite single files before starting the model.
class StartupFolder : public ::testing::Test {
protected:
    void SetUp() override {
        Write("languages.dat", {"[ ==== 1 ==== ]", "2", "1", "[ ==== 2 ==== ]", "0",
                                "[ ==== 11 ==== ]", "English", "Suomi",
                                "[ ==== 21 ==== ]", "English", "Suomi"});
        Write("lang001.dat", {"[ ==== 111 ==== ]", "Error EN"});
        Write("lang002.dat", {"[ ==== 111 ==== ]", "Virhe FI",
                              "[ ==== 304 ==== ]", "guide.html", "missing.html", "help\\loads.html"});
        Write("lang101.dat", {"[ ==== 11 ==== ]", "Report EN"});
        Write("lang102.dat", {"[ ==== 11 ==== ]", "Raportti FI"});
        Write("steelgrades.dat", {"// grade;kind;x;fy;a;b", "S1;1;0;235;0;0", "S2;2;0;355;0;0"});
        // Categories 3, 1, 4, 1: held as 1, 1, 3, 4.
        Write("fasteners.dat", {"LapScrew;lap;3;0;0;0;0;0;0;0;0;0;4.8;0;0;0;0;0;0;0;0;0",
                                "Screw6;support;1;0;0;6;0;0;0;0;0;0;6.3;0;0;0;0;0;0;0;0;0",
                                "Rivet;both;4;0;0;0;0;0;0;0;0;0;4.0;0;0;0;0;0;0;0;0;0",
                                "Screw5;support;1;0;0;5;0;0;0;0;0;0;5.5;0;0;0;0;0;0;0;0;0"});
        // Groups 1, 0, 1, 0 in file order: held as 0, 0, 1, 1.
        Write("profiles1.dat", {"// name;file;picture;group;info;...",
                                "PerfA;perfa.dat;perfa.bmp;1;0;0;0;0;0;0;0;0;0",
                                "PlainA;plaina.dat;plaina.bmp;0;0;0;0;0;0;0;0;0;0",
                                "PerfB;nofile.dat;perfb.bmp;1;0;0;0;0;0;0;0;0;0",
                                "PlainB;nothick.dat;plainb.bmp;0;0;0;0;0;0;0;0;0;0"});
        Write("profiles2.dat", {"Second;plaina.dat;x.bmp;0;0;0;0;0;0;0;0;0;0"});
        Write("plaina.dat", {"[ ==== 1 ==== ]", "Plain A en", "Plain A fi",
                             "[ ==== 2 ==== ]", "P1", "1000", "200", "45", "70", "40", "30", "100",
                             "[ ==== 3 ==== ]", "2",
                             "[ ==== 5 ==== ]", "0", "2",
                             "[ ==== 11 ==== ]", "0.7", "0.9",
                             "[ ==== 14 ==== ]", "44.5", "44.9"});
        Write("perfa.dat", {"[ ==== 1 ==== ]", "Perf A en",
                            "[ ==== 5 ==== ]", "1",
                            "[ ==== 11 ==== ]", "0.8"});
        Write("nothick.dat", {"[ ==== 1 ==== ]", "No thickness", "[ ==== 2 ==== ]", "1000"});
        Write("defaults.dat", {"PictureWindow;1;1;1;0;0;10;20;300;200;0",
                               "SpanWindow;1;2;0;0;0;15;25;310;210;0"});
        Write("user.dat", {"[ ==== 11 ==== ]", "Firm", "Designer", "123", "456", "a@b", "Street 1"});
        Write("standards.dat", {"[ ==== 1 ==== ]", "Std A", "Std B",
                                "[ ==== 11 ==== ]", "-",
                                "[ ==== 12 ==== ]", "Annex 1", "Annex 2",
                                "[ ==== 101 ==== ]", "1.1;1.1;1.1;1.1",
                                "[ ==== 161 ==== ]", "snowa.dat",
                                "[ ==== 201 ==== ]", "2.1;2.1;2.1;2.1", "2.2;2.2;2.2;2.2",
                                "[ ==== 261 ==== ]", "snowb1.dat", "b2"});
        Write("snowb1.dat", {"Town;2.5"});
        Write("guide.html", {"guide"});
        std::filesystem::create_directory(folder.File("help"));
        Write("help/loads.html", {"loads"});
    }

    void Write(const std::string& name, const std::vector<std::string>& lines) { folder.Write(name, Lines(lines)); }
    void Remove(const std::string& name) { std::filesystem::remove(folder.File(name)); }
    std::string ProgramPath() const { return folder.File("kirvos"); }

    TempFolder folder;
};

TEST_F(StartupFolder, LanguagesFromTheLanguageTable) {
    const KAIKKI_data model(ProgramPath());
    EXPECT_EQ(model.UiLanguage, 2);
    EXPECT_EQ(model.ReportLanguage, 1);
    EXPECT_STREQ(model.Texts.Text(111, 1), "Virhe FI");
    EXPECT_STREQ(model.Texts.ReportText(11, 1), "Report EN");
    EXPECT_EQ(model.LanguageTable.LineCount(11), 2);
}

TEST_F(StartupFolder, LanguageNumbersOutsideTheListBecomeOne) {
    struct Case { const char* what; std::vector<std::string> file; int ui, report; };
    const Case cases[] = {
        {"group 1 of one line", {"[ ==== 1 ==== ]", "2", "[ ==== 11 ==== ]", "a", "b", "[ ==== 21 ==== ]", "a", "b"}, 1, 1},
        {"group 1 of three lines", {"[ ==== 1 ==== ]", "2", "2", "2", "[ ==== 11 ==== ]", "a", "b", "[ ==== 21 ==== ]", "a", "b"}, 1, 1},
        {"numbers beyond the lists", {"[ ==== 1 ==== ]", "3", "2", "[ ==== 11 ==== ]", "a", "b", "[ ==== 21 ==== ]", "a"}, 1, 1},
        {"report language chosen", {"[ ==== 1 ==== ]", "1", "2", "[ ==== 11 ==== ]", "a", "[ ==== 21 ==== ]", "a", "b"}, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write("languages.dat", c.file);
        const KAIKKI_data model(ProgramPath());
        EXPECT_EQ(model.UiLanguage, c.ui);
        EXPECT_EQ(model.ReportLanguage, c.report);
    }
}

TEST_F(StartupFolder, StandardChosenAtStartSelectsItsDataAndDefaults) {
    {
        const KAIKKI_data model(ProgramPath());
        EXPECT_EQ(model.StandardIndex, 0);
        EXPECT_DOUBLE_EQ(model.Loads.SnowShapeFactor, 1.0);
        EXPECT_DOUBLE_EQ(model.DiaphragmParameters.Value(23), 1.6);
        EXPECT_EQ(model.Profiles.Count(), 4);
        EXPECT_DOUBLE_EQ(model.Standards.FactorGrid[0][0], 1.1);
        std::string name = "stale";
        EXPECT_TRUE(model.SnowPlaceFileName(name));
        EXPECT_EQ(name, "snowa.dat");
        EXPECT_EQ(model.SnowPlaceFilePath(), "");  // named, but not in the folder
    }
    Write("languages.dat", {"[ ==== 1 ==== ]", "1", "1", "[ ==== 2 ==== ]", "1"});
    KAIKKI_data model(ProgramPath());
    EXPECT_EQ(model.StandardIndex, 1);
    EXPECT_EQ(model.AnnexIndex, 1);
    EXPECT_DOUBLE_EQ(model.Loads.SnowShapeFactor, 0.8);
    EXPECT_DOUBLE_EQ(model.DiaphragmParameters.Value(23), 1.5);
    ASSERT_EQ(model.Profiles.Count(), 1);  // profiles2.dat
    EXPECT_STREQ(model.Profiles.Text(0, 0), "Second");
    // Annex index 1 at start: line 2 of the standard's factor groups.
    EXPECT_DOUBLE_EQ(model.Standards.FactorGrid[0][0], 2.2);
    std::string name = "stale";
    EXPECT_FALSE(model.SnowPlaceFileName(name));  // "b2" is too short to be a file name
    EXPECT_EQ(model.SnowPlaceFilePath(), "");
    model.AnnexIndex = 0;
    EXPECT_EQ(model.SnowPlaceFilePath(), folder.File("snowb1.dat"));
    model.AnnexIndex = 5;
    EXPECT_FALSE(model.SnowPlaceFileName(name));
    EXPECT_EQ(name, "");
}

TEST_F(StartupFolder, StandardIndexOutOfRangeIsNotTaken) {
    for (const char* line : {"-1", "11", "x"}) {
        SCOPED_TRACE(line);
        Write("languages.dat", {"[ ==== 2 ==== ]", line});
        const KAIKKI_data model(ProgramPath());
        EXPECT_EQ(model.StandardIndex, 0);
        EXPECT_DOUBLE_EQ(model.Standards.FactorGrid[0][0], 1.1);
    }
}

TEST_F(StartupFolder, InitialValuesAndDefaultStructure) {
    const KAIKKI_data model(ProgramPath());
    EXPECT_EQ(model.ProgramPath, ProgramPath());
    EXPECT_EQ(model.AnnexIndex, 1);
    EXPECT_EQ(model.StructureType, 0);
    EXPECT_EQ(model.RoofKind, 0);
    EXPECT_EQ(model.StructureClass, 0);
    EXPECT_EQ(model.DeflectionLimitMode, 0);
    EXPECT_EQ(model.DiaphragmOn, 0);
    EXPECT_EQ(model.PerforatedWeb, 0);
    EXPECT_DOUBLE_EQ(model.OwnDeflectionLimit, 300.0);
    EXPECT_DOUBLE_EQ(model.RoofSlope, 0.0);
    EXPECT_DOUBLE_EQ(model.ShortPieceLength, 300.0);
    EXPECT_DOUBLE_EQ(model.CantileverDeflectionThreshold, 2.0);
    EXPECT_DOUBLE_EQ(model.CantileverDeflectionLimit, 100.0);
    EXPECT_EQ(model.ResultsValid, 0);
    for (int code : model.RefreshList) EXPECT_EQ(code, 0);
    EXPECT_EQ(model.Elements.Capacity(), 100);
    EXPECT_EQ(model.SheetParts.Capacity(), 30);
    EXPECT_EQ(model.UltimateEnvelope.Capacity(), 200);
    EXPECT_EQ(model.DesignResults.Capacity(), 100);
    EXPECT_EQ(model.UltimateCombinations.Capacity(), 200);
    EXPECT_EQ(model.DiaphragmParameters.Capacity(), 10);
    EXPECT_EQ(model.WindowLayout.TextFields(), 1);
    EXPECT_EQ(model.WindowLayout.IntFields(), 5);
    EXPECT_EQ(model.WindowLayout.RealFields(), 5);
    EXPECT_EQ(model.ProjectText.TotalLines(), 0);
    EXPECT_EQ(model.ProjectText.FileName(), "");

    ASSERT_EQ(model.Spans.Count(), 3);
    EXPECT_EQ(model.Spans.Line(1), "Aukko;0;0;0;0;0;6000.000;0.000;0.000;0.000;0.000");
    EXPECT_DOUBLE_EQ(model.Spans.TotalLength(), 6000.0);
    ASSERT_EQ(model.Supports.Count(), 2);
    EXPECT_EQ(model.Supports.Line(0), "Tuki;0;0;0;0;0;50.000;0.000;0.000;0.000;0.000");

    const std::vector<int> keys = {1, 2, 3, 11, 12, 21, 22, 23, 31};
    const std::vector<double> values = {1.0, 1.0, 1.0, 20000.0, 10000.0, 0.0, 0.0, 1.6, 20.0};
    EXPECT_EQ(model.DiaphragmParameters.Keys(), keys);
    EXPECT_EQ(model.DiaphragmParameters.Values(), values);
}

TEST_F(StartupFolder, CataloguesAsRead) {
    KAIKKI_data model(ProgramPath());
    // Steel grades in file order, the first selected.
    ASSERT_EQ(model.SteelGrades.Count(), 2);
    EXPECT_EQ(model.SteelGrades.SelectedGrade, 0);
    EXPECT_DOUBLE_EQ(model.SteelGrades.Real(1, 0), 355.0);

    const KiinnikeVektori& f = model.Fasteners;
    ASSERT_EQ(f.Count(), 4);
    EXPECT_STREQ(f.Text(0, 0), "Screw6");
    EXPECT_STREQ(f.Text(1, 0), "Screw5");
    EXPECT_STREQ(f.Text(2, 0), "LapScrew");
    EXPECT_STREQ(f.Text(3, 0), "Rivet");
    EXPECT_EQ(f.SupportFastener, 0);
    EXPECT_EQ(f.JointFastener, 0);
    EXPECT_EQ(f.SeamFastener, 0);
    // A category-4 fastener serves joints and side laps, not supports.
    EXPECT_EQ(f.FindFastener(2, "Rivet", -1, -1), 3);
    EXPECT_EQ(f.FindFastener(3, "Rivet", -1, -1), 3);
    EXPECT_EQ(f.FindFastener(1, "Rivet", -1, -1), -1);
    EXPECT_EQ(f.FindFastener(3, "LapScrew", -1, -1), 2);
    EXPECT_EQ(f.FindFastener(2, "LapScrew", -1, -1), -1);
    // Key b (integer 3) narrows the search when positive.
    EXPECT_EQ(f.FindFastener(1, "Screw5", 5, -1), 1);
    EXPECT_EQ(f.FindFastener(1, "Screw5", 6, -1), -1);
    EXPECT_EQ(f.FindFastener(1, "Screw5", 0, 3), -1);  // key a 3 matches no record
    EXPECT_EQ(f.FindFastener(1, "screw5", -1, -1), -1);  // names match exactly

    // Profiles by group, each group in file order; data where a valid file exists.
    const ProfiilitVektori& p = model.Profiles;
    ASSERT_EQ(p.Count(), 4);
    const char* order[] = {"PlainA", "PlainB", "PerfA", "PerfB"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(p.Text(i, 0), order[i]);
    EXPECT_EQ(p.ProfileDataCount(), 4);
    EXPECT_NE(p.ProfileData(0), nullptr);
    EXPECT_EQ(p.ProfileData(1), nullptr);  // no thicknesses
    EXPECT_NE(p.ProfileData(2), nullptr);
    EXPECT_EQ(p.ProfileData(3), nullptr);  // no file
    EXPECT_EQ(p.ProfileData(4), nullptr);
    EXPECT_EQ(p.CountInGroup(0), 2);
    EXPECT_EQ(p.CountInGroup(1), 2);
    EXPECT_EQ(p.CountInGroup(-1), 4);
    EXPECT_EQ(p.FirstInGroup(1), 2);
    EXPECT_EQ(p.FirstInGroup(2), -1);
    EXPECT_EQ(p.FindByName("Plain A fi", 2), 0);
    EXPECT_EQ(p.FindByName("PerfA", 2), 2);     // no name in language 2: the catalogue name
    EXPECT_EQ(p.FindByName("Perf A en", 1), 2);
    EXPECT_EQ(p.FindByName("PlainB", 1), 1);    // no data: the catalogue name
    EXPECT_TRUE(p.HasProfileFor(1));
    EXPECT_FALSE(p.HasProfileFor(0));  // only the plain profile suits type 0

    // The selection is kept when still valid and reset otherwise.
    model.Profiles.SelectedProfile = 3;
    model.LoadProfiles(0);
    EXPECT_EQ(model.Profiles.SelectedProfile, 3);
    model.Profiles.SelectedProfile = 7;
    model.LoadProfiles(0);
    EXPECT_EQ(model.Profiles.SelectedProfile, 0);

    // A standard without a catalogue file has no profiles: the other standard's are not kept.
    model.LoadProfiles(5);
    EXPECT_EQ(model.Profiles.Count(), 0);
    EXPECT_EQ(model.Profiles.ProfileData(0), nullptr);
}

TEST_F(StartupFolder, ProfileDataValues) {
    const KAIKKI_data model(ProgramPath());
    const ProfiiliArvot* data = model.Profiles.ProfileData(0);
    ASSERT_NE(data, nullptr);
    EXPECT_DOUBLE_EQ(ProfileValue(data, 2, 4), 45.0);
    EXPECT_DOUBLE_EQ(ProfileValue(data, 2, 1), 0.0);    // "P1" is no number
    EXPECT_DOUBLE_EQ(ProfileValue(data, 2, 9), 0.0);    // beyond the group
    EXPECT_DOUBLE_EQ(ProfileValue(data, 11, 2), 0.9);
    EXPECT_EQ(ProfileInt(data, 11, 2), 0);
    EXPECT_EQ(ProfileInt(data, 2, 2), 1000);
    EXPECT_EQ(ProfileGroup3Value(data), 2);
    EXPECT_TRUE(SuitsStructureType(data, 2));
    EXPECT_FALSE(SuitsStructureType(data, 1));
    double smallest = 0.0, largest = 0.0;
    DimensionRange(data, smallest, largest);
    EXPECT_DOUBLE_EQ(smallest, 44.5);
    EXPECT_DOUBLE_EQ(largest, 44.9);

    const ProfiiliArvot* perforated = model.Profiles.ProfileData(2);
    ASSERT_NE(perforated, nullptr);
    EXPECT_EQ(ProfileGroup3Value(perforated), 0);
    DimensionRange(perforated, smallest, largest);
    EXPECT_DOUBLE_EQ(smallest, 999.0);
    EXPECT_DOUBLE_EQ(largest, 0.0);

    // Every reader may pass a profile without data.
    EXPECT_DOUBLE_EQ(ProfileValue(nullptr, 2, 1), 0.0);
    EXPECT_FALSE(SuitsStructureType(nullptr, 0));
    DimensionRange(nullptr, smallest, largest);
    EXPECT_DOUBLE_EQ(smallest, 999.0);

    ProfiiliArvot group3;
    group3.Assign({"[ ==== 3 ==== ]", "5"});  // outside 0..4
    EXPECT_EQ(ProfileGroup3Value(&group3), 0);
}

TEST_F(StartupFolder, MissingFilesOfEachKind) {
    for (const char* file : {"languages.dat", "lang002.dat", "lang101.dat", "steelgrades.dat", "fasteners.dat",
                             "profiles1.dat", "defaults.dat", "user.dat", "standards.dat"}) {
        SCOPED_TRACE(file);
        SetUp();
        Remove(file);
        const KAIKKI_data model(ProgramPath());
        const std::string name = file;
        EXPECT_EQ(model.UiLanguage, name == "languages.dat" ? 1 : 2);
        EXPECT_STREQ(model.Texts.Text(111, 1), name == "lang002.dat"     ? "NO TEXT"
                                               : name == "languages.dat" ? "Error EN"
                                                                         : "Virhe FI");
        EXPECT_STREQ(model.Texts.ReportText(11, 1), name == "lang101.dat" ? "NO TEXT" : "Report EN");
        EXPECT_EQ(model.SteelGrades.Count(), name == "steelgrades.dat" ? 0 : 2);
        EXPECT_EQ(model.SteelGrades.SelectedGrade, name == "steelgrades.dat" ? -1 : 0);
        EXPECT_EQ(model.Fasteners.Count(), name == "fasteners.dat" ? 0 : 4);
        EXPECT_EQ(model.Fasteners.SeamFastener, name == "fasteners.dat" ? -1 : 0);
        EXPECT_EQ(model.Profiles.Count(), name == "profiles1.dat" ? 0 : 4);
        EXPECT_EQ(model.WindowLayout.Count(), name == "defaults.dat" ? 0 : 2);
        EXPECT_EQ(model.UserData.LineCount(11), name == "user.dat" ? 0 : 6);
        EXPECT_EQ(model.UserData.LineCount(12), 8);
        EXPECT_DOUBLE_EQ(model.Standards.FactorGrid[0][0], name == "standards.dat" ? 1.0 : 1.1);
        // Whatever is missing, the default structure is there.
        EXPECT_DOUBLE_EQ(model.Spans.TotalLength(), 6000.0);
        EXPECT_EQ(model.Supports.Count(), 2);
    }
}

TEST_F(StartupFolder, UserDataGetsEightPlaceholders) {
    Write("user.dat", {"[ ==== 11 ==== ]", "Firm", "[ ==== 12 ==== ]", "a", "b", "c", "d", "e", "f", "g", "h"});
    const KAIKKI_data model(ProgramPath());
    ASSERT_EQ(model.UserData.LineCount(12), 16);
    EXPECT_STREQ(model.UserData.Line(12, 8), "h");
    EXPECT_STREQ(model.UserData.Line(12, 9), "?");
    EXPECT_STREQ(model.UserData.Line(12, 16), "?");
    EXPECT_EQ(model.UserData.LineCount(11), 1);
}

TEST_F(StartupFolder, LanguageFilesReloadOnlyWhenPresent) {
    KAIKKI_data model(ProgramPath());
    model.UiLanguage = 1;
    model.ReportLanguage = 2;
    model.LoadLanguageFiles(0, 1);
    EXPECT_STREQ(model.Texts.Text(111, 1), "Virhe FI");  // user-interface half untouched
    EXPECT_STREQ(model.Texts.ReportText(11, 1), "Raportti FI");
    model.LoadLanguageFiles(1, 0);
    EXPECT_STREQ(model.Texts.Text(111, 1), "Error EN");
    model.UiLanguage = 9;
    model.LoadLanguageFiles(1, 1);
    EXPECT_STREQ(model.Texts.Text(111, 1), "Error EN");
}

TEST_F(StartupFolder, HelpDocumentLookup) {
    const KAIKKI_data model(ProgramPath());
    std::string path;
    EXPECT_TRUE(model.HelpDocumentPath(3, path));
    EXPECT_EQ(path, folder.File("help/loads.html"));
    EXPECT_TRUE(model.HelpDocumentPath(2, path));  // named file missing: the first document
    EXPECT_EQ(path, folder.File("guide.html"));
    EXPECT_TRUE(model.HelpDocumentPath(10, path));  // beyond the group: the first document
    EXPECT_EQ(path, folder.File("guide.html"));
    Remove("guide.html");
    EXPECT_FALSE(model.HelpDocumentPath(2, path));
    EXPECT_EQ(path, "");
}

TEST_F(StartupFolder, SettingsFilesAreWrittenOnlyWhenTheyExist) {
    KAIKKI_data model(ProgramPath());
    model.WindowLayout.Clear();
    model.WindowLayout.ReadLine("CurvesWindow;1;5;1;0;0;1;2;3;4;0");
    EXPECT_EQ(model.SaveWindowLayout(), 0);
    EXPECT_EQ(TempFolder::Read(folder.File("defaults.dat")), "CurvesWindow;1;5;1;0;0;1.000;2.000;3.000;4.000;0.000\n");
    EXPECT_EQ(model.SaveUserDefaults({"New firm", "", "Ann"}), 0);
    EXPECT_EQ(TempFolder::Read(folder.File("user.dat")), "[ ==== 11 ==== ]\nNew firm\n \nAnn\n");

    Remove("defaults.dat");
    Remove("user.dat");
    EXPECT_EQ(model.SaveWindowLayout(), -1);
    EXPECT_EQ(model.SaveUserDefaults({"Firm"}), -1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("defaults.dat")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("user.dat")));
}

TEST_F(StartupFolder, ReadOnlySettingsFilesAreNotWritten) {
    Write("user.dat", {"[ ==== 11 ==== ]", "Firm"});
    std::filesystem::permissions(folder.File("user.dat"), std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    if (DataFileWritable(folder.File("user.dat"))) GTEST_SKIP() << "running with rights to write any file";
    const KAIKKI_data model(ProgramPath());
    EXPECT_EQ(model.SaveUserDefaults({"Other"}), -1);
    EXPECT_EQ(TempFolder::Read(folder.File("user.dat")), "[ ==== 11 ==== ]\nFirm\n");
}

TEST_F(StartupFolder, PathWithoutSeparatorReadsNothing) {
    const KAIKKI_data model("kirvos");
    EXPECT_EQ(model.UiLanguage, 1);
    EXPECT_STREQ(model.Texts.Text(111, 1), "NO TEXT");
    EXPECT_EQ(model.SteelGrades.Count(), 0);
    EXPECT_EQ(model.Profiles.Count(), 0);
    EXPECT_EQ(model.Standards.StandardCount(), 0);
    EXPECT_EQ(model.UserData.LineCount(12), 8);
    EXPECT_EQ(model.Spans.Count(), 3);
    EXPECT_EQ(model.DataFilePath("languages.dat"), "");
}

TEST(DataPath, ProgramFolderRule) {
    struct Case { const char* program; const char* name; const char* path; };
    const Case cases[] = {
        {"/opt/kirvos/bin/kirvos", "languages.dat", "/opt/kirvos/bin/languages.dat"},
        {"C:\\Kirvos\\kirvos.exe", "user.dat", "C:\\Kirvos/user.dat"},
        {"/kirvos", "user.dat", "/user.dat"},
        {"kirvos", "user.dat", ""},
        {"", "user.dat", ""},
        {"/opt/kirvos", "", ""},
        {"/opt/kirvos", "..", ""},
        {"/opt/kirvos", ".", ""},
        {"/opt/kirvos", "../etc/passwd", ""},
        {"/opt/kirvos", "help/en/index.html", "/opt/help/en/index.html"},
        {"/opt/kirvos", "help\\en\\index.html", "/opt/help/en/index.html"},
        {"/opt/kirvos", "help/../../etc/passwd", ""},
        {"/opt/kirvos", "help/./index.html", ""},
        {"/opt/kirvos", "help//index.html", ""},
        {"/opt/kirvos", "help/", ""},
        {"/opt/kirvos", "/etc/passwd", ""},
        {"/opt/kirvos", "\\etc\\passwd", ""},
        {"/opt/kirvos", "..data", "/opt/..data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " + " + c.name);
        EXPECT_EQ(DataFilePath(c.program, c.name), c.path);
    }
    EXPECT_EQ(DataFilePath("/opt/kirvos", std::string("a\0b", 3)), "");
}

TEST_F(StartupFolder, CatalogueNamesCannotLeaveTheProgramFolder) {
    // A data file one level up, named by the catalogue with a relative path.
    const std::filesystem::path outside = std::filesystem::path(folder.File("x")).parent_path().parent_path() /
                                          (std::filesystem::path(folder.File("x")).parent_path().filename().string() + "-outside.dat");
    {
        std::ofstream out(outside);
        out << "[ ==== 11 ==== ]\n0.7\n";
    }
    Write("profiles1.dat", {"Escape;../" + outside.filename().string() + ";x.bmp;0;0;0;0;0;0;0;0;0;0"});
    const KAIKKI_data model(ProgramPath());
    ASSERT_EQ(model.Profiles.Count(), 1);
    EXPECT_EQ(model.Profiles.ProfileData(0), nullptr);
    std::filesystem::remove(outside);
}

}  // namespace
}  // namespace kirvos
