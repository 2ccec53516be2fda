#include <cstdio>
#include <vector>

#include "report/rich_text_writers.h"

namespace kirvos {

namespace {

const char* CssColour(TextColour colour)
{
    switch (colour) {
    case TextColour::Black: return "#000000";
    case TextColour::Navy: return "#000080";
    case TextColour::Red: return "#ff0000";
    }
    return "#000000";
}

std::string Escaped(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r':
        case '\n': out += ' '; break;
        default: out += c;
        }
    }
    return out;
}

std::string StyledFragment(const RichRun& run, const std::string& text)
{
    std::string out = "<span style=\"color:";
    out += CssColour(run.Colour);
    if (run.Bold) out += ";font-weight:bold";
    if (run.Underline) out += ";text-decoration:underline";
    out += "\">" + Escaped(text) + "</span>";
    return out;
}

// Width in points of tab column `index` (text before the first tab is column 0); past the last stop a
// column is as wide as a word processor's default tab, 36 pt.
double ColumnWidth(const std::vector<double>& stops, std::size_t index)
{
    const double start = index == 0 ? 0.0 : (index - 1 < stops.size() ? stops[index - 1] : 0.0);
    if (index < stops.size()) return stops[index] - start;
    return 36.0;
}

}  // namespace

std::string ToHtml(const RichTextTarget& document, const std::string& title)
{
    std::string out =
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + Escaped(title) +
        "</title>\n<style>\n"
        "body { font-family: Arial, Helvetica, sans-serif; font-size: 9pt; }\n"
        ".l { white-space: pre; margin: 0; min-height: 1.2em; }\n"
        ".c { display: inline-block; vertical-align: top; }\n"
        "</style>\n</head>\n<body>\n";
    for (const RichParagraph& paragraph : document.Paragraphs()) {
        // Split the runs at tabs into columns; a column may hold fragments of several runs.
        std::vector<std::string> columns(1);
        for (const RichRun& run : paragraph.Runs) {
            std::size_t from = 0;
            while (true) {
                const std::size_t tab = run.Text.find('\t', from);
                const std::string piece = run.Text.substr(from, tab == std::string::npos ? tab : tab - from);
                if (!piece.empty()) columns.back() += StyledFragment(run, piece);
                if (tab == std::string::npos) break;
                columns.emplace_back();
                from = tab + 1;
            }
        }
        out += "<div class=\"l\">";
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i + 1 == columns.size()) {
                out += columns[i];
                break;
            }
            char width[64];
            std::snprintf(width, sizeof width, "<span class=\"c\" style=\"min-width:%.0fpt\">",
                          ColumnWidth(paragraph.TabStops, i));
            out += width + columns[i] + "</span>";
        }
        out += "</div>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace kirvos
