#include "ui/form_main.h"

#include "link/identification.h"
#include "link/status_texts.h"
#include "measure/measurement_record.h"
#include "ui/chart_view.h"
#include "ui/clock_spin_edit.h"
#include "ui/download_progress.h"
#include "ui/font_installer.h"
#include "ui/form_help.h"
#include "ui/form_logo.h"
#include "ui/form_options.h"
#include "ui/form_stat.h"
#include "ui/live_page.h"
#include "ui/logger_page.h"
#include "ui/alarm_tone.h"
#include "ui/status_panels.h"
#include "ui/string_grid.h"
#include "ui/window_toggle.h"
#include "ui/xls_export.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velt {

namespace {

constexpr int kLoggerPage = 1;

QSpinBox *makeSpinEdit(QWidget *parent, const char *name, int low, int high, int value)
{
    auto *spin = new ClockSpinEdit(low, high, parent);
    spin->setObjectName(QLatin1String(name));
    spin->setValue(value);
    return spin;
}

}  // namespace

TFMain::TFMain(MainOptions options, QWidget *parent) : QMainWindow(parent), options_(std::move(options))
{
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("ВЕЛТ"));
    link_ = new LinkThread(options_.candidates, options_.portFactory, this);

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    auto *left = new QVBoxLayout;
    auto *strip = new QFrame(central);
    strip->setObjectName(QStringLiteral("PanelDataTime"));
    buildClockStrip(strip);
    left->addWidget(strip);
    StringGridM = new StringGrid(6, 10, 1, 1, 72, central);
    StringGridM->setObjectName(QStringLiteral("StringGridM"));
    StringGridM->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StringGridM->setFixedHeight(StringGridM->sizeHint().height());
    StringGridM->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    left->addWidget(StringGridM);
    ButtonReadMemo = new QPushButton(QStringLiteral("Прочитать память"), central);
    ButtonReadMemo->setObjectName(QStringLiteral("ButtonReadMemo"));
    left->addWidget(ButtonReadMemo);
    left->addStretch();

    columns->addLayout(left, 0);
    columns->addWidget(buildPages(), 1);
    setCentralWidget(central);

    StatusBar = new StatusPanels(statusBar());
    Progress = new DownloadProgress(statusBar());
    statusBar()->addPermanentWidget(Progress);
    buildMenu();
    setupTimers();

    connect(link_, &LinkThread::searchStatus, this, [this](const QString &text) { StatusBar->SetText(3, text); });
    connect(link_, &LinkThread::busyChanged, this, &TFMain::onBusyChanged);
    connect(ButtonReadMemo, &QPushButton::clicked, this, &TFMain::ButtonReadMemoClick);
    connect(Button1, &QPushButton::clicked, this, &TFMain::Button1Click);
    connect(ButtonSave, &QPushButton::clicked, this, &TFMain::ButtonSaveClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TFMain::PageControlChange);
    connect(TabSet, &QTabBar::currentChanged, this, &TFMain::TabSetChange);
    connect(Button2, &QPushButton::clicked, this, &TFMain::ButtonClearClick);
    connect(ButtonStartStop, &QPushButton::clicked, this, &TFMain::ButtonStartStopClick);
    connect(&TimerInterval, &QTimer::timeout, this, &TFMain::TimerIntervalTimer);
    connect(&TimerPeriod, &QTimer::timeout, this, &TFMain::TimerPeriodTimer);
    Alarm = new AlarmTone(this);
    connect(ButtonZagruzit, &QPushButton::clicked, this, &TFMain::ButtonZagruzitClick);
    connect(Progress, &DownloadProgress::cancelRequested, this, &TFMain::CancelDownload);
    connect(TabSheet3->ComboBoxZ, &QComboBox::currentIndexChanged, this, &TFMain::ComboBoxZChange);

    FormCreate();
}

TFMain::~TFMain()
{
    // The link thread goes first, while everything its dialogues report to
    // still exists.
    delete link_;
    link_ = nullptr;
}

