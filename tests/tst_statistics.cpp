// The statistics of the live readings: classes, bounds, percent marks, and
// the window that shows them.

#include "reports/statistics.h"
#include "tests/support/program.h"
#include "ui/live_page.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <qcustomplot.h>
#include <QLabel>
#include <QTest>

#include <limits>

using Counts = std::array<int, 10>;
Q_DECLARE_METATYPE(Counts)

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void valuesFallIntoTheirClasses_data();
    void valuesFallIntoTheirClasses();
    void percentMarks();
    void windowShowsTheLiveReadings();
    void windowWithNoEntryChosenStaysEmpty();
};

void TestStatistics::valuesFallIntoTheirClasses_data()
{
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<int>("width");
    QTest::addColumn<Counts>("counts");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::newRow("9.5, 25, 50 by fives") << QVector<double>{9.5, 25.0, 50.0} << 5
                                          << Counts{0, 1, 0, 0, 0, 1, 0, 0, 0, 0} << 9.5 << 50.0;
    QTest::newRow("humidity 100 is in no class") << QVector<double>{0.0, 99.9, 100.0} << 10
                                                 << Counts{1, 0, 0, 0, 0, 0, 0, 0, 0, 1} << 0.0 << 100.0;
    QTest::newRow("bounds belong above") << QVector<double>{10.0, 20.0, 19.9} << 10
                                         << Counts{0, 2, 1, 0, 0, 0, 0, 0, 0, 0} << 10.0 << 20.0;
    QTest::newRow("a gap is no value") << QVector<double>{std::numeric_limits<double>::quiet_NaN(), 3.0} << 5
                                       << Counts{1, 0, 0, 0, 0, 0, 0, 0, 0, 0} << 3.0 << 3.0;
}

void TestStatistics::valuesFallIntoTheirClasses()
{
    QFETCH(QVector<double>, values);
    QFETCH(int, width);
    QFETCH(Counts, counts);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    const velt::Statistics s = velt::ComputeStatistics(values, width);
    QCOMPARE(s.counts, counts);
    QCOMPARE(*s.minimum, minimum);
    QCOMPARE(*s.maximum, maximum);
    QCOMPARE(s.labels.first(), QString::number(width));
    QCOMPARE(s.labels.last(), QString::number(10 * width));
}

void TestStatistics::percentMarks()
{
    const velt::Statistics thirds = velt::ComputeStatistics({1, 1, 6}, 5);
    QCOMPARE(thirds.percentText(0), QStringLiteral("66.67 %"));
    QCOMPARE(thirds.percentText(1), QStringLiteral("33.33 %"));
    QCOMPARE(thirds.percentText(2), QStringLiteral("0 %"));
    // Nothing counted: no marks rather than a division by zero.
    const velt::Statistics none = velt::ComputeStatistics({60, 70}, 5);
    for (int k = 0; k < 10; ++k)
        QVERIFY(none.percentText(k).isEmpty());
    const velt::Statistics empty = velt::ComputeStatistics({}, 10);
    QVERIFY(!empty.minimum && !empty.maximum);
}

void TestStatistics::windowShowsTheLiveReadings()
{
    velt::test::Program p;
    velt::LivePage &live = *p.FMain->TabSheet1;
    for (int ta : {95, 250, 500})
        live.ShowRecord(velt::MakeRecord("12:00:00", 500, static_cast<std::uint16_t>(ta), 300,
                                         velt::TgShown::Measured),
                        [](velt::AlarmQuantity) {});
    velt::TFStat &stat = p.FStat;
    p.FMain->N5->trigger();
    QVERIFY(stat.isVisible());
    stat.ComboBoxStat->setCurrentIndex(0);
    const velt::Statistics &shown = stat.shown();
    QCOMPARE(shown.counts, (Counts{0, 1, 0, 0, 0, 1, 0, 0, 0, 0}));
    QCOMPARE(shown.labels[1], QStringLiteral("10"));
    QCOMPARE(shown.labels[5], QStringLiteral("30"));
    QCOMPARE(stat.BarSeriesStat->dataCount(), 10);
    QCOMPARE(stat.StaticTextMin->text(), QStringLiteral("9.5"));
    QCOMPARE(stat.StaticTextMax->text(), QStringLiteral("50"));
    QCOMPARE(stat.marks().count(QStringLiteral("50 %")), 2);

    // New readings do not change it until it is asked to recompute.
    live.ShowRecord(velt::MakeRecord("12:00:03", 500, 120, 300, velt::TgShown::Measured), [](velt::AlarmQuantity) {});
    QCOMPARE(stat.shown().counts[2], 0);
    stat.ButtonStatReload->click();
    QCOMPARE(stat.shown().counts[2], 1);

    stat.ComboBoxStat->setCurrentIndex(1);  // humidity, all 50 %
    QCOMPARE(stat.shown().counts[5], 4);
    // After "Очистить": ten empty bars and 0 in both fields.
    p.FMain->Button2->click();
    stat.ButtonStatReload->click();
    QCOMPARE(stat.BarSeriesStat->dataCount(), 10);
    QCOMPARE(stat.shown().counted(), 0);
    QCOMPARE(stat.StaticTextMin->text(), QStringLiteral("0"));
    QCOMPARE(stat.StaticTextMax->text(), QStringLiteral("0"));
    QVERIFY(stat.marks().isEmpty());
    p.FMain->N5->trigger();
    QVERIFY(!stat.isVisible());
}

void TestStatistics::windowWithNoEntryChosenStaysEmpty()
{
    velt::test::Program p;
    p.FMain->N5->trigger();
    QCOMPARE(p.FStat.ComboBoxStat->currentIndex(), -1);
    QCOMPARE(p.FStat.BarSeriesStat->dataCount(), 0);
    QVERIFY(p.FStat.StaticTextMin->text().isEmpty());
    QVERIFY(p.FStat.StaticTextMax->text().isEmpty());
    p.FStat.close();
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
