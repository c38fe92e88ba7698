#pragma once

#include "link/qt_serial_port.h"
#include "link/serial_link.h"
#include "tools/sim/meter_simulator.h"

#include <QString>

#include <memory>

namespace velt::test {

// A meter whose logger holds count records, minutesPerRecord apart (0: all
// in one hour), the clock jumping two hours after record breakAfter.
inline sim::MeterModel LoggerModel(int count, int minutesPerRecord, int breakAfter = -1)
{
    sim::MeterModel model;
    model.logger.count = count;
    model.logger.minutesPerRecord = minutesPerRecord;
    model.logger.breakAfter = breakAfter;
    return model;
}

// A simulated meter on a pseudo-terminal and a link whose port 1 is it, as
// after a successful search.
struct MeterFixture {
    std::unique_ptr<sim::MeterSimulator> meter;
    QtSerialPort port;
    SerialLink link{port};

    explicit MeterFixture(sim::MeterModel model = {}, sim::LineFaults faults = {})
        : meter(std::make_unique<sim::MeterSimulator>(std::move(model), faults))
    {
        if (meter->start()) {
            link.setCandidates({path()});
            link.PortIndex = 1;
        }
    }
    bool started() const { return !meter->devicePath().empty(); }
    QString path() const { return QString::fromStdString(meter->devicePath()); }
};

}  // namespace velt::test
