// velt-cli against the simulated meter, and its memory text against the
// main window's clipboard.

#include "tests/support/meter_fixture.h"
#include "tests/support/program.h"
#include "tests/support/xlsx_reader.h"
#include "tools/sim/meter_simulator.h"
#include "ui/form_help.h"
#include "ui/form_logo.h"
#include "ui/form_main.h"
#include "ui/form_options.h"
#include "ui/form_stat.h"
#include "ui/status_panels.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using velt::sim::MeterSimulator;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", locale);
    env.insert("LANG", locale);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VELT_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

std::unique_ptr<MeterSimulator> startMeter(velt::sim::MeterModel model = {})
{
    auto meter = std::make_unique<MeterSimulator>(std::move(model));
    return meter->start() ? std::move(meter) : nullptr;
}

QString pathOf(const MeterSimulator &meter) { return QString::fromStdString(meter.devicePath()); }

}  // namespace

namespace {

QStringList linesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void readPrintsTheLiveTableRow_data();
    void readPrintsTheLiveTableRow();
    void identifyPrintsPortTypeAndModel();
    void setClockSendsTheGivenTime();
    void memoryTextEqualsTheWindowsClipboard_data();
    void memoryTextEqualsTheWindowsClipboard();
    void silentPortExitsWithNoReply();
    void downloadWritesTheLoggerTable();
    void downloadKeepsWhatItReadWhenTheMeterFallsSilent();
    void downloadToAWorkbook();
    void monitorAppendsRowsAsTheyArrive();
    void monitorStopsOnInterruptKeepingItsRows();
    void monitorEndsWhenTheMeterFallsSilent();
    void usageErrors_data();
    void usageErrors();
};

void TestCli::readPrintsTheLiveTableRow_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("values");
    QTest::newRow("point") << "C.UTF-8" << "17.5\t17\t50\t20\t25\t14.3\t9.3\t28.3\t49.7";
    QTest::newRow("comma") << "ru_RU.UTF-8" << "17,5\t17\t50\t20\t25\t14,3\t9,3\t28,3\t49,7";
}

void TestCli::readPrintsTheLiveTableRow()
{
    QFETCH(QString, locale);
    QFETCH(QString, values);
    velt::sim::MeterModel model;
    model.readings = {{500, 200, 250}};
    auto meter = startMeter(model);
    QVERIFY(meter);
    const CliRun run = runCli({"--port", "/dev/velt-missing", "--port", pathOf(*meter), "read"}, locale);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    const QStringList lines = QString::fromUtf8(run.out).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[2].isEmpty());
    QCOMPARE(lines[0], QStringLiteral("Время\tTHC,*C\tWBGT,*C\tRH,%\ttв.,*C\ttш.,*C\ttвт.,*C\ttтр.,*C\ttрад.,*C\tW,Вт/м2"));
    const int tab = lines[1].indexOf('\t');
    QVERIFY(QTime::fromString(lines[1].left(tab), "HH:mm:ss").isValid());
    QCOMPARE(lines[1].mid(tab + 1), values);
    QVERIFY(meter->violations().empty());
}

