#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace kirvos {

// One value handed to FormatText: a text, an integer or a real.
using FormatArg = std::variant<std::string_view, long long, double>;

// printf-style formatting of the report's format strings with "." as the decimal separator whatever
// the locale. Understands %s, %.Ns, %d, %f with a precision (%.2f, %.0f) and %%; a conversion whose
// argument is missing or of another kind prints what the argument holds, never reads past the list.
//   FormatText("%s = %.1f %%", {"Utilisation", 87.25}) -> "Utilisation = 87.3 %"
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);

}  // namespace kirvos
