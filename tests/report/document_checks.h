#pragma once
// Structural checks of serialised report documents shared by the report tests.

#include <cctype>
#include <regex>
#include <string>
#include <vector>

namespace kirvos::report_test {

// Whether the RTF's { and } group delimiters (not the escaped \{ and \}) balance and never close
// more than was opened.
inline bool GroupsBalanced(const std::string& rtf)
{
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // the escaped character or the first letter of a control word
            continue;
        }
        if (rtf[i] == '{') ++depth;
        if (rtf[i] == '}' && --depth < 0) return false;
    }
    return depth == 0;
}

// Whether every HTML element opened is closed in order (meta is a void element).
inline bool TagsBalanced(const std::string& html)
{
    std::vector<std::string> open;
    const std::regex tag(R"(<(/?)([a-zA-Z0-9]+)[^>]*>)");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), tag); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[2];
        if (name == "meta") continue;
        if ((*it)[1] == "/") {
            if (open.empty() || open.back() != name) return false;
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    return open.empty();
}

inline std::size_t CountMatches(const std::string& text, const std::regex& pattern)
{
    return static_cast<std::size_t>(
        std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()));
}

// Paragraph ends of an RTF document: \par not followed by a letter (\pard is another word).
inline std::size_t RtfParagraphs(const std::string& rtf)
{
    std::size_t count = 0;
    for (std::size_t at = rtf.find("\\par"); at != std::string::npos; at = rtf.find("\\par", at + 4)) {
        const std::size_t next = at + 4;
        if (next >= rtf.size() || !std::isalpha(static_cast<unsigned char>(rtf[next]))) ++count;
    }
    return count;
}

}  // namespace kirvos::report_test
