#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace velt {

// Outcome of opening a serial device. The link itself never reports errors
// to the user; callers turn an outcome into a status text.
enum class OpenOutcome {
    Opened,
    Missing,       // no such device
    NoPermission,  // the device exists but this user may not open it
    Busy,          // held by another program
    Failed,
};

// One serial device seen one byte at a time. The real implementation sits on
// QSerialPort; tests may wrap it to count read attempts.
class BytePort {
public:
    virtual ~BytePort() = default;

    // Opens exclusively at 9600 baud, 8 data bits, no parity, one stop bit.
    virtual OpenOutcome open(const QString &device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // False once the device has gone away under an open port (cable pulled).
    virtual bool isHealthy() const = 0;

    virtual void write(std::uint8_t byte) = 0;
    // One read attempt: a byte, or nothing after at most timeoutMs.
    // On a port that is not open it returns nothing at once.
    virtual std::optional<std::uint8_t> read(int timeoutMs) = 0;
};

}  // namespace velt
