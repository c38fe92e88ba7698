#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace velt {

class SpreadsheetBook;

inline const QString kProtocolTitle = QStringLiteral("ПРОТОКОЛ ИЗМЕРЕНИЙ ПАРАМЕТРОВ МИКРОКЛИМАТА");

// The protocol's own header texts, row 2, columns A to J.
const QStringList &ProtocolHeaders();

// What goes below the header: ten columns of texts, each from sheet row 3
// down, and the last row the grid rules reach.
struct ProtocolData {
    QVector<QStringList> columns;  // ten
    int lastRuledRow = 2;
};

// From the logger table as the window holds it (row 0 the header, the last
// row empty): every row after the header, the empty one included.
ProtocolData ProtocolFromTable(const QList<QStringList> &tableRows);

// From the nine live series in the record's column order (THC, WBGT, RH, ta,
// tg, tw, td, tr, W), with the time labels of the first. A value that is not
// a number (a dew point not computed) is written as "-".
ProtocolData ProtocolFromSeries(const QStringList &timeLabels, const QVector<QVector<double>> &series);

// The protocol into a book: column widths, the yellow header, centring,
// title, headers, grid rules and the data, one column after another.
void WriteProtocol(SpreadsheetBook &book, const ProtocolData &data);

}  // namespace velt
