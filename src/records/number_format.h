#pragma once
// Numbers written into files and texts always use "." as the decimal separator, whatever the
// user's locale: these helpers never consult the global locale.

#include <string>

namespace kirvos {

// Appends value as printf's "%.*f" with decimals digits (decimals >= 0) or as "%E" (decimals < 0).
void AppendReal(std::string& out, double value, int decimals);
// Appends value as "%d".
void AppendInt(std::string& out, long long value);
// The same as new strings.
std::string FormatReal(double value, int decimals);
std::string FormatInt(long long value);

}  // namespace kirvos
