#include "ui/download_progress.h"

#include "logger/download_progress_text.h"
#include "logger/logger_download.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace velt {

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
    label_->setText(DownloadProgressText(records, elapsed_.elapsed()));
}

void DownloadProgress::Finish() { hide(); }

QString DownloadProgress::text() const { return label_->text(); }

}  // namespace velt
