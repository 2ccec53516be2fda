// Fastener results of the report: the fasteners to the supporting structure, in joints and in side
// laps, each block with the chosen fastener and one line per fastening place.
//
// Connection result fields: integer 0 place type (1 support, 2 joint, 3 side lap), integer 1 the
// governing failure mode (0 to 8), integer 2 the support index (type 1) or sheet part number
// (type 3); real 0 x (mm), real 1 fasteners per place (types 1, 2) or per metre (type 3), real 2
// utilisation (%).
#include <algorithm>
#include <cmath>

#include "project/project_model.h"
#include "report/report_sections.h"
#include "report/section_writer.h"

namespace kirvos {

namespace {

constexpr int kType = 0;         // integer
constexpr int kMode = 1;         // integer
constexpr int kPlace = 2;        // integer
constexpr int kX = 0;            // real
constexpr int kCount = 1;        // real
constexpr int kUtilisation = 2;  // real

// Per block: the place type it reports; the text group of its result lines (units, labels and
// failure modes, from firstModeText on); the text group of its heading lines (message, title,
// fastener labels) with its four fastener-type texts from firstTypeText on.
struct Block {
    int type;
    int modeGroup;
    int firstModeText;
    int typeGroup;
    int firstTypeText;
};
constexpr Block kSupportBlock{1, 183, 6, 181, 8};
constexpr Block kJointBlock{2, 184, 14, 184, 4};
constexpr Block kLapBlock{3, 186, 4, 185, 4};

class FastenerWriter {
public:
    FastenerWriter(const KAIKKI_data& p, RichTextTarget& target, const ReportOptions& options)
        : p_(p), o_(options), w_(target, p.Texts, options.TextSource, {100, 200, 300, 400, 450, 500, 550})
    {
    }

    void Write();

private:
    bool Present(int type) const;
    // Whether the selected catalogue fastener serves the block: use class 1 to the supporting
    // structure, 2 or 4 in joints, 3 or 4 in side laps.
    bool Suitable(const Block& b, int fastener) const;
    // Failure-mode text appended as "\t%s"; mode 4 has no text and prints nothing.
    std::string ModeText(const Block& b, int mode) const;
    // Text of the fastener's kind (catalogue integer 1: 1, 2 or 3, 4, 5 are the 1st to 4th text).
    std::string TypeText(const Block& b, int fastener) const;
    void ResultLine(std::string text, double utilisation) { w_.ResultLine(std::move(text), utilisation, o_.ColourMode); }
    // The block's opening: nothing when it has no results, only the message unsuitableText when the
    // selected fastener does not serve it, else the title and a blank. True when the block goes on.
    bool OpenBlock(const Block& b, int fastener, int unsuitableText, int titleText);
    void FastenerLines(const Block& b, int fastener, int typeLabel, int nameLabel, int textLabel);
    // One fastening place of a support or joint: place, number of fasteners and utilisation, with
    // the unit and label texts unitText, unitText + 1 (unitText + 2, + 3 for failure mode 3).
    void PlaceLine(const Block& b, std::string place, int record, int unitText);
    void WriteSupportBlock();
    void WriteJointBlock();
    void WriteLapBlock();

