// kirvos-cli design FILE.ws1 [--program-dir DIR] [--json OUT|-] [--report OUT] [--report-language N]
// [--save OUT.ws1]: opens a project, lays out its sheet parts when it has none, runs the calculation
// as the design button does and prints the sheet parts with their governing checks; optionally
// writes the results as JSON, the report (.txt, .html or .rtf) and saves the project.
#include <cstdio>   // std::fprintf, std::printf
#include <cstring>  // std::strcmp
#include <filesystem>
#include <initializer_list>
#include <fstream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "app/cli_json.h"
#include "design/calculation_run.h"
#include "design/sheet_properties.h"
#include "project/project_model.h"
#include "records/text_lines.h"
#include "report/report_file.h"

namespace kirvos {

namespace {

constexpr const char* kUsage =
    "usage: kirvos-cli design FILE.ws1 [--program-dir DIR] [--json OUT|-] [--report OUT.txt|.html|.rtf] "
    "[--report-language N] [--save OUT.ws1]";

struct DesignOptions {
    std::string file;
    std::string programDir;  // empty: the folder of the executable
    std::string json;        // empty: none; "-": standard output
    std::string save;
    std::string report;      // empty: none
    int reportLanguage = 0;  // 0: the project's report language
};

int UsageError(const std::string& message) {
    std::fprintf(stderr, "kirvos-cli design: %s (%s)\n", message.c_str(), kUsage);
    return 2;
}

// Returns 0, or the exit code of a usage error.
int ParseOptions(int argc, char** argv, DesignOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= argc) return false;
            target = argv[++i];
            return !target.empty();
        };
        if (arg == "--program-dir") {
            if (!value(options.programDir)) return UsageError("--program-dir needs a folder");
        } else if (arg == "--json") {
            if (!value(options.json)) return UsageError("--json needs a file name or -");
        } else if (arg == "--report") {
            if (!value(options.report)) return UsageError("--report needs a file name");
        } else if (arg == "--report-language") {
            std::string number;
            if (!value(number) || number.size() > 2 || number.find_first_not_of("0123456789") != std::string::npos ||
                std::stoi(number) < 1)
                return UsageError("--report-language needs a language number from 1");
            options.reportLanguage = std::stoi(number);
        } else if (arg == "--save") {
            if (!value(options.save)) return UsageError("--save needs a file name");
        } else if (arg.rfind("--", 0) == 0) {
            return UsageError("unknown option " + arg);
        } else if (options.file.empty()) {
            options.file = arg;
        } else {
            return UsageError("more than one project file given");
        }
    }
    if (options.file.empty()) return UsageError("no project file given");
    return 0;
}

// The program path the data files are found beside: a file name inside the folder given, or the
// running executable itself (links resolved).
std::string ProgramPathFor(const DesignOptions& options) {
    std::error_code error;
    if (!options.programDir.empty()) {
        return (std::filesystem::absolute(options.programDir, error) / "kirvos-cli").string();
    }
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
    return error ? std::string() : self.string();
}

// The part's thickness as the design window names it after a calculation ("" when none is chosen).
std::string ThicknessName(const KAIKKI_data& model, int index) {
    const char* label = model.SheetParts.Text(index, PiirtoOsatVektori::kLabel);
    return label != nullptr && model.SheetParts.Int(index, PiirtoOsatVektori::kThickness) > 0 ? label : "";
}

void PrintPartTable(const KAIKKI_data& model) {
    std::printf("%-5s %-21s %-9s %8s %8s %8s %8s %8s  %s\n", "Part", "Extent (mm)", "Thickness", "Span%",
                "Support%", "Deflect%", "Diaphr%", "Overall%", "Governing check");
    const PiirtoOsatVektori& parts = model.SheetParts;
    for (int i = 0; i < parts.Count(); ++i) {
        if (!parts.IsPart(i)) continue;
        char extent[64];
        std::snprintf(extent, sizeof extent, "%.0f - %.0f", parts.Real(i, PiirtoOsatVektori::kStart),
                      parts.Real(i, PiirtoOsatVektori::kEnd));
        const char* check = parts.Text(i, PiirtoOsatVektori::kCheckName);
        std::printf("%-5d %-21s %-9s %8.1f %8.1f %8.1f %8.1f %8.1f  %s\n", parts.Int(i, PiirtoOsatVektori::kNumber),
                    extent, ThicknessName(model, i).c_str(), parts.Real(i, PiirtoOsatVektori::kSpanUse),
                    parts.Real(i, PiirtoOsatVektori::kSupportUse), parts.Real(i, PiirtoOsatVektori::kDeflectionUse),
                    parts.Real(i, PiirtoOsatVektori::kDiaphragmUse), parts.Real(i, PiirtoOsatVektori::kOverallUse),
                    check ? check : "");
    }
}

