// The measurement protocol workbook, read back from the written file: widths,
// fill, centring, rules and every cell, for the logger table and the live
// series; and what the window does when the file cannot be written.

#include "logger/logger_download.h"
#include "reports/measurement_protocol.h"
#include "reports/xlsx_book.h"
#include "tests/support/program.h"
#include "tests/support/xlsx_reader.h"
#include "ui/live_page.h"
#include "ui/string_grid.h"
#include "ui/xls_export.h"

#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using velt::test::XlsxSheet;

namespace {

const QString kYellow = QStringLiteral("FFFFFF00");

QList<QStringList> loggerTable(int records)
{
    QList<QStringList> rows{velt::kRecordHeaders};
    for (int k = 1; k <= records; ++k) {
        velt::LoggerRecord r;
        r.address = static_cast<std::uint16_t>(10 * k);
        r.RH = static_cast<std::uint16_t>(400 + k);
        r.ta = static_cast<std::uint16_t>(200 + k % 30);
        r.tg = static_cast<std::uint16_t>(190 + k % 50);
        r.hour = 8;
        r.minute = static_cast<std::uint8_t>(k % 60);
        r.date1 = 17;
        r.date2 = 3;
        r.date3 = 9;
        rows << velt::LoggerRow(r).cells();
    }
    rows << QStringList(10);  // the table's empty last row
    return rows;
}

XlsxSheet writeAndRead(const velt::ProtocolData &data, QTemporaryDir &dir)
{
    velt::XlsxBook book(QLocale::c());
    velt::WriteProtocol(book, data);
    const QString path = dir.filePath("protocol.xlsx");
    QString error;
    if (!book.Save(path, &error))
        qWarning() << error;
    XlsxSheet sheet;
    sheet.load(path);
    return sheet;
}

QString ref(int column, int row) { return velt::ColumnLetters(column) + QString::number(row); }

// What every protocol has, whatever its rows.
void checkFrame(const XlsxSheet &sheet, int lastRuledRow)
{
    // The file keeps a width with the cell padding added (17 shows as 17.71).
    QCOMPARE(std::floor(sheet.columnWidth(1)), 17.0);
    for (int c = 2; c <= 11; ++c)
        QCOMPARE(std::floor(sheet.columnWidth(c)), 11.0);
    QCOMPARE(sheet.text("E1"), velt::kProtocolTitle);
    QVERIFY(sheet.look("E1").centred);
    for (int c = 1; c <= 10; ++c)
        QCOMPARE(sheet.text(ref(c, 2)), velt::ProtocolHeaders()[c - 1]);
    QVERIFY(!sheet.cell("K2") || sheet.text("K2").isEmpty());
    for (int c = 1; c <= 11; ++c) {
        QCOMPARE(sheet.look(ref(c, 2)).fillRgb, kYellow);
        QCOMPARE(sheet.look(ref(c, 3)).fillRgb == kYellow, false);
    }
    for (int r = 2; r <= lastRuledRow; ++r)
        for (int c = 1; c <= 11; ++c)
            QVERIFY2(sheet.look(ref(c, r)).ruledAllEdges, qPrintable(ref(c, r)));
    for (int c = 1; c <= 11; ++c)
        QVERIFY2(!sheet.look(ref(c, lastRuledRow + 1)).ruledAllEdges, qPrintable(ref(c, lastRuledRow + 1)));
    // Centred A to J, in written cells and in the columns below them; not K.
    for (int c = 1; c <= 10; ++c) {
        QVERIFY(sheet.look(ref(c, 2)).centred);
        QVERIFY(sheet.look(ref(c, 60000)).centred);
    }
    QVERIFY(!sheet.look("K2").centred);
    QVERIFY(!sheet.look("K60000").centred);
}

}  // namespace

class TestWorkbook : public QObject {
    Q_OBJECT
private slots:
    void rangesAndColumnLetters();
    void emptyLoggerTable();
    void loggerTableRowForRow_data();
    void loggerTableRowForRow();
    void liveSeriesColumnByColumn();
    void liveSeriesOfUnequalLength();
    void numbersFollowTheRegionalFormat();
    void windowExportsTheSelectedPage();
    void unwritableFolderReportsOnceAndWritesNothing();
    void withoutASpreadsheetApplicationTheMessageSaysWhere();
};

