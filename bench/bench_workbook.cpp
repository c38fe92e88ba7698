// How long the measurement protocol of a full logger (3000 records) takes
// to lay out and write as an .xlsx file.
//
//   build/release/bench/bench_workbook

#include "logger/logger_download.h"
#include "reports/measurement_protocol.h"
#include "reports/xlsx_book.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<QStringList> table{velt::kRecordHeaders};
    for (int k = 1; k <= velt::kMaxLoggerRecords; ++k) {
        velt::LoggerRecord r;
        r.address = static_cast<std::uint16_t>(10 * k);
        r.RH = static_cast<std::uint16_t>(400 + k % 200);
        r.ta = static_cast<std::uint16_t>(200 + k % 30);
        r.tg = static_cast<std::uint16_t>(210 + k % 50);
        r.hour = static_cast<std::uint8_t>(8 + k / 60 % 16);
        r.minute = static_cast<std::uint8_t>(k % 60);
        r.date1 = 17;
        r.date2 = 3;
        r.date3 = 9;
        table << velt::LoggerRow(r).cells();
    }
    table << QStringList(velt::kRecordColumns);

    QTemporaryDir dir;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        velt::XlsxBook book;
        velt::WriteProtocol(book, velt::ProtocolFromTable(table));
        QString error;
        if (!book.Save(dir.filePath("protocol.xlsx"), &error)) {
            std::printf("failed: %s\n", qPrintable(error));
            return 1;
        }
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    std::printf("workbook of %d logger records: %.0f ms (best of 5)\n", velt::kMaxLoggerRecords, best);
    return 0;
}