void TFMain::buildClockStrip(QWidget *strip)
{
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    CSpinEditChas = makeSpinEdit(strip, "CSpinEditChas", 0, 23, 16);
    CSpinEditMin = makeSpinEdit(strip, "CSpinEditMin", 0, 59, 10);
    CSpinEditDen = makeSpinEdit(strip, "CSpinEditDen", 1, 31, 7);
    CSpinEditMes = makeSpinEdit(strip, "CSpinEditMes", 1, 12, 4);
    CSpinEditGod = makeSpinEdit(strip, "CSpinEditGod", 2009, 2100, 2009);
    for (QSpinBox *spin : {CSpinEditChas, CSpinEditMin, CSpinEditDen, CSpinEditMes, CSpinEditGod})
        row->addWidget(spin);
    ButtonSave = new QPushButton(QStringLiteral("Установить дату и время"), strip);
    ButtonSave->setObjectName(QStringLiteral("ButtonSave"));
    Button1 = new QPushButton(QStringLiteral("В буфер"), strip);
    Button1->setObjectName(QStringLiteral("Button1"));
    row->addWidget(ButtonSave);
    row->addWidget(Button1);
}

QWidget *TFMain::buildPages()
{
    auto *area = new QWidget(this);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    PageControl = new QTabWidget(area);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    TabSheet1 = new LivePage(PageControl);
    TabSheet3 = new LoggerPage(PageControl);
    PageControl->addTab(TabSheet1, QStringLiteral("Текущие показания"));
    PageControl->addTab(TabSheet3, QStringLiteral("Дата логгер"));
    PageControl->setCurrentIndex(kLoggerPage);
    layout->addWidget(PageControl, 1);

    ButtonStartStop = TabSheet1->ButtonStartStop;
    StringGridD = TabSheet1->StringGridD;
    StringGridL = TabSheet3->StringGridL;
    ChartValue = TabSheet3->ChartValue;
    ButtonZagruzit = TabSheet3->ButtonZagruzit;

    auto *bottom = new QHBoxLayout;
    TabSet = new QTabBar(area);
    TabSet->setObjectName(QStringLiteral("TabSet"));
    TabSet->setShape(QTabBar::RoundedSouth);
    TabSet->addTab(QStringLiteral("Графики"));
    TabSet->addTab(QStringLiteral("Данные"));
    TabSet->setCurrentIndex(0);
    bottom->addWidget(TabSet);
    bottom->addStretch();
    Button2 = new QPushButton(QStringLiteral("Очистить"), area);
    Button2->setObjectName(QStringLiteral("Button2"));
    bottom->addWidget(Button2);
    layout->addLayout(bottom);
    return area;
}

void TFMain::buildMenu()
{
    QMenuBar *menu = menuBar();
    N1 = menu->addAction(QStringLiteral("Передать данные в  Excel"), this, &TFMain::N1Click);
    N5 = menu->addAction(QStringLiteral("Статистика"), this, &TFMain::N5Click);
    N6 = menu->addAction(QStringLiteral("Настройки"), this, &TFMain::N6Click);
    N8 = menu->addAction(QStringLiteral("НТП \"ВЕЛТ\""), this, &TFMain::N8Click);
    N7 = menu->addAction(QStringLiteral("?"), this, &TFMain::N7Click);
    N9 = menu->addAction(QStringLiteral("Выход"), this, &TFMain::N9Click);
    N1->setObjectName(QStringLiteral("N1"));
    N5->setObjectName(QStringLiteral("N5"));
    N6->setObjectName(QStringLiteral("N6"));
    N8->setObjectName(QStringLiteral("N8"));
    N7->setObjectName(QStringLiteral("N7"));
    N9->setObjectName(QStringLiteral("N9"));
}

void TFMain::setupTimers()
{
    TimerDetekt.setInterval(3000);
    TimerInterval.setInterval(3000);
    TimerPeriod.setInterval(20000);
    TimerLogo.setInterval(1000);
    TimerDataVremy.setInterval(60000);
    connect(&TimerDetekt, &QTimer::timeout, this, &TFMain::TimerDetektTimer);
    connect(&TimerLogo, &QTimer::timeout, this, &TFMain::TimerLogoTimer);
    connect(&TimerDataVremy, &QTimer::timeout, this, &TFMain::TimerDataVremyTimer);
    TimerDetekt.start();
    TimerLogo.start();
    TimerDataVremy.start();
}

