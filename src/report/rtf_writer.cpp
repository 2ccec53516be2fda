#include <cmath>
#include <cstdint>
#include <cstdio>

#include "report/rich_text_writers.h"
#include "report/utf8_codepoints.h"

namespace kirvos {

namespace {

// Colour table entries (index 0 is the reader's automatic colour).
int ColourIndex(TextColour colour)
{
    switch (colour) {
    case TextColour::Black: return 1;
    case TextColour::Navy: return 2;
    case TextColour::Red: return 3;
    }
    return 1;
}

void AppendNumber(std::string& out, const char* format, long value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    out += buffer;
}

void AppendEscaped(std::string& out, const std::string& text)
{
    for (char32_t c : DecodeUtf8(text)) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\r' || c == '\n') {
            out += "\\line ";
        } else if (c >= 0x20 && c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            // Other control characters have no place in a report line.
        } else {
            // \uN takes a signed 16-bit value; characters beyond the BMP go as a surrogate pair.
            auto emit = [&out](char32_t unit, char32_t original) {
                AppendNumber(out, "\\u%ld", static_cast<long>(static_cast<std::int16_t>(unit)));
                if (original >= 0xA0 && original <= 0xFF)
                    AppendNumber(out, "\\'%02lx", static_cast<long>(original));
                else
                    out += '?';
            };
            if (c > 0xFFFF) {
                const char32_t v = c - 0x10000;
                emit(0xD800 + (v >> 10), c);
                emit(0xDC00 + (v & 0x3FF), c);
            } else {
                emit(c, c);
            }
        }
    }
}

}  // namespace

std::string ToRtf(const RichTextTarget& document)
{
    // 9 pt sans serif on A4 with 10 mm side margins, as the printed report.
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\n"
        "\\paperw11906\\paperh16838\\margl567\\margr567\\margt567\\margb1134\n";
    for (const RichParagraph& paragraph : document.Paragraphs()) {
        out += "\\pard";
        for (double points : paragraph.TabStops)
            AppendNumber(out, "\\tx%ld", std::lround(points * 20.0));  // twips
        out += "\\plain\\f0\\fs18 ";
        for (const RichRun& run : paragraph.Runs) {
            out += '{';
            AppendNumber(out, "\\cf%ld", ColourIndex(run.Colour));
            if (run.Bold) out += "\\b";
            if (run.Underline) out += "\\ul";
            out += ' ';
            AppendEscaped(out, run.Text);
            out += '}';
        }
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}

}  // namespace kirvos
