// Diaphragm action of the report: the diaphragm arrangement and its design values, read from the
// project's keyed diaphragm parameters.
#include "project/project_model.h"
#include "report/report_sections.h"
#include "report/section_writer.h"

namespace kirvos {

void WriteDiaphragm(const KAIKKI_data* project, RichTextTarget* target)
{
    if (!project || !target) return;
    const KAIKKI_data& p = *project;
    const DOFlukuparivektori& d = p.DiaphragmParameters;
    SectionWriter w(*target, p.Texts, 2, {150, 200, 300, 375, 475, 500, 550});

    // Key 1 is the arrangement: 1 sheeting on the main girders (the length L follows the sheeting),
    // 2 sheeting on purlins (the width B follows it); (201, 6) marks the dimension that follows.
    const int arrangement = d.RoundedValue(1);
    w.Bold(w.T(201, 1));
    w.Blank();
    std::string line = w.T(201, 2);
    if (arrangement == 1) line += FormatText("\t%s", {w.T(201, 3)});
    if (arrangement == 2) line += FormatText("\t%s", {w.T(201, 4)});
    w.Line(line);
    w.Line(w.T(201, 5) + FormatText("\t%.0f mm", {d.Value(11)}) + (arrangement == 2 ? w.T(201, 6) : ""));
    w.Line(w.T(201, 7) + FormatText("\t%.0f mm", {d.Value(12)}) + (arrangement == 1 ? w.T(201, 6) : ""));
    if (d.Value(21) > 0.0) w.Line(w.T(201, 8) + FormatText("\t%.2f kN/m", {d.Value(21)}));
    if (d.Value(22) > 0.0) w.Line(w.T(201, 9) + FormatText("\t%.2f kN/m", {d.Value(22)}));
    w.Line(w.T(201, 10) + FormatText("\t%.2f", {d.Value(23)}));
    w.Line(w.T(201, 11) + FormatText("\t%.1f mm", {d.Value(31)}));
    if (d.RoundedValue(2) == 1) w.Line(w.T(201, 12));
    if (d.RoundedValue(3) == 1) w.Line(w.T(201, 13));
}

}  // namespace kirvos
