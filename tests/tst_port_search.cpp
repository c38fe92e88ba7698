// The port search and the meter's identification, against the simulated
// meter on pseudo-terminals.

#include "link/commands.h"
#include "link/identification.h"
#include "link/link_thread.h"
#include "link/qt_serial_port.h"
#include "link/rcp_thread.h"
#include "link/serial_link.h"
#include "link/status_texts.h"
#include "tools/sim/meter_simulator.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using velt::MyThread;
using velt::SerialLink;
using velt::sim::MeterSimulator;

namespace {

QString pathOf(const MeterSimulator &meter) { return QString::fromStdString(meter.devicePath()); }

std::unique_ptr<MeterSimulator> startMeter(velt::sim::MeterModel model = {}, velt::sim::LineFaults faults = {})
{
    auto meter = std::make_unique<MeterSimulator>(std::move(model), faults);
    if (!meter->start())
        return nullptr;
    return meter;
}

int probesReceived(const MeterSimulator &meter)
{
    int probes = 0;
    for (auto byte : meter.received())
        probes += byte == velt::CmdProbe;
    return probes;
}

}  // namespace

class TestPortSearch : public QObject {
    Q_OBJECT
private slots:
    void findsTheMeterAsThirdCandidateBehindTwoMissingPorts();
    void findsAMeterPluggedInAfterAPass();
    void candidatesListUsbAdaptersFirst();
    void identificationShowsTypeAndSubType_data();
    void identificationShowsTypeAndSubType();
    void everyTypeCodeReadsAsASignedNumber();
    void exchangeDuringTheSearchWaitsOnlyForTheProbeInProgress();
    void searchThenIdentificationThroughTheLinkThread();
    void identificationOfAMeterThatFallsSilentReportsNoReply();
};

void TestPortSearch::findsTheMeterAsThirdCandidateBehindTwoMissingPorts()
{
    auto meter = startMeter();
    QVERIFY(meter);
    velt::QtSerialPort port;
    SerialLink link(port);
    const QStringList ports = {"/dev/velt-missing-1", "/dev/velt-missing-2", pathOf(*meter)};
    MyThread search(link, velt::FixedCandidates(ports));

    for (int missing = 1; missing <= 2; ++missing) {
        const MyThread::Step step = search.Execute();
        QVERIFY(step.tried);
        QVERIFY(!step.answered);
        QCOMPARE(step.open, velt::OpenOutcome::Missing);
        QCOMPARE(step.statusText, velt::kTextSearching);
        QCOMPARE(int(link.PortIndex), missing);
        QCOMPARE(link.DeviceFound.load(), std::uint8_t(0));
    }
    const MyThread::Step found = search.Execute();
    QVERIFY(found.answered);
    QCOMPARE(found.statusText, velt::kTextConnected);
    QCOMPARE(int(link.PortIndex), 3);
    QCOMPARE(link.DeviceFound.load(), std::uint8_t(1));
    QCOMPARE(link.PortName, velt::PortDisplayName(pathOf(*meter)));
    QVERIFY(!port.isOpen());

    // Once found, the search scans no more.
    QVERIFY(!search.Execute().tried);
    QCOMPARE(meter->received(), std::vector<std::uint8_t>{velt::CmdProbe});
}

void TestPortSearch::findsAMeterPluggedInAfterAPass()
{
    auto meter = startMeter();
    QVERIFY(meter);
    int listings = 0;
    const QString meterPath = pathOf(*meter);
    velt::PortCandidates candidates = [&listings, meterPath] {
        ++listings;
        return listings == 1 ? QStringList{"/dev/velt-missing"} : QStringList{"/dev/velt-missing", meterPath};
    };
    velt::QtSerialPort port;
    SerialLink link(port);
    MyThread search(link, candidates);
    QVERIFY(!search.Execute().answered);  // first pass: only the missing port
    QVERIFY(!search.Execute().answered);  // second pass lists the meter, port 1 first
    QVERIFY(search.Execute().answered);
    QCOMPARE(int(link.PortIndex), 2);
    QCOMPARE(listings, 2);
}

void TestPortSearch::candidatesListUsbAdaptersFirst()
{
    const QStringList ordered = velt::OrderCandidates({{"/dev/ttyS0", false},
                                                       {"/dev/ttyUSB0", true},
                                                       {"/dev/ttyS1", false},
                                                       {"/dev/ttyACM0", true}});
    QCOMPARE(ordered, (QStringList{"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyS1"}));

    QList<velt::ListedPort> many;
    for (int i = 0; i < 12; ++i)
        many.append({QStringLiteral("/dev/ttyS%1").arg(i), false});
    QCOMPARE(velt::OrderCandidates(many).size(), SerialLink::kMaxPorts);
}

void TestPortSearch::identificationShowsTypeAndSubType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("subType");
    QTest::addColumn<QString>("firstTypeText");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QString>("modelText");
    QTest::addColumn<bool>("supported");

    QTest::newRow("type 24") << 24 << 0 << "24" << "24" << "ВИКС/24" << true;
    QTest::newRow("type 65, sub-type 0") << 65 << 0 << "65" << "нет" << QString() << false;
    QTest::newRow("type 65, sub-type 1") << 65 << 1 << "65" << "гол.2" << QString() << false;
    QTest::newRow("type 65, sub-type 2") << 65 << 2 << "65" << "гол.1" << QString() << false;
    QTest::newRow("type 65, sub-type 7") << 65 << 7 << "65" << "65" << QString() << false;
    QTest::newRow("type 52") << 52 << 0 << "52" << "52" << QString() << false;
    QTest::newRow("type 200 reads signed") << 200 << 0 << "-56" << "-56" << QString() << false;
}

