// The Table object.

#include "automation/AutomationError.h"
#include "automation/embedded/word/Handles.h"
#include "automation/embedded/word/TableFormat.h"

namespace dorvane::embedded::word {

namespace {

class TableImpl : public w::Table {
public:
    TableImpl(DocPtr doc, pugi::xml_node table) : doc_(std::move(doc)), table_(table), since_(doc_->Generation()) {}

    void Select() override { doc_->selection = Self("Table.Select"); }
    w::Ref<w::Range> Range() override { return MakeRange(doc_, Self("Table.Range")); }
    w::Ref<w::Rows> Rows() override {
        const TableGrid& grid = doc_->Grid(Live("Table.Rows"));
        return MakeRows(doc_, table_, 0, grid.RowCount() - 1);
    }
    w::Ref<w::Columns> Columns() override {
        const TableGrid& grid = doc_->Grid(Live("Table.Columns"));
        return MakeColumns(doc_, table_, grid.Whole(), false);
    }
    w::Ref<w::Borders> Borders() override { return MakeBorders(doc_, Self("Table.Borders")); }
    w::Ref<w::Cell> Cell(int row, int column) override {
        const TableGrid& grid = doc_->Grid(Live("Table.Cell"));
        const GridCell* cell = grid.Existing(row - 1, column);
        if (!cell) throw AutomationError("Table.Cell", "the requested member of the collection does not exist");
        return MakeCell(doc_, cell->tc);
    }

    int PreferredWidthType() const override {
        return tablefmt::PreferredWidthType(*doc_, Live("Table.PreferredWidthType"));
    }
    void SetPreferredWidthType(int type) override {
        tablefmt::SetPreferredWidthType(*doc_, Live("Table.PreferredWidthType"), type);
    }
    double PreferredWidth() const override { return tablefmt::PreferredWidth(*doc_, Live("Table.PreferredWidth")); }
    void SetPreferredWidth(double width) override {
        tablefmt::SetPreferredWidth(*doc_, Live("Table.PreferredWidth"), width);
    }
    bool AllowAutoFit() const override { return tablefmt::AllowAutoFit(*doc_, Live("Table.AllowAutoFit")); }
    void SetAllowAutoFit(bool allow) override { tablefmt::SetAllowAutoFit(*doc_, Live("Table.AllowAutoFit"), allow); }
    void AutoFitBehavior(int behavior) override {
        tablefmt::AutoFitBehavior(*doc_, Live("Table.AutoFitBehavior"), behavior);
    }

    double TopPadding() const override { return Margin("Table.TopPadding", Side::Top); }
    void SetTopPadding(double points) override { SetMargin("Table.TopPadding", Side::Top, points); }
    double BottomPadding() const override { return Margin("Table.BottomPadding", Side::Bottom); }
    void SetBottomPadding(double points) override { SetMargin("Table.BottomPadding", Side::Bottom, points); }
    double LeftPadding() const override { return Margin("Table.LeftPadding", Side::Left); }
    void SetLeftPadding(double points) override { SetMargin("Table.LeftPadding", Side::Left, points); }
    double RightPadding() const override { return Margin("Table.RightPadding", Side::Right); }
    void SetRightPadding(double points) override { SetMargin("Table.RightPadding", Side::Right, points); }

private:
    pugi::xml_node Live(const char* member) const {
        doc_->RequireAlive(table_, since_, NodeKind::Structure, member);
        return table_;
    }
    Target Self(const char* member) const {
        Target t = Target::Of(Target::Kind::Table, Live(member));
        t.generation = since_;
        return t;
    }
    double Margin(const char* member, Side side) const { return tablefmt::CellMargin(*doc_, Live(member), side); }
    void SetMargin(const char* member, Side side, double points) {
        if (!(points >= 0) || points > 1584) throw AutomationError(member, "the value is out of range");
        tablefmt::SetCellMargin(*doc_, Live(member), side, points);
    }

    DocPtr doc_;
    pugi::xml_node table_;
    unsigned long since_;
};

}  // namespace

w::Ref<w::Table> MakeTable(DocPtr doc, pugi::xml_node table) {
    return std::make_shared<TableImpl>(std::move(doc), table);
}

}  // namespace dorvane::embedded::word
