#include "app/cli_json.h"

#include <charconv>  // std::to_chars
#include <cmath>     // std::isfinite
#include <cstdio>    // std::snprintf

namespace kirvos {

namespace {

// Length of the well-formed UTF-8 sequence starting at value[i], 0 when the bytes there are not one
// (a stray continuation byte, an overlong form, a surrogate, a cut-off sequence).
std::size_t Utf8SequenceLength(std::string_view value, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(value[i]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > value.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(value[i + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return 0;
    }
    return length;
}

}  // namespace

std::string JsonQuote(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char ch = value[i];
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            // Texts from input files (rejected lines in the messages) may be in another encoding; JSON
            // must be UTF-8, so a byte that does not start a valid sequence becomes U+FFFD.
            const std::size_t length = Utf8SequenceLength(value, i);
            if (length == 0) {
                out += "\xEF\xBF\xBD";  // U+FFFD in UTF-8
            } else {
                out.append(value.substr(i, length));
                i += length - 1;
            }
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
    return out;
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    if (value == 0.0) return "0";  // also for -0
    char buffer[32];
    // to_chars is independent of the locale and gives the shortest round-trip form.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) text_ += ", ";
        first_.back() = false;
    }
}

void JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    first_.push_back(true);
}

void JsonWriter::EndObject() {
    first_.pop_back();
    text_ += '}';
}

void JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    first_.push_back(true);
}

void JsonWriter::EndArray() {
    first_.pop_back();
    text_ += ']';
}

JsonWriter& JsonWriter::Key(std::string_view name) {
    BeforeValue();
    text_ += JsonQuote(name);
    text_ += ": ";
    afterKey_ = true;
    return *this;
}

void JsonWriter::Number(double value) {
    BeforeValue();
    text_ += JsonNumber(value);
}

void JsonWriter::Integer(long long value) {
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    text_ += JsonQuote(value);
}

void JsonWriter::Numbers(const double* values, int count) {
    BeginArray();
    for (int i = 0; i < count; ++i) Number(values[i]);
    EndArray();
}

}  // namespace kirvos
