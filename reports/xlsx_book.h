#pragma once

#include "reports/spreadsheet_book.h"

#include <QHash>
#include <QLocale>
#include <QMap>
#include <QPair>
#include <QVector>

namespace velt {

// A spreadsheet book written as an .xlsx file with libxlsxwriter. The
// operations are collected first and the file is written whole by Save.
// A text that reads as a number in the given regional format goes in as a
// number, as the spreadsheet application itself would take it when typed;
// every other text stays text.
class XlsxBook final : public SpreadsheetBook {
public:
    explicit XlsxBook(const QLocale &locale = QLocale::system());

    void SetColumnWidth(int column, double width) override;
    void SetFillColorIndex(const QString &range, int colorIndex) override;
    void SetHorizontalAlignment(const QString &range, int alignment) override;
    void SetBorders(const QString &range, int lineStyle) override;
    void SetCell(int row, int column, const QString &text) override;

    // Writes the file, or nothing at all: the book is written beside it and
    // put in place only when complete. On failure, error says why.
    bool Save(const QString &path, QString *error) const;

private:
    QLocale locale_;
    QMap<int, double> widths_;
    QVector<QPair<CellRange, int>> fills_;
    QVector<QPair<CellRange, int>> alignments_;
    QVector<CellRange> borders_;
    QMap<QPair<int, int>, QString> cells_;  // (row, column)
};

// The RGB colour of an index of the spreadsheet's default palette (1 to 8).
unsigned PaletteColour(int colorIndex);

}  // namespace velt
