#pragma once
// The program's texts in the chosen language: the user-interface file and the report file, both of
// numbered groups ("[ ==== g ==== ]" headers); text n of group g is the n-th line after the header.
//   KieliSanasto s; s.LoadTexts(folder + "/lang001.dat"); s.Text(111, 1) -> error box caption

#include <cstddef>
#include <string>
#include <vector>

#include "records/text_lines.h"

namespace kirvos {

class KieliSanasto {
public:
    KieliSanasto() = default;

    // Replaces the user-interface (report) texts with the file's lines and rebuilds the index.
    // 0, or -1 when the file cannot be opened (the old texts stay).
    int LoadTexts(const std::string& fileName);
    int LoadReportTexts(const std::string& fileName);
    // The same from lines in memory.
    void AssignTexts(const std::vector<std::string>& lines);
    void AssignReportTexts(const std::vector<std::string>& lines);

    // User-interface text n of group g (n from 1, never taken from a neighbouring group; when the
    // number occurs twice the last group holding n texts wins); g <= 0: line n of the whole file.
    // "NO TEXT" when absent, and the buffer is left untouched. The pointer stays valid until the
    // texts are reloaded.
    const char* Text(int g, int n) const;
    const char* Text(int g, int n, std::string& buffer) const;
    const char* Text(int g, int n, char* buffer, std::size_t size) const;
    // The same over the report texts.
    const char* ReportText(int g, int n) const;
    const char* ReportText(int g, int n, std::string& buffer) const;
    const char* ReportText(int g, int n, char* buffer, std::size_t size) const;

    // Texts in group g (the last group of that number); 0 when absent.
    int TextCount(int g) const;
    int ReportTextCount(int g) const;
    bool HasReportGroup(int g) const;

    static constexpr const char* kNoText = "NO TEXT";

private:
    struct TextList {
        std::vector<std::string> lines;
        GroupIndex index;
        const char* Lookup(int g, int n) const;
        int Count(int g) const;
    };
    static const char* Copy(const char* text, std::string& buffer);
    static const char* Copy(const char* text, char* buffer, std::size_t size);

    TextList ui_;
    TextList report_;
};

}  // namespace kirvos
