#pragma once

#include <QStringList>

#include <functional>

namespace velt {

// Where the meter may be: port candidates 1..8. The search asks again on
// every pass, so a meter plugged in later is found.
using PortCandidates = std::function<QStringList()>;

// The devices named on the command line, always the same.
PortCandidates FixedCandidates(const QStringList &devices);

// COM1..COM8 on Windows; elsewhere the serial ports the system lists, USB
// adapters first.
PortCandidates SystemCandidates();

struct ListedPort {
    QString device;     // e.g. /dev/ttyUSB0
    bool usb = false;   // a USB adapter (ttyUSB, ttyACM or a USB vendor id)
};

// The order of the system listing: USB adapters first, each group kept in
// the order listed, at most eight.
QStringList OrderCandidates(const QList<ListedPort> &ports);

}  // namespace velt
