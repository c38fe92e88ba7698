// The logger download's dialogue and end rule against the simulated meter.

#include "link/commands.h"
#include "link/exchange.h"
#include "link/status_texts.h"
#include "logger/logger_download.h"
#include "tests/support/meter_fixture.h"

#include <QTest>

using velt::test::MeterFixture;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Download {
    velt::ExchangeResult result;
    velt::DownloadEnd end = velt::DownloadEnd::LastAddress;
    std::vector<velt::LoggerRecord> records;
};

Download download(MeterFixture &f, int cancelAfter = -1)
{
    Download d;
    std::atomic<bool> cancel{false};
    d.result = velt::RunExchange(f.link, [&](velt::SerialLink &link) {
        d.end = velt::DownloadLogger(link, cancel, [&](const velt::LoggerRecord &r) {
            d.records.push_back(r);
            if (static_cast<int>(d.records.size()) == cancelAfter)
                cancel = true;
        });
    });
    return d;
}

}  // namespace

class TestLoggerDownload : public QObject {
    Q_OBJECT
private slots:
    void hourSequence_data();
    void hourSequence();
    void timeLabelsHaveNoLeadingZeros();
    void loggerRowShowsTgRaisedToTa();
    void firstRecordByteForByte();
    void allInOneHourRunsToTheLastAddress();
    void breakAfterRecord57KeepsFiftySeven();
    void cancelEndsBetweenRecords();
    void meterFallingSilentKeepsTheRecordsRead();
};

void TestLoggerDownload::hourSequence_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("breaks");
    QTest::newRow("5 then 5") << 5 << 5 << false;
    QTest::newRow("5 then 6") << 5 << 6 << false;
    QTest::newRow("23 then 0") << 23 << 0 << false;
    QTest::newRow("5 then 7") << 5 << 7 << true;
    QTest::newRow("6 then 5") << 6 << 5 << true;
    QTest::newRow("23 then 1") << 23 << 1 << true;
    QTest::newRow("0 then 23") << 0 << 23 << true;
    QTest::newRow("23 then 24") << 23 << 24 << false;
    QTest::newRow("255 then 0 has no wrap") << 255 << 0 << true;
}

void TestLoggerDownload::hourSequence()
{
    QFETCH(int, previous);
    QFETCH(int, hour);
    QFETCH(bool, breaks);
    const auto p = static_cast<std::uint8_t>(previous);
    const auto h = static_cast<std::uint8_t>(hour);
    QCOMPARE(velt::BreaksHourSequence(20, p, h), breaks);
    QCOMPARE(velt::BreaksHourSequence(30000, p, h), breaks);
    // The record at address 10 is never tested.
    QCOMPARE(velt::BreaksHourSequence(10, p, h), false);
}

void TestLoggerDownload::timeLabelsHaveNoLeadingZeros()
{
    velt::LoggerRecord r;
    r.hour = 7;
    r.minute = 5;
    r.date1 = 17;
    r.date2 = 3;
    r.date3 = 9;
    QCOMPARE(velt::LoggerTimeLabel(r), QStringLiteral("7:5 9.3.17"));
    r.hour = 0;
    r.minute = 0;
    r.date1 = 9;
    r.date2 = 1;
    r.date3 = 1;
    QCOMPARE(velt::LoggerTimeLabel(r), QStringLiteral("0:0 1.1.9"));
}

void TestLoggerDownload::loggerRowShowsTgRaisedToTa()
{
    velt::LoggerRecord r;
    r.RH = 1000;
    r.ta = 300;
    r.tg = 280;
    const QStringList cells = velt::LoggerRow(r).cells();
    QCOMPARE(cells.mid(1), (QStringList{"29.4", "29.6", "100", "30", "30", "30", "30", "30", "0"}));
}

void TestLoggerDownload::firstRecordByteForByte()
{
    MeterFixture f(velt::test::LoggerModel(1, 1));
    QVERIFY(f.started());
    const Download d = download(f);
    QVERIFY(d.result.ok());
    QCOMPARE(d.records.size(), std::size_t(1));
    const velt::sim::LoggerRecordBytes bytes = f.meter->model().loggerRecord(10);
    Bytes expected{velt::CmdProbe, velt::CmdLoggerRecord, 0x00, 0x0A};
    expected.insert(expected.end(), bytes.begin(), bytes.end());
    // Then the record at 20, erased memory, which breaks the hour sequence.
    expected.insert(expected.end(), {velt::CmdLoggerRecord, 0x00, 0x14});
    expected.insert(expected.end(), 16, 0xFF);
    QCOMPARE(f.meter->received(), expected);
    QCOMPARE(d.end, velt::DownloadEnd::HourBreak);
    QCOMPARE(velt::LoggerTimeLabel(d.records[0]), QStringLiteral("8:0 9.3.17"));
    QVERIFY(f.meter->violations().empty());
}

void TestLoggerDownload::allInOneHourRunsToTheLastAddress()
{
    MeterFixture f(velt::test::LoggerModel(3000, 0));
    QVERIFY(f.started());
    const Download d = download(f);
    QVERIFY(d.result.ok());
    QCOMPARE(d.end, velt::DownloadEnd::LastAddress);
    QCOMPARE(d.records.size(), std::size_t(3000));
    const auto addresses = f.meter->loggerAddresses();
    QCOMPARE(addresses.size(), std::size_t(3000));
    QCOMPARE(int(addresses.front()), 10);
    QCOMPARE(int(addresses.back()), 30000);
    QVERIFY(f.meter->violations().empty());
}

void TestLoggerDownload::breakAfterRecord57KeepsFiftySeven()
{
    MeterFixture f(velt::test::LoggerModel(3000, 1, 57));
    QVERIFY(f.started());
    const Download d = download(f);
    QCOMPARE(d.end, velt::DownloadEnd::HourBreak);
    QCOMPARE(d.records.size(), std::size_t(57));
    QCOMPARE(int(d.records.back().address), 570);
    QCOMPARE(int(f.meter->loggerAddresses().back()), 580);  // read, then dropped
}

void TestLoggerDownload::cancelEndsBetweenRecords()
{
    MeterFixture f(velt::test::LoggerModel(3000, 0));
    QVERIFY(f.started());
    const Download d = download(f, 5);
    QVERIFY(d.result.ok());
    QCOMPARE(d.end, velt::DownloadEnd::Cancelled);
    QCOMPARE(d.records.size(), std::size_t(5));
    QCOMPARE(f.meter->loggerAddresses().size(), std::size_t(5));
}

void TestLoggerDownload::meterFallingSilentKeepsTheRecordsRead()
{
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = 1 + 99 * 19 + 10;  // the probe's reply, 99 records, into the 100th
    MeterFixture f(velt::test::LoggerModel(3000, 0), faults);
    QVERIFY(f.started());
    const Download d = download(f);
    QCOMPARE(d.result.kind, velt::ExchangeResult::Kind::Silent);
    QCOMPARE(d.result.statusText, velt::kTextNoReply);
    QCOMPARE(d.records.size(), std::size_t(99));
    QVERIFY(!f.port.isOpen());
}

QTEST_GUILESS_MAIN(TestLoggerDownload)
#include "tst_logger_download.moc"
