#pragma once

#include <string>

#include "report/rich_text_target.h"

namespace kirvos {

// A complete RTF 1.x document (font table, colour table, A4 page, tab stops in twips, one \par per
// paragraph). Non-ASCII characters are written as \uN escapes with a Windows-1252 fallback byte.
std::string ToRtf(const RichTextTarget& document);

// A complete, well-formed HTML5 document in UTF-8. Each paragraph is one line; its tab columns are
// inline blocks whose widths follow the paragraph's tab stops, so the columns line up as in print.
std::string ToHtml(const RichTextTarget& document, const std::string& title);

// Plain text, one line per paragraph, LF line ends. With expandTabs each tab is replaced by spaces up to
// the paragraph's next tab stop, counting pointsPerCharacter points per character; otherwise tabs stay.
std::string ToPlainText(const RichTextTarget& document, bool expandTabs = false,
                        double pointsPerCharacter = 6.0);

}  // namespace kirvos
