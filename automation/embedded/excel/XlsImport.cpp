#include "automation/embedded/excel/XlsImport.h"

#include <freexl.h>

#include <algorithm>

#include "automation/AutomationError.h"

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

}  // namespace

std::unique_ptr<WorkbookDocument> ImportXls(const fs::path& file, const std::string& member) {
    const std::string name = file.string();
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
