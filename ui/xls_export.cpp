#include "ui/xls_export.h"

#include "reports/measurement_protocol.h"
#include "reports/xlsx_book.h"
#include "ui/chart_view.h"
#include "ui/form_main.h"
#include "ui/live_page.h"
#include "ui/status_panels.h"
#include "ui/string_grid.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QUrl>

namespace velt {

namespace {

ProtocolData liveProtocol(const LivePage &live)
{
    const QList<SeriesRef> series = live.seriesInColumnOrder();
    const SeriesRef &first = series.first();
    QStringList labels;
    for (int i = 0; i < first.chart->Count(first.index); ++i)
        labels << first.chart->Label(first.index, i);
    QVector<QVector<double>> values;
    for (const SeriesRef &s : series) {
        QVector<double> ys;
        for (int i = 0; i < s.chart->Count(s.index); ++i)
            ys << s.chart->YValue(s.index, i);
        values << ys;
    }
    return ProtocolFromSeries(labels, values);
}

}  // namespace

QString ProtocolFilePath(const QString &folder, const QDateTime &moment)
{
    const QString stem =
        QStringLiteral("Протокол измерений микроклимата %1").arg(moment.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1 (%2).xlsx").arg(stem).arg(n));
    return path;
}

QString XlsExport(TFMain &form)
{
    const bool livePage = form.PageControl->currentIndex() == 0;
    const ProtocolData data = livePage ? liveProtocol(*form.TabSheet1) : ProtocolFromTable(form.StringGridL->grid().Rows());

    XlsxBook book;
    WriteProtocol(book, data);

    const MainOptions &options = form.options();
    QString folder = options.documentsDir;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(folder);
    const QString path = ProtocolFilePath(folder, QDateTime::currentDateTime());
    QString reason;
    if (!book.Save(path, &reason)) {
        const QString text = QStringLiteral("Ошибка записи книги %1!\n%2").arg(QDir::toNativeSeparators(path), reason);
        if (options.reportError)
            options.reportError(text);
        else
            QMessageBox::critical(&form, QStringLiteral("Ошибка"), text);
        return {};
    }

    form.StatusBar->SetText(3, QStringLiteral("Протокол записан: %1").arg(QDir::toNativeSeparators(path)));
    const bool opened = options.openFile ? options.openFile(path)
                                         : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened) {
        const QString text = QStringLiteral("Книга записана в файл %1.\nПрограмма для открытия таблиц не найдена.")
                                 .arg(QDir::toNativeSeparators(path));
        if (options.reportError)
            options.reportError(text);
        else
            QMessageBox::information(&form, kApplicationTitle, text);
    }
    return path;
}

}  // namespace velt
