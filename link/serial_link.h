#pragma once

#include "link/byte_port.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace velt {

// Thrown inside a dialogue when the meter, after answering the probe, stays
// silent for longer than SerialLink::kSilenceLimitMs. The exchange that
// catches it closes the port and keeps what it had already received.
class MeterSilent : public std::runtime_error {
public:
    MeterSilent() : std::runtime_error("the meter stopped answering") {}
};

// The byte link to the meter: the port state shared by the search and every
// exchange, and the dialogue primitives all exchanges are built from. Port
// numbers 1..8 name the entries of the candidate list.
class SerialLink {
public:
    static constexpr int kReadTimeoutMs = 40;     // one read attempt of one byte
    static constexpr int kProbeAttempts = 11;     // empty attempts before "no answer"
    static constexpr int kSilenceLimitMs = 2000;  // longest silence inside a dialogue
    static constexpr int kMaxPorts = 8;

    explicit SerialLink(BytePort &port);

    // Port state.
    std::int8_t PortIndex = 0;
    QString PortName = QStringLiteral("COM*");
    std::atomic<std::uint8_t> DeviceFound{0};
    std::uint8_t TxByte = 0;
    std::uint8_t RxByte = 0;
    std::uint32_t BytesRead = 0;
    // Set when the program ends: a dialogue still waiting gives up at once.
    std::atomic<bool> Aborted{false};

    void setCandidates(const QStringList &devices);
    const QStringList &candidates() const { return candidates_; }
    // The device behind port number n (1-based), or empty when there is none.
    QString deviceOf(int portNumber) const;
    // The device opened last, the counterpart of a port handle.
    const QString &PortHandle() const { return openDevice_; }

    OpenOutcome OpenPort(int portNumber);
    void ClosePort();
    void SendByte(std::uint8_t byte);
    bool PollByte();
    std::uint8_t WaitByte();
    std::uint8_t SendCommand(std::uint8_t byte);
    std::uint8_t ReceiveEchoed();
    std::uint16_t ReadWord();
    bool ProbeDevice();

private:
    BytePort &port_;
    QStringList candidates_;
    QString openDevice_;
};

// The name shown for a device in status panel 0: COM3 on Windows, the device
// file's own name elsewhere (ttyUSB0, pts/4).
QString PortDisplayName(const QString &device);

}  // namespace velt
