// The monitoring session against the simulated meter: start, stop, arm, the
// schedule, the read cycle's display and the limit alarm.

#include "link/commands.h"
#include "link/status_texts.h"
#include "tests/support/program.h"
#include "ui/alarm_tone.h"
#include "ui/chart_view.h"
#include "ui/live_page.h"
#include "ui/string_grid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using velt::test::Program;

namespace {

velt::sim::MeterModel withReadings(std::vector<velt::sim::ReadingWords> readings)
{
    velt::sim::MeterModel model;
    model.readings = std::move(readings);
    return model;
}

QStringList liveRow(const velt::TFMain &m, int row)
{
    QStringList cells;
    for (int col = 0; col < 10; ++col)
        cells << m.StringGridD->Cells(col, row);
    return cells;
}

// One read cycle, started by hand, run to its end.
bool readOnce(Program &p)
{
    const int rows = p.FMain->StringGridD->RowCount();
    p.FMain->ReadMeasurement();
    return QTest::qWaitFor([&] { return p.FMain->StringGridD->RowCount() > rows || !p.FMain->link().busy(); },
                           5000)
           && QTest::qWaitFor([&] { return !p.FMain->link().busy(); }, 5000);
}

}  // namespace

class TestLiveSession : public QObject {
    Q_OBJECT
private slots:
    void startReadsOneIntervalLaterAndShowsTheRecord();
    void stopSendsAProbeAndResets();
    void startWithoutAnswer();
    void meterLostDuringTheSessionEndsIt();
    void ticksDuringAReadingRunOnceAfterwards();
    void chartsSlideWithTheNewestPoint();
    void tgBelowTaShowsTheMeasuredTg();
    void scheduledSessionStartsAndEndsInItsMinutes_data();
    void scheduledSessionStartsAndEndsInItsMinutes();
    void sameStartAndEndMinuteReadsNothing();
    void armingWithoutAnswer();
    void reachedLimitsSoundTheAlarm_data();
    void reachedLimitsSoundTheAlarm();
    void limitTextThatIsNotANumberIsMarked();
};

void TestLiveSession::startReadsOneIntervalLaterAndShowsTheRecord()
{
    Program p(withReadings({{500, 200, 250}}));
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    QVERIFY(m.ButtonStartStop->isEnabled());
    m.TimerInterval.setInterval(300);
    QSignalSpy ticks(&m.TimerInterval, &QTimer::timeout);

    m.ButtonStartStop->click();
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), QStringLiteral("Чтение каналов"), 5000);
    QCOMPARE(m.ButtonStartStop->text(), QStringLiteral("Стоп"));
    QVERIFY(m.TimerInterval.isActive());
    // Nothing is read at the click itself: the first row waits for the tick.
    QCOMPARE(ticks.size(), 0);
    QCOMPARE(m.StringGridD->RowCount(), 2);
    QCOMPARE(p.meter->commandCount(velt::CmdReadings), 0);

    QTRY_COMPARE_WITH_TIMEOUT(m.StringGridD->RowCount(), 3, 5000);
    QVERIFY(ticks.size() >= 1);
    QCOMPARE(p.status(), QStringLiteral("Чтение данных ..."));
    const QStringList row = liveRow(m, 1);
    QVERIFY2(QTime::fromString(row[0], "HH:mm:ss").isValid(), qPrintable(row[0]));
    QCOMPARE(row.mid(1), (QStringList{"17.5", "17", "50", "20", "25", "14.3", "9.3", "28.3", "49.7"}));
    const velt::LivePage &live = *m.TabSheet1;
    const std::pair<QLabel *, QString> labels[] = {
        {live.Label21, "20"},   {live.Label23, "50"}, {live.Label27, "14.3"}, {live.Label28, "9.3"},
        {live.Label22, "25"},   {live.Label25, "17.5"}, {live.Label26, "17"}, {live.Label29, "28.3"},
        {live.Label30, "49.7"}};
    for (const auto &[label, text] : labels)
        QCOMPARE(label->text(), text);
    for (const velt::SeriesRef &series : live.seriesInColumnOrder())
        QVERIFY(series.chart->Count(series.index) >= 1);
    QCOMPARE(live.LineSeries3.chart->YValue(live.LineSeries3.index, 0), 17.5);
    QCOMPARE(live.Series12.chart->Label(live.Series12.index, 0), row[0]);
    m.ButtonStartStop->click();
    QVERIFY(p.meter->violations().empty());
}

