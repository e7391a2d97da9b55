#pragma once

#include <string>
#include <vector>

#include "automation/excel/CellValue.h"
#include "automation/excel/ExcelTypes.h"

namespace dorvane::excel {

class Range {
public:
    virtual ~Range() = default;

    // Of the first cell of the range.
    virtual CellValue Value() const = 0;
    // Sets every cell of the range; a formula there is replaced.
    virtual void SetValue(const CellValue& value) = 0;
    // The first cell's value as its number format displays it.
    virtual std::string Text() const = 0;

    virtual int Row() const = 0;     // first row of the first area
    virtual int Column() const = 0;  // first column of the first area
    virtual int Count() const = 0;   // number of cells
    virtual std::string Address() const = 0;  // e.g. "$A$1:$D$10"
    virtual Ref<excel::Sheet> Worksheet() = 0;

    // Every cell, area by area, row by row.
    virtual std::vector<Ref<Range>> Cells() = 0;

    virtual void ClearContents() = 0;
    // Puts the range on the program's clipboard as a grid of displayed
    // texts with the columns' widths.
    virtual void Copy() = 0;
    // Makes this range the selection (its sheet becomes the active sheet).
    virtual void Select() = 0;
    virtual Ref<Range> EntireColumn() = 0;
    // Fits the columns' widths to their contents.
    virtual void AutoFit() = 0;
};

}  // namespace dorvane::excel
