#include "tools/sim/meter_model.h"

#include <algorithm>
#include <ctime>

namespace velt::sim {

namespace {

std::uint16_t walk(std::uint16_t value, int step, int low, int high)
{
    return static_cast<std::uint16_t>(std::clamp(static_cast<int>(value) + step, low, high));
}

}  // namespace

ReadingWords MeterModel::nextReading()
{
    if (!readings.empty()) {
        const ReadingWords r = readings[std::min(nextIndex_, readings.size() - 1)];
        ++nextIndex_;
        return r;
    }
    const ReadingWords now = drift_;
    auto nextStep = [this] {
        seed_ = seed_ * 1103515245u + 12345u;
        return static_cast<int>((seed_ >> 16) % 5) - 2;  // -2..+2 tenths
    };
    drift_.rh = walk(drift_.rh, nextStep(), 300, 700);
    drift_.ta = walk(drift_.ta, nextStep(), 150, 300);
    drift_.tg = walk(drift_.tg, nextStep(), 150, 400);
    return now;
}

LoggerRecordBytes MeterModel::loggerRecord(std::uint16_t address) const
{
    LoggerRecordBytes bytes;
    bytes.fill(0xFF);
    const int index = address / 10;  // record 1 at address 10
    if (address % 10 != 0 || index < 1 || index > logger.count)
        return bytes;

    std::tm stamp{};
    stamp.tm_year = logger.startYear - 1900;
    stamp.tm_mon = logger.startMonth - 1;
    stamp.tm_mday = logger.startDay;
    stamp.tm_hour = logger.startHour;
    stamp.tm_min = logger.startMinute + (index - 1) * logger.minutesPerRecord;
    if (logger.breakAfter > 0 && index > logger.breakAfter)
        stamp.tm_hour += 2;
    stamp.tm_isdst = 0;
    ::timegm(&stamp);  // normalises the fields

    const std::uint16_t words[5] = {
        static_cast<std::uint16_t>(index),
        static_cast<std::uint16_t>(400 + index % 50),
        static_cast<std::uint16_t>(200 + index % 30),
        static_cast<std::uint16_t>(220 + index % 40),
        0,
    };
    auto put = [&bytes](int offset, std::uint16_t word) {
        bytes[offset] = static_cast<std::uint8_t>(word >> 8);
        bytes[offset + 1] = static_cast<std::uint8_t>(word & 0xFF);
    };
    put(0, words[0]);
    put(2, words[1]);
    put(4, words[2]);
    put(6, words[3]);
    bytes[8] = 0;
    bytes[9] = static_cast<std::uint8_t>(stamp.tm_min);
    bytes[10] = static_cast<std::uint8_t>(stamp.tm_hour);
    bytes[11] = static_cast<std::uint8_t>(stamp.tm_year % 100);  // shown last
    bytes[12] = static_cast<std::uint8_t>(stamp.tm_mon + 1);
    bytes[13] = static_cast<std::uint8_t>(stamp.tm_mday);        // shown first
    put(14, words[4]);
    return bytes;
}

std::uint16_t MeterModel::memoryWord(std::uint16_t address) const
{
    const auto it = memory.find(address);
    return it == memory.end() ? 0xFFFF : it->second;
}

std::map<std::uint16_t, std::uint16_t> MeterModel::DefaultMemory()
{
    std::map<std::uint16_t, std::uint16_t> words;
    for (int cell = 1; cell <= 8; ++cell) {
        auto set = [&](int field, int value) {
            words[static_cast<std::uint16_t>(cell * field)] = static_cast<std::uint16_t>(value);
        };
        set(0x70, 10 * cell + 3);                 // air velocity, hundredths of m/s
        set(0x71, cell == 8 ? 0x10000 - 52 : 200 + 5 * cell);  // temperature, signed tenths
        set(0x78, 400 + 10 * cell);               // RH, tenths of a percent
        set(0x72, 17);                            // year
        set(0x73, 3);                             // month
        set(0x74, cell);                          // day
        set(0x77, 8 + cell);                      // hour
        set(0x76, 5 * cell);                      // minute
        set(0x75, 0);                             // second
    }
    return words;
}

}  // namespace velt::sim
