// ВЕЛТ Монитор: the desktop companion program of the VELT microclimate meter.

#include "app/command_line.h"
#include "ui/form_help.h"
#include "ui/form_logo.h"
#include "ui/form_main.h"
#include "ui/form_options.h"
#include "ui/form_stat.h"
#include "ui/window_toggle.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velt-monitor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELT_VERSION));

    velt::StartOptions start;
    QString error;
    if (!velt::ParseCommandLine(app.arguments(), start, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    if (start.exitNow)
        return 0;

    try {
        std::unique_ptr<velt::BuiltInMeter> meter;
        velt::MainOptions options;
        if (start.simulate) {
            meter = velt::StartBuiltInMeter(start.sim, &error);
            if (!meter) {
                QMessageBox::critical(nullptr, velt::kApplicationTitle, error);
                return 1;
            }
            options.candidates = velt::FixedCandidates({meter->devicePath()});
        } else if (!start.ports.isEmpty()) {
            options.candidates = velt::FixedCandidates(start.ports);
        } else {
            options.candidates = velt::SystemCandidates();
        }

        // The five windows, in this order; all but the main one start hidden
        // and live until the program ends.
        velt::TFMain FMain(options);
        velt::TFStat FStat;
        velt::TFOptions FOptions;
        velt::TFLogo FLogo;
        velt::TFHelp FHelp;
        FMain.AttachWindows(&FStat, &FOptions, &FLogo, &FHelp);
        FMain.adjustSize();
        velt::CentreOnScreen(&FMain);
        FMain.show();
        return app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, velt::kApplicationTitle, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, velt::kApplicationTitle, QString());
    }
    return 0;
}
