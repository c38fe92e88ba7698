#include "reports/spreadsheet_book.h"

#include <QRegularExpression>

namespace velt {

namespace {

int columnNumber(const QString &letters)
{
    int number = 0;
    for (QChar c : letters)
        number = number * 26 + (c.toUpper().unicode() - 'A' + 1);
    return number;
}

}  // namespace

CellRange ParseRange(const QString &address)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z]{1,3})(\\d+)(?::([A-Za-z]{1,3})(\\d+))?$"));
    const QRegularExpressionMatch m = pattern.match(address.trimmed());
    if (!m.hasMatch())
        return {};
    CellRange range;
    range.firstColumn = columnNumber(m.captured(1));
    range.firstRow = m.captured(2).toInt();
    range.lastColumn = m.captured(3).isEmpty() ? range.firstColumn : columnNumber(m.captured(3));
    range.lastRow = m.captured(4).isEmpty() ? range.firstRow : m.captured(4).toInt();
    return range;
}

QString ColumnLetters(int column)
{
    QString letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.prepend(QChar('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

}  // namespace velt
