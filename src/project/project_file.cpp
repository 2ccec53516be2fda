// The project file (.ws1): a sectioned text whose numbered groups hold the settings, the span,
// support and load tables, the selected catalogue entries, the designer and project information,
// the factors in use, the sheet layout and the diaphragm parameters.
//
// Reading parses into a copy of the project's values and takes them over only when the whole file
// read without error, so a damaged file never leaves the open project half replaced. Writing goes
// to a temporary file beside the target that is renamed over it, so a failed save never destroys
// the previous file.

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "project/project_model.h"
#include "records/field_parsing.h"
#include "records/number_format.h"
#include "records/text_lines.h"

namespace kirvos {

namespace {

constexpr int kFactorCount = 74;
constexpr std::size_t kMessageMax = 255;
// Largest magnitude a record field may hold and still read back.
constexpr double kRealLimit = 1.0e36;

// The factor block in file order: the material grid column by column, the two single factors,
// the partial factors position by position (permanent, snow, imposed, wind), the snow and wind
// combination factors position by position, then the imposed-load combination factors row by row.
template <class Standards>
auto FactorSlots(Standards& s) {
    std::array<decltype(&s.SingleFactor1), kFactorCount> slots{};
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        for (int row = 0; row < 3; ++row) slots[n++] = &s.FactorGrid[row][i];
    }
    slots[n++] = &s.SingleFactor1;
    slots[n++] = &s.SingleFactor2;
    for (int i = 0; i < 6; ++i) {
        slots[n++] = &s.PermanentFactors[i];
        slots[n++] = &s.SnowFactors[i];
        slots[n++] = &s.ImposedFactors[i];
        slots[n++] = &s.WindFactors[i];
    }
    for (int i = 0; i < 3; ++i) {
        slots[n++] = &s.SnowPsi[i];
        slots[n++] = &s.WindPsi[i];
    }
    for (int c = 0; c < 10; ++c) {
        for (int i = 0; i < 3; ++i) slots[n++] = &s.ImposedPsi[c][i];
    }
    return slots;
}

// Everything a project file sets, read into a copy before the model takes it over.
struct ProjectValues {
    int ReportLanguage;
    int StandardIndex;
    int AnnexIndex;
    int StructureType;
    int RoofKind;
    int StructureClass;
    int DeflectionLimitMode;
    int DiaphragmOn;
    int PerforatedWeb;
    double OwnDeflectionLimit;
    double RoofSlope;
    double CantileverDeflectionThreshold;
    double CantileverDeflectionLimit;
    JanneVektori Spans;
    TukiVektori Supports;
    KuormaVektori Loads;
    int SelectedGrade;
    double SupportThickness;
    int Selections[3];
    int SupportOptions[5];
    int JointOptions[5];
    int SeamOptions[5];
    int SelectedProfile;
    CSVTiedosto UserData;
    std::array<double, kFactorCount> Factors;
    PiirtoOsatVektori SheetParts;
    DOFlukuparivektori DiaphragmParameters;

    explicit ProjectValues(const KAIKKI_data& m)
        : ReportLanguage(m.ReportLanguage),
          StandardIndex(m.StandardIndex),
          AnnexIndex(m.AnnexIndex),
          StructureType(m.StructureType),
          RoofKind(m.RoofKind),
          StructureClass(m.StructureClass),
          DeflectionLimitMode(m.DeflectionLimitMode),
          DiaphragmOn(m.DiaphragmOn),
          PerforatedWeb(m.PerforatedWeb),
          OwnDeflectionLimit(m.OwnDeflectionLimit),
          RoofSlope(m.RoofSlope),
          CantileverDeflectionThreshold(m.CantileverDeflectionThreshold),
          CantileverDeflectionLimit(m.CantileverDeflectionLimit),
          Spans(m.Spans),
          Supports(m.Supports),
          Loads(m.Loads),
          SelectedGrade(m.SteelGrades.SelectedGrade),
          SupportThickness(m.SteelGrades.SupportThickness),
          Selections{m.Fasteners.SupportFastener, m.Fasteners.JointFastener, m.Fasteners.SeamFastener},
          SelectedProfile(m.Profiles.SelectedProfile),
          UserData(m.UserData),
          SheetParts(m.SheetParts),
          DiaphragmParameters(m.DiaphragmParameters) {
        for (int i = 0; i < 5; ++i) {
            SupportOptions[i] = m.Fasteners.SupportOptions[i];
            JointOptions[i] = m.Fasteners.JointOptions[i];
            SeamOptions[i] = m.Fasteners.SeamOptions[i];
        }
        const auto slots = FactorSlots(m.Standards);
        for (int i = 0; i < kFactorCount; ++i) Factors[i] = *slots[i];
    }

