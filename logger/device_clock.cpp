#include "logger/device_clock.h"

#include "link/commands.h"
#include "link/serial_link.h"

namespace velt {

ClockFields ClockFieldsOf(const QDateTime &moment)
{
    return {moment.time().hour(), moment.time().minute(), moment.date().day(), moment.date().month(),
            moment.date().year()};
}

std::array<std::uint8_t, 6> ClockMessage(const ClockFields &fields)
{
    const auto low = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };
    // The year's low byte plus 48, modulo 256: the year minus 2000 for the
    // years 2000 to 2255.
    const auto year = static_cast<std::uint8_t>((low(fields.year) + 48) % 256);
    return {CmdSetClock, low(fields.minute), low(fields.hour), low(fields.day), low(fields.month), year};
}

void SetMeterClock(SerialLink &link, const ClockFields &fields)
{
    for (std::uint8_t byte : ClockMessage(fields))
        link.SendCommand(byte);
}

}  // namespace velt
