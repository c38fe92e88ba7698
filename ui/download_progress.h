#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace velt {

// The status bar's view of a logger download: records read, time elapsed,
// at most how long it may still take, and "Отмена". Hidden otherwise.
class DownloadProgress : public QWidget {
    Q_OBJECT
public:
    explicit DownloadProgress(QWidget *parent = nullptr);

    void Start();
    void Update(int records);
    void Finish();

    QPushButton *ButtonCancel = nullptr;
    QString text() const;

signals:
    void cancelRequested();

private:
    QProgressBar *bar_ = nullptr;
    QLabel *label_ = nullptr;
    QElapsedTimer elapsed_;
};

}  // namespace velt
