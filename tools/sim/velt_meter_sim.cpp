// velt-meter-sim: a simulated microclimate meter on a pseudo-terminal.
// Prints the device path, then answers until interrupted; every departure of
// the host from the protocol's acknowledgement and echo discipline is
// reported on standard error.

#include "tools/sim/meter_simulator.h"
#include "tools/sim/sim_options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <thread>

namespace {
volatile std::sig_atomic_t g_stop = 0;
void onSignal(int) { g_stop = 1; }
}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velt-meter-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated VELT microclimate meter on a pseudo-terminal."));
    parser.addHelpOption();
    velt::sim::AddSimOptions(parser);
    parser.process(app);

    velt::sim::SimSetup setup;
    QString error;
    if (!velt::sim::ReadSimOptions(parser, setup, &error)) {
        std::cerr << error.toStdString() << "\n";
        return 2;
    }

    velt::sim::MeterSimulator meter(setup.model, setup.faults);
    std::string openError;
    if (!meter.start(&openError)) {
        std::cerr << openError << "\n";
        return 1;
    }
    std::cout << meter.devicePath() << std::endl;

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::size_t reported = 0;
    while (!g_stop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto violations = meter.violations();
        for (; reported < violations.size(); ++reported)
            std::cerr << "protocol violation: " << violations[reported] << std::endl;
    }
    meter.stop();
    return 0;
}
