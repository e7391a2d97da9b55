#include "automation/embedded/package/ZipWriter.h"

#include <zlib.h>

#include <stdexcept>

namespace dorvane::embedded {

namespace {

// 1 January 2000, 00:00, in the archive's DOS date and time fields.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (20 << 9) | (1 << 5) | 1;
constexpr std::uint16_t kVersion = 20;  // 2.0: deflate
constexpr std::uint16_t kUtf8Name = 1u << 11;
constexpr std::uint16_t kDeflated = 8;
constexpr std::size_t kChunk = 1 << 16;

void Put16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint64_t value) {
    Put16(out, static_cast<std::uint32_t>(value & 0xFFFF));
    Put16(out, static_cast<std::uint32_t>((value >> 16) & 0xFFFF));
}

bool IsAscii(const std::string& name) {
    for (unsigned char c : name)
        if (c >= 0x80) return false;
    return true;
}

// The fields that the local header and the central directory share.
void PutCommon(std::string& out, const std::string& name, std::uint32_t crc, std::uint64_t compressed,
               std::uint64_t size) {
    Put16(out, IsAscii(name) ? 0 : kUtf8Name);
    Put16(out, kDeflated);
    Put16(out, kDosTime);
    Put16(out, kDosDate);
    Put32(out, crc);
    Put32(out, compressed);
    Put32(out, size);
    Put16(out, static_cast<std::uint32_t>(name.size()));
    Put16(out, 0);  // no extra field
}

void CheckZip32(std::uint64_t value) {
    if (value >= 0xFFFFFFFFull) throw std::runtime_error("the package is too large for a zip archive");
}

}  // namespace

struct ZipWriter::Deflater {
    z_stream stream{};
    std::uint32_t crc = 0;
    std::uint64_t size = 0;
    char out[kChunk];      // deflate's output, appended to the entry's data
    std::string pending;   // small writes gathered before they are deflated
};

ZipWriter::ZipWriter(Sink sink, int level) : sink_(std::move(sink)), level_(level) {}

ZipWriter::~ZipWriter() {
    if (deflater_) deflateEnd(&deflater_->stream);
}

void ZipWriter::Emit(std::string_view bytes) {
    sink_(bytes);
    written_ += bytes.size();
}

void ZipWriter::BeginEntry(const std::string& name) {
    if (open_) throw std::logic_error("ZipWriter: an entry is still open");
    if (!deflater_) {
        deflater_ = std::make_unique<Deflater>();
        // Raw deflate (negative window bits): the archive holds no zlib header.
        if (deflateInit2(&deflater_->stream, level_, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
            deflater_.reset();
            throw std::runtime_error("cannot start compressing the package");
        }
    } else {
        deflateReset(&deflater_->stream);
    }
    deflater_->crc = static_cast<std::uint32_t>(crc32(0L, Z_NULL, 0));
    deflater_->pending.clear();
    deflater_->size = 0;
    compressed_.clear();
    entries_.push_back(Entry{name, 0, 0, 0, written_});
    open_ = true;
}

void ZipWriter::Deflate(std::string_view bytes, bool finish) {
    z_stream& stream = deflater_->stream;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    int status = Z_OK;
    do {
        stream.next_out = reinterpret_cast<Bytef*>(deflater_->out);
        stream.avail_out = static_cast<uInt>(kChunk);
        status = deflate(&stream, finish ? Z_FINISH : Z_NO_FLUSH);
        if (status == Z_STREAM_ERROR) throw std::runtime_error("compressing the package failed");
        compressed_.append(deflater_->out, kChunk - stream.avail_out);
    } while (stream.avail_out == 0 || (finish && status != Z_STREAM_END));
}

void ZipWriter::Write(std::string_view bytes) {
    if (!open_) throw std::logic_error("ZipWriter: no entry is open");
    // The XML writer hands over a few kilobytes at a time: gathered, they
    // go to the compressor in larger pieces.
    std::string& pending = deflater_->pending;
    if (pending.size() + bytes.size() < kChunk) {
        pending.append(bytes);
        return;
    }
    FlushPending();
    while (!bytes.empty()) {
        // zlib counts in 32-bit units.
        std::string_view piece = bytes.substr(0, std::size_t{1} << 30);
        Consume(piece);
        bytes.remove_prefix(piece.size());
    }
}

void ZipWriter::Consume(std::string_view piece) {
    deflater_->crc =
        static_cast<std::uint32_t>(crc32_z(deflater_->crc, reinterpret_cast<const Bytef*>(piece.data()), piece.size()));
    deflater_->size += piece.size();
    Deflate(piece, false);
}

void ZipWriter::FlushPending() {
    std::string& pending = deflater_->pending;
    if (pending.empty()) return;
    Consume(pending);
    pending.clear();
}

void ZipWriter::EndEntry() {
    if (!open_) throw std::logic_error("ZipWriter: no entry is open");
    FlushPending();
    Deflate({}, true);
    Entry& entry = entries_.back();
    entry.crc = deflater_->crc;
    entry.size = deflater_->size;
    entry.compressedSize = compressed_.size();
    EmitEntry(entry, compressed_);
    compressed_.clear();
    compressed_.shrink_to_fit();
    open_ = false;
}

void ZipWriter::CopyEntry(const std::string& name, const DeflatedEntry& data) {
    if (open_) throw std::logic_error("ZipWriter: an entry is still open");
    entries_.push_back(Entry{name, data.crc, data.data.size(), data.size, written_});
    EmitEntry(entries_.back(), data.data);
}

void ZipWriter::EmitEntry(const Entry& entry, std::string_view data) {
    CheckZip32(entry.size);
    CheckZip32(entry.compressedSize);
    CheckZip32(entry.offset);
    std::string header;
    Put32(header, 0x04034b50);
    Put16(header, kVersion);
    PutCommon(header, entry.name, entry.crc, entry.compressedSize, entry.size);
    header += entry.name;
    Emit(header);
    Emit(data);
}

void ZipWriter::Finish() {
    if (open_) throw std::logic_error("ZipWriter: an entry is still open");
    const std::uint64_t directoryOffset = written_;
    std::string directory;
    for (const Entry& entry : entries_) {
        Put32(directory, 0x02014b50);
        Put16(directory, kVersion);  // made by
        Put16(directory, kVersion);  // needed to extract
        PutCommon(directory, entry.name, entry.crc, entry.compressedSize, entry.size);
        Put16(directory, 0);  // comment length
        Put16(directory, 0);  // disk number
        Put16(directory, 0);  // internal attributes
        Put32(directory, 0);  // external attributes
        Put32(directory, entry.offset);
        directory += entry.name;
    }
    CheckZip32(directoryOffset);
    if (entries_.size() > 0xFFFF) throw std::runtime_error("the package holds too many parts for a zip archive");
    Emit(directory);
    std::string end;
    Put32(end, 0x06054b50);
    Put16(end, 0);
    Put16(end, 0);
    Put16(end, static_cast<std::uint32_t>(entries_.size()));
    Put16(end, static_cast<std::uint32_t>(entries_.size()));
    Put32(end, directory.size());
    Put32(end, directoryOffset);
    Put16(end, 0);
    Emit(end);
}

}  // namespace dorvane::embedded
