// The meter's memory cells, the clipboard text and the clock message.

#include "link/commands.h"
#include "link/exchange.h"
#include "link/status_texts.h"
#include "logger/device_clock.h"
#include "logger/memory_cells.h"
#include "tests/support/meter_fixture.h"

#include <QTest>

using velt::test::MeterFixture;
using Bytes = std::vector<std::uint8_t>;

namespace {

// The memory words of one cell, by field code.
void setCell(velt::sim::MeterModel &model, int cell, std::initializer_list<std::pair<int, int>> words)
{
    for (const auto &[field, word] : words)
        model.memory[static_cast<std::uint16_t>(cell * field)] = static_cast<std::uint16_t>(word);
}

using Table = QList<QStringList>;

Table readCells(MeterFixture &f, std::int8_t deviceType, velt::ExchangeResult *result = nullptr)
{
    Table table = velt::EmptyMemoryTable();
    const velt::ExchangeResult r = velt::RunExchange(f.link, [&](velt::SerialLink &link) {
        velt::ReadMemoryCells(link, deviceType, [&](int row, int col, const QString &text) { table[row][col] = text; });
    });
    if (result)
        *result = r;
    return table;
}

}  // namespace

class TestMemoryClock : public QObject {
    Q_OBJECT
private slots:
    void wordsShowAsTheTableShowsThem_data();
    void wordsShowAsTheTableShowsThem();
    void addressesAreProducts_data();
    void addressesAreProducts();
    void readingAskForEveryWordInOrderAndFillsTheTable();
    void deviceTypeBlanksColumnsItDoesNotMeasure_data();
    void deviceTypeBlanksColumnsItDoesNotMeasure();
    void meterFallingSilentKeepsTheCellsAlreadyRead();
    void clipboardTextOfAnUnreadTable();
    void clockMessage_data();
    void clockMessage();
    void clockMessageReachesTheMeterByteByByte();
};

void TestMemoryClock::wordsShowAsTheTableShowsThem_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::newRow("velocity 123") << velt::VelocityText(123) << "1.23";
    QTest::newRow("velocity 65534") << velt::VelocityText(65534) << "655.34";
    QTest::newRow("velocity 65535 empty") << velt::VelocityText(65535) << "-";
    QTest::newRow("velocity 0") << velt::VelocityText(0) << "0";
    QTest::newRow("humidity 456") << velt::HumidityText(456) << "45.6";
    QTest::newRow("humidity 65535 empty") << velt::HumidityText(65535) << "-";
    QTest::newRow("temperature -100") << velt::TemperatureText(0xFF9C) << "-10";
    QTest::newRow("temperature -1 empty") << velt::TemperatureText(0xFFFF) << "-";
    QTest::newRow("temperature -2") << velt::TemperatureText(0xFFFE) << "-0.2";
    QTest::newRow("temperature 215") << velt::TemperatureText(215) << "21.5";
    QTest::newRow("date") << velt::DateText(17, 3, 9) << "9.3.17";
    QTest::newRow("date partly empty") << velt::DateText(65535, 65535, 9) << "9.65535.65535";
    QTest::newRow("date empty") << velt::DateText(65535, 65535, 65535) << "-";
    QTest::newRow("time") << velt::TimeOfCellText(14, 5, 0) << "14:5:0";
    QTest::newRow("time empty") << velt::TimeOfCellText(65535, 65535, 65535) << "-";
}

void TestMemoryClock::wordsShowAsTheTableShowsThem()
{
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void TestMemoryClock::addressesAreProducts_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("address");
    QTest::newRow("cell 2, 0x71") << 2 << 0x71 << 226;
    QTest::newRow("cell 9, 0x70") << 9 << 0x70 << 1008;
    QTest::newRow("cell 9, 0x78") << 9 << 0x78 << 0x0438;
    QTest::newRow("cell 1, 0x75") << 1 << 0x75 << 0x75;
}

void TestMemoryClock::addressesAreProducts()
{
    QFETCH(int, cell);
    QFETCH(int, field);
    QFETCH(int, address);
    QCOMPARE(int(velt::MemoryAddress(cell, static_cast<std::uint8_t>(field))), address);
}

void TestMemoryClock::readingAskForEveryWordInOrderAndFillsTheTable()
{
    velt::sim::MeterModel model;
    model.memory.clear();
    setCell(model, 1, {{0x70, 123}, {0x71, 0xFF9C}, {0x78, 456}, {0x72, 17}, {0x73, 3}, {0x74, 9},
                       {0x77, 14}, {0x76, 5}, {0x75, 0}});
    setCell(model, 9, {{0x70, 65534}});
    MeterFixture f(model);
    QVERIFY(f.started());

    velt::ExchangeResult result;
    const Table table = readCells(f, 24, &result);
    QVERIFY(result.ok());
    QCOMPARE(table[0], velt::MemoryHeaders());
    QCOMPARE(table[1], (QStringList{"1", "9.3.17", "14:5:0", "1.23", "45.6", "-10"}));
    for (int row = 2; row <= 8; ++row)
        QCOMPARE(table[row], (QStringList{QString::number(row), "-", "-", "-", "-", "-"}));
    QCOMPARE(table[9], (QStringList{"9", "-", "-", "655.34", "-", "-"}));

    // Byte for byte what the meter heard: the probe, then for each cell and
    // field the command, the address high and low, and the two echoes.
    Bytes expected{velt::CmdProbe};
    const int fields[9] = {0x70, 0x71, 0x78, 0x72, 0x73, 0x74, 0x77, 0x76, 0x75};
    for (int cell = 1; cell <= 9; ++cell)
        for (int field : fields) {
            const auto address = static_cast<std::uint16_t>(cell * field);
            const std::uint16_t word = f.meter->model().memoryWord(address);
            expected.insert(expected.end(), {velt::CmdReadMemory, static_cast<std::uint8_t>(address >> 8),
                                             static_cast<std::uint8_t>(address & 0xFF),
                                             static_cast<std::uint8_t>(word >> 8),
                                             static_cast<std::uint8_t>(word & 0xFF)});
        }
    QCOMPARE(f.meter->received(), expected);
    QVERIFY(f.meter->violations().empty());
}

