#pragma once

#include <QByteArray>
#include <QObject>

#include <memory>

class QAudioSink;
class QBuffer;

namespace velt {

// The limit alarm: a 1000 Hz tone of 500 ms. Tones asked for while one
// sounds follow one after another. Where the machine has no audio output
// the tone is skipped quietly; the request is still reported.
class AlarmTone : public QObject {
    Q_OBJECT
public:
    explicit AlarmTone(QObject *parent = nullptr);
    ~AlarmTone() override;

    void Beep();
    int queued() const { return queued_; }

signals:
    // Every request, audible or not.
    void requested(bool audible);

private:
    void playNext();

    QByteArray samples_;
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    int queued_ = 0;
    bool playing_ = false;
};

}  // namespace velt