void MessageArray(JsonWriter& json, const std::vector<std::string>& lines) {
    json.BeginArray();
    for (const std::string& line : lines) json.String(line);
    json.EndArray();
}

// One JSON key of a result record: an integer or a real field of the table.
struct JsonField {
    const char* key;
    bool integer;
    int field;
};

// The table as an array of objects, one per record in table order.
void RecordArray(JsonWriter& json, const char* key, const DOFvektori& table, std::initializer_list<JsonField> fields) {
    json.Key(key).BeginArray();
    for (int i = 0; i < table.Count(); ++i) {
        json.BeginObject();
        for (const JsonField& f : fields) {
            if (f.integer) {
                json.Key(f.key).Integer(table.Int(i, f.field));
            } else {
                json.Key(f.key).Number(table.Real(i, f.field));
            }
        }
        json.EndObject();
    }
    json.EndArray();
}

std::string ResultJson(const KAIKKI_data& model, const CalculationRun& run, int passes) {
    JsonWriter json;
    json.BeginObject();
    json.Key("resultsValid").Integer(model.ResultsValid);
    json.Key("passes").Integer(passes);
    json.Key("messages").BeginObject();
    json.Key("ultimate");
    MessageArray(json, run.UltimateMessages());
    json.Key("service");
    MessageArray(json, run.ServiceMessages());
    json.EndObject();
    json.Key("combinations").BeginObject();
    json.Key("ultimate").Integer(model.UltimateCombinations.Count());
    json.Key("service").Integer(model.ServiceCombinations.Count());
    json.EndObject();

    const PiirtoOsatVektori& parts = model.SheetParts;
    json.Key("sheetParts").BeginArray();
    for (int i = 0; i < parts.Count(); ++i) {
        const char* check = parts.Text(i, PiirtoOsatVektori::kCheckName);
        json.BeginObject();
        json.Key("number").Integer(parts.Int(i, PiirtoOsatVektori::kNumber));
        json.Key("position").Integer(parts.Int(i, PiirtoOsatVektori::kPositionCode));
        json.Key("thickness").Integer(parts.Int(i, PiirtoOsatVektori::kThickness));
        json.Key("thicknessName").String(parts.IsPart(i) ? ThicknessName(model, i) : "");
        json.Key("layers").Integer(parts.Int(i, PiirtoOsatVektori::kLayers));
        json.Key("kind").Integer(parts.Int(i, PiirtoOsatVektori::kKind));
        json.Key("start").Number(parts.Real(i, PiirtoOsatVektori::kStart));
        json.Key("end").Number(parts.Real(i, PiirtoOsatVektori::kEnd));
        json.Key("check").String(check ? check : "");
        json.Key("span").Number(parts.Real(i, PiirtoOsatVektori::kSpanUse));
        json.Key("support").Number(parts.Real(i, PiirtoOsatVektori::kSupportUse));
        json.Key("deflection").Number(parts.Real(i, PiirtoOsatVektori::kDeflectionUse));
        json.Key("diaphragm").Number(parts.Real(i, PiirtoOsatVektori::kDiaphragmUse));
        json.Key("overall").Number(parts.Real(i, PiirtoOsatVektori::kOverallUse));
        json.EndObject();
    }
    json.EndArray();

    auto envelope = [&](const char* name, const VerhoKayratVektori& e, bool ultimate) {
        json.Key(name).BeginArray();
        for (int i = 0; i < e.Count(); ++i) {
            json.BeginObject();
            json.Key("part").Integer(e.Int(i, 1));
            json.Key("member").Integer(e.Int(i, 2));
            json.Key("span").Integer(e.Int(i, 3));
            json.Key("x").Number(e.Real(i, 0));
            json.Key(ultimate ? "mMin" : "dMin").Number(e.Real(i, 1));
            json.Key(ultimate ? "mMax" : "dMax").Number(e.Real(i, 2));
            if (ultimate) {
                json.Key("vMin").Number(e.Real(i, 3));
                json.Key("vMax").Number(e.Real(i, 4));
            }
            json.EndObject();
        }
        json.EndArray();
    };
    envelope("ultimateEnvelope", model.UltimateEnvelope, true);
    envelope("serviceEnvelope", model.ServiceEnvelope, false);

    RecordArray(json, "designResults", model.DesignResults,
                {{"part", true, 0}, {"kind", true, 1}, {"spanIndex", true, 2}, {"x", false, 0},
                 {"utilisation", false, 1}, {"value", false, 2}, {"second", false, 3}, {"third", false, 4}});
    RecordArray(json, "connectionResults", model.ConnectionResults,
                {{"type", true, 0}, {"check", true, 1}, {"index", true, 2}, {"x", false, 0}, {"count", false, 1},
                 {"utilisation", false, 2}, {"fv", false, 3}, {"fb", false, 4}, {"fo", false, 5},
                 {"fp", false, 6}});
    json.EndObject();
    return json.Text();
}

