#include "link/link_worker.h"

#include "link/link_thread.h"
#include "link/qt_serial_port.h"

#include <QDateTime>
#include <QTimer>

namespace velt {

namespace {
// A pass over ports that are all missing returns at once; without a pause
// the search would spin. Real probes take 440 ms a port, far above this.
constexpr qint64 kShortPassMs = 200;
constexpr int kPauseBetweenPassesMs = 250;
}  // namespace

LinkWorker::LinkWorker(LinkThread &owner, PortCandidates candidates,
                       std::function<std::unique_ptr<BytePort>()> portFactory)
    : owner_(owner), candidates_(std::move(candidates)), portFactory_(std::move(portFactory))
{
}

LinkWorker::~LinkWorker()
{
    if (link_)
        link_->ClosePort();
}

void LinkWorker::abort()
{
    if (link_)
        link_->Aborted.store(true);
}

void LinkWorker::init()
{
    port_ = portFactory_ ? portFactory_() : std::make_unique<QtSerialPort>();
    link_ = std::make_unique<SerialLink>(*port_);
    search_ = std::make_unique<MyThread>(*link_, candidates_);
}

void LinkWorker::startSearch()
{
    if (searching_)
        return;
    searching_ = true;
    passStartedMs_ = QDateTime::currentMSecsSinceEpoch();
    scheduleScan(false);
}

void LinkWorker::scheduleScan(bool pause)
{
    // Queued, so an exchange asked for meanwhile runs before the next probe.
    if (pause)
        QTimer::singleShot(kPauseBetweenPassesMs, this, &LinkWorker::scanStep);
    else
        QMetaObject::invokeMethod(this, &LinkWorker::scanStep, Qt::QueuedConnection);
}

void LinkWorker::scanStep()
{
    if (link_->Aborted.load())
        return;
    const MyThread::Step step = search_->Execute();
    if (step.answered) {
        {
            QMutexLocker lock(&owner_.mutex_);
            owner_.portName_ = link_->PortName;
        }
        emit owner_.searchStatus(step.statusText);
        searching_ = false;
        return;
    }
    if (link_->DeviceFound.load() == 1) {
        searching_ = false;
        return;
    }
    if (!step.statusText.isEmpty())
        emit owner_.searchStatus(step.statusText);

    bool pause = false;
    if (step.passEnded) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        pause = now - passStartedMs_ < kShortPassMs;
        passStartedMs_ = now;
    }
    scheduleScan(pause);
}

void LinkWorker::runJob(const std::function<void(SerialLink &)> &job) { job(*link_); }

}  // namespace velt
