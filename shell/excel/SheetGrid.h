#pragma once

// The sheet grid of a workbook window: cells as their number formats show
// them, the sheet's column widths and merged cells, editing in place, and
// a selection of one or more areas (Ctrl adds an area) that is the sheet's
// own selection, so Application.Selection is what the user selected.

#include <QTableView>
#include <vector>

#include "automation/embedded/excel/EmbeddedExcel.h"

namespace dorvane::shell {

class SheetModel;

class SheetGrid : public QTableView {
    Q_OBJECT
public:
    explicit SheetGrid(QWidget* parent = nullptr);

    // Shows another sheet (nullptr: none).
    void SetSheet(excel::Ref<excel::Sheet> sheet);
    const excel::Ref<excel::Sheet>& Sheet() const;
    SheetModel& Model() const { return *model_; }
    // Reads the sheet again: cells, widths, merges and its selection.
    void Refresh();

    // The areas selected in the grid, in the order they were selected.
    std::vector<embedded::grid::CellArea> SelectedAreas() const;

signals:
    // The selection changed; its address, for the window's status line.
    void selectionShown(const QString& address);
    // A change the user asked for was refused (array formula, ...).
    void changeRefused(const QString& reason);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ApplyColumnWidths(int from);
    void ApplyMerges();
    void ShowSheetSelection();
    void WriteSelection();
    void ClearSelectedCells();
    void AnnounceSelection();

    SheetModel* model_;
    int widthsApplied_ = 0;
    bool showingSheetSelection_ = false;
};

// "A1:B3,D5" for a status line.
QString AreasAddress(const std::vector<embedded::grid::CellArea>& areas);

}  // namespace dorvane::shell
