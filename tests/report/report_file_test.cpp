// The whole report written to a file: sections in band order, the three formats, the report
// language, and the errors a caller can meet. Small golden files of one section's RTF and HTML keep
// the serialised form in view (KIRVOS_UPDATE_GOLDEN=1 rewrites them).
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "report/report_file.h"
#include "report/report_sections.h"
#include "report/rich_text_writers.h"
#include "document_checks.h"
#include "report_fixture.h"

namespace kirvos {
namespace {

using namespace report_test;

std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }

TEST(ReportFile, SectionsFollowTheBandOrder)
{
    auto p = MakeReportProject();
    const std::vector<std::string> lines = BuildReport(*p, 1, 0).Lines();
    std::vector<std::string> headings;
    for (const std::string& line : lines)
        if (line == "MAIN DATA" || line == "STRUCTURE" || line == "LOADS" || line == "DIAPHRAGM ACTION" ||
            line == "SHEET DESIGN" || line == "FASTENER DESIGN")
            headings.push_back(line);
    EXPECT_EQ(headings, (std::vector<std::string>{"MAIN DATA", "STRUCTURE", "LOADS", "DIAPHRAGM ACTION",
                                                  "SHEET DESIGN", "FASTENER DESIGN"}));

    // Without diaphragm action and without results only the input sections remain.
    p->DiaphragmOn = 0;
    p->ResultsValid = 0;
    headings.clear();
    for (const std::string& line : BuildReport(*p, 1, 0).Lines())
        if (line == "DIAPHRAGM ACTION" || line == "SHEET DESIGN" || line == "FASTENER DESIGN")
            headings.push_back(line);
    EXPECT_TRUE(headings.empty());
}

TEST(ReportFile, RtfOfTheExampleReportIsWellFormed)
{
    auto p = MakeReportProject();
    const std::string path = TempPath("report_example.rtf");
    ASSERT_EQ(WriteReportFile(*p, path), kReportWritten);
    const std::string rtf = ReadFile(path);
    const RichTextTarget report = BuildReport(*p, 1, 1);

    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_TRUE(GroupsBalanced(rtf));
    EXPECT_EQ(CountMatches(rtf, std::regex(R"(\{\\fonttbl\{\\f0[^}]*;\}\})")), 1u);
    EXPECT_EQ(CountMatches(rtf, std::regex(R"(\{\\colortbl;(\\red\d+\\green\d+\\blue\d+;){3}\})")), 1u);
    // One paragraph per line; every section line has its section's seven tab stops (the blank lines
    // between sections have none).
    EXPECT_EQ(RtfParagraphs(rtf), report.LineCount());
    std::size_t sectionLines = 0;
    for (const RichParagraph& paragraph : report.Paragraphs())
        if (paragraph.TabStops.size() == 7) ++sectionLines;
    EXPECT_EQ(sectionLines, report.LineCount() - 5);
    EXPECT_EQ(CountMatches(rtf, std::regex(R"(\\pard(\\tx\d+){7}\\plain)")), sectionLines);
    // Red runs are exactly the over-utilised lines (and the highest utilisation of the main data).
    std::size_t red = 0;
    for (const RichParagraph& paragraph : report.Paragraphs())
        if (paragraph.Runs[0].Colour == TextColour::Red) ++red;
    EXPECT_EQ(CountMatches(rtf, std::regex(R"(\{\\cf3[ \\])")), red);
    EXPECT_EQ(red, 4u);
    // Print colours: black headings in the results, the main data's utilisation line navy or red.
    EXPECT_NE(rtf.find("{\\cf1\\b SHEET DESIGN}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\cf3 Support B\\tab M = -4.90 kNm"), std::string::npos);
}

TEST(ReportFile, EachFormatFromItsExtension)
{
    auto p = MakeReportProject();
    struct Case {
        const char* name;
        const char* begins;
    };
    for (const Case& c : {Case{"report.rtf", "{\\rtf1"}, Case{"report.RTF", "{\\rtf1"},
                          Case{"report.html", "<!DOCTYPE html>"}, Case{"report.htm", "<!DOCTYPE html>"},
                          Case{"report.txt", "MAIN DATA\n"}}) {
        const std::string path = TempPath(c.name);
        ASSERT_EQ(WriteReportFile(*p, path), kReportWritten) << c.name;
        EXPECT_EQ(ReadFile(path).rfind(c.begins, 0), 0u) << c.name;
    }
    const std::string html = ReadFile(TempPath("report.html"));
    EXPECT_TRUE(TagsBalanced(html.substr(html.find("<html>"))));
    EXPECT_NE(html.find("<title>KIRVOS - Design of profiled steel sheeting</title>"), std::string::npos);

    // The text file lays the columns out in spaces and keeps no tabs or carriage returns.
    const std::string text = ReadFile(TempPath("report.txt"));
    EXPECT_EQ(text.find('\t'), std::string::npos);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_TRUE(std::regex_search(text, std::regex("\nSupport C +R = 7.40 kN +Utilisation = 55.0 %")));
}

TEST(ReportFile, FailuresAreReportedAndWriteNothing)
{
    auto p = MakeReportProject();
    struct Case {
        std::string path;
        int language;
        int status;
    };
    const Case cases[] = {
        {TempPath("report.pdfx"), 0, kReportUnknownFormat},
        {TempPath("report"), 0, kReportUnknownFormat},
        {TempPath("no.such.folder/report.rtf"), 0, kReportNotWritten},
        // The fixture's program folder holds no language files.
        {TempPath("report_language.rtf"), 2, kReportNoLanguage},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WriteReportFile(*p, c.path, c.language), c.status) << c.path;
        EXPECT_TRUE(ReadFile(c.path).empty()) << c.path;
    }
    EXPECT_EQ(p->ReportLanguage, 1);
}

TEST(ReportFile, ReportLanguageSelectsItsTexts)
{
    // The program's own data folder: the default project of a new start in Finnish.
    KAIKKI_data p(std::string(KIRVOS_DATA_DIR) + "/kirvos");
    const std::string path = TempPath("report_finnish.rtf");
    ASSERT_EQ(WriteReportFile(p, path, 2), kReportWritten);
    EXPECT_EQ(p.ReportLanguage, 2);
    const std::string rtf = ReadFile(path);
    EXPECT_TRUE(GroupsBalanced(rtf));
    // Finnish letters arrive as Unicode escapes; the RTF stays 7-bit.
    EXPECT_TRUE(rtf.find("\\u228\\'e4") != std::string::npos || rtf.find("\\u246\\'f6") != std::string::npos);
    for (char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    EXPECT_NE(p.Texts.ReportText(103, 1), std::string("MAIN DATA"));
}

TEST(ReportFile, GoldenRtfAndHtmlOfTheStructureSection)
{
    auto p = MakeReportProject();
    RichTextTarget doc;
    WriteStructure(p.get(), &doc);
    ExpectGolden("structure.rtf", ToRtf(doc));
    ExpectGolden("structure.html", ToHtml(doc, "Structure"));
}

}  // namespace
}  // namespace kirvos
