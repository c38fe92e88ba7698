#pragma once

#include "tools/sim/sim_options.h"

#include <QStringList>

#include <memory>

namespace velt {

struct StartOptions {
    QStringList ports;   // --port DEV, in the order given
    bool simulate = false;
    sim::SimSetup sim;   // the built-in meter's setup, with --simulate
    bool exitNow = false;  // --help or --version was answered
};

// Reads the program's command line; false with an error text on a usage error.
bool ParseCommandLine(const QStringList &arguments, StartOptions &options, QString *error);

// The simulated meter that --simulate starts inside the program.
class BuiltInMeter {
public:
    virtual ~BuiltInMeter() = default;
    virtual QString devicePath() const = 0;
};

std::unique_ptr<BuiltInMeter> StartBuiltInMeter(const sim::SimSetup &setup, QString *error);

}  // namespace velt
