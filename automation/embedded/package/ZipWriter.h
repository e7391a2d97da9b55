#pragma once

// Writes a zip archive entry by entry to a sink, deflating each entry's
// bytes as they arrive: a part serialised from its XML tree never exists
// whole in memory, only its compressed form until the entry is finished.
// The output is deterministic: fixed time stamps, entries in the order
// given.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::embedded {

// An entry's data as deflated in an archive that was read, with what its
// directory said of it: copied into a new archive without inflating.
struct DeflatedEntry {
    std::string data;
    std::uint32_t crc = 0;
    std::uint64_t size = 0;  // inflated
};

class ZipWriter {
public:
    using Sink = std::function<void(std::string_view)>;
    // level: zlib's compression level (1 fastest .. 9 smallest).
    explicit ZipWriter(Sink sink, int level = 6);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    void BeginEntry(const std::string& name);
    void Write(std::string_view bytes);
    void EndEntry();
    // A whole entry whose data is deflated already.
    void CopyEntry(const std::string& name, const DeflatedEntry& entry);
    // Writes the central directory; the sink has the whole archive after it.
    void Finish();

private:
    struct Entry {
        std::string name;
        std::uint32_t crc = 0;
        std::uint64_t compressedSize = 0;
        std::uint64_t size = 0;
        std::uint64_t offset = 0;
    };
    struct Deflater;

    void Emit(std::string_view bytes);
    void EmitEntry(const Entry& entry, std::string_view data);
    void Deflate(std::string_view bytes, bool finish);
    void Consume(std::string_view bytes);  // counts, checks and deflates
    void FlushPending();

    Sink sink_;
    int level_;
    std::unique_ptr<Deflater> deflater_;
    std::vector<Entry> entries_;
    std::string compressed_;  // of the open entry
    bool open_ = false;
    std::uint64_t written_ = 0;
};

}  // namespace dorvane::embedded