    void CopyTo(KAIKKI_data& m) const {
        m.ReportLanguage = ReportLanguage;
        m.StandardIndex = StandardIndex;
        m.AnnexIndex = AnnexIndex;
        m.StructureType = StructureType;
        m.RoofKind = RoofKind;
        m.StructureClass = StructureClass;
        m.DeflectionLimitMode = DeflectionLimitMode;
        m.DiaphragmOn = DiaphragmOn;
        m.PerforatedWeb = PerforatedWeb;
        m.OwnDeflectionLimit = OwnDeflectionLimit;
        m.RoofSlope = RoofSlope;
        m.CantileverDeflectionThreshold = CantileverDeflectionThreshold;
        m.CantileverDeflectionLimit = CantileverDeflectionLimit;
        m.Spans = Spans;
        m.Supports = Supports;
        m.Loads = Loads;
        m.SteelGrades.SelectedGrade = SelectedGrade;
        m.SteelGrades.SupportThickness = SupportThickness;
        m.Fasteners.SupportFastener = Selections[0];
        m.Fasteners.JointFastener = Selections[1];
        m.Fasteners.SeamFastener = Selections[2];
        for (int i = 0; i < 5; ++i) {
            m.Fasteners.SupportOptions[i] = SupportOptions[i];
            m.Fasteners.JointOptions[i] = JointOptions[i];
            m.Fasteners.SeamOptions[i] = SeamOptions[i];
        }
        m.Profiles.SelectedProfile = SelectedProfile;
        m.UserData = UserData;
        const auto slots = FactorSlots(m.Standards);
        for (int i = 0; i < kFactorCount; ++i) *slots[i] = Factors[i];
        m.SheetParts = SheetParts;
        m.DiaphragmParameters = DiaphragmParameters;
    }
};

std::string Format(const char* format, int a, int b) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

// Reads the groups of one project text, remembering the code and message of the last error.
class ProjectReader {
public:
    explicit ProjectReader(const CSVTiedosto& text) : text_(text) {}

    int code = 0;
    std::string message = "Unknown error";

    bool Ok() const { return code == 0; }

    // Line n of the group, or "NO TEXT" beyond the group's lines.
    const char* Line(int group, int n) const {
        return n <= text_.LineCount(group) ? text_.Line(group, n) : CSVTiedosto::kNoText;
    }

    // Whether the group holds at least lines lines; else the data amount error of the group.
    bool Need(int group, int lines) {
        if (text_.LineCount(group) >= lines) return true;
        Fail(-group, Format("Error in group %d (data amount)", group, 0));
        return false;
    }

    void Real(int group, int n, double min, double max, double& out) {
        double value = 0.0;
        if (ParseNumber(Line(group, n), value, min, max) == 0) {
            out = value;
        } else {
            Fail(-n, Format("Error in group %d, Error number = %d", group, n));
        }
    }

    void Integer(int group, int n, double min, double max, int& out) {
        double value = 0.0;
        if (ParseNumber(Line(group, n), value, min, max) == 0) {
            out = static_cast<int>(value);  // truncated, as the file's integers are read
        } else {
            Fail(-n, Format("Error in group %d, Error number = %d", group, n));
        }
    }

    // Reads every line of the group into the table; stops at the first line that fails.
    void Records(int group, DOFvektori& table) {
        EachLine(group, [&table](const char* line) { return table.ReadLine(line); });
    }

