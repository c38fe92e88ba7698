// Every way a meter and its cable can fail, over every exchange, through the
// real serial code against the simulated meter: silence after each byte
// position, the pseudo-terminal pulled away, any type code, any
// acknowledgement byte.

#include "link/exchange.h"
#include "link/identification.h"
#include "link/status_texts.h"
#include "logger/device_clock.h"
#include "logger/logger_download.h"
#include "logger/memory_cells.h"
#include "measure/reading.h"
#include "tests/support/meter_fixture.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using velt::ExchangeResult;
using velt::SerialLink;

namespace {

enum class Exchange { Identification, Reading, Clock, Memory, Logger };

// One exchange as the program runs it; units counts what it handed over
// (type codes, words of a reading, memory cells, logger records).
ExchangeResult runExchange(SerialLink &link, Exchange exchange, int &units)
{
    units = 0;
    std::atomic<bool> cancel{false};
    switch (exchange) {
    case Exchange::Identification:
        return velt::RunExchange(
            link, [&](SerialLink &l) { velt::IdentifyMeter(l, [&](std::int8_t) { ++units; }); }, false);
    case Exchange::Reading:
        return velt::RunExchange(link, [&](SerialLink &l) {
            velt::ReadMeasurement(l);
            units = 3;
        });
    case Exchange::Clock:
        return velt::RunExchange(link, [&](SerialLink &l) {
            velt::SetMeterClock(l, {14, 7, 9, 3, 2017});
            units = 1;
        });
    case Exchange::Memory:
        return velt::RunExchange(link, [&](SerialLink &l) {
            velt::ReadMemoryCells(l, 24, [&](int, int column, const QString &) { units += column == 2; });
        });
    case Exchange::Logger:
        return velt::RunExchange(link, [&](SerialLink &l) {
            velt::DownloadLogger(l, cancel, [&](const velt::LoggerRecord &) { ++units; });
        });
    }
    return {};
}

velt::sim::MeterModel meterFor(Exchange exchange)
{
    velt::sim::MeterModel model;
    model.typeCode = 65;  // so that the identification asks for the sub-type too
    if (exchange != Exchange::Identification)
        model.typeCode = 24;
    model.logger.count = 3000;
    model.logger.minutesPerRecord = 0;
    return model;
}

}  // namespace

Q_DECLARE_METATYPE(Exchange)

class TestFaultInjection : public QObject {
    Q_OBJECT
private slots:
    void meterFallsSilentAfterEachBytePosition_data();
    void meterFallsSilentAfterEachBytePosition();
    void cablePulledMidExchange_data();
    void cablePulledMidExchange();
    void everyTypeCodeAndSubType();
    void acknowledgementsOfAnyValue();
    void loggerWithAllHoursEqualRunsToTheLastAddress_data();
    void loggerWithAllHoursEqualRunsToTheLastAddress();
};

void TestFaultInjection::meterFallsSilentAfterEachBytePosition_data()
{
    QTest::addColumn<Exchange>("exchange");
    QTest::addColumn<int>("position");  // bytes the meter sends before it falls silent
    QTest::addColumn<int>("keptUnits");
    // Identification of type 65: ack, type, ack, sub-type.
    for (int p = 0; p < 4; ++p)
        QTest::addRow("identification after %d", p) << Exchange::Identification << p << (p >= 2 ? 1 : 0);
    // A reading: the probe's reply, the ack, six data bytes.
    for (int p = 0; p < 8; ++p)
        QTest::addRow("reading after %d", p) << Exchange::Reading << p << 0;
    // The clock: the probe's reply and six acks.
    for (int p = 0; p < 7; ++p)
        QTest::addRow("clock after %d", p) << Exchange::Clock << p << 0;
    // Memory cells: the probe's reply, then 45 bytes a cell (9 words of
    // 3 acks and 2 data bytes): every position of the first word, and the
    // last bytes of cells 4 and 9.
    for (int p = 0; p <= 6; ++p)
        QTest::addRow("memory after %d", p) << Exchange::Memory << p << 0;
    for (int p : {1 + 4 * 45 - 1, 1 + 4 * 45, 1 + 9 * 45 - 1})
        QTest::addRow("memory after %d", p) << Exchange::Memory << p << (p - 1) / 45;
    // Logger records: the probe's reply, then 19 bytes a record; every
    // position of the first record and some of the 51st.
    for (int p = 0; p <= 19; ++p)
        QTest::addRow("logger after %d", p) << Exchange::Logger << p << 0;
    for (int p : {1 + 50 * 19, 1 + 50 * 19 + 3, 1 + 50 * 19 + 18})
        QTest::addRow("logger after %d", p) << Exchange::Logger << p << 50;
}

void TestFaultInjection::meterFallsSilentAfterEachBytePosition()
{
    QFETCH(Exchange, exchange);
    QFETCH(int, position);
    QFETCH(int, keptUnits);
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = position;
    velt::test::MeterFixture f(meterFor(exchange), faults);
    QVERIFY(f.started());

    int units = 0;
    QElapsedTimer timer;
    timer.start();
    const ExchangeResult result = runExchange(f.link, exchange, units);
    QVERIFY2(timer.elapsed() < SerialLink::kSilenceLimitMs + 1000, qPrintable(QString::number(timer.elapsed())));
    const bool probed = exchange != Exchange::Identification;
    QCOMPARE(result.kind, probed && position == 0 ? ExchangeResult::Kind::NoAnswer : ExchangeResult::Kind::Silent);
    QCOMPARE(result.statusText, velt::kTextNoReply);
    QCOMPARE(units, keptUnits);
    QVERIFY(!f.port.isOpen());

    // The meter answers again: the next try runs to its end.
    f.meter->setFaults({});
    if (exchange == Exchange::Logger) {
        // A short logger this time, to keep the suite quick.
        f.meter->stop();
        f.meter->model().logger.count = 3;
        QVERIFY(f.meter->start());
        f.link.setCandidates({f.path()});
    }
    QVERIFY(runExchange(f.link, exchange, units).ok());
    QVERIFY(units > 0);
}

