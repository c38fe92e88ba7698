// The main window's logger download and the logger chart's quantity.

#include "link/post.h"
#include "logger/logger_download.h"
#include "ui/chart_view.h"
#include "ui/download_progress.h"
#include "ui/form_main.h"
#include "ui/logger_page.h"
#include "ui/status_panels.h"
#include "ui/string_grid.h"

#include <QComboBox>
#include <QPushButton>

#include <atomic>
#include <memory>

namespace velt {

namespace {

// The four logger curves: quantity and the colour its points are drawn in.
struct LoggerCurve {
    int series;
    QColor colour;
};
const LoggerCurve kCurves[4] = {{0, QColor(255, 0, 0)},      // Series1: THC
                                {1, QColor(0, 255, 0)},      // Series2: RH
                                {2, QColor(255, 255, 0)},    // Series3: ta
                                {3, QColor(0, 255, 255)}};   // Series4: tg'

}  // namespace

void TFMain::ComboBoxZChange(int index)
{
    if (index < 0 || index > 3)
        return;
    for (int series = 0; series < 4; ++series)
        ChartValue->SetActive(series, series == index);
    ChartValue->Refresh();
}

void TFMain::addLoggerRecord(const LoggerRecord &record)
{
    const MeasurementRecord row = LoggerRow(record);
    const int r = StringGridL->RowCount() - 1;
    StringGridL->grid().SetRow(r, row.cells());
    const QString label = QString::number(record.address);
    const float values[4] = {row.derived.THC, row.RH, row.ta, row.derived.tgPrime};
    for (int i = 0; i < 4; ++i)
        ChartValue->AddXY(kCurves[i].series, record.address, RoundToTenth(values[i]), label);
    StringGridL->SetRowCount(r + 2);
    ChartValue->FitXTo(0);
    ChartValue->Refresh();
    Progress->Update(r);
}

void TFMain::ButtonZagruzitClick()
{
    // Each download starts afresh, so that every row and point belongs to
    // this download and each point's time label to its own record.
    StringGridL->SetRowCount(1);
    StringGridL->SetRowCount(2);
    for (const LoggerCurve &curve : kCurves) {
        ChartValue->Clear(curve.series);
        ChartValue->SetColour(curve.series, curve.colour);
    }
    ChartValue->Refresh();

    ButtonZagruzit->setText(kCaptionDownloading);
    downloadCancel_ = std::make_shared<std::atomic<bool>>(false);
    Progress->Start();
    auto cancel = downloadCancel_;
    auto end = std::make_shared<DownloadEnd>(DownloadEnd::LastAddress);
    link_->Run(
        [this, cancel, end](SerialLink &link) {
            *end = DownloadLogger(link, *cancel, [this](const LoggerRecord &record) {
                PostTo(this, [this, record] { addLoggerRecord(record); });
            });
        },
        [this, end](ExchangeResult result) {
            Progress->Finish();
            ButtonZagruzit->setText(kCaptionDownload);
            if (!result.ok())
                StatusBar->SetText(3, result.statusText);
            else if (*end == DownloadEnd::Cancelled)
                StatusBar->SetText(3, QStringLiteral("Загрузка отменена, записей: %1")
                                          .arg(StringGridL->RowCount() - 2));
        });
}

void TFMain::CancelDownload()
{
    if (downloadCancel_)
        downloadCancel_->store(true);
    Progress->ButtonCancel->setEnabled(false);
}

}  // namespace velt
