#pragma once

#include <string>

#include "report/rich_text_target.h"

namespace kirvos {

class KAIKKI_data;

// The whole printed report as one document: main data, structure, loads, diaphragm action (when
// switched on), sheet design and fasteners, in this order, written with the print run's options
// (per span and support, report texts, profile name in the report language, all three fastener
// blocks). colour 1 prints headings navy and over-utilisation red, 0 black only. showFileName
// prints the project file path in the main data.
RichTextTarget BuildReport(const KAIKKI_data& project, int colour, int showFileName);

// Status codes of WriteReportFile.
enum ReportFileStatus {
    kReportWritten = 0,
    kReportUnknownFormat = -1,   // extension not .txt, .html, .htm or .rtf
    kReportNotWritten = -2,      // the file could not be created or written
    kReportNoLanguage = -3,      // the report language file lang10N.dat does not exist
};

// Writes the report to path in the format its extension names (.txt plain text with the tab
// columns laid out in spaces, .html/.htm, .rtf). language > 0 selects the report language N first
// (ReportLanguage, texts reloaded from lang10N.dat, which must exist); 0 keeps the loaded texts.
// The report language stays selected afterwards, as after a print run.
int WriteReportFile(KAIKKI_data& project, const std::string& path, int language = 0, int colour = 1);

}  // namespace kirvos
