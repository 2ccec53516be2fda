#include "report/utf8_codepoints.h"

namespace kirvos {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0u) == 0x80u; }

}  // namespace

std::vector<char32_t> DecodeUtf8(std::string_view text)
{
    std::vector<char32_t> points;
    points.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t point = 0;
        char32_t minimum = 0;
        if (lead < 0x80u) {
            points.push_back(lead);
            ++i;
            continue;
        }
        if ((lead & 0xE0u) == 0xC0u) {
            length = 2, point = lead & 0x1Fu, minimum = 0x80;
        } else if ((lead & 0xF0u) == 0xE0u) {
            length = 3, point = lead & 0x0Fu, minimum = 0x800;
        } else if ((lead & 0xF8u) == 0xF0u) {
            length = 4, point = lead & 0x07u, minimum = 0x10000;
        }
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            valid = IsContinuation(byte);
            point = (point << 6) | (byte & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        if (valid && (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)))
            valid = false;
        if (valid) {
            points.push_back(point);
            i += length;
        } else {
            points.push_back(kReplacement);
            ++i;
        }
    }
    return points;
}

}  // namespace kirvos
