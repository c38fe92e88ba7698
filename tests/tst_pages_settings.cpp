// The two pages' chart/table switch, page changes, "Очистить", the settings
// window's sliders and the charts' mouse zoom and scroll.

#include "tests/support/program.h"
#include "ui/chart_view.h"
#include "ui/live_page.h"
#include "ui/logger_page.h"
#include "ui/string_grid.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using velt::test::Program;

class TestPagesSettings : public QObject {
    Q_OBJECT
private slots:
    void eachPageRemembersChartsOrTable();
    void loggerPageBlanksTheStatusMessage();
    void clearResetsReadoutsAndKeepsRows();
    void verticalSlidersNeverCross();
    void intervalSliderSetsTheReadTimer();
    void windowSliderSetsTheChartWindow();
    void mouseZoomsRestoresAndScrolls();
};

void TestPagesSettings::eachPageRemembersChartsOrTable()
{
    Program p;
    velt::TFMain &m = *p.FMain;
    QCOMPARE(m.PageControl->currentIndex(), 1);
    m.PageControl->setCurrentIndex(0);
    QCOMPARE(m.TabSet->currentIndex(), 0);
    m.TabSet->setCurrentIndex(1);  // "Данные"
    QVERIFY(m.TabSheet1->TableShown());
    QVERIFY(m.ButtonStartStop->isVisibleTo(m.TabSheet1));

    m.PageControl->setCurrentIndex(1);
    QCOMPARE(m.TabSet->currentIndex(), 0);
    QVERIFY(!m.TabSheet3->TableShown());
    QVERIFY(m.TabSheet1->TableShown());

    m.PageControl->setCurrentIndex(0);
    QCOMPARE(m.TabSet->currentIndex(), 1);
    QVERIFY(m.TabSheet1->TableShown());
    m.TabSet->setCurrentIndex(0);
    QVERIFY(!m.TabSheet1->TableShown());
}

void TestPagesSettings::loggerPageBlanksTheStatusMessage()
{
    Program p;
    velt::TFMain &m = *p.FMain;
    m.PageControl->setCurrentIndex(0);
    m.StatusBar->SetText(3, "message");
    m.PageControl->setCurrentIndex(1);
    QCOMPARE(p.status(), QStringLiteral(" "));
    m.StatusBar->SetText(3, "message");
    m.PageControl->setCurrentIndex(0);
    QCOMPARE(p.status(), QStringLiteral("message"));
}

void TestPagesSettings::clearResetsReadoutsAndKeepsRows()
{
    Program p;
    velt::LivePage &live = *p.FMain->TabSheet1;
    live.ShowRecord(velt::MakeRecord("10:00:00", 500, 200, 250, velt::TgShown::Measured), [](velt::AlarmQuantity) {});
    QCOMPARE(live.Label25->text(), QStringLiteral("17.5"));
    QCOMPARE(live.StringGridD->RowCount(), 3);
    p.FMain->Button2->click();
    for (QLabel *label : {live.Label21, live.Label22, live.Label23, live.Label25, live.Label26, live.Label27,
                          live.Label28, live.Label29, live.Label30})
        QCOMPARE(label->text(), QStringLiteral("0.0"));
    for (const velt::SeriesRef &series : live.seriesInColumnOrder())
        QCOMPARE(series.chart->Count(series.index), 0);
    QCOMPARE(live.StringGridD->RowCount(), 3);
    QCOMPARE(live.StringGridD->Cells(1, 1), QStringLiteral("17.5"));
}

void TestPagesSettings::verticalSlidersNeverCross()
{
    Program p;
    velt::TFOptions &o = p.FOptions;
    velt::ChartView &chart = *p.FMain->ChartValue;
    QCOMPARE(chart.YRange().lower, 0.0);
    QCOMPARE(chart.YRange().upper, 100.0);

    o.TrackBarYMin->setValue(40);
    QCOMPARE(chart.YRange().lower, 40.0);
    QCOMPARE(o.StaticTextYMin->text(), QStringLiteral("Min 40"));
    o.TrackBarYMax->setValue(40);
    QCOMPARE(o.TrackBarYMax->value(), 41);
    QCOMPARE(o.StaticTextYMax->text(), QStringLiteral("Max 41"));
    QCOMPARE(chart.YRange().upper, 41.0);

    o.TrackBarYMax->setValue(100);
    o.TrackBarYMin->setValue(99);
    QCOMPARE(chart.YRange().lower, 99.0);
    QCOMPARE(chart.YRange().upper, 100.0);
    o.TrackBarYMax->setValue(1);
    QCOMPARE(o.TrackBarYMax->value(), 100);
}

void TestPagesSettings::intervalSliderSetsTheReadTimer()
{
    Program p;
    velt::TFMain &m = *p.FMain;
    p.FOptions.TrackBarInterv->setValue(600);
    QCOMPARE(m.TimerInterval.interval(), 600000);
    QVERIFY(!m.TimerInterval.isActive());
    QCOMPARE(p.FOptions.LabelInterv->text(), QStringLiteral("Интервал измерений, 600 cek."));
    m.TimerInterval.start();
    p.FOptions.TrackBarInterv->setValue(10);
    QVERIFY(m.TimerInterval.isActive());
    QCOMPARE(m.TimerInterval.interval(), 10000);
    QVERIFY(m.TimerInterval.remainingTime() > 9000);
    m.TimerInterval.stop();
}

void TestPagesSettings::windowSliderSetsTheChartWindow()
{
    Program p;
    QCOMPARE(velt::ChartWindow, 100);
    p.FOptions.TrackBarXKol->setValue(250);
    QCOMPARE(velt::ChartWindow, 250);
    QCOMPARE(p.FOptions.StaticTextXKol->text(), QStringLiteral("Kol 250"));
}

void TestPagesSettings::mouseZoomsRestoresAndScrolls()
{
    velt::ChartView chart;
    chart.resize(400, 300);
    chart.SetXRange(0, 100);
    chart.SetYRange(0, 100);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    chart.replot();
    const QRect plot = chart.axisRect()->rect();
    const QPoint a = plot.topLeft() + QPoint(plot.width() / 4, plot.height() / 4);
    const QPoint b = plot.topLeft() + QPoint(plot.width() * 3 / 4, plot.height() * 3 / 4);

    QTest::mousePress(&chart, Qt::LeftButton, {}, a);
    QTest::mouseMove(&chart, b);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, b);
    QVERIFY(chart.Zoomed());
    QVERIFY(std::abs(chart.XRange().lower - 25) < 2 && std::abs(chart.XRange().upper - 75) < 2);
    QVERIFY(std::abs(chart.YRange().lower - 25) < 2 && std::abs(chart.YRange().upper - 75) < 2);

    // Dragging towards the upper left undoes the zoom.
    QTest::mousePress(&chart, Qt::LeftButton, {}, b);
    QTest::mouseMove(&chart, a);
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, a);
    QVERIFY(!chart.Zoomed());
    QCOMPARE(chart.XRange().lower, 0.0);
    QCOMPARE(chart.XRange().upper, 100.0);

    // The right button drags the view along.
    QTest::mousePress(&chart, Qt::RightButton, {}, b);
    QTest::mouseMove(&chart, a);
    QTest::mouseRelease(&chart, Qt::RightButton, {}, a);
    QVERIFY(chart.XRange().lower > 40);
    QVERIFY(std::abs(chart.XRange().size() - 100) < 1e-9);
}

QTEST_MAIN(TestPagesSettings)
#include "tst_pages_settings.moc"
