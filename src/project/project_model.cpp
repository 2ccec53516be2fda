#include "project/project_model.h"

#include <cstdio>
#include <cstdlib>

#include "project/data_path.h"
#include "records/text_lines.h"

namespace kirvos {

namespace {

// Integer value of a settings line: its leading decimal integer, 0 when it has none.
int LineInteger(const char* line) {
    char* end = nullptr;
    const long value = std::strtol(line, &end, 10);
    if (value > 1000000 || value < -1000000) return 0;
    return static_cast<int>(value);
}

// Highest standard index a settings or project file may select.
constexpr int kMaxStandardIndex = 10;

}  // namespace

KAIKKI_data::KAIKKI_data(const std::string& programPath)
    : Elements(100, 100),
      SheetParts(30, 30),
      ServiceEnvelope(200, 200),
      UltimateEnvelope(200, 200),
      DesignResults(100, 100),
      ConnectionResults(100, 100),
      UltimateCombinations(200, 200),
      ServiceCombinations(200, 200),
      WindowLayout(20, 20),
      Spans(20, 20),
      Supports(20, 20),
      Loads(20, 20),
      SteelGrades(20, 20),
      Fasteners(20, 20),
      Profiles(20, 20),
      DiaphragmParameters(10, 10),
      ProgramPath(programPath) {
    WindowLayout.DefineFields(1, 5, 5);
    ReadStartupData();
    Standards.SelectStandard(StandardIndex, AnnexIndex);
    ResultsValid = 0;
}

std::string KAIKKI_data::DataFilePath(std::string_view name) const {
    return kirvos::DataFilePath(ProgramPath, name);
}

void KAIKKI_data::ReadLanguageTable() {
    const std::string path = DataFilePath("languages.dat");
    if (!DataFileExists(path) || LanguageTable.LoadFile(path) != 0) return;
    // The start-up choice counts only when group 1 holds exactly the two language numbers.
    if (UiLanguage < 1 && LanguageTable.LineCount(1) == 2) {
        UiLanguage = LineInteger(LanguageTable.Line(1, 1));
        ReportLanguage = LineInteger(LanguageTable.Line(1, 2));
    }
    if (LanguageTable.LineCount(2) >= 1) {
        // An index outside the range a project file accepts would address the wrong groups of
        // standards.dat (a negative one even the standards' names): it is not taken.
        const int standard = LineInteger(LanguageTable.Line(2, 1));
        if (standard >= 0 && standard <= kMaxStandardIndex) StandardIndex = standard;
    }
}

void KAIKKI_data::ReadUserData() {
    const std::string path = DataFilePath("user.dat");
    if (DataFileExists(path)) UserData.LoadFile(path);
    // Placeholders of the eight project information rows the project data window reads.
    UserData.AddGroup(12);
    for (int i = 0; i < 8; ++i) UserData.AppendLine(12, "?");
}

void KAIKKI_data::ReadStartupData() {
    ReadLanguageTable();
    Loads.SnowShapeFactor = DefaultSnowShapeFactor();

    if (UiLanguage < 1 || UiLanguage > LanguageTable.LineCount(11)) UiLanguage = 1;
    if (ReportLanguage < 1 || ReportLanguage > LanguageTable.LineCount(21)) ReportLanguage = 1;
    LoadLanguageFiles(1, 1);

    LoadCatalogues();

    ProjectText.Assign({});  // empty, and no current project file name

    const std::string layout = DataFilePath("defaults.dat");
    if (DataFileExists(layout)) WindowLayout.LoadFile(layout, 1);

    ReadUserData();

    const std::string standards = DataFilePath("standards.dat");
    if (DataFileExists(standards)) Standards.LoadFile(standards);

    SetDefaultStructure();
    ResetDiaphragmParameters();
}

void KAIKKI_data::LoadLanguageFiles(int ui, int report) {
    char name[32];
    if (ui == 1) {
        std::snprintf(name, sizeof name, "lang00%d.dat", UiLanguage);
        const std::string path = DataFilePath(name);
        if (DataFileExists(path)) Texts.LoadTexts(path);
    }
    if (report == 1) {
        std::snprintf(name, sizeof name, "lang10%d.dat", ReportLanguage);
        const std::string path = DataFilePath(name);
        if (DataFileExists(path)) Texts.LoadReportTexts(path);
    }
}

void KAIKKI_data::LoadCatalogues() {
    const std::string grades = DataFilePath("steelgrades.dat");
    if (DataFileExists(grades)) {
        SteelGrades.LoadFile(grades, 1);
        if (SteelGrades.Count() > 0) SteelGrades.SelectedGrade = 0;
    }
    const std::string fasteners = DataFilePath("fasteners.dat");
    if (DataFileExists(fasteners)) {
        Fasteners.LoadFile(fasteners, 1);
        Fasteners.ResetSelections();
    }
    LoadProfiles(StandardIndex);
}

void KAIKKI_data::LoadProfiles(int standardIndex) {
    char name[32];
    std::snprintf(name, sizeof name, "profiles%d.dat", standardIndex + 1);
    const std::string path = DataFilePath(name);
    // The catalogue belongs to one standard: without its file the standard has no profiles, and
    // the previous standard's must not stay selectable.
    Profiles.Clear();
    if (DataFileExists(path)) Profiles.LoadFile(path, 1);
    Profiles.LoadProfileData(ProgramPath);
}

bool KAIKKI_data::SnowPlaceFileName(std::string& buffer) const {
    buffer.clear();
    Standards.SnowPlaceFileName(StandardIndex, AnnexIndex, buffer);
    return buffer.size() > 3;
}

std::string KAIKKI_data::SnowPlaceFilePath() const {
    std::string name;
    if (!SnowPlaceFileName(name)) return {};
    std::string path = DataFilePath(name);
    return DataFileExists(path) ? path : std::string();
}

bool KAIKKI_data::HelpDocumentPath(int document, std::string& path) const {
    const int n = (document >= 1 && Texts.TextCount(304) >= document) ? document : 1;
    path = DataFilePath(Texts.Text(304, n));
    if (!DataFileExists(path) && n != 1) path = DataFilePath(Texts.Text(304, 1));
    if (DataFileExists(path)) return true;
    path.clear();
    return false;
}

int KAIKKI_data::SaveWindowLayout() {
    const std::string path = DataFilePath("defaults.dat");
    if (!DataFileWritable(path)) return -1;
    return WindowLayout.SaveFile(path) == 0 ? 0 : -1;
}

int KAIKKI_data::SaveUserDefaults(const std::vector<std::string>& designerLines) const {
    const std::string path = DataFilePath("user.dat");
    if (!DataFileWritable(path)) return -1;
    CSVTiedosto defaults;
    defaults.AddGroup(11);
    for (const std::string& line : designerLines) defaults.AppendLine(11, line.empty() ? " " : line);
    return defaults.SaveFile(path) == 0 ? 0 : -1;
}

void KAIKKI_data::SetDefaultStructure() {
    Spans.SetDefault();
    Supports.SetDefault();
}

void KAIKKI_data::ResetDiaphragmParameters() {
    DiaphragmParameters.Clear();
    DiaphragmParameters.Add(1, 1.0);
    DiaphragmParameters.Add(2, 1.0);
    DiaphragmParameters.Add(3, 1.0);
    DiaphragmParameters.Add(11, 20000.0);
    DiaphragmParameters.Add(12, 10000.0);
    DiaphragmParameters.Add(21, 0.0);
    DiaphragmParameters.Add(22, 0.0);
    DiaphragmParameters.Add(23, StandardIndex != 0 ? 1.5 : 1.6);
    DiaphragmParameters.Add(31, 20.0);
}

}  // namespace kirvos
