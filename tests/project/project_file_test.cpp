// Saving and opening project files: every group written and read back, every error reported with
// its code and message, and an open project never damaged by a failed read or save.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "project/project_model.h"
#include "records/text_lines.h"

namespace kirvos {
namespace {

namespace fs = std::filesystem;

class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("kirvos_project_file_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

// The whole project as its file text: equal texts mean equal tables, settings and factors.
std::vector<std::string> Snapshot(const KAIKKI_data& model) {
    CSVTiedosto text;
    model.BuildProjectText(text);
    return text.Lines();
}

void AddSpan(KAIKKI_data& m, const char* name, double length, int joint = 0, double p1 = 0,
             double p2 = 0, double p3 = 0) {
    const char* texts[1] = {name};
    int ints[5] = {0, joint, 0, 0, 0};
    double reals[5] = {length, 0, p1, p2, p3};
    m.Spans.Add(texts, reals, ints);
}

void AddSupport(KAIKKI_data& m, int piece, int joint, double width, double pieceLength, double p1 = 0,
                double p2 = 0) {
    const char* texts[1] = {"Tuki"};
    int ints[5] = {piece, joint, 0, 0, 0};
    double reals[5] = {width, pieceLength, p1, p2, 0};
    m.Supports.Add(texts, reals, ints);
}

// A project with every group of the file holding something other than its initial value.
void Populate(KAIKKI_data& m) {
    m.UiLanguage = 1;
    m.ReportLanguage = 2;
    m.StandardIndex = 1;
    m.AnnexIndex = 3;
    m.StructureType = 2;
    m.RoofKind = 1;
    m.StructureClass = 1;
    m.DeflectionLimitMode = 1;
    m.DiaphragmOn = 1;
    m.PerforatedWeb = 1;
    m.OwnDeflectionLimit = 250.5;
    m.RoofSlope = 12.25;
    m.CantileverDeflectionThreshold = 3.5;
    m.CantileverDeflectionLimit = 150.0;

    m.Spans.Clear();
    AddSpan(m, "uloke", 1200);
    AddSpan(m, "Aukko", 6000, 3, 1000, 1500, 300);
    AddSpan(m, "Aukko", 5000, 1, 800, 200);
    AddSpan(m, "Aukko", 4500, 2, 700, 250);
    AddSpan(m, "uloke", 800);
    m.Spans.SelectedSpan = 2;
    m.Spans.SelectedSpanJoint = 3;
    m.Supports.Clear();
    AddSupport(m, 1, 0, 100, 0);
    AddSupport(m, 2, 6, 120, 1500, 600, 200);
    AddSupport(m, 0, 4, 80, 0, 0.1, 0.15);
    AddSupport(m, 1, 1, 60, 0, 250);
    m.Supports.SelectedSupport = 1;

    m.Loads.Clear();
    for (int kind = 0; kind <= 6; ++kind) {
        const char* texts[1] = {" "};
        int surface[5] = {kind, 0, kind % 4, 0, 0};
        double sreals[5] = {-100.0 + kind, 2000, 1.25 + kind, 2.5, 0};
        m.Loads.Add(texts, sreals, surface);
        int point[5] = {kind, 1, 1, 0, 0};
        double preals[5] = {1500.5, 0, -3.75, 0, 120};
        m.Loads.Add(texts, preals, point);
    }
    KuormaVektori& l = m.Loads;
    l.ActiveLoad = -2;
    l.ActiveKind = 3;
    l.ActiveType = 1;
    l.PictureLoadKind = 2;
    l.DrawBasicLoads = 0;
    l.DrawRecordLoads = 0;
    l.WindCaseCount = 4;
    l.ImposedCategory = 5;
    l.DeadLoad = 0.35;
    l.SnowLoad = 2.75;
    l.SnowShapeFactor = 0.8;
    l.SnowAlternateReduction = 40;
    l.ImposedLoad = 1.5;
    l.ImposedAlternateReduction = 70;
    l.WindLoad = 0.6;
    for (int i = 0; i < 4; ++i) {
        l.WindCoefficients[i] = -0.5 * (i + 1);
        l.WindCoefficients2[i] = 0.25 * i;
        l.WindCoefficients3[i] = 1.0 + i;
    }

    m.SteelGrades.SelectedGrade = 2;
    m.SteelGrades.SupportThickness = 4.5;
    m.Fasteners.SupportFastener = 1;
    m.Fasteners.JointFastener = 2;
    m.Fasteners.SeamFastener = 3;
    for (int i = 0; i < 5; ++i) {
        m.Fasteners.SupportOptions[i] = i;
        m.Fasteners.JointOptions[i] = 5 + i;
        m.Fasteners.SeamOptions[i] = 10 + i;
    }
    m.Profiles.SelectedProfile = 5;

    m.UserData.Clear();
    for (const char* line : {"Rakennus Oy", "Äijä Öhman", "+358 1", "?", "a@b.fi", "Katu 1"}) {
        m.UserData.AppendLine(11, line);
    }
    for (int n = 1; n <= 8; ++n) m.UserData.AppendLine(12, "project line " + std::to_string(n));

    double value = -3.0;
    auto set = [&value](double& slot) { slot = value; value += 0.125; };
    NormiVektori& s = m.Standards;
    for (auto& row : s.FactorGrid) for (double& f : row) set(f);
    set(s.SingleFactor1);
    set(s.SingleFactor2);
    for (double* row : {s.PermanentFactors, s.SnowFactors, s.ImposedFactors, s.WindFactors}) {
        for (int i = 0; i < 6; ++i) set(row[i]);
    }
    for (int i = 0; i < 3; ++i) set(s.SnowPsi[i]);
    for (int i = 0; i < 3; ++i) set(s.WindPsi[i]);
    for (auto& row : s.ImposedPsi) for (double& f : row) set(f);

    m.SheetParts.SetWorkingText("roof");
    m.BuildSheetParts(0);
    m.SheetParts.SetInt(0, 2, 3);
    m.SheetParts.SetInt(1, 2, -2);
    m.SheetParts.SetInt(1, 3, -1);
    m.SheetParts.SetText(0, 1, "Support moment B");
    m.SheetParts.SetReal(0, 8, 87.125);

    m.DiaphragmParameters.Set(11, 25000.0);
    m.DiaphragmParameters.Set(31, 17.5);
}

TEST_F(ProjectFileTest, EveryGroupReadsBackUnchanged) {
    KAIKKI_data written("kirvos");
    Populate(written);
    ASSERT_GT(written.SheetParts.Count(), 4);
    const std::string file = Path("roof.ws1");
    ASSERT_EQ(written.WriteProjectFile(file), 0);
    EXPECT_EQ(written.CurrentFileName(), file);
    EXPECT_FALSE(fs::exists(file + ".saving"));

    KAIKKI_data read("kirvos");
    read.ResultsValid = 1;
    std::string message;
    ASSERT_EQ(read.ReadProjectFile(file, message), 0) << message;
    EXPECT_EQ(message, "Unknown error");
    EXPECT_EQ(read.CurrentFileName(), file);
    EXPECT_EQ(read.ResultsValid, 0);
    EXPECT_EQ(read.SheetParts.WorkingText, "");
    EXPECT_EQ(Snapshot(read), Snapshot(written));

    // Spot checks that the snapshot really carries the values.
    EXPECT_EQ(read.Spans.Count(), 5);
    EXPECT_EQ(read.Spans.Int(1, 1), 3);
    EXPECT_DOUBLE_EQ(read.Spans.Real(1, 4), 300);
    EXPECT_EQ(read.Supports.Int(1, 1), 6);
    EXPECT_EQ(read.Loads.Count(), 14);
    EXPECT_EQ(read.Loads.WindCaseCount, 4);
    EXPECT_DOUBLE_EQ(read.Loads.WindCoefficients3[3], 4.0);
    EXPECT_DOUBLE_EQ(read.RoofSlope, 12.25);
    EXPECT_EQ(read.AnnexIndex, 3);
    EXPECT_EQ(read.UiLanguage, 1) << "the language of the user interface is not taken from projects";
    EXPECT_EQ(read.Fasteners.SeamOptions[4], 14);
    EXPECT_EQ(read.Profiles.SelectedProfile, 5);
    EXPECT_DOUBLE_EQ(read.Standards.ImposedPsi[9][2], written.Standards.ImposedPsi[9][2]);
    EXPECT_STREQ(read.UserData.Line(11, 2), "Äijä Öhman");
    EXPECT_STREQ(read.SheetParts.Text(0, 1), "Support moment B");
    EXPECT_EQ(read.SheetParts.Int(1, 2), -2);
    EXPECT_DOUBLE_EQ(read.DiaphragmParameters.Value(31), 17.5);
}

TEST_F(ProjectFileTest, FileLayout) {
    KAIKKI_data m("kirvos");
    Populate(m);
    CSVTiedosto text;
    m.BuildProjectText(text);
    const std::vector<std::pair<int, int>> counts = {
        {1, 4}, {101, 12}, {102, 1}, {103, 1}, {201, 5}, {202, 2}, {211, 4}, {212, 1}, {221, 14},
        {222, 27}, {231, 2}, {241, 18}, {251, 1}, {261, 6}, {262, 8}, {271, 74}, {291, 9}, {999, 0}};
    for (auto [group, lines] : counts) EXPECT_EQ(text.LineCount(group), lines) << group;
    EXPECT_TRUE(text.HasGroup(999));
    EXPECT_STREQ(text.Line(1, 1), "KIRVOS");
    EXPECT_STREQ(text.Line(1, 3), "1.0");
    EXPECT_STREQ(text.Line(101, 11), "250.5");
    EXPECT_STREQ(text.Line(101, 12), "12.25");
    EXPECT_STREQ(text.Line(102, 1), "3.50");
    EXPECT_STREQ(text.Line(201, 2), "Aukko;0;3;0;0;0;6000.000;0.000;1000.000;1500.000;300.000");
    EXPECT_STREQ(text.Line(202, 1), "2");
    EXPECT_STREQ(text.Line(222, 1), "-2");
    EXPECT_STREQ(text.Line(222, 9), "0.350");
    EXPECT_STREQ(text.Line(222, 16), "-0.500");  // wind coefficient 1 of the first array
    EXPECT_STREQ(text.Line(222, 17), "0.000");   // ... of the second array
    EXPECT_STREQ(text.Line(231, 2), "4.500");
    EXPECT_STREQ(text.Line(241, 4), "0");
    EXPECT_STREQ(text.Line(241, 5), "5");
    EXPECT_STREQ(text.Line(271, 1), "-3.000");   // grid row 1, column 1
    EXPECT_STREQ(text.Line(271, 2), "-2.500");   // grid row 2, column 1
    EXPECT_STREQ(text.Line(291, 1), "1;1.000");
    EXPECT_EQ(text.Lines().back(), "[ ==== 999 ==== ]");

    // Empty tables write no group; the other headers are always there.
    KAIKKI_data empty("kirvos");
    empty.Spans.Clear();
    empty.Supports.Clear();
    empty.UserData.Clear();
    empty.DiaphragmParameters.Clear();
    empty.BuildProjectText(text);
    for (int group : {201, 211, 221, 261, 262, 281, 291}) EXPECT_FALSE(text.HasGroup(group)) << group;
    for (int group : {1, 101, 102, 103, 202, 212, 222, 231, 241, 251, 271, 999}) {
        EXPECT_TRUE(text.HasGroup(group)) << group;
    }
}

TEST_F(ProjectFileTest, NewProjectWritesAFileThatReadsBack) {
    // No catalogues: the grade, fastener and profile selections are -1 (nothing selected).
    KAIKKI_data m("kirvos");
    m.NewProject();
    m.Profiles.SelectedProfile = -1;
    ASSERT_EQ(m.SteelGrades.SelectedGrade, -1);
    ASSERT_EQ(m.Fasteners.SupportFastener, -1);
    ASSERT_EQ(m.Spans.SelectedSpan, -1);
    const std::string file = Path("new.ws1");
    ASSERT_EQ(m.WriteProjectFile(file), 0);
    KAIKKI_data read("kirvos");
    Populate(read);
    std::string message;
    ASSERT_EQ(read.ReadProjectFile(file, message), 0) << message;
    EXPECT_EQ(Snapshot(read), Snapshot(m));
}

TEST_F(ProjectFileTest, TextsThatWouldBreakTheFileAreMadeSafe) {
    KAIKKI_data m("kirvos");
    Populate(m);
    m.SheetParts.SetText(0, 0, "[ ==== 271 ==== ] label;with;separators\nand a break");
    m.SheetParts.SetText(1, 1, nullptr);
    m.UserData.ClearGroup(12, 0);
    m.UserData.AppendLine(12, "two\r\nlines");
    m.SheetParts.SetReal(2, 8, std::numeric_limits<double>::infinity());
    m.SheetParts.SetReal(3, 8, std::numeric_limits<double>::quiet_NaN());
    const std::string file = Path("odd.ws1");
    ASSERT_EQ(m.WriteProjectFile(file), 0);
    KAIKKI_data read("kirvos");
    std::string message;
    ASSERT_EQ(read.ReadProjectFile(file, message), 0) << message;
    EXPECT_STREQ(read.SheetParts.Text(0, 0), "( ==== 271 ==== ] label,with,separators and a break");
    EXPECT_STREQ(read.SheetParts.Text(1, 1), "?");
    EXPECT_STREQ(read.UserData.Line(12, 1), "two  lines");
    EXPECT_EQ(read.SheetParts.Count(), m.SheetParts.Count());
    EXPECT_DOUBLE_EQ(read.SheetParts.Real(2, 8), 1.0e36);
    EXPECT_DOUBLE_EQ(read.SheetParts.Real(3, 8), 0.0);
}

// Edits of a valid file: the lines of a group replaced, shortened or removed.
struct FileEdit {
    std::vector<std::string> lines;

    int Header(int group) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (IsGroupHeader(lines[i]) && GroupHeaderNumber(lines[i]) == group) return int(i);
        }
        return -1;
    }
    void Set(int group, int n, const std::string& text) { lines.at(Header(group) + n) = text; }
    void RemoveLine(int group, int n) { lines.erase(lines.begin() + Header(group) + n); }
    void RemoveGroup(int group) {
        const int h = Header(group);
        int end = h + 1;
        while (end < int(lines.size()) && !IsGroupHeader(lines[end])) ++end;
        lines.erase(lines.begin() + h, lines.begin() + end);
    }
};

struct ErrorCase {
    const char* name;
    std::function<void(FileEdit&)> edit;
    int code;
    std::string message;
};

TEST_F(ProjectFileTest, EveryErrorHasItsCodeAndMessageAndKeepsTheOpenProject) {
    KAIKKI_data source("kirvos");
    Populate(source);
    CSVTiedosto valid;
    source.BuildProjectText(valid);

    const std::vector<ErrorCase> cases = {
        {"not a project", [](FileEdit& f) { f.Set(1, 1, "KIRVOZ"); }, -1, "Unknown file format!"},
        {"not an input file", [](FileEdit& f) { f.Set(1, 2, "OUTPUTFILE"); }, -2, "Error number = 2"},
        {"version 1.5", [](FileEdit& f) { f.Set(1, 3, "1.5"); }, -3, "Error number = 3"},
        {"version text", [](FileEdit& f) { f.Set(1, 3, "one"); }, -3, "Error number = 3"},
        {"short group 1", [](FileEdit& f) { f.RemoveLine(1, 4); }, -4, "Unknown file format!"},
        {"last failing line wins", [](FileEdit& f) { f.Set(1, 1, "X"); f.Set(1, 3, "2"); }, -3,
         "Error number = 3"},
        {"settings 11 lines", [](FileEdit& f) { f.RemoveLine(101, 12); }, -101,
         "Error in group 101 (data amount)"},
        {"settings missing", [](FileEdit& f) { f.RemoveGroup(101); }, -101,
         "Error in group 101 (data amount)"},
        {"ui language 11", [](FileEdit& f) { f.Set(101, 1, "11"); }, -1,
         "Error in group 101, Error number = 1"},
        {"slope 95", [](FileEdit& f) { f.Set(101, 12, "95"); }, -12,
         "Error in group 101, Error number = 12"},
        {"annex 100 and type x", [](FileEdit& f) { f.Set(101, 4, "100"); f.Set(101, 5, "x"); }, -5,
         "Error in group 101, Error number = 5"},
        {"threshold", [](FileEdit& f) { f.Set(102, 1, "abc"); }, -1, "Error in group 102, Error number = 1"},
        {"threshold empty", [](FileEdit& f) { f.RemoveLine(102, 1); }, -1,
         "Error in group 102, Error number = 1"},
        {"cantilever limit", [](FileEdit& f) { f.Set(103, 1, "1000.5"); }, -1,
         "Error in group 103, Error number = 1"},
        {"span line", [](FileEdit& f) { f.Set(201, 2, "Aukko;x;0;0;0;0;6000;0;0;0;0"); }, -201,
         "Group 201, line 2: return value=-2 (Aukko;x;0;0;0;0;6000;0;0;0;0)"},
        {"span line short", [](FileEdit& f) { f.Set(201, 3, "Aukko;0;1"); }, -201,
         "Group 201, line 3: return value=-1 (Aukko;0;1)"},
        {"span selections", [](FileEdit& f) { f.RemoveLine(202, 2); }, -202,
         "Error in group 202 (data amount)"},
        {"span selection -2", [](FileEdit& f) { f.Set(202, 2, "-2"); }, -2,
         "Error in group 202, Error number = 2"},
        {"support line", [](FileEdit& f) { f.Set(211, 1, "Tuki;0;0;0;0;0;1e40;0;0;0;0"); }, -211,
         "Group 211, line 1: return value=-2 (Tuki;0;0;0;0;0;1e40;0;0;0;0)"},
        {"support selection", [](FileEdit& f) { f.RemoveGroup(212); }, -212,
         "Error in group 212 (data amount)"},
        {"support selection 1001", [](FileEdit& f) { f.Set(212, 1, "1001"); }, -1,
         "Error in group 212, Error number = 1"},
        {"load line", [](FileEdit& f) { f.Set(221, 4, " ;0;1;1;0;0;?;0;1;0;0"); }, -221,
         "Group 221, line 4: return value=-2 ( ;0;1;1;0;0;?;0;1;0;0)"},
        {"load header 26 lines", [](FileEdit& f) { f.RemoveLine(222, 27); }, -222,
         "Error in group 222 (data amount)"},
        {"active type -1", [](FileEdit& f) { f.Set(222, 3, "-1"); }, -3,
         "Error in group 222, Error number = 3"},
        {"five wind cases", [](FileEdit& f) { f.Set(222, 7, "5"); }, -7,
         "Error in group 222, Error number = 7"},
        {"snow reduction 101", [](FileEdit& f) { f.Set(222, 12, "101"); }, -12,
         "Error in group 222, Error number = 12"},
        {"wind coefficient", [](FileEdit& f) { f.Set(222, 27, "-1000.5"); }, -27,
         "Error in group 222, Error number = 27"},
        {"steel grade", [](FileEdit& f) { f.RemoveLine(231, 2); }, -231, "Error in group 231 (data amount)"},
        {"support thickness", [](FileEdit& f) { f.Set(231, 2, "-1"); }, -2,
         "Error in group 231, Error number = 2"},
        {"fasteners 17 lines", [](FileEdit& f) { f.RemoveLine(241, 1); }, -241,
         "Error in group 241 (data amount)"},
        {"fastener option -1", [](FileEdit& f) { f.Set(241, 4, "-1"); }, -4,
         "Error in group 241, Error number = 4"},
        {"profile", [](FileEdit& f) { f.RemoveGroup(251); }, -251, "Error in group 251 (data amount)"},
        {"profile -2", [](FileEdit& f) { f.Set(251, 1, "-2"); }, -1, "Error in group 251, Error number = 1"},
        {"factors 73 lines", [](FileEdit& f) { f.RemoveLine(271, 74); }, -271,
         "Error in group 271 (data amount)"},
        {"factor 1001", [](FileEdit& f) { f.Set(271, 74, "1001"); }, -74,
         "Error in group 271, Error number = 74"},
        {"sheet part line", [](FileEdit& f) { f.Set(281, 2, "a;b;1;2;x"); }, -281,
         "Group 281, line 2: return value=-2 (a;b;1;2;x)"},
        {"diaphragm line", [](FileEdit& f) { f.Set(291, 3, "x;1"); }, -291,
         "Group 291, line 3: return value=-2 (x;1)"},
        {"diaphragm key twice", [](FileEdit& f) { f.Set(291, 2, "1;5"); }, -291,
         "Group 291, line 2: return value=-1 (1;5)"},
    };

    // The open project: another project read from its own file.
    KAIKKI_data model("kirvos");
    const std::string openFile = Path("open.ws1");
    ASSERT_EQ(model.WriteProjectFile(openFile), 0);
    std::string message;
    ASSERT_EQ(model.ReadProjectFile(openFile, message), 0);
    model.ResultsValid = 1;
    const std::vector<std::string> before = Snapshot(model);

    for (const ErrorCase& c : cases) {
        FileEdit edit{valid.Lines()};
        c.edit(edit);
        const std::string file = Path("bad.ws1");
        ASSERT_TRUE(WriteTextLines(file, edit.lines));
        message.clear();
        EXPECT_EQ(model.ReadProjectFile(file, message), c.code) << c.name;
        EXPECT_EQ(message, c.message) << c.name;
        EXPECT_EQ(Snapshot(model), before) << c.name;
        EXPECT_EQ(model.CurrentFileName(), openFile) << c.name;
        EXPECT_EQ(model.ResultsValid, 1) << c.name;
    }

    EXPECT_EQ(model.ReadProjectFile(Path("missing.ws1"), message), -4);
    EXPECT_EQ(message, "Unknown file format!");
    EXPECT_EQ(Snapshot(model), before);
}

TEST_F(ProjectFileTest, LongLineMessagesAreCut) {
    KAIKKI_data source("kirvos");
    CSVTiedosto valid;
    source.BuildProjectText(valid);
    FileEdit edit{valid.Lines()};
    edit.Set(201, 1, "Aukko;x;" + std::string(400, '9'));
    const std::string file = Path("long.ws1");
    ASSERT_TRUE(WriteTextLines(file, edit.lines));
    std::string message;
    EXPECT_EQ(source.ReadProjectFile(file, message), -201);
    EXPECT_EQ(message.size(), 255u);
    EXPECT_EQ(message.rfind("Group 201, line 1: return value=-2 (Aukko;x;999", 0), 0u);
}

TEST_F(ProjectFileTest, AbsentGroupsKeepOrClearAsTheFileSays) {
    KAIKKI_data source("kirvos");
    Populate(source);
    CSVTiedosto valid;
    source.BuildProjectText(valid);
    FileEdit edit{valid.Lines()};
    edit.RemoveGroup(201);   // spans: the open project's remain
    edit.RemoveGroup(211);   // supports: likewise
    edit.RemoveGroup(102);   // cantilever threshold: kept
    edit.RemoveGroup(291);   // diaphragm parameters: kept
    edit.RemoveGroup(281);   // sheet parts: none
    edit.RemoveGroup(261);   // designer lines: none
    edit.RemoveGroup(262);
    for (int n = 0; n < 3; ++n) edit.lines.push_back("");
    edit.lines.insert(edit.lines.begin() + edit.Header(271),
                      {"[ ==== 262 ==== ]", "customer", "site", "revision"});
    const std::string file = Path("partial.ws1");
    ASSERT_TRUE(WriteTextLines(file, edit.lines));

    KAIKKI_data model("kirvos");
    model.Spans.Clear();
    AddSpan(model, "uloke", 0);
    AddSpan(model, "Aukko", 4321);
    AddSpan(model, "uloke", 0);
    model.CantileverDeflectionThreshold = 4.25;
    model.DiaphragmParameters.Set(12, 777.0);
    model.BuildSheetParts(1);
    const int ints[5] = {0, 0, 0, 0, 0};
    const double reals[5] = {0, 100, 1, 1, 0};
    model.Loads.Add(nullptr, reals, ints);
    std::string message;
    ASSERT_EQ(model.ReadProjectFile(file, message), 0) << message;

    EXPECT_DOUBLE_EQ(model.Spans.Real(1, 0), 4321);
    EXPECT_EQ(model.Supports.Count(), 2);
    EXPECT_DOUBLE_EQ(model.CantileverDeflectionThreshold, 4.25);
    EXPECT_DOUBLE_EQ(model.DiaphragmParameters.Value(12), 777.0);
    EXPECT_EQ(model.SheetParts.Count(), 0);
    EXPECT_EQ(model.Loads.Count(), 14) << "the file's loads replace the open ones";
    EXPECT_EQ(model.Spans.SelectedSpan, 2) << "selections come from the file";
    EXPECT_TRUE(model.UserData.HasGroup(11));
    EXPECT_EQ(model.UserData.LineCount(11), 0);
    ASSERT_EQ(model.UserData.LineCount(12), 8);
    EXPECT_STREQ(model.UserData.Line(12, 3), "revision");
    for (int n = 4; n <= 8; ++n) EXPECT_STREQ(model.UserData.Line(12, n), "?");

    // A file without load records clears the loads.
    edit.RemoveGroup(221);
    ASSERT_TRUE(WriteTextLines(file, edit.lines));
    ASSERT_EQ(model.ReadProjectFile(file, message), 0) << message;
    EXPECT_EQ(model.Loads.Count(), 0);
    EXPECT_EQ(model.Loads.WindCaseCount, 4) << "the load header is still read";
}

// The shipped examples are written by this program: each reads without error and writes back
// byte for byte, so no value is lost or reformatted on the way through the model.
TEST_F(ProjectFileTest, ShippedExamplesRewriteIdentically) {
    const fs::path examples = fs::path(KIRVOS_SOURCE_DIR) / "examples";
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() == ".ws1") files.push_back(entry.path());
    }
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        KAIKKI_data m("kirvos");
        std::string message;
        ASSERT_EQ(m.ReadProjectFile(file.string(), message), 0) << file << ": " << message;
        const std::string copy = Path(file.filename().string());
        ASSERT_EQ(m.WriteProjectFile(copy), 0) << file;
        std::ifstream a(file, std::ios::binary), b(copy, std::ios::binary);
        const std::string original((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
        const std::string rewritten((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
        EXPECT_EQ(rewritten, original) << file;

        // Every load names an existing support and lies on the sheeting: a later edit of the spans
        // would otherwise drop it.
        const std::vector<std::string> before = Snapshot(m);
        m.Loads.FitLoadsToGeometry(m.Spans);
        EXPECT_EQ(Snapshot(m), before) << file;
    }
}

TEST_F(ProjectFileTest, CrlfFilesRead) {
    KAIKKI_data source("kirvos");
    Populate(source);
    CSVTiedosto valid;
    source.BuildProjectText(valid);
    const std::string file = Path("crlf.ws1");
    {
        std::ofstream out(file, std::ios::binary);
        for (const std::string& line : valid.Lines()) out << line << "\r\n";
    }
    KAIKKI_data read("kirvos");
    std::string message;
    ASSERT_EQ(read.ReadProjectFile(file, message), 0) << message;
    EXPECT_EQ(Snapshot(read), Snapshot(source));
}

TEST_F(ProjectFileTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
    KAIKKI_data m("kirvos");
    const std::string file = Path("keep.ws1");
    ASSERT_EQ(m.WriteProjectFile(file), 0);
    std::vector<std::string> old;
    ASSERT_TRUE(ReadTextLines(file, old));

    Populate(m);
    // The temporary file cannot be created: the save fails and the old file is untouched.
    fs::create_directory(file + ".saving");
    EXPECT_EQ(m.WriteProjectFile(file), -1);
    std::vector<std::string> now;
    ASSERT_TRUE(ReadTextLines(file, now));
    EXPECT_EQ(now, old);
    EXPECT_EQ(m.CurrentFileName(), file);
    fs::remove(file + ".saving");

    // A folder that does not exist, or no name at all: a failure, and the current name stays.
    EXPECT_EQ(m.WriteProjectFile(Path("no/such/folder.ws1")), -1);
    EXPECT_EQ(m.WriteProjectFile(""), -1);
    EXPECT_EQ(m.CurrentFileName(), file);
    EXPECT_FALSE(fs::exists(Path("no")));

    // Saving again replaces the file whole.
    ASSERT_EQ(m.WriteProjectFile(file), 0);
    ASSERT_TRUE(ReadTextLines(file, now));
    EXPECT_EQ(now, Snapshot(m));

    // Saved through a link: the linked file is replaced and the link stays a link.
    const std::string link = Path("link.ws1");
    fs::create_symlink(file, link);
    m.NewProject();
    ASSERT_EQ(m.WriteProjectFile(link), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(m.CurrentFileName(), link);
    ASSERT_TRUE(ReadTextLines(file, now));
    EXPECT_EQ(now, Snapshot(m));
}

TEST_F(ProjectFileTest, OpenProjectCompletesTheLoad) {
    KAIKKI_data source("kirvos");
    Populate(source);
    const std::string file = Path("open.ws1");
    ASSERT_EQ(source.WriteProjectFile(file), 0);
    KAIKKI_data m("kirvos");
    m.SheetParts.SetWorkingText("old");
    m.SheetParts.WorkingThickness = 2;
    std::string message;
    ASSERT_EQ(m.OpenProjectFile(file, message), 0);
    EXPECT_EQ(m.SheetParts.WorkingText, "");
    EXPECT_EQ(m.SheetParts.WorkingThickness, 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m.RefreshList[i], i + 1);
    EXPECT_EQ(m.RefreshList[6], 0);
}

TEST(NewProject, ResetsTheProjectButNotTheDesignBasis) {
    KAIKKI_data m("kirvos");
    Populate(m);
    m.ProjectText.SetFileName("/somewhere/old.ws1");
    m.ResultsValid = 1;
    m.NewProject();

    EXPECT_EQ(m.SheetParts.WorkingText, " ");
    EXPECT_EQ(m.SheetParts.WorkingThickness, 0);
    EXPECT_EQ(m.SheetParts.WorkingLayers, 0);
    EXPECT_EQ(m.SheetParts.Count(), 0);
    EXPECT_DOUBLE_EQ(m.RoofSlope, 0.0);
    EXPECT_DOUBLE_EQ(m.CantileverDeflectionThreshold, 2.0);
    EXPECT_EQ(m.UserData.LineCount(11), 6) << "designer details stay";
    ASSERT_EQ(m.UserData.LineCount(12), 8);
    for (int n = 1; n <= 8; ++n) EXPECT_STREQ(m.UserData.Line(12, n), "?");
    ASSERT_EQ(m.Spans.Count(), 3);
    EXPECT_EQ(m.Spans.Line(1), "Aukko;0;0;0;0;0;6000.000;0.000;0.000;0.000;0.000");
    EXPECT_EQ(m.Spans.SelectedSpan, -1);
    EXPECT_EQ(m.Spans.SelectedSpanJoint, -1);
    ASSERT_EQ(m.Supports.Count(), 2);
    EXPECT_EQ(m.Supports.SelectedSupport, -1);
    EXPECT_EQ(m.Loads.Count(), 0);
    EXPECT_EQ(m.Loads.WindCaseCount, 1);
    EXPECT_DOUBLE_EQ(m.Loads.SnowShapeFactor, 0.8) << "standard index 1";
    EXPECT_DOUBLE_EQ(m.Loads.WindCoefficients[0], -0.75);
    EXPECT_EQ(m.DiaphragmOn, 0);
    EXPECT_DOUBLE_EQ(m.DiaphragmParameters.Value(11), 20000.0);
    EXPECT_DOUBLE_EQ(m.DiaphragmParameters.Value(23), 1.5);
    EXPECT_EQ(m.CurrentFileName(), "");
    EXPECT_EQ(m.ResultsValid, 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m.RefreshList[i], i + 1);

    // The design basis stays.
    EXPECT_EQ(m.StandardIndex, 1);
    EXPECT_EQ(m.AnnexIndex, 3);
    EXPECT_EQ(m.StructureType, 2);
    EXPECT_EQ(m.StructureClass, 1);
    EXPECT_EQ(m.DeflectionLimitMode, 1);
    EXPECT_DOUBLE_EQ(m.OwnDeflectionLimit, 250.5);
    EXPECT_DOUBLE_EQ(m.CantileverDeflectionLimit, 150.0);
}

}  // namespace
}  // namespace kirvos