    // A table the file holds replaces the open project's; without its group the table stays.
    void ReplaceIfPresent(int group, DOFvektori& table) {
        if (!text_.HasGroup(group)) return;
        table.Clear();
        Records(group, table);
    }

    void Pairs(int group, DOFlukuparivektori& pairs) {
        EachLine(group, [&pairs](const char* line) { return pairs.ParsePair(line); });
    }

    void Fail(int newCode, std::string newMessage) {
        code = newCode;
        message = std::move(newMessage);
    }

private:
    // read(line) returns a negative code for a line that fails.
    template <class Read>
    void EachLine(int group, Read read) {
        for (int n = 1; n <= text_.LineCount(group); ++n) {
            const char* line = text_.Line(group, n);
            const int result = read(line);
            if (result < 0) {
                LineFailed(group, n, result, line);
                return;
            }
        }
    }

    void LineFailed(int group, int n, int result, const char* line) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "Group %d, line %d: return value=%d (", group, n, result);
        Fail(-group, std::string(buffer) + line + ")");
    }

    const CSVTiedosto& text_;
};

// Cuts text to at most max bytes without splitting a UTF-8 character.
void CutUtf8(std::string& text, std::size_t max) {
    if (text.size() <= max) return;
    std::size_t n = max;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    text.resize(n);
}

