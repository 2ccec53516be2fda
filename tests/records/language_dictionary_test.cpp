#include "records/language_dictionary.h"

#include <string>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace kirvos {
namespace {

using testing::TempFolder;

TEST(KieliSanasto, EveryLookupIsNoTextBeforeLoading) {
    KieliSanasto texts;
    EXPECT_STREQ(texts.Text(111, 1), "NO TEXT");
    EXPECT_STREQ(texts.Text(0, 1), "NO TEXT");
    EXPECT_STREQ(texts.ReportText(1, 1), "NO TEXT");
    EXPECT_EQ(texts.TextCount(111), 0);
    EXPECT_FALSE(texts.HasReportGroup(1));
}

TEST(KieliSanasto, TextsComeOnlyFromTheirOwnGroup) {
    KieliSanasto texts;
    texts.AssignTexts({"[ ==== 7 ==== ]", "one", "two", "three", "[ ==== 8 ==== ]", "next"});
    EXPECT_STREQ(texts.Text(7, 3), "three");
    EXPECT_STREQ(texts.Text(7, 4), "NO TEXT") << "never the neighbouring group";
    EXPECT_STREQ(texts.Text(7, 0), "NO TEXT");
    EXPECT_STREQ(texts.Text(7, -1), "NO TEXT");
    EXPECT_STREQ(texts.Text(0, 1), "[ ==== 7 ==== ]");
    EXPECT_STREQ(texts.Text(-1, 6), "next");
    EXPECT_STREQ(texts.Text(0, 7), "NO TEXT");
    EXPECT_EQ(texts.TextCount(7), 3);
    EXPECT_EQ(texts.TextCount(9), 0);
}

TEST(KieliSanasto, RepeatedGroupsServeTheLastOneThatHoldsTheText) {
    struct Case {
        int firstCount, secondCount, n;
        const char* expected;
    };
    const Case cases[] = {
        {2, 4, 2, "second 2"},
        {2, 4, 3, "second 3"},
        {4, 2, 3, "first 3"},
        {4, 2, 2, "second 2"},
        {4, 2, 5, "NO TEXT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.firstCount) + "," + std::to_string(c.secondCount) + " n=" +
                     std::to_string(c.n));
        std::vector<std::string> lines = {"[ ==== 5 ==== ]"};
        for (int i = 1; i <= c.firstCount; ++i) lines.push_back("first " + std::to_string(i));
        lines.push_back("[ ==== 5 ==== ]");
        for (int i = 1; i <= c.secondCount; ++i) lines.push_back("second " + std::to_string(i));
        KieliSanasto texts;
        texts.AssignReportTexts(lines);
        EXPECT_STREQ(texts.ReportText(5, c.n), c.expected);
        EXPECT_EQ(texts.ReportTextCount(5), c.secondCount);
    }
}

TEST(KieliSanasto, NegativeGroupsCollectTheirTexts) {
    KieliSanasto texts;
    texts.AssignTexts({"loose", "[ ==== -3 ==== ]", "minus"});
    EXPECT_EQ(texts.TextCount(-3), 1);
    EXPECT_STREQ(texts.Text(0, 1), "loose");
}

TEST(KieliSanasto, BuffersAreFilledOnlyForExistingTexts) {
    KieliSanasto texts;
    texts.AssignTexts({"[ ==== 111 ==== ]", "Virhe"});
    std::string buffer = "keep";
    EXPECT_STREQ(texts.Text(111, 2, buffer), "NO TEXT");
    EXPECT_EQ(buffer, "keep");
    EXPECT_STREQ(texts.Text(111, 1, buffer), "Virhe");
    EXPECT_EQ(buffer, "Virhe");
    char small[4] = "abc";
    texts.Text(111, 1, small, sizeof small);
    EXPECT_STREQ(small, "Vir");
    char untouched[4] = "abc";
    texts.ReportText(111, 1, untouched, sizeof untouched);
    EXPECT_STREQ(untouched, "abc");
}

TEST(KieliSanasto, LoadsBothFilesIndependently) {
    TempFolder folder;
    const std::string ui = folder.Write("lang001.dat", "[ ==== 111 ==== ]\r\nVirhe\r\nJänne\r\n");
    const std::string report = folder.Write("lang101.dat", "[ ==== 1 ==== ]\nRaportti\n");
    KieliSanasto texts;
    EXPECT_EQ(texts.LoadTexts(ui), 0);
    EXPECT_EQ(texts.LoadReportTexts(report), 0);
    EXPECT_STREQ(texts.Text(111, 2), "Jänne");
    EXPECT_STREQ(texts.ReportText(1, 1), "Raportti");
    EXPECT_STREQ(texts.Text(1, 1), "NO TEXT");
    EXPECT_TRUE(texts.HasReportGroup(1));
    EXPECT_FALSE(texts.HasReportGroup(111));

    EXPECT_EQ(texts.LoadTexts(folder.File("lang009.dat")), -1);
    EXPECT_STREQ(texts.Text(111, 1), "Virhe") << "a missing file keeps the old texts";
}

}  // namespace
}  // namespace kirvos
