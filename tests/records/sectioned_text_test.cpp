#include "records/sectioned_text.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace kirvos {
namespace {

using testing::TempFolder;

TEST(CSVTiedosto, AddressesLinesByGroupAndNumber) {
    CSVTiedosto text;
    text.Assign({"[ ==== 1 ==== ]", "A", "B"});
    EXPECT_EQ(text.GroupCount(), 1);
    EXPECT_EQ(text.LineCount(1), 2);
    EXPECT_STREQ(text.Line(1, 1), "A");
    EXPECT_STREQ(text.Line(1, 2), "B");
    EXPECT_STREQ(text.Line(1, 3), "NO TEXT");
    EXPECT_STREQ(text.Line(1, 0), "[ ==== 1 ==== ]");  // n is not bounded below by the group
    EXPECT_STREQ(text.Line(0, 1), "[ ==== 1 ==== ]");
    EXPECT_STREQ(text.Line(-4, 3), "B");
    EXPECT_STREQ(text.Line(0, 0), "NO TEXT");
    EXPECT_STREQ(text.Line(2, 1), "NO TEXT");
    EXPECT_EQ(text.LineCount(2), 0);
    EXPECT_TRUE(text.HasGroup(1));
    EXPECT_FALSE(text.HasGroup(2));
}

TEST(CSVTiedosto, LineIsNotBoundedByTheGroupSoItReachesTheNextOne) {
    CSVTiedosto text;
    text.Assign({"before", "[ ==== 3 ==== ]", "x", "[ ==== 4 ==== ]", "y"});
    EXPECT_STREQ(text.Line(3, 2), "[ ==== 4 ==== ]");
    EXPECT_STREQ(text.Line(3, 3), "y");
    // Lines before the first header belong to no group and are reached only through group 0.
    EXPECT_STREQ(text.Line(0, 1), "before");
    EXPECT_EQ(text.LineCount(3), 1);
    EXPECT_EQ(text.LineCount(0), 0);
}

TEST(CSVTiedosto, HeaderNumbersAndRepeatedGroups) {
    CSVTiedosto text;
    text.Assign({"[ ==== 7 ==== ]", "a", "[ ==== 12abc", "b", "[ ==== 7 ==== ]", "c", "d",
                 "[ ====  -2 ==== ]", "neg", "[ ==== x ==== ]", "zero", "[ ===", "not a header"});
    EXPECT_EQ(text.GroupCount(), 5);
    EXPECT_EQ(text.LineCount(7), 2) << "the later group of a repeated number wins";
    EXPECT_STREQ(text.Line(7, 1), "c");
    EXPECT_EQ(text.LineCount(12), 1);
    EXPECT_TRUE(text.HasGroup(-2));
    EXPECT_EQ(text.LineCount(-2), 0) << "a negative group collects no lines";
    EXPECT_EQ(text.LineCount(0), 3) << "no digits reads as group 0";
}

TEST(CSVTiedosto, AppendLineInsertsAtTheEndOfItsGroup) {
    CSVTiedosto text;
    text.Assign({"[ ==== 1 ==== ]", "a", "[ ==== 2 ==== ]", "b"});
    text.AppendLine(1, "x");
    EXPECT_EQ(text.Lines(), (std::vector<std::string>{"[ ==== 1 ==== ]", "a", "x", "[ ==== 2 ==== ]", "b"}));
    text.AppendLine(5, "y");
    EXPECT_EQ(text.Lines().back(), "y");
    EXPECT_EQ(text.Lines()[text.TotalLines() - 2], "[ ==== 5 ==== ]");
    // The index follows every change.
    EXPECT_EQ(text.LineCount(1), 2);
    EXPECT_STREQ(text.Line(2, 1), "b");
    EXPECT_STREQ(text.Line(5, 1), "y");
    text.AppendLine(2, "[ ==== 9 ==== ]");
    EXPECT_TRUE(text.HasGroup(9));
    EXPECT_EQ(text.LineCount(2), 1);
}

TEST(CSVTiedosto, WritingGroupByGroupMatchesAFullReindex) {
    CSVTiedosto written;
    for (int pass = 0; pass < 3; ++pass) {
        for (int group = 101; group <= 105; ++group) {
            written.AppendLine(group, std::to_string(group) + "/" + std::to_string(pass));
        }
    }
    CSVTiedosto reread;
    reread.Assign(written.Lines());
    for (int group = 101; group <= 105; ++group) {
        EXPECT_EQ(written.LineCount(group), 3);
        for (int n = 0; n <= 4; ++n) EXPECT_STREQ(written.Line(group, n), reread.Line(group, n));
    }
    EXPECT_STREQ(written.Line(103, 3), "103/2");
}

TEST(CSVTiedosto, AddGroupAndClearGroup) {
    CSVTiedosto text;
    EXPECT_EQ(text.AddGroup(3), 0);
    EXPECT_EQ(text.AddGroup(3), -1);
    EXPECT_EQ(text.TotalLines(), 1);
    text.AppendLine(3, "a");
    text.AppendLine(3, "b");
    text.AppendLine(4, "c");
    text.ClearGroup(3, 0);
    EXPECT_EQ(text.Lines(), (std::vector<std::string>{"[ ==== 3 ==== ]", "[ ==== 4 ==== ]", "c"}));
    text.ClearGroup(4, 1);
    EXPECT_EQ(text.Lines(), (std::vector<std::string>{"[ ==== 3 ==== ]"}));
    text.ClearGroup(8, 1);  // missing group: nothing happens
    text.ClearGroup(3, 0);
    EXPECT_EQ(text.TotalLines(), 1);
    text.ClearGroup(3, 1);
    EXPECT_EQ(text.TotalLines(), 0);
    EXPECT_FALSE(text.HasGroup(3));
}

TEST(CSVTiedosto, LineCopiesIntoBuffersOnlyWhenTheLineExists) {
    CSVTiedosto text;
    text.Assign({"[ ==== 1 ==== ]", "a fairly long line"});
    std::string buffer = "keep";
    EXPECT_STREQ(text.Line(1, 2, buffer), "NO TEXT");
    EXPECT_EQ(buffer, "keep");
    text.Line(1, 1, buffer);
    EXPECT_EQ(buffer, "a fairly long line");
    char small[8] = "keep";
    EXPECT_STREQ(text.Line(1, 1, small, sizeof small), "a fairly long line");
    EXPECT_STREQ(small, "a fairl") << "copies at most the buffer's size";
    char untouched[8] = "keep";
    text.Line(1, 5, untouched, sizeof untouched);
    EXPECT_STREQ(untouched, "keep");
}

TEST(CSVTiedosto, ClearKeepsTheFileName) {
    TempFolder folder;
    const std::string file = folder.Write("p.ws1", "[ ==== 1 ==== ]\r\nKIRVOS\r\n");
    CSVTiedosto text;
    ASSERT_EQ(text.LoadFile(file), 0);
    text.Clear();
    EXPECT_EQ(text.TotalLines(), 0);
    EXPECT_EQ(text.GroupCount(), 0);
    EXPECT_EQ(text.FileName(), file);
    EXPECT_STREQ(text.Line(1, 1), "NO TEXT");
}

TEST(CSVTiedosto, LoadsLfOrCrlfAndSavesWithLf) {
    TempFolder folder;
    const std::string file = folder.Write("p.ws1", "[ ==== 1 ==== ]\r\nKIRVOS\r\nkattö\n\n[ ==== 2 ==== ]\nlast");
    CSVTiedosto text;
    EXPECT_EQ(text.LoadFile(file), 0);
    EXPECT_EQ(text.FileName(), file);
    EXPECT_EQ(text.LineCount(1), 3);
    EXPECT_STREQ(text.Line(1, 2), "kattö");
    EXPECT_STREQ(text.Line(1, 3), "");
    EXPECT_STREQ(text.Line(2, 1), "last");

    const std::string copy = folder.File("copy.ws1");
    EXPECT_EQ(text.SaveFile(copy), 0);
    EXPECT_EQ(text.FileName(), copy);
    EXPECT_EQ(TempFolder::Read(copy), "[ ==== 1 ==== ]\nKIRVOS\nkattö\n\n[ ==== 2 ==== ]\nlast\n");

    EXPECT_EQ(text.LoadFile(folder.File("missing.ws1")), -1);
    EXPECT_EQ(text.FileName(), copy) << "a missing file changes nothing";
    EXPECT_EQ(text.LineCount(1), 3);
}

TEST(CSVTiedosto, SaveFileNeedsANameAndReportsAFailedWrite) {
    TempFolder folder;
    CSVTiedosto text;
    text.AppendLine(1, "x");
    EXPECT_EQ(text.SaveFile(), 0) << "no name: nothing written";
    EXPECT_EQ(text.SaveFile("a"), 0) << "a one-character name: nothing written";
    EXPECT_FALSE(std::filesystem::exists("a"));
    EXPECT_EQ(text.SaveFile(folder.File("no/such/folder/p.ws1")), -1);
    const std::string file = folder.File("p.ws1");
    EXPECT_EQ(text.SaveFile(file), 0);
    EXPECT_EQ(TempFolder::Read(file), "[ ==== 1 ==== ]\nx\n");
}

}  // namespace
}  // namespace kirvos
