#pragma once
// Free functions every table, data file and input field relies on: cutting a separated record
// line into typed fields, reading one number with a range check, decoding digit flag codes and
// shortening a file path for display. No state.

#include <string>
#include <string_view>
#include <vector>

namespace kirvos {

// Field kinds used in a field type map. A type map is an int array: element 0 holds the number of
// fields N, elements 1..N the kind of each field in line order.
inline constexpr int kFieldText = 1;
inline constexpr int kFieldReal = 2;
inline constexpr int kFieldInt = 3;

// Fixed ranges applied by ParseFields (inclusive).
inline constexpr double kRealFieldMin = -1.0E36;
inline constexpr double kRealFieldMax = 1.0E36;
inline constexpr double kIntFieldMin = -2140000000.0;
inline constexpr double kIntFieldMax = 2140000000.0;

// Reads one number from a field text: a decimal comma is accepted ("2,5" is 2.5), leading white
// space and trailing blanks are ignored, exponent notation is accepted, independent of the locale.
// Returns 0 and stores the value; -1 when the text is not a number (also for texts of 80 or more
// characters and for NaN); -2 when the value lies outside [min, max]. On failure value is untouched.
//   double v; if (ParseNumber(edit, v, 0.0, 50.0) == 0) ...
int ParseNumber(std::string_view text, double& value, double min, double max);
int ParseNumber(const char* text, double& value, double min, double max);  // null text: -1

// Cuts line into fields at separator (every caller passes ';'), newline or end of line and stores
// them by kind: texts into texts[0..], reals into reals[0..], integers (rounded toward minus
// infinity) into integers[0..], each kind from its own start. Output arrays may be null when the map
// holds no field of that kind. An empty line or N = 0 returns 0 at once without touching the
// outputs. Returns 0; -1 when a numeric field is missing or empty; -2 when a numeric field is not a
// number or outside its fixed range. Values stored before a failing field stay stored.
//   int map[] = {3, kFieldText, kFieldInt, kFieldReal};
//   std::string t[1]; double r[1]; int i[1];
//   ParseFields(';', "Tuki;2;50", map, t, r, i);
int ParseFields(char separator, std::string_view line, const int* typeMap, std::string* texts,
                double* reals, int* integers);
int ParseFields(char separator, std::string_view line, const std::vector<int>& typeMap,
                std::string* texts, double* reals, int* integers);

// Decodes a digit code text: the first character is the count n (capped at 9), the next n
// characters are single digits stored in digits[1..n]; a position past the end reads as 0.
// digits[0] is not touched, so digits must hold at least n + 1 (at most 10) entries. Returns n
// (0 for an empty text; a non-digit character reads as 0).
//   int d[10]; SplitDigitText("3101", d);   // n = 3, d[1..3] = 1, 0, 1
int SplitDigitText(std::string_view text, int* digits);
// The same for an integer code, formatted with "%d" first.
int SplitDigitCode(int code, int* digits);

// Shortens path in place for display and returns it. maxLength -1: keep only the file name after
// the last separator. maxLength > 0 and a longer path: first three characters, "...", the last
// separator and what follows ("/home/ann/roof.ws1" with 10 gives "/ho.../roof.ws1"); a path without
// a separator stays. "/" and "\" both count as separators. The result is cut to 255 characters.
std::string& ShortenPath(std::string& path, int maxLength);

}  // namespace kirvos
