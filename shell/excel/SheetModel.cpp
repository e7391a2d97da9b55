#include "shell/excel/SheetModel.h"

#include <algorithm>

#include "automation/embedded/excel/EmbeddedExcel.h"
#include "shell/excel/CellEntry.h"

namespace dorvane::shell {

namespace {

namespace grid = embedded::grid;

// What an empty sheet shows, and the room kept beyond the cells present.
constexpr int kMinimumRows = 100;
constexpr int kMinimumColumns = 26;
constexpr int kRoomRows = 50;
constexpr int kRoomColumns = 10;
constexpr int kFetchRows = 200;

Qt::Alignment AlignmentOf(excel::CellValue::Kind kind) {
    using Kind = excel::CellValue::Kind;
    switch (kind) {
        case Kind::Number:
        case Kind::Date: return Qt::AlignRight | Qt::AlignVCenter;
        case Kind::Boolean:
        case Kind::Error: return Qt::AlignHCenter | Qt::AlignVCenter;
        default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

SheetModel::SheetModel(QObject* parent) : QAbstractTableModel(parent) {}

bool SheetModel::HasCells() const {
    try {
        return sheet_ && sheet_->IsWorksheet();
    } catch (const std::exception&) {
        return false;  // its workbook has been closed
    }
}

void SheetModel::SetSheet(excel::Ref<excel::Sheet> sheet) {
    beginResetModel();
    sheet_ = std::move(sheet);
    rows_ = HasCells() ? kMinimumRows : 0;
    columns_ = HasCells() ? kMinimumColumns : 0;
    endResetModel();
    Refresh();
}

void SheetModel::Refresh() {
    if (!HasCells()) return;
    try {
        for (const auto& used : grid::UsedArea(*sheet_))
            ExtendTo(used.bottom + kRoomRows, used.right + kRoomColumns);
    } catch (const std::exception&) {
        // its workbook has been closed
    }
}

void SheetModel::ExtendTo(int rows, int columns) {
    rows = std::min(rows, embedded::excel::kMaxRows);
    columns = std::min(columns, embedded::excel::kMaxColumns);
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
    if (columns > columns_) {
        beginInsertColumns({}, columns_, columns - 1);
        columns_ = columns;
        endInsertColumns();
    }
}

void SheetModel::GrowColumns(int count) {
    if (HasCells()) ExtendTo(rows_, columns_ + count);
}

int SheetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int SheetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

excel::CellValue SheetModel::ValueAt(const QModelIndex& index) const {
    try {
        return grid::Value(*sheet_, index.row() + 1, index.column() + 1);
    } catch (const std::exception&) {
        return {};
    }
}

QString SheetModel::DisplayTextAt(const QModelIndex& index) const {
    try {
        return QString::fromStdString(grid::DisplayText(*sheet_, index.row() + 1, index.column() + 1));
    } catch (const std::exception&) {
        return {};
    }
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !HasCells()) return {};
    switch (role) {
        case Qt::DisplayRole: return DisplayTextAt(index);
        case Qt::EditRole:
            return QString::fromStdString(
                EntryFromCellValue(ValueAt(index), DisplayTextAt(index).toStdString()));
        case Qt::TextAlignmentRole: return QVariant::fromValue(AlignmentOf(ValueAt(index).kind()));
        default: return {};
    }
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !HasCells()) return false;
    const std::string entry = value.toString().toStdString();
    // Leaving an editor without typing changes nothing (a date keeps its
    // value, the workbook stays unmodified).
    if (entry == data(index, Qt::EditRole).toString().toStdString()) return true;
    try {
        auto cell = sheet_->Cells(index.row() + 1, index.column() + 1);
        const excel::CellValue typed = CellValueFromEntry(entry);
        if (typed.IsEmpty()) cell->ClearContents();
        else cell->SetValue(typed);
    } catch (const std::exception& error) {
        emit entryRefused(QString::fromUtf8(error.what()));
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) return section + 1;
    return QString::fromStdString(embedded::excel::ColumnLetters(section + 1));
}

bool SheetModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && HasCells() && rows_ < embedded::excel::kMaxRows;
}

void SheetModel::fetchMore(const QModelIndex& parent) {
    if (canFetchMore(parent)) ExtendTo(rows_ + kFetchRows, columns_);
}

}  // namespace dorvane::shell
