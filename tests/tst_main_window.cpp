// The main window at start-up, its menu toggles, timers and identification.

#include "link/status_texts.h"
#include "measure/measurement_record.h"
#include "tools/sim/meter_simulator.h"
#include "ui/form_help.h"
#include "ui/form_logo.h"
#include "ui/form_main.h"
#include "ui/form_options.h"
#include "ui/form_stat.h"
#include "ui/status_panels.h"
#include "ui/string_grid.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QMenuBar>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using velt::TFMain;

namespace {

// The five windows as the program creates them, with no serial port to
// search unless one is given, on a machine without the two display faces,
// whose font folder is a scratch folder.
struct Windows {
    QTemporaryDir fontDir;
    QStringList errors;
    std::unique_ptr<TFMain> FMain;
    std::unique_ptr<velt::TFStat> FStat;
    std::unique_ptr<velt::TFOptions> FOptions;
    std::unique_ptr<velt::TFLogo> FLogo;
    std::unique_ptr<velt::TFHelp> FHelp;

    explicit Windows(const QStringList &ports = {}, const QString &fontFolder = {})
    {
        velt::MainOptions options;
        options.candidates = velt::FixedCandidates(ports);
        options.fontDir = fontFolder.isEmpty() ? fontDir.path() : fontFolder;
        options.reportError = [this](const QString &text) { errors << text; };
        options.installedFamilies = [] { return QStringLiteral("DejaVu Sans\nDejaVu Serif"); };
        FMain = std::make_unique<TFMain>(options);
        FStat = std::make_unique<velt::TFStat>();
        FOptions = std::make_unique<velt::TFOptions>();
        FLogo = std::make_unique<velt::TFLogo>();
        FHelp = std::make_unique<velt::TFHelp>();
        FMain->AttachWindows(FStat.get(), FOptions.get(), FLogo.get(), FHelp.get());
    }
    QString panel(int i) const { return FMain->StatusBar->Text(i); }
};

QStringList rowOf(const velt::StringGrid *grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid->ColCount(); ++col)
        cells << grid->Cells(col, row);
    return cells;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpState();
    void clockFieldsFollowTheWorkstationClock();
    void menuItemsInOrder();
    void menuTogglesShowAndHideTheirWindows_data();
    void menuTogglesShowAndHideTheirWindows();
    void exitEndsTheProgramWithOtherWindowsOpen();
    void detectionTickBeforeTheMeterIsFound();
    void identificationFillsTheStatusPanels_data();
    void identificationFillsTheStatusPanels();
    void splashShowsAtTheFirstTickAndHidesAtTheSecond();
    void unwritableFontFolderReportsOnceAndTheWindowStillOpens();
    void splashHidesOnAClickAnywhere_data();
    void splashHidesOnAClickAnywhere();
    void helpCarriesTheInstructions();
};

