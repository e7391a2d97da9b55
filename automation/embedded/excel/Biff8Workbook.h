#pragma once

// What an Excel 97-2003 (BIFF8) workbook stream holds that the embedded
// Excel shows: its sheets in tab order with their visibility, and each
// cell's value with its number format. Formula cells give the result the
// workbook stored with them.

#include <string>
#include <vector>

#include "automation/excel/CellValue.h"

namespace dorvane::embedded::excel {

struct BiffCell {
    int row = 0, column = 0;  // from 1
    dorvane::excel::CellValue value;  // numbers stay numbers, dates included
    int xf = 0;                       // index into BiffWorkbook::xfFormats
};

struct BiffSheet {
    std::string name;
    bool hidden = false;
    std::vector<BiffCell> cells;
};

struct BiffWorkbook {
    std::vector<BiffSheet> sheets;
    // The number format of each cell format: a built-in format's number
    // (its code follows the reader's locale), or -1 and the code.
    struct Format {
        int builtinId = 0;
        std::string code;
    };
    std::vector<Format> xfFormats;
    bool date1904 = false;
    bool encrypted = false;
};

// True when the stream starts with the workbook-globals BOF of BIFF8.
bool IsBiff8Stream(const std::string& stream);

// Throws std::runtime_error saying what is damaged.
BiffWorkbook ReadBiff8(const std::string& stream);

}  // namespace dorvane::embedded::excel
