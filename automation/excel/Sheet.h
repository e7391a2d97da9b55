#pragma once

#include <string>

#include "automation/excel/ExcelTypes.h"

namespace dorvane::excel {

class Sheets {
public:
    virtual ~Sheets() = default;
    virtual int Count() const = 0;
    virtual Ref<Sheet> Item(int index) = 0;  // 1-based, tab order
};

class Sheet {
public:
    virtual ~Sheet() = default;

    virtual std::string Name() const = 0;
    virtual bool IsWorksheet() const = 0;  // false for a chart sheet
    virtual bool Visible() const = 0;

    // Row and column from 1; throws beyond 1048576 rows or 16384 columns.
    virtual Ref<excel::Range> Cells(int row, int column) = 0;
    // An address such as "A1:D10", "B2", "A1:B2,D4:E5" or "A:Z".
    virtual Ref<excel::Range> Range(const std::string& address) = 0;
    virtual Ref<excel::Range> UsedRange() = 0;
    // Columns("A:Z").
    virtual Ref<excel::Range> Columns(const std::string& address) = 0;
    // Column width in points of column `column` (1-based).
    virtual double ColumnWidth(int column) const = 0;

    virtual void Activate() = 0;
};

}  // namespace dorvane::excel