void TestWorkbook::rangesAndColumnLetters()
{
    const velt::CellRange r = velt::ParseRange("A2:K3002");
    QCOMPARE(r.firstRow, 2);
    QCOMPARE(r.firstColumn, 1);
    QCOMPARE(r.lastRow, 3002);
    QCOMPARE(r.lastColumn, 11);
    QVERIFY(velt::ParseRange("E1").contains(1, 5));
    QVERIFY(!velt::ParseRange("2A:K").valid());
    QCOMPARE(velt::ColumnLetters(11), QStringLiteral("K"));
    QCOMPARE(velt::ColumnLetters(27), QStringLiteral("AA"));
}

void TestWorkbook::emptyLoggerTable()
{
    QTemporaryDir dir;
    const XlsxSheet sheet = writeAndRead(velt::ProtocolFromTable(loggerTable(0)), dir);
    checkFrame(sheet, 2);
    // Row 3 holds the table's empty row, outside the rules.
    for (int c = 1; c <= 10; ++c)
        QVERIFY(sheet.text(ref(c, 3)).isEmpty());
    QCOMPARE(sheet.lastRow() <= 3, true);
}

void TestWorkbook::loggerTableRowForRow_data()
{
    QTest::addColumn<int>("records");
    QTest::newRow("1 record") << 1;
    QTest::newRow("57 records") << 57;
    QTest::newRow("3000 records") << 3000;
}

void TestWorkbook::loggerTableRowForRow()
{
    QFETCH(int, records);
    QTemporaryDir dir;
    const QList<QStringList> table = loggerTable(records);
    const XlsxSheet sheet = writeAndRead(velt::ProtocolFromTable(table), dir);
    checkFrame(sheet, records + 2);
    // A number is stored with 16 digits, which reads back as the very same
    // double as the table's text.
    for (int k = 1; k <= records; ++k)
        for (int c = 0; c < 10; ++c) {
            const auto cell = sheet.cell(ref(c + 1, k + 2));
            QVERIFY(cell);
            if (cell->number)
                QCOMPARE(cell->text.toDouble(), table[k][c].toDouble());
            else
                QCOMPARE(cell->text, table[k][c]);
        }
    // Numbers are numbers, the time labels stay text.
    QVERIFY(sheet.cell("B3")->number);
    QVERIFY(!sheet.cell("A3")->number);
    QCOMPARE(sheet.lastRow(), records + 3 - (sheet.cell(ref(1, records + 3)) ? 0 : 1));
}

void TestWorkbook::liveSeriesColumnByColumn()
{
    QTemporaryDir dir;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVector<QVector<double>> series(9);
    const QStringList labels = {"10:00:00", "10:00:03"};
    for (int s = 0; s < 9; ++s)
        series[s] = {s + 0.5, s + 20.0};
    series[6][1] = nan;  // a dew point not computed
    const XlsxSheet sheet = writeAndRead(velt::ProtocolFromSeries(labels, series), dir);
    checkFrame(sheet, 4);
    QCOMPARE(sheet.text("A3"), QStringLiteral("10:00:00"));
    QCOMPARE(sheet.text("A4"), QStringLiteral("10:00:03"));
    QCOMPARE(sheet.text("B3"), QStringLiteral("0.5"));
    QCOMPARE(sheet.text("J4"), QStringLiteral("28"));
    QCOMPARE(sheet.text("H4"), QStringLiteral("-"));
    QVERIFY(!sheet.cell("H4")->number);
    QVERIFY(!sheet.cell("A5"));
}

void TestWorkbook::liveSeriesOfUnequalLength()
{
    QTemporaryDir dir;
    QVector<QVector<double>> series(9, QVector<double>{1, 2, 3});
    series[4] = {7};
    const XlsxSheet sheet = writeAndRead(velt::ProtocolFromSeries({"a", "b", "c"}, series), dir);
    checkFrame(sheet, 5);
    QCOMPARE(sheet.text("F3"), QStringLiteral("7"));
    QVERIFY(sheet.text("F4").isEmpty());
    QCOMPARE(sheet.text("G5"), QStringLiteral("3"));
}

