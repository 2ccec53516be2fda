#include "report/report_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "project/data_path.h"
#include "project/project_model.h"
#include "report/report_sections.h"
#include "report/rich_text_writers.h"

namespace kirvos {

namespace {

std::string LowerExtension(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

void AppendSection(RichTextTarget& report, const RichTextTarget& section)
{
    if (section.Empty()) return;
    if (!report.Empty()) {
        // The bands of the printed report stand apart; a blank paragraph does that in one document.
        RichTextTarget gap;
        gap.AddLine(" ");
        report.Append(gap);
    }
    report.Append(section);
}

}  // namespace

RichTextTarget BuildReport(const KAIKKI_data& project, int colour, int showFileName)
{
    ReportOptions options;
    options.Layout = 1;
    options.ColourMode = colour;
    options.ShowFileName = showFileName;
    RichTextTarget report;
    RichTextTarget section;

    WriteMainData(&project, &section, options);
    AppendSection(report, section);
    WriteStructure(&project, &section);
    AppendSection(report, section);
    WriteLoads(&project, &section);
    AppendSection(report, section);
    if (project.DiaphragmOn == 1) {
        WriteDiaphragm(&project, &section);
        AppendSection(report, section);
    }
    options.ColourMode = 2 * colour;
    options.LanguageNumber = project.ReportLanguage;
    options.TextSource = 2;
    WriteDesign(&project, &section, options);
    AppendSection(report, section);
    options.ShowSupportFasteners = options.ShowJointFasteners = options.ShowLapFasteners = 1;
    WriteFasteners(&project, &section, options);
    AppendSection(report, section);
    return report;
}

int WriteReportFile(KAIKKI_data& project, const std::string& path, int language, int colour)
{
    const std::string extension = LowerExtension(path);
    if (extension != "txt" && extension != "html" && extension != "htm" && extension != "rtf")
        return kReportUnknownFormat;
    if (language > 0) {
        const std::string languageFile = project.DataFilePath("lang10" + std::to_string(language) + ".dat");
        if (!DataFileExists(languageFile)) return kReportNoLanguage;
        project.ReportLanguage = language;
        project.LoadLanguageFiles(0, 1);
    }

    const RichTextTarget report = BuildReport(project, colour, 1);
    std::string text;
    if (extension == "rtf") {
        text = ToRtf(report);
    } else if (extension == "txt") {
        text = ToPlainText(report, true);
    } else {
        const std::string title = std::string(project.Texts.ReportText(11, 1)) + " - " +
                                  project.Texts.ReportText(11, 2);
        text = ToHtml(report, title);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return kReportNotWritten;
    out << text;
    out.close();
    return out ? kReportWritten : kReportNotWritten;
}

}  // namespace kirvos
