// The shipped language files against the program's list of text keys, and the texts that the
// shipped catalogues point at.

#include "project/text_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "records/language_dictionary.h"
#include "records/sectioned_text.h"
#include "records/text_lines.h"

namespace kirvos {
namespace {

const std::string kDataDir = KIRVOS_DATA_DIR;

struct LanguageFile {
    const char* name;
    unsigned file;  // kUiTexts or kReportTexts
};

// Every shipped language: 1 English, 2 Finnish.
const LanguageFile kShippedFiles[] = {
    {"lang001.dat", kUiTexts},
    {"lang002.dat", kUiTexts},
    {"lang101.dat", kReportTexts},
    {"lang102.dat", kReportTexts},
};

KieliSanasto LoadShipped(const LanguageFile& lf)
{
    KieliSanasto texts;
    const std::string path = kDataDir + "/" + lf.name;
    if (lf.file == kUiTexts) {
        EXPECT_EQ(texts.LoadTexts(path), 0) << path;
    } else {
        EXPECT_EQ(texts.LoadReportTexts(path), 0) << path;
    }
    return texts;
}

int Count(const KieliSanasto& texts, unsigned file, int group)
{
    return file == kUiTexts ? texts.TextCount(group) : texts.ReportTextCount(group);
}

std::string Get(const KieliSanasto& texts, unsigned file, int group, int n)
{
    return file == kUiTexts ? texts.Text(group, n) : texts.ReportText(group, n);
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

class ShippedLanguageFile : public ::testing::TestWithParam<LanguageFile> {};

// Every key the program reads is present and not blank, carries exactly its printf conversions, and
// every group holds exactly the texts the program reads (open-ended groups at least those).
TEST_P(ShippedLanguageFile, HoldsEveryKeyWithItsConversions)
{
    const LanguageFile lf = GetParam();
    const KieliSanasto texts = LoadShipped(lf);

    for (const int group : TextGroups(lf.file)) {
        const int expected = ExpectedTextCount(lf.file, group);
        const int actual = Count(texts, lf.file, group);
        if (IsOpenEndedTextGroup(lf.file, group)) {
            EXPECT_GE(actual, expected) << lf.name << " group " << group;
        } else {
            EXPECT_EQ(actual, expected) << lf.name << " group " << group;
        }
    }
    for (const TextKeyRange& key : TextKeyList()) {
        if ((key.files & lf.file) == 0) continue;
        for (int n = key.first; n <= key.last; ++n) {
            const std::string text = Get(texts, lf.file, key.group, n);
            SCOPED_TRACE(std::string(lf.name) + " (" + std::to_string(key.group) + ", " + std::to_string(n) +
                         "): \"" + text + "\"");
            EXPECT_NE(text, KieliSanasto::kNoText);
            EXPECT_FALSE(IsBlank(text));
            EXPECT_EQ(PrintfConversions(text), key.conversions);
        }
    }
}

// A group the program never reads, or a group written twice (the later copy would hide the
// earlier one), is a numbering mistake.
TEST_P(ShippedLanguageFile, HasOnlyKnownGroupsEachOnce)
{
    const LanguageFile lf = GetParam();
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(kDataDir + "/" + lf.name, lines)) << lf.name;
    const std::vector<int> known = TextGroups(lf.file);
    std::set<int> seen;
    for (const std::string& line : lines) {
        if (!IsGroupHeader(line)) continue;
        const int group = GroupHeaderNumber(line);
        EXPECT_TRUE(seen.insert(group).second) << lf.name << ": group " << group << " twice";
        EXPECT_TRUE(std::binary_search(known.begin(), known.end(), group))
            << lf.name << ": group " << group << " is not read by the program";
        EXPECT_EQ(line, GroupHeader(group)) << lf.name;
    }
}

// Help opens document 1 of group 304 whenever the numbered document is missing, so that one must be
// shipped; the logo target and the product and fastener information targets are opened only when
// the file exists, so a missing one would leave its button silently dead.
TEST(ShippedUiTexts, NameShippedDocuments)
{
    for (const LanguageFile& lf : kShippedFiles) {
        if (lf.file != kUiTexts) continue;
        const KieliSanasto texts = LoadShipped(lf);
        std::vector<std::string> targets = {texts.Text(304, 1), texts.Text(305, 1)};
        for (const int group : {430, 431}) {
            for (int n = 1; n <= texts.TextCount(group); ++n) targets.push_back(texts.Text(group, n));
        }
        for (const std::string& target : targets) {
            EXPECT_TRUE(std::filesystem::is_regular_file(kDataDir + "/" + target)) << lf.name << ": " << target;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLanguageFile, ::testing::ValuesIn(kShippedFiles),
                         [](const ::testing::TestParamInfo<LanguageFile>& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

// Fields of the record lines of a catalogue, comments skipped.
std::vector<std::vector<std::string>> RecordFields(const std::string& path)
{
    std::vector<std::string> lines;
    std::vector<std::vector<std::string>> records;
    if (!ReadTextLines(path, lines)) return records;
    for (const std::string& line : lines) {
        if (line.rfind("//", 0) == 0 || IsBlank(line)) continue;
        std::vector<std::string> fields;
        std::stringstream stream(line);
        std::string field;
        while (std::getline(stream, field, ';')) fields.push_back(field);
        records.push_back(fields);
    }
    return records;
}

// Expects text n of the group in every shipped file of that kind.
void ExpectTextInAllLanguages(unsigned file, int group, int n, const std::string& origin)
{
    for (const LanguageFile& lf : kShippedFiles) {
        if (lf.file != file) continue;
        KieliSanasto texts = LoadShipped(lf);
        EXPECT_LE(n, Count(texts, file, group))
            << origin << " refers to text (" << group << ", " << n << ") missing from " << lf.name;
    }
}

// The profile catalogues name information texts (group 431) and their data files list notes shown
// in the design window (group 101) and, the first of them, in the report (report group 108).
TEST(ShippedCatalogueTexts, ProfileNotesAndInformationTextsExist)
{
    int profiles = 0;
    for (const char* catalogue : {"profiles1.dat", "profiles2.dat"}) {
        for (const auto& record : RecordFields(kDataDir + "/" + catalogue)) {
            ASSERT_GE(record.size(), 5u) << catalogue;
            ++profiles;
            const int info = std::atoi(record[4].c_str());
            if (info > 0) ExpectTextInAllLanguages(kUiTexts, 431, info, record[0]);

            CSVTiedosto data;
            ASSERT_EQ(data.LoadFile(kDataDir + "/" + record[1]), 0) << record[1];
            for (int line = 1; line <= data.LineCount(4); ++line) {
                const int note = std::atoi(data.Line(4, line));
                ASSERT_GT(note, 0) << record[1] << " group 4 line " << line;
                ExpectTextInAllLanguages(kUiTexts, 101, note, record[1]);
                ExpectTextInAllLanguages(kReportTexts, 108, note, record[1]);
            }
        }
    }
    EXPECT_GT(profiles, 0);
}

// Fastener records name a note (group 428) and a product information link (group 430).
TEST(ShippedCatalogueTexts, FastenerNotesAndLinksExist)
{
    const auto records = RecordFields(kDataDir + "/fasteners.dat");
    ASSERT_FALSE(records.empty());
    for (const auto& record : records) {
        ASSERT_GE(record.size(), 12u) << record[0];
        const int note = std::atoi(record[2 + 6].c_str());
        const int link = std::atoi(record[2 + 7].c_str());
        if (note > 0) ExpectTextInAllLanguages(kUiTexts, 428, note, record[0]);
        if (link > 0) ExpectTextInAllLanguages(kUiTexts, 430, link, record[0]);
    }
}

TEST(TextKeyList, RowsAreWellFormedAndDoNotOverlap)
{
    for (const TextKeyRange& key : TextKeyList()) {
        EXPECT_GE(key.first, 1) << key.group;
        EXPECT_LE(key.first, key.last) << key.group;
        EXPECT_NE(key.files & kBothTextFiles, 0u) << key.group;
        for (const unsigned file : {kUiTexts, kReportTexts}) {
            if ((key.files & file) == 0) continue;
            for (int n = key.first; n <= key.last; ++n) {
                EXPECT_EQ(FindTextKey(file, key.group, n), &key) << "(" << key.group << ", " << n << ") listed twice";
            }
        }
    }
    EXPECT_EQ(FindTextKey(kUiTexts, 111, 3), nullptr);
    EXPECT_EQ(FindTextKey(kReportTexts, 111, 1), nullptr);
    EXPECT_NE(FindTextKey(kReportTexts, 161, 1), nullptr);
    EXPECT_NE(FindTextKey(kUiTexts, 161, 1), nullptr);
}

TEST(PrintfConversions, FindsConversionsInOrder)
{
    const struct {
        const char* text;
        const char* conversions;
    } cases[] = {
        {"Support", ""},
        {"%s = %.2f kNm", "%s %.2f"},
        {"%s\t%.1f %%", "%s %.1f"},
        {"100 %%", ""},
        {"Snow reduction on alternate spans [%]", ""},
        {"%", ""},
        {"+ %d %s", "%d %s"},
        {"%-8.3lf|%05d|%*d", "%-8.3lf %05d %*d"},
        {"50 % of the load", "% o"},  // a blank flag: printf would read "% o"
    };
    for (const auto& c : cases) EXPECT_EQ(PrintfConversions(c.text), c.conversions) << c.text;
}

}  // namespace
}  // namespace kirvos
