#include "records/field_parsing.h"

#include <string>

#include <gtest/gtest.h>

#include "comma_locale.h"

namespace kirvos {
namespace {

struct NumberCase {
    const char* text;
    int status;
    double value;  // expected when status is 0
};

TEST(ParseNumber, ReadsFieldTextsAsUsersAndFilesWriteThem) {
    const NumberCase cases[] = {
        {"6000", 0, 6000.0},
        {"6000,", 0, 6000.0},     // trailing decimal comma
        {"6,5", 0, 6.5},
        {"-0,25", 0, -0.25},
        {" 7", 0, 7.0},           // leading blank skipped
        {"7   ", 0, 7.0},         // trailing blanks removed
        {"\t7", 0, 7.0},
        {"+5", 0, 5.0},
        {"1e3", 0, 1000.0},
        {"2.5E-2", 0, 0.025},
        {".5", 0, 0.5},
        {"7\n", 0, 7.0},          // cut at the first newline
        {"7\nrubbish", 0, 7.0},
        {"1e-400", 0, 0.0},       // underflow reads as zero
        {"1.5x", -1, 0},
        {"", -1, 0},
        {" ", -1, 0},
        {"abc", -1, 0},
        {"2,5,1", -1, 0},         // only the first comma is a decimal point
        {"7 x", -1, 0},
        {"+-5", -1, 0},
        {"--5", -1, 0},
        {"1e", -1, 0},
        {"nan", -1, 0},           // never a number, whatever the range
        {"-nan", -1, 0},
        {"7\r", -1, 0},           // only blanks are trailing padding
        {"1e40", -2, 0},
        {"inf", -2, 0},
        {"-1e400", -2, 0},        // overflow reads as minus infinity
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        double value = -123.0;
        const int status = ParseNumber(c.text, value, -1.0E36, 1.0E36);
        EXPECT_EQ(status, c.status);
        if (c.status == 0) EXPECT_DOUBLE_EQ(value, c.value);
        else EXPECT_EQ(value, -123.0) << "a failed parse must leave the output alone";
    }
}

TEST(ParseNumber, RangeBoundsAreInclusive) {
    double value = 0.0;
    EXPECT_EQ(ParseNumber("0", value, 0.0, 50.0), 0);
    EXPECT_EQ(ParseNumber("50", value, 0.0, 50.0), 0);
    EXPECT_EQ(value, 50.0);
    EXPECT_EQ(ParseNumber("50,0001", value, 0.0, 50.0), -2);
    EXPECT_EQ(ParseNumber("-0,0001", value, 0.0, 50.0), -2);
    EXPECT_EQ(value, 50.0);
}

TEST(ParseNumber, TextsThatDoNotFitTheWorkingBufferAreNotNumbers) {
    // 79 characters still fit: zeros in front of a 1.
    const std::string fits = std::string(78, '0') + "1";
    const std::string tooLong = std::string(79, '0') + "1";
    double value = 0.0;
    EXPECT_EQ(ParseNumber(fits, value, 0.0, 10.0), 0);
    EXPECT_EQ(value, 1.0);
    value = 5.0;
    EXPECT_EQ(ParseNumber(tooLong, value, 0.0, 10.0), -1);
    EXPECT_EQ(value, 5.0);
    EXPECT_EQ(ParseNumber(static_cast<const char*>(nullptr), value, 0.0, 10.0), -1);
}

TEST(ParseNumber, DecimalPointDoesNotDependOnTheLocale) {
    testing::CommaLocale locale;
    if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma installed";
    double value = 0.0;
    EXPECT_EQ(ParseNumber("2.5", value, 0.0, 10.0), 0);
    EXPECT_EQ(value, 2.5);
    EXPECT_EQ(ParseNumber("3,5", value, 0.0, 10.0), 0);
    EXPECT_EQ(value, 3.5);
}

// One text then ten numbers: the layout of a span record.
const int kTextAndTenNumbers[] = {11, kFieldText, kFieldInt, kFieldInt, kFieldInt, kFieldInt, kFieldInt,
                                  kFieldReal, kFieldReal, kFieldReal, kFieldReal, kFieldReal};

TEST(ParseFields, FillsEachKindFromItsOwnStartInLineOrder) {
    const int map[] = {6, kFieldReal, kFieldText, kFieldInt, kFieldReal, kFieldText, kFieldInt};
    std::string texts[2];
    double reals[2] = {};
    int integers[2] = {};
    EXPECT_EQ(ParseFields(';', "1,5;a b ;12.7;-3;;-0.5;ignored;9", map, texts, reals, integers), 0);
    EXPECT_EQ(reals[0], 1.5);
    EXPECT_EQ(reals[1], -3.0);
    EXPECT_EQ(texts[0], "a b ");  // texts are not trimmed
    EXPECT_EQ(texts[1], "");      // an empty text field is allowed
    EXPECT_EQ(integers[0], 12);   // rounded toward minus infinity
    EXPECT_EQ(integers[1], -1);
}

TEST(ParseFields, IntegerFieldsRoundTowardMinusInfinity) {
    const int map[] = {4, kFieldInt, kFieldInt, kFieldInt, kFieldInt};
    int integers[4] = {};
    ASSERT_EQ(ParseFields(';', "2.9;-2.1;2140000000;-2140000000", map, nullptr, nullptr, integers), 0);
    EXPECT_EQ(integers[0], 2);
    EXPECT_EQ(integers[1], -3);
    EXPECT_EQ(integers[2], 2140000000);
    EXPECT_EQ(integers[3], -2140000000);
}

TEST(ParseFields, MissingOrBadFieldsStopWithTheirCodeKeepingWhatWasRead) {
    struct Case {
        const char* line;
        int status;
        int integersRead;
    };
    const Case cases[] = {
        {"Aukko;1;2", -1, 2},                    // the fourth field is missing
        {"Aukko;1;2;;4;5;6;7;8;9;10", -1, 2},    // an empty numeric field
        {"Aukko;1;x;3;4;5;6;7;8;9;10", -2, 1},   // not a number
        {"Aukko;1;3000000000;3;4;5;6;7;8;9;10", -2, 1},  // beyond the integer range
        {"Aukko;1;2;3;4;5;1e40;7;8;9;10", -2, 5},        // beyond the real range
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::string text;
        double reals[5] = {-1, -1, -1, -1, -1};
        int integers[5] = {-1, -1, -1, -1, -1};
        EXPECT_EQ(ParseFields(';', c.line, kTextAndTenNumbers, &text, reals, integers), c.status);
        EXPECT_EQ(text, "Aukko");
        for (int i = 0; i < 5; ++i) EXPECT_EQ(integers[i], i < c.integersRead ? i + 1 : -1) << i;
    }
}

TEST(ParseFields, EmptyLineOrEmptyMapLeavesOutputsAsTheyWere) {
    std::string text = "preset";
    double reals[5] = {4, 4, 4, 4, 4};
    int integers[5] = {3, 3, 3, 3, 3};
    EXPECT_EQ(ParseFields(';', "", kTextAndTenNumbers, &text, reals, integers), 0);
    const int none[] = {0};
    EXPECT_EQ(ParseFields(';', "x;1;2", none, &text, reals, integers), 0);
    EXPECT_EQ(text, "preset");
    EXPECT_EQ(reals[4], 4.0);
    EXPECT_EQ(integers[0], 3);
}

TEST(ParseFields, NewlineEndsAFieldAndALeadingSeparatorGivesAnEmptyText) {
    const int map[] = {3, kFieldText, kFieldText, kFieldReal};
    std::string texts[2];
    double real = 0.0;
    EXPECT_EQ(ParseFields(';', ";B\n2,5", map, texts, &real, nullptr), 0);
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[1], "B");
    EXPECT_EQ(real, 2.5);
    // A vector map that claims more fields than it holds is read only as far as it goes.
    const std::vector<int> shortMap = {5, kFieldText};
    EXPECT_EQ(ParseFields(';', "A;1;2", shortMap, texts, nullptr, nullptr), 0);
    EXPECT_EQ(texts[0], "A");
}

TEST(SplitDigits, DecodesCountThenDigits) {
    struct Case {
        const char* text;
        int n;
        int digits[4];  // digits[1..3]
    };
    const Case cases[] = {
        {"3101", 3, {-7, 1, 0, 1}},
        {"3", 3, {-7, 0, 0, 0}},   // positions past the end read as 0
        {"21", 2, {-7, 1, 0, -7}},
        {"0999", 0, {-7, -7, -7, -7}},
        {"", 0, {-7, -7, -7, -7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int digits[10] = {-7, -7, -7, -7, -7, -7, -7, -7, -7, -7};
        EXPECT_EQ(SplitDigitText(c.text, digits), c.n);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(digits[i], c.digits[i]) << i;
    }
    int digits[10] = {-7, -7, -7, -7, -7, -7, -7, -7, -7, -7};
    EXPECT_EQ(SplitDigitCode(6110011, digits), 6);
    const int expected[10] = {-7, 1, 1, 0, 0, 1, 1, -7, -7, -7};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(digits[i], expected[i]) << i;
    EXPECT_EQ(SplitDigitCode(-5, digits), 0);  // a minus sign is no count
}

TEST(ShortenPath, KeepsHeadAndFileNameAroundTheLastSeparator) {
    struct Case {
        const char* path;
        int max;
        const char* result;
    };
    const Case cases[] = {
        {"/home/ann/projects/roof.ws1", 50, "/home/ann/projects/roof.ws1"},
        {"/home/ann/projects/roof.ws1", 10, "/ho.../roof.ws1"},
        {"/home/ann/projects/roof.ws1", -1, "roof.ws1"},
        {"C:\\Projects\\Hall\\roof.ws1", 50, "C:\\Projects\\Hall\\roof.ws1"},
        {"C:\\Projects\\Hall\\roof.ws1", 10, "C:\\...\\roof.ws1"},
        {"C:\\Projects\\Hall\\roof.ws1", -1, "roof.ws1"},
        {"C:\\Projects/Hall\\roof.ws1", -1, "roof.ws1"},
        {"a_very_long_name_without_folders.ws1", 10, "a_very_long_name_without_folders.ws1"},
        {"roof.ws1", -1, "roof.ws1"},
        {"/home/ann/roof.ws1", 0, "/home/ann/roof.ws1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " / " + std::to_string(c.max));
        std::string path = c.path;
        EXPECT_EQ(&ShortenPath(path, c.max), &path);
        EXPECT_EQ(path, c.result);
    }
}

TEST(ShortenPath, CutsTo255BytesOnACharacterBoundary) {
    std::string ascii = "/" + std::string(300, 'a');
    EXPECT_EQ(ShortenPath(ascii, 0).size(), 255u);
    // "ä" is two bytes; a cut after byte 255 would split the 127th of them.
    std::string path = "x/";
    for (int i = 0; i < 200; ++i) path += "\xC3\xA4";
    ShortenPath(path, 0);
    EXPECT_EQ(path.size(), 254u);
    EXPECT_EQ(path.substr(path.size() - 2), "\xC3\xA4");
}

}  // namespace
}  // namespace kirvos
