#include "automation/embedded/excel/CompoundFile.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace dorvane::embedded::excel {

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kLastRegular = 0xFFFFFFFA;  // larger values are markers
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kDirectoryEntry = 128;

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
    if (at + 4 > bytes.size()) throw std::runtime_error("the compound file is cut short");
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

unsigned Read16(const std::string& bytes, std::size_t at) {
    if (at + 2 > bytes.size()) throw std::runtime_error("the compound file is cut short");
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

class Container {
public:
    explicit Container(const std::string& file) : file_(file) {
        unsigned shift = Read16(file, 30), miniShift = Read16(file, 32);
        if (shift != 9 && shift != 12) throw std::runtime_error("the compound file has an invalid sector size");
        if (miniShift != 6) throw std::runtime_error("the compound file has an invalid mini sector size");
        sectorSize_ = std::size_t{1} << shift;
        miniCutoff_ = Read32(file, 56);
        ReadFat();
    }

    std::string Chain(std::uint32_t first, const std::vector<std::uint32_t>& table, std::size_t unit,
                      const std::string& source, std::size_t base) const {
        std::string out;
        std::size_t steps = 0;
        for (std::uint32_t s = first; s != kEndOfChain; s = table[s]) {
            if (s > kLastRegular) break;
            if (s >= table.size() || ++steps > table.size())
                throw std::runtime_error("the compound file's sector chain is broken");
            std::size_t at = base + static_cast<std::size_t>(s) * unit;
            if (at + unit > source.size()) {
                if (at >= source.size()) throw std::runtime_error("the compound file is cut short");
                out.append(source, at, source.size() - at);  // the file's last sector may be short
            } else {
                out.append(source, at, unit);
            }
        }
        return out;
    }

    std::string Regular(std::uint32_t first) const { return Chain(first, fat_, sectorSize_, file_, sectorSize_); }

    std::optional<std::string> Stream(std::u16string_view name) const {
        std::string directory = Regular(Read32(file_, 48));
        if (directory.size() < kDirectoryEntry) throw std::runtime_error("the compound file has no directory");
        for (std::size_t at = 0; at + kDirectoryEntry <= directory.size(); at += kDirectoryEntry) {
            if (directory[at + 66] != 2 || !SameName(directory, at, name)) continue;  // 2: a stream
            std::uint32_t first = Read32(directory, at + 116);
            std::uint32_t size = Read32(directory, at + 120);
            std::string bytes = size < miniCutoff_ ? Mini(directory, first) : Regular(first);
            if (bytes.size() < size) throw std::runtime_error("a stream of the compound file is cut short");
            bytes.resize(size);
            return bytes;
        }
        return std::nullopt;
    }

private:
    void ReadFat() {
        std::vector<std::uint32_t> fatSectors;
        std::uint32_t fatCount = Read32(file_, 44);
        for (std::size_t i = 0; i < kHeaderDifatEntries && fatSectors.size() < fatCount; ++i)
            fatSectors.push_back(Read32(file_, 76 + 4 * i));
        // Further sector numbers of the table sit in a chain of DIFAT sectors,
        // each ending with the number of the next one.
        std::uint32_t difat = Read32(file_, 68);
        std::size_t perSector = sectorSize_ / 4 - 1, guard = 0;
        while (fatSectors.size() < fatCount && difat <= kLastRegular) {
            if (++guard > fatCount) throw std::runtime_error("the compound file's allocation table is broken");
            std::size_t at = sectorSize_ + static_cast<std::size_t>(difat) * sectorSize_;
            for (std::size_t i = 0; i < perSector && fatSectors.size() < fatCount; ++i)
                fatSectors.push_back(Read32(file_, at + 4 * i));
            difat = Read32(file_, at + 4 * perSector);
        }
        for (std::uint32_t sector : fatSectors) {
            std::size_t at = sectorSize_ + static_cast<std::size_t>(sector) * sectorSize_;
            if (sector > kLastRegular || at + sectorSize_ > file_.size())
                throw std::runtime_error("the compound file's allocation table is broken");
            for (std::size_t i = 0; i < sectorSize_; i += 4) fat_.push_back(Read32(file_, at + i));
        }
    }

    std::string Mini(const std::string& directory, std::uint32_t first) const {
        std::vector<std::uint32_t> miniFat;
        std::string table = Regular(Read32(file_, 60));
        for (std::size_t i = 0; i + 4 <= table.size(); i += 4) miniFat.push_back(Read32(table, i));
        std::string miniStream = Regular(Read32(directory, 116));  // the root entry's stream
        return Chain(first, miniFat, 64, miniStream, 0);
    }

    static bool SameName(const std::string& directory, std::size_t at, std::u16string_view name) {
        if (Read16(directory, at + 64) != (name.size() + 1) * 2) return false;
        for (std::size_t i = 0; i < name.size(); ++i) {
            char16_t c = static_cast<char16_t>(Read16(directory, at + 2 * i));
            auto lower = [](char16_t x) { return x >= u'A' && x <= u'Z' ? static_cast<char16_t>(x + 32) : x; };
            if (lower(c) != lower(name[i])) return false;
        }
        return true;
    }

    const std::string& file_;
    std::size_t sectorSize_ = 512;
    std::uint32_t miniCutoff_ = 4096;
    std::vector<std::uint32_t> fat_;
};

}  // namespace

std::optional<std::string> ReadCompoundStream(const std::string& file, std::u16string_view name) {
    if (file.size() < 512) throw std::runtime_error("the compound file is cut short");
    return Container(file).Stream(name);
}

}  // namespace dorvane::embedded::excel
