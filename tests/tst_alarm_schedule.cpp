// Alarm limits and schedule times as the monitoring reads them.

#include "measure/alarm.h"
#include "measure/schedule.h"

#include <QTest>

Q_DECLARE_METATYPE(velt::LimitState)

class TestAlarmSchedule : public QObject {
    Q_OBJECT
private slots:
    void limitsAreReachedAtOrBeyondEitherBound_data();
    void limitsAreReachedAtOrBeyondEitherBound();
    void scheduleMatchesItsMinute_data();
    void scheduleMatchesItsMinute();
};

void TestAlarmSchedule::limitsAreReachedAtOrBeyondEitherBound_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<velt::LimitState>("state");
    using S = velt::LimitState;
    QTest::newRow("9.5 below 10") << 9.5f << "10" << "30" << S::Reached;
    QTest::newRow("30.0 at the maximum") << 30.0f << "10" << "30" << S::Reached;
    QTest::newRow("29.9 within") << 29.9f << "10" << "30" << S::Within;
    QTest::newRow("10.1 within") << 10.1f << "10" << "30" << S::Within;
    QTest::newRow("10.0 at the minimum") << 10.0f << "10" << "30" << S::Reached;
    QTest::newRow("comma separator") << 10.0f << "10,0" << "30,5" << S::Reached;
    QTest::newRow("point separator, blanks") << 30.4f << " 10.0 " << " 30.5" << S::Within;
    QTest::newRow("untouched limits 0.0 and 0.0") << 20.0f << "0.0" << "0.0" << S::Reached;
    QTest::newRow("minimum not a number") << 5.0f << "abc" << "30" << S::NotANumber;
    QTest::newRow("maximum empty") << 50.0f << "10" << "" << S::NotANumber;
    QTest::newRow("maximum with unit") << 50.0f << "10" << "30 C" << S::NotANumber;
    QTest::newRow("infinity is no limit") << 50.0f << "10" << "inf" << S::NotANumber;
}

void TestAlarmSchedule::limitsAreReachedAtOrBeyondEitherBound()
{
    QFETCH(float, value);
    QFETCH(QString, minimum);
    QFETCH(QString, maximum);
    QFETCH(velt::LimitState, state);
    QCOMPARE(velt::CheckLimits(value, minimum, maximum), state);
}

void TestAlarmSchedule::scheduleMatchesItsMinute_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("14:05 in its minute") << QTime(14, 5, 7) << "14:05" << true;
    QTest::newRow("14:05 a minute late") << QTime(14, 6, 0) << "14:05" << false;
    QTest::newRow("09:05 before ten") << QTime(9, 5, 40) << "09:05" << true;
    QTest::newRow("9:05 with a leading blank") << QTime(9, 5, 0) << " 9:05" << true;
    QTest::newRow("9:05 with the editor's blank") << QTime(9, 5, 0) << "_9:05" << true;
    QTest::newRow("9:05 without a leading digit") << QTime(9, 5, 0) << "9:05" << true;
    QTest::newRow("midnight") << QTime(0, 0, 30) << "00:00" << true;
    QTest::newRow("empty edit") << QTime(0, 0, 0) << "  :  " << false;
    QTest::newRow("empty edit as Qt reports it") << QTime(0, 0, 0) << ":" << false;
    QTest::newRow("minutes unfinished") << QTime(14, 0, 0) << "14:_" << false;
    QTest::newRow("no such hour") << QTime(1, 0, 0) << "25:00" << false;
}

void TestAlarmSchedule::scheduleMatchesItsMinute()
{
    QFETCH(QTime, now);
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QCOMPARE(velt::ScheduleMatches(now, text), matches);
}

QTEST_GUILESS_MAIN(TestAlarmSchedule)
#include "tst_alarm_schedule.moc"
