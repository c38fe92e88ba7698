#include "link/link_thread.h"

#include "link/link_worker.h"

#include <QThread>

namespace velt {

LinkThread::LinkThread(PortCandidates candidates, BytePortFactory portFactory, QObject *parent)
    : QObject(parent)
{
    thread_ = new QThread(this);
    thread_->setObjectName(QStringLiteral("velt-link"));
    worker_ = new LinkWorker(*this, std::move(candidates), std::move(portFactory));
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::started, worker_, &LinkWorker::init);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
}

LinkThread::~LinkThread()
{
    worker_->abort();
    thread_->quit();
    thread_->wait();
}

void LinkThread::StartSearch()
{
    QMetaObject::invokeMethod(worker_, &LinkWorker::startSearch, Qt::QueuedConnection);
}

bool LinkThread::DeviceFound() const
{
    QMutexLocker lock(&mutex_);
    return !portName_.isEmpty();
}

QString LinkThread::PortName() const
{
    QMutexLocker lock(&mutex_);
    return portName_;
}

void LinkThread::finishOne()
{
    if (--pending_ == 0)
        emit busyChanged(false);
}

void LinkThread::Run(Dialogue dialogue, std::function<void(ExchangeResult)> done, bool probe)
{
    if (pending_++ == 0)
        emit busyChanged(true);
    auto job = [this, dialogue = std::move(dialogue), done = std::move(done), probe](SerialLink &link) {
        const ExchangeResult result = RunExchange(link, dialogue, probe);
        QMetaObject::invokeMethod(
            this,
            [this, done, result] {
                if (done)
                    done(result);
                finishOne();
            },
            Qt::QueuedConnection);
    };
    QMetaObject::invokeMethod(worker_, [worker = worker_, job] { worker->runJob(job); },
                              Qt::QueuedConnection);
}

void LinkThread::Identify(std::function<void(std::int8_t)> onType,
                          std::function<void(ExchangeResult, Identification)> done)
{
    auto id = std::make_shared<Identification>();
    Run(
        [this, id, onType](SerialLink &link) {
            *id = IdentifyMeter(link, [this, onType](std::int8_t type) {
                QMetaObject::invokeMethod(this, [onType, type] { if (onType) onType(type); },
                                          Qt::QueuedConnection);
            });
        },
        [id, done](ExchangeResult result) {
            if (done)
                done(result, *id);
        },
        false);
}

}  // namespace velt