    const KAIKKI_data& p_;
    const ReportOptions& o_;
    SectionWriter w_;
};

bool FastenerWriter::Present(int type) const
{
    const LiitosTulosVektori& r = p_.ConnectionResults;
    for (int i = 0; i < r.Count(); ++i)
        if (r.Int(i, kType) == type) return true;
    return false;
}

bool FastenerWriter::Suitable(const Block& b, int fastener) const
{
    const int use = p_.Fasteners.Int(fastener, 0);
    if (b.type == 1) return use == 1;
    return use == b.type || use == 4;
}

std::string FastenerWriter::ModeText(const Block& b, int mode) const
{
    if (mode < 0 || mode > 8 || mode == 4) return {};
    const int offset = mode < 4 ? mode : mode - 1;
    return FormatText("\t%s", {w_.T(b.modeGroup, b.firstModeText + offset)});
}

std::string FastenerWriter::TypeText(const Block& b, int fastener) const
{
    int offset = -1;
    switch (p_.Fasteners.Int(fastener, 1)) {
    case 1: offset = 0; break;
    case 2:
    case 3: offset = 1; break;
    case 4: offset = 2; break;
    case 5: offset = 3; break;
    default: return {};
    }
    return w_.T(b.typeGroup, b.firstTypeText + offset);
}

bool FastenerWriter::OpenBlock(const Block& b, int fastener, int unsuitableText, int titleText)
{
    if (!Present(b.type)) return false;
    if (!Suitable(b, fastener)) {
        w_.Line(w_.T(b.typeGroup, unsuitableText));
        return false;
    }
    w_.Line(w_.T(b.typeGroup, titleText));
    w_.Blank();
    return true;
}

void FastenerWriter::PlaceLine(const Block& b, std::string place, int record, int unitText)
{
    const LiitosTulosVektori& r = p_.ConnectionResults;
    const int mode = r.Int(record, kMode);
    const double utilisation = r.Real(record, kUtilisation);
    const int unit = mode == 3 ? unitText + 2 : unitText;
    ResultLine(place + FormatText("\t%.0f %s\t%s = %.1f %%", {r.Real(record, kCount), w_.T(b.modeGroup, unit),
                                                                w_.T(b.modeGroup, unit + 1), utilisation}) +
                   ModeText(b, mode),
               utilisation);
}

void FastenerWriter::FastenerLines(const Block& b, int fastener, int typeLabel, int nameLabel, int textLabel)
{
    const char* name = p_.Fasteners.Text(fastener, 0);
    const char* text = p_.Fasteners.Text(fastener, 1);
    w_.Line(FormatText("%s\t", {w_.T(b.typeGroup, typeLabel)}) + TypeText(b, fastener));
    w_.Line(FormatText("%s\t%s", {w_.T(b.typeGroup, nameLabel), name ? name : ""}));
    w_.Line(FormatText("%s\t%s", {w_.T(b.typeGroup, textLabel), text ? text : ""}));
}

void FastenerWriter::WriteSupportBlock()
{
    const Block& b = kSupportBlock;
    const int fastener = p_.Fasteners.SupportFastener;
    if (!OpenBlock(b, fastener, 3, 4)) return;
    const char* grade = p_.SteelGrades.Text(p_.SteelGrades.SelectedGrade, 0);
    w_.Line(FormatText("%s\t%s", {w_.T(181, 5), grade ? grade : ""}));
    w_.Line(FormatText("%s\t%.1f mm", {w_.T(181, 6), p_.SteelGrades.SupportThickness}));
    FastenerLines(b, fastener, 7, 12, 13);
    w_.Line(w_.T(181, 14) + FormatText("\t%s", {w_.T(181, p_.Fasteners.FasteningPattern() == 0 ? 15 : 16)}));
    w_.Line(w_.T(182, 1));
    const LiitosTulosVektori& r = p_.ConnectionResults;
    for (int i = 0; i < r.Count(); ++i)
        if (r.Int(i, kType) == b.type)
            PlaceLine(b, FormatText("%s %.1s", {w_.T(183, 1), SupportLetter(r.Int(i, kPlace))}), i, 2);
    w_.Line(w_.T(182, 1));
    w_.Line(w_.T(187, 1));
    w_.Blank();
}

void FastenerWriter::WriteJointBlock()
{
    const Block& b = kJointBlock;
    const int fastener = p_.Fasteners.JointFastener;
    if (!OpenBlock(b, fastener, 1, 2)) return;
    FastenerLines(b, fastener, 3, 8, 9);
    w_.Line(w_.T(182, 1));
    const LiitosTulosVektori& r = p_.ConnectionResults;
    for (int i = 0; i < r.Count(); ++i)
        if (r.Int(i, kType) == b.type) PlaceLine(b, FormatText("x = %.0f mm", {r.Real(i, kX)}), i, 10);
    w_.Line(w_.T(182, 1));
    w_.Blank();
}

void FastenerWriter::WriteLapBlock()
{
    const Block& b = kLapBlock;
    const int fastener = p_.Fasteners.SeamFastener;
    if (!OpenBlock(b, fastener, 1, 2)) return;
    FastenerLines(b, fastener, 3, 8, 9);
    w_.Line(w_.T(182, 1));
    const LiitosTulosVektori& r = p_.ConnectionResults;
    const PiirtoOsatVektori& parts = p_.SheetParts;
    for (int i = 0; i < parts.Count(); ++i) {
        if (!parts.IsPart(i)) continue;
        const int n = parts.Int(i, PiirtoOsatVektori::kNumber);
        // The governing lap of the part: most fasteners per metre, then the larger utilisation; a
        // record with neither above 0 is not a result.
        int best = -1;
        double bestCount = 0.0;
        double bestUtilisation = 0.0;
        for (int k = 0; k < r.Count(); ++k) {
            if (r.Int(k, kType) != b.type || r.Int(k, kPlace) != n) continue;
            const double count = r.Real(k, kCount);
            const double utilisation = r.Real(k, kUtilisation);
            if (count > bestCount || (count == bestCount && utilisation > bestUtilisation)) {
                best = k;
                bestCount = count;
                bestUtilisation = utilisation;
            }
        }
        if (best < 0) continue;
        // Spacing of the fasteners: 1000 mm / (fasteners per metre), rounded down to whole 10 mm.
        // Without fasteners per metre there is no spacing to print.
        const std::string spacing =
            bestCount > 0.0 ? FormatText("%.0f mm", {std::floor(100.0 / bestCount) * 10.0}) : std::string("--");
        ResultLine(FormatText("%s %d", {w_.T(186, 1), n}) +
                       FormatText("\t%s = %s\t%s = %.1f %%", {w_.T(186, 2), spacing, w_.T(186, 3), bestUtilisation}) +
                       ModeText(b, r.Int(best, kMode)),
                   bestUtilisation);
    }
    w_.Line(w_.T(182, 1));
    w_.Blank();
}

void FastenerWriter::Write()
{
    // Fastener results exist only alongside the sheet results of the same calculation.
    if (p_.ResultsValid != 1 || p_.DesignResults.Count() == 0) return;
    const LiitosTulosVektori& r = p_.ConnectionResults;
    double highest = 0.0;
    for (int i = 0; i < r.Count(); ++i) highest = std::max(highest, r.Real(i, kUtilisation));
    const TextColour head = o_.ColourMode == 1 ? TextColour::Navy : TextColour::Black;
    w_.Target().SetColour(head);
    w_.Bold(w_.T(181, 1));
    w_.Target().SetColour(TextColour::Black);
    w_.Blank();
    w_.Target().SetColour(head);
    w_.Bold(FormatText("%s = %.1f %%", {w_.T(181, 2), highest}));
    w_.Target().SetColour(TextColour::Black);
    w_.Blank();
    if (o_.ShowSupportFasteners) WriteSupportBlock();
    if (o_.ShowJointFasteners) WriteJointBlock();
    if (o_.ShowLapFasteners) WriteLapBlock();
}

}  // namespace

void WriteFasteners(const KAIKKI_data* project, RichTextTarget* target, const ReportOptions& options)
{
    if (!project || !target) return;
    FastenerWriter(*project, *target, options).Write();
}

}  // namespace kirvos
