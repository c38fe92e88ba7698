#pragma once

#include <QString>
#include <QTime>

#include <optional>

namespace velt {

// The time of day in a schedule edit ("14:05", " 9:05", "09:05"; the
// editor's "_" for a missing digit counts as a blank). Empty or incomplete
// texts and impossible times give nothing.
std::optional<QTime> ScheduleTime(const QString &text);

// Whether the clock stands in the minute that a schedule edit names. Hours
// and minutes are compared as numbers, so 9:05 matches as 14:05 does,
// whatever the regional time format.
bool ScheduleMatches(const QTime &now, const QString &text);

}  // namespace velt