void TestCli::identifyPrintsPortTypeAndModel()
{
    velt::sim::MeterModel model;
    model.typeCode = 65;
    model.subType = 2;
    auto meter = startMeter(model);
    QVERIFY(meter);
    const CliRun run = runCli({"--port", pathOf(*meter), "identify"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             QStringLiteral("port\t%1\ntype\t65\nsubtype\tгол.1\nmodel\t\n").arg(pathOf(*meter).mid(5)));
}

void TestCli::setClockSendsTheGivenTime()
{
    auto meter = startMeter();
    QVERIFY(meter);
    const CliRun run = runCli({"--port", pathOf(*meter), "set-clock", "--at", "2017-03-09 14:07"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(meter->lastClockMessage(), (Bytes{0xAF, 7, 14, 9, 3, 17}));
}

void TestCli::memoryTextEqualsTheWindowsClipboard_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("type 24") << 24;
    QTest::newRow("type 50 blanks humidity and temperature") << 50;
}

void TestCli::memoryTextEqualsTheWindowsClipboard()
{
    QFETCH(int, type);
    velt::sim::MeterModel model;
    model.typeCode = static_cast<std::uint8_t>(type);
    velt::test::Program p(model);
    QVERIFY(p.identify());
    velt::TFMain &window = *p.FMain;
    QCOMPARE(int(window.DeviceType), type);

    // The window is idle with its port closed: the command line may use it.
    const CliRun run = runCli({"--port", pathOf(*p.meter), "memory"});
    QCOMPARE(run.exitCode, 0);

    QTRY_VERIFY(window.ButtonReadMemo->isEnabled());
    window.ButtonReadMemo->click();
    QTRY_COMPARE_WITH_TIMEOUT(window.StatusBar->Text(3), QStringLiteral("Чтение ячеек памяти завершено"), 10000);
    window.Button1->click();

    const QByteArray clipboard = QGuiApplication::clipboard()->text().toUtf8();
    QCOMPARE(run.out, clipboard);
    QVERIFY(clipboard.contains(type == 50 ? "\t0.13\t-\t-\n" : "\t0.13\t41\t20.5\n"));
}

void TestCli::silentPortExitsWithNoReply()
{
    velt::sim::LineFaults dead;
    dead.dead = true;
    MeterSimulator meter({}, dead);
    QVERIFY(meter.start());
    for (const char *command : {"identify", "read", "memory", "set-clock"}) {
        const CliRun run = runCli({"--port", pathOf(meter), command});
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("Нет отклика от прибора\n"));
        QVERIFY(run.out.isEmpty());
    }
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"download-all"};
    QTest::newRow("two commands") << QStringList{"read", "memory"};
    QTest::newRow("--at without set-clock") << QStringList{"read", "--at", "2017-03-09 14:07"};
    QTest::newRow("--at not a time") << QStringList{"set-clock", "--at", "yesterday"};
    QTest::newRow("unknown option") << QStringList{"read", "--baud", "19200"};
    QTest::newRow("interval too short") << QStringList{"monitor", "--interval", "2"};
    QTest::newRow("interval too long") << QStringList{"monitor", "--interval", "601"};
    QTest::newRow("count zero") << QStringList{"monitor", "--count", "0"};
    QTest::newRow("-o with read") << QStringList{"read", "-o", "/tmp/x.tsv"};
    QTest::newRow("--count with download") << QStringList{"download", "--count", "3"};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    const CliRun run = runCli(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains("Usage: velt-cli"));
    QVERIFY(run.out.isEmpty());
}


void TestCli::downloadWritesTheLoggerTable()
{
    auto meter = startMeter(velt::test::LoggerModel(3000, 1, 57));
    QVERIFY(meter);
    QTemporaryDir dir;
    const QString path = dir.filePath("logger.tsv");
    const CliRun run = runCli({"--port", pathOf(*meter), "download", "-o", path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());  // no progress: standard error is not a terminal
    const QStringList lines = linesOf(path);
    QCOMPARE(lines.size(), 1 + 57);
    QCOMPARE(lines[0], QStringLiteral("Время\tTHC,*C\tWBGT,*C\tRH,%\ttв.,*C\ttш.,*C\ttвт.,*C\ttтр.,*C\ttрад.,*C\tW,Вт/м2"));
    QVERIFY(lines[1].startsWith(QStringLiteral("8:0 9.3.17\t")));
    QVERIFY(lines[57].startsWith(QStringLiteral("8:56 9.3.17\t")));

    const CliRun toStdout = runCli({"--port", pathOf(*meter), "download"});
    QCOMPARE(toStdout.exitCode, 0);
    QCOMPARE(QString::fromUtf8(toStdout.out).split('\n', Qt::SkipEmptyParts), lines);
}

void TestCli::downloadKeepsWhatItReadWhenTheMeterFallsSilent()
{
    // At the line's true pace a full logger takes minutes: the meter is
    // sure to fall silent in the middle.
    velt::sim::LineFaults paced;
    paced.paced = true;
    auto meter = std::make_unique<MeterSimulator>(velt::test::LoggerModel(3000, 0), paced);
    QVERIFY(meter->start());
    QTemporaryDir dir;
    const QString path = dir.filePath("logger.tsv");
    QProcess process;
    process.start(QStringLiteral(VELT_CLI_PATH), {"--port", pathOf(*meter), "download", "-o", path});
    QTRY_VERIFY_WITH_TIMEOUT(linesOf(path).size() > 20, 10000);
    const qsizetype seen = linesOf(path).size();
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = 0;
    meter->setFaults(faults);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 3);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QStringLiteral("Нет отклика от прибора\n"));
    const QStringList lines = linesOf(path);
    // What was read before the silence stays, the record on the line at most.
    QVERIFY2(lines.size() >= seen && lines.size() <= seen + 1, qPrintable(QString::number(lines.size())));
    // Every row written is whole.
    for (const QString &line : lines)
        QCOMPARE(line.count('\t'), 9);
}

