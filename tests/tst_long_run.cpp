// A day of monitoring at the 3 s interval, without the waiting: 28,800 read
// cycles against the simulated meter, every one shown on the six charts.
// Memory may grow by the readings kept and by nothing else; the sanitizer
// build reports any leak when the test ends. The figures are printed.

#include "tests/support/program.h"
#include "ui/chart_view.h"
#include "ui/live_page.h"
#include "ui/string_grid.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime's allocator interface (its header is not
// shipped with every compiler package).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kDay = 28800;
constexpr int kWarmUp = 1000;

// Bytes handed out by the heap and not yet given back.
long heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return static_cast<long>(mallinfo2().uordblks);
#endif
}

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLong() * sysconf(_SC_PAGESIZE);
}

}  // namespace

class TestLongRun : public QObject {
    Q_OBJECT
private slots:
    void aDayOfReadings();
};

void TestLongRun::aDayOfReadings()
{
    velt::test::Program p;
    QVERIFY(p.identify());
    velt::TFMain &m = *p.FMain;
    m.PageControl->setCurrentIndex(0);
    m.resize(1200, 650);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));

    // One cycle: the reading asked for, then the window's events until its
    // row is in and the charts have been repainted.
    QEventLoop loop;
    connect(&m.StringGridD->grid(), &QAbstractItemModel::rowsInserted, &loop, &QEventLoop::quit);
    auto cycle = [&] {
        m.ReadMeasurement();
        loop.exec();
        QCoreApplication::processEvents();
    };
    auto displayCost = [&] {
        QElapsedTimer timer;
        timer.start();
        const velt::MeasurementRecord record = velt::MakeRecord("12:00:00", 450, 215, 240, velt::TgShown::Measured);
        m.TabSheet1->ShowRecord(record, [](velt::AlarmQuantity) {});
        m.TabSheet1->SlideWindows(velt::ChartWindow);
        for (velt::ChartView *chart : m.TabSheet1->charts())
            chart->replot(QCustomPlot::rpImmediateRefresh);
        return timer.nsecsElapsed() / 1000.0;
    };

    for (int i = 0; i < kWarmUp; ++i)
        cycle();
    const double earlyCost = displayCost();
    const long heapBefore = heapInUse();
    const long residentBefore = residentBytes();
    QElapsedTimer timer;
    timer.start();
    for (int i = kWarmUp; i < kDay; ++i) {
        cycle();
        if ((i + 1) % 7200 == 0) {
            std::printf("long run: %d cycles, %.0f s\n", i + 1, timer.elapsed() / 1000.0);
            std::fflush(stdout);
        }
    }
    const double seconds = timer.elapsed() / 1000.0;
    const long heapGrowth = heapInUse() - heapBefore;
    const long residentGrowth = residentBytes() - residentBefore;
    const double lateCost = displayCost();

    const int readings = kDay - kWarmUp;
    const double heapPerReading = double(heapGrowth) / readings;
    std::printf("long run: %d read cycles in %.0f s (%.2f ms a cycle)\n", kDay, seconds, seconds * 1000 / readings);
    std::printf("long run: heap +%.0f bytes a reading (%.1f a chart point), resident +%.0f bytes a reading\n",
                heapPerReading, heapPerReading / 9, double(residentGrowth) / readings);
    std::printf("long run: one reading shown and six charts repainted: %.0f us at %d points, %.0f us at %d\n",
                earlyCost, kWarmUp, lateCost, kDay);

    QCOMPARE(m.StringGridD->RowCount(), kDay + 2 + 2);  // two readings shown by hand
    const velt::SeriesRef &ta = m.TabSheet1->Series13;
    QCOMPARE(ta.chart->Count(ta.index), kDay + 2);
    // Nine chart points, their shared labels and a table row of ten texts:
    // a reading keeps well under two kilobytes.
    QVERIFY2(heapPerReading < 2048, qPrintable(QString::number(heapPerReading)));
    QVERIFY(p.meter->violations().empty());
}

QTEST_MAIN(TestLongRun)
#include "tst_long_run.moc"
