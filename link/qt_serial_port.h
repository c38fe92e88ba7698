#pragma once

#include "link/byte_port.h"

#include <memory>

class QSerialPort;

namespace velt {

// BytePort over QSerialPort. Create and use it on one thread only: the
// QSerialPort inside belongs to the thread that made it.
class QtSerialPort final : public BytePort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    OpenOutcome open(const QString &device) override;
    void close() override;
    bool isOpen() const override;
    bool isHealthy() const override;
    void write(std::uint8_t byte) override;
    std::optional<std::uint8_t> read(int timeoutMs) override;

private:
    std::unique_ptr<QSerialPort> port_;
    bool healthy_ = false;
};

}  // namespace velt
