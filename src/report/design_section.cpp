// Sheet design results of the report: per sheet part (layout 0) or per span and support (layout 1),
// every check with its governing value and utilisation, then the diaphragm checks.
//
// Check kinds of the design results: 1 support moment, 2 shear at a support, 3 support reaction,
// 4 moment-reaction interaction, 5 moment-shear interaction (support checks, at x of a support);
// 11 deflection, 12 span moment, 13 shear in the span, 21 and 22 diaphragm checks per span (span
// checks, span index in integer 2); 23 and 24 diaphragm checks of the whole sheeting.
#include <algorithm>

#include "design/sheet_properties.h"
#include "project/project_model.h"
#include "report/report_sections.h"
#include "report/section_writer.h"
#include "report/utf8_codepoints.h"

namespace kirvos {

namespace {

// Design result fields.
constexpr int kPart = 0;         // integer
constexpr int kKind = 1;         // integer
constexpr int kSpanIndex = 2;    // integer
constexpr int kX = 0;            // real, mm
constexpr int kUtilisation = 1;  // real, %
constexpr int kValue = 2;        // real: N*mm/m, N/m, mm or a ratio by kind
constexpr int kSecond = 3;       // real

constexpr double kToKnm = 1e-6;  // N*mm to kNm
constexpr double kToKn = 1e-3;   // N to kN

class DesignWriter {
public:
    DesignWriter(const KAIKKI_data& p, RichTextTarget& target, const ReportOptions& options)
        : p_(p), o_(options), w_(target, p.Texts, options.TextSource, {50, 175, 275, 375, 475, 500, 550})
    {
    }

    void Write();

private:
    void ResultLine(std::string text, double utilisation) { w_.ResultLine(std::move(text), utilisation, o_.ColourMode); }
    int SupportGroup(int kind) const
    {
        if (kind == 5) return p_.StandardIndex == 1 ? 168 : 167;
        return 162 + kind;
    }
    void SupportLine(int record, int supportIndex);
    void SpanLine(int record, bool layout0Diaphragm);
    std::string SpanLabel(int spanIndex, bool alwaysNumbered) const;
    // Record of the kind with the largest utilisation among those accepted by the filter (only
    // utilisations above 0 when positiveOnly); the first wins on equal values; -1 when none.
    template <class Filter>
    int Largest(int kind, bool positiveOnly, Filter accept) const;
    void WriteHead();
    void WritePerPart();
    void WritePerSpan();
    void WriteDiaphragmChecks();

