#include "records/field_parsing.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kirvos {

namespace {

// Room of the working buffer a number text is read into: 79 characters and the terminator.
constexpr std::size_t kNumberBuffer = 80;

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int ParseNumber(std::string_view text, double& value, double min, double max) {
    if (text.size() >= kNumberBuffer) return -1;
    char work[kNumberBuffer];
    text.copy(work, text.size());
    std::size_t length = text.size();
    // Characters after an embedded zero are not part of the text.
    for (std::size_t i = 0; i < length; ++i) {
        if (work[i] == '\0') { length = i; break; }
    }
    while (length > 1 && work[length - 1] == ' ') --length;
    for (std::size_t i = 0; i < length; ++i) {
        if (work[i] == ',') { work[i] = '.'; break; }
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (work[i] == '\n') { length = i; break; }
    }

    // Locale-free conversion with the conventions of the C library's string-to-double: leading
    // white space skipped, an optional sign, decimal or exponent notation.
    const char* p = work;
    const char* end = work + length;
    while (p < end && IsCSpace(*p)) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = (*p == '-');
        ++p;
        if (p < end && (*p == '+' || *p == '-')) return -1;
    }
    if (p == end) return -1;
    double result = 0.0;
    const auto [rest, error] = std::from_chars(p, end, result, std::chars_format::general);
    if (rest == p) return -1;
    if (error == std::errc::result_out_of_range) {
        // Overflow reads as infinity, underflow as zero, as the C conversion does. Within 79
        // characters only an exponent can leave the double range; its sign tells which way.
        const std::string_view digits(p, static_cast<std::size_t>(rest - p));
        const std::size_t e = digits.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        result = tiny ? 0.0 : HUGE_VAL;
    }
    if (rest != end) return -1;
    if (negative) result = -result;
    // "nan" converts but is no number: it would slip through every range check.
    if (std::isnan(result)) return -1;
    if (result < min || result > max) return -2;
    value = result;
    return 0;
}

int ParseNumber(const char* text, double& value, double min, double max) {
    if (!text) return -1;
    return ParseNumber(std::string_view(text), value, min, max);
}

int ParseFields(char separator, std::string_view line, const int* typeMap, std::string* texts,
                double* reals, int* integers) {
    if (!typeMap) return 0;
    const int fields = typeMap[0];
    if (line.empty() || fields <= 0) return 0;

    std::size_t p = 0;
    int textIndex = 0, realIndex = 0, intIndex = 0;
    for (int k = 1; k <= fields; ++k) {
        std::string_view field;
        if (p < line.size()) {
            std::size_t stop = p;
            while (stop < line.size() && line[stop] != separator && line[stop] != '\n') ++stop;
            field = line.substr(p, stop - p);
            p = stop + 1;
        }
        const int kind = typeMap[k];
        if (kind == kFieldText) {
            if (texts) texts[textIndex] = std::string(field);
            ++textIndex;
            continue;
        }
        if (kind != kFieldReal && kind != kFieldInt) continue;
        if (field.empty()) return -1;
        double number = 0.0;
        if (kind == kFieldReal) {
            if (ParseNumber(field, number, kRealFieldMin, kRealFieldMax) != 0) return -2;
            if (reals) reals[realIndex] = number;
            ++realIndex;
        } else {
            if (ParseNumber(field, number, kIntFieldMin, kIntFieldMax) != 0) return -2;
            if (integers) integers[intIndex] = static_cast<int>(std::floor(number));
            ++intIndex;
        }
    }
    return 0;
}

int ParseFields(char separator, std::string_view line, const std::vector<int>& typeMap,
                std::string* texts, double* reals, int* integers) {
    if (typeMap.empty()) return 0;
    // A map whose count claims more fields than it holds is read only as far as it goes.
    if (typeMap[0] >= static_cast<int>(typeMap.size())) {
        std::vector<int> bounded(typeMap);
        bounded[0] = static_cast<int>(typeMap.size()) - 1;
        return ParseFields(separator, line, bounded.data(), texts, reals, integers);
    }
    return ParseFields(separator, line, typeMap.data(), texts, reals, integers);
}

int SplitDigitText(std::string_view text, int* digits) {
    auto digitAt = [&](std::size_t i) -> int {
        if (i >= text.size()) return 0;
        const char c = text[i];
        return (c >= '0' && c <= '9') ? c - '0' : 0;
    };
    int n = digitAt(0);
    if (n > 9) n = 9;
    for (int i = 1; i <= n; ++i) digits[i] = digitAt(static_cast<std::size_t>(i));
    return n;
}

int SplitDigitCode(int code, int* digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", code);
    return SplitDigitText(text, digits);
}

std::string& ShortenPath(std::string& path, int maxLength) {
    const std::size_t lastSeparator = path.find_last_of("/\\");
    if (lastSeparator != std::string::npos) {
        if (maxLength == -1) {
            path.erase(0, lastSeparator + 1);
        } else if (maxLength > 0 && path.size() > static_cast<std::size_t>(maxLength)) {
            path = path.substr(0, 3) + "..." + path.substr(lastSeparator);
        }
    }
    if (path.size() > 255) {
        // Cut on a character boundary so a UTF-8 name is not left with half a character.
        std::size_t cut = 255;
        while (cut > 0 && (static_cast<unsigned char>(path[cut]) & 0xC0) == 0x80) --cut;
        path.resize(cut);
    }
    return path;
}

}  // namespace kirvos
