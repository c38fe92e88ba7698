#pragma once

#include "link/exchange.h"
#include "link/identification.h"
#include "link/port_candidates.h"

#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QThread;

namespace velt {

class BytePort;
class LinkWorker;

using BytePortFactory = std::function<std::unique_ptr<BytePort>()>;

// The one thread that owns the serial port. The port search and every
// exchange with the meter run there, one at a time, in the order asked for;
// results come back to the GUI thread as callbacks and signals. An exchange
// asked for while the search scans waits for the probe in progress only.
class LinkThread : public QObject {
    Q_OBJECT
public:
    explicit LinkThread(PortCandidates candidates, BytePortFactory portFactory = {},
                        QObject *parent = nullptr);
    ~LinkThread() override;

    // Starts the port search; it scans until a port answers the probe.
    void StartSearch();
    bool DeviceFound() const;
    // The display name of the port that answered; empty before.
    QString PortName() const;

    // Runs a dialogue inside the exchange frame; done runs on the GUI thread.
    void Run(Dialogue dialogue, std::function<void(ExchangeResult)> done, bool probe = true);
    // The one-time identification: no probe, the search's probe has just been
    // answered. onType and done run on the GUI thread.
    void Identify(std::function<void(std::int8_t)> onType,
                  std::function<void(ExchangeResult, Identification)> done);

    bool busy() const { return pending_ > 0; }

signals:
    // A text for status panel 3 from the search.
    void searchStatus(const QString &text);
    // True while exchanges are queued or running.
    void busyChanged(bool busy);

private:
    friend class LinkWorker;
    void finishOne();

    QThread *thread_ = nullptr;
    LinkWorker *worker_ = nullptr;
    int pending_ = 0;
    mutable QMutex mutex_;
    QString portName_;
};

}  // namespace velt
