#include "measure/alarm.h"

#include <cmath>

namespace velt {

std::optional<double> ParseLimit(const QString &text)
{
    QString normalised = text.trimmed();
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = normalised.toDouble(&ok);
    if (!ok || normalised.isEmpty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

LimitState CheckLimits(float value, const QString &minimumText, const QString &maximumText)
{
    const auto minimum = ParseLimit(minimumText);
    const auto maximum = ParseLimit(maximumText);
    if (!minimum || !maximum)
        return LimitState::NotANumber;
    if (value >= *maximum)
        return LimitState::Reached;
    if (value <= *minimum)
        return LimitState::Reached;
    return LimitState::Within;
}

}  // namespace velt
