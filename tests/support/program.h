#pragma once

#include "tools/sim/meter_simulator.h"
#include "ui/form_help.h"
#include "ui/form_logo.h"
#include "ui/form_main.h"
#include "ui/form_options.h"
#include "ui/form_stat.h"
#include "ui/status_panels.h"

#include <QTest>

#include <memory>

namespace velt::test {

// The program's five windows searching only a simulated meter's port, with
// the splash timer stopped and no fonts installed.
struct Program {
    std::unique_ptr<sim::MeterSimulator> meter;
    std::unique_ptr<TFMain> FMain;
    TFStat FStat;
    TFOptions FOptions;
    TFLogo FLogo;
    TFHelp FHelp;
    QTime clock;  // the workstation's time of day, when set

    explicit Program(sim::MeterModel model = {}, sim::LineFaults faults = {})
        : meter(std::make_unique<sim::MeterSimulator>(std::move(model), faults))
    {
        meter->start();
        MainOptions options;
        options.candidates = FixedCandidates({QString::fromStdString(meter->devicePath())});
        options.installFonts = false;
        options.clock = [this] { return clock.isValid() ? clock : QTime::currentTime(); };
        FMain = std::make_unique<TFMain>(options);
        FMain->TimerLogo.stop();
        FMain->AttachWindows(&FStat, &FOptions, &FLogo, &FHelp);
    }

    QString status() const { return FMain->StatusBar->Text(3); }

    // Waits for the search, then identifies the meter as the detection tick does.
    bool identify()
    {
        if (!QTest::qWaitFor([this] { return FMain->link().DeviceFound(); }, 5000))
            return false;
        FMain->TimerDetektTimer();
        return QTest::qWaitFor([this] { return !FMain->StatusBar->Text(2).isEmpty() && !FMain->link().busy(); },
                               5000);
    }
};

}  // namespace velt::test
