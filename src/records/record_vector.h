#pragma once
// The table type of the program: an ordered, growable list of records of one fixed shape (a number
// of text, integer and real fields). Every table (spans, supports, loads, catalogues, analysis
// model, envelopes, results) is a subclass that declares its fields and may override where a new
// record is inserted.
//
// Record line layout in files: all text fields, then all integer fields, then all real fields,
// separated by ';'; reals written "%.3f" (C locale); a text slot holding no text written "?".
// Lines beginning "//" are comments in data files.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kirvos {

// One record: owned texts (a slot may hold no text), reals and 32-bit integers.
class DOFalkio {
public:
    // Copies the given source arrays (each may be null: that kind starts as no text / 0.0 / 0).
    // Non-null arrays must hold textCount, realCount, intCount entries; a null entry in texts means
    // no text in that slot.
    DOFalkio(int textCount, int intCount, int realCount, const char* const* texts,
             const double* reals, const int* integers);

    int TextCount() const { return static_cast<int>(texts_.size()); }
    int IntCount() const { return static_cast<int>(ints_.size()); }
    int RealCount() const { return static_cast<int>(reals_.size()); }

    // Out-of-range fields read as null, 0 and 0.0.
    const char* Text(int field) const {
        if (field < 0 || field >= TextCount() || !texts_[field]) return nullptr;
        return texts_[field]->c_str();
    }
    int Int(int field) const { return (field >= 0 && field < IntCount()) ? ints_[field] : 0; }
    double Real(int field) const { return (field >= 0 && field < RealCount()) ? reals_[field] : 0.0; }

    // Out-of-range fields are ignored. SetText(f, nullptr) leaves the slot without text.
    void SetText(int field, const char* text);
    void SetText(int field, std::string_view text);
    void SetInt(int field, int value) { if (field >= 0 && field < IntCount()) ints_[field] = value; }
    void SetReal(int field, double value) { if (field >= 0 && field < RealCount()) reals_[field] = value; }

private:
    std::vector<std::optional<std::string>> texts_;
    std::vector<double> reals_;
    std::vector<int> ints_;
};

// Schema defaults declared per field. Nothing enforces the names and limits; only the real fields'
// decimals are used (by WriteLine).
struct DOFtextField { int minLength = 0; int maxLength = 256; std::string name = "?"; };
struct DOFintField { int min = -32000; int max = 32000; std::string name = "?"; };
struct DOFrealField { double min = -1000000.0; double max = 1000000.0; std::string name = "?"; int decimals = 3; };

class DOFvektori {
public:
    // Empty table without fields; DefineFields must follow before any record is added.
    // capacity: record slots allocated at first; increment: slots added when the table grows.
    // A table never holds more than Capacity() - 1 records (it grows first).
    DOFvektori(int capacity, int increment);
    virtual ~DOFvektori() = default;
    DOFvektori(const DOFvektori&) = default;
    DOFvektori& operator=(const DOFvektori&) = default;
    DOFvektori(DOFvektori&&) = default;
    DOFvektori& operator=(DOFvektori&&) = default;

    // Sets the field counts (argument order: texts, integers, reals), resets the per-field schema
    // defaults and builds the field type map (texts, then integers, then reals). Meant to be called
    // once, in the subclass constructor, while the table is empty.
    void DefineFields(int texts, int integers, int reals);

    int Count() const { return static_cast<int>(records_.size()); }
    int Capacity() const { return capacity_; }
    int Increment() const { return increment_; }
    int TextFields() const { return textFields_; }
    int IntFields() const { return intFields_; }
    int RealFields() const { return realFields_; }
    const std::vector<int>& FieldMap() const { return fieldMap_; }

    // Out-of-range record or field reads as null, 0 and 0.0 and never fails.
    const char* Text(int record, int field) const {
        return (record >= 0 && record < Count()) ? records_[record].Text(field) : nullptr;
    }
    int Int(int record, int field) const {
        return (record >= 0 && record < Count()) ? records_[record].Int(field) : 0;
    }
    double Real(int record, int field) const {
        return (record >= 0 && record < Count()) ? records_[record].Real(field) : 0.0;
    }
    // The record itself, or null when out of range.
    const DOFalkio* Record(int record) const {
        return (record >= 0 && record < Count()) ? &records_[record] : nullptr;
    }

