#pragma once

#include "link/qt_serial_port.h"

#include <QElapsedTimer>

#include <atomic>

namespace velt::test {

// The real serial port, counting read attempts and how long the slowest
// empty one took.
class CountingPort final : public BytePort {
public:
    OpenOutcome open(const QString &device) override { return port_.open(device); }
    void close() override { port_.close(); }
    bool isOpen() const override { return port_.isOpen(); }
    bool isHealthy() const override { return port_.isHealthy(); }
    void write(std::uint8_t byte) override
    {
        ++writes;
        port_.write(byte);
    }
    std::optional<std::uint8_t> read(int timeoutMs) override
    {
        ++readAttempts;
        QElapsedTimer timer;
        timer.start();
        const auto byte = port_.read(timeoutMs);
        if (!byte)
            longestEmptyReadMs = std::max<qint64>(longestEmptyReadMs, timer.elapsed());
        return byte;
    }

    std::atomic<int> readAttempts{0};
    std::atomic<int> writes{0};
    std::atomic<qint64> longestEmptyReadMs{0};

private:
    QtSerialPort port_;
};

}  // namespace velt::test
