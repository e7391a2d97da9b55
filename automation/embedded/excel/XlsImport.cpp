#include "automation/embedded/excel/XlsImport.h"

#include <freexl.h>

#include <algorithm>
#include <cmath>

#include "automation/AutomationError.h"
#include "automation/embedded/excel/Biff8Workbook.h"
#include "automation/embedded/excel/CompoundFile.h"
#include "platform/Paths.h"

namespace dorvane::embedded::excel {

namespace fs = std::filesystem;
using dorvane::excel::CellValue;

namespace {

// The built-in formats given to imported dates and times.
constexpr int kDateFormat = 14, kDateTimeFormat = 22, kTimeFormat = 21;

class FreexlHandle {
public:
    ~FreexlHandle() {
        if (handle_) freexl_close(handle_);
    }
    const void** Out() { return &handle_; }
    const void* get() const { return handle_; }

private:
    const void* handle_ = nullptr;
};

std::string OpenFailure(int code) {
    switch (code) {
        case FREEXL_FILE_NOT_FOUND: return "the file could not be read";
        case FREEXL_INSUFFICIENT_MEMORY: return "not enough memory to read the workbook";
        case FREEXL_CRAFTED_FILE: return "the workbook is damaged (its structure is inconsistent)";
        case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return "the file holds no workbook stream";
        default: return "the workbook is damaged or not an Excel 97-2003 file (reader code " + std::to_string(code) + ")";
    }
}

struct ImportedCell {
    int row, column;
    CellValue value;
    int format = 0;  // built-in date format, 0 for none
};

std::optional<ImportedCell> ReadCellValue(const void* handle, unsigned row, unsigned short column) {
    FreeXL_CellValue v;
    if (freexl_get_cell_value(handle, row, column, &v) != FREEXL_OK) return std::nullopt;
    ImportedCell cell{static_cast<int>(row) + 1, static_cast<int>(column) + 1, {}, 0};
    switch (v.type) {
        case FREEXL_CELL_INT: cell.value = CellValue::Number(v.value.int_value); break;
        case FREEXL_CELL_DOUBLE: cell.value = CellValue::Number(v.value.double_value); break;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT: cell.value = CellValue::Text(v.value.text_value ? v.value.text_value : ""); break;
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
        case FREEXL_CELL_TIME: {
            std::string text = v.value.text_value ? v.value.text_value : "";
            std::replace(text.begin(), text.end(), ' ', 'T');  // "YYYY-MM-DD HH:MM:SS"
            auto serial = SerialFromIso(text);
            if (!serial) return std::nullopt;
            cell.value = CellValue::Date(*serial);
            cell.format = v.type == FREEXL_CELL_DATE ? kDateFormat
                          : v.type == FREEXL_CELL_TIME ? kTimeFormat : kDateTimeFormat;
            break;
        }
        default: return std::nullopt;
    }
    return cell;
}

void ImportSheet(const void* handle, unsigned short index, WorksheetXml& grid, CellContext& context,
                 const std::string& failure) {
    if (freexl_select_active_worksheet(handle, index) != FREEXL_OK) throw std::runtime_error(failure);
    unsigned rows = 0;
    unsigned short columns = 0;
    if (freexl_worksheet_dimensions(handle, &rows, &columns) != FREEXL_OK) throw std::runtime_error(failure);
    for (unsigned r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            auto cell = ReadCellValue(handle, r, c);
            if (!cell || cell->value.IsEmpty()) continue;
            pugi::xml_node node = grid.Ensure(cell->row, cell->column);
            WriteCell(node, cell->value, grid.names(), context);
            if (cell->format != 0) {
                if (!node.attribute("s")) node.append_attribute("s");
                node.attribute("s") = context.styles->DateFormatLike(0, cell->format);
            }
        }
    }
    grid.Touch();
}

// The workbook stream of a compound file when it is BIFF8, else nothing
// (Excel 5 and older files, and files the container reader cannot follow,
// are left to freexl).
std::optional<std::string> Biff8Stream(const fs::path& file) {
    try {
        auto stream = ReadCompoundStream(platform::ReadFile(file), u"Workbook");
        if (stream && IsBiff8Stream(*stream)) return stream;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

void WriteBiffCell(const BiffCell& cell, const std::vector<int>& styleOf, bool date1904, WorksheetXml& grid,
                   CellContext& context) {
    CellValue value = cell.value;
    std::size_t xf = static_cast<std::size_t>(cell.xf);
    int style = xf < styleOf.size() ? styleOf[xf] : 0;
    if (value.kind() == CellValue::Kind::Number) {
        if (!std::isfinite(value.AsNumber())) value = CellValue::Error("#NUM!");
        // The new workbook counts dates from 1900.
        else if (date1904 && context.styles->IsDate(style)) value = CellValue::Number(value.AsNumber() + 1462);
    }
    pugi::xml_node node = grid.Ensure(cell.row, cell.column);
    WriteCell(node, value, grid.names(), context);
    if (style != 0) {
        if (!node.attribute("s")) node.append_attribute("s");
        node.attribute("s") = style;
    }
}

std::unique_ptr<WorkbookDocument> ImportBiff8(const std::string& stream, const std::string& name,
                                              const std::string& member) {
    BiffWorkbook book;
    try {
        book = ReadBiff8(stream);
    } catch (const std::runtime_error& e) {
        throw AutomationError(member, name + ": the workbook is damaged (" + e.what() + ")");
    }
    if (book.encrypted)
        throw AutomationError(member, name + ": the workbook is password-protected (an encrypted "
                                             "Excel 97-2003 file); remove the password and open it again");
    if (book.sheets.empty()) throw AutomationError(member, name + ": the workbook is damaged (it lists no sheet)");
    std::vector<std::string> names;
    std::vector<bool> hidden;
    for (const auto& sheet : book.sheets) {
        names.push_back(sheet.name.empty() ? "Sheet" + std::to_string(names.size() + 1) : sheet.name);
        hidden.push_back(sheet.hidden);
    }
    auto document = WorkbookDocument::Create(names, hidden);
    CellContext& context = document->Context();
    std::vector<int> styleOf;
    for (const auto& format : book.xfFormats)
        styleOf.push_back(format.builtinId >= 0 ? context.styles->XfForBuiltinFormat(format.builtinId)
                                                : context.styles->XfForFormatCode(format.code));
    for (std::size_t i = 0; i < book.sheets.size(); ++i) {
        WorksheetXml& grid = *document->Sheets()[i].cells;
        for (const auto& cell : book.sheets[i].cells) WriteBiffCell(cell, styleOf, book.date1904, grid, context);
        grid.Touch();
    }
    return document;
}

}  // namespace

std::unique_ptr<WorkbookDocument> ImportXls(const fs::path& file, const std::string& member) {
    const std::string name = file.string();
    if (auto stream = Biff8Stream(file)) return ImportBiff8(*stream, name, member);
    FreexlHandle handle;
    int rc = freexl_open(file.c_str(), handle.Out());
    if (rc != FREEXL_OK) throw AutomationError(member, name + ": " + OpenFailure(rc));
    unsigned info = 0;
    if (freexl_get_info(handle.get(), FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED)
        throw AutomationError(member, name + ": the workbook is password-protected; remove the password and open it again");
    unsigned sheetCount = 0;
    freexl_get_info(handle.get(), FREEXL_BIFF_SHEET_COUNT, &sheetCount);
    if (sheetCount == 0 || sheetCount > 0xFFFF)
        throw AutomationError(member, name + ": the Excel 97-2003 workbook could not be read (the reader "
                                             "found no worksheet it can decode)");
    std::vector<std::string> names;
    for (unsigned i = 0; i < sheetCount; ++i) {
        const char* sheetName = nullptr;
        if (freexl_get_worksheet_name(handle.get(), static_cast<unsigned short>(i), &sheetName) != FREEXL_OK)
            sheetName = nullptr;
        names.push_back(sheetName && *sheetName ? sheetName : "Sheet" + std::to_string(i + 1));
    }
    auto document = WorkbookDocument::Create(names);
    const std::string failure = name + ": a sheet of the Excel 97-2003 workbook could not be read";
    try {
        for (unsigned i = 0; i < sheetCount; ++i)
            ImportSheet(handle.get(), static_cast<unsigned short>(i), *document->Sheets()[i].cells,
                        document->Context(), failure);
    } catch (const std::runtime_error& e) {
        if (dynamic_cast<const AutomationError*>(&e)) throw;
        throw AutomationError(member, e.what());
    }
    // The in-memory copy starts as read: nothing of it is "changed" yet.
    return document;
}

}  // namespace dorvane::embedded::excel
