#include "reports/measurement_protocol.h"

#include "measure/indices.h"
#include "measure/measurement_record.h"
#include "reports/spreadsheet_book.h"

#include <cmath>

namespace velt {

namespace {
constexpr int kTableColumns = 10;
constexpr int kRuledColumns = 11;  // column K is ruled and filled, never written
constexpr int kFirstDataRow = 3;
constexpr int kYellow = 6;
constexpr int kCentred = 3;
constexpr int kContinuous = 1;
}  // namespace

const QStringList &ProtocolHeaders()
{
    static const QStringList headers = {
        QStringLiteral("Время"),    QStringLiteral("THC, *C"),  QStringLiteral("WBGT, *C"),
        QStringLiteral("RH, %"),    QStringLiteral("tв., *C"),  QStringLiteral("tсф., *C"),
        QStringLiteral("tвт., *C"), QStringLiteral("tтр., *C"), QStringLiteral("tрад., *C"),
        QStringLiteral("W, Вт/м2")};
    return headers;
}

ProtocolData ProtocolFromTable(const QList<QStringList> &tableRows)
{
    ProtocolData data;
    data.columns.resize(kTableColumns);
    for (int row = 1; row < tableRows.size(); ++row)
        for (int col = 0; col < kTableColumns; ++col)
            data.columns[col] << tableRows[row].value(col);
    data.lastRuledRow = static_cast<int>(tableRows.size());
    return data;
}

ProtocolData ProtocolFromSeries(const QStringList &timeLabels, const QVector<QVector<double>> &series)
{
    ProtocolData data;
    data.columns.resize(kTableColumns);
    data.columns[0] = timeLabels;
    for (int s = 0; s < series.size() && s + 1 < kTableColumns; ++s)
        for (double y : series[s])
            data.columns[s + 1] << (std::isnan(y) ? kNoValueText : FormatValue(y));
    data.lastRuledRow = (series.isEmpty() ? 0 : static_cast<int>(series[0].size())) + 2;
    return data;
}

void WriteProtocol(SpreadsheetBook &book, const ProtocolData &data)
{
    book.SetColumnWidth(1, 17);
    for (int column = 2; column <= kRuledColumns; ++column)
        book.SetColumnWidth(column, 11);
    book.SetFillColorIndex(QStringLiteral("A2:K2"), kYellow);
    book.SetHorizontalAlignment(QStringLiteral("A1:J65536"), kCentred);
    book.SetCell(1, 5, kProtocolTitle);
    for (int column = 0; column < kTableColumns; ++column)
        book.SetCell(2, column + 1, ProtocolHeaders()[column]);
    book.SetBorders(QStringLiteral("A2:K%1").arg(data.lastRuledRow), kContinuous);
    for (int column = 0; column < data.columns.size(); ++column) {
        const QStringList &texts = data.columns[column];
        for (int i = 0; i < texts.size(); ++i)
            book.SetCell(kFirstDataRow + i, column + 1, texts[i]);
    }
}

}  // namespace velt
