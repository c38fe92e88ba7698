// The link primitives against a scripted serial peer on a pseudo-terminal.

#include "link/commands.h"
#include "link/exchange.h"
#include "link/serial_link.h"
#include "link/status_texts.h"
#include "tests/support/counting_port.h"
#include "tests/support/scripted_peer.h"

#include <QElapsedTimer>
#include <QTest>

using velt::SerialLink;
using velt::test::CountingPort;
using velt::test::ScriptedPeer;
using Bytes = std::vector<std::uint8_t>;

Q_DECLARE_METATYPE(Bytes)

namespace {

// A link whose port 1 is the peer's pseudo-terminal.
struct Fixture {
    ScriptedPeer peer;
    CountingPort port;
    SerialLink link{port};

    Fixture()
    {
        link.setCandidates({QString::fromStdString(peer.path())});
        link.PortIndex = 1;
    }
    bool open() { return link.OpenPort(1) == velt::OpenOutcome::Opened; }
};

}  // namespace

class TestSerialLink : public QObject {
    Q_OBJECT
private slots:
    void unansweredProbeMakesElevenAttemptsAndSendsNothingMore();
    void anyReplyAnswersTheProbe_data();
    void anyReplyAnswersTheProbe();
    void missingPortFailsTheProbeAtOnce();
    void readWordEchoesEachByteBeforeWaitingForTheNext_data();
    void readWordEchoesEachByteBeforeWaitingForTheNext();
    void acknowledgementsAreNeverEchoed_data();
    void acknowledgementsAreNeverEchoed();
    void silenceInsideADialogueEndsAfterTwoSeconds();
    void exchangeKeepsWhatArrivedBeforeTheMeterFellSilent();
    void exchangeWithoutAnswerSendsOnlyTheProbe();
};

void TestSerialLink::unansweredProbeMakesElevenAttemptsAndSendsNothingMore()
{
    Fixture f;
    f.peer.play({ScriptedPeer::Expect(velt::CmdProbe)});
    QVERIFY(f.open());
    QVERIFY(!f.link.ProbeDevice());
    f.link.ClosePort();
    QCOMPARE(f.peer.finish(300), std::string());
    QCOMPARE(f.port.readAttempts.load(), 11);
    QCOMPARE(f.peer.received(), Bytes{velt::CmdProbe});
    // Each attempt waited for its byte rather than returning at once.
    QVERIFY(f.port.longestEmptyReadMs.load() >= 30);
}

void TestSerialLink::anyReplyAnswersTheProbe_data()
{
    QTest::addColumn<int>("reply");
    QTest::newRow("zero byte") << 0x00;
    QTest::newRow("probe byte back") << 0x37;
    QTest::newRow("all bits") << 0xFF;
}

void TestSerialLink::anyReplyAnswersTheProbe()
{
    QFETCH(int, reply);
    Fixture f;
    f.peer.play({ScriptedPeer::Expect(velt::CmdProbe), ScriptedPeer::Send(static_cast<std::uint8_t>(reply))});
    QVERIFY(f.open());
    QVERIFY(f.link.ProbeDevice());
    QCOMPARE(int(f.link.RxByte), reply);
    f.link.ClosePort();
    QCOMPARE(f.peer.finish(), std::string());
    // The probe's reply is the answer itself: it is not echoed.
    QCOMPARE(f.peer.received(), Bytes{velt::CmdProbe});
}

void TestSerialLink::missingPortFailsTheProbeAtOnce()
{
    CountingPort port;
    SerialLink link(port);
    link.setCandidates({QStringLiteral("/dev/velt-no-such-port")});
    QCOMPARE(link.OpenPort(1), velt::OpenOutcome::Missing);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!link.ProbeDevice());
    QCOMPARE(port.readAttempts.load(), 11);
    QVERIFY2(timer.elapsed() < 100, "attempts on a port that is not open return at once");
    link.ClosePort();
}

void TestSerialLink::readWordEchoesEachByteBeforeWaitingForTheNext_data()
{
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("word");
    QTest::newRow("300") << 0x01 << 0x2C << 300;
    QTest::newRow("65535") << 0xFF << 0xFF << 65535;
    QTest::newRow("0") << 0x00 << 0x00 << 0;
    QTest::newRow("high byte only") << 0x80 << 0x00 << 32768;
}

