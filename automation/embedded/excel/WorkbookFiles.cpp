// Opening a workbook file: the format is told by the file's first bytes
// (a zip package is .xlsx content; a compound file is an .xls workbook or
// an encrypted .xlsx), never by its name.

#include <cstring>
#include <fstream>

#include "automation/AutomationError.h"
#include "automation/embedded/excel/ExcelObjects.h"
#include "automation/embedded/excel/XlsImport.h"
#include "platform/Paths.h"

namespace dorvane::embedded::excel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMember = "Workbooks.Open";
constexpr unsigned char kZipMagic[4] = {'P', 'K', 3, 4};
constexpr unsigned char kEmptyZipMagic[4] = {'P', 'K', 5, 6};
constexpr unsigned char kCompoundFileMagic[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

unsigned Read16(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// A compound file directory entry is 128 bytes: its name in UTF-16 at
// offset 0 and the name's byte length at offset 64. Entries lie at
// multiples of 128 after the 512-byte header.
bool HasStream(const std::string& bytes, std::u16string_view name) {
    std::size_t nameBytes = (name.size() + 1) * 2;
    for (std::size_t at = 512; at + 128 <= bytes.size(); at += 128) {
        if (Read16(bytes, at + 64) != nameBytes) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) same = Read16(bytes, at + 2 * i) == name[i];
        if (same) return true;
    }
    return false;
}

// An encrypted BIFF8 workbook: its workbook-globals BOF record is followed
// by a FILEPASS record (0x002F). Streams start at multiples of 64 bytes.
bool HasFilePass(const std::string& bytes) {
    static const unsigned char bof[] = {0x09, 0x08, 0x10, 0x00, 0x00, 0x06, 0x05, 0x00};
    for (std::size_t at = 512; at + 24 <= bytes.size(); at += 64) {
        if (std::memcmp(bytes.data() + at, bof, sizeof bof) != 0) continue;
        if (Read16(bytes, at + 20) == 0x002F) return true;
    }
    return false;
}

// Excel 2-4 workbooks are a bare BIFF stream: a BOF record first.
bool IsBareBiff(const std::string& bytes) {
    if (bytes.size() < 8) return false;
    unsigned record = Read16(bytes, 0), length = Read16(bytes, 2);
    return (record == 0x0009 || record == 0x0209 || record == 0x0409 || record == 0x0809) && length >= 4 &&
           length <= 20;
}

}  // namespace

std::unique_ptr<WorkbookDocument> OpenWorkbookFile(const fs::path& file, bool& fromXls) {
    std::string bytes;
    try {
        bytes = platform::ReadFile(file);
    } catch (const std::exception& e) {
        throw AutomationError(kMember, e.what());
    }
    const std::string name = file.string();
    fromXls = false;
    if (bytes.size() >= 4 && (std::memcmp(bytes.data(), kZipMagic, 4) == 0 ||
                              std::memcmp(bytes.data(), kEmptyZipMagic, 4) == 0))
        return WorkbookDocument::Open(file, kMember);
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), kCompoundFileMagic, 8) == 0) {
        if (HasStream(bytes, u"EncryptedPackage"))
            throw AutomationError(kMember, name + ": the workbook is password-protected (encrypted); "
                                                  "remove the password in Excel and open it again");
        if (HasFilePass(bytes))
            throw AutomationError(kMember, name + ": the workbook is password-protected (an encrypted "
                                                  "Excel 97-2003 file); remove the password and open it again");
        fromXls = true;
        return ImportXls(file, kMember);
    }
    if (IsBareBiff(bytes)) {
        fromXls = true;
        return ImportXls(file, kMember);
    }
    throw AutomationError(kMember, name + ": is not a workbook (neither an .xlsx nor an .xls file)");
}

}  // namespace dorvane::embedded::excel