void TFMain::FormCreate()
{
    ChartWindow = 100;
    for (int col = 0; col < kRecordColumns; ++col) {
        StringGridD->SetCell(col, 0, kRecordHeaders[col]);
        StringGridL->SetCell(col, 0, kRecordHeaders[col]);
    }
    const QStringList memoryHeaders = {QStringLiteral("№"),    QStringLiteral("Дата"), QStringLiteral("Время"),
                                       QStringLiteral("V,м/c"), QStringLiteral("RH,%"), QStringLiteral("t.,*C")};
    for (int col = 0; col < memoryHeaders.size(); ++col)
        StringGridM->SetCell(col, 0, memoryHeaders[col]);
    for (int row = 1; row <= 9; ++row)
        StringGridM->SetCell(0, row, QString::number(row));
    FillClockFields();
    link_->StartSearch();
    QCoreApplication::processEvents();

    if (!options_.installFonts)
        return;
    const QString fontDir = options_.fontDir.isEmpty() ? UserFontFolder() : options_.fontDir;
    const QString families = options_.installedFamilies ? options_.installedFamilies() : InstalledFontFamilies();
    const FontInstallResult fonts = InstallFonts(families, fontDir, RegisterFontFile);
    if (!fonts.errorText.isEmpty())
        reportError(fonts.errorText);
}

void TFMain::AttachWindows(TFStat *stat, TFOptions *options, TFLogo *logo, TFHelp *help)
{
    FStat = stat;
    FOptions = options;
    if (FOptions)
        FOptions->Attach(ChartValue, &TimerInterval);
    if (FStat) {
        // Air temperature, humidity and globe temperature, in the list's order.
        FStat->SetSource([this](int entry) {
            const SeriesRef series[] = {TabSheet1->Series13, TabSheet1->LineSeries4, TabSheet1->LineSeries5};
            const SeriesRef &s = series[entry];
            QVector<double> values;
            for (int i = 0; i < s.chart->Count(s.index); ++i)
                values << s.chart->YValue(s.index, i);
            return values;
        });
    }
    FLogo = logo;
    FHelp = help;
}

void TFMain::reportError(const QString &text)
{
    if (options_.reportError)
        options_.reportError(text);
    else
        QMessageBox::critical(this, kApplicationTitle, text);
}

void TFMain::FillClockFields()
{
    const QDateTime now = QDateTime::currentDateTime();
    CSpinEditChas->setValue(now.time().hour());
    CSpinEditMin->setValue(now.time().minute());
    CSpinEditDen->setValue(now.date().day());
    CSpinEditMes->setValue(now.date().month());
    CSpinEditGod->setValue(now.date().year());
}

void TFMain::TimerDetektTimer()
{
    if (!link_->DeviceFound()) {
        StatusBar->SetText(3, kTextNotFound);
        return;
    }
    // The identification runs once: nothing searches or identifies again.
    TimerDetekt.stop();
    StatusBar->SetText(0, link_->PortName());
    link_->Identify(
        [this](std::int8_t type) {
            DeviceType = type;
            StatusBar->SetText(2, TypeCodeText(type));
        },
        [this](ExchangeResult result, Identification id) {
            if (!result.ok()) {
                StatusBar->SetText(3, result.statusText);
                return;
            }
            DeviceType = id.DeviceType;
            if (id.DeviceSubType)
                DeviceSubType = *id.DeviceSubType;
            const IdentificationView view = ViewOf(id);
            StatusBar->SetText(2, view.typeText);
            if (view.modelText)
                StatusBar->SetText(1, *view.modelText);
            if (view.supported) {
                ButtonStartStop->setEnabled(true);
                if (FOptions) {
                    FOptions->CheckBoxT->setEnabled(true);
                    FOptions->CheckBoxRH->setEnabled(true);
                    FOptions->CheckBoxV->setEnabled(true);
                }
            }
        });
}

void TFMain::TimerLogoTimer()
{
    if (!FLogo)
        return;
    ShowInFront(FLogo);
    if (TimerLogo.interval() == 10000) {
        TimerLogo.stop();
        FLogo->close();
    } else {
        TimerLogo.start(10000);
    }
}

void TFMain::onBusyChanged(bool busy)
{
    for (QPushButton *button : {ButtonSave, ButtonReadMemo, ButtonZagruzit})
        button->setEnabled(!busy);
}

void TFMain::N1Click() { XlsExport(*this); }
void TFMain::N5Click() { if (FStat) ToggleWindow(FStat); }
void TFMain::N6Click() { if (FOptions) ToggleWindow(FOptions); }
void TFMain::N7Click() { if (FHelp) ToggleWindow(FHelp); }
void TFMain::N8Click() { if (FLogo) ToggleWindow(FLogo); }
void TFMain::N9Click() { close(); }

void TFMain::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QCoreApplication::quit();
}

}  // namespace velt
