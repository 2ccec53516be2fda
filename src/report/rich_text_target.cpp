#include "report/rich_text_target.h"

#include <utility>

namespace kirvos {

std::string RichParagraph::PlainText() const
{
    std::string text;
    for (const RichRun& run : Runs) text += run.Text;
    return text;
}

void RichTextTarget::Clear()
{
    Paragraphs_.clear();
    TabStops_.clear();
    Bold_ = false;
    Underline_ = false;
    Colour_ = TextColour::Black;
}

void RichTextTarget::SetTabStops(std::vector<double> pointsFromLeft)
{
    TabStops_ = std::move(pointsFromLeft);
}

RichRun RichTextTarget::CurrentRun(std::string text) const
{
    return RichRun{std::move(text), Bold_, Underline_, Colour_};
}

void RichTextTarget::AddLine(std::string text)
{
    Paragraphs_.push_back(RichParagraph{TabStops_, {CurrentRun(std::move(text))}});
}

void RichTextTarget::AppendRun(std::string text)
{
    if (Paragraphs_.empty()) {
        AddLine(std::move(text));
        return;
    }
    Paragraphs_.back().Runs.push_back(CurrentRun(std::move(text)));
}

void RichTextTarget::Append(const RichTextTarget& other)
{
    Paragraphs_.insert(Paragraphs_.end(), other.Paragraphs_.begin(), other.Paragraphs_.end());
}

std::vector<std::string> RichTextTarget::Lines() const
{
    std::vector<std::string> lines;
    lines.reserve(Paragraphs_.size());
    for (const RichParagraph& paragraph : Paragraphs_) lines.push_back(paragraph.PlainText());
    return lines;
}

}  // namespace kirvos