void TestLiveSession::stopSendsAProbeAndResets()
{
    Program p;
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    m.TimerInterval.setInterval(600000);
    m.ButtonStartStop->click();
    QTRY_COMPARE_WITH_TIMEOUT(m.ButtonStartStop->text(), QStringLiteral("Стоп"), 5000);
    const int probes = p.meter->commandCount(velt::CmdProbe);
    m.ButtonStartStop->click();
    QCOMPARE(m.ButtonStartStop->text(), QStringLiteral("Старт"));
    QCOMPARE(p.status(), QStringLiteral(" "));
    QVERIFY(!m.TimerInterval.isActive());
    QTRY_COMPARE_WITH_TIMEOUT(p.meter->commandCount(velt::CmdProbe), probes + 1, 5000);
}

void TestLiveSession::startWithoutAnswer()
{
    Program p;
    QVERIFY(p.identify());
    velt::sim::LineFaults dead;
    dead.dead = true;
    p.meter->setFaults(dead);
    velt::TFMain &m = *p.FMain;
    m.ButtonStartStop->click();
    QVERIFY(!m.ButtonStartStop->isEnabled());  // until the probe has its answer
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), velt::kTextNoReply, 5000);
    QCOMPARE(m.ButtonStartStop->text(), QStringLiteral("Старт"));
    QVERIFY(m.ButtonStartStop->isEnabled());
    QVERIFY(!m.TimerInterval.isActive());
}

void TestLiveSession::meterLostDuringTheSessionEndsIt()
{
    Program p;
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    m.TimerInterval.setInterval(200);
    m.ButtonStartStop->click();
    QTRY_COMPARE_WITH_TIMEOUT(m.StringGridD->RowCount(), 3, 5000);
    // The meter falls silent inside the next reading's words.
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = 4;
    p.meter->setFaults(faults);
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), velt::kTextNoReply, 8000);
    QCOMPARE(m.ButtonStartStop->text(), QStringLiteral("Старт"));
    QVERIFY(!m.TimerInterval.isActive());
    QVERIFY(!m.TimerPeriod.isActive());
    QCOMPARE(m.StringGridD->RowCount(), 3);  // the first reading stays
}

void TestLiveSession::ticksDuringAReadingRunOnceAfterwards()
{
    velt::sim::LineFaults paced;
    paced.paced = true;
    Program p({}, paced);
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    m.TimerInterval.setInterval(600000);
    m.ButtonStartStop->click();
    QTRY_COMPARE_WITH_TIMEOUT(m.ButtonStartStop->text(), QStringLiteral("Стоп"), 5000);
    // Three ticks while the first reading is still on the line.
    m.TimerIntervalTimer();
    m.TimerIntervalTimer();
    m.TimerIntervalTimer();
    QTRY_COMPARE_WITH_TIMEOUT(m.StringGridD->RowCount(), 4, 5000);
    QTRY_VERIFY(!m.link().busy());
    QTest::qWait(200);
    QCOMPARE(m.StringGridD->RowCount(), 4);
    QCOMPARE(p.meter->commandCount(velt::CmdReadings), 2);
}

void TestLiveSession::chartsSlideWithTheNewestPoint()
{
    Program p;
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    for (int i = 0; i < 4; ++i)
        QVERIFY(readOnce(p));
    m.Button2->click();  // "Очистить"
    for (int i = 0; i < 3; ++i)
        QVERIFY(readOnce(p));
    for (velt::ChartView *chart : m.TabSheet1->charts()) {
        QCOMPARE(chart->XRange().lower, -98.0);
        QCOMPARE(chart->XRange().upper, 2.0);
    }
    QCOMPARE(m.StringGridD->RowCount(), 9);  // the table was not cleared

    p.FOptions.TrackBarXKol->setValue(250);
    QVERIFY(readOnce(p));
    QCOMPARE(m.TabSheet1->Chart3->XRange().lower, -247.0);
    QCOMPARE(m.TabSheet1->Chart3->XRange().upper, 3.0);
}

void TestLiveSession::tgBelowTaShowsTheMeasuredTg()
{
    Program p(withReadings({{1000, 300, 280}}));
    QVERIFY(p.identify());
    QVERIFY(readOnce(p));
    const velt::LivePage &live = *p.FMain->TabSheet1;
    QCOMPARE(live.Label22->text(), QStringLiteral("28"));
    QCOMPARE(p.FMain->StringGridD->Cells(5, 1), QStringLiteral("28"));
    QCOMPARE(live.LineSeries5.chart->YValue(live.LineSeries5.index, 0), 28.0);
    QCOMPARE(live.Label29->text(), QStringLiteral("30"));
    QCOMPARE(live.Label30->text(), QStringLiteral("0"));
}

void TestLiveSession::scheduledSessionStartsAndEndsInItsMinutes_data()
{
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("end");
    QTest::newRow("before ten") << QTime(9, 5) << QTime(9, 7);
    QTest::newRow("afternoon") << QTime(14, 5) << QTime(14, 7);
}

