#pragma once

#include <QString>

namespace velt {

// "1:05" for 65 seconds; hours when there are any.
QString DurationText(qint64 milliseconds);

// "Записей: 57, прошло 0:05, осталось не более 4:20". The logger's end is
// known only when it comes, so the estimate runs to the last address and is
// an upper bound.
QString DownloadProgressText(int records, qint64 elapsedMs);

}  // namespace velt