void TestPortSearch::identificationShowsTypeAndSubType()
{
    QFETCH(int, type);
    QFETCH(int, subType);
    QFETCH(QString, firstTypeText);
    QFETCH(QString, typeText);
    QFETCH(QString, modelText);
    QFETCH(bool, supported);

    velt::sim::MeterModel model;
    model.typeCode = static_cast<std::uint8_t>(type);
    model.subType = static_cast<std::uint8_t>(subType);
    auto meter = startMeter(model);
    QVERIFY(meter);

    velt::QtSerialPort port;
    SerialLink link(port);
    link.setCandidates({pathOf(*meter)});
    link.PortIndex = 1;
    QStringList shown;
    velt::Identification id;
    const velt::ExchangeResult result = velt::RunExchange(
        link,
        [&](SerialLink &l) {
            id = velt::IdentifyMeter(l, [&shown](std::int8_t t) { shown << velt::TypeCodeText(t); });
        },
        false);
    QVERIFY(result.ok());
    QCOMPARE(shown, QStringList{firstTypeText});

    const velt::IdentificationView view = velt::ViewOf(id);
    QCOMPARE(view.typeText, typeText);
    QCOMPARE(view.modelText.value_or(QString()), modelText);
    QCOMPARE(view.supported, supported);

    // No probe before the type query; the sub-type is asked of type 65 only.
    QCOMPARE(meter->commandCount(velt::CmdProbe), 0);
    QCOMPARE(meter->commandCount(velt::CmdDeviceType), 1);
    QCOMPARE(meter->commandCount(velt::CmdSubType), type == 65 ? 1 : 0);
    QVERIFY(meter->violations().empty());
}

void TestPortSearch::everyTypeCodeReadsAsASignedNumber()
{
    for (int code = 0; code < 256; ++code) {
        velt::Identification id;
        id.DeviceType = static_cast<std::int8_t>(code);
        const velt::IdentificationView view = velt::ViewOf(id);
        const int expected = code < 128 ? code : code - 256;
        QCOMPARE(view.typeText, QString::number(expected));
        QCOMPARE(view.supported, code == 24);
    }
}

void TestPortSearch::exchangeDuringTheSearchWaitsOnlyForTheProbeInProgress()
{
    // Six meters that never answer: a whole pass takes six probe times.
    velt::sim::LineFaults dead;
    dead.dead = true;
    std::vector<std::unique_ptr<MeterSimulator>> meters;
    QStringList ports;
    for (int i = 0; i < 6; ++i) {
        meters.push_back(startMeter({}, dead));
        QVERIFY(meters.back());
        ports << pathOf(*meters.back());
    }
    velt::LinkThread link(velt::FixedCandidates(ports));
    link.StartSearch();
    QTest::qWait(100);  // the first probe is under way

    bool done = false;
    int probesWhenDone = 0;
    link.Run([](SerialLink &) {},
             [&](velt::ExchangeResult) {
                 done = true;
                 for (const auto &meter : meters)
                     probesWhenDone += probesReceived(*meter);
             });
    QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
    // The search's probe in progress, the exchange's own probe and at most
    // one more search probe that started meanwhile; a whole pass is six.
    QVERIFY2(probesWhenDone <= 3, qPrintable(QString::number(probesWhenDone)));
}

void TestPortSearch::searchThenIdentificationThroughTheLinkThread()
{
    auto meter = startMeter();
    QVERIFY(meter);
    velt::LinkThread link(velt::FixedCandidates({"/dev/velt-missing", pathOf(*meter)}));
    QSignalSpy status(&link, &velt::LinkThread::searchStatus);
    QSignalSpy busy(&link, &velt::LinkThread::busyChanged);
    QVERIFY(!link.DeviceFound());
    link.StartSearch();
    QTRY_VERIFY_WITH_TIMEOUT(link.DeviceFound(), 5000);
    QCOMPARE(link.PortName(), velt::PortDisplayName(pathOf(*meter)));
    QTRY_VERIFY(!status.isEmpty() && status.last().at(0).toString() == velt::kTextConnected);
    QCOMPARE(status.first().at(0).toString(), velt::kTextSearching);

    bool done = false;
    velt::Identification id;
    link.Identify({}, [&](velt::ExchangeResult result, velt::Identification got) {
        QVERIFY(result.ok());
        id = got;
        done = true;
    });
    QVERIFY(link.busy());
    QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
    QCOMPARE(int(id.DeviceType), 24);
    QCOMPARE(busy.size(), 2);
    QCOMPARE(busy.at(0).at(0).toBool(), true);
    QCOMPARE(busy.at(1).at(0).toBool(), false);
    QVERIFY(meter->violations().empty());
}

void TestPortSearch::identificationOfAMeterThatFallsSilentReportsNoReply()
{
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = 2;  // the probe's reply and the type query's ack
    auto meter = startMeter({}, faults);
    QVERIFY(meter);
    velt::LinkThread link(velt::FixedCandidates({pathOf(*meter)}));
    link.StartSearch();
    QTRY_VERIFY_WITH_TIMEOUT(link.DeviceFound(), 5000);
    bool done = false;
    velt::ExchangeResult outcome;
    link.Identify({}, [&](velt::ExchangeResult result, velt::Identification) {
        outcome = result;
        done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
    QCOMPARE(outcome.kind, velt::ExchangeResult::Kind::Silent);
    QCOMPARE(outcome.statusText, velt::kTextNoReply);
    QVERIFY(!link.busy());
}

QTEST_GUILESS_MAIN(TestPortSearch)
#include "tst_port_search.moc"
