// Main data of the report: designer and project information, the standard, the structure's design
// basis (type, class, deflection limits, slope), the sheet length and mean weight, and the highest
// utilisation.
#include <algorithm>
#include <cmath>

#include "design/sheet_properties.h"
#include "project/project_model.h"
#include "report/report_sections.h"
#include "report/section_writer.h"

namespace kirvos {

namespace {

constexpr int kReportTexts = 2;

// Lines "label<TAB>value" for the lines of a UserData group; a value "?" is an unfilled
// placeholder and is left out. A blank line follows when anything was written.
void WriteInformation(SectionWriter& w, const CSVTiedosto& userData, int group, int labelGroup)
{
    bool any = false;
    const int count = userData.LineCount(group);
    for (int i = 1; i <= count; ++i) {
        const std::string value = userData.Line(group, i);
        if (value == "?") continue;
        w.Line(FormatText("%s\t", {w.T(labelGroup, i)}) + value);
        any = true;
    }
    if (any) w.Blank();
}

}  // namespace

void WriteMainData(const KAIKKI_data* project, RichTextTarget* target, const ReportOptions& options)
{
    if (!project || !target) return;
    const KAIKKI_data& p = *project;
    SectionWriter w(*target, p.Texts, kReportTexts, {150, 200, 250, 350, 450, 500, 550});

    if (p.Texts.HasReportGroup(109)) {
        const int count = p.Texts.ReportTextCount(109);
        for (int i = 1; i <= count; ++i) w.Line(w.T(109, i));
        w.Blank();
    }
    const std::string& path = p.ProjectText.FileName();
    if (options.ShowFileName && path.size() > 3) {
        w.Line(FormatText("(%s)", {path}));
        w.Blank();
    }
    w.Bold(w.T(103, 1));
    w.Blank();
    WriteInformation(w, p.UserData, 11, 101);
    WriteInformation(w, p.UserData, 12, 102);

    std::string name;
    p.Standards.StandardName(p.StandardIndex + 1, name);
    w.Line(FormatText("%s\t", {w.T(103, 2)}) + name);
    if (p.StandardIndex == 1) {
        std::string annex;
        p.Standards.AnnexName(p.StandardIndex, p.AnnexIndex + 1, annex);
        w.Line(FormatText("%s\t", {w.T(103, 3)}) + annex);
    }
    w.Blank();

    w.Line(FormatText("%s\t", {w.T(103, 4)}) + w.T(104, p.StructureType + 1));
    if (p.StandardIndex == 0)
        w.Line(FormatText("%s\t", {w.T(103, 5)}) + w.T(105, p.StructureClass + 1));
    std::string limit = w.T(106, p.StructureType + 1);
    if (p.DeflectionLimitMode == 1)
        limit = FormatText("%s%.0f", {w.T(p.StandardIndex == 1 ? 107 : 106, 5), p.OwnDeflectionLimit});
    w.Line(FormatText("%s\t", {w.T(103, 6)}) + limit);
    w.Line(FormatText("%s\t", {w.T(103, 11)}) +
           FormatText("%s%.0f", {w.T(107, 5), p.CantileverDeflectionLimit}));
    std::string slope = FormatText("%s\t", {w.T(103, 7)}) +
                        FormatText("%.1f %s", {p.RoofSlope, w.T(103, 8)});
    if (p.RoofSlope > 0.0 && p.RoofSlope < 90.0)
        slope += FormatText(" (1:%.1f)", {1.0 / std::tan(p.RoofSlope * 3.141592653589793 / 180.0)});
    w.Line(slope);
    w.Blank();

    const ProfiiliArvot* profile = p.Profiles.ProfileData(p.Profiles.SelectedProfile);
    if (profile && profile->HasGroup(4))
        w.Line(FormatText("%s\t", {w.T(103, 9)}) + w.T(108, ProfileInt(profile, 4, 1)));

    // Length of the sheeting from the sheet parts, and its mean weight over that length.
    const PiirtoOsatVektori& parts = p.SheetParts;
    double first = 0.0;
    double last = 0.0;
    bool thicknessMissing = false;
    for (int i = 0; i < parts.Count(); ++i) {
        if (!parts.IsPart(i)) continue;
        first = std::min(first, parts.Real(i, PiirtoOsatVektori::kStart));
        last = std::max(last, parts.Real(i, PiirtoOsatVektori::kEnd));
        if (parts.Int(i, PiirtoOsatVektori::kThickness) == 0) thicknessMissing = true;
    }
    const double length = last - first;
    w.Line(FormatText("%s\t%.0f mm", {w.T(110, 1), length}));
    // A sheeting of no length has no mean weight (the division would give no number).
    if (!thicknessMissing && length > 0.0) {
        double weightTimesLength = 0.0;  // kg/m2 x m
        for (int i = 0; i < parts.Count(); ++i) {
            if (!parts.IsPart(i)) continue;
            const double weight = SheetWeight(p, parts.Int(i, PiirtoOsatVektori::kNumber), 1);
            if (weight <= 0.0) continue;
            const double partLength =
                parts.Real(i, PiirtoOsatVektori::kEnd) - parts.Real(i, PiirtoOsatVektori::kStart);
            weightTimesLength += weight * partLength * 0.001;
        }
        w.Line(FormatText("%s\t%.2f kg/m2", {w.T(110, 2), weightTimesLength / (length * 0.001)}));
    }

    double highest = 0.0;
    for (int i = 0; i < parts.Count(); ++i)
        highest = std::max(highest, parts.Real(i, PiirtoOsatVektori::kOverallUse));
    const std::string utilisation = FormatText("%s\t%.1f %%", {w.T(103, 10), highest});
    if (options.ColourMode == 1)
        w.Coloured(utilisation, highest > 100.0 ? TextColour::Red : TextColour::Navy);
    else
        w.Line(utilisation);
}

}  // namespace kirvos