void TestFaultInjection::cablePulledMidExchange_data()
{
    QTest::addColumn<Exchange>("exchange");
    QTest::newRow("memory cells") << Exchange::Memory;
    QTest::newRow("logger download") << Exchange::Logger;
}

void TestFaultInjection::cablePulledMidExchange()
{
    QFETCH(Exchange, exchange);
    QTemporaryDir dir;
    const QString alias = dir.filePath("meter");
    velt::sim::LineFaults paced;
    paced.paced = true;
    velt::test::MeterFixture f(meterFor(exchange), paced);
    QVERIFY(f.started());
    QVERIFY(f.meter->setAlias(alias.toStdString()));
    f.link.setCandidates({alias});

    std::thread pull([&f] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        f.meter->unplug();
    });
    int units = 0;
    QElapsedTimer timer;
    timer.start();
    const ExchangeResult result = runExchange(f.link, exchange, units);
    pull.join();
    QCOMPARE(result.kind, ExchangeResult::Kind::Silent);
    QCOMPARE(result.statusText, velt::kTextNoReply);
    QVERIFY2(timer.elapsed() < 400 + SerialLink::kSilenceLimitMs + 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(units > 0);
    QVERIFY(!f.port.isOpen());

    // Plugged in again: the next exchange works through the same name.
    f.meter->setFaults({});
    f.meter->model().logger.count = 5;
    QVERIFY(f.meter->replug());
    QVERIFY(runExchange(f.link, exchange, units).ok());
    QVERIFY(units > 0);
}

void TestFaultInjection::everyTypeCodeAndSubType()
{
    auto identify = [](int type, int subType, velt::Identification &id) {
        velt::sim::MeterModel model;
        model.typeCode = static_cast<std::uint8_t>(type);
        model.subType = static_cast<std::uint8_t>(subType);
        velt::test::MeterFixture f(model);
        if (!f.started())
            return false;
        return velt::RunExchange(f.link, [&](SerialLink &l) { id = velt::IdentifyMeter(l); }, false).ok()
               && f.meter->violations().empty();
    };
    for (int type = 0; type < 256; ++type) {
        velt::Identification id;
        QVERIFY2(identify(type, 1, id), qPrintable(QString::number(type)));
        const velt::IdentificationView view = velt::ViewOf(id);
        const int signedType = type < 128 ? type : type - 256;
        QCOMPARE(int(id.DeviceType), signedType);
        QCOMPARE(view.typeText, type == 65 ? QStringLiteral("гол.2") : QString::number(signedType));
        QCOMPARE(view.modelText.has_value(), type == 24);
        QCOMPARE(view.supported, type == 24);
        QCOMPARE(id.DeviceSubType.has_value(), type == 65);
    }
    for (int subType = 0; subType < 256; ++subType) {
        velt::Identification id;
        QVERIFY2(identify(65, subType, id), qPrintable(QString::number(subType)));
        const QString expected = subType == 0   ? QStringLiteral("нет")
                                 : subType == 1 ? QStringLiteral("гол.2")
                                 : subType == 2 ? QStringLiteral("гол.1")
                                                : QStringLiteral("65");
        QCOMPARE(velt::ViewOf(id).typeText, expected);
        QVERIFY(!velt::ViewOf(id).supported);
    }
}

void TestFaultInjection::acknowledgementsOfAnyValue()
{
    velt::sim::MeterModel model;
    model.readings = {{500, 200, 250}};
    velt::test::MeterFixture f(model);
    QVERIFY(f.started());
    for (int ack = 0; ack < 256; ++ack) {
        f.meter->setAckByte(static_cast<std::uint8_t>(ack));
        velt::ReadingWords words;
        QVERIFY(velt::RunExchange(f.link, [&](SerialLink &l) { words = velt::ReadMeasurement(l); }).ok());
        QCOMPARE(int(words.ta), 200);
    }
    QVERIFY(f.meter->violations().empty());
}

void TestFaultInjection::loggerWithAllHoursEqualRunsToTheLastAddress_data()
{
    QTest::addColumn<int>("hour");
    QTest::newRow("hour 0") << 0;
    QTest::newRow("hour 23") << 23;
}

void TestFaultInjection::loggerWithAllHoursEqualRunsToTheLastAddress()
{
    QFETCH(int, hour);
    velt::sim::MeterModel model;
    model.logger.count = 3000;
    model.logger.minutesPerRecord = 0;
    model.logger.startHour = hour;
    velt::test::MeterFixture f(model);
    QVERIFY(f.started());
    int units = 0;
    QVERIFY(runExchange(f.link, Exchange::Logger, units).ok());
    QCOMPARE(units, 3000);
    QCOMPARE(int(f.meter->loggerAddresses().back()), 30000);
}

QTEST_GUILESS_MAIN(TestFaultInjection)
#include "tst_fault_injection.moc"
