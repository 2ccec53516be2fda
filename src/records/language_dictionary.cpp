#include "records/language_dictionary.h"


namespace kirvos {

int KieliSanasto::LoadTexts(const std::string& fileName) {
    std::vector<std::string> lines;
    if (!ReadTextLines(fileName, lines)) return -1;
    ui_.lines = std::move(lines);
    ui_.index.Build(ui_.lines, true);
    return 0;
}

int KieliSanasto::LoadReportTexts(const std::string& fileName) {
    std::vector<std::string> lines;
    if (!ReadTextLines(fileName, lines)) return -1;
    report_.lines = std::move(lines);
    report_.index.Build(report_.lines, true);
    return 0;
}

void KieliSanasto::AssignTexts(const std::vector<std::string>& lines) {
    ui_.lines = lines;
    ui_.index.Build(ui_.lines, true);
}

void KieliSanasto::AssignReportTexts(const std::vector<std::string>& lines) {
    report_.lines = lines;
    report_.index.Build(report_.lines, true);
}

const char* KieliSanasto::TextList::Lookup(int g, int n) const {
    if (n < 1) return nullptr;
    if (g <= 0) {
        return static_cast<std::size_t>(n) <= lines.size() ? lines[static_cast<std::size_t>(n) - 1].c_str()
                                                            : nullptr;
    }
    // The last group of that number holding at least n texts wins, so a text never comes from a
    // neighbouring group.
    for (int i = index.Groups() - 1; i >= 0; --i) {
        const auto k = static_cast<std::size_t>(i);
        if (index.number[k] == g && index.count[k] >= n) {
            return lines[static_cast<std::size_t>(index.headerLine[k]) + static_cast<std::size_t>(n)].c_str();
        }
    }
    return nullptr;
}

int KieliSanasto::TextList::Count(int g) const {
    const int i = index.Find(g);
    return i < 0 ? 0 : index.count[static_cast<std::size_t>(i)];
}

const char* KieliSanasto::Copy(const char* text, std::string& buffer) {
    if (!text) return kNoText;
    buffer = text;
    return text;
}

const char* KieliSanasto::Copy(const char* text, char* buffer, std::size_t size) {
    if (!text) return kNoText;
    CopyToBuffer(text, buffer, size);
    return text;
}

const char* KieliSanasto::Text(int g, int n) const {
    const char* text = ui_.Lookup(g, n);
    return text ? text : kNoText;
}

const char* KieliSanasto::Text(int g, int n, std::string& buffer) const {
    return Copy(ui_.Lookup(g, n), buffer);
}

const char* KieliSanasto::Text(int g, int n, char* buffer, std::size_t size) const {
    return Copy(ui_.Lookup(g, n), buffer, size);
}

const char* KieliSanasto::ReportText(int g, int n) const {
    const char* text = report_.Lookup(g, n);
    return text ? text : kNoText;
}

const char* KieliSanasto::ReportText(int g, int n, std::string& buffer) const {
    return Copy(report_.Lookup(g, n), buffer);
}

const char* KieliSanasto::ReportText(int g, int n, char* buffer, std::size_t size) const {
    return Copy(report_.Lookup(g, n), buffer, size);
}

int KieliSanasto::TextCount(int g) const { return ui_.Count(g); }

int KieliSanasto::ReportTextCount(int g) const { return report_.Count(g); }

bool KieliSanasto::HasReportGroup(int g) const { return report_.index.Find(g) >= 0; }

}  // namespace kirvos
