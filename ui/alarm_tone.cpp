#include "ui/alarm_tone.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <cmath>
#include <numbers>

namespace velt {

namespace {
constexpr int kSampleRate = 8000;
constexpr int kFrequency = 1000;
constexpr int kDurationMs = 500;
}  // namespace

AlarmTone::AlarmTone(QObject *parent) : QObject(parent)
{
    const int count = kSampleRate * kDurationMs / 1000;
    samples_.resize(count * static_cast<int>(sizeof(qint16)));
    auto *out = reinterpret_cast<qint16 *>(samples_.data());
    for (int i = 0; i < count; ++i)
        out[i] = static_cast<qint16>(12000 * std::sin(2 * std::numbers::pi * kFrequency * i / kSampleRate));
}

AlarmTone::~AlarmTone()
{
    if (sink_)
        sink_->stop();
}

void AlarmTone::Beep()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const bool audible = !device.isNull();
    emit requested(audible);
    if (!audible)
        return;
    ++queued_;
    if (!playing_)
        playNext();
}

void AlarmTone::playNext()
{
    if (sink_) {
        // The finished sink must not report anything more.
        disconnect(sink_.get(), nullptr, this, nullptr);
        sink_->stop();
        sink_.reset();
    }
    if (queued_ == 0) {
        playing_ = false;
        return;
    }
    --queued_;
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    buffer_ = std::make_unique<QBuffer>(&samples_);
    buffer_->open(QIODevice::ReadOnly);
    connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            // Let the sink finish its own handler before it goes.
            QMetaObject::invokeMethod(this, &AlarmTone::playNext, Qt::QueuedConnection);
        }
    });
    playing_ = true;
    sink_->start(buffer_.get());
    // Without a working output the sink stops at once and says nothing more.
    if (sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        queued_ = 0;
        playing_ = false;
    }
}

}  // namespace velt
