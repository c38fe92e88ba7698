#pragma once

#include "link/link_thread.h"

#include <QMainWindow>
#include <QTime>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <memory>
#include <functional>

class QAction;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTabWidget;

namespace velt {

class AlarmTone;
class DownloadProgress;
struct LoggerRecord;
class ChartView;
class LivePage;
class LoggerPage;
class StatusPanels;
class StringGrid;
class TFHelp;
class TFLogo;
class TFOptions;
class TFStat;

// The title of the application, also the title of its error messages.
inline const QString kApplicationTitle = QStringLiteral("ВЕЛТ Монитор");

// Width in X units of the sliding window of the live charts.
inline std::int32_t ChartWindow = 0;

struct MainOptions {
    PortCandidates candidates;
    BytePortFactory portFactory;        // empty: the real serial port
    QString fontDir;                    // empty: the user's font folder
    bool installFonts = true;
    std::function<QString()> installedFamilies;        // empty: the font database's
    std::function<QTime()> clock;                      // empty: the workstation's clock
    QString documentsDir;                              // empty: the user's documents folder
    std::function<bool(const QString &)> openFile;     // empty: the desktop's default application
    std::function<void(const QString &)> reportError;  // empty: a message box
};

// The main window "ВЕЛТ": clock strip, memory table, the two pages and the
// status bar; owns the link thread and the window's timers.
class TFMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFMain(MainOptions options, QWidget *parent = nullptr);
    ~TFMain() override;

    // The other four windows, created after this one.
    void AttachWindows(TFStat *stat, TFOptions *options, TFLogo *logo, TFHelp *help);

    LinkThread &link() { return *link_; }
    const MainOptions &options() const { return options_; }
    StatusPanels &statusPanels() { return *StatusBar; }

    // Clock strip.
    QSpinBox *CSpinEditChas = nullptr;
    QSpinBox *CSpinEditMin = nullptr;
    QSpinBox *CSpinEditDen = nullptr;
    QSpinBox *CSpinEditMes = nullptr;
    QSpinBox *CSpinEditGod = nullptr;
    QPushButton *ButtonSave = nullptr;
    QPushButton *Button1 = nullptr;

    StringGrid *StringGridM = nullptr;
    QPushButton *ButtonReadMemo = nullptr;

    // Pages.
    QTabWidget *PageControl = nullptr;
    LivePage *TabSheet1 = nullptr;
    LoggerPage *TabSheet3 = nullptr;
    QTabBar *TabSet = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *ButtonStartStop = nullptr;
    StringGrid *StringGridD = nullptr;
    StringGrid *StringGridL = nullptr;
    ChartView *ChartValue = nullptr;
    QPushButton *ButtonZagruzit = nullptr;

    AlarmTone *Alarm = nullptr;
    DownloadProgress *Progress = nullptr;

    StatusPanels *StatusBar = nullptr;

    QAction *N1 = nullptr;
    QAction *N5 = nullptr;
    QAction *N6 = nullptr;
    QAction *N8 = nullptr;
    QAction *N7 = nullptr;
    QAction *N9 = nullptr;

    QTimer TimerDetekt;
    QTimer TimerInterval;
    QTimer TimerPeriod;
    QTimer TimerLogo;
    QTimer TimerDataVremy;

    std::int8_t DeviceType = 0;
    std::int8_t DeviceSubType = 0;

    void FillClockFields();
    void TimerDetektTimer();
    void TimerLogoTimer();
    void TimerDataVremyTimer() { FillClockFields(); }
    void TabSetChange(int index);
    void PageControlChange(int index);
    void ButtonClearClick();
    void ButtonStartStopClick();
    void TimerIntervalTimer() { ReadMeasurement(); }
    void TimerPeriodTimer();
    void ReadMeasurement();
    void ButtonZagruzitClick();
    void CancelDownload();
    void ComboBoxZChange(int index);
    void ButtonReadMemoClick();
    void Button1Click();
    void ButtonSaveClick();
    void N1Click();
    void N5Click();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void buildClockStrip(QWidget *strip);
    QWidget *buildPages();
    void buildMenu();
    void setupTimers();
    void onBusyChanged(bool busy);
    void reportError(const QString &text);
    void checkAlarm(int quantity, float value);
    void endSession(const QString &statusText);
    QTime now() const;
    void addLoggerRecord(const LoggerRecord &record);

    MainOptions options_;
    LinkThread *link_ = nullptr;
    TFStat *FStat = nullptr;
    TFOptions *FOptions = nullptr;
    TFLogo *FLogo = nullptr;
    TFHelp *FHelp = nullptr;
    bool readInFlight_ = false;
    bool readPending_ = false;
    std::shared_ptr<std::atomic<bool>> downloadCancel_;
};

}  // namespace velt
