#include "automation/embedded/excel/Biff8Workbook.h"

#include <cstring>
#include <map>
#include <stdexcept>

#include "automation/embedded/excel/BiffRecords.h"
#include "automation/embedded/excel/NumberFormat.h"

namespace dorvane::embedded::excel {

using dorvane::excel::CellValue;

namespace {

enum Record : unsigned {
    kBof = 0x0809, kEof = 0x000A, kBoundSheet = 0x0085, kSst = 0x00FC, kFormat = 0x041E, kXf = 0x00E0,
    kDateMode = 0x0022, kFilePass = 0x002F, kNumber = 0x0203, kRk = 0x027E, kMulRk = 0x00BD,
    kLabelSst = 0x00FD, kLabel = 0x0204, kRString = 0x00D6, kBoolErr = 0x0205, kFormula = 0x0006,
    kString = 0x0207, kSharedFormula = 0x04BC, kArray = 0x0221, kTable = 0x0236,
};
constexpr unsigned kBiff8 = 0x0600, kGlobalsSubstream = 0x0005;
constexpr unsigned kChartSheet = 0x02, kVisualBasicModule = 0x06;
constexpr int kMaxRows = 65536, kMaxColumns = 256;

std::string ErrorText(unsigned code) {
    switch (code) {
        case 0x00: return "#NULL!";
        case 0x07: return "#DIV/0!";
        case 0x0F: return "#VALUE!";
        case 0x17: return "#REF!";
        case 0x1D: return "#NAME?";
        case 0x24: return "#NUM!";
        default: return "#N/A";
    }
}

// An RK number: a 30-bit integer or the top 30 bits of a double, either
// perhaps multiplied by 100.
double RkValue(std::uint32_t rk) {
    double value;
    if (rk & 0x02) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return rk & 0x01 ? value / 100 : value;
}

struct SheetEntry {
    std::uint32_t offset;
    bool cells;  // false for chart sheets, whose records are no cells
    BiffSheet sheet;
};

class Reader {
public:
    explicit Reader(const std::string& stream) : stream_(stream) {}

    BiffWorkbook Read() {
        ReadGlobals();
        if (!book_.encrypted) {
            for (auto& entry : entries_) {
                if (entry.cells) ReadSheet(entry);
                book_.sheets.push_back(std::move(entry.sheet));
            }
        }
        return std::move(book_);
    }

private:
    void ReadGlobals() {
        BiffRecordReader records(stream_, 0);
        BiffRecord record;
        std::map<unsigned, std::string> codes;
        std::vector<unsigned> xfFormatIds;
        while (records.Next(record) && record.type != kEof) {
            BiffCursor data(record);
            switch (record.type) {
                case kFilePass: book_.encrypted = true; return;
                case kDateMode: book_.date1904 = data.U16() == 1; break;
                case kBoundSheet: ReadBoundSheet(data); break;
                case kSst: ReadSharedStrings(data); break;
                case kFormat: ReadFormat(data, codes); break;
                case kXf: data.Skip(2); xfFormatIds.push_back(data.U16()); break;
                default: break;
            }
        }
        for (unsigned id : xfFormatIds) {
            auto it = codes.find(id);
            if (it != codes.end()) book_.xfFormats.push_back({-1, it->second});
            else book_.xfFormats.push_back({static_cast<int>(id), BuiltinFormatCode(static_cast<int>(id))});
        }
    }

    // Some programs write format records Excel cannot have written; the
    // cells then show the built-in format of that number, or General.
    static void ReadFormat(BiffCursor& data, std::map<unsigned, std::string>& codes) {
        unsigned id = data.U16();
        try {
            codes[id] = data.String16();
        } catch (const std::runtime_error&) {
        }
    }

    void ReadBoundSheet(BiffCursor& data) {
        SheetEntry entry{data.U32(), true, {}};
        unsigned state = data.U8(), type = data.U8();
        if (type == kVisualBasicModule) return;
        entry.cells = type != kChartSheet;
        entry.sheet.hidden = (state & 0x03) != 0;
        entry.sheet.name = data.String8();
        if (entry.offset >= stream_.size()) throw std::runtime_error("a sheet lies outside the workbook stream");
        entries_.push_back(std::move(entry));
    }

    void ReadSharedStrings(BiffCursor& data) {
        data.Skip(4);  // references in the workbook
        std::uint32_t count = data.U32();
        for (std::uint32_t i = 0; i < count && !data.AtEnd(); ++i) strings_.push_back(data.String16());
    }

    void ReadSheet(SheetEntry& entry) {
        BiffRecordReader records(stream_, entry.offset);
        BiffRecord record;
        const std::string where = "sheet \"" + entry.sheet.name + "\"";
        if (!records.Next(record) || record.type != kBof)
            throw std::runtime_error(where + " does not start where the workbook says");
        bool stringResultPending = false;
        int embedded = 0;  // depth inside a chart drawn on the sheet
        while (records.Next(record)) {
            if (record.type == kBof) ++embedded;
            if (record.type == kEof && embedded-- == 0) return;
            if (embedded > 0 || record.type == kEof) continue;
            BiffCursor data(record);
            try {
                if (record.type == kString && stringResultPending) {
                    entry.sheet.cells.back().value = CellValue::Text(data.String16());
                    stringResultPending = false;
                } else if (!IsFormulaDefinition(record.type)) {
                    stringResultPending = ReadCellRecord(record.type, data, entry.sheet.cells);
                }
            } catch (const std::runtime_error& e) {
                throw std::runtime_error(where + ": " + e.what());
            }
        }
        throw std::runtime_error(where + " is cut short");
    }

