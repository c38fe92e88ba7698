#pragma once

#include <QMap>
#include <QString>

#include <optional>

namespace velt::test {

// Reads back the first worksheet of an .xlsx file: cell values, column
// widths and the look of each cell (fill, centring, rules).
class XlsxSheet {
public:
    struct Cell {
        QString text;        // the shown text: a string, or the number as written
        bool number = false;
        int style = 0;
    };
    struct Look {
        QString fillRgb;     // "FFFFFF00" for yellow; empty without a fill
        bool centred = false;
        bool ruledAllEdges = false;
    };

    bool load(const QString &path, QString *error = nullptr);

    std::optional<Cell> cell(const QString &ref) const;
    QString text(const QString &ref) const { return cell(ref) ? cell(ref)->text : QString(); }
    // The look of a cell; a cell that is not stored has its column's look.
    Look look(const QString &ref) const;
    double columnWidth(int column) const;  // 1-based; 0 when not set
    int lastRow() const;
    int cellCount() const { return static_cast<int>(cells_.size()); }

private:
    QMap<QString, Cell> cells_;
    QMap<int, double> widths_;
    QMap<int, int> columnStyles_;
    QVector<Look> styles_;
};

}  // namespace velt::test
