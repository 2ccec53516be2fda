#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_format.h"
#include "report/rich_text_target.h"

namespace kirvos {

class KieliSanasto;

// Shared line writing of the report sections: looks up numbered texts in the section's text source
// and appends lines with the heading conventions (bold or underlined for one line only).
class SectionWriter {
public:
    // source 1 user-interface texts, otherwise report texts.
    SectionWriter(RichTextTarget& target, const KieliSanasto& texts, int source,
                  std::vector<double> tabStops);

    std::string T(int g, int n) const;
    void Line(std::string text) { target_.AddLine(std::move(text)); }
    void Blank() { target_.AddLine(" "); }
    void Bold(std::string text);
    void Underlined(std::string text);
    // A line in the colour, the colour before it restored afterwards.
    void Coloured(std::string text, TextColour colour);
    // A result line: red when colourMode is not 0 and the utilisation (%) exceeds 100, else black.
    void ResultLine(std::string text, double utilisation, int colourMode);
    RichTextTarget& Target() { return target_; }

private:
    RichTextTarget& target_;
    const KieliSanasto& texts_;
    int source_;
};

// Letter of support k (from 0): "ABCDEFGHIJKLMNOPQRSTUVXYZ", no "W"; "?" past the 25th support.
std::string_view SupportLetter(int k);
// Letter of imposed-load category c (from 1): "ABCDEFGHIJK"; "?" outside that range.
std::string_view CategoryLetter(int c);

}  // namespace kirvos