bool WriteText(const std::string& target, const std::string& text) {
    if (target == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
        return true;
    }
    std::ofstream out(target, std::ios::binary);
    out << text << '\n';
    return static_cast<bool>(out.flush());
}

void PrintMessages(const char* which, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (!IsGroupHeader(line)) std::fprintf(stderr, "%s: %s\n", which, line.c_str());
    }
}

}  // namespace

int RunDesignCommand(int argc, char** argv) {
    DesignOptions options;
    if (const int usage = ParseOptions(argc, argv, options); usage != 0) return usage;

    KAIKKI_data model(ProgramPathFor(options));
    std::string message;
    if (const int code = model.OpenProjectFile(options.file, message); code != 0) {
        std::fprintf(stderr, "kirvos-cli design: %s: %s (code %d)\n", options.file.c_str(), message.c_str(), code);
        return 1;
    }
    if (SelectedProfileData(model) == nullptr) {
        std::fprintf(stderr, "kirvos-cli design: %s: no data file for the project's profile beside the program\n",
                     options.file.c_str());
        return 1;
    }

    bool anyPart = false;
    bool search = false;
    for (int i = 0; i < model.SheetParts.Count(); ++i) {
        if (!model.SheetParts.IsPart(i)) continue;
        anyPart = true;
        search = search || model.SheetParts.Int(i, PiirtoOsatVektori::kThickness) == 0;
    }
    if (!anyPart) {
        model.BuildSheetParts(0);
        for (int i = 0; i < model.SheetParts.Count(); ++i) {
            search = search || (model.SheetParts.IsPart(i) && model.SheetParts.Int(i, PiirtoOsatVektori::kThickness) == 0);
        }
    }

    CalculationRun run(model);
    const int passes = run.RunCalculation(search ? 1 : 0);
    const bool solved = model.ResultsValid == 1;
    if (solved) NameSheetThicknesses(model);
    if (!solved) {
        PrintMessages("ultimate model", run.UltimateMessages());
        PrintMessages("service model", run.ServiceMessages());
    } else if (options.json != "-") {  // the table stays off standard output when JSON goes there
        PrintPartTable(model);
    }
    int exitCode = solved ? 0 : 1;
    if (!options.json.empty() && !WriteText(options.json, ResultJson(model, run, passes))) {
        std::fprintf(stderr, "kirvos-cli design: cannot write %s\n", options.json.c_str());
        exitCode = 1;
    }
    if (!options.save.empty() && model.WriteProjectFile(options.save) != 0) {
        std::fprintf(stderr, "kirvos-cli design: cannot save %s\n", options.save.c_str());
        exitCode = 1;
    }
    if (!options.report.empty()) {
        // The language asked for must exist; the project's own language falls back to the texts loaded.
        const int language = options.reportLanguage > 0 ? options.reportLanguage : model.ReportLanguage;
        int status = WriteReportFile(model, options.report, language);
        if (status == kReportNoLanguage && options.reportLanguage == 0) status = WriteReportFile(model, options.report, 0);
        if (status != kReportWritten) {
            const char* why = status == kReportUnknownFormat ? "the report format must be .txt, .html or .rtf"
                              : status == kReportNoLanguage  ? "no report texts for that language beside the program"
                                                             : "the file could not be written";
            std::fprintf(stderr, "kirvos-cli design: cannot write report %s: %s\n", options.report.c_str(), why);
            exitCode = 1;
        }
    }
    if (!solved) std::fprintf(stderr, "kirvos-cli design: %s: the analysis model could not be solved\n", options.file.c_str());
    return exitCode;
}

}  // namespace kirvos
