#include "link/qt_serial_port.h"

#include "link/low_latency.h"

#include <QFile>
#include <QSerialPort>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velt {

namespace {

// QSerialPort reports a lock held by another program and a device this user
// may not open with the same PermissionError; the file's access bits tell
// them apart.
OpenOutcome classifyPermissionError(const QString &device)
{
#ifdef Q_OS_UNIX
    const QByteArray path = QFile::encodeName(device.startsWith('/') ? device : "/dev/" + device);
    if (::access(path.constData(), R_OK | W_OK) != 0)
        return OpenOutcome::NoPermission;
    return OpenOutcome::Busy;
#else
    Q_UNUSED(device);
    return OpenOutcome::Busy;
#endif
}

}  // namespace

QtSerialPort::QtSerialPort() : port_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() = default;

OpenOutcome QtSerialPort::open(const QString &device)
{
    close();
    port_->setPortName(device);
    // Only the four line settings are ours; flow control stays off as the
    // meter has no handshake lines.
    port_->setBaudRate(QSerialPort::Baud9600);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    if (!port_->open(QIODevice::ReadWrite)) {
        const auto error = port_->error();
        port_->clearError();
        switch (error) {
        case QSerialPort::DeviceNotFoundError: return OpenOutcome::Missing;
        case QSerialPort::PermissionError: return classifyPermissionError(device);
        default: return OpenOutcome::Failed;
        }
    }
    // Bytes left over from an exchange that was given up belong to nobody.
    port_->clear(QSerialPort::AllDirections);
    RequestLowLatency(port_->handle());
    healthy_ = true;
    return OpenOutcome::Opened;
}

void QtSerialPort::close()
{
    if (port_->isOpen())
        port_->close();
    port_->clearError();
    healthy_ = false;
}

bool QtSerialPort::isOpen() const { return port_->isOpen(); }

bool QtSerialPort::isHealthy() const { return port_->isOpen() && healthy_; }

void QtSerialPort::write(std::uint8_t byte)
{
    if (!isHealthy())
        return;
    const char c = static_cast<char>(byte);
    port_->write(&c, 1);
    port_->waitForBytesWritten(100);
    if (port_->error() == QSerialPort::ResourceError)
        healthy_ = false;
    port_->clearError();
}

std::optional<std::uint8_t> QtSerialPort::read(int timeoutMs)
{
    if (!isHealthy())
        return std::nullopt;
    if (port_->bytesAvailable() == 0) {
        port_->waitForReadyRead(timeoutMs);
        // A silent port ends the wait with TimeoutError, which would make the
        // next attempt fail at once unless it is cleared.
        if (port_->error() == QSerialPort::ResourceError)
            healthy_ = false;
        port_->clearError();
    }
    char c = 0;
    if (port_->bytesAvailable() > 0 && port_->getChar(&c))
        return static_cast<std::uint8_t>(c);
    return std::nullopt;
}

}  // namespace velt