void ReadGroups(const CSVTiedosto& text, ProjectReader& r, ProjectValues& v) {
    // Format and version.
    if (text.LineCount(1) < 4) {
        r.code = -4;
    } else {
        if (std::string_view(r.Line(1, 1)) != "KIRVOS") r.code = -1;
        if (std::string_view(r.Line(1, 2)) != "INPUTFILE") r.code = -2;
        double version = 0.0;
        if (ParseNumber(r.Line(1, 3), version, 1.0, 1000.0) != 0 || version != 1.0) r.code = -3;
    }
    if (r.code == -1 || r.code == -4) {
        r.message = "Unknown file format!";
    } else if (r.code != 0) {
        r.message = Format("Error number = %d", -r.code, 0);
    }
    if (!r.Ok()) return;

    // Settings. The user-interface language of a project is checked but not taken over.
    if (text.LineCount(101) != 12) {
        r.Fail(-101, Format("Error in group %d (data amount)", 101, 0));
        return;
    }
    int uiLanguage = 0;
    r.Integer(101, 1, 1, 10, uiLanguage);
    r.Integer(101, 2, 1, 10, v.ReportLanguage);
    r.Integer(101, 3, 0, 10, v.StandardIndex);
    r.Integer(101, 4, 0, 99, v.AnnexIndex);
    r.Integer(101, 5, 0, 10, v.StructureType);
    r.Integer(101, 6, 0, 10, v.RoofKind);
    r.Integer(101, 7, 0, 10, v.StructureClass);
    r.Integer(101, 8, 0, 10, v.DeflectionLimitMode);
    r.Integer(101, 9, 0, 10, v.DiaphragmOn);
    r.Integer(101, 10, 0, 10, v.PerforatedWeb);
    r.Real(101, 11, 0, 5000, v.OwnDeflectionLimit);
    r.Real(101, 12, 0, 90, v.RoofSlope);
    if (!r.Ok()) return;

    if (text.HasGroup(102)) r.Real(102, 1, 0, 1000, v.CantileverDeflectionThreshold);
    if (!r.Ok()) return;
    if (text.HasGroup(103)) r.Real(103, 1, 0, 1000, v.CantileverDeflectionLimit);
    if (!r.Ok()) return;

    // Spans. A selection of -1 (none) is what the program holds when nothing is selected.
    r.ReplaceIfPresent(201, v.Spans);
    if (!r.Ok()) return;
    if (!r.Need(202, 2)) return;
    r.Integer(202, 1, -1, 1000, v.Spans.SelectedSpan);
    r.Integer(202, 2, -1, 1000, v.Spans.SelectedSpanJoint);
    if (!r.Ok()) return;

    // Supports.
    r.ReplaceIfPresent(211, v.Supports);
    if (!r.Ok()) return;
    if (!r.Need(212, 1)) return;
    r.Integer(212, 1, -1, 1000, v.Supports.SelectedSupport);
    if (!r.Ok()) return;

    // Loads: a project without load records has none.
    v.Loads.Clear();
    if (text.HasGroup(221)) r.Records(221, v.Loads);
    if (!r.Ok()) return;

    KuormaVektori& loads = v.Loads;
    if (!r.Need(222, 27)) return;
    r.Integer(222, 1, -1000, 1000, loads.ActiveLoad);
    r.Integer(222, 2, -1000, 1000, loads.ActiveKind);
    r.Integer(222, 3, 0, 1000, loads.ActiveType);
    r.Integer(222, 4, -1000, 1000, loads.PictureLoadKind);
    r.Integer(222, 5, 0, 1000, loads.DrawBasicLoads);
    r.Integer(222, 6, 0, 1000, loads.DrawRecordLoads);
    // The wind cases index the four coefficients: more than four cannot be held.
    r.Integer(222, 7, 0, 4, loads.WindCaseCount);
    r.Integer(222, 8, 0, 1000, loads.ImposedCategory);
    r.Real(222, 9, -1000, 1000, loads.DeadLoad);
    r.Real(222, 10, -1000, 1000, loads.SnowLoad);
    r.Real(222, 11, -1000, 1000, loads.SnowShapeFactor);
    r.Real(222, 12, 0, 100, loads.SnowAlternateReduction);
    r.Real(222, 13, -1000, 1000, loads.ImposedLoad);
    r.Real(222, 14, 0, 100, loads.ImposedAlternateReduction);
    r.Real(222, 15, -1000, 1000, loads.WindLoad);
    for (int i = 0; i < 4; ++i) {
        r.Real(222, 16 + 3 * i, -1000, 1000, loads.WindCoefficients[i]);
        r.Real(222, 17 + 3 * i, -1000, 1000, loads.WindCoefficients2[i]);
        r.Real(222, 18 + 3 * i, -1000, 1000, loads.WindCoefficients3[i]);
    }
    if (!r.Ok()) return;

    // Steel grade of the supporting structure and fasteners (-1: nothing selected).
    if (!r.Need(231, 2)) return;
    r.Integer(231, 1, -1000, 1000, v.SelectedGrade);
    r.Real(231, 2, 0, 1000, v.SupportThickness);
    if (!r.Ok()) return;

    if (!r.Need(241, 18)) return;
    r.Integer(241, 1, -1, 1000, v.Selections[0]);
    r.Integer(241, 2, -1, 1000, v.Selections[1]);
    r.Integer(241, 3, -1000, 1000, v.Selections[2]);
    for (int i = 0; i < 5; ++i) {
        r.Integer(241, 4 + 3 * i, 0, 1000, v.SupportOptions[i]);
        r.Integer(241, 5 + 3 * i, 0, 1000, v.JointOptions[i]);
        r.Integer(241, 6 + 3 * i, 0, 1000, v.SeamOptions[i]);
    }
    if (!r.Ok()) return;

    if (!r.Need(251, 1)) return;
    r.Integer(251, 1, -1, 1000, v.SelectedProfile);
    if (!r.Ok()) return;

    // Designer (group 11) and project (group 12) information; the project data window shows eight
    // project lines, so the group is padded with "?" to eight.
    v.UserData.Clear();
    v.UserData.AddGroup(11);
    for (int n = 1; n <= text.LineCount(261); ++n) v.UserData.AppendLine(11, text.Line(261, n));
    v.UserData.AddGroup(12);
    for (int n = 1; n <= text.LineCount(262); ++n) v.UserData.AppendLine(12, text.Line(262, n));
    for (int n = text.LineCount(262); n < 8; ++n) v.UserData.AppendLine(12, "?");

    if (!r.Need(271, kFactorCount)) return;
    for (int i = 0; i < kFactorCount; ++i) r.Real(271, i + 1, -1000, 1000, v.Factors[i]);
    if (!r.Ok()) return;

    v.SheetParts.Clear();
    if (text.HasGroup(281)) r.Records(281, v.SheetParts);
    if (!r.Ok()) return;

    if (text.HasGroup(291)) {
        v.DiaphragmParameters.Clear();
        r.Pairs(291, v.DiaphragmParameters);
    }
}