void TestCli::downloadToAWorkbook()
{
    auto meter = startMeter(velt::test::LoggerModel(3000, 1, 57));
    QVERIFY(meter);
    QTemporaryDir dir;
    const QString tsv = dir.filePath("logger.tsv");
    const QString xlsx = dir.filePath("logger.xlsx");
    QCOMPARE(runCli({"--port", pathOf(*meter), "download", "-o", tsv}).exitCode, 0);
    QCOMPARE(runCli({"--port", pathOf(*meter), "download", "-o", xlsx}).exitCode, 0);
    const QStringList lines = linesOf(tsv);
    velt::test::XlsxSheet sheet;
    QVERIFY(sheet.load(xlsx));
    QCOMPARE(sheet.text("E1"), QStringLiteral("ПРОТОКОЛ ИЗМЕРЕНИЙ ПАРАМЕТРОВ МИКРОКЛИМАТА"));
    for (int k = 1; k <= 57; ++k) {
        const QStringList cells = lines[k].split('\t');
        QCOMPARE(sheet.text(QStringLiteral("A%1").arg(k + 2)), cells[0]);
        QCOMPARE(sheet.text(QStringLiteral("J%1").arg(k + 2)).toDouble(), cells[9].toDouble());
    }
    QVERIFY(sheet.look("K59").ruledAllEdges);
    QVERIFY(!sheet.look("K60").ruledAllEdges);
}

void TestCli::monitorAppendsRowsAsTheyArrive()
{
    velt::sim::MeterModel model;
    model.readings = {{500, 200, 250}};
    auto meter = startMeter(model);
    QVERIFY(meter);
    QTemporaryDir dir;
    const QString path = dir.filePath("session.tsv");
    CliRun run = runCli({"--port", pathOf(*meter), "monitor", "--count", "2", "-o", path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    QStringList lines = linesOf(path);
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith(QStringLiteral("Время\tTHC,*C")));
    QVERIFY(lines[1].endsWith(QStringLiteral("\t17.5\t17\t50\t20\t25\t14.3\t9.3\t28.3\t49.7")));

    // A second run appends its rows; the header stands once.
    run = runCli({"--port", pathOf(*meter), "monitor", "--count", "1", "-o", path});
    QCOMPARE(run.exitCode, 0);
    lines = linesOf(path);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.filter(QStringLiteral("Время")).size(), 1);
}

// A monitoring run in the background that has written its first reading.
struct RunningMonitor {
    std::unique_ptr<MeterSimulator> meter = startMeter();
    QTemporaryDir dir;
    QString path = dir.filePath("session.tsv");
    QProcess process;

    bool start()
    {
        if (!meter)
            return false;
        process.start(QStringLiteral(VELT_CLI_PATH), {"--port", pathOf(*meter), "monitor", "-o", path});
        return QTest::qWaitFor([this] { return linesOf(path).size() >= 2; }, 10000);
    }
};

void TestCli::monitorStopsOnInterruptKeepingItsRows()
{
    RunningMonitor run;
    QVERIFY(run.start());
    QProcess &process = run.process;
    const QString &path = run.path;
    process.terminate();
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(linesOf(path).size() >= 2);
}

void TestCli::monitorEndsWhenTheMeterFallsSilent()
{
    RunningMonitor run;
    QVERIFY(run.start());
    QProcess &process = run.process;
    const QString &path = run.path;
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = 3;  // the next reading stops inside its words
    run.meter->setFaults(faults);
    QVERIFY(process.waitForFinished(15000));
    QCOMPARE(process.exitCode(), 3);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QStringLiteral("Нет отклика от прибора\n"));
    QCOMPARE(linesOf(path).size(), 2);
}

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
