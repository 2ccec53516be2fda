#pragma once
// A small JSON writer for the command line's machine-readable output: commas and nesting are tracked,
// strings are escaped, numbers are written with "." and enough digits to read back the same double
// (NaN and infinities, which JSON cannot hold, are written as null).

#include <string>
#include <string_view>
#include <vector>

namespace kirvos {

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Object member name; the value call that follows writes its value.
    JsonWriter& Key(std::string_view name);
    void Number(double value);
    void Integer(long long value);
    void String(std::string_view value);
    void Numbers(const double* values, int count);  // an array of numbers

    const std::string& Text() const { return text_; }

private:
    void BeforeValue();

    std::string text_;
    std::vector<bool> first_;  // per open container: no element written yet
    bool afterKey_ = false;
};

// JSON string literal of value (with quotes): ", \ and control characters escaped; UTF-8 kept.
std::string JsonQuote(std::string_view value);
// Shortest text that reads back as the same double, "." as decimal separator; "null" when not finite.
std::string JsonNumber(double value);

}  // namespace kirvos
