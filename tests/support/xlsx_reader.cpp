#include "tests/support/xlsx_reader.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>

#include <unzip.h>

namespace velt::test {

namespace {

bool readEntry(unzFile zip, const char *name, QByteArray &out)
{
    if (unzLocateFile(zip, name, 0) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK)
        return false;
    out.clear();
    char buffer[65536];
    int n;
    while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
        out.append(buffer, n);
    unzCloseCurrentFile(zip);
    return n == 0;
}

int columnOf(const QString &ref)
{
    int column = 0;
    for (QChar c : ref) {
        if (!c.isLetter())
            break;
        column = column * 26 + (c.unicode() - 'A' + 1);
    }
    return column;
}

}  // namespace

bool XlsxSheet::load(const QString &path, QString *error)
{
    unzFile zip = unzOpen(path.toLocal8Bit().constData());
    if (!zip) {
        if (error)
            *error = "not a zip file";
        return false;
    }
    QByteArray sheetXml, stringsXml, stylesXml;
    const bool ok = readEntry(zip, "xl/worksheets/sheet1.xml", sheetXml);
    readEntry(zip, "xl/sharedStrings.xml", stringsXml);
    readEntry(zip, "xl/styles.xml", stylesXml);
    unzClose(zip);
    if (!ok) {
        if (error)
            *error = "no first worksheet";
        return false;
    }

    QStringList strings;
    for (QXmlStreamReader x(stringsXml); !x.atEnd();) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("si"))
            strings << QString();
        else if (x.isStartElement() && x.name() == QLatin1String("t"))
            strings.last() += x.readElementText();
    }

    QVector<QString> fills;
    QVector<bool> borders;
    QXmlStreamReader s(stylesXml);
    enum { None, Fills, Borders, CellXfs } section = None;
    while (!s.atEnd()) {
        s.readNext();
        if (s.isStartElement()) {
            const auto name = s.name();
            if (name == QLatin1String("fills"))
                section = Fills;
            else if (name == QLatin1String("borders"))
                section = Borders;
            else if (name == QLatin1String("cellXfs"))
                section = CellXfs;
            else if (name == QLatin1String("cellStyleXfs") || name == QLatin1String("cellStyles"))
                section = None;
            else if (section == Fills && name == QLatin1String("fill"))
                fills << QString();
            else if (section == Fills && name == QLatin1String("fgColor"))
                fills.last() = s.attributes().value("rgb").toString();
            else if (section == Borders && name == QLatin1String("border"))
                borders << true;
            else if (section == Borders
                     && (name == QLatin1String("left") || name == QLatin1String("right")
                         || name == QLatin1String("top") || name == QLatin1String("bottom")))
                borders.last() = borders.last() && s.attributes().value("style") == QLatin1String("thin");
            else if (section == CellXfs && name == QLatin1String("xf")) {
                Look look;
                look.fillRgb = fills.value(s.attributes().value("fillId").toInt());
                look.ruledAllEdges = borders.value(s.attributes().value("borderId").toInt(), false);
                styles_ << look;
            } else if (section == CellXfs && name == QLatin1String("alignment")) {
                styles_.last().centred = s.attributes().value("horizontal") == QLatin1String("center");
            }
        }
    }

    QXmlStreamReader w(sheetXml);
    QString ref;
    Cell cell;
    while (!w.atEnd()) {
        w.readNext();
        if (!w.isStartElement())
            continue;
        const auto name = w.name();
        if (name == QLatin1String("col")) {
            const auto a = w.attributes();
            for (int c = a.value("min").toInt(); c <= a.value("max").toInt(); ++c) {
                if (a.hasAttribute("width"))
                    widths_[c] = a.value("width").toDouble();
                if (a.hasAttribute("style"))
                    columnStyles_[c] = a.value("style").toInt();
            }
        } else if (name == QLatin1String("c")) {
            ref = w.attributes().value("r").toString();
            cell = {};
            cell.style = w.attributes().value("s").toInt();
            const QString type = w.attributes().value("t").toString();
            cell.number = type.isEmpty() || type == QLatin1String("n");
            cells_[ref] = cell;
            if (type == QLatin1String("s"))
                cells_[ref].number = false;
        } else if (name == QLatin1String("v")) {
            const QString value = w.readElementText();
            Cell &stored = cells_[ref];
            stored.text = stored.number ? value : strings.value(value.toInt());
        }
    }
    return true;
}

std::optional<XlsxSheet::Cell> XlsxSheet::cell(const QString &ref) const
{
    const auto it = cells_.constFind(ref);
    if (it == cells_.constEnd())
        return std::nullopt;
    return *it;
}

XlsxSheet::Look XlsxSheet::look(const QString &ref) const
{
    const auto stored = cell(ref);
    const int style = stored ? stored->style : columnStyles_.value(columnOf(ref), 0);
    return styles_.value(style);
}

double XlsxSheet::columnWidth(int column) const { return widths_.value(column, 0); }

int XlsxSheet::lastRow() const
{
    static const QRegularExpression digits(QStringLiteral("\\d+$"));
    int last = 0;
    for (const QString &ref : cells_.keys())
        last = std::max(last, digits.match(ref).captured().toInt());
    return last;
}

}  // namespace velt::test
