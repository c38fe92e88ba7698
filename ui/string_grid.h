#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

#include <vector>

namespace velt {

// The cells of a string grid: every cell is text, row 0 and column 0 may be
// fixed (header) cells that are part of the grid's contents. With a header
// row the view shows row 0 as its column header, so it stays in sight while
// the rows scroll.
class StringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    StringGridModel(int columns, int rows, int fixedRows, int fixedCols, bool headerRow, QObject *parent = nullptr);

    QString Cells(int col, int row) const;
    void SetCell(int col, int row, const QString &text);
    // A whole row at once: one repaint instead of one a cell.
    void SetRow(int row, const QStringList &cells);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetRowCount(int rows);
    int ColCount() const { return columns_; }
    // All cells, row by row.
    QList<QStringList> Rows() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int viewRow(int row) const { return headerRow_ ? row - 1 : row; }
    int gridRow(int viewRow) const { return headerRow_ ? viewRow + 1 : viewRow; }

    bool headerRow_;
    int columns_;
    int fixedRows_;
    int fixedCols_;
    std::vector<QStringList> rows_;
};

// A read-only grid of text cells whose fixed row and column are drawn as
// headers, the way the meter's tables are laid out.
class StringGrid : public QTableView {
    Q_OBJECT
public:
    // A grid with one fixed row and no fixed column keeps row 0 in sight as
    // its header.
    StringGrid(int columns, int rows, int fixedRows, int fixedCols, int columnWidth,
               QWidget *parent = nullptr);

    StringGridModel &grid() { return *model_; }
    const StringGridModel &grid() const { return *model_; }

    QString Cells(int col, int row) const { return model_->Cells(col, row); }
    void SetCell(int col, int row, const QString &text) { model_->SetCell(col, row, text); }
    int RowCount() const { return model_->RowCount(); }
    void SetRowCount(int rows) { model_->SetRowCount(rows); }
    int ColCount() const { return model_->ColCount(); }

    QSize sizeHint() const override;

private:
    StringGridModel *model_;
};

}  // namespace velt
