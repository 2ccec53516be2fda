// The report's rich-text model and its RTF, HTML and plain-text serialisers.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "report/rich_text_target.h"
#include "report/rich_text_writers.h"
#include "document_checks.h"

namespace kirvos {
namespace {

// A small section: a bold underlined navy header, a plain line and a red over-utilised line, all with
// the same tab stops, then a Finnish line with special characters.
RichTextTarget SampleDocument()
{
    RichTextTarget doc;
    doc.SetTabStops({150, 200, 250});
    doc.SetColour(TextColour::Navy);
    doc.SetBold(true);
    doc.SetUnderline(true);
    doc.AddLine("Span\tLength\tJoint");
    doc.SetBold(false);
    doc.SetUnderline(false);
    doc.SetColour(TextColour::Black);
    doc.AddLine("Span 1\t6000");
    doc.SetColour(TextColour::Red);
    doc.AddLine("Support B\tM = 5.20 kNm\t112.0 %");
    doc.SetColour(TextColour::Black);
    doc.AddLine("Käyttöaste {a\\b} <&> \xF0\x9F\x98\x80");
    return doc;
}

TEST(RichTextTarget, LineKeepsStyleAndTabStopsCurrentWhenAppended)
{
    RichTextTarget doc = SampleDocument();
    ASSERT_EQ(doc.LineCount(), 4u);
    const auto& p = doc.Paragraphs();
    EXPECT_EQ(p[0].Runs[0], (RichRun{"Span\tLength\tJoint", true, true, TextColour::Navy}));
    EXPECT_EQ(p[1].Runs[0], (RichRun{"Span 1\t6000", false, false, TextColour::Black}));
    EXPECT_EQ(p[2].Runs[0].Colour, TextColour::Red);
    EXPECT_EQ(p[3].TabStops, (std::vector<double>{150, 200, 250}));

    // Joining documents keeps each paragraph's own tab stops.
    RichTextTarget other;
    other.SetTabStops({80, 160});
    other.AddLine("x");
    doc.Append(other);
    EXPECT_EQ(doc.Paragraphs().back().TabStops, (std::vector<double>{80, 160}));
    EXPECT_EQ(doc.Paragraphs().front().TabStops, (std::vector<double>{150, 200, 250}));

    doc.AppendRun(" more");
    EXPECT_EQ(doc.Lines().back(), "x more");

    doc.SetBold(true);
    doc.Clear();
    EXPECT_TRUE(doc.Empty());
    EXPECT_FALSE(doc.Bold());
    EXPECT_TRUE(doc.TabStops().empty());
}

using report_test::CountMatches;
using report_test::GroupsBalanced;
using report_test::TagsBalanced;

TEST(RtfWriter, WritesAValidDocumentWithTablesStylesAndOneParagraphPerLine)
{
    const std::string rtf = ToRtf(SampleDocument());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_TRUE(GroupsBalanced(rtf));
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}"),
              std::string::npos);
    // \par not followed by a letter (\pard is a different word).
    EXPECT_EQ(report_test::RtfParagraphs(rtf), 4u);
    // 150, 200 and 250 pt in twips on every paragraph.
    EXPECT_EQ(CountMatches(rtf, std::regex(R"(\\pard\\tx3000\\tx4000\\tx5000\\plain)")), 4u);
    EXPECT_NE(rtf.find("{\\cf2\\b\\ul Span\\tab Length\\tab Joint}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\cf1 Span 1\\tab 6000}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\cf3 Support B"), std::string::npos);
    // ä and ö as Unicode escapes with their 1252 fallback, RTF specials escaped, an emoji as a pair.
    EXPECT_NE(rtf.find("K\\u228\\'e4ytt\\u246\\'f6aste \\{a\\\\b\\} <&> \\u-10179?\\u-8704?"),
              std::string::npos);
    EXPECT_EQ(rtf.find('\r'), std::string::npos);
    for (char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80u) << "RTF must be 7-bit";
}

TEST(RtfWriter, EmptyDocumentAndBrokenUtf8StayValid)
{
    RichTextTarget doc;
    EXPECT_TRUE(GroupsBalanced(ToRtf(doc)));
    doc.AddLine("bad \xC3 byte \xE2\x82");
    const std::string rtf = ToRtf(doc);
    EXPECT_TRUE(GroupsBalanced(rtf));
    EXPECT_NE(rtf.find("bad \\u-3?"), std::string::npos);  // U+FFFD
}

TEST(HtmlWriter, WritesWellFormedEscapedColumns)
{
    const std::string html = ToHtml(SampleDocument(), "Report <1>");
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(html.find("<title>Report &lt;1&gt;</title>"), std::string::npos);
    EXPECT_TRUE(TagsBalanced(html.substr(html.find("<html>"))));
    EXPECT_EQ(CountMatches(html, std::regex("<div class=\"l\">")), 4u);
    // Columns follow the stops 150, 200, 250: widths 150, 50, 50.
    EXPECT_NE(html.find("<span class=\"c\" style=\"min-width:150pt\"><span style=\"color:#000080;"
                        "font-weight:bold;text-decoration:underline\">Span</span></span>"
                        "<span class=\"c\" style=\"min-width:50pt\">"),
              std::string::npos);
    EXPECT_NE(html.find("color:#ff0000\">Support B"), std::string::npos);
    EXPECT_NE(html.find("Käyttöaste {a\\b} &lt;&amp;&gt;"), std::string::npos);
}

TEST(PlainTextWriter, KeepsOrExpandsTabsToTheStops)
{
    RichTextTarget doc;
    doc.SetTabStops({60, 90});
    doc.AddLine("ab\tcd\tef\tgh");   // stops at 10 and 15 characters, then every 36 pt (6 characters) from the left
    doc.AddLine("äöäöäöäöäöäö\tx");  // 12 characters, past the first stop
    doc.AddLine(" ");
    EXPECT_EQ(ToPlainText(doc), "ab\tcd\tef\tgh\näöäöäöäöäöäö\tx\n \n");
    EXPECT_EQ(ToPlainText(doc, true, 6.0),
              "ab        cd   ef gh\n"
              "äöäöäöäöäöäö   x\n"
              "\n");
}

}  // namespace
}  // namespace kirvos
