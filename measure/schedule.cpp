#include "measure/schedule.h"

#include <QRegularExpression>

namespace velt {

std::optional<QTime> ScheduleTime(const QString &text)
{
    QString cleaned = text;
    cleaned.replace(QLatin1Char('_'), QLatin1Char(' '));
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,2})\\s*:\\s*(\\d{2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(cleaned);
    if (!match.hasMatch())
        return std::nullopt;
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

bool ScheduleMatches(const QTime &now, const QString &text)
{
    const auto time = ScheduleTime(text);
    return time && time->hour() == now.hour() && time->minute() == now.minute();
}

}  // namespace velt
