#include "link/port_candidates.h"

#include "link/serial_link.h"

#include <QSerialPortInfo>

namespace velt {

PortCandidates FixedCandidates(const QStringList &devices)
{
    return [devices] { return devices.mid(0, SerialLink::kMaxPorts); };
}

QStringList OrderCandidates(const QList<ListedPort> &ports)
{
    QStringList ordered;
    for (bool usbPass : {true, false})
        for (const auto &port : ports)
            if (port.usb == usbPass)
                ordered << port.device;
    return ordered.mid(0, SerialLink::kMaxPorts);
}

PortCandidates SystemCandidates()
{
    return [] {
#ifdef Q_OS_WIN
        QStringList ports;
        for (int n = 1; n <= SerialLink::kMaxPorts; ++n)
            ports << QStringLiteral("COM%1").arg(n);
        return ports;
#else
        QList<ListedPort> listed;
        for (const auto &info : QSerialPortInfo::availablePorts()) {
            const QString name = info.portName();
            const bool usb = info.hasVendorIdentifier() || name.startsWith(QLatin1String("ttyUSB"))
                             || name.startsWith(QLatin1String("ttyACM"));
            listed.append({info.systemLocation(), usb});
        }
        return OrderCandidates(listed);
#endif
    };
}

}  // namespace velt
