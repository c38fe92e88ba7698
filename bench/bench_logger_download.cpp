// The logger download's pace against the meter simulator.
//
// Unpaced, the simulator answers at once: what is measured is the host's own
// cost per record and per byte. Paced, the simulator takes a true 9600-baud
// byte time for every byte and a turnaround before each of its replies: the
// total is compared with the least the line allows, 38 byte times and 19
// turnarounds a record.
//
//   build/release/bench/bench_logger_download [records]

#include "link/exchange.h"
#include "link/qt_serial_port.h"
#include "link/serial_link.h"
#include "logger/logger_download.h"
#include "tools/sim/meter_simulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int kBytesEachWay = 19;

struct Run {
    int records = 0;
    double seconds = 0;
    bool ok = false;
};

Run download(int records, const velt::sim::LineFaults &faults)
{
    velt::sim::MeterModel model;
    model.logger.count = records;
    model.logger.minutesPerRecord = 0;
    velt::sim::MeterSimulator meter(model, faults);
    Run run;
    if (!meter.start())
        return run;
    velt::QtSerialPort port;
    velt::SerialLink link(port);
    link.setCandidates({QString::fromStdString(meter.devicePath())});
    link.PortIndex = 1;
    std::atomic<bool> cancel{false};
    QElapsedTimer timer;
    timer.start();
    const velt::ExchangeResult result = velt::RunExchange(link, [&](velt::SerialLink &l) {
        velt::DownloadLogger(l, cancel, [&](const velt::LoggerRecord &) { ++run.records; });
    });
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.ok = result.ok() && meter.violations().empty();
    return run;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? std::atoi(argv[1]) : 3000;

    const Run fast = download(records, {});
    const double perRecordUs = fast.seconds * 1e6 / fast.records;
    std::printf("unpaced: %d records in %.2f s: %.0f us a record, %.1f us a byte (%d each way a record)%s\n",
                fast.records, fast.seconds, perRecordUs, perRecordUs / (2 * kBytesEachWay), kBytesEachWay,
                fast.ok ? "" : "  [FAILED]");

    velt::sim::LineFaults paced;
    paced.paced = true;
    paced.turnaround = std::chrono::microseconds(1000);
    const Run slow = download(records, paced);
    const double byteTime = velt::sim::MeterSimulator::kByteTime.count() / 1e6;
    const double wire = slow.records * (2 * kBytesEachWay * byteTime + kBytesEachWay * 0.001);
    std::printf("paced at 9600 baud, 1 ms turnaround: %d records in %.1f s, wire minimum %.1f s, ratio %.3f%s\n",
                slow.records, slow.seconds, wire, slow.seconds / wire, slow.ok ? "" : "  [FAILED]");
    return fast.ok && slow.ok ? 0 : 1;
}
