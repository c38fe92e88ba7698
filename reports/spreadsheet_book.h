#pragma once

#include <QString>

namespace velt {

// What the measurement protocol needs of a spreadsheet, in its own terms:
// rows and columns count from 1, ranges are A1-style addresses ("A2:K2").
class SpreadsheetBook {
public:
    virtual ~SpreadsheetBook() = default;

    virtual void SetColumnWidth(int column, double width) = 0;
    // The fill of every cell of the range, by the default palette's index.
    virtual void SetFillColorIndex(const QString &range, int colorIndex) = 0;
    // 3 centres the cells of the range.
    virtual void SetHorizontalAlignment(const QString &range, int alignment) = 0;
    // A line of the given style on all four edges of every cell of the range.
    virtual void SetBorders(const QString &range, int lineStyle) = 0;
    virtual void SetCell(int row, int column, const QString &text) = 0;
};

// A rectangle of cells, 1-based and inclusive.
struct CellRange {
    int firstRow = 0, firstColumn = 0, lastRow = 0, lastColumn = 0;

    bool contains(int row, int column) const
    {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool valid() const { return firstRow > 0 && firstColumn > 0 && lastRow >= firstRow && lastColumn >= firstColumn; }
};

// "A2:K57" or "E1"; an invalid range when the text is not an address.
CellRange ParseRange(const QString &address);
// "A" for 1, "K" for 11, "AA" for 27.
QString ColumnLetters(int column);

}  // namespace velt
