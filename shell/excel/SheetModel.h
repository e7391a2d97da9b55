#pragma once

// One sheet of the embedded Excel as a table model. Cells are read when the
// view asks for them (only the visible ones), so a large sheet opens fast.
// The model's extent covers the cells present with room around them and
// grows as the user scrolls down or to the right.

#include <QAbstractTableModel>

#include "automation/excel/Excel.h"

namespace dorvane::shell {

class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SheetModel(QObject* parent = nullptr);

    // Shows another sheet (nullptr: none); the extent starts again.
    void SetSheet(excel::Ref<excel::Sheet> sheet);
    const excel::Ref<excel::Sheet>& Sheet() const { return sheet_; }
    // The extent grows to the cells present. Cells are read when drawn, so
    // a redraw of the view shows their new values; no dataChanged is sent
    // for them, which would put back the text of an open editor.
    void Refresh();
    // Adds columns at the right, up to the last column of a sheet.
    void GrowColumns(int count);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // A cell the user typed into was refused; the reason, for a message.
    void entryRefused(const QString& reason);

private:
    bool HasCells() const;
    void ExtendTo(int rows, int columns);
    excel::CellValue ValueAt(const QModelIndex& index) const;
    QString DisplayTextAt(const QModelIndex& index) const;

    excel::Ref<excel::Sheet> sheet_;
    int rows_ = 0;
    int columns_ = 0;
};

}  // namespace dorvane::shell
