#include "logger/download_progress_text.h"

#include "logger/logger_download.h"

#include <algorithm>

namespace velt {

QString DurationText(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, (milliseconds + 500) / 1000);
    const qint64 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3").arg(h).arg(m, 2, 10, QLatin1Char('0')).arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

QString DownloadProgressText(int records, qint64 elapsedMs)
{
    QString text = QStringLiteral("Записей: %1, прошло %2").arg(records).arg(DurationText(elapsedMs));
    if (records > 0)
        text += QStringLiteral(", осталось не более %1")
                    .arg(DurationText(elapsedMs * (kMaxLoggerRecords - records) / records));
    return text;
}

}  // namespace velt
