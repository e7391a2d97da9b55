// Tables, rows, columns and cells.

#include "automation/AutomationError.h"
#include "automation/embedded/word/Blocks.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/TableFormat.h"

namespace dorvane::embedded::word {

namespace {

constexpr const char* kNoSuchMember = "the requested member of the collection does not exist";

// A table node with the generation it was taken at.
class TableRef {
public:
    TableRef(DocPtr doc, pugi::xml_node table) : doc_(std::move(doc)), table_(table), since_(doc_->Generation()) {}

protected:
    pugi::xml_node Live(const char* member) const {
        doc_->RequireAlive(table_, since_, NodeKind::Structure, member);
        return table_;
    }
    const TableGrid& Grid(const char* member) const { return doc_->Grid(Live(member)); }

    DocPtr doc_;
    pugi::xml_node table_;
    unsigned long since_;
};

class TablesImpl : public w::Tables {
public:
    TablesImpl(DocPtr doc, std::vector<pugi::xml_node> tables)
        : doc_(std::move(doc)), tables_(std::move(tables)), since_(doc_->Generation()) {}

    int Count() const override {
        doc_->CheckOpen("Tables.Count");
        return static_cast<int>(tables_.size());
    }
    w::Ref<w::Table> Item(int index) override {
        doc_->CheckOpen("Tables.Item");
        if (index < 1 || index > static_cast<int>(tables_.size())) throw AutomationError("Tables.Item", kNoSuchMember);
        pugi::xml_node table = tables_[static_cast<std::size_t>(index - 1)];
        doc_->RequireAlive(table, since_, NodeKind::Structure, "Tables.Item");
        return MakeTable(doc_, table);
    }

private:
    DocPtr doc_;
    std::vector<pugi::xml_node> tables_;
    unsigned long since_;
};

class CellImpl : public w::Cell {
public:
    CellImpl(DocPtr doc, pugi::xml_node cell) : doc_(std::move(doc)), cell_(cell), since_(doc_->Generation()) {}

    int RowIndex() const override { return Where("Cell.RowIndex").row + 1; }
    int ColumnIndex() const override { return Where("Cell.ColumnIndex").index; }
    w::Ref<w::Range> Range() override { return MakeRange(doc_, Self("Cell.Range")); }
    void Select() override { doc_->selection = Self("Cell.Select"); }
    int VerticalAlignment() const override {
        return tablefmt::VerticalAlignment(*doc_, Live("Cell.VerticalAlignment"));
    }
    void SetVerticalAlignment(int alignment) override {
        tablefmt::SetVerticalAlignment(*doc_, Live("Cell.VerticalAlignment"), alignment);
    }
    double RightPadding() const override {
        return tablefmt::CellPadding(*doc_, Live("Cell.RightPadding"), Side::Right);
    }
    void SetRightPadding(double points) override {
        tablefmt::SetCellPadding(*doc_, Live("Cell.RightPadding"), Side::Right, points);
    }

private:
    pugi::xml_node Live(const char* member) const {
        doc_->RequireAlive(cell_, since_, NodeKind::Structure, member);
        return cell_;
    }
    Target Self(const char* member) const {
        Target t = Target::Of(Target::Kind::Cell, Live(member));
        t.generation = since_;
        return t;
    }
    const GridCell& Where(const char* member) const {
        pugi::xml_node cell = Live(member);
        pugi::xml_node table = EnclosingTable(doc_->N(), cell);
        const GridCell* found = table ? doc_->Grid(table).Find(cell) : nullptr;
        if (!found) throw AutomationError(member, "the cell is not in a table");
        return *found;
    }

    DocPtr doc_;
    pugi::xml_node cell_;
    unsigned long since_;
};

class CellsImpl : public w::Cells {
public:
    CellsImpl(DocPtr doc, std::vector<pugi::xml_node> cells)
        : doc_(std::move(doc)), cells_(std::move(cells)), since_(doc_->Generation()) {}

