#include "reports/xlsx_book.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cmath>
#include <xlsxwriter.h>

namespace velt {

namespace {

constexpr int kCentred = 3;
// A range down to this row stands for whole columns: the cells below the
// written ones get the column's format instead of a cell each.
constexpr int kWholeColumnRows = 65536;

struct Look {
    bool centred = false;
    int fill = 0;
    bool ruled = false;
    bool operator==(const Look &other) const = default;
};

size_t qHash(const Look &look, size_t seed = 0)
{
    return ::qHash(look.centred * 1000 + look.fill * 2 + look.ruled, seed);
}

}  // namespace

unsigned PaletteColour(int colorIndex)
{
    static const unsigned palette[] = {0x000000, 0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00,
                                       0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};
    return colorIndex >= 1 && colorIndex <= 8 ? palette[colorIndex] : 0xFFFFFF;
}

XlsxBook::XlsxBook(const QLocale &locale) : locale_(locale)
{
    locale_.setNumberOptions(QLocale::RejectGroupSeparator);
}

void XlsxBook::SetColumnWidth(int column, double width) { widths_[column] = width; }

void XlsxBook::SetFillColorIndex(const QString &range, int colorIndex)
{
    const CellRange r = ParseRange(range);
    if (r.valid())
        fills_.append({r, colorIndex});
}

void XlsxBook::SetHorizontalAlignment(const QString &range, int alignment)
{
    const CellRange r = ParseRange(range);
    if (r.valid())
        alignments_.append({r, alignment});
}

void XlsxBook::SetBorders(const QString &range, int lineStyle)
{
    const CellRange r = ParseRange(range);
    if (r.valid() && lineStyle > 0)
        borders_.append(r);
}

void XlsxBook::SetCell(int row, int column, const QString &text)
{
    if (row >= 1 && column >= 1)
        cells_[{row, column}] = text;
}

bool XlsxBook::Save(const QString &path, QString *error) const
{
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    const QByteArray partialName = QFile::encodeName(partial);
    lxw_workbook *book = workbook_new(partialName.constData());
    if (!book) {
        if (error)
            *error = QStringLiteral("не удаётся создать файл");
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);

    QHash<Look, lxw_format *> formats;
    auto formatFor = [&](const Look &look) -> lxw_format * {
        if (look == Look{})
            return nullptr;
        if (lxw_format *known = formats.value(look))
            return known;
        lxw_format *format = workbook_add_format(book);
        if (look.centred)
            format_set_align(format, LXW_ALIGN_CENTER);
        if (look.fill) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, PaletteColour(look.fill));
        }
        if (look.ruled)
            format_set_border(format, LXW_BORDER_THIN);
        formats.insert(look, format);
        return format;
    };
    auto lookAt = [this](int row, int column) {
        Look look;
        for (const auto &[range, alignment] : alignments_)
            if (range.contains(row, column))
                look.centred = alignment == kCentred;
        for (const auto &[range, colour] : fills_)
            if (range.contains(row, column))
                look.fill = colour;
        for (const CellRange &range : borders_)
            look.ruled = look.ruled || range.contains(row, column);
        return look;
    };

    // Whole columns that are centred, with their widths.
    QSet<int> columns(widths_.keyBegin(), widths_.keyEnd());
    for (const auto &[range, alignment] : alignments_)
        if (range.firstRow <= 1 && range.lastRow >= kWholeColumnRows)
            for (int c = range.firstColumn; c <= range.lastColumn; ++c)
                columns.insert(c);
    for (int column : columns) {
        Look look;
        for (const auto &[range, alignment] : alignments_)
            if (range.firstRow <= 1 && range.lastRow >= kWholeColumnRows && range.contains(1, column))
                look.centred = alignment == kCentred;
        const double width = widths_.value(column, LXW_DEF_COL_WIDTH);
        worksheet_set_column(sheet, static_cast<lxw_col_t>(column - 1), static_cast<lxw_col_t>(column - 1), width,
                             formatFor(look));
    }

    // Every cell with a text, a fill or a rule.
    QSet<QPair<int, int>> places(cells_.keyBegin(), cells_.keyEnd());
    for (const auto &[range, colour] : fills_)
        for (int r = range.firstRow; r <= range.lastRow; ++r)
            for (int c = range.firstColumn; c <= range.lastColumn; ++c)
                places.insert({r, c});
    for (const CellRange &range : borders_)
        for (int r = range.firstRow; r <= range.lastRow; ++r)
            for (int c = range.firstColumn; c <= range.lastColumn; ++c)
                places.insert({r, c});

    for (const auto &[row, column] : places) {
        lxw_format *format = formatFor(lookAt(row, column));
        const auto r = static_cast<lxw_row_t>(row - 1);
        const auto c = static_cast<lxw_col_t>(column - 1);
        const auto text = cells_.constFind({row, column});
        if (text == cells_.constEnd() || text->isEmpty()) {
            if (format)
                worksheet_write_blank(sheet, r, c, format);
            continue;
        }
        bool isNumber = false;
        const double number = locale_.toDouble(text->trimmed(), &isNumber);
        if (isNumber && std::isfinite(number))
            worksheet_write_number(sheet, r, c, number, format);
        else
            worksheet_write_string(sheet, r, c, text->toUtf8().constData(), format);
    }

    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        QFile::remove(partial);
        if (error)
            *error = QString::fromUtf8(lxw_strerror(result));
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        if (error)
            *error = QStringLiteral("не удаётся заменить файл");
        return false;
    }
    return true;
}

}  // namespace velt
