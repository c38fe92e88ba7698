#include "tools/cli/cli.h"

#include "link/exchange.h"
#include "link/identification.h"
#include "link/meter_search.h"
#include "link/qt_serial_port.h"
#include "link/serial_link.h"
#include "logger/device_clock.h"
#include "logger/download_progress_text.h"
#include "logger/logger_download.h"
#include "logger/memory_cells.h"
#include "measure/measurement_record.h"
#include "measure/reading.h"
#include "reports/measurement_protocol.h"
#include "reports/xlsx_book.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QElapsedTimer>

#include <QFile>
#include <QThread>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace velt::cli {

namespace {

// A whole pass is at most eight probes of 440 ms; two passes also catch a
// meter that was busy with its own display when first asked.
constexpr int kSearchPasses = 2;

const char *const kUsageText =
    "Usage: velt-cli [--port DEV]... COMMAND [OPTIONS]\n"
    "\n"
    "Commands:\n"
    "  identify              print the meter's port, type code, sub-type and model\n"
    "  read                  take one reading; print the live table's header and row\n"
    "  memory                read the nine memory cells; print the table as the\n"
    "                        program's \"В буфер\" puts it on the clipboard\n"
    "  set-clock [--at \"YYYY-MM-DD HH:MM\"]\n"
    "                        set the meter's clock to the workstation's time or the given one\n"
    "  monitor [--interval SECONDS] [--count N] [-o FILE]\n"
    "                        read every SECONDS (3 to 600, default 3), the first reading one\n"
    "                        interval after the start; print the live table's header and one\n"
    "                        row per reading as it arrives, or append them to FILE; end after\n"
    "                        N readings, on Ctrl+C, or with status 3 when the meter falls silent\n"
    "  download [-o FILE]    read the logger: the logger table's header and one row per record\n"
    "                        as it arrives, to standard output or FILE; progress on standard\n"
    "                        error when it is a terminal. A FILE ending in .xlsx receives the\n"
    "                        measurement protocol workbook instead, written at the end\n"
    "\n"
    "Options:\n"
    "  --port DEV            serial device to search for the meter; repeat to give several.\n"
    "                        Without it the system's serial ports are searched, USB adapters first.\n"
    "  -h, --help            show this text\n"
    "\n"
    "Exit status: 0 on success, 2 on a usage error, 3 when the meter does not answer\n"
    "(\"Нет отклика от прибора\" on standard error).\n";

void out(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void err(const QString &text)
{
    const QByteArray bytes = (text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

int usageError(const QString &message)
{
    err(QStringLiteral("velt-cli: %1\n").arg(message) + QString::fromUtf8(kUsageText));
    return kUsage;
}

int failed(const ExchangeResult &result)
{
    err(result.statusText);
    return kNoReply;
}

int identify(SerialLink &link)
{
    Identification id;
    const ExchangeResult result =
        RunExchange(link, [&id](SerialLink &l) { id = IdentifyMeter(l); }, false);
    if (!result.ok())
        return failed(result);
    const IdentificationView view = ViewOf(id);
    QString text = QStringLiteral("port\t%1\ntype\t%2\n").arg(link.PortName, TypeCodeText(id.DeviceType));
    if (id.DeviceSubType)
        text += QStringLiteral("subtype\t%1\n").arg(view.typeText);
    text += QStringLiteral("model\t%1\n").arg(view.modelText.value_or(QString()));
    out(text);
    return kOk;
}

int read(SerialLink &link)
{
    ReadingWords words;
    const ExchangeResult result = RunExchange(link, [&words](SerialLink &l) { words = ReadMeasurement(l); });
    if (!result.ok())
        return failed(result);
    const MeasurementRecord record = MakeRecord(TimeText(), words.RH, words.ta, words.tg, TgShown::Measured);
    out(kRecordHeaders.join('\t') + '\n' + record.cells().join('\t') + '\n');
    return kOk;
}

int memory(SerialLink &link)
{
    // The meter's type decides which columns it leaves blank, as in the
    // program, which always knows the type before it reads the cells.
    Identification id;
    ExchangeResult result = RunExchange(link, [&id](SerialLink &l) { id = IdentifyMeter(l); }, false);
    if (!result.ok())
        return failed(result);
    QList<QStringList> table = EmptyMemoryTable();
    result = RunExchange(link, [&table, &id](SerialLink &l) {
        ReadMemoryCells(l, id.DeviceType,
                        [&table](int row, int col, const QString &text) { table[row][col] = text; });
    });
    if (!result.ok())
        return failed(result);
    out(ClipboardText(table));
    return kOk;
}

int setClock(SerialLink &link, const QDateTime &moment)
{
    const ClockFields fields = ClockFieldsOf(moment);
    const ExchangeResult result = RunExchange(link, [&fields](SerialLink &l) { SetMeterClock(l, fields); });
    if (!result.ok())
        return failed(result);
    out(kTextClockDone + '\n');
    return kOk;
}

std::atomic<bool> g_interrupted{false};

void onInterrupt(int) { g_interrupted = true; }

// Waits the interval, or less when interrupted.
void waitInterval(int seconds)
{
    for (int waited = 0; waited < seconds * 1000 && !g_interrupted; waited += 50)
        QThread::msleep(50);
}

int monitor(SerialLink &link, int interval, int count, const QString &outputPath)
{
    QFile output;
    if (outputPath.isEmpty()) {
        if (!output.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
            return kUsage;
    } else {
        output.setFileName(outputPath);
        if (!output.open(QIODevice::WriteOnly | QIODevice::Append)) {
            err(QStringLiteral("Не удалось открыть файл %1: %2").arg(outputPath, output.errorString()));
            return kUsage;
        }
    }
    // The same start as the program's Start button: a probe first.
    ExchangeResult result = RunExchange(link, [](SerialLink &) {});
    if (!result.ok())
        return failed(result);

    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    auto writeLine = [&output](const QStringList &cells) {
        output.write((cells.join('\t') + '\n').toUtf8());
        output.flush();
    };
    if (output.size() == 0 || outputPath.isEmpty())
        writeLine(kRecordHeaders);
    for (int done = 0; count <= 0 || done < count; ++done) {
        waitInterval(interval);
        if (g_interrupted)
            break;
        ReadingWords words;
        result = RunExchange(link, [&words](SerialLink &l) { words = ReadMeasurement(l); });
        if (!result.ok())
            return failed(result);
        writeLine(MakeRecord(TimeText(), words.RH, words.ta, words.tg, TgShown::Measured).cells());
    }
    return kOk;
}

// The downloaded records as the measurement protocol workbook, written
// whole after the download, also when the meter fell silent on the way.
int downloadWorkbook(SerialLink &link, const QString &path)
{
    const bool showProgress = ::isatty(STDERR_FILENO) == 1;
    QElapsedTimer elapsed;
    elapsed.start();
    QList<QStringList> table{kRecordHeaders};
    std::atomic<bool> cancel{false};
    const ExchangeResult result = RunExchange(link, [&](SerialLink &l) {
        DownloadLogger(l, cancel, [&](const LoggerRecord &record) {
            table << LoggerRow(record).cells();
            if (showProgress)
                std::fprintf(stderr, "\r%s   ",
                             DownloadProgressText(static_cast<int>(table.size()) - 1, elapsed.elapsed()).toUtf8().constData());
        });
    });
    if (showProgress && table.size() > 1)
        std::fputc('\n', stderr);
    if (result.kind == ExchangeResult::Kind::NoAnswer || result.kind == ExchangeResult::Kind::NoAccess)
        return failed(result);
    table << QStringList(kRecordColumns);  // the logger table's empty last row
    XlsxBook book;
    WriteProtocol(book, ProtocolFromTable(table));
    QString reason;
    if (!book.Save(path, &reason)) {
        err(QStringLiteral("Ошибка записи книги %1!\n%2").arg(path, reason));
        return kUsage;
    }
    return result.ok() ? kOk : failed(result);
}

int download(SerialLink &link, const QString &outputPath)
{
    if (outputPath.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return downloadWorkbook(link, outputPath);
    QFile output;
    const bool toFile = !outputPath.isEmpty();
    if (toFile ? !(output.setFileName(outputPath), output.open(QIODevice::WriteOnly | QIODevice::Truncate))
               : !output.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        err(QStringLiteral("Не удалось открыть файл %1: %2").arg(outputPath, output.errorString()));
        return kUsage;
    }
    const bool showProgress = ::isatty(STDERR_FILENO) == 1;
    QElapsedTimer elapsed;
    elapsed.start();
    int records = 0;
    bool headerWritten = false;
    std::atomic<bool> cancel{false};
    const ExchangeResult result = RunExchange(link, [&](SerialLink &l) {
        output.write((kRecordHeaders.join('\t') + '\n').toUtf8());
        output.flush();
        headerWritten = true;
        DownloadLogger(l, cancel, [&](const LoggerRecord &record) {
            output.write((LoggerRow(record).cells().join('\t') + '\n').toUtf8());
            output.flush();
            ++records;
            if (showProgress)
                std::fprintf(stderr, "\r%s   ", DownloadProgressText(records, elapsed.elapsed()).toUtf8().constData());
        });
    });
    if (showProgress && headerWritten)
        std::fputc('\n', stderr);
    if (!result.ok())
        return failed(result);
    return kOk;
}

bool readCount(const QCommandLineParser &parser, const QCommandLineOption &option, int low, int high, int &out)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    out = parser.value(option).toInt(&ok);
    return ok && out >= low && out <= high;
}

}  // namespace

int Run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({"h", "help"}, "Show help.");
    const QCommandLineOption port("port", "Serial device.", "DEV");
    const QCommandLineOption at("at", "Time to set.", "YYYY-MM-DD HH:MM");
    const QCommandLineOption interval("interval", "Seconds between readings.", "SECONDS");
    const QCommandLineOption count("count", "Number of readings.", "N");
    const QCommandLineOption output("o", "Output file.", "FILE");
    parser.addOptions({help, port, at, interval, count, output});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        out(QString::fromUtf8(kUsageText));
        return kOk;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return usageError(positional.isEmpty() ? QStringLiteral("no command given")
                                               : QStringLiteral("one command at a time"));
    const QString command = positional.first();
    static const QStringList commands = {"identify", "read", "memory", "set-clock", "monitor", "download"};
    if (!commands.contains(command))
        return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
    if (parser.isSet(at) && command != QLatin1String("set-clock"))
        return usageError(QStringLiteral("--at goes with set-clock"));
    const bool monitoring = command == QLatin1String("monitor");
    const bool downloading = command == QLatin1String("download");
    if (!monitoring && (parser.isSet(interval) || parser.isSet(count)))
        return usageError(QStringLiteral("--interval and --count go with monitor"));
    if (!monitoring && !downloading && parser.isSet(output))
        return usageError(QStringLiteral("-o goes with monitor and download"));
    int seconds = 3, readings = 0;
    if (!readCount(parser, interval, 3, 600, seconds))
        return usageError(QStringLiteral("--interval: expected 3 to 600 seconds"));
    if (!readCount(parser, count, 1, 1 << 30, readings))
        return usageError(QStringLiteral("--count: expected a positive number"));

    QDateTime moment = QDateTime::currentDateTime();
    if (parser.isSet(at)) {
        moment = QDateTime::fromString(parser.value(at), QStringLiteral("yyyy-MM-dd HH:mm"));
        if (!moment.isValid() || moment.date().year() < 2000 || moment.date().year() > 2255)
            return usageError(QStringLiteral("--at: expected \"YYYY-MM-DD HH:MM\", got \"%1\"").arg(parser.value(at)));
    }

    QtSerialPort serial;
    SerialLink link(serial);
    const PortCandidates candidates = parser.isSet(port) ? FixedCandidates(parser.values(port)) : SystemCandidates();
    QString searchError;
    if (!SearchForMeter(link, candidates, kSearchPasses, &searchError)) {
        err(searchError);
        return kNoReply;
    }
    if (command == QLatin1String("identify"))
        return identify(link);
    if (command == QLatin1String("read"))
        return read(link);
    if (command == QLatin1String("memory"))
        return memory(link);
    if (monitoring)
        return monitor(link, seconds, readings, parser.value(output));
    if (downloading)
        return download(link, parser.value(output));
    return setClock(link, moment);
}

}  // namespace velt::cli
