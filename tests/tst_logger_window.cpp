// The logger page: download into the table and the four curves, progress,
// cancel, a meter falling silent, and the chart's quantity and time labels.

#include "link/status_texts.h"
#include "tests/support/meter_fixture.h"
#include "tests/support/program.h"
#include "ui/chart_view.h"
#include "ui/download_progress.h"
#include "ui/logger_page.h"
#include "ui/string_grid.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using velt::test::Program;

namespace {

bool downloadDone(Program &p, int timeoutMs = 20000)
{
    return QTest::qWaitFor([&] { return p.FMain->ButtonZagruzit->text() == QStringLiteral("Загрузить")
                                        && !p.FMain->link().busy(); },
                           timeoutMs);
}

}  // namespace

class TestLoggerWindow : public QObject {
    Q_OBJECT
private slots:
    void fullMemoryFillsTableAndCurves();
    void breakEndsTheDownloadWithoutAMessage();
    void newDownloadStartsFromAnEmptyTable();
    void cancelKeepsTheRecordsRead();
    void silentMeterKeepsTheRecordsAndSaysSo();
    void selectorShowsOneCurveAtATime();
};

void TestLoggerWindow::fullMemoryFillsTableAndCurves()
{
    Program p(velt::test::LoggerModel(3000, 0));
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&ticks] { ++ticks; });
    heartbeat.start(20);

    m.ButtonZagruzit->click();
    QCOMPARE(m.ButtonZagruzit->text(), QStringLiteral("Загрузка данных, ждите ...."));
    QVERIFY(m.Progress->isVisible() || m.Progress->isVisibleTo(&m));
    QVERIFY(!m.ButtonReadMemo->isEnabled());
    QVERIFY(!m.ButtonSave->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(m.StringGridL->RowCount() > 100, 10000);
    QVERIFY(m.Progress->text().startsWith(QStringLiteral("Записей: ")));
    QVERIFY(downloadDone(p, 60000));
    QVERIFY2(ticks > 20, qPrintable(QString::number(ticks)));

    QCOMPARE(m.StringGridL->RowCount(), 3002);
    QVERIFY(m.StringGridL->Cells(0, 3001).isEmpty());
    QCOMPARE(m.StringGridL->Cells(0, 1), QStringLiteral("8:0 9.3.17"));
    for (int series = 0; series < 4; ++series)
        QCOMPARE(m.ChartValue->Count(series), 3000);
    QCOMPARE(m.ChartValue->XValue(0, 0), 10.0);
    QCOMPARE(m.ChartValue->XValue(0, 2999), 30000.0);
    QCOMPARE(m.ChartValue->Label(0, 0), QStringLiteral("10"));
    QCOMPARE(m.ChartValue->Colour(0), QColor(255, 0, 0));
    QCOMPARE(m.ChartValue->Colour(3), QColor(0, 255, 255));
    // Row k's cells and point k - 1 carry the same values.
    QCOMPARE(m.StringGridL->Cells(1, 1), QString::number(m.ChartValue->YValue(0, 0)));
    QCOMPARE(m.StringGridL->Cells(5, 2), QString::number(m.ChartValue->YValue(3, 1)));
    QCOMPARE(int(p.meter->loggerAddresses().back()), 30000);
    QVERIFY(m.ButtonReadMemo->isEnabled());
    QVERIFY(!m.Progress->isVisibleTo(&m));
    QVERIFY(p.meter->violations().empty());
}

void TestLoggerWindow::breakEndsTheDownloadWithoutAMessage()
{
    Program p(velt::test::LoggerModel(3000, 1, 57));
    QVERIFY(p.identify());
    p.FMain->StatusBar->SetText(3, "before");
    p.FMain->ButtonZagruzit->click();
    QVERIFY(downloadDone(p));
    QCOMPARE(p.FMain->StringGridL->RowCount(), 59);
    QCOMPARE(p.status(), QStringLiteral("before"));
}