void TestMainWindow::startUpState()
{
    Windows w;
    TFMain &m = *w.FMain;
    QCOMPARE(m.windowTitle(), QStringLiteral("ВЕЛТ"));
    QCOMPARE(velt::ChartWindow, 100);

    QCOMPARE(rowOf(m.StringGridD, 0), velt::kRecordHeaders);
    QCOMPARE(rowOf(m.StringGridL, 0), velt::kRecordHeaders);
    QCOMPARE(m.StringGridD->RowCount(), 2);
    QCOMPARE(m.StringGridL->RowCount(), 2);
    QVERIFY(m.StringGridD->isHidden());
    QVERIFY(m.StringGridL->isHidden());

    QCOMPARE(m.StringGridM->ColCount(), 6);
    QCOMPARE(m.StringGridM->RowCount(), 10);
    QCOMPARE(rowOf(m.StringGridM, 0), (QStringList{"№", "Дата", "Время", "V,м/c", "RH,%", "t.,*C"}));
    for (int row = 1; row <= 9; ++row) {
        QCOMPARE(m.StringGridM->Cells(0, row), QString::number(row));
        for (int col = 1; col < 6; ++col)
            QVERIFY(m.StringGridM->Cells(col, row).isEmpty());
    }
    QCOMPARE(m.ButtonReadMemo->text(), QStringLiteral("Прочитать память"));
    QCOMPARE(m.ButtonSave->text(), QStringLiteral("Установить дату и время"));
    QCOMPARE(m.Button1->text(), QStringLiteral("В буфер"));

    QCOMPARE(m.PageControl->count(), 2);
    QCOMPARE(m.PageControl->tabText(0), QStringLiteral("Текущие показания"));
    QCOMPARE(m.PageControl->tabText(1), QStringLiteral("Дата логгер"));
    QCOMPARE(m.PageControl->currentIndex(), 1);
    QCOMPARE(m.TabSet->tabText(0), QStringLiteral("Графики"));
    QCOMPARE(m.TabSet->tabText(1), QStringLiteral("Данные"));
    QCOMPARE(m.TabSet->currentIndex(), 0);
    QCOMPARE(m.Button2->text(), QStringLiteral("Очистить"));
    QCOMPARE(m.ButtonStartStop->text(), QStringLiteral("Старт"));
    QVERIFY(!m.ButtonStartStop->isEnabled());

    struct TimerState {
        QTimer *timer;
        int interval;
        bool active;
    };
    for (const TimerState &t : {TimerState{&m.TimerDetekt, 3000, true}, TimerState{&m.TimerInterval, 3000, false},
                                TimerState{&m.TimerPeriod, 20000, false}, TimerState{&m.TimerLogo, 1000, true},
                                TimerState{&m.TimerDataVremy, 60000, true}}) {
        QCOMPARE(t.timer->interval(), t.interval);
        QCOMPARE(t.timer->isActive(), t.active);
    }
    for (int i = 0; i < 3; ++i)
        QVERIFY(w.panel(i).isEmpty());

    for (QWidget *other : {static_cast<QWidget *>(w.FStat.get()), static_cast<QWidget *>(w.FOptions.get()),
                           static_cast<QWidget *>(w.FLogo.get()), static_cast<QWidget *>(w.FHelp.get())})
        QVERIFY(!other->isVisible());
    QCOMPARE(w.FStat->windowTitle(), QStringLiteral("Статистика"));
    QCOMPARE(w.FOptions->windowTitle(), QStringLiteral("Настройки"));
    QCOMPARE(w.FHelp->windowTitle(), QStringLiteral("Помощь"));
    QVERIFY(w.errors.isEmpty());
    QVERIFY(QFile::exists(w.fontDir.filePath("GOST_type_A.TTF")));
    QVERIFY(QFile::exists(w.fontDir.filePath("Digirtu_.ttf")));
}

void TestMainWindow::clockFieldsFollowTheWorkstationClock()
{
    Windows w;
    TFMain &m = *w.FMain;
    QCOMPARE(m.CSpinEditChas->minimum(), 0);
    QCOMPARE(m.CSpinEditChas->maximum(), 23);
    QCOMPARE(m.CSpinEditMin->maximum(), 59);
    QCOMPARE(m.CSpinEditDen->minimum(), 1);
    QCOMPARE(m.CSpinEditDen->maximum(), 31);
    QCOMPARE(m.CSpinEditMes->maximum(), 12);
    QCOMPARE(m.CSpinEditGod->minimum(), 2009);
    QCOMPARE(m.CSpinEditGod->maximum(), 2100);

    // A hand-made change lasts only until the next minute tick.
    m.CSpinEditChas->setValue((QTime::currentTime().hour() + 5) % 24);
    const QDateTime before = QDateTime::currentDateTime();
    m.TimerDataVremyTimer();
    const QDateTime after = QDateTime::currentDateTime();
    const QDateTime shown(QDate(m.CSpinEditGod->value(), m.CSpinEditMes->value(), m.CSpinEditDen->value()),
                          QTime(m.CSpinEditChas->value(), m.CSpinEditMin->value()));
    QVERIFY(shown >= QDateTime(before.date(), QTime(before.time().hour(), before.time().minute())));
    QVERIFY(shown <= after);
}

