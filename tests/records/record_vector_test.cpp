#include "records/record_vector.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "comma_locale.h"
#include "temp_folder.h"

namespace kirvos {
namespace {

using testing::TempFolder;

// The shape of a span or support record: one text, five integers, five reals.
class SpanTable : public DOFvektori {
public:
    explicit SpanTable(int capacity = 20, int increment = 20) : DOFvektori(capacity, increment) {
        DefineFields(1, 5, 5);
    }
};

// Keeps its records ascending by the first real, equal values in arrival order.
class SortedTable : public DOFvektori {
public:
    SortedTable() : DOFvektori(20, 20) { DefineFields(1, 0, 1); }
    int InsertPosition(const DOFalkio& record) const override {
        int i = 0;
        while (i < Count() && Real(i, 0) <= record.Real(0)) ++i;
        return i;
    }
};

// A subclass whose ordering answers with a position out of the table.
class WildTable : public DOFvektori {
public:
    WildTable() : DOFvektori(20, 20) { DefineFields(0, 1, 0); }
    int InsertPosition(const DOFalkio& record) const override { return record.Int(0); }
};

TEST(DOFvektori, ReadLineAndWriteLineRoundTripARecordLine) {
    SpanTable table;
    EXPECT_EQ(table.ReadLine("Tuki;0;0;0;0;0;50;0;0;0;0"), 1);
    ASSERT_EQ(table.Count(), 1);
    EXPECT_STREQ(table.Text(0, 0), "Tuki");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(table.Int(0, i), 0);
    EXPECT_EQ(table.Real(0, 0), 50.0);
    EXPECT_EQ(table.Real(0, 4), 0.0);

    std::string line;
    const int needed = table.WriteLine(0, &line);
    EXPECT_EQ(line, "Tuki;0;0;0;0;0;50.000;0.000;0.000;0.000;0.000");
    // Sum over fields of (field length + 2): 4 + 5 * 1 + 6 + 4 * 5, plus 2 per field.
    EXPECT_EQ(needed, 4 + 5 + 6 + 4 * 5 + 2 * 11);
    EXPECT_EQ(table.WriteLine(0, nullptr), needed);
    EXPECT_EQ(table.WriteLine(1, &line), 0);
    EXPECT_EQ(table.Line(0), "Tuki;0;0;0;0;0;50.000;0.000;0.000;0.000;0.000");
}

TEST(DOFvektori, ReadLineOfEmptyLineAddsEmptyRecordAndBadLineAddsNothing) {
    SpanTable table;
    EXPECT_EQ(table.ReadLine(""), 1);
    ASSERT_EQ(table.Count(), 1);
    ASSERT_NE(table.Text(0, 0), nullptr);
    EXPECT_STREQ(table.Text(0, 0), "");
    EXPECT_EQ(table.Real(0, 2), 0.0);
    EXPECT_EQ(table.ReadLine("A;1;2"), -1);
    EXPECT_EQ(table.ReadLine("A;1;x;0;0;0;0;0;0;0;0"), -2);
    EXPECT_EQ(table.Count(), 1);
}

TEST(DOFvektori, MissingTextIsWrittenAsQuestionMarkAndRealsFollowTheirDecimals) {
    SpanTable table;
    const int integers[5] = {1, -2, 3, 4, 5};
    const double reals[5] = {1234.5, -0.0004, 2.0 / 3.0, 1e6, 0.5};
    ASSERT_EQ(table.Add(nullptr, reals, integers), 0);
    EXPECT_EQ(table.Text(0, 0), nullptr);
    EXPECT_EQ(table.Line(0), "?;1;-2;3;4;5;1234.500;-0.000;0.667;1000000.000;0.500");
    table.SetDecimals(0, -1);
    table.SetDecimals(2, 1);
    table.SetDecimals(4, 0);
    EXPECT_EQ(table.Line(0), "?;1;-2;3;4;5;1.234500E+03;-0.000;0.7;1000000.000;0");
}

TEST(DOFvektori, RealsUseADecimalPointWhateverTheLocale) {
    testing::CommaLocale locale;
    if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma installed";
    SpanTable table;
    EXPECT_EQ(table.ReadLine("A;0;0;0;0;0;2.5;0;0;0;0"), 1);
    EXPECT_EQ(table.Line(0), "A;0;0;0;0;0;2.500;0.000;0.000;0.000;0.000");
}

TEST(DOFvektori, AccessorsOutOfRangeReadNullAndZero) {
    SpanTable table;
    const char* texts[] = {"A"};
    const int integers[5] = {7, 7, 7, 7, 7};
    const double reals[5] = {9, 9, 9, 9, 9};
    table.Add(texts, reals, integers);
    EXPECT_EQ(table.Text(0, 1), nullptr);  // beyond the one text field
    EXPECT_EQ(table.Text(1, 0), nullptr);
    EXPECT_EQ(table.Text(-1, 0), nullptr);
    EXPECT_EQ(table.Int(0, 5), 0);
    EXPECT_EQ(table.Int(0, -1), 0);
    EXPECT_EQ(table.Real(0, 5), 0.0);
    EXPECT_EQ(table.Real(3, 0), 0.0);
    EXPECT_EQ(table.Record(1), nullptr);
}

TEST(DOFvektori, GrowsByItsIncrementKeepingTheLastSlotFree) {
    SpanTable table(20, 20);
    for (int i = 0; i < 19; ++i) ASSERT_EQ(table.Add(nullptr, nullptr, nullptr), i);
    EXPECT_EQ(table.Capacity(), 20);
    EXPECT_EQ(table.Add(nullptr, nullptr, nullptr), 19);  // the 20th record grows the table
    EXPECT_EQ(table.Capacity(), 40);
    for (int i = 0; i < 100; ++i) {
        table.Add(nullptr, nullptr, nullptr);
        ASSERT_LE(table.Count(), table.Capacity() - 1);
    }
    EXPECT_EQ(table.Capacity(), 140);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(table.Capacity(), 140);  // clearing keeps the slots
}

TEST(DOFvektori, TableWithoutSlotsOrWithoutIncrementRefusesRecords) {
    SpanTable none(0, 20);
    EXPECT_EQ(none.Add(nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(none.ReadLine("A;0;0;0;0;0;0;0;0;0;0"), -1);
    EXPECT_EQ(none.Count(), 0);
    // With no increment the table is full once only the free last slot is left, instead of
    // writing past its slots.
    SpanTable fixed(3, 0);
    EXPECT_EQ(fixed.Add(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(fixed.Add(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(fixed.Add(nullptr, nullptr, nullptr), -1);
    EXPECT_EQ(fixed.Count(), 2);
}

TEST(DOFvektori, InsertPositionOrdersTheTable) {
    SortedTable table;
    const double values[] = {5, 1, 3, 1, 9};
    const char* names[] = {"a", "b", "c", "d", "e"};
    const int expected[] = {0, 0, 1, 1, 4};
    for (int i = 0; i < 5; ++i) {
        const char* text[] = {names[i]};
        EXPECT_EQ(table.Add(text, &values[i], nullptr), expected[i]) << i;
    }
    std::string order;
    for (int i = 0; i < table.Count(); ++i) order += table.Text(i, 0);
    EXPECT_EQ(order, "bdcae");  // equal keys keep their arrival order

    // A position outside the table is taken as its nearest end.
    WildTable wild;
    const int first = 5, second = -3, third = 1;
    EXPECT_EQ(wild.Add(nullptr, nullptr, &first), 0);
    EXPECT_EQ(wild.Add(nullptr, nullptr, &second), 0);
    EXPECT_EQ(wild.Add(nullptr, nullptr, &third), 1);
    EXPECT_EQ(wild.Int(0, 0), -3);
    EXPECT_EQ(wild.Int(1, 0), 1);
    EXPECT_EQ(wild.Int(2, 0), 5);
}

TEST(DOFvektori, ChangeOverwritesOnlyTheKindsGiven) {
    SpanTable table;
    ASSERT_EQ(table.ReadLine("Old;1;2;3;4;5;1;2;3;4;5"), 1);
    const double reals[5] = {10, 20, 30, 40, 50};
    table.Change(0, nullptr, reals, nullptr);
    EXPECT_STREQ(table.Text(0, 0), "Old");
    EXPECT_EQ(table.Int(0, 4), 5);
    EXPECT_EQ(table.Real(0, 4), 50.0);
    const char* noText[] = {nullptr};
    const int integers[5] = {-1, -2, -3, -4, -5};
    table.Change(0, noText, nullptr, integers);
    EXPECT_EQ(table.Text(0, 0), nullptr);
    EXPECT_EQ(table.Int(0, 4), -5);
    table.Change(1, noText, reals, integers);  // out of range: nothing happens
    EXPECT_EQ(table.Count(), 1);
    table.SetText(0, 0, std::string_view("New"));
    table.SetReal(0, 1, 2.5);
    table.SetInt(0, 9, 99);  // no such field
    EXPECT_STREQ(table.Text(0, 0), "New");
    EXPECT_EQ(table.Real(0, 1), 2.5);
}

TEST(DOFvektori, VectorFormOfAddFillsMissingEntriesWithDefaults) {
    SpanTable table;
    EXPECT_EQ(table.Add({"Aukko"}, {6000.0}, {1, 2}), 0);
    EXPECT_EQ(table.Add({}, {}, {}), 1);
    EXPECT_EQ(table.Line(0), "Aukko;1;2;0;0;0;6000.000;0.000;0.000;0.000;0.000");
    EXPECT_STREQ(table.Text(1, 0), nullptr);
}

TEST(DOFvektori, RemoveClosesTheGapAndRejectsOutOfRange) {
    SpanTable table;
    for (const char* name : {"A", "B", "C"}) {
        const char* text[] = {name};
        table.Add(text, nullptr, nullptr);
    }
    EXPECT_EQ(table.Remove(3), -1);
    EXPECT_EQ(table.Remove(-1), -1);
    EXPECT_EQ(table.Count(), 3);
    EXPECT_EQ(table.Remove(1), 0);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_STREQ(table.Text(0, 0), "A");
    EXPECT_STREQ(table.Text(1, 0), "C");
}

class DOFvektoriFile : public ::testing::Test {
protected:
    TempFolder folder;
};

TEST_F(DOFvektoriFile, StopsAtTheFirstBadLineKeepingEarlierRecords) {
    const std::string file = folder.Write("spans.dat",
                                          "// spans\n"
                                          "A;0;0;0;0;0;1;0;0;0;0\n"
                                          "B;0;0;0;0;0;2;0;0;0;0\n"
                                          "// more\n"
                                          "C;0;0;0;0;0;3;0;0;0;0\n"
                                          "D;0;0;0;0;0;4;0;0;0;0\n"
                                          "E;0;zero;0;0;0;5;0;0;0;0\n"
                                          "F;0;0;0;0;0;6;0;0;0;0\n");
    SpanTable table;
    EXPECT_EQ(table.LoadFile(file, 1), -2);
    ASSERT_EQ(table.Count(), 4);
    EXPECT_STREQ(table.Text(3, 0), "D");
    EXPECT_EQ(table.FileName(), file);
}

TEST_F(DOFvektoriFile, BlankLineStopsATableWithNumericFields) {
    const std::string file = folder.Write("blank.dat",
                                          "A;0;0;0;0;0;1;0;0;0;0\n"
                                          "\n"
                                          "B;0;0;0;0;0;2;0;0;0;0\n");
    SpanTable table;
    EXPECT_EQ(table.LoadFile(file, 1), -1);
    EXPECT_EQ(table.Count(), 1);
}

TEST_F(DOFvektoriFile, TakesAtMostAThousandLinesCommentsIncluded) {
    std::string content;
    for (int i = 0; i < 1500; ++i) content += "R" + std::to_string(i) + ";0;0;0;0;0;0;0;0;0;0\n";
    SpanTable table;
    EXPECT_EQ(table.LoadFile(folder.Write("long.dat", content), 1), 0);
    EXPECT_EQ(table.Count(), 1000);
    EXPECT_STREQ(table.Text(999, 0), "R999");

    EXPECT_EQ(table.LoadFile(folder.Write("commented.dat", "// head\n// head\n" + content), 1), 0);
    EXPECT_EQ(table.Count(), 998);
}

TEST_F(DOFvektoriFile, ReadsLongLinesWholeAndAcceptsCrlf) {
    // A 300-character text field: cutting the line into pieces would turn its tail into a
    // record of its own (or a parse error) and shift the numbers.
    const std::string name(300, 'n');
    const std::string file = folder.Write("wide.dat", name + ";1;2;3;4;5;6;7;8;9;10\r\n"
                                                             "B;0;0;0;0;0;0;0;0;0;0\r\n");
    SpanTable table;
    EXPECT_EQ(table.LoadFile(file, 1), 0);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Text(0, 0), name);
    EXPECT_EQ(table.Int(0, 4), 5);
    EXPECT_EQ(table.Real(0, 4), 10.0);

    const std::string bom = folder.Write("bom.dat", "\xEF\xBB\xBF" "B;0;0;0;0;0;0;0;0;0;2,5\r\n");
    EXPECT_EQ(table.LoadFile(bom, 1), 0);
    EXPECT_STREQ(table.Text(0, 0), "B");
    EXPECT_EQ(table.Real(0, 4), 2.5);
}

TEST_F(DOFvektoriFile, MissingFileKeepsTheTableAndClearFirstZeroAppends) {
    SpanTable table;
    EXPECT_EQ(table.FileName(), "?");
    EXPECT_EQ(table.FileDate(), "?");
    table.ReadLine("Kept;0;0;0;0;0;0;0;0;0;0");
    EXPECT_EQ(table.LoadFile(folder.File("absent.dat"), 0), -1);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.FileName(), "?");

    const std::string file = folder.Write("one.dat", "New;0;0;0;0;0;0;0;0;0;0");  // no final line end
    EXPECT_EQ(table.LoadFile(file, 0), 0);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_STREQ(table.Text(1, 0), "New");
    // day.month.year
    const std::string date = table.FileDate();
    int day = 0, month = 0, year = 0;
    char tail = 0;
    EXPECT_EQ(std::sscanf(date.c_str(), "%d.%d.%d%c", &day, &month, &year, &tail), 3) << date;
    EXPECT_TRUE(day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 2000) << date;
}

TEST_F(DOFvektoriFile, SaveFileWritesEveryRecordAndReadsBackTheSame) {
    SpanTable table;
    table.ReadLine("Aukko;1;0;0;0;0;6000;0;0;0;0");
    table.ReadLine("Ulokkeen pää;0;2;0;0;0;1200,5;0;0;0;-1");
    const char* noText[] = {nullptr};
    table.Add(noText, nullptr, nullptr);
    const std::string file = folder.File("saved.dat");
    EXPECT_EQ(table.SaveFile(file), 0);
    EXPECT_EQ(table.FileName(), file);
    EXPECT_EQ(TempFolder::Read(file),
              "Aukko;1;0;0;0;0;6000.000;0.000;0.000;0.000;0.000\n"
              "Ulokkeen pää;0;2;0;0;0;1200.500;0.000;0.000;0.000;-1.000\n"
              "?;0;0;0;0;0;0.000;0.000;0.000;0.000;0.000\n");

    SpanTable copy;
    EXPECT_EQ(copy.LoadFile(file, 1), 0);
    ASSERT_EQ(copy.Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(copy.Line(i), table.Line(i));

    // Without a name the stored one is used.
    table.Remove(2);
    EXPECT_EQ(table.SaveFile(), 0);
    EXPECT_EQ(copy.LoadFile(file, 1), 0);
    EXPECT_EQ(copy.Count(), 2);
}

TEST_F(DOFvektoriFile, SaveFileReportsAFileThatCannotBeWritten) {
    SpanTable table;
    table.ReadLine("A;0;0;0;0;0;0;0;0;0;0");
    EXPECT_EQ(table.SaveFile(), -1) << "no name known yet";
    EXPECT_EQ(table.SaveFile(folder.File("no/such/folder/x.dat")), -1);
    EXPECT_EQ(table.SaveFile(folder.File("")), -1) << "a folder is no file";
}

}  // namespace
}  // namespace kirvos
