// What one live reading costs on its way to the screen: the nine readouts,
// the table row and the nine chart points, with all six charts repainted,
// at a growing number of points kept; and the memory each reading keeps.
//
//   QT_QPA_PLATFORM=offscreen build/release/bench/bench_live_display

#include "measure/measurement_record.h"
#include "ui/chart_view.h"
#include "ui/live_page.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace {

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

velt::MeasurementRecord reading(int i)
{
    const auto wave = [i](int base, int swing, int period) {
        return static_cast<std::uint16_t>(base + (i % period < period / 2 ? i % period : period - i % period) * swing);
    };
    return velt::MakeRecord(QStringLiteral("12:00:00"), wave(400, 2, 60), wave(200, 1, 40), wave(230, 2, 50),
                            velt::TgShown::Measured);
}

void addReading(velt::LivePage &page, int i, bool repaint)
{
    page.ShowRecord(reading(i), [](velt::AlarmQuantity) {});
    page.SlideWindows(100);
    if (repaint)
        for (velt::ChartView *chart : page.charts())
            chart->replot(QCustomPlot::rpImmediateRefresh);
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    velt::LivePage page;
    page.resize(660, 500);
    page.show();
    QApplication::processEvents();

    std::printf("live display: one reading shown, all six charts repainted\n");
    std::printf("%10s %14s\n", "points", "us/reading");
    int added = 0;
    const long before = residentBytes();
    for (int level : {100, 1000, 10000, 30000}) {
        while (added < level)
            addReading(page, added++, false);
        constexpr int samples = 200;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < samples; ++i)
            addReading(page, added++, true);
        std::printf("%10d %14.1f\n", level, timer.nsecsElapsed() / 1000.0 / samples);
    }
    const long after = residentBytes();
    const double perReading = double(after - before) / added;
    std::printf("memory: %d readings kept, %.0f bytes per reading, %.1f bytes per chart point (9 a reading, "
                "the table row included)\n",
                added, perReading, perReading / 9);
    return 0;
}
