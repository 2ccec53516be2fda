#include "records/sectioned_text.h"

#include <algorithm>

namespace kirvos {

int CSVTiedosto::LoadFile(const std::string& fileName) {
    std::vector<std::string> lines;
    if (!ReadTextLines(fileName, lines)) return -1;
    lines_ = std::move(lines);
    fileName_ = fileName;
    Rebuild();
    return 0;
}

void CSVTiedosto::Assign(const std::vector<std::string>& lines) {
    lines_ = lines;
    fileName_.clear();
    Rebuild();
}

int CSVTiedosto::SaveFile(const std::string& fileName) {
    if (!fileName.empty()) fileName_ = fileName;
    if (fileName_.size() <= 1) return 0;
    return WriteTextLines(fileName_, lines_) ? 0 : -1;
}

const char* CSVTiedosto::Line(int group, int n) const {
    long long line;
    if (group <= 0) {
        line = static_cast<long long>(n) - 1;
    } else {
        const int g = index_.Find(group);
        if (g < 0) return kNoText;
        line = static_cast<long long>(index_.headerLine[static_cast<std::size_t>(g)]) + n;
    }
    if (line < 0 || line >= static_cast<long long>(lines_.size())) return kNoText;
    return lines_[static_cast<std::size_t>(line)].c_str();
}

const char* CSVTiedosto::Line(int group, int n, std::string& buffer) const {
    const char* text = Line(group, n);
    if (text != kNoText) buffer = text;
    return text;
}

const char* CSVTiedosto::Line(int group, int n, char* buffer, std::size_t size) const {
    const char* text = Line(group, n);
    if (text != kNoText) CopyToBuffer(text, buffer, size);
    return text;
}

int CSVTiedosto::LineCount(int group) const {
    const int g = index_.Find(group);
    return g < 0 ? 0 : index_.count[static_cast<std::size_t>(g)];
}

bool CSVTiedosto::HasGroup(int group) const { return index_.Find(group) >= 0; }

int CSVTiedosto::AddGroup(int group) {
    if (HasGroup(group)) return -1;
    lines_.push_back(GroupHeader(group));
    index_.headerLine.push_back(static_cast<int>(lines_.size()) - 1);
    index_.number.push_back(group);
    index_.count.push_back(0);
    return 0;
}

int CSVTiedosto::GroupEnd(int group) const {
    const int g = index_.Find(group);
    if (g < 0) return -1;
    // Headers are indexed in file order, so the next entry is the next header line.
    const std::size_t next = static_cast<std::size_t>(g) + 1;
    return next < index_.headerLine.size() ? index_.headerLine[next] : static_cast<int>(lines_.size());
}

void CSVTiedosto::AppendLine(int group, std::string_view text) {
    if (!HasGroup(group)) AddGroup(group);
    const int g = index_.Find(group);
    const int end = GroupEnd(group);
    lines_.insert(lines_.begin() + end, std::string(text));
    if (IsGroupHeader(text)) {
        // A header given as text opens a group of its own: index from scratch.
        Rebuild();
        return;
    }
    // Keep the index current without a full pass: later headers move down one line.
    for (std::size_t i = static_cast<std::size_t>(g) + 1; i < index_.headerLine.size(); ++i) {
        ++index_.headerLine[i];
    }
    if (index_.number[static_cast<std::size_t>(g)] >= 0) ++index_.count[static_cast<std::size_t>(g)];
}

void CSVTiedosto::ClearGroup(int group, int withHeader) {
    const int g = index_.Find(group);
    if (g < 0) return;
    const bool header = (withHeader == 1);
    const std::size_t first = static_cast<std::size_t>(index_.headerLine[static_cast<std::size_t>(g)]) + (header ? 0 : 1);
    if (first >= lines_.size()) return;
    const std::size_t remove = std::min<std::size_t>(
        static_cast<std::size_t>(index_.count[static_cast<std::size_t>(g)]) + (header ? 1 : 0),
        lines_.size() - first);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
                 lines_.begin() + static_cast<std::ptrdiff_t>(first + remove));
    Rebuild();
}

void CSVTiedosto::Clear() {
    lines_.clear();
    Rebuild();
}

}  // namespace kirvos
