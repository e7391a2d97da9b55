#pragma once

// The records of a BIFF8 workbook stream, each with the CONTINUE records
// that carry the rest of its data, and a cursor that reads numbers and
// Unicode strings across those pieces.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::embedded::excel {

struct BiffRecord {
    unsigned type = 0;
    std::size_t offset = 0;               // of the record header in the stream
    std::vector<std::string_view> parts;  // the record's data, then each CONTINUE's
};

// Reads records from `offset` to the end of the stream (or the first record
// that does not fit: the stream's padding). The views point into `stream`.
class BiffRecordReader {
public:
    BiffRecordReader(std::string_view stream, std::size_t offset) : stream_(stream), at_(offset) {}
    // The next record with its continuations; false at the end.
    bool Next(BiffRecord& record);

private:
    std::string_view stream_;
    std::size_t at_;
};

// Reads a record's data in order. A string's characters may run on into
// the next piece, which then starts with a fresh flags byte; everything
// else simply continues. Throws std::runtime_error past the end.
class BiffCursor {
public:
    explicit BiffCursor(const BiffRecord& record) : parts_(record.parts) {}
    unsigned U8();
    unsigned U16();
    std::uint32_t U32();
    double F64();
    void Skip(std::size_t count);
    // XLUnicodeString: 16-bit length, flags, characters (and the rich-text
    // and phonetic data that may follow them, skipped). As UTF-8.
    std::string String16();
    // ShortXLUnicodeString: 8-bit length, flags, characters.
    std::string String8();
    bool AtEnd() const;

private:
    std::string ReadCharacters(std::size_t count, unsigned flags);
    bool NextPart();
    std::vector<std::string_view> parts_;
    std::size_t part_ = 0, at_ = 0;
};

// Appends a UTF-16 code unit sequence's character as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace dorvane::embedded::excel
