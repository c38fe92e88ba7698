#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

namespace velt {

class SerialLink;

inline const QString kTextClockWriting = QStringLiteral("Запись времяни и даты ...");
inline const QString kTextClockDone = QStringLiteral("Запись времяни и даты завершена");

// The five clock fields: hour, minute, day, month, four-digit year.
struct ClockFields {
    int hour = 0, minute = 0, day = 1, month = 1, year = 2009;
};

// The fields for a moment of the workstation's clock; seconds are dropped.
ClockFields ClockFieldsOf(const QDateTime &moment);

// The six bytes of the clock-setting message: 0xAF, minute, hour, day, month,
// year - 2000, each the low eight bits of its value.
std::array<std::uint8_t, 6> ClockMessage(const ClockFields &fields);

// Sends the message, each byte acknowledged. Throws MeterSilent.
void SetMeterClock(SerialLink &link, const ClockFields &fields);

}  // namespace velt
