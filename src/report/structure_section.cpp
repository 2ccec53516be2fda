// Structure of the report: the spans with their joints, the supports with their widths, support
// pieces and joints, and the sheet parts with their layers and lengths.
#include "project/project_model.h"
#include "report/report_sections.h"
#include "report/section_writer.h"
#include "report/utf8_codepoints.h"

namespace kirvos {

namespace {

constexpr int kReportTexts = 2;

std::string SpanJoint(const SectionWriter& w, const JanneVektori& spans, int m)
{
    const double p1 = spans.Real(m, 2);
    const double p2 = spans.Real(m, 3);
    switch (spans.Int(m, 1)) {
    case 0: return FormatText("\t%s", {w.T(122, 7)});
    case 1: return FormatText("\t%s %.0f mm", {w.T(122, 8), p1});
    case 2: return FormatText("\t%s %.0f mm", {w.T(122, 9), p1});
    case 3: return FormatText("\t%s %.0f mm, %s %.0f mm", {w.T(122, 9), p1, w.T(122, 8), p2});
    default: return {};
    }
}

std::string SupportJoint(const SectionWriter& w, const TukiVektori& supports, int m)
{
    const double p1 = supports.Real(m, 2);
    const double p2 = supports.Real(m, 3);
    switch (supports.Int(m, 1)) {
    case 0: return FormatText("\t%s", {w.T(123, 6)});
    case 1: return FormatText("\t%s", {w.T(123, 7)});
    case 2: return FormatText("\t%s %.2f*L", {w.T(123, 8), p1});
    case 3: return FormatText("\t%s %.2f*L", {w.T(123, 9), p1});
    case 4: return FormatText("\t%s %.2f*L - %.2f*L", {w.T(123, 10), p1, p2});
    case 5: return FormatText("\t%s %.0f mm - %.0f mm", {w.T(123, 11), p1, p2});
    case 6: return FormatText("\t%s %.0f mm", {w.T(123, 12), p1});
    case 7: return FormatText("\t%s %.0f mm", {w.T(123, 8), p1});
    case 8: return FormatText("\t%s %.0f mm", {w.T(123, 9), p1});
    default: return {};
    }
}

}  // namespace

void WriteStructure(const KAIKKI_data* project, RichTextTarget* target)
{
    if (!project || !target) return;
    const KAIKKI_data& p = *project;
    SectionWriter w(*target, p.Texts, kReportTexts, {80, 160, 240, 320, 400, 480, 560});

    w.Bold(w.T(121, 1));
    w.Blank();
    w.Bold(w.T(122, 1));
    w.Underlined(w.T(122, 2) + FormatText("\t%s", {w.T(122, 3)}) +
                 FormatText("\t%s\t \t \t ", {w.T(122, 4)}));
    const JanneVektori& spans = p.Spans;
    for (int m = 0; m < spans.Count(); ++m) {
        const double length = spans.Real(m, 0);
        if (length <= 0.0) continue;  // a cantilever of no length is no cantilever
        const bool cantilever = m == 0 || m == spans.Count() - 1;
        std::string line = cantilever ? w.T(122, 5) : FormatText("%s %d", {w.T(122, 6), m});
        line += FormatText("\t%.0f", {length});
        line += SpanJoint(w, spans, m);
        w.Line(line);
    }

    w.Blank();
    w.Bold(w.T(123, 1));
    w.Underlined(w.T(123, 2) + FormatText("\t%s", {w.T(123, 3)}) + FormatText("\t%s", {w.T(123, 4)}) +
                 FormatText("\t%s\t \t ", {w.T(123, 5)}));
    const TukiVektori& supports = p.Supports;
    for (int m = 0; m < supports.Count(); ++m) {
        std::string line = FormatText("%.1s", {SupportLetter(m)});
        line += FormatText("\t%.0f", {supports.Real(m, 0)});
        switch (supports.Int(m, 0)) {
        case 1: line += FormatText("\t%.0f", {p.ShortPieceLength}); break;
        case 2: line += FormatText("\t%.0f", {supports.Real(m, 1)}); break;
        default: line += "\t--";
        }
        line += SupportJoint(w, supports, m);
        w.Line(line);
    }

    w.Blank();
    w.Bold(w.T(124, 1));
    w.Underlined(w.T(124, 2) + FormatText("\t%s", {w.T(124, 3)}) + FormatText("\t%s", {w.T(124, 4)}) +
                 FormatText("\t%s", {w.T(124, 5)}) + FormatText("\t%s\t ", {w.T(124, 6)}));
    const PiirtoOsatVektori& parts = p.SheetParts;
    for (int i = 0; i < parts.Count(); ++i) {
        if (!parts.IsPart(i)) continue;
        const int number = parts.Int(i, PiirtoOsatVektori::kNumber);
        std::string line = FormatText("%d", {number});
        const char* label = parts.Text(i, PiirtoOsatVektori::kLabel);
        const std::string labelText = label ? label : "";
        line += "\t" + (DecodeUtf8(labelText).size() > 2 ? labelText : w.T(124, 7));
        const int layers = parts.Int(i, PiirtoOsatVektori::kLayers);
        if (layers < 0)
            line += FormatText("\t%s", {w.T(124, 8)});
        else if (layers == 0)
            line += FormatText("\t%s", {w.T(124, 9)});
        else if (layers == 1)
            line += FormatText("\t%s", {w.T(124, 10)});
        else
            line += FormatText("\t+ %d %s", {layers, w.T(124, 11)});
        line += FormatText("\t%.0f", {parts.Real(i, PiirtoOsatVektori::kEnd) -
                                      parts.Real(i, PiirtoOsatVektori::kStart)});
        // Short support pieces lying under this sheet part carry minus its number.
        int pieces = 0;
        for (int j = 0; j < parts.Count(); ++j)
            if (parts.Int(j, PiirtoOsatVektori::kNumber) == -number) ++pieces;
        line += pieces > 0 ? FormatText("\t%d %s", {pieces, w.T(124, 12)}) : std::string("\t--");
        w.Line(line);
    }
}

}  // namespace kirvos
