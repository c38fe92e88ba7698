#pragma once

#include "tools/sim/meter_model.h"
#include "tools/sim/meter_simulator.h"

class QCommandLineParser;
class QString;

namespace velt::sim {

struct SimSetup {
    MeterModel model;
    LineFaults faults;
};

// The simulator's command-line options, shared by velt-meter-sim and the
// program's built-in simulator.
void AddSimOptions(QCommandLineParser &parser);
bool ReadSimOptions(const QCommandLineParser &parser, SimSetup &setup, QString *error);

}  // namespace velt::sim
