#include "records/number_format.h"

#include <charconv>

namespace kirvos {

void AppendReal(std::string& out, double value, int decimals) {
    // 340 digits before the point cover the largest double; 400 decimals is far past any use.
    char buffer[800];
    std::to_chars_result result;
    if (decimals >= 0) {
        if (decimals > 400) decimals = 400;
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 6);
        for (char* c = buffer; c != result.ptr; ++c) {
            if (*c == 'e') *c = 'E';
            else if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');  // INF, NAN as %E
        }
    }
    out.append(buffer, result.ptr);
}

void AppendInt(std::string& out, long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string FormatReal(double value, int decimals) {
    std::string out;
    AppendReal(out, value, decimals);
    return out;
}

std::string FormatInt(long long value) {
    std::string out;
    AppendInt(out, value);
    return out;
}

}  // namespace kirvos
