// The main window's memory-cell and clock exchanges against the simulated
// meter: what the table and status bar show, and that the window answers
// throughout.

#include "link/commands.h"
#include "link/status_texts.h"
#include "tests/support/program.h"
#include "ui/string_grid.h"

#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <memory>

using velt::sim::MeterSimulator;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Program : velt::test::Program {
    using velt::test::Program::Program;
    QStringList memoryRow(int row) const
    {
        QStringList cells;
        for (int col = 0; col < 6; ++col)
            cells << FMain->StringGridM->Cells(col, row);
        return cells;
    }
};

}  // namespace

class TestDeviceWindow : public QObject {
    Q_OBJECT
private slots:
    void readingMemoryFillsTheTableWhileTheWindowAnswers();
    void meterFallingSilentKeepsTheRowsAndFreesTheButtons();
    void noMeterLeavesTheTableAsItWas();
    void clockButtonSendsTheFieldsAsCorrected();
    void pageChangeRefillsTheClockFields();
};

void TestDeviceWindow::readingMemoryFillsTheTableWhileTheWindowAnswers()
{
    velt::sim::LineFaults paced;
    paced.paced = true;  // 81 words at 9600 baud: a few seconds
    Program p({}, paced);
    QTRY_VERIFY_WITH_TIMEOUT(p.FMain->link().DeviceFound(), 5000);

    int ticks = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&ticks] { ++ticks; });
    heartbeat.start(20);

    p.FMain->ButtonReadMemo->click();
    QVERIFY(!p.FMain->ButtonReadMemo->isEnabled());
    QVERIFY(!p.FMain->ButtonSave->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), QStringLiteral("Чтение ячеек памяти ..."), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), QStringLiteral("Чтение ячеек памяти завершено"), 20000);
    // The window's own timers kept running while the meter was read.
    QVERIFY2(ticks > 20, qPrintable(QString::number(ticks)));
    QVERIFY(p.FMain->ButtonReadMemo->isEnabled());
    QVERIFY(p.FMain->ButtonSave->isEnabled());
    QCOMPARE(p.memoryRow(1), (QStringList{"1", "1.3.17", "9:5:0", "0.13", "41", "20.5"}));
    QCOMPARE(p.memoryRow(8), (QStringList{"8", "8.3.17", "16:40:0", "0.83", "48", "-5.2"}));
    QCOMPARE(p.memoryRow(9), (QStringList{"9", "-", "-", "-", "-", "-"}));
    QVERIFY(p.meter->violations().empty());
}

void TestDeviceWindow::meterFallingSilentKeepsTheRowsAndFreesTheButtons()
{
    Program p;
    QTRY_VERIFY_WITH_TIMEOUT(p.FMain->link().DeviceFound(), 5000);
    velt::sim::LineFaults faults;
    faults.silentAfterBytes = 1 + 4 * 45 + 3;  // probe reply, four cells, into the fifth
    p.meter->setFaults(faults);
    p.FMain->ButtonReadMemo->click();
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), velt::kTextNoReply, 5000);
    QVERIFY(p.FMain->ButtonReadMemo->isEnabled());
    QCOMPARE(p.memoryRow(4), (QStringList{"4", "4.3.17", "12:20:0", "0.43", "44", "22"}));
    QCOMPARE(p.memoryRow(5), (QStringList{"5", "", "", "", "", ""}));

    // The meter answers again: the next reading completes the table.
    p.meter->setFaults({});
    p.FMain->ButtonReadMemo->click();
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), QStringLiteral("Чтение ячеек памяти завершено"), 5000);
    QCOMPARE(p.memoryRow(5), (QStringList{"5", "5.3.17", "13:25:0", "0.53", "45", "22.5"}));
}

void TestDeviceWindow::noMeterLeavesTheTableAsItWas()
{
    Program p;
    QTRY_VERIFY_WITH_TIMEOUT(p.FMain->link().DeviceFound(), 5000);
    velt::sim::LineFaults dead;
    dead.dead = true;
    p.meter->setFaults(dead);
    const int probesBefore = p.meter->commandCount(velt::CmdProbe);
    p.FMain->ButtonReadMemo->click();
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), velt::kTextNoReply, 5000);
    QCOMPARE(p.memoryRow(1), (QStringList{"1", "", "", "", "", ""}));
    p.FMain->ButtonSave->click();
    QTRY_VERIFY(p.FMain->ButtonSave->isEnabled());
    QCOMPARE(p.status(), velt::kTextNoReply);
    // The dead meter heard two probes and nothing else.
    QCOMPARE(p.meter->received().size(), std::size_t(probesBefore + 2));
}

void TestDeviceWindow::clockButtonSendsTheFieldsAsCorrected()
{
    Program p;
    QTRY_VERIFY_WITH_TIMEOUT(p.FMain->link().DeviceFound(), 5000);
    velt::TFMain &m = *p.FMain;
    m.show();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    m.CSpinEditChas->setValue(14);
    m.CSpinEditDen->setValue(31);
    m.CSpinEditMes->setValue(2);
    m.CSpinEditGod->setValue(2100);
    // The user types 75 into the minute field, then clicks the button.
    m.CSpinEditMin->setFocus();
    m.CSpinEditMin->selectAll();
    QTest::keyClicks(m.CSpinEditMin, "75");
    QTest::mouseClick(m.ButtonSave, Qt::LeftButton);
    QCOMPARE(m.CSpinEditMin->value(), 59);
    QTRY_COMPARE_WITH_TIMEOUT(p.status(), QStringLiteral("Запись времяни и даты завершена"), 5000);
    QCOMPARE(p.meter->lastClockMessage(), (Bytes{0xAF, 59, 14, 31, 2, 100}));
}

void TestDeviceWindow::pageChangeRefillsTheClockFields()
{
    Program p;
    velt::TFMain &m = *p.FMain;
    m.CSpinEditGod->setValue(2050);
    m.PageControl->setCurrentIndex(0);
    QCOMPARE(m.CSpinEditGod->value(), QDate::currentDate().year());
}

QTEST_MAIN(TestDeviceWindow)
#include "tst_device_window.moc"