// A text field as written into a record line: the separator and line breaks would split the
// record, so they are replaced.
std::string FieldText(const char* text) {
    if (!text) return "?";
    std::string s(text);
    for (char& c : s) {
        if (c == ';') c = ',';
        if (c == '\n' || c == '\r') c = ' ';
    }
    return s;
}

// A line of free text as written into the file: no line breaks, and never read as a group header.
std::string SafeLine(std::string_view line) {
    std::string s(line);
    for (char& c : s) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    if (IsGroupHeader(s)) s[0] = '(';
    return s;
}

// A real as a record field: a value that could not be read back (not finite, or beyond the record
// range) is written at the nearest readable value.
double ReadableReal(double value) {
    if (std::isnan(value)) return 0.0;
    if (value > kRealLimit) return kRealLimit;
    if (value < -kRealLimit) return -kRealLimit;
    return value;
}

// The record line of record i (texts, integers, reals), as the record vector writes it.
std::string RecordLine(const DOFvektori& table, int i) {
    std::string line;
    auto separate = [&line](bool first) {
        if (!first) line += ';';
    };
    bool first = true;
    for (int f = 0; f < table.TextFields(); ++f, first = false) {
        separate(first);
        line += FieldText(table.Text(i, f));
    }
    for (int f = 0; f < table.IntFields(); ++f, first = false) {
        separate(first);
        AppendInt(line, table.Int(i, f));
    }
    for (int f = 0; f < table.RealFields(); ++f, first = false) {
        separate(first);
        AppendReal(line, ReadableReal(table.Real(i, f)), table.Decimals(f));
    }
    return SafeLine(line);
}

void AppendRecords(CSVTiedosto& text, int group, const DOFvektori& table) {
    for (int i = 0; i < table.Count(); ++i) text.AppendLine(group, RecordLine(table, i));
}

void AddInt(CSVTiedosto& text, int group, int value) { text.AppendLine(group, FormatInt(value)); }

void AddReal(CSVTiedosto& text, int group, double value, int decimals) {
    text.AppendLine(group, FormatReal(value, decimals));
}

}  // namespace

int KAIKKI_data::ReadProjectFile(const std::string& fileName, std::string& message) {
    CSVTiedosto text;
    text.LoadFile(fileName);
    text.SetFileName(fileName);
    ProjectValues values(*this);
    ProjectReader reader(text);
    ReadGroups(text, reader, values);
    message = reader.message;
    CutUtf8(message, kMessageMax);
    if (!reader.Ok()) return reader.code;

    values.CopyTo(*this);
    ProjectText = std::move(text);
    SheetParts.ResetWorking("");
    ResultsValid = 0;
    return 0;
}

int KAIKKI_data::OpenProjectFile(const std::string& fileName, std::string& message) {
    const int standardBefore = StandardIndex;
    const int result = ReadProjectFile(fileName, message);
    if (result != 0) return result;
    if (StandardIndex != standardBefore) LoadProfiles(StandardIndex);
    RefreshAllWindows();
    return 0;
}