    const KAIKKI_data& p_;
    const ReportOptions& o_;
    SectionWriter w_;
};

void DesignWriter::SupportLine(int record, int supportIndex)
{
    const MitoitusTulosVektori& r = p_.DesignResults;
    const int kind = r.Int(record, kKind);
    const int g = SupportGroup(kind);
    const double value = r.Real(record, kValue);
    const double utilisation = r.Real(record, kUtilisation);
    std::string line = FormatText("%s %.1s", {w_.T(g, 1), SupportLetter(supportIndex)});
    switch (kind) {
    case 1: line += FormatText("\t%s = %.2f kNm", {w_.T(g, 2), value * kToKnm}); break;
    case 2:
    case 3: line += FormatText("\t%s = %.2f kN", {w_.T(g, 2), value * kToKn}); break;
    default: line += FormatText("\t%s = %.2f", {w_.T(g, 2), value});
    }
    line += FormatText("\t%s = %.1f %%", {w_.T(g, 3), utilisation}) + FormatText("\t%s", {w_.T(g, 4)});
    if (o_.Layout == 1) line += FormatText(" (%s %d)", {w_.T(g, 5), r.Int(record, kPart)});
    ResultLine(line, utilisation);
}

std::string DesignWriter::SpanLabel(int spanIndex, bool alwaysNumbered) const
{
    const bool cantilever = spanIndex == 0 || spanIndex == p_.Spans.Count() - 1;
    if (cantilever && !alwaysNumbered) return w_.T(169, 2);
    return FormatText("%s %d", {w_.T(169, 1), spanIndex});
}

void DesignWriter::SpanLine(int record, bool layout0Diaphragm)
{
    const MitoitusTulosVektori& r = p_.DesignResults;
    const int kind = r.Int(record, kKind);
    const int g = kind <= 13 ? 159 + kind : 152 + kind;  // 11..13 -> 170..172, 21..22 -> 173..174
    const double value = r.Real(record, kValue);
    const double utilisation = r.Real(record, kUtilisation);
    const std::string label = SpanLabel(r.Int(record, kSpanIndex), layout0Diaphragm && kind >= 21);
    std::string line;
    switch (kind) {
    case 11: line = FormatText("%s\t%s = %.1f mm", {label, w_.T(g, 1), value}); break;
    case 12: line = FormatText("%s\t%s = %.1f kNm", {label, w_.T(g, 1), value * kToKnm}); break;
    case 13: line = FormatText("%s\t%s = %.1f kN", {label, w_.T(g, 1), value * kToKn}); break;
    default: line = FormatText("%s\t%s = %.2f", {label, w_.T(g, 1), value});
    }
    line += FormatText("\t%s = %.1f %%\t%s", {w_.T(g, 2), utilisation, w_.T(g, 3)});
    if (o_.Layout == 1) line += FormatText(" (%s %d)", {w_.T(g, 4), r.Int(record, kPart)});
    ResultLine(line, utilisation);
}

template <class Filter>
int DesignWriter::Largest(int kind, bool positiveOnly, Filter accept) const
{
    const MitoitusTulosVektori& r = p_.DesignResults;
    int best = -1;
    for (int i = 0; i < r.Count(); ++i) {
        if (r.Int(i, kKind) != kind || !accept(i)) continue;
        const double u = r.Real(i, kUtilisation);
        if (positiveOnly && u <= 0.0) continue;
        if (best < 0 || u > r.Real(best, kUtilisation)) best = i;
    }
    return best;
}

void DesignWriter::WriteHead()
{
    const PiirtoOsatVektori& parts = p_.SheetParts;
    double highest = 0.0;
    for (int i = 0; i < parts.Count(); ++i)
        highest = std::max(highest, parts.Real(i, PiirtoOsatVektori::kOverallUse));

    // The profile's name in the chosen language when its data file lists that many names.
    const ProfiilitVektori& profiles = p_.Profiles;
    const char* catalogueName = profiles.Text(profiles.SelectedProfile, 0);
    std::string profileName = catalogueName ? catalogueName : "";
    const ProfiiliArvot* data = SelectedProfileData(p_);
    if (data && o_.LanguageNumber >= 1 && data->LineCount(1) >= o_.LanguageNumber)
        profileName = data->Line(1, o_.LanguageNumber);

    RichTextTarget& t = w_.Target();
    if (o_.ColourMode == 1) t.SetColour(TextColour::Navy);
    w_.Bold(w_.T(161, 1));
    w_.Blank();
    w_.Bold(FormatText("%s = %.1f %%", {w_.T(161, 2), highest}));
    w_.Blank();
    w_.Line(FormatText("%s %s", {w_.T(161, 3), profileName}));
    w_.Blank();
    t.SetColour(TextColour::Black);
}

void DesignWriter::WritePerPart()
{
    const PiirtoOsatVektori& parts = p_.SheetParts;
    const MitoitusTulosVektori& r = p_.DesignResults;
    for (int i = 0; i < parts.Count(); ++i) {
        if (!parts.IsPart(i)) continue;
        const int n = parts.Int(i, PiirtoOsatVektori::kNumber);
        const char* label = parts.Text(i, PiirtoOsatVektori::kLabel);
        const std::string labelText = label ? label : "";
        std::string head = FormatText("%s %d: %s = ", {w_.T(161, 4), n, w_.T(161, 5)});
        head += DecodeUtf8(labelText).size() < 2 ? w_.T(161, 6) : labelText;
        const int layers = parts.Int(i, PiirtoOsatVektori::kLayers);
        if (layers < 0)
            head += w_.T(161, 7);
        else if (layers == 0)
            head += w_.T(161, 8);
        else if (layers == 1)
            head += w_.T(161, 9);
        else
            head += FormatText("%s %d %s", {w_.T(161, 10), layers, w_.T(161, 11)});
        head += FormatText(", L=%.0f mm", {parts.Real(i, PiirtoOsatVektori::kEnd) -
                                           parts.Real(i, PiirtoOsatVektori::kStart)});
        w_.Coloured(head, o_.ColourMode == 1 ? TextColour::Navy : TextColour::Black);

        for (int k = 0; k < r.Count(); ++k) {
            if (r.Int(k, kPart) != n) continue;
            const int kind = r.Int(k, kKind);
            if (kind >= 1 && kind <= 5) {
                const int support = p_.Spans.SupportIndexAt(r.Real(k, kX));
                if (support == 0) continue;
                if (kind == 1) w_.Line(w_.T(162, 1));
                SupportLine(k, support - 1);
            } else if ((kind >= 11 && kind <= 13) || kind == 21 || kind == 22) {
                if (kind == 11) w_.Line(w_.T(162, 1));
                SpanLine(k, true);
            }
        }
        w_.Line(w_.T(162, 1));
        w_.Blank();
    }
}

void DesignWriter::WritePerSpan()
{
    const JanneVektori& spans = p_.Spans;
    const MitoitusTulosVektori& r = p_.DesignResults;
    static constexpr int kSpanKinds[] = {11, 12, 13, 21, 22};
    for (int h = 0; h < spans.Count(); ++h) {
        if (spans.Real(h, 0) > 0.0) {
            w_.Line(w_.T(162, 1));
            for (int kind : kSpanKinds) {
                const int best = Largest(kind, true, [&](int i) { return r.Int(i, kSpanIndex) == h; });
                if (best >= 0) SpanLine(best, false);
            }
        }
        if (h == spans.Count() - 1) continue;
        // The support at the end of span record h is support h (letter), SupportIndexAt gives h + 1.
        w_.Line(w_.T(162, 1));
        for (int kind = 1; kind <= 5; ++kind) {
            const int best = Largest(kind, false, [&](int i) {
                return spans.SupportIndexAt(r.Real(i, kX)) == h + 1;
            });
            if (best >= 0) SupportLine(best, h);
        }
    }
    w_.Line(w_.T(162, 1));
}

void DesignWriter::WriteDiaphragmChecks()
{
    const DOFlukuparivektori& d = p_.DiaphragmParameters;
    if (p_.DiaphragmOn != 1 || (d.Value(21) == 0.0 && d.Value(22) == 0.0)) return;
    const MitoitusTulosVektori& r = p_.DesignResults;
    w_.Line(w_.T(162, 2));
    for (int kind : {23, 24}) {
        const int best = Largest(kind, false, [](int) { return true; });
        if (best < 0) continue;
        const int g = 152 + kind;  // 23 -> 175, 24 -> 176
        const double utilisation = r.Real(best, kUtilisation);
        ResultLine(FormatText("%s = %.2f mm", {w_.T(g, 1), r.Real(best, kValue)}) +
                       FormatText("\t%s = %.1f %%", {w_.T(g, 2), utilisation}) +
                       FormatText("\t(%s = %.2f mm)", {w_.T(g, 3), r.Real(best, kSecond)}),
                   utilisation);
    }
}

void DesignWriter::Write()
{
    if (p_.ResultsValid != 1 || p_.DesignResults.Count() == 0) return;
    WriteHead();
    if (o_.Layout == 1)
        WritePerSpan();
    else
        WritePerPart();
    WriteDiaphragmChecks();
}

}  // namespace

void WriteDesign(const KAIKKI_data* project, RichTextTarget* target, const ReportOptions& options)
{
    if (!project || !target) return;
    DesignWriter(*project, *target, options).Write();
}

}  // namespace kirvos