void TestLoggerWindow::newDownloadStartsFromAnEmptyTable()
{
    Program p(velt::test::LoggerModel(20, 1));
    QVERIFY(p.identify());
    p.FMain->ButtonZagruzit->click();
    QVERIFY(downloadDone(p));
    QCOMPARE(p.FMain->StringGridL->RowCount(), 22);
    p.FMain->ButtonZagruzit->click();
    QVERIFY(downloadDone(p));
    QCOMPARE(p.FMain->StringGridL->RowCount(), 22);
    QCOMPARE(p.FMain->ChartValue->Count(0), 20);
    QCOMPARE(p.FMain->StringGridL->Cells(0, 0), QStringLiteral("Время"));
    QCOMPARE(p.FMain->StringGridL->Cells(0, 20), QStringLiteral("8:19 9.3.17"));
}

void TestLoggerWindow::cancelKeepsTheRecordsRead()
{
    velt::sim::LineFaults paced;
    paced.paced = true;
    Program p(velt::test::LoggerModel(3000, 0), paced);
    QVERIFY(p.identify());
    p.FMain->ButtonZagruzit->click();
    QTRY_VERIFY_WITH_TIMEOUT(p.FMain->StringGridL->RowCount() > 10, 10000);
    const int rowsAtCancel = p.FMain->StringGridL->RowCount();
    p.FMain->Progress->ButtonCancel->click();
    QVERIFY(downloadDone(p));
    // The record on the line when the user cancelled is the last one kept.
    const int rows = p.FMain->StringGridL->RowCount();
    QVERIFY2(rows >= rowsAtCancel && rows <= rowsAtCancel + 2, qPrintable(QString::number(rows)));
    QCOMPARE(p.FMain->ChartValue->Count(0), rows - 2);
    QCOMPARE(p.status(), QStringLiteral("Загрузка отменена, записей: %1").arg(rows - 2));
}

void TestLoggerWindow::silentMeterKeepsTheRecordsAndSaysSo()
{
    Program p(velt::test::LoggerModel(3000, 0));
    QVERIFY(p.identify());
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = 1 + 99 * 19 + 5;  // the probe's reply, 99 records, into record 100
    p.meter->setFaults(faults);
    p.FMain->ButtonZagruzit->click();
    QVERIFY(downloadDone(p));
    QCOMPARE(p.status(), velt::kTextNoReply);
    QCOMPARE(p.FMain->StringGridL->RowCount(), 99 + 2);
    QCOMPARE(p.FMain->ButtonZagruzit->text(), QStringLiteral("Загрузить"));
    QVERIFY(p.FMain->ButtonZagruzit->isEnabled());
}

void TestLoggerWindow::selectorShowsOneCurveAtATime()
{
    Program p(velt::test::LoggerModel(30, 5));
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    QComboBox *selector = m.TabSheet3->ComboBoxZ;
    QCOMPARE(selector->currentText(), QStringLiteral("ТНС индекс, *С"));
    QVERIFY(m.ChartValue->Active(0));
    m.ButtonZagruzit->click();
    QVERIFY(downloadDone(p));
    for (int index = 0; index < 4; ++index) {
        selector->setCurrentIndex(index);
        for (int series = 0; series < 10; ++series)
            QCOMPARE(m.ChartValue->Active(series), series == index);
    }
    // Typing into the box selects no item and changes nothing.
    selector->setCurrentIndex(1);
    selector->setEditText("что-то");
    selector->setCurrentIndex(-1);
    QVERIFY(m.ChartValue->Active(1));
    QCOMPARE(m.ChartValue->Count(1), 30);

    // The bottom axis labels each shown point with its record's time.
    m.PageControl->setCurrentIndex(1);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    m.ChartValue->replot();
    QVector<double> ticks;
    QVector<QString> labels;
    m.ChartValue->xAxis->ticker()->generate(m.ChartValue->xAxis->range(), QLocale::c(), 'g', 6, ticks, nullptr,
                                            &labels);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(ticks.first(), 10.0);
    QCOMPARE(labels.first(), QStringLiteral("8:0 9.3.17"));
    for (int i = 0; i < ticks.size(); ++i) {
        const int record = int(ticks[i]) / 10;
        QCOMPARE(labels[i], m.StringGridL->Cells(0, record));
    }
}

QTEST_MAIN(TestLoggerWindow)
#include "tst_logger_window.moc"
