#pragma once

#include <cstdint>

namespace velt {

// Command bytes of the meter's protocol. Every exchange but the
// identification starts with CmdProbe in the same opening of the port.
inline constexpr std::uint8_t CmdProbe = 0x37;         // reply byte is the whole answer
inline constexpr std::uint8_t CmdDeviceType = 0xA7;    // ack; 1 data byte
inline constexpr std::uint8_t CmdSubType = 0xAB;       // ack; 1 data byte (type 65 only)
inline constexpr std::uint8_t CmdReadings = 0xA3;      // ack; 3 words RH, ta, tg
inline constexpr std::uint8_t CmdLoggerRecord = 0xAD;  // ack; 2 address bytes acked; 16 data bytes
inline constexpr std::uint8_t CmdSetClock = 0xAF;      // ack; 5 clock bytes acked
inline constexpr std::uint8_t CmdReadMemory = 0x05;    // ack; 2 address bytes acked; 1 word

}  // namespace velt