    // A shared or array formula's definition may stand between a formula
    // and its text result.
    static bool IsFormulaDefinition(unsigned type) {
        return type == kSharedFormula || type == kArray || type == kTable;
    }

    // Adds the cells of a cell record; true when it is a formula whose text
    // result follows in a STRING record.
    bool ReadCellRecord(unsigned type, BiffCursor& data, std::vector<BiffCell>& cells) {
        switch (type) {
            case kNumber: {
                BiffCell cell = Position(data);
                cell.value = CellValue::Number(data.F64());
                cells.push_back(std::move(cell));
                return false;
            }
            case kRk: {
                BiffCell cell = Position(data);
                cell.value = CellValue::Number(RkValue(data.U32()));
                cells.push_back(std::move(cell));
                return false;
            }
            case kMulRk: ReadMulRk(data, cells); return false;
            case kLabelSst: {
                BiffCell cell = Position(data);
                std::uint32_t index = data.U32();
                if (index >= strings_.size()) throw std::runtime_error("a cell names a missing shared text");
                cell.value = CellValue::Text(strings_[index]);
                cells.push_back(std::move(cell));
                return false;
            }
            case kLabel:
            case kRString: {
                BiffCell cell = Position(data);
                cell.value = CellValue::Text(data.String16());
                cells.push_back(std::move(cell));
                return false;
            }
            case kBoolErr: {
                BiffCell cell = Position(data);
                unsigned value = data.U8(), isError = data.U8();
                cell.value = isError ? CellValue::Error(ErrorText(value)) : CellValue::Boolean(value != 0);
                cells.push_back(std::move(cell));
                return false;
            }
            case kFormula: return ReadFormulaResult(data, cells);
            default: return false;
        }
    }

    BiffCell Position(BiffCursor& data) {
        BiffCell cell;
        cell.row = static_cast<int>(data.U16()) + 1;
        cell.column = static_cast<int>(data.U16()) + 1;
        cell.xf = static_cast<int>(data.U16());
        if (cell.row > kMaxRows || cell.column > kMaxColumns) throw std::runtime_error("a cell lies outside the sheet");
        return cell;
    }

    void ReadMulRk(BiffCursor& data, std::vector<BiffCell>& cells) {
        int row = static_cast<int>(data.U16()) + 1;
        int column = static_cast<int>(data.U16()) + 1;
        // Pairs of (format, RK) up to the last column's number at the end.
        std::vector<std::pair<unsigned, std::uint32_t>> values;
        while (true) {
            unsigned xfOrLast = data.U16();
            if (data.AtEnd()) break;  // that was the last column number
            values.emplace_back(xfOrLast, data.U32());
        }
        for (const auto& [xf, rk] : values) {
            if (column > kMaxColumns) throw std::runtime_error("a cell lies outside the sheet");
            cells.push_back({row, column++, CellValue::Number(RkValue(rk)), static_cast<int>(xf)});
        }
    }

    // The result stored with a formula: a number, or (marked by 0xFFFF in
    // its last two bytes) a text, boolean, error or empty text.
    bool ReadFormulaResult(BiffCursor& data, std::vector<BiffCell>& cells) {
        BiffCell cell = Position(data);
        unsigned char bytes[8];
        for (auto& b : bytes) b = static_cast<unsigned char>(data.U8());
        bool special = bytes[6] == 0xFF && bytes[7] == 0xFF;
        bool textFollows = false;
        if (!special) {
            double value;
            std::memcpy(&value, bytes, sizeof value);
            cell.value = CellValue::Number(value);
        } else if (bytes[0] == 0) {
            cell.value = CellValue::Text("");  // replaced by the STRING record
            textFollows = true;
        } else if (bytes[0] == 1) {
            cell.value = CellValue::Boolean(bytes[2] != 0);
        } else if (bytes[0] == 2) {
            cell.value = CellValue::Error(ErrorText(bytes[2]));
        } else {
            cell.value = CellValue::Text("");
        }
        cells.push_back(std::move(cell));
        return textFollows;
    }

    const std::string& stream_;
    BiffWorkbook book_;
    std::vector<SheetEntry> entries_;
    std::vector<std::string> strings_;
};

}  // namespace

bool IsBiff8Stream(const std::string& stream) {
    if (stream.size() < 8) return false;
    auto u16 = [&](std::size_t at) {
        return static_cast<unsigned char>(stream[at]) | static_cast<unsigned char>(stream[at + 1]) << 8;
    };
    return u16(0) == kBof && u16(4) == kBiff8 && u16(6) == kGlobalsSubstream;
}

BiffWorkbook ReadBiff8(const std::string& stream) {
    return Reader(stream).Read();
}

}  // namespace dorvane::embedded::excel
