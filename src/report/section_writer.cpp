#include "report/section_writer.h"

#include <utility>

#include "report/report_options.h"

namespace kirvos {

SectionWriter::SectionWriter(RichTextTarget& target, const KieliSanasto& texts, int source,
                             std::vector<double> tabStops)
    : target_(target), texts_(texts), source_(source)
{
    target_.Clear();
    target_.SetTabStops(std::move(tabStops));
}

std::string SectionWriter::T(int g, int n) const { return SectionText(texts_, source_, g, n); }

void SectionWriter::Bold(std::string text)
{
    target_.SetBold(true);
    target_.AddLine(std::move(text));
    target_.SetBold(false);
}

void SectionWriter::Underlined(std::string text)
{
    target_.SetUnderline(true);
    target_.AddLine(std::move(text));
    target_.SetUnderline(false);
}

void SectionWriter::Coloured(std::string text, TextColour colour)
{
    const TextColour before = target_.Colour();
    target_.SetColour(colour);
    target_.AddLine(std::move(text));
    target_.SetColour(before);
}

void SectionWriter::ResultLine(std::string text, double utilisation, int colourMode)
{
    Coloured(std::move(text), colourMode != 0 && utilisation > 100.0 ? TextColour::Red : TextColour::Black);
}

std::string_view SupportLetter(int k)
{
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVXYZ";
    if (k < 0 || k >= static_cast<int>(kLetters.size())) return "?";
    return kLetters.substr(static_cast<std::size_t>(k), 1);
}

std::string_view CategoryLetter(int c)
{
    static constexpr std::string_view kLetters = "ABCDEFGHIJK";
    if (c < 1 || c > static_cast<int>(kLetters.size())) return "?";
    return kLetters.substr(static_cast<std::size_t>(c - 1), 1);
}

}  // namespace kirvos
