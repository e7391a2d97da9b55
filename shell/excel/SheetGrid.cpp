#include "shell/excel/SheetGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "shell/excel/SheetModel.h"

namespace dorvane::shell {

namespace {

namespace grid = embedded::grid;
using grid::CellArea;

// Excel's default row is 15 points; points become pixels at 96 per inch.
constexpr int kRowHeightPixels = 20;
constexpr int kColumnsAddedAtRightEnd = 10;

int PointsToPixels(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

CellArea AreaOf(const QItemSelectionRange& range) {
    return CellArea{range.top() + 1, range.left() + 1, range.bottom() + 1, range.right() + 1};
}

}  // namespace

QString AreasAddress(const std::vector<CellArea>& areas) {
    QStringList parts;
    for (const auto& area : areas) parts << QString::fromStdString(embedded::excel::AreaReference(area));
    return parts.join(QLatin1Char(','));
}

SheetGrid::SheetGrid(QWidget* parent) : QTableView(parent), model_(new SheetModel(this)) {
    setModel(model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeightPixels);
    horizontalHeader()->setHighlightSections(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!showingSheetSelection_) WriteSelection();
        AnnounceSelection();
    });
    connect(model_, &SheetModel::entryRefused, this, &SheetGrid::changeRefused);
    connect(model_, &QAbstractItemModel::columnsInserted, this, [this] { ApplyColumnWidths(widthsApplied_); });
}

const excel::Ref<excel::Sheet>& SheetGrid::Sheet() const { return model_->Sheet(); }

void SheetGrid::SetSheet(excel::Ref<excel::Sheet> sheet) {
    widthsApplied_ = 0;
    clearSpans();
    model_->SetSheet(std::move(sheet));
    ApplyColumnWidths(0);
    ApplyMerges();
    ShowSheetSelection();
    // The selected cell comes into view once the grid has its size.
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    QTimer::singleShot(0, this, [this] { scrollTo(currentIndex()); });
}

void SheetGrid::Refresh() {
    model_->Refresh();
    ApplyColumnWidths(0);
    ShowSheetSelection();
    viewport()->update();
}

void SheetGrid::ApplyColumnWidths(int from) {
    const auto& sheet = Sheet();
    if (!sheet) return;
    const int columns = model_->columnCount();
    try {
        for (int c = from; c < columns; ++c) {
            const int pixels = PointsToPixels(grid::ColumnWidth(*sheet, c + 1));
            setColumnHidden(c, pixels == 0);
            if (pixels > 0 && columnWidth(c) != pixels) setColumnWidth(c, pixels);
        }
    } catch (const std::exception&) {
        return;  // a chart sheet, or a closed workbook
    }
    widthsApplied_ = columns;
}

// Merged cells never change through the object model: set once per sheet.
void SheetGrid::ApplyMerges() {
    const auto& sheet = Sheet();
    if (!sheet) return;
    std::vector<CellArea> merged;
    try {
        merged = grid::MergedAreas(*sheet);
    } catch (const std::exception&) {
        return;
    }
    for (const auto& area : merged) {
        if (area.top > model_->rowCount() || area.left > model_->columnCount()) continue;
        const int rows = std::min(area.bottom, model_->rowCount()) - area.top + 1;
        const int columns = std::min(area.right, model_->columnCount()) - area.left + 1;
        if (rowSpan(area.top - 1, area.left - 1) != rows || columnSpan(area.top - 1, area.left - 1) != columns)
            setSpan(area.top - 1, area.left - 1, rows, columns);
    }
}

std::vector<CellArea> SheetGrid::SelectedAreas() const {
    std::vector<CellArea> areas;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.isValid()) areas.push_back(AreaOf(range));
    return areas;
}

// The sheet's selection shown in the grid (clipped to the grid's extent),
// unless it is already what the grid shows.
void SheetGrid::ShowSheetSelection() {
    const auto& sheet = Sheet();
    if (!sheet) return;
    std::vector<CellArea> areas;
    try {
        areas = grid::Selection(*sheet);
    } catch (const std::exception&) {
        return;
    }
    if (areas.empty() || areas == SelectedAreas()) return;
    QItemSelection selection;
    for (const auto& area : areas) {
        const int bottom = std::min(area.bottom, model_->rowCount());
        const int right = std::min(area.right, model_->columnCount());
        if (area.top > bottom || area.left > right) continue;
        selection.select(model_->index(area.top - 1, area.left - 1), model_->index(bottom - 1, right - 1));
    }
    showingSheetSelection_ = true;
    const CellArea& first = areas.front();
    const QModelIndex current = model_->index(first.top - 1, first.left - 1);
    if (current.isValid()) selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    showingSheetSelection_ = false;
    AnnounceSelection();
}

void SheetGrid::WriteSelection() {
    const auto& sheet = Sheet();
    const std::vector<CellArea> areas = SelectedAreas();
    if (!sheet || areas.empty()) return;
    try {
        if (areas != grid::Selection(*sheet)) grid::SetSelection(*sheet, areas);
    } catch (const std::exception& error) {
        emit changeRefused(QString::fromUtf8(error.what()));
    }
}

void SheetGrid::AnnounceSelection() { emit selectionShown(AreasAddress(SelectedAreas())); }

// Ctrl and a click add an area, as in Excel; clicking a selected cell again
// with Ctrl does not take it out of the selection.
QItemSelectionModel::SelectionFlags SheetGrid::selectionCommand(const QModelIndex& index,
                                                                const QEvent* event) const {
    QItemSelectionModel::SelectionFlags flags = QTableView::selectionCommand(index, event);
    if (flags & QItemSelectionModel::Toggle) {
        flags &= ~QItemSelectionModel::Toggle;
        flags |= QItemSelectionModel::Select;
    }
    return flags;
}

void SheetGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        ClearSelectedCells();
        return;
    }
    QTableView::keyPressEvent(event);
}

void SheetGrid::ClearSelectedCells() {
    const auto& sheet = Sheet();
    if (!sheet) return;
    try {
        for (const auto& area : SelectedAreas())
            sheet->Range(embedded::excel::AreaReference(area))->ClearContents();
    } catch (const std::exception& error) {
        emit changeRefused(QString::fromUtf8(error.what()));
    }
    model_->Refresh();
    viewport()->update();
}

// Scrolled to the right end: more columns come into view.
void SheetGrid::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    QScrollBar* bar = horizontalScrollBar();
    if (dx != 0 && bar->value() == bar->maximum()) model_->GrowColumns(kColumnsAddedAtRightEnd);
}

}  // namespace dorvane::shell
