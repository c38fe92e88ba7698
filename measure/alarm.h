#pragma once

#include <QString>

#include <optional>

namespace velt {

// A limit typed into the settings window: a number with "," or "." as the
// decimal separator, blanks around it allowed. Anything else is no limit.
std::optional<double> ParseLimit(const QString &text);

enum class LimitState {
    Within,
    Reached,
    NotANumber,  // one of the two limit texts is not a number: never sounds
};

// A value reaches its limits when it is at or above the maximum, or else at
// or below the minimum. The value is the unrounded measured quantity.
LimitState CheckLimits(float value, const QString &minimumText, const QString &maximumText);

}  // namespace velt