void TestSerialLink::readWordEchoesEachByteBeforeWaitingForTheNext()
{
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(int, word);
    Fixture f;
    const auto hi = static_cast<std::uint8_t>(high);
    const auto lo = static_cast<std::uint8_t>(low);
    // The peer sends the low byte only after it has seen the high byte's
    // echo: a host that waited for the low byte first would time out.
    // Opened first: opening clears whatever stood in the port's buffers.
    QVERIFY(f.open());
    f.peer.play({ScriptedPeer::Send(hi), ScriptedPeer::Expect(hi), ScriptedPeer::Send(lo),
                 ScriptedPeer::Expect(lo)});
    QCOMPARE(int(f.link.ReadWord()), word);
    f.link.ClosePort();
    QCOMPARE(f.peer.finish(), std::string());
    QCOMPARE(f.peer.received(), (Bytes{hi, lo}));
}

void TestSerialLink::acknowledgementsAreNeverEchoed_data()
{
    QTest::addColumn<int>("ack");
    QTest::newRow("0x00") << 0x00;
    QTest::newRow("0x06") << 0x06;
    QTest::newRow("0xFF") << 0xFF;
}

void TestSerialLink::acknowledgementsAreNeverEchoed()
{
    QFETCH(int, ack);
    Fixture f;
    const auto a = static_cast<std::uint8_t>(ack);
    f.peer.play({ScriptedPeer::Expect(velt::CmdReadMemory), ScriptedPeer::Send(a), ScriptedPeer::Expect(0x04),
                 ScriptedPeer::Send(a)});
    QVERIFY(f.open());
    QCOMPARE(int(f.link.SendCommand(velt::CmdReadMemory)), ack);
    QCOMPARE(int(f.link.SendCommand(0x04)), ack);
    f.link.ClosePort();
    QCOMPARE(f.peer.finish(200), std::string());
    QCOMPARE(f.peer.received(), (Bytes{velt::CmdReadMemory, 0x04}));
}

void TestSerialLink::silenceInsideADialogueEndsAfterTwoSeconds()
{
    Fixture f;
    f.peer.play({ScriptedPeer::Expect(velt::CmdReadings)});
    QVERIFY(f.open());
    QElapsedTimer timer;
    timer.start();
    QVERIFY_THROWS_EXCEPTION(velt::MeterSilent, f.link.SendCommand(velt::CmdReadings));
    const qint64 waited = timer.elapsed();
    QVERIFY2(waited >= SerialLink::kSilenceLimitMs, qPrintable(QString::number(waited)));
    QVERIFY2(waited < SerialLink::kSilenceLimitMs + 500, qPrintable(QString::number(waited)));
    f.link.ClosePort();
    QCOMPARE(f.peer.finish(), std::string());
}

void TestSerialLink::exchangeKeepsWhatArrivedBeforeTheMeterFellSilent()
{
    Fixture f;
    // Probe answered, command acknowledged, one word of three, then silence.
    f.peer.play({ScriptedPeer::Expect(velt::CmdProbe), ScriptedPeer::Send(0x37),
                 ScriptedPeer::Expect(velt::CmdReadings), ScriptedPeer::Send(0x06), ScriptedPeer::Send(0x01),
                 ScriptedPeer::Expect(0x01), ScriptedPeer::Send(0xF4), ScriptedPeer::Expect(0xF4)});
    std::vector<std::uint16_t> words;
    const velt::ExchangeResult result = velt::RunExchange(f.link, [&words](SerialLink &link) {
        link.SendCommand(velt::CmdReadings);
        for (int i = 0; i < 3; ++i)
            words.push_back(link.ReadWord());
    });
    QCOMPARE(f.peer.finish(), std::string());
    QCOMPARE(result.kind, velt::ExchangeResult::Kind::Silent);
    QCOMPARE(result.statusText, velt::kTextNoReply);
    QCOMPARE(words, std::vector<std::uint16_t>{500});
    QVERIFY(!f.port.isOpen());
}

void TestSerialLink::exchangeWithoutAnswerSendsOnlyTheProbe()
{
    Fixture f;
    f.peer.play({ScriptedPeer::Expect(velt::CmdProbe)});
    bool dialogueRan = false;
    const velt::ExchangeResult result =
        velt::RunExchange(f.link, [&dialogueRan](SerialLink &) { dialogueRan = true; });
    QCOMPARE(f.peer.finish(300), std::string());
    QCOMPARE(result.kind, velt::ExchangeResult::Kind::NoAnswer);
    QCOMPARE(result.statusText, velt::kTextNoReply);
    QVERIFY(!dialogueRan);
    QVERIFY(!f.port.isOpen());
    QCOMPARE(f.peer.received(), Bytes{velt::CmdProbe});
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_serial_link.moc"
