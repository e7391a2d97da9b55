#pragma once

#include "automation/word/WordTypes.h"

namespace dorvane::word {

class Tables {
public:
    virtual ~Tables() = default;
    virtual int Count() const = 0;
    virtual Ref<Table> Item(int index) = 0;  // 1-based, document order
};

class Table {
public:
    virtual ~Table() = default;

    virtual void Select() = 0;
    virtual Ref<word::Range> Range() = 0;
    virtual Ref<word::Rows> Rows() = 0;
    virtual Ref<word::Columns> Columns() = 0;
    virtual Ref<word::Borders> Borders() = 0;
    // The cell of row `row` counting cells that exist in that row (a
    // horizontal merge counts once; cells covered by a vertical merge do
    // not exist below its top row). Throws when there is no such cell.
    virtual Ref<word::Cell> Cell(int row, int column) = 0;

    virtual int PreferredWidthType() const = 0;
    virtual void SetPreferredWidthType(int type) = 0;
    virtual double PreferredWidth() const = 0;  // points or percent
    virtual void SetPreferredWidth(double width) = 0;
    virtual bool AllowAutoFit() const = 0;
    virtual void SetAllowAutoFit(bool allow) = 0;
    virtual void AutoFitBehavior(int behavior) = 0;

    // Default cell margins of the table, in points.
    virtual double TopPadding() const = 0;
    virtual void SetTopPadding(double points) = 0;
    virtual double BottomPadding() const = 0;
    virtual void SetBottomPadding(double points) = 0;
    virtual double LeftPadding() const = 0;
    virtual void SetLeftPadding(double points) = 0;
    virtual double RightPadding() const = 0;
    virtual void SetRightPadding(double points) = 0;
};

// Rows of a table or of a selection.
class Rows {
public:
    virtual ~Rows() = default;
    virtual int Count() const = 0;
    // Throws when the table has vertically merged cells.
    virtual Ref<Row> Item(int index) = 0;

    virtual double LeftIndent() const = 0;  // points
    virtual void SetLeftIndent(double points) = 0;
    virtual int HeightRule() const = 0;  // wdUndefined when mixed
    virtual void SetHeightRule(int rule) = 0;
    virtual double Height() const = 0;  // points
    virtual void SetHeight(double points) = 0;
    // -1 true, 0 false, wdUndefined mixed.
    virtual int HeadingFormat() const = 0;
    virtual void SetHeadingFormat(bool repeat) = 0;
    // Deletes every row these rows stand for.
    virtual void Delete() = 0;
};

class Row {
public:
    virtual ~Row() = default;
    virtual int Index() const = 0;
    virtual void Select() = 0;
    virtual Ref<word::Range> Range() = 0;
    virtual Ref<word::Cells> Cells() = 0;
};

class Columns {
public:
    virtual ~Columns() = default;
    // Throws when the cells have mixed widths or are merged.
    virtual int Count() const = 0;
    // Throws when the table has cells of mixed widths.
    virtual Ref<Column> Item(int index) = 0;
};

class Column {
public:
    virtual ~Column() = default;
    virtual int Index() const = 0;
    virtual void Select() = 0;
    virtual Ref<word::Cells> Cells() = 0;
};

class Cells {
public:
    virtual ~Cells() = default;
    virtual int Count() const = 0;
    virtual Ref<Cell> Item(int index) = 0;  // 1-based, row by row
    virtual int VerticalAlignment() const = 0;
    virtual void SetVerticalAlignment(int alignment) = 0;
};

class Cell {
public:
    virtual ~Cell() = default;
    virtual int RowIndex() const = 0;
    virtual int ColumnIndex() const = 0;
    virtual Ref<word::Range> Range() = 0;
    virtual void Select() = 0;
    virtual int VerticalAlignment() const = 0;
    virtual void SetVerticalAlignment(int alignment) = 0;
    // This cell's own margins, in points.
    virtual double RightPadding() const = 0;
    virtual void SetRightPadding(double points) = 0;
};

}  // namespace dorvane::word
