#include "ui/string_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>

namespace velt {

StringGridModel::StringGridModel(int columns, int rows, int fixedRows, int fixedCols, bool headerRow,
                                 QObject *parent)
    : QAbstractTableModel(parent), headerRow_(headerRow), columns_(columns), fixedRows_(fixedRows),
      fixedCols_(fixedCols),
      rows_(static_cast<std::size_t>(rows), QStringList(columns))
{
}

QString StringGridModel::Cells(int col, int row) const
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= columns_)
        return {};
    return rows_[static_cast<std::size_t>(row)][col];
}

void StringGridModel::SetCell(int col, int row, const QString &text)
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= columns_)
        return;
    rows_[static_cast<std::size_t>(row)][col] = text;
    if (viewRow(row) < 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const QModelIndex at = index(viewRow(row), col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

void StringGridModel::SetRow(int row, const QStringList &cells)
{
    if (row < 0 || row >= RowCount())
        return;
    QStringList &target = rows_[static_cast<std::size_t>(row)];
    for (int col = 0; col < columns_ && col < cells.size(); ++col)
        target[col] = cells[col];
    if (viewRow(row) < 0) {
        emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
        return;
    }
    emit dataChanged(index(viewRow(row), 0), index(viewRow(row), columns_ - 1), {Qt::DisplayRole});
}

void StringGridModel::SetRowCount(int rows)
{
    rows = std::max(rows, 0);
    const int current = RowCount();
    const int first = std::max(viewRow(std::min(rows, current)), 0);
    if (rows > current) {
        beginInsertRows({}, first, viewRow(rows - 1));
        rows_.resize(static_cast<std::size_t>(rows), QStringList(columns_));
        endInsertRows();
    } else if (rows < current) {
        const bool anyShown = viewRow(current - 1) >= first;
        if (anyShown)
            beginRemoveRows({}, first, viewRow(current - 1));
        rows_.resize(static_cast<std::size_t>(rows));
        if (anyShown)
            endRemoveRows();
    }
}

QList<QStringList> StringGridModel::Rows() const { return {rows_.begin(), rows_.end()}; }

int StringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(viewRow(RowCount()), 0);
}

int StringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant StringGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = gridRow(index.row());
    const bool fixed = row < fixedRows_ || index.column() < fixedCols_;
    switch (role) {
    case Qt::DisplayRole: return Cells(index.column(), row);
    case Qt::BackgroundRole:
        return fixed ? QVariant(QApplication::palette().color(QPalette::Button)) : QVariant();
    case Qt::TextAlignmentRole:
        return fixed ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (headerRow_ && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Cells(section, 0);
    return QAbstractTableModel::headerData(section, orientation, role);
}

StringGrid::StringGrid(int columns, int rows, int fixedRows, int fixedCols, int columnWidth, QWidget *parent)
    : QTableView(parent),
      model_(new StringGridModel(columns, rows, fixedRows, fixedCols, fixedRows == 1 && fixedCols == 0, this))
{
    setModel(model_);
    if (!(fixedRows == 1 && fixedCols == 0))
        horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    const int rowHeight = std::max(18, fontMetrics().height() + 4);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setDefaultSectionSize(std::max(columnWidth, fontMetrics().horizontalAdvance("00.00.0000") + 8));
}

QSize StringGrid::sizeHint() const
{
    // Room for every column and, for short tables, every row.
    const int width = horizontalHeader()->length() + 2 * frameWidth();
    const int shownRows = std::min(model_->rowCount(), 10);
    int height = shownRows * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
    if (!horizontalHeader()->isHidden())
        height += horizontalHeader()->sizeHint().height();
    return {width, height};
}

}  // namespace velt
