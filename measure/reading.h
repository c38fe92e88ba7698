#pragma once

#include <cstdint>

namespace velt {

class SerialLink;

// The three measured words of one live reading, in tenths.
struct ReadingWords {
    std::uint16_t RH = 0;
    std::uint16_t ta = 0;
    std::uint16_t tg = 0;
};

// The live reading's dialogue: the readings command, then RH, ta and tg,
// each word echoed byte by byte. Throws MeterSilent.
ReadingWords ReadMeasurement(SerialLink &link);

}  // namespace velt
