#include "report/report_format.h"

#include <cctype>
#include <vector>

#include "records/number_format.h"

namespace kirvos {

namespace {

// A value that rounds to zero at the printed precision is printed without its sign: a designer
// reads "M = -0.00 kNm" as a hogging moment where there is none.
void AppendRounded(std::string& out, double value, int precision)
{
    const std::size_t start = out.size();
    AppendReal(out, value, precision);
    if (start < out.size() && out[start] == '-' &&
        out.find_first_not_of("0.", start + 1) == std::string::npos)
        out.erase(start, 1);
}

void AppendValue(std::string& out, const FormatArg& arg, char conversion, int precision)
{
    if (const auto* text = std::get_if<std::string_view>(&arg)) {
        std::string_view shown = *text;
        if (conversion == 's' && precision >= 0 && static_cast<std::size_t>(precision) < shown.size())
            shown = shown.substr(0, static_cast<std::size_t>(precision));
        out += shown;
    } else if (const auto* integer = std::get_if<long long>(&arg)) {
        if (conversion == 'f')
            AppendReal(out, static_cast<double>(*integer), precision < 0 ? 6 : precision);
        else
            AppendInt(out, *integer);
    } else if (const auto* real = std::get_if<double>(&arg)) {
        if (conversion == 'd')
            AppendInt(out, *real > -9.0e18 && *real < 9.0e18 ? static_cast<long long>(*real) : 0LL);
        else
            AppendRounded(out, *real, precision < 0 ? 6 : precision);
    }
}

}  // namespace

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    out.reserve(format.size() + 16);
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t j = i + 1;
        if (j < format.size() && format[j] == '%') {
            out += '%';
            i = j;
            continue;
        }
        int precision = -1;
        if (j < format.size() && format[j] == '.') {
            precision = 0;
            ++j;
            while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
                precision = precision * 10 + (format[j++] - '0');
        }
        if (j >= format.size() || (format[j] != 's' && format[j] != 'd' && format[j] != 'f')) {
            // Not a conversion this program uses: keep it literally.
            out.append(format.substr(i, j - i));
            i = j - 1;
            continue;
        }
        if (next != args.end()) AppendValue(out, *next++, format[j], precision);
        i = j;
    }
    return out;
}

}  // namespace kirvos
