#include "automation/embedded/excel/BiffRecords.h"

#include <cstring>
#include <stdexcept>

namespace dorvane::embedded::excel {

namespace {

constexpr unsigned kContinue = 0x003C;
constexpr unsigned kHighByte = 0x01, kPhonetic = 0x04, kRichText = 0x08;

unsigned Read16(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

std::string Utf8(const std::u16string& units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;  // a lone half of a pair
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool BiffRecordReader::Next(BiffRecord& record) {
    auto fits = [this] {
        return at_ + 4 <= stream_.size() && at_ + 4 + Read16(stream_, at_ + 2) <= stream_.size();
    };
    if (!fits()) return false;
    record.type = Read16(stream_, at_);
    record.offset = at_;
    record.parts.clear();
    record.parts.push_back(stream_.substr(at_ + 4, Read16(stream_, at_ + 2)));
    at_ += 4 + record.parts.back().size();
    while (fits() && Read16(stream_, at_) == kContinue) {
        record.parts.push_back(stream_.substr(at_ + 4, Read16(stream_, at_ + 2)));
        at_ += 4 + record.parts.back().size();
    }
    return true;
}

bool BiffCursor::NextPart() {
    while (part_ < parts_.size() && at_ >= parts_[part_].size()) {
        if (part_ + 1 >= parts_.size()) return false;
        ++part_;
        at_ = 0;
    }
    return part_ < parts_.size();
}

bool BiffCursor::AtEnd() const {
    for (std::size_t p = part_; p < parts_.size(); ++p)
        if ((p == part_ ? at_ : 0) < parts_[p].size()) return false;
    return true;
}

unsigned BiffCursor::U8() {
    if (!NextPart()) throw std::runtime_error("a record ends too early");
    return static_cast<unsigned char>(parts_[part_][at_++]);
}

unsigned BiffCursor::U16() {
    unsigned low = U8();
    return low | U8() << 8;
}

std::uint32_t BiffCursor::U32() {
    std::uint32_t low = U16();
    return low | static_cast<std::uint32_t>(U16()) << 16;
}

double BiffCursor::F64() {
    std::uint64_t bits = U32();
    bits |= static_cast<std::uint64_t>(U32()) << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void BiffCursor::Skip(std::size_t count) {
    while (count > 0) {
        if (!NextPart()) throw std::runtime_error("a record ends too early");
        std::size_t step = std::min(count, parts_[part_].size() - at_);
        at_ += step;
        count -= step;
    }
}

std::string BiffCursor::ReadCharacters(std::size_t count, unsigned flags) {
    if (count == 0) return {};
    std::u16string units;
    units.reserve(count);
    while (units.size() < count) {
        if (at_ >= parts_[part_].size()) {
            // The characters go on in the next piece, behind a new flags byte.
            if (part_ + 1 >= parts_.size()) throw std::runtime_error("a string runs past its record");
            ++part_;
            at_ = 0;
            flags = U8();
            continue;
        }
        std::string_view piece = parts_[part_];
        if (flags & kHighByte) {
            if (at_ + 2 > piece.size()) throw std::runtime_error("a string is cut in a character");
            units += static_cast<char16_t>(Read16(piece, at_));
            at_ += 2;
        } else {
            units += static_cast<char16_t>(static_cast<unsigned char>(piece[at_++]));
        }
    }
    return Utf8(units);
}

std::string BiffCursor::String16() {
    std::size_t count = U16();
    unsigned flags = U8();
    std::size_t runs = flags & kRichText ? U16() : 0;
    std::size_t phonetic = flags & kPhonetic ? U32() : 0;
    std::string text = count > 0 ? ReadCharacters(count, flags) : std::string();
    Skip(4 * runs + phonetic);
    return text;
}

std::string BiffCursor::String8() {
    std::size_t count = U8();
    unsigned flags = U8();
    return ReadCharacters(count, flags);
}

}  // namespace dorvane::embedded::excel
