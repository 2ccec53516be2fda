#pragma once
// Reading and writing whole text files as lines, and the numbered group headers
// "[ ==== %d ==== ]" shared by the sectioned text file and the language dictionary.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kirvos {

// Reads a UTF-8 text file into lines; LF and CRLF line ends are accepted and removed, a leading
// byte-order mark is dropped, a last line without line end is kept. false when it cannot be opened
// (lines untouched).
bool ReadTextLines(const std::string& fileName, std::vector<std::string>& lines);
// Writes the lines, each followed by LF. false when the file cannot be created or written.
bool WriteTextLines(const std::string& fileName, const std::vector<std::string>& lines);

// Copies text into a caller's character buffer of size bytes: at most size - 1 bytes and a
// terminating zero; nothing when buffer is null or size is 0.
void CopyToBuffer(const char* text, char* buffer, std::size_t size);

// Whether line opens a group: its first seven characters are "[ ==== ".
bool IsGroupHeader(std::string_view line);
// Group number of a header: the decimal integer read from the eighth character on (leading blanks
// and a sign allowed, no digits gives 0), looking at no more than the first 78 characters.
int GroupHeaderNumber(std::string_view line);
// "[ ==== n ==== ]".
std::string GroupHeader(int group);

// Index of the group headers of a list of lines, in file order.
struct GroupIndex {
    std::vector<int> headerLine;  // 0-based line index of each header
    std::vector<int> number;      // group number of each header
    std::vector<int> count;       // lines counted to each group

    // Rebuilds from lines. Lines before the first header belong to no group. With
    // negativeGroupsCount false, lines of a group numbered below 0 are not counted.
    void Build(const std::vector<std::string>& lines, bool negativeGroupsCount);
    int Groups() const { return static_cast<int>(number.size()); }
    // Position in the index of the last header numbered group; -1 when none.
    int Find(int group) const;
};

}  // namespace kirvos