    int Count() const override {
        doc_->CheckOpen("Cells.Count");
        return static_cast<int>(cells_.size());
    }
    w::Ref<w::Cell> Item(int index) override {
        if (index < 1 || index > static_cast<int>(cells_.size())) throw AutomationError("Cells.Item", kNoSuchMember);
        pugi::xml_node cell = cells_[static_cast<std::size_t>(index - 1)];
        doc_->RequireAlive(cell, since_, NodeKind::Structure, "Cells.Item");
        return MakeCell(doc_, cell);
    }
    int VerticalAlignment() const override {
        int value = -1;
        for (pugi::xml_node cell : cells_) {
            doc_->RequireAlive(cell, since_, NodeKind::Structure, "Cells.VerticalAlignment");
            int v = tablefmt::VerticalAlignment(*doc_, cell);
            if (value >= 0 && v != value) return w::wdUndefined;
            value = v;
        }
        return value < 0 ? w::wdCellAlignVerticalTop : value;
    }
    void SetVerticalAlignment(int alignment) override {
        for (pugi::xml_node cell : cells_) {
            doc_->RequireAlive(cell, since_, NodeKind::Structure, "Cells.VerticalAlignment");
            tablefmt::SetVerticalAlignment(*doc_, cell, alignment);
        }
    }

private:
    DocPtr doc_;
    std::vector<pugi::xml_node> cells_;
    unsigned long since_;
};

std::vector<pugi::xml_node> CellNodes(const std::vector<const GridCell*>& cells) {
    std::vector<pugi::xml_node> out;
    out.reserve(cells.size());
    for (const GridCell* cell : cells) out.push_back(cell->tc);
    return out;
}

class RowImpl : public w::Row, private TableRef {
public:
    RowImpl(DocPtr doc, pugi::xml_node table, int row) : TableRef(std::move(doc), table), row_(row) {}

    int Index() const override { return row_ + 1; }
    void Select() override { doc_->selection = Self("Row.Select"); }
    w::Ref<w::Range> Range() override { return MakeRange(doc_, Self("Row.Range")); }
    w::Ref<w::Cells> Cells() override {
        Target t = Self("Row.Cells");
        return MakeCells(doc_, CellNodes(doc_->Grid(table_).CellsIn(t.rect)));
    }

private:
    Target Self(const char* member) const {
        const TableGrid& grid = Grid(member);
        if (row_ >= grid.RowCount()) throw AutomationError(member, "the row has been deleted");
        Target t = Target::BlockOf(table_, grid.Expand({row_, 0, row_, grid.ColumnCount() - 1}));
        t.generation = since_;
        return t;
    }
    int row_;
};

class RowsImpl : public w::Rows, private TableRef {
public:
    RowsImpl(DocPtr doc, pugi::xml_node table, int row1, int row2)
        : TableRef(std::move(doc), table), row1_(row1), row2_(row2) {}

    int Count() const override {
        Live("Rows.Count");
        return row2_ - row1_ + 1;
    }
    w::Ref<w::Row> Item(int index) override {
        const TableGrid& grid = Grid("Rows.Item");
        if (grid.HasVerticalMerge())
            throw AutomationError("Rows.Item",
                                  "cannot access individual rows in this collection because the table has "
                                  "vertically merged cells");
        if (index < 1 || row1_ + index - 1 > row2_) throw AutomationError("Rows.Item", kNoSuchMember);
        return std::make_shared<RowImpl>(doc_, table_, row1_ + index - 1);
    }
    double LeftIndent() const override { return tablefmt::LeftIndent(*doc_, Live("Rows.LeftIndent")); }
    void SetLeftIndent(double points) override {
        tablefmt::SetLeftIndent(*doc_, Live("Rows.LeftIndent"), points);
    }
    int HeightRule() const override {
        return Common("Rows.HeightRule", [&](pugi::xml_node row) { return tablefmt::HeightRule(*doc_, row); });
    }
    void SetHeightRule(int rule) override {
        if (rule < w::wdRowHeightAuto || rule > w::wdRowHeightExactly)
            throw AutomationError("Rows.HeightRule", "the value is out of range");
        ForEach("Rows.HeightRule", [&](pugi::xml_node row) { tablefmt::SetHeightRule(*doc_, row, rule); });
    }
    double Height() const override {
        double value = -1;
        bool mixed = false;
        ForEach("Rows.Height", [&](pugi::xml_node row) {
            double h = tablefmt::Height(*doc_, row);
            if (value >= 0 && h != value) mixed = true;
            value = h;
        });
        return mixed ? w::wdUndefined : value;
    }
    void SetHeight(double points) override {
        if (!(points >= 0) || points > 1584) throw AutomationError("Rows.Height", "the value is out of range");
        ForEach("Rows.Height", [&](pugi::xml_node row) { tablefmt::SetHeight(*doc_, row, points); });
    }
    int HeadingFormat() const override {
        return Common("Rows.HeadingFormat",
                      [&](pugi::xml_node row) { return tablefmt::HeadingFormat(*doc_, row) ? w::wdTrue : w::wdFalse; });
    }
    void SetHeadingFormat(bool repeat) override {
        ForEach("Rows.HeadingFormat", [&](pugi::xml_node row) { tablefmt::SetHeadingFormat(*doc_, row, repeat); });
    }
    void Delete() override {
        pugi::xml_node table = Live("Rows.Delete");
        long where = tablefmt::DeleteRows(*doc_, table, row1_, row2_);
        doc_->selection = Target::Span(where, where);
    }

private:
    template <class F>
    void ForEach(const char* member, F&& f) const {
        const TableGrid& grid = Grid(member);
        for (int r = row1_; r <= row2_ && r < grid.RowCount(); ++r) f(grid.Row(r));
    }
    template <class F>
    int Common(const char* member, F&& f) const {
        int value = 0;
        bool first = true;
        bool mixed = false;
        ForEach(member, [&](pugi::xml_node row) {
            int v = f(row);
            if (!first && v != value) mixed = true;
            value = v;
            first = false;
        });
        return mixed ? w::wdUndefined : value;
    }

