#pragma once

#include "link/byte_port.h"
#include "link/port_candidates.h"
#include "link/rcp_thread.h"
#include "link/serial_link.h"

#include <QObject>

#include <functional>
#include <memory>

namespace velt {

class LinkThread;

// Lives on the link thread. Owns the port, the link state and the search.
class LinkWorker : public QObject {
    Q_OBJECT
public:
    LinkWorker(LinkThread &owner, PortCandidates candidates,
               std::function<std::unique_ptr<BytePort>()> portFactory);
    ~LinkWorker() override;

    SerialLink &link() { return *link_; }

    // Called from the GUI thread to make a waiting dialogue give up.
    void abort();

public slots:
    void init();
    void startSearch();
    void runJob(const std::function<void(SerialLink &)> &job);

private:
    void scanStep();
    void scheduleScan(bool pause);

    LinkThread &owner_;
    PortCandidates candidates_;
    std::function<std::unique_ptr<BytePort>()> portFactory_;
    std::unique_ptr<BytePort> port_;
    std::unique_ptr<SerialLink> link_;
    std::unique_ptr<MyThread> search_;
    bool searching_ = false;
    qint64 passStartedMs_ = 0;
};

}  // namespace velt
