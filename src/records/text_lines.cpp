#include "records/text_lines.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>

#include "records/number_format.h"

namespace kirvos {

bool ReadTextLines(const std::string& fileName, std::vector<std::string>& lines) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    std::vector<std::string> result;
    std::size_t start = content.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = (end == std::string::npos) ? content.size() : end + 1;
        if (end == std::string::npos) end = content.size();
        if (end > start && content[end - 1] == '\r') --end;
        result.emplace_back(content, start, end - start);
        start = next;
    }
    lines = std::move(result);
    return true;
}

bool WriteTextLines(const std::string& fileName, const std::vector<std::string>& lines) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const std::string& line : lines) {
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
        out.put('\n');
    }
    out.close();
    return static_cast<bool>(out);
}

void CopyToBuffer(const char* text, char* buffer, std::size_t size) {
    if (!buffer || size == 0) return;
    const std::size_t length = std::min(std::strlen(text), size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
}

bool IsGroupHeader(std::string_view line) { return line.compare(0, 7, "[ ==== ") == 0; }

int GroupHeaderNumber(std::string_view line) {
    if (line.size() > 78) line = line.substr(0, 78);
    if (line.size() <= 7) return 0;
    std::string_view rest = line.substr(7);
    std::size_t i = 0;
    while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) ++i;
    bool negative = false;
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) negative = rest[i++] == '-';
    long long value = 0;
    for (; i < rest.size() && rest[i] >= '0' && rest[i] <= '9'; ++i) {
        // Saturate rather than overflow on a runaway digit string.
        if (value < static_cast<long long>(INT_MAX) + 1) value = value * 10 + (rest[i] - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string GroupHeader(int group) { return "[ ==== " + FormatInt(group) + " ==== ]"; }

void GroupIndex::Build(const std::vector<std::string>& lines, bool negativeGroupsCount) {
    headerLine.clear();
    number.clear();
    count.clear();
    int current = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsGroupHeader(lines[i])) {
            headerLine.push_back(static_cast<int>(i));
            number.push_back(GroupHeaderNumber(lines[i]));
            count.push_back(0);
            current = static_cast<int>(number.size()) - 1;
        } else if (current >= 0 && (negativeGroupsCount || number[current] >= 0)) {
            ++count[current];
        }
    }
}

int GroupIndex::Find(int group) const {
    for (int i = Groups() - 1; i >= 0; --i) {
        if (number[static_cast<std::size_t>(i)] == group) return i;
    }
    return -1;
}

}  // namespace kirvos
