#include "app/command_line.h"

#include "tools/sim/meter_simulator.h"

#include <QCommandLineParser>

#include <cstdio>

namespace velt {

bool ParseCommandLine(const QStringList &arguments, StartOptions &options, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("ВЕЛТ Монитор: live readings, logger, clock and memory cells of the VELT microclimate meter."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"port", "Serial device to search for the meter; repeat to give several, tried in order. "
                              "Without it the system's serial ports are searched, USB adapters first.",
                      "DEV"});
    parser.addOption({"simulate", "Start a simulated meter inside the program and search only its port."});
    sim::AddSimOptions(parser);

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet("help")) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        options.exitNow = true;
        return true;
    }
    if (parser.isSet("version")) {
        std::printf("velt-monitor %s\n", VELT_VERSION);
        options.exitNow = true;
        return true;
    }
    options.ports = parser.values("port");
    options.simulate = parser.isSet("simulate");
    return sim::ReadSimOptions(parser, options.sim, error);
}

namespace {

class SimulatedMeter final : public BuiltInMeter {
public:
    explicit SimulatedMeter(const sim::SimSetup &setup) : meter_(setup.model, setup.faults) {}
    bool start(QString *error)
    {
        std::string text;
        if (meter_.start(&text))
            return true;
        *error = QString::fromStdString(text);
        return false;
    }
    QString devicePath() const override { return QString::fromStdString(meter_.devicePath()); }

private:
    sim::MeterSimulator meter_;
};

}  // namespace

std::unique_ptr<BuiltInMeter> StartBuiltInMeter(const sim::SimSetup &setup, QString *error)
{
    auto meter = std::make_unique<SimulatedMeter>(setup);
    if (!meter->start(error))
        return nullptr;
    return meter;
}

}  // namespace velt
