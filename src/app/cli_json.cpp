#include "app/cli_json.h"

#include <charconv>  // std::to_chars
#include <cmath>     // std::isfinite
#include <cstdio>    // std::snprintf

namespace kirvos {

std::string JsonQuote(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 2);
    out += '"';
    for (const char ch : value) {
        const unsigned char c = static_cast<unsigned char>(ch);
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
