#include "records/record_vector.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "records/field_parsing.h"
#include "records/number_format.h"

namespace kirvos {

DOFalkio::DOFalkio(int textCount, int intCount, int realCount, const char* const* texts,
                   const double* reals, const int* integers)
    : texts_(static_cast<std::size_t>(std::max(textCount, 0))),
      reals_(static_cast<std::size_t>(std::max(realCount, 0)), 0.0),
      ints_(static_cast<std::size_t>(std::max(intCount, 0)), 0) {
    if (texts) {
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            if (texts[i]) texts_[i].emplace(texts[i]);
        }
    }
    if (reals) std::copy(reals, reals + reals_.size(), reals_.begin());
    if (integers) std::copy(integers, integers + ints_.size(), ints_.begin());
}

void DOFalkio::SetText(int field, const char* text) {
    if (field < 0 || field >= TextCount()) return;
    if (text) texts_[field].emplace(text);
    else texts_[field].reset();
}

void DOFalkio::SetText(int field, std::string_view text) {
    if (field < 0 || field >= TextCount()) return;
    texts_[field].emplace(text);
}

DOFvektori::DOFvektori(int capacity, int increment) : capacity_(capacity), increment_(increment) {}

void DOFvektori::DefineFields(int texts, int integers, int reals) {
    textFields_ = std::max(texts, 0);
    intFields_ = std::max(integers, 0);
    realFields_ = std::max(reals, 0);
    textInfo_.assign(static_cast<std::size_t>(textFields_), DOFtextField{});
    intInfo_.assign(static_cast<std::size_t>(intFields_), DOFintField{});
    realInfo_.assign(static_cast<std::size_t>(realFields_), DOFrealField{});
    fieldMap_.assign(1, textFields_ + intFields_ + realFields_);
    fieldMap_.insert(fieldMap_.end(), static_cast<std::size_t>(textFields_), kFieldText);
    fieldMap_.insert(fieldMap_.end(), static_cast<std::size_t>(intFields_), kFieldInt);
    fieldMap_.insert(fieldMap_.end(), static_cast<std::size_t>(realFields_), kFieldReal);
}

bool DOFvektori::Grow() {
    if (capacity_ <= 0) return false;
    if (Count() > capacity_ - 2) {
        // Without an increment the table could not keep its last slot free: it is full.
        if (increment_ <= 0) return false;
        capacity_ += increment_;
    }
    return true;
}

int DOFvektori::Insert(DOFalkio&& record) {
    const int position = std::clamp(InsertPosition(record), 0, Count());
    records_.insert(records_.begin() + position, std::move(record));
    return position;
}

int DOFvektori::Add(const char* const* texts, const double* reals, const int* integers) {
    if (!Grow()) return -1;
    return Insert(DOFalkio(textFields_, intFields_, realFields_, texts, reals, integers));
}

int DOFvektori::Add(const std::vector<std::string>& texts, const std::vector<double>& reals,
                    const std::vector<int>& integers) {
    if (!Grow()) return -1;
    DOFalkio record(textFields_, intFields_, realFields_, nullptr, nullptr, nullptr);
    const int t = std::min(textFields_, static_cast<int>(texts.size()));
    for (int i = 0; i < t; ++i) record.SetText(i, std::string_view(texts[i]));
    const int r = std::min(realFields_, static_cast<int>(reals.size()));
    for (int i = 0; i < r; ++i) record.SetReal(i, reals[i]);
    const int n = std::min(intFields_, static_cast<int>(integers.size()));
    for (int i = 0; i < n; ++i) record.SetInt(i, integers[i]);
    return Insert(std::move(record));
}

void DOFvektori::Change(int record, const char* const* texts, const double* reals,
                        const int* integers) {
    DOFalkio* target = MutableRecord(record);
    if (!target) return;
    if (texts) {
        for (int i = 0; i < textFields_; ++i) target->SetText(i, texts[i]);
    }
    if (reals) {
        for (int i = 0; i < realFields_; ++i) target->SetReal(i, reals[i]);
    }
    if (integers) {
        for (int i = 0; i < intFields_; ++i) target->SetInt(i, integers[i]);
    }
}

void DOFvektori::SetText(int record, int field, const char* text) {
    if (DOFalkio* target = MutableRecord(record)) target->SetText(field, text);
}

void DOFvektori::SetText(int record, int field, std::string_view text) {
    if (DOFalkio* target = MutableRecord(record)) target->SetText(field, text);
}