void KAIKKI_data::BuildProjectText(CSVTiedosto& text) const {
    text.Clear();
    text.AddGroup(1);
    for (const char* line : {"KIRVOS", "INPUTFILE", "1.0", "2.0"}) text.AppendLine(1, line);

    text.AddGroup(101);
    for (int value : {UiLanguage, ReportLanguage, StandardIndex, AnnexIndex, StructureType, RoofKind,
                      StructureClass, DeflectionLimitMode, DiaphragmOn, PerforatedWeb}) {
        AddInt(text, 101, value);
    }
    AddReal(text, 101, OwnDeflectionLimit, 1);
    AddReal(text, 101, RoofSlope, 2);
    text.AddGroup(102);
    AddReal(text, 102, CantileverDeflectionThreshold, 2);
    text.AddGroup(103);
    AddReal(text, 103, CantileverDeflectionLimit, 2);

    AppendRecords(text, 201, Spans);
    text.AddGroup(202);
    AddInt(text, 202, Spans.SelectedSpan);
    AddInt(text, 202, Spans.SelectedSpanJoint);
    AppendRecords(text, 211, Supports);
    text.AddGroup(212);
    AddInt(text, 212, Supports.SelectedSupport);

    AppendRecords(text, 221, Loads);
    text.AddGroup(222);
    for (int value : {Loads.ActiveLoad, Loads.ActiveKind, Loads.ActiveType, Loads.PictureLoadKind,
                      Loads.DrawBasicLoads, Loads.DrawRecordLoads, Loads.WindCaseCount,
                      Loads.ImposedCategory}) {
        AddInt(text, 222, value);
    }
    for (double value : {Loads.DeadLoad, Loads.SnowLoad, Loads.SnowShapeFactor,
                         Loads.SnowAlternateReduction, Loads.ImposedLoad,
                         Loads.ImposedAlternateReduction, Loads.WindLoad}) {
        AddReal(text, 222, value, 3);
    }
    for (int i = 0; i < 4; ++i) {
        AddReal(text, 222, Loads.WindCoefficients[i], 3);
        AddReal(text, 222, Loads.WindCoefficients2[i], 3);
        AddReal(text, 222, Loads.WindCoefficients3[i], 3);
    }

    text.AddGroup(231);
    AddInt(text, 231, SteelGrades.SelectedGrade);
    AddReal(text, 231, SteelGrades.SupportThickness, 3);
    text.AddGroup(241);
    AddInt(text, 241, Fasteners.SupportFastener);
    AddInt(text, 241, Fasteners.JointFastener);
    AddInt(text, 241, Fasteners.SeamFastener);
    for (int i = 0; i < 5; ++i) {
        AddInt(text, 241, Fasteners.SupportOptions[i]);
        AddInt(text, 241, Fasteners.JointOptions[i]);
        AddInt(text, 241, Fasteners.SeamOptions[i]);
    }
    text.AddGroup(251);
    AddInt(text, 251, Profiles.SelectedProfile);

    for (int n = 1; n <= UserData.LineCount(11); ++n) text.AppendLine(261, SafeLine(UserData.Line(11, n)));
    for (int n = 1; n <= UserData.LineCount(12); ++n) text.AppendLine(262, SafeLine(UserData.Line(12, n)));

    text.AddGroup(271);
    for (const double* factor : FactorSlots(Standards)) AddReal(text, 271, *factor, 3);

    AppendRecords(text, 281, SheetParts);
    for (int i = 0; i < DiaphragmParameters.Count(); ++i) {
        std::string line;
        DiaphragmParameters.FormatPair(i, line);
        text.AppendLine(291, line);
    }
    text.AddGroup(999);
}

int KAIKKI_data::WriteProjectFile(const std::string& fileName) {
    if (fileName.size() <= 1) return -1;
    CSVTiedosto text;
    BuildProjectText(text);

    // Written in full beside the target first: the old file is replaced only by a complete one.
    // A link is followed, so the file it names is replaced and the link stays.
    std::error_code error;
    std::string target = fileName;
    if (std::filesystem::is_symlink(fileName, error)) {
        const auto resolved = std::filesystem::canonical(fileName, error);
        if (error) return -1;
        target = resolved.string();
    }
    const std::string temporary = target + ".saving";
    if (!WriteTextLines(temporary, text.Lines())) {
        std::filesystem::remove(temporary, error);
        return -1;
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return -1;
    }
    text.SetFileName(fileName);
    ProjectText = std::move(text);
    return 0;
}

}  // namespace kirvos
