#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace velt {

class SerialLink;

// The meter's answer to the type query and, for type 65, the sub-type query.
// Both are signed 8-bit fields, so codes 128..255 read as -128..-1.
struct Identification {
    std::int8_t DeviceType = 0;
    std::optional<std::int8_t> DeviceSubType;
};

// Asks the meter for its type, and for type 65 its sub-type, on a port that
// the search has just seen answering: no probe is sent. onType sees the type
// before the sub-type is asked for. Throws MeterSilent.
Identification IdentifyMeter(SerialLink &link, const std::function<void(std::int8_t)> &onType = {});

// What the status bar shows for an identification.
struct IdentificationView {
    std::optional<QString> modelText;  // panel 1; unchanged when empty
    QString typeText;                  // panel 2
    bool supported = false;            // Start and the alarm check boxes enabled
};

QString TypeCodeText(std::int8_t deviceType);
IdentificationView ViewOf(const Identification &id);

}  // namespace velt
