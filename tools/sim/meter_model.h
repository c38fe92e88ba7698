#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace velt::sim {

// RH, ta and tg as the meter sends them: unsigned words in tenths.
struct ReadingWords {
    std::uint16_t rh = 0;
    std::uint16_t ta = 0;
    std::uint16_t tg = 0;
};

// The logger's contents: `count` records stamped from a start time on, one
// every `minutesPerRecord` minutes (0: all in the same minute, so all hours
// are equal). After record `breakAfter` the clock jumps two hours ahead,
// which ends a download there. Addresses past the last record read as erased
// memory (all bytes 0xFF).
struct LoggerSpec {
    int count = 0;
    int minutesPerRecord = 1;
    int breakAfter = -1;
    int startYear = 2017, startMonth = 3, startDay = 9, startHour = 8, startMinute = 0;
};

using LoggerRecordBytes = std::array<std::uint8_t, 16>;

// What the simulated meter knows, apart from the line.
class MeterModel {
public:
    std::uint8_t typeCode = 24;
    std::uint8_t subType = 0;
    // Readings handed out one per query, the last one repeated; when empty,
    // a slowly drifting workplace climate.
    std::vector<ReadingWords> readings;
    LoggerSpec logger;
    // Memory words by address (cell number times field code); others 0xFFFF.
    std::map<std::uint16_t, std::uint16_t> memory = DefaultMemory();

    ReadingWords nextReading();
    LoggerRecordBytes loggerRecord(std::uint16_t address) const;
    std::uint16_t memoryWord(std::uint16_t address) const;

    // Eight filled cells and an empty ninth one.
    static std::map<std::uint16_t, std::uint16_t> DefaultMemory();

private:
    std::size_t nextIndex_ = 0;
    ReadingWords drift_{455, 215, 240};
    std::uint32_t seed_ = 12345;
};

}  // namespace velt::sim
