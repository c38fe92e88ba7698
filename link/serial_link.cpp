#include "link/serial_link.h"

#include "link/commands.h"

#include <QElapsedTimer>

namespace velt {

SerialLink::SerialLink(BytePort &port) : port_(port) {}

void SerialLink::setCandidates(const QStringList &devices)
{
    candidates_ = devices.mid(0, kMaxPorts);
}

QString SerialLink::deviceOf(int portNumber) const
{
    if (portNumber < 1 || portNumber > candidates_.size())
        return {};
    return candidates_.at(portNumber - 1);
}

OpenOutcome SerialLink::OpenPort(int portNumber)
{
    port_.close();
    openDevice_ = deviceOf(portNumber);
    if (openDevice_.isEmpty())
        return OpenOutcome::Missing;
    return port_.open(openDevice_);
}

void SerialLink::ClosePort() { port_.close(); }

void SerialLink::SendByte(std::uint8_t byte)
{
    TxByte = byte;
    port_.write(TxByte);
}

bool SerialLink::PollByte()
{
    const auto byte = port_.read(kReadTimeoutMs);
    BytesRead = byte ? 1 : 0;
    if (byte)
        RxByte = *byte;
    return BytesRead != 0;
}

std::uint8_t SerialLink::WaitByte()
{
    BytesRead = 0;
    QElapsedTimer silence;
    silence.start();
    while (!PollByte()) {
        if (!port_.isHealthy() || Aborted.load() || silence.elapsed() >= kSilenceLimitMs)
            throw MeterSilent();
    }
    return RxByte;
}

std::uint8_t SerialLink::SendCommand(std::uint8_t byte)
{
    SendByte(byte);
    return WaitByte();
}

std::uint8_t SerialLink::ReceiveEchoed()
{
    const std::uint8_t byte = WaitByte();
    SendByte(byte);
    return byte;
}

std::uint16_t SerialLink::ReadWord()
{
    const std::uint16_t high = ReceiveEchoed();
    const std::uint16_t low = ReceiveEchoed();
    return static_cast<std::uint16_t>(high * 256 + low);
}

bool SerialLink::ProbeDevice()
{
    SendByte(CmdProbe);
    BytesRead = 0;
    int emptyAttempts = 0;
    while (BytesRead == 0) {
        PollByte();
        if (BytesRead == 0 && ++emptyAttempts > kProbeAttempts - 1)
            break;
    }
    return BytesRead != 0;
}

QString PortDisplayName(const QString &device)
{
    if (device.startsWith(QLatin1String("/dev/")))
        return device.mid(5);
    return device;
}

}  // namespace velt