void TestMainWindow::menuItemsInOrder()
{
    Windows w;
    QStringList captions;
    for (QAction *action : w.FMain->menuBar()->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"Передать данные в  Excel", "Статистика", "Настройки", "НТП \"ВЕЛТ\"", "?",
                                    "Выход"}));
}

void TestMainWindow::menuTogglesShowAndHideTheirWindows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window");
    QTest::newRow("Статистика") << "N5" << "FStat";
    QTest::newRow("Настройки") << "N6" << "FOptions";
    QTest::newRow("?") << "N7" << "FHelp";
    QTest::newRow("splash") << "N8" << "FLogo";
}

void TestMainWindow::menuTogglesShowAndHideTheirWindows()
{
    QFETCH(QString, item);
    QFETCH(QString, window);
    Windows w;
    w.FMain->TimerLogo.stop();
    QAction *action = w.FMain->findChild<QAction *>(item);
    QVERIFY(action);
    QWidget *target = nullptr;
    for (QWidget *candidate : QApplication::topLevelWidgets())
        if (candidate->objectName() == window)
            target = candidate;
    QVERIFY(target);

    w.FHelp->Memo->setPlainText("kept");
    action->trigger();
    QVERIFY(target->isVisible());
    action->trigger();
    QVERIFY(!target->isVisible());
    action->trigger();
    QVERIFY(target->isVisible());
    // A hidden window is never destroyed: its contents stay.
    QCOMPARE(w.FHelp->Memo->toPlainText(), QStringLiteral("kept"));
    target->close();
}

void TestMainWindow::exitEndsTheProgramWithOtherWindowsOpen()
{
    Windows w;
    w.FMain->show();
    w.FHelp->show();
    w.FStat->show();
    QTimer::singleShot(0, w.FMain->N9, &QAction::trigger);
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });  // only if "Выход" did nothing
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!w.FMain->isVisible());
}

void TestMainWindow::detectionTickBeforeTheMeterIsFound()
{
    Windows w({"/dev/velt-missing"});
    QTRY_COMPARE(w.panel(3), velt::kTextSearching);
    w.FMain->TimerDetektTimer();
    QCOMPARE(w.panel(3), velt::kTextNotFound);
    QVERIFY(w.FMain->TimerDetekt.isActive());
    QVERIFY(w.panel(0).isEmpty());
}

void TestMainWindow::identificationFillsTheStatusPanels_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("subType");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<bool>("startEnabled");
    QTest::newRow("ВИКС/24") << 24 << 0 << "ВИКС/24" << "24" << true;
    QTest::newRow("type 65, sub-type 1") << 65 << 1 << "" << "гол.2" << false;
    QTest::newRow("type 130") << 130 << 0 << "" << "-126" << false;
}

void TestMainWindow::identificationFillsTheStatusPanels()
{
    QFETCH(int, type);
    QFETCH(int, subType);
    QFETCH(QString, model);
    QFETCH(QString, typeText);
    QFETCH(bool, startEnabled);

    velt::sim::MeterModel meterModel;
    meterModel.typeCode = static_cast<std::uint8_t>(type);
    meterModel.subType = static_cast<std::uint8_t>(subType);
    velt::sim::MeterSimulator meter(meterModel);
    QVERIFY(meter.start());
    const QString path = QString::fromStdString(meter.devicePath());
    Windows w({"/dev/velt-missing", path});

    QTRY_VERIFY_WITH_TIMEOUT(w.FMain->link().DeviceFound(), 5000);
    QTRY_COMPARE(w.panel(3), velt::kTextConnected);
    w.FMain->TimerDetektTimer();
    QVERIFY(!w.FMain->TimerDetekt.isActive());
    QCOMPARE(w.panel(0), QDir(path).path().mid(5));
    QTRY_COMPARE_WITH_TIMEOUT(w.panel(2), typeText, 5000);
    QCOMPARE(w.panel(1), model);
    QCOMPARE(w.FMain->ButtonStartStop->isEnabled(), startEnabled);
    QCOMPARE(int(w.FMain->DeviceType), static_cast<std::int8_t>(type));
    for (QCheckBox *box : {w.FOptions->CheckBoxT, w.FOptions->CheckBoxRH, w.FOptions->CheckBoxV})
        QVERIFY(box->isEnabled());
    QVERIFY(meter.violations().empty());
}