void DOFvektori::SetInt(int record, int field, int value) {
    if (DOFalkio* target = MutableRecord(record)) target->SetInt(field, value);
}

void DOFvektori::SetReal(int record, int field, double value) {
    if (DOFalkio* target = MutableRecord(record)) target->SetReal(field, value);
}

int DOFvektori::Remove(int record) {
    if (record < 0 || record >= Count()) return -1;
    records_.erase(records_.begin() + record);
    return 0;
}

void DOFvektori::Clear() { records_.clear(); }

int DOFvektori::InsertPosition(const DOFalkio&) const { return Count(); }

int DOFvektori::ReadLine(std::string_view line) {
    std::vector<std::string> texts(static_cast<std::size_t>(textFields_));
    std::vector<double> reals(static_cast<std::size_t>(realFields_), 0.0);
    std::vector<int> integers(static_cast<std::size_t>(intFields_), 0);
    const int code = ParseFields(separator_, line, fieldMap_, texts.data(), reals.data(),
                                 integers.data());
    if (code < 0) return code;
    // Parsed texts are texts (possibly empty), never "no text".
    std::vector<const char*> textPointers(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) textPointers[i] = texts[i].c_str();
    if (Add(textPointers.data(), reals.data(), integers.data()) < 0) return -1;
    return 1;
}

int DOFvektori::Decimals(int realField) const {
    if (realField < 0 || realField >= realFields_) return 3;
    return realInfo_[static_cast<std::size_t>(realField)].decimals;
}

void DOFvektori::SetDecimals(int realField, int decimals) {
    if (realField < 0 || realField >= realFields_) return;
    realInfo_[static_cast<std::size_t>(realField)].decimals = decimals;
}

int DOFvektori::WriteLine(int record, std::string* buffer) const {
    const DOFalkio* source = Record(record);
    if (!source) return 0;
    std::string line;
    int needed = 0;
    int textIndex = 0, intIndex = 0, realIndex = 0;
    for (std::size_t k = 1; k < fieldMap_.size(); ++k) {
        const std::size_t start = line.size();
        switch (fieldMap_[k]) {
            case kFieldText: {
                const char* text = source->Text(textIndex++);
                line += text ? text : "?";
                break;
            }
            case kFieldInt:
                AppendInt(line, source->Int(intIndex++));
                break;
            case kFieldReal: {
                const int decimals = Decimals(realIndex);
                AppendReal(line, source->Real(realIndex++), decimals);
                break;
            }
            default:
                break;
        }
        needed += static_cast<int>(line.size() - start) + 2;
        line += separator_;
    }
    if (!line.empty() && line.back() == separator_) line.pop_back();
    if (buffer) *buffer = std::move(line);
    return needed;
}

std::string DOFvektori::Line(int record) const {
    std::string line;
    WriteLine(record, &line);
    return line;
}

namespace {

// "day.month.year" of the file's modification time in local time; "?" when unknown.
std::string FileDateText(const std::string& fileName) {
    std::error_code error;
    const auto stamp = std::filesystem::last_write_time(fileName, error);
    if (error) return "?";
    const auto system = std::chrono::file_clock::to_sys(stamp);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return "?";
    return FormatInt(local.tm_mday) + "." + FormatInt(local.tm_mon + 1) + "." +
           FormatInt(local.tm_year + 1900);
}

}  // namespace

int DOFvektori::LoadFile(const std::string& fileName, int clearFirst) {
    if (clearFirst == 1) Clear();
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return -1;
    fileName_ = fileName;
    fileDate_ = FileDateText(fileName);

    std::string line;
    int taken = 0;
    while (taken < maxFileLines_ && std::getline(in, line)) {
        ++taken;
        if (taken == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, 2, "//") == 0) continue;
        // A blank line still carries its line end, so its first numeric field counts as missing
        // (an empty record line in memory, by contrast, reads as a record of zeros).
        const int code = ReadLine(line.empty() ? std::string_view("\n") : std::string_view(line));
        if (code < 0) return code;
    }
    return 0;
}

int DOFvektori::SaveFile(const std::string& fileName) {
    if (!fileName.empty()) fileName_ = fileName;
    if (fileName_.empty() || fileName_ == "?") return -1;
    std::ofstream out(fileName_, std::ios::binary | std::ios::trunc);
    if (!out) return -1;
    std::string line;
    for (int i = 0; i < Count(); ++i) {
        WriteLine(i, &line);
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    out.close();
    return out ? 0 : -1;
}

}  // namespace kirvos
