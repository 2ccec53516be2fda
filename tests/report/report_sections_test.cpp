// The six report sections of a project with results, against golden files (English texts), plus
// the variations of the design basis, loads and fasteners that change which lines are printed.
//
// Golden files live in tests/report/golden. After a deliberate change of a section or of the English
// language file, run this test with KIRVOS_UPDATE_GOLDEN=1 to rewrite them, and review the diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "design/load_combinations.h"
#include "report/report_format.h"
#include "report/report_sections.h"
#include "report/section_writer.h"
#include "report_fixture.h"

namespace kirvos {
namespace {

using report_test::Describe;
using report_test::ExpectGolden;
using report_test::MakeReportProject;

ReportOptions PrintOptions(int colourMode)
{
    ReportOptions o;
    o.Layout = 1;
    o.ColourMode = colourMode;
    o.LanguageNumber = 1;
    o.TextSource = 2;
    o.ShowSupportFasteners = o.ShowJointFasteners = o.ShowLapFasteners = 1;
    return o;
}

bool HasLine(const RichTextTarget& doc, const std::string& line)
{
    for (const std::string& l : doc.Lines())
        if (l == line) return true;
    return false;
}

bool HasLineStartingWith(const RichTextTarget& doc, const std::string& start)
{
    for (const std::string& l : doc.Lines())
        if (l.rfind(start, 0) == 0) return true;
    return false;
}

TEST(ReportSections, GoldenSectionsOfTheFixtureProject)
{
    auto p = MakeReportProject();
    RichTextTarget doc;

    WriteMainData(p.get(), &doc, PrintOptions(1));
    ExpectGolden("main_data.txt", Describe(doc));
    WriteStructure(p.get(), &doc);
    ExpectGolden("structure.txt", Describe(doc));
    WriteLoads(p.get(), &doc);
    ExpectGolden("loads.txt", Describe(doc));
    WriteDiaphragm(p.get(), &doc);
    ExpectGolden("diaphragm.txt", Describe(doc));

    // The design window: per sheet part, window colours, user-interface texts.
    ReportOptions window = PrintOptions(1);
    window.Layout = 0;
    window.TextSource = 1;
    WriteDesign(p.get(), &doc, window);
    ExpectGolden("design_layout0_colour1.txt", Describe(doc));
    // The printed report: per span and support, print colours.
    WriteDesign(p.get(), &doc, PrintOptions(2));
    ExpectGolden("design_layout1_colour2.txt", Describe(doc));
    WriteFasteners(p.get(), &doc, PrintOptions(1));
    ExpectGolden("fasteners_colour1.txt", Describe(doc));
}

TEST(ReportSections, SectionsUseTheirOwnTabStops)
{
    auto p = MakeReportProject();
    const ReportOptions o = PrintOptions(0);
    struct Case {
        void (*write)(const KAIKKI_data*, RichTextTarget*, const ReportOptions&);
        std::vector<double> stops;
    };
    const Case cases[] = {
        {[](const KAIKKI_data* m, RichTextTarget* t, const ReportOptions& op) { WriteMainData(m, t, op); },
         {150, 200, 250, 350, 450, 500, 550}},
        {[](const KAIKKI_data* m, RichTextTarget* t, const ReportOptions&) { WriteStructure(m, t); },
         {80, 160, 240, 320, 400, 480, 560}},
        {[](const KAIKKI_data* m, RichTextTarget* t, const ReportOptions&) { WriteLoads(m, t); },
         {130, 260, 400, 450, 500, 550, 600}},
        {[](const KAIKKI_data* m, RichTextTarget* t, const ReportOptions&) { WriteDiaphragm(m, t); },
         {150, 200, 300, 375, 475, 500, 550}},
        {WriteDesign, {50, 175, 275, 375, 475, 500, 550}},
        {WriteFasteners, {100, 200, 300, 400, 450, 500, 550}},
    };
    for (const Case& c : cases) {
        RichTextTarget doc;
        doc.AddLine("left over from an earlier call");
        c.write(p.get(), &doc, o);
        ASSERT_FALSE(doc.Empty());
        EXPECT_NE(doc.Lines().front(), "left over from an earlier call");
        for (const RichParagraph& paragraph : doc.Paragraphs()) EXPECT_EQ(paragraph.TabStops, c.stops);
        // A missing project or target writes nothing and does not fail.
        c.write(nullptr, &doc, o);
        c.write(p.get(), nullptr, o);
    }
}

TEST(ReportSections, ColourModeZeroIsBlackOnly)
{
    auto p = MakeReportProject();
    RichTextTarget doc;
    for (int layout : {0, 1}) {
        ReportOptions o = PrintOptions(0);
        o.Layout = layout;
        WriteDesign(p.get(), &doc, o);
        for (const RichParagraph& paragraph : doc.Paragraphs())
            EXPECT_EQ(paragraph.Runs[0].Colour, TextColour::Black) << paragraph.PlainText();
    }
    WriteMainData(p.get(), &doc, PrintOptions(0));
    for (const RichParagraph& paragraph : doc.Paragraphs()) EXPECT_EQ(paragraph.Runs[0].Colour, TextColour::Black);
}

TEST(ReportSections, MainDataSlopeRatioFileNameAndWeight)
{
    auto p = MakeReportProject();
    RichTextTarget doc;
    struct Slope {
        double degrees;
        const char* line;
    };
    for (const Slope& s : {Slope{0.0, "Roof slope\t0.0 degrees"}, Slope{45.0, "Roof slope\t45.0 degrees (1:1.0)"},
                           Slope{10.0, "Roof slope\t10.0 degrees (1:5.7)"}}) {
        p->RoofSlope = s.degrees;
        WriteMainData(p.get(), &doc, PrintOptions(0));
        EXPECT_TRUE(HasLine(doc, s.line)) << s.line;
    }

    // The file name is printed only when asked for and when there is one.
    const std::string file = ::testing::TempDir() + "report_main_data.ws1";
    p->ProjectText.Assign({"[ ==== 1 ==== ]", "KIRVOS"});
    ASSERT_EQ(p->ProjectText.SaveFile(file), 0);
    ReportOptions withName = PrintOptions(0);
    withName.ShowFileName = 1;
    WriteMainData(p.get(), &doc, withName);
    EXPECT_TRUE(HasLine(doc, "(" + file + ")"));
    WriteMainData(p.get(), &doc, PrintOptions(0));
    EXPECT_FALSE(HasLine(doc, "(" + file + ")"));

    // Length 0 .. 12660 mm; a part without a chosen thickness leaves the weight out.
    EXPECT_TRUE(HasLine(doc, "Sheet length\t12660 mm"));
    EXPECT_TRUE(HasLineStartingWith(doc, "Mean sheet weight\t"));
    p->SheetParts.SetInt(2, PiirtoOsatVektori::kThickness, 0);
    WriteMainData(p.get(), &doc, PrintOptions(0));
    EXPECT_TRUE(HasLine(doc, "Sheet length\t12660 mm"));
    EXPECT_FALSE(HasLineStartingWith(doc, "Mean sheet weight"));

    // No sheet parts at all: length 0 and no weight (rather than a division by zero).
    p->SheetParts.Clear();
    WriteMainData(p.get(), &doc, PrintOptions(1));
    EXPECT_TRUE(HasLine(doc, "Sheet length\t0 mm"));
    EXPECT_FALSE(HasLineStartingWith(doc, "Mean sheet weight"));
    EXPECT_EQ(doc.Paragraphs().back().Runs[0].Colour, TextColour::Navy);
    EXPECT_EQ(doc.Lines().back(), "Highest utilisation\t0.0 %");
}

TEST(ReportSections, MainDataWeightIsTheLengthWeightedMean)
{
    auto p = MakeReportProject();
    // One sheet of 0.70 mm (7.54 kg/m2) over 6000 mm and one of 0.80 mm doubled in full (2 x 8.63)
    // over 4000 mm: (7.54 x 6 + 17.26 x 4) / 10 = 11.428 kg/m2.
    p->SheetParts.Clear();
    p->SheetParts.Add({"a", ""}, {0, 6000}, {1, 2, 3, 0, 1});
    p->SheetParts.Add({"b", ""}, {6000, 10000}, {2, 3, 4, -1, 1});
    RichTextTarget doc;
    WriteMainData(p.get(), &doc, PrintOptions(0));
    EXPECT_TRUE(HasLine(doc, "Mean sheet weight\t11.43 kg/m2"));
}

TEST(ReportSections, StandardDecidesClassAnnexCategoryAndFactorLines)
{
    auto p = MakeReportProject();
    p->Loads.ImposedLoad = 1.0;
    RichTextTarget main;
    RichTextTarget loads;

    // Without the annex (standard 0), structure class 1 takes the class-1 factors [3], [2].
    WriteMainData(p.get(), &main, PrintOptions(0));
    WriteLoads(p.get(), &loads);
    EXPECT_TRUE(HasLine(main, "Structure class\tSecondary structure"));
    EXPECT_FALSE(HasLineStartingWith(main, "National annex"));
    EXPECT_TRUE(HasLine(loads, "Dead load\t1.10\t0.90\t1.00"));
    EXPECT_TRUE(HasLine(loads, "Imposed load\t1.35\t0.00\t0.50"));
    EXPECT_FALSE(HasLineStartingWith(loads, "Imposed load category"));

    // With the annex (standard 1) the class is not printed; a primary structure takes the class-0
    // factors [1], [0].
    p->StandardIndex = 1;
    p->AnnexIndex = 1;
    p->StructureClass = 0;
    WriteMainData(p.get(), &main, PrintOptions(0));
    WriteLoads(p.get(), &loads);
    EXPECT_TRUE(HasLine(main, "Design standard\tEuropean code"));
    EXPECT_TRUE(HasLine(main, "National annex\tNational annex B"));
    EXPECT_FALSE(HasLineStartingWith(main, "Structure class"));
    EXPECT_TRUE(HasLine(loads, "Dead load\t1.20\t0.90\t1.00"));
    EXPECT_TRUE(HasLine(loads, "Imposed load category = C"));

    // An own deflection limit replaces the standard's text.
    p->DeflectionLimitMode = 1;
    p->OwnDeflectionLimit = 250;
    WriteMainData(p.get(), &main, PrintOptions(0));
    EXPECT_TRUE(HasLine(main, "Deflection limit\tL/250"));
}

// The factor table must show the factors the ultimate combinations were built with, whatever the
// standard and structure class (a file can bring class 1 together with standard 1).
TEST(ReportSections, PrintedUltimateFactorsAreThoseOfTheCombinations)
{
    auto p = MakeReportProject();
    for (int standard : {0, 1}) {
        for (int structureClass : {0, 1}) {
            p->StandardIndex = standard;
            p->StructureClass = structureClass;
            ASSERT_EQ(BuildLoadCombinations(*p), 0);
            // Factors of the dead load case (2) over all ultimate combinations: favourable and
            // unfavourable.
            double lowest = 1e9;
            double highest = -1e9;
            for (int c = 0; c < p->UltimateCombinations.Count(); ++c) {
                const DOFlukuparivektori& combination = p->UltimateCombinations.Map(c);
                for (int i = 0; i < combination.Count(); ++i) {
                    if (combination.KeyAt(i) != 2) continue;
                    lowest = std::min(lowest, combination.ValueAt(i));
                    highest = std::max(highest, combination.ValueAt(i));
                }
            }
            ASSERT_LE(lowest, highest);
            RichTextTarget loads;
            WriteLoads(p.get(), &loads);
            const std::string expected =
                FormatText("Dead load\t%.2f\t%.2f\t1.00", {highest, lowest});
            EXPECT_TRUE(HasLine(loads, expected)) << "standard " << standard << ", class " << structureClass
                                                  << ": " << expected;
        }
    }
}

TEST(ReportSections, LoadValuesAsTheSheetReceivesThem)
{
    auto p = MakeReportProject();
    RichTextTarget doc;

    // Snow 2.0 x shape coefficient 0.8 on a flat roof.
    p->RoofSlope = 0.0;
    WriteLoads(p.get(), &doc);
    EXPECT_TRUE(HasLine(doc, "Basic load\twhole sheeting\tQ = 1.60 kN/m2 (shape coefficient 0.80)"));

    // On a 10 degree roof a point load of imposed load is F x cos 10 (1.48), not x cos^2 (1.45),
    // and it is a force in kN.
    p->RoofSlope = 10.0;
    WriteLoads(p.get(), &doc);
    EXPECT_TRUE(HasLine(doc, "Point load\tx = 8100 mm\tF = 1.48 kN"));
    EXPECT_TRUE(HasLine(doc, "Basic load\twhole sheeting\tQ = 1.55 kN/m2 (shape coefficient 0.80)"));

    // A surface load over the whole sheeting says so; one starting 1 mm inside gives its ends.
    EXPECT_TRUE(HasLine(doc, "Surface load\twhole sheeting\tQ = 0.30 kN/m2"));
    p->Loads.SetReal(0, KuormaVektori::kX1, -599);
    p->Loads.SetReal(0, KuormaVektori::kLength, 12599);
    WriteLoads(p.get(), &doc);
    EXPECT_TRUE(HasLine(doc, "Surface load\tx = 1 mm - 12600 mm\tQ = 0.30 kN/m2"));

    // What the pictures hide is still a load: the drawing switches do not drop a load kind.
    p->Loads.DrawBasicLoads = 0;
    p->Loads.DrawRecordLoads = 0;
    RichTextTarget hidden;
    WriteLoads(p.get(), &hidden);
    EXPECT_EQ(hidden.Lines(), doc.Lines());

    // Kinds without loads leave no block; the third wind case is beyond WindCaseCount and is not
    // designed for, neither its basic value nor its load records.
    p->Loads.Clear();
    p->Loads.SnowLoad = 0.0;
    p->Loads.WindCoefficients[2] = 0.5;
    p->Loads.Add({" "}, {0, 1000, 0.4, 0.4, 0}, {5, 0, 0});
    WriteLoads(p.get(), &doc);
    EXPECT_TRUE(HasLine(doc, "Dead load"));
    EXPECT_FALSE(HasLine(doc, "Snow load"));
    EXPECT_TRUE(HasLine(doc, "Wind load, case 2:"));
    EXPECT_FALSE(HasLine(doc, "Wind load, case 3:"));
    EXPECT_FALSE(HasLineStartingWith(doc, "Reduction of the snow load"));
    // A wind case count of 0 from a file runs one wind case, so the first case is listed.
    p->Loads.WindCaseCount = 0;
    WriteLoads(p.get(), &doc);
    EXPECT_TRUE(HasLine(doc, "Wind load, case 1:"));
    EXPECT_FALSE(HasLine(doc, "Wind load, case 2:"));
}

TEST(ReportSections, DesignSectionEmptyWithoutValidResults)
{
    auto p = MakeReportProject();
    RichTextTarget design;
    RichTextTarget fasteners;
    p->ResultsValid = 0;
    WriteDesign(p.get(), &design, PrintOptions(2));
    WriteFasteners(p.get(), &fasteners, PrintOptions(2));
    EXPECT_TRUE(design.Empty());
    EXPECT_TRUE(fasteners.Empty());
    // Fastener results alone, without sheet results, are no valid calculation either.
    p->ResultsValid = 1;
    p->DesignResults.Clear();
    WriteFasteners(p.get(), &fasteners, PrintOptions(2));
    EXPECT_TRUE(fasteners.Empty());
}

TEST(ReportSections, DesignLayoutsPlaceChecksAtSupportsAndSpans)
{
    auto p = MakeReportProject();
    RichTextTarget doc;
    WriteDesign(p.get(), &doc, PrintOptions(2));
    // The right cantilever has no length and no line, but support C next to it still gets its
    // check: the larger of the two reactions there (part 3, 55 %).
    EXPECT_TRUE(HasLine(doc, "Support C\tR = 7.40 kN\tUtilisation = 55.0 %\tsupport reaction (sheet part 3)"));
    EXPECT_TRUE(HasLine(doc, "Cantilever\tw = 2.0 mm\tUtilisation = 10.0 %\tdeflection (sheet part 1)"));
    // Over-utilised lines are red in print colours.
    for (const RichParagraph& paragraph : doc.Paragraphs()) {
        const bool over = paragraph.PlainText().find("Utilisation = 104.3 %") != std::string::npos ||
                          paragraph.PlainText().find("Utilisation = 110.0 %") != std::string::npos;
        EXPECT_EQ(paragraph.Runs[0].Colour, over ? TextColour::Red : TextColour::Black) << paragraph.PlainText();
    }

    // Under standard 1 the moment-shear interaction takes its own texts.
    p->StandardIndex = 1;
    ReportOptions perPart = PrintOptions(0);
    perPart.Layout = 0;
    WriteDesign(p.get(), &doc, perPart);
    EXPECT_TRUE(HasLineStartingWith(doc, "Support B\t(M/Mr)^2 + (V/Vr)^2 = 0.40"));
    // A check off the supports is not printed as a support check.
    EXPECT_FALSE(HasLineStartingWith(doc, "Support B\tM = 1.00 kNm"));
    // Diaphragm checks per span are numbered even for a cantilever in layout 0.
    p->DesignResults.Add({}, {0, 5.0, 0.05}, {1, 21, 0});
    WriteDesign(p.get(), &doc, perPart);
    EXPECT_TRUE(HasLineStartingWith(doc, "Span 0\tF/Vr + 0.01 u = 0.05"));
    // Without horizontal loads there are no diaphragm checks.
    p->DiaphragmParameters.Set(21, 0.0);
    WriteDesign(p.get(), &doc, perPart);
    EXPECT_FALSE(HasLine(doc, "Diaphragm action of the sheeting"));
}

TEST(ReportSections, FastenerBlocksFollowTheSelection)
{
    auto p = MakeReportProject();
    RichTextTarget doc;

    // A lap part whose records have no fasteners and no utilisation prints no line; with a
    // utilisation it prints, without a spacing to divide by zero.
    WriteFasteners(p.get(), &doc, PrintOptions(0));
    EXPECT_TRUE(HasLine(doc, "Sheet part 2\tSpacing = 330 mm\tUtilisation = 90.0 %\tpull-out"));
    EXPECT_FALSE(HasLineStartingWith(doc, "Sheet part 3"));
    p->ConnectionResults.SetReal(p->ConnectionResults.Count() - 1, 2, 5.0);
    WriteFasteners(p.get(), &doc, PrintOptions(0));
    EXPECT_TRUE(HasLine(doc, "Sheet part 3\tSpacing = --\tUtilisation = 5.0 %\tshear resistance of the fastener"));

    // An unsuitable fastener leaves only its message in the block.
    p->Fasteners.SupportFastener = 1;   // a joint and lap fastener
    p->Fasteners.SeamFastener = 0;      // a support fastener
    WriteFasteners(p.get(), &doc, PrintOptions(0));
    EXPECT_TRUE(HasLine(doc, "The fastener selected for the supports is not suitable for fastening the sheets "
                             "to the supporting structure."));
    EXPECT_TRUE(HasLine(doc, "The fastener selected for the side laps is not suitable for fastening the sheets "
                             "to each other."));
    EXPECT_FALSE(HasLine(doc, "FASTENERS TO THE SUPPORTING STRUCTURE"));
    EXPECT_FALSE(HasLine(doc, "FASTENERS IN THE SIDE LAPS"));
    EXPECT_TRUE(HasLine(doc, "FASTENERS IN THE JOINTS OF THE SHEETS"));

    // Only the blocks asked for are printed.
    ReportOptions jointsOnly = PrintOptions(0);
    jointsOnly.ShowSupportFasteners = jointsOnly.ShowLapFasteners = 0;
    WriteFasteners(p.get(), &doc, jointsOnly);
    EXPECT_FALSE(HasLineStartingWith(doc, "The fastener selected for the supports"));
    EXPECT_TRUE(HasLine(doc, "FASTENERS IN THE JOINTS OF THE SHEETS"));
}

// Sheet part labels are judged by their characters, not their bytes: the structure table needs more
// than two, the design head at least two, before the label replaces the "not chosen" text.
TEST(ReportSections, SheetPartLabelLengthCountsCharacters)
{
    auto p = MakeReportProject();
    struct Case {
        const char* label;
        const char* structureLine;
        const char* designHead;
    };
    const Case cases[] = {
        {"\xC3\xA4\xC3\xB6", "1\tthickness not chosen\tsingle sheet\t6625\t--",
         "Sheet part 1: thickness = \xC3\xA4\xC3\xB6, single sheet, L=6625 mm"},
        {"\xC3\xA9", "1\tthickness not chosen\tsingle sheet\t6625\t--",
         "Sheet part 1: thickness = not chosen, single sheet, L=6625 mm"},
        {"0.7", "1\t0.7\tsingle sheet\t6625\t--", "Sheet part 1: thickness = 0.7, single sheet, L=6625 mm"},
    };
    ReportOptions perPart = PrintOptions(0);
    perPart.Layout = 0;
    for (const Case& c : cases) {
        p->SheetParts.SetText(0, PiirtoOsatVektori::kLabel, std::string_view(c.label));
        RichTextTarget structure;
        RichTextTarget design;
        WriteStructure(p.get(), &structure);
        WriteDesign(p.get(), &design, perPart);
        EXPECT_TRUE(HasLine(structure, c.structureLine)) << c.label;
        EXPECT_TRUE(HasLine(design, c.designHead)) << c.label;
    }
}

TEST(ReportSections, LettersOfSupportsAndCategories)
{
    struct Case {
        std::string_view (*letter)(int);
        int index;
        const char* expected;
    };
    const Case cases[] = {{SupportLetter, 0, "A"}, {SupportLetter, 21, "V"}, {SupportLetter, 22, "X"},
                          {SupportLetter, 24, "Z"}, {SupportLetter, 25, "?"}, {SupportLetter, -1, "?"},
                          {CategoryLetter, 1, "A"}, {CategoryLetter, 11, "K"}, {CategoryLetter, 0, "?"},
                          {CategoryLetter, 12, "?"}};
    for (const Case& c : cases) EXPECT_EQ(c.letter(c.index), c.expected) << c.index;
}

}  // namespace
}  // namespace kirvos