    // Builds a record from the source arrays (each may be null; non-null arrays hold the table's
    // field count of entries), inserts it where InsertPosition says and returns that position.
    // -1 (nothing added) when the table has no slots (capacity 0, or full with increment 0).
    //   const char* t[] = {"Aukko"}; int i[5] = {}; double r[5] = {6000};
    //   spans.Add(t, r, i);
    int Add(const char* const* texts, const double* reals, const int* integers);
    // Convenience form: missing trailing entries start as no text / 0.0 / 0, extra entries are
    // ignored. A string given here is a text (possibly empty), never "no text".
    int Add(const std::vector<std::string>& texts, const std::vector<double>& reals,
            const std::vector<int>& integers);

    // Overwrites the record's fields in place; a null array leaves that kind untouched; a null entry
    // in texts leaves that slot without text. Out-of-range record: nothing happens. The record keeps
    // its position.
    void Change(int record, const char* const* texts, const double* reals, const int* integers);
    // Single-field setters; out-of-range record or field: nothing happens.
    void SetText(int record, int field, const char* text);
    void SetText(int record, int field, std::string_view text);
    void SetInt(int record, int field, int value);
    void SetReal(int record, int field, double value);

    // Frees the record and closes the gap: 0, or -1 when out of range.
    int Remove(int record);
    // Frees all records; the capacity stays.
    void Clear();

    // Where a new record goes (0..Count()); the base appends. Subclasses order their tables here.
    // A result outside 0..Count() is clamped.
    virtual int InsertPosition(const DOFalkio& record) const;

    // Parses one record line against the field map and adds the record: 1, or the negative code of
    // ParseFields (nothing added). An empty line adds a record of empty texts and zeros.
    int ReadLine(std::string_view line);
    // Writes the record's line into buffer (when given) and returns the length a line
    // buffer needs: the sum over the fields of (field text length + 2); 0 for an out-of-range record.
    int WriteLine(int record, std::string* buffer) const;
    // The record's line ("" for an out-of-range record).
    std::string Line(int record) const;

    // Reads a file of record lines (UTF-8, LF or CRLF; "//" lines are comments). clearFirst 1 empties
    // the table first. At most MaxFileLines() lines are taken (comments count). Returns 0; -1 when
    // the file cannot be opened (the table keeps what it had); or the first negative parse code,
    // with the records read before it kept.
    int LoadFile(const std::string& fileName, int clearFirst = 1);
    // Writes every record's line followed by LF. A non-empty name becomes the table's file name,
    // otherwise the stored name is used. 0, or -1 when no file name is known or the file cannot be
    // created or written.
    int SaveFile(const std::string& fileName = std::string());

    const std::string& FileName() const { return fileName_; }
    // "day.month.year" of the last loaded file's modification time, "?" before any load.
    const std::string& FileDate() const { return fileDate_; }
    int MaxFileLines() const { return maxFileLines_; }
    void SetMaxFileLines(int lines) { maxFileLines_ = lines; }
    char Separator() const { return separator_; }

    // Per-field schema defaults (indices are per kind). Decimals of real field f: used by WriteLine
    // ("%.*f", or "%E" when negative).
    int Decimals(int realField) const;
    void SetDecimals(int realField, int decimals);
    const std::vector<DOFtextField>& TextFieldInfo() const { return textInfo_; }
    const std::vector<DOFintField>& IntFieldInfo() const { return intInfo_; }
    const std::vector<DOFrealField>& RealFieldInfo() const { return realInfo_; }

protected:
    // Mutable access for subclasses' own queries and edits; null when out of range.
    DOFalkio* MutableRecord(int record) {
        return (record >= 0 && record < Count()) ? &records_[record] : nullptr;
    }

private:
    int Insert(DOFalkio&& record);
    bool Grow();

    int textFields_ = 0;
    int realFields_ = 0;
    int intFields_ = 0;
    int capacity_;
    int increment_;
    std::vector<DOFalkio> records_;
    std::vector<int> fieldMap_{0};
    int maxFileLines_ = 1000;
    char separator_ = ';';
    std::vector<DOFtextField> textInfo_;
    std::vector<DOFintField> intInfo_;
    std::vector<DOFrealField> realInfo_;
    std::string fileName_ = "?";
    std::string fileDate_ = "?";
};

}  // namespace kirvos
