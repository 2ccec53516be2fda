#include <string>

#include "report/rich_text_writers.h"

namespace kirvos {

namespace {

bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }

}  // namespace

std::string ToPlainText(const RichTextTarget& document, bool expandTabs, double pointsPerCharacter)
{
    std::string out;
    for (const RichParagraph& paragraph : document.Paragraphs()) {
        const std::string text = paragraph.PlainText();
        if (!expandTabs || pointsPerCharacter <= 0.0) {
            out += text + '\n';
            continue;
        }
        std::string line;
        std::size_t column = 0;  // characters written so far on this line
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c != '\t') {
                line += c;
                if (StartsCharacter(c)) ++column;
                continue;
            }
            // The next stop strictly right of the current position, then 36 pt defaults.
            std::size_t target = 0;
            for (double stop : paragraph.TabStops) {
                const auto stopColumn = static_cast<std::size_t>(stop / pointsPerCharacter + 0.5);
                if (stopColumn > column) {
                    target = stopColumn;
                    break;
                }
            }
            if (target == 0) {
                const auto step = static_cast<std::size_t>(36.0 / pointsPerCharacter + 0.5);
                target = (column / (step ? step : 1) + 1) * (step ? step : 1);
            }
            line.append(target - column, ' ');
            column = target;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + '\n';
    }
    return out;
}

}  // namespace kirvos
