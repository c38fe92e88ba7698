#include "ui/download_progress.h"

#include "logger/logger_download.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace velt {

QString DurationText(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, (milliseconds + 500) / 1000);
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

DownloadProgress::DownloadProgress(QWidget *parent) : QWidget(parent)
{
    bar_ = new QProgressBar(this);
    bar_->setRange(0, kMaxLoggerRecords);
    bar_->setTextVisible(false);
    bar_->setMaximumWidth(120);
    label_ = new QLabel(this);
    ButtonCancel = new QPushButton(QStringLiteral("Отмена"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(ButtonCancel, &QPushButton::clicked, this, &DownloadProgress::cancelRequested);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addWidget(label_);
    layout->addWidget(ButtonCancel);
    hide();
}

void DownloadProgress::Start()
{
    elapsed_.start();
    ButtonCancel->setEnabled(true);
    Update(0);
    show();
}

void DownloadProgress::Update(int records)
{
    bar_->setValue(records);
    const qint64 spent = elapsed_.elapsed();
    // The logger's end is known only when it comes: the estimate runs to the
    // last address, so it is an upper bound.
    QString text = QStringLiteral("Записей: %1, прошло %2").arg(records).arg(DurationText(spent));
    if (records > 0)
        text += QStringLiteral(", осталось не более %1")
                    .arg(DurationText(spent * (kMaxLoggerRecords - records) / records));
    label_->setText(text);
}

void DownloadProgress::Finish() { hide(); }

QString DownloadProgress::text() const { return label_->text(); }

}  // namespace velt
