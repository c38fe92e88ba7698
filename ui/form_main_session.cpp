// The main window's pages and the live monitoring session: start, stop and
// arm, the schedule tick and the read cycle.

#include "link/post.h"
#include "link/status_texts.h"
#include "measure/alarm.h"
#include "measure/reading.h"
#include "measure/schedule.h"
#include "ui/alarm_tone.h"
#include "ui/form_main.h"
#include "ui/form_options.h"
#include "ui/live_page.h"
#include "ui/logger_page.h"
#include "ui/status_panels.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace velt {

namespace {

const QString kCaptionStart = QStringLiteral("Старт");
const QString kCaptionStop = QStringLiteral("Стоп");
const QString kTextReadingChannels = QStringLiteral("Чтение каналов");
const QString kTextReadingData = QStringLiteral("Чтение данных ...");
const QString kTextArmed = QStringLiteral("Соединение прошло успешно, ожидание начала измерений ");
const QString kTextArmFailed = QStringLiteral("Нет отклика от прибора...");
constexpr int kLoggerPage = 1;

}  // namespace

void TFMain::TabSetChange(int index)
{
    // "Данные" lays the current page's table over its charts; "Графики"
    // takes it away. Each page keeps its own choice.
    const bool table = index == 1;
    if (PageControl->currentIndex() == kLoggerPage)
        TabSheet3->ShowTable(table);
    else
        TabSheet1->ShowTable(table);
}

void TFMain::PageControlChange(int index)
{
    FillClockFields();
    const bool tableShown = index == kLoggerPage ? TabSheet3->TableShown() : TabSheet1->TableShown();
    TabSet->setCurrentIndex(tableShown ? 1 : 0);
    if (index == kLoggerPage)
        StatusBar->SetText(3, QStringLiteral(" "));
}

void TFMain::ButtonClearClick() { TabSheet1->ClearDisplay(); }

QTime TFMain::now() const { return options_.clock ? options_.clock() : QTime::currentTime(); }

void TFMain::ButtonStartStopClick()
{
    const bool scheduled = FOptions && FOptions->CheckBoxTimer->isChecked();
    const auto probeOnly = [](SerialLink &) {};

    if (scheduled && TimerPeriod.isActive()) {
        TimerPeriod.stop();
        ButtonStartStop->setText(kCaptionStart);
        TimerInterval.stop();
        link_->Run(probeOnly, {});
        return;
    }
    if (!scheduled && TimerInterval.isActive()) {
        TimerInterval.stop();
        ButtonStartStop->setText(kCaptionStart);
        StatusBar->SetText(3, QStringLiteral(" "));
        link_->Run(probeOnly, {});
        return;
    }

    // A start or an arm waits for the probe's answer; meanwhile a second
    // click could only start twice.
    ButtonStartStop->setEnabled(false);
    link_->Run(probeOnly, [this, scheduled](ExchangeResult result) {
        ButtonStartStop->setEnabled(true);
        if (scheduled) {
            if (result.ok()) {
                StatusBar->SetText(3, kTextArmed);
                TimerPeriod.start();
                ButtonStartStop->setText(kCaptionStop);
            } else {
                StatusBar->SetText(3, result.kind == ExchangeResult::Kind::NoAccess ? result.statusText
                                                                                      : kTextArmFailed);
            }
            return;
        }
        if (result.ok()) {
            StatusBar->SetText(3, kTextConnected);
            TimerInterval.start();
            ButtonStartStop->setText(kCaptionStop);
            StatusBar->SetText(3, kTextReadingChannels);
        } else {
            TimerInterval.stop();
            ButtonStartStop->setText(kCaptionStart);
            StatusBar->SetText(3, result.statusText);
        }
    });
}

void TFMain::TimerPeriodTimer()
{
    if (!FOptions)
        return;
    const QTime clock = now();
    if (ScheduleMatches(clock, FOptions->MaskEditTimeN->text()) && !TimerInterval.isActive())
        TimerInterval.start();
    if (ScheduleMatches(clock, FOptions->MaskEditTimeK->text())) {
        TimerInterval.stop();
        TimerPeriod.stop();
        ButtonStartStop->setText(kCaptionStart);
    }
}

void TFMain::endSession(const QString &statusText)
{
    StatusBar->SetText(3, statusText);
    TimerPeriod.stop();
    ButtonStartStop->setText(kCaptionStart);
    TimerInterval.stop();
}

void TFMain::ReadMeasurement()
{
    // A tick that comes while a reading is still queued or running is kept
    // for afterwards, once: readings are never lost and never doubled.
    if (readInFlight_) {
        readPending_ = true;
        return;
    }
    readInFlight_ = true;
    auto words = std::make_shared<ReadingWords>();
    link_->Run(
        [this, words](SerialLink &link) {
            PostTo(this, [this] { StatusBar->SetText(3, kTextReadingData); });
            *words = velt::ReadMeasurement(link);
        },
        [this, words](ExchangeResult result) {
            readInFlight_ = false;
            if (!result.ok()) {
                readPending_ = false;
                endSession(result.statusText);
                return;
            }
            const MeasurementRecord record = MakeRecord(TimeText(), words->RH, words->ta, words->tg,
                                                        TgShown::Measured);
            TabSheet1->ShowRecord(record, [this, &record](AlarmQuantity quantity) {
                switch (quantity) {
                case AlarmQuantity::AirTemperature: checkAlarm(0, record.ta); break;
                case AlarmQuantity::Humidity: checkAlarm(1, record.RH); break;
                case AlarmQuantity::GlobeTemperature: checkAlarm(2, record.tg); break;
                }
            });
            TabSheet1->SlideWindows(ChartWindow);
            if (readPending_) {
                readPending_ = false;
                if (TimerInterval.isActive())
                    ReadMeasurement();
            }
        });
}

void TFMain::checkAlarm(int quantity, float value)
{
    if (!FOptions)
        return;
    const std::tuple<QCheckBox *, QLineEdit *, QLineEdit *> limits[] = {
        {FOptions->CheckBoxT, FOptions->EditTmin, FOptions->EditTmax},
        {FOptions->CheckBoxRH, FOptions->EditRHmin, FOptions->EditRHmax},
        {FOptions->CheckBoxV, FOptions->EditVmin, FOptions->EditVmax}};
    const auto &[box, minimum, maximum] = limits[quantity];
    if (!box->isChecked())
        return;
    if (CheckLimits(value, minimum->text(), maximum->text()) == LimitState::Reached
        && FOptions->CheckBoxBeep->isChecked())
        Alarm->Beep();
}

}  // namespace velt