    int row1_, row2_;
};

class ColumnImpl : public w::Column, private TableRef {
public:
    ColumnImpl(DocPtr doc, pugi::xml_node table, int column) : TableRef(std::move(doc), table), column_(column) {}

    int Index() const override { return column_ + 1; }
    void Select() override { doc_->selection = Self("Column.Select"); }
    w::Ref<w::Cells> Cells() override {
        Target t = Self("Column.Cells");
        return MakeCells(doc_, CellNodes(doc_->Grid(table_).CellsIn(t.rect)));
    }

private:
    Target Self(const char* member) const {
        const TableGrid& grid = Grid(member);
        if (column_ >= grid.ColumnCount()) throw AutomationError(member, "the column has been deleted");
        Target t = Target::BlockOf(table_, grid.Expand({0, column_, grid.RowCount() - 1, column_}));
        t.generation = since_;
        return t;
    }
    int column_;
};

class ColumnsImpl : public w::Columns, private TableRef {
public:
    ColumnsImpl(DocPtr doc, pugi::xml_node table, GridRect rect, bool fromRange)
        : TableRef(std::move(doc), table), rect_(rect), fromRange_(fromRange) {}

    int Count() const override {
        const TableGrid& grid = Grid("Columns.Count");
        if (!fromRange_) return grid.ColumnCount();
        if (grid.HasMergedOrMixed(rect_))
            throw AutomationError("Columns.Count",
                                  "cannot access individual columns in this collection because the selection "
                                  "holds merged cells or cells of mixed widths");
        return rect_.column2 - rect_.column1 + 1;
    }
    w::Ref<w::Column> Item(int index) override {
        const TableGrid& grid = Grid("Columns.Item");
        if (grid.HasMixedWidths())
            throw AutomationError("Columns.Item",
                                  "cannot access individual columns in this collection because the table has "
                                  "mixed cell widths");
        if (index < 1 || rect_.column1 + index - 1 > rect_.column2) throw AutomationError("Columns.Item", kNoSuchMember);
        return std::make_shared<ColumnImpl>(doc_, table_, rect_.column1 + index - 1);
    }

private:
    GridRect rect_;
    bool fromRange_;
};

}  // namespace

w::Ref<w::Tables> MakeTables(DocPtr doc, std::vector<pugi::xml_node> tables) {
    return std::make_shared<TablesImpl>(std::move(doc), std::move(tables));
}
w::Ref<w::Rows> MakeRows(DocPtr doc, pugi::xml_node table, int row1, int row2) {
    return std::make_shared<RowsImpl>(std::move(doc), table, row1, row2);
}
w::Ref<w::Columns> MakeColumns(DocPtr doc, pugi::xml_node table, GridRect rect, bool fromRange) {
    return std::make_shared<ColumnsImpl>(std::move(doc), table, rect, fromRange);
}
w::Ref<w::Cells> MakeCells(DocPtr doc, std::vector<pugi::xml_node> cells) {
    return std::make_shared<CellsImpl>(std::move(doc), std::move(cells));
}
w::Ref<w::Cell> MakeCell(DocPtr doc, pugi::xml_node cell) { return std::make_shared<CellImpl>(std::move(doc), cell); }

}  // namespace dorvane::embedded::word
