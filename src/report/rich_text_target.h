#pragma once

#include <string>
#include <vector>

namespace kirvos {

// The three text colours a report section uses.
enum class TextColour { Black, Navy, Red };

// One stretch of text with a single style inside a paragraph. Tab characters in the text move to the
// paragraph's next tab stop.
struct RichRun {
    std::string Text;  // UTF-8
    bool Bold = false;
    bool Underline = false;
    TextColour Colour = TextColour::Black;

    bool operator==(const RichRun&) const = default;
};

// One line of a report section.
struct RichParagraph {
    std::vector<double> TabStops;  // points from the left edge of the text, ascending
    std::vector<RichRun> Runs;

    std::string PlainText() const;
    bool operator==(const RichParagraph&) const = default;
};

// The rich-text document one report section is written into: a list of paragraphs, each carrying the
// tab stops, font style and colour that were current when it was appended. The serialisers (RTF, HTML,
// plain text) read it; nothing here knows about the project.
class RichTextTarget {
public:
    // Empties the document and resets tab stops, style and colour.
    void Clear();

    // Tab stops in points for the paragraphs appended from now on.
    void SetTabStops(std::vector<double> pointsFromLeft);
    const std::vector<double>& TabStops() const { return TabStops_; }

    // Appends one paragraph of UTF-8 text in the current style and colour.
    void AddLine(std::string text);
    // Appends a run in the current style and colour to the last paragraph (a new one when empty).
    void AppendRun(std::string text);

    bool Bold() const { return Bold_; }
    bool Underline() const { return Underline_; }
    TextColour Colour() const { return Colour_; }
    void SetBold(bool on) { Bold_ = on; }
    void SetUnderline(bool on) { Underline_ = on; }
    void SetColour(TextColour colour) { Colour_ = colour; }

    // Appends every paragraph of another document, each with its own tab stops (a report joins its
    // sections this way).
    void Append(const RichTextTarget& other);

    const std::vector<RichParagraph>& Paragraphs() const { return Paragraphs_; }
    std::size_t LineCount() const { return Paragraphs_.size(); }
    bool Empty() const { return Paragraphs_.empty(); }
    // The text of every paragraph, one string per line, tabs kept.
    std::vector<std::string> Lines() const;

private:
    RichRun CurrentRun(std::string text) const;

    std::vector<RichParagraph> Paragraphs_;
    std::vector<double> TabStops_;
    bool Bold_ = false;
    bool Underline_ = false;
    TextColour Colour_ = TextColour::Black;
};

}  // namespace kirvos
