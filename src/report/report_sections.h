#pragma once

#include "report/report_options.h"
#include "report/rich_text_target.h"

namespace kirvos {

class KAIKKI_data;

// The six sections of the design report. Each clears its target, sets the section's tab stops and
// writes its lines from the project; they only read the project. A null project or target writes
// nothing. Main data, structure, loads and diaphragm always use the report texts; design and
// fasteners take their texts from options.TextSource.
void WriteMainData(const KAIKKI_data* project, RichTextTarget* target, const ReportOptions& options);
void WriteStructure(const KAIKKI_data* project, RichTextTarget* target);
void WriteLoads(const KAIKKI_data* project, RichTextTarget* target);
void WriteDiaphragm(const KAIKKI_data* project, RichTextTarget* target);
void WriteDesign(const KAIKKI_data* project, RichTextTarget* target, const ReportOptions& options);
void WriteFasteners(const KAIKKI_data* project, RichTextTarget* target, const ReportOptions& options);

}  // namespace kirvos
