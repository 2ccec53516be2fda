#pragma once
// A text held as lines divided into numbered groups: a header line "[ ==== %d ==== ]" opens a group,
// which holds every following line up to the next header. Lines are addressed as (group, n) with n
// from 1. Carries the project file, the analysis input text, settings and table files.
//   CSVTiedosto f; f.AppendLine(1, "KIRVOS"); f.Line(1, 1) -> "KIRVOS"; f.Line(1, 2) -> "NO TEXT"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "records/text_lines.h"

namespace kirvos {

class CSVTiedosto {
public:
    CSVTiedosto() = default;
    virtual ~CSVTiedosto() = default;
    CSVTiedosto(const CSVTiedosto&) = default;
    CSVTiedosto& operator=(const CSVTiedosto&) = default;

    // Replaces the lines with the file's lines (UTF-8, LF or CRLF), stores the name, rebuilds the
    // index. 0, or -1 when the file cannot be opened (nothing changes).
    int LoadFile(const std::string& fileName);
    // Replaces the lines with a copy of lines; the file name becomes empty.
    void Assign(const std::vector<std::string>& lines);
    // A non-empty name becomes the file name; the lines are written (LF line ends) only when the file
    // name is longer than one character. 0 (also when nothing is written because the name is too
    // short); -1 when the file cannot be created or written.
    int SaveFile(const std::string& fileName = std::string());

    // The n-th line of the group (n from 1; n = 0 is the header itself and n is not bounded by the
    // group's count, so bound it by LineCount); with group <= 0 the n-th line of the whole text.
    // Returns the line's text, or "NO TEXT" when there is no such line. The pointer stays valid
    // until the lines change. The buffer forms also copy an existing line (the char form at most
    // size - 1 bytes plus a terminating zero) and leave the buffer untouched for a missing line.
    const char* Line(int group, int n) const;
    const char* Line(int group, int n, std::string& buffer) const;
    const char* Line(int group, int n, char* buffer, std::size_t size) const;

    // Lines counted to the group (the last group of that number); 0 when missing.
    int LineCount(int group) const;
    bool HasGroup(int group) const;
    // Appends the header at the end: 0, or -1 (nothing changed) when the group exists.
    int AddGroup(int group);
    // Adds the group at the end if missing, then inserts text after the group's last line.
    void AppendLine(int group, std::string_view text);
    // Deletes the group's lines; withHeader 1 deletes the header too.
    void ClearGroup(int group, int withHeader);
    // Deletes all lines; the file name stays.
    void Clear();

    int GroupCount() const { return index_.Groups(); }
    int TotalLines() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::string& FileName() const { return fileName_; }
    // Names the text without touching any file (a project saved under a temporary name and then
    // renamed into place keeps its final name).
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }

    static constexpr const char* kNoText = "NO TEXT";

protected:
    // Line index just past the group's last line (the next header, or the end); -1 when missing.
    int GroupEnd(int group) const;
    void Rebuild() { index_.Build(lines_, false); }

    std::vector<std::string> lines_;
    std::string fileName_;
    GroupIndex index_;
};

}  // namespace kirvos