void TestMainWindow::splashShowsAtTheFirstTickAndHidesAtTheSecond()
{
    Windows w;
    TFMain &m = *w.FMain;
    m.TimerLogoTimer();
    QVERIFY(w.FLogo->isVisible());
    QCOMPARE(m.TimerLogo.interval(), 10000);
    QVERIFY(m.TimerLogo.isActive());
    QTest::mouseClick(w.FLogo.get(), Qt::LeftButton);
    QVERIFY(!w.FLogo->isVisible());
    m.TimerLogoTimer();
    QVERIFY(!w.FLogo->isVisible());
    QVERIFY(!m.TimerLogo.isActive());
}

void TestMainWindow::unwritableFontFolderReportsOnceAndTheWindowStillOpens()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Windows w({}, dir.filePath("file/fonts"));
    QCOMPARE(w.errors.size(), 1);
    QVERIFY(w.errors.first().startsWith("Cannot create file "));
    QVERIFY(w.errors.first().endsWith("GOST_type_A.TTF"));
    // The remaining creation steps were done before the fonts.
    QCOMPARE(w.FMain->StringGridM->Cells(1, 0), QStringLiteral("Дата"));
    QCOMPARE(w.FMain->StringGridL->Cells(9, 0), QStringLiteral("W,Вт/м2"));
    QCOMPARE(w.FMain->CSpinEditGod->value(), QDate::currentDate().year());
    // The digit face was not tried after the first one failed.
    QVERIFY(!QFile::exists(dir.filePath("file/fonts/Digirtu_.ttf")));
}

void TestMainWindow::splashHidesOnAClickAnywhere_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("picture") << "ImageVELT";
    QTest::newRow("name") << "Memo1";
    QTest::newRow("licence") << "Memo4";
    QTest::newRow("blue panel") << "PanelAtributi";
}

void TestMainWindow::splashHidesOnAClickAnywhere()
{
    QFETCH(QString, part);
    Windows w;
    w.FMain->N8->trigger();
    QVERIFY(w.FLogo->isVisible());
    QWidget *target = w.FLogo->findChild<QWidget *>(part);
    QVERIFY(target);
    // Where the part lies, the click reaches the window.
    const QPoint centre = target->mapTo(w.FLogo.get(), target->rect().center());
    QTest::mouseClick(w.FLogo->childAt(centre) ? w.FLogo->childAt(centre) : w.FLogo.get(), Qt::LeftButton, {},
                      w.FLogo->childAt(centre) ? w.FLogo->childAt(centre)->mapFrom(w.FLogo.get(), centre) : centre);
    QVERIFY(!w.FLogo->isVisible());
    QVERIFY(w.FLogo->Memo4->text().contains(QStringLiteral(VELT_VERSION)));
}

void TestMainWindow::helpCarriesTheInstructions()
{
    Windows w;
    const QString text = w.FHelp->Memo->toPlainText();
    QVERIFY(text.startsWith(QString(28, ' ') + "ИНСТРУКЦИЯ ПОЛЬЗОВАТЕЛЯ"));
    for (const char *heading : {"СТАРТ/СТОП", "СОХРАНИТЬ ...", "МАСШТАБ ГРАФИКОВ", "ЗАГРУЗКА ДАННЫХ"})
        QVERIFY2(text.contains(QString(14, ' ') + QString::fromUtf8(heading)), heading);
    QVERIFY(text.contains("«Настройки»"));
    QVERIFY(text.contains("«Отмена»"));
    w.FMain->N7->trigger();
    QVERIFY(w.FHelp->isVisible());
    w.FHelp->ButtonCloseHelp->click();
    QVERIFY(!w.FHelp->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