void TestLiveSession::scheduledSessionStartsAndEndsInItsMinutes()
{
    QFETCH(QTime, start);
    QFETCH(QTime, end);
    Program p;
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    p.FOptions.CheckBoxTimer->setChecked(true);
    p.FOptions.MaskEditTimeN->setText(start.toString("HH:mm"));
    p.FOptions.MaskEditTimeK->setText(end.toString("HH:mm"));
    m.TimerInterval.setInterval(600000);

    p.clock = start.addSecs(-120);
    m.ButtonStartStop->click();
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), QStringLiteral("Соединение прошло успешно, ожидание начала измерений "),
                              5000);
    QCOMPARE(m.ButtonStartStop->text(), QStringLiteral("Стоп"));
    QVERIFY(m.TimerPeriod.isActive());
    QCOMPARE(m.TimerPeriod.interval(), 20000);
    m.TimerPeriodTimer();
    QVERIFY(!m.TimerInterval.isActive());

    p.clock = start.addSecs(40);
    m.TimerPeriodTimer();
    QVERIFY(m.TimerInterval.isActive());
    QVERIFY(m.TimerPeriod.isActive());

    p.clock = end.addSecs(20);
    m.TimerPeriodTimer();
    QVERIFY(!m.TimerInterval.isActive());
    QVERIFY(!m.TimerPeriod.isActive());
    QCOMPARE(m.ButtonStartStop->text(), QStringLiteral("Старт"));
    // Nothing in the schedule tick talks to the meter.
    QCOMPARE(p.meter->commandCount(velt::CmdReadings), 0);
}

void TestLiveSession::sameStartAndEndMinuteReadsNothing()
{
    Program p;
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    p.FOptions.CheckBoxTimer->setChecked(true);
    p.FOptions.MaskEditTimeN->setText("08:30");
    p.FOptions.MaskEditTimeK->setText("08:30");
    m.ButtonStartStop->click();
    QTRY_VERIFY_WITH_TIMEOUT(m.TimerPeriod.isActive(), 5000);
    p.clock = QTime(8, 30, 10);
    m.TimerPeriodTimer();
    QVERIFY(!m.TimerInterval.isActive());
    QVERIFY(!m.TimerPeriod.isActive());
    QCOMPARE(m.StringGridD->RowCount(), 2);
}

void TestLiveSession::armingWithoutAnswer()
{
    Program p;
    QVERIFY(p.identify());
    velt::sim::LineFaults dead;
    dead.dead = true;
    p.meter->setFaults(dead);
    p.FOptions.CheckBoxTimer->setChecked(true);
    p.FMain->ButtonStartStop->click();
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), QStringLiteral("Нет отклика от прибора..."), 5000);
    QCOMPARE(p.FMain->ButtonStartStop->text(), QStringLiteral("Старт"));
    QVERIFY(!p.FMain->TimerPeriod.isActive());
}

void TestLiveSession::reachedLimitsSoundTheAlarm_data()
{
    QTest::addColumn<bool>("beep");
    QTest::addColumn<int>("tones");
    QTest::newRow("sound on") << true << 3;
    QTest::newRow("sound off") << false << 0;
}

void TestLiveSession::reachedLimitsSoundTheAlarm()
{
    QFETCH(bool, beep);
    QFETCH(int, tones);
    // ta 9.5, 30.0, 29.9, 10.1, 10.0 against the limits 10 and 30.
    Program p(withReadings({{500, 95, 250}, {500, 300, 250}, {500, 299, 250}, {500, 101, 250}, {500, 100, 250}}));
    QVERIFY(p.identify());
    p.FOptions.CheckBoxT->setChecked(true);
    p.FOptions.EditTmin->setText("10");
    p.FOptions.EditTmax->setText("30");
    p.FOptions.CheckBoxBeep->setChecked(beep);
    QSignalSpy alarms(p.FMain->Alarm, &velt::AlarmTone::requested);
    for (int i = 0; i < 5; ++i)
        QVERIFY(readOnce(p));
    QCOMPARE(alarms.size(), tones);
}

void TestLiveSession::limitTextThatIsNotANumberIsMarked()
{
    Program p(withReadings({{500, 95, 250}}));
    QVERIFY(p.identify());
    p.FOptions.CheckBoxT->setChecked(true);
    p.FOptions.CheckBoxBeep->setChecked(true);
    p.FOptions.EditTmin->setText("десять");
    p.FOptions.EditTmax->setText("30");
    QCOMPARE(p.FOptions.EditTmin->property("limitValid").toBool(), false);
    QCOMPARE(p.FOptions.EditTmax->property("limitValid").toBool(), true);
    QSignalSpy alarms(p.FMain->Alarm, &velt::AlarmTone::requested);
    QVERIFY(readOnce(p));
    QCOMPARE(alarms.size(), 0);
}

QTEST_MAIN(TestLiveSession)
#include "tst_live_session.moc"