void TestMemoryClock::deviceTypeBlanksColumnsItDoesNotMeasure_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("humidityBlank");
    QTest::addColumn<bool>("temperatureBlank");
    QTest::newRow("type 24") << 24 << false << false;
    QTest::newRow("type 52") << 52 << true << false;
    QTest::newRow("type 50") << 50 << true << true;
}

void TestMemoryClock::deviceTypeBlanksColumnsItDoesNotMeasure()
{
    QFETCH(int, deviceType);
    QFETCH(bool, humidityBlank);
    QFETCH(bool, temperatureBlank);
    MeterFixture f;  // eight filled cells and an empty ninth
    QVERIFY(f.started());
    const Table table = readCells(f, static_cast<std::int8_t>(deviceType));
    for (int row = 1; row <= 8; ++row) {
        QCOMPARE(table[row][4] == "-", humidityBlank);
        QCOMPARE(table[row][5] == "-", temperatureBlank);
        QVERIFY(table[row][3] != "-");
    }
    QCOMPARE(f.meter->commandCount(velt::CmdReadMemory), 81);
}

void TestMemoryClock::meterFallingSilentKeepsTheCellsAlreadyRead()
{
    velt::sim::LineFaults faults;
    // The probe's reply, two whole cells (9 words of 3 acks and 2 data bytes),
    // the first word of cell 3 and two acknowledgements of the second.
    faults.silentAfterBytes = 1 + 2 * 45 + 5 + 2;
    MeterFixture f({}, faults);
    QVERIFY(f.started());
    velt::ExchangeResult result;
    const Table table = readCells(f, 24, &result);
    QCOMPARE(result.kind, velt::ExchangeResult::Kind::Silent);
    QCOMPARE(result.statusText, velt::kTextNoReply);
    QCOMPARE(table[1], (QStringList{"1", "1.3.17", "9:5:0", "0.13", "41", "20.5"}));
    QCOMPARE(table[2][1], QStringLiteral("2.3.17"));
    QCOMPARE(table[3], (QStringList{"3", "", "", "0.33", "", ""}));
    for (int row = 4; row <= 9; ++row)
        QCOMPARE(table[row], (QStringList{QString::number(row), "", "", "", "", ""}));
    QVERIFY(!f.port.isOpen());
}

void TestMemoryClock::clipboardTextOfAnUnreadTable()
{
    const QString text = velt::ClipboardText(velt::EmptyMemoryTable());
    QVERIFY(text.startsWith(QStringLiteral("№\tДата\tВремя\tV,м/c\tRH,%\tt.,*C\n1\t\t\t\t\t\n")));
    QVERIFY(text.endsWith(QStringLiteral("\n9\t\t\t\t\t\n")));
    QCOMPARE(text.count('\n'), 10);
    QCOMPARE(text.count('\t'), 50);
    QVERIFY(!text.contains('\r'));
}

void TestMemoryClock::clockMessage_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<Bytes>("message");
    QTest::newRow("14:07 9 March 2017") << 14 << 7 << 9 << 3 << 2017 << Bytes{0xAF, 7, 14, 9, 3, 17};
    QTest::newRow("year 2100") << 0 << 0 << 1 << 1 << 2100 << Bytes{0xAF, 0, 0, 1, 1, 100};
    QTest::newRow("year 2009") << 23 << 59 << 31 << 12 << 2009 << Bytes{0xAF, 59, 23, 31, 12, 9};
    QTest::newRow("31 February goes as typed") << 8 << 30 << 31 << 2 << 2024 << Bytes{0xAF, 30, 8, 31, 2, 24};
}

void TestMemoryClock::clockMessage()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(Bytes, message);
    const auto bytes = velt::ClockMessage({hour, minute, day, month, year});
    QCOMPARE(Bytes(bytes.begin(), bytes.end()), message);
}

void TestMemoryClock::clockMessageReachesTheMeterByteByByte()
{
    MeterFixture f;
    QVERIFY(f.started());
    f.meter->setAckByte(0x00);  // whatever the acknowledgement, the next byte follows
    const velt::ClockFields fields = velt::ClockFieldsOf(QDateTime(QDate(2017, 3, 9), QTime(14, 7, 59)));
    QCOMPARE(fields.minute, 7);
    const velt::ExchangeResult result =
        velt::RunExchange(f.link, [&](velt::SerialLink &link) { velt::SetMeterClock(link, fields); });
    QVERIFY(result.ok());
    QCOMPARE(f.meter->lastClockMessage(), (Bytes{0xAF, 7, 14, 9, 3, 17}));
    QCOMPARE(f.meter->received(), (Bytes{velt::CmdProbe, 0xAF, 7, 14, 9, 3, 17}));
    QVERIFY(f.meter->violations().empty());
}

QTEST_GUILESS_MAIN(TestMemoryClock)
#include "tst_memory_clock.moc"