void TestWorkbook::numbersFollowTheRegionalFormat()
{
    QTemporaryDir dir;
    velt::XlsxBook book(QLocale(QLocale::Russian, QLocale::Russia));
    book.SetCell(1, 1, "23,4");
    book.SetCell(1, 2, "23.4");  // not a number where the comma is the separator
    book.SetCell(1, 3, "6553,5");
    book.SetCell(1, 4, "-");
    const QString path = dir.filePath("ru.xlsx");
    QVERIFY(book.Save(path, nullptr));
    XlsxSheet sheet;
    QVERIFY(sheet.load(path));
    QVERIFY(sheet.cell("A1")->number);
    QCOMPARE(sheet.text("A1").toDouble(), 23.4);
    QVERIFY(!sheet.cell("B1")->number);
    QCOMPARE(sheet.text("C1").toDouble(), 6553.5);
    QVERIFY(!sheet.cell("D1")->number);
}

void TestWorkbook::windowExportsTheSelectedPage()
{
    QTemporaryDir dir;
    velt::test::Program p;
    QStringList opened;
    velt::MainOptions &options = const_cast<velt::MainOptions &>(p.FMain->options());
    options.documentsDir = dir.path();
    options.openFile = [&opened](const QString &path) {
        opened << path;
        return true;
    };
    velt::TFMain &m = *p.FMain;
    m.TabSheet1->ShowRecord(velt::MakeRecord("10:00:00", 500, 200, 250, velt::TgShown::Measured),
                            [](velt::AlarmQuantity) {});

    // The logger page is selected at start: its empty table.
    m.N1->trigger();
    QCOMPARE(opened.size(), 1);
    XlsxSheet logger;
    QVERIFY(logger.load(opened[0]));
    QVERIFY(logger.text("A3").isEmpty());
    QVERIFY(p.status().contains(QDir::toNativeSeparators(opened[0])));

    // The live page: the reading in row 3; a new file each time.
    m.PageControl->setCurrentIndex(0);
    m.N1->trigger();
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[1] != opened[0]);
    XlsxSheet live;
    QVERIFY(live.load(opened[1]));
    QCOMPARE(live.text("A3"), QStringLiteral("10:00:00"));
    QCOMPARE(live.text("B3"), QStringLiteral("17.5"));
    QCOMPARE(live.text("J3"), QStringLiteral("49.7"));
    QVERIFY(QFileInfo(opened[1]).fileName().startsWith(QStringLiteral("Протокол измерений микроклимата ")));
}

void TestWorkbook::unwritableFolderReportsOnceAndWritesNothing()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    velt::test::Program p;
    QStringList messages, opened;
    velt::MainOptions &options = const_cast<velt::MainOptions &>(p.FMain->options());
    options.documentsDir = dir.filePath("file/protocols");
    options.reportError = [&messages](const QString &text) { messages << text; };
    options.openFile = [&opened](const QString &path) {
        opened << path;
        return true;
    };
    QVERIFY(velt::XlsExport(*p.FMain).isEmpty());
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].startsWith(QStringLiteral("Ошибка записи книги ")));
    QVERIFY(messages[0].contains("protocols"));
    QVERIFY(opened.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"file"});
}

void TestWorkbook::withoutASpreadsheetApplicationTheMessageSaysWhere()
{
    QTemporaryDir dir;
    velt::test::Program p;
    QStringList messages;
    velt::MainOptions &options = const_cast<velt::MainOptions &>(p.FMain->options());
    options.documentsDir = dir.path();
    options.reportError = [&messages](const QString &text) { messages << text; };
    options.openFile = [](const QString &) { return false; };
    const QString path = velt::XlsExport(*p.FMain);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(QDir::toNativeSeparators(path)));
}

QTEST_MAIN(TestWorkbook)
#include "tst_workbook.moc"
