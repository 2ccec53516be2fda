// The report's printf-style formatting of its format strings.
#include <gtest/gtest.h>

#include <string>

#include "report/report_format.h"

namespace kirvos {
namespace {

TEST(FormatText, ConversionsOfTheReportFormats)
{
    struct Case {
        std::string got;
        const char* expected;
    };
    const Case cases[] = {
        {FormatText("%s = %.1f %%", {"Utilisation", 87.25}), "Utilisation = 87.2 %"},  // 87.25 is below .25
        {FormatText("%s %.1s", {"Support", "BCD"}), "Support B"},
        {FormatText("%s %d:", {"Wind load, case", 2}), "Wind load, case 2:"},
        {FormatText("Q1 = %.2f kN/m2, Q2 =%.2f kN/m2", {0.97, -0.2}), "Q1 = 0.97 kN/m2, Q2 =-0.20 kN/m2"},
        {FormatText("%.0f mm", {12659.5}), "12660 mm"},
        {FormatText("\t%s\t \t ", {"Span joint"}), "\tSpan joint\t \t "},
        {FormatText("%s%.0f", {"L/", 300.0}), "L/300"},
        // A value that rounds to zero loses its sign; a small real negative value keeps it.
        {FormatText("M = %.2f kNm", {-0.004}), "M = 0.00 kNm"},
        {FormatText("%.0f", {-0.4}), "0"},
        {FormatText("M = %.2f kNm", {-0.006}), "M = -0.01 kNm"},
        {FormatText("%d", {1.0e30}), "0"},
        // A kind mismatch prints the value it has; missing arguments print nothing.
        {FormatText("%d and %.2f", {2.9, 3}), "2 and 3.00"},
        {FormatText("%s = %s", {"only"}), "only = "},
        // Conversions the program does not use are kept as text.
        {FormatText("100%x %", {}), "100%x %"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected);
}

}  // namespace
}  // namespace kirvos
