#pragma once

#include "measure/measurement_record.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

namespace velt {

class SerialLink;

// The logger's records are read at addresses 10, 20, ... 30000.
inline constexpr std::uint16_t kFirstLoggerAddress = 10;
inline constexpr std::uint16_t kLoggerAddressStep = 10;
inline constexpr std::uint16_t kLastLoggerAddress = 30000;
inline constexpr int kMaxLoggerRecords = kLastLoggerAddress / kLoggerAddressStep;

inline const QString kCaptionDownload = QStringLiteral("Загрузить");
inline const QString kCaptionDownloading = QStringLiteral("Загрузка данных, ждите ....");

// One logger record as the meter sends it (16 bytes after the address).
struct LoggerRecord {
    std::uint16_t address = 0;
    std::uint16_t word1 = 0;
    std::uint16_t RH = 0, ta = 0, tg = 0;  // tenths
    std::uint8_t byte1 = 0;
    std::uint8_t minute = 0;
    std::uint8_t hour = 0;
    std::uint8_t date1 = 0, date2 = 0, date3 = 0;  // shown last, middle, first
    std::uint16_t word5 = 0;
};

// "hour:minute date3.date2.date1", every number without leading zeros:
// hour 7, minute 5 and the date bytes 17, 3, 9 read 7:5 9.3.17.
QString LoggerTimeLabel(const LoggerRecord &record);

// The record as a row of the logger table: tg' in the tg column.
MeasurementRecord LoggerRow(const LoggerRecord &record);

// Whether a record's hour breaks the sequence: it is neither the hour before
// nor the next one (no wrap but 23 to 0). The first record is never tested.
bool BreaksHourSequence(std::uint16_t address, std::uint8_t previousHour, std::uint8_t hour);

// Reads the record at one address: the command and both address bytes
// acknowledged, all 16 bytes echoed. Throws MeterSilent.
LoggerRecord ReadLoggerRecord(SerialLink &link, std::uint16_t address);

enum class DownloadEnd {
    LastAddress,  // the record at 30000 was read
    HourBreak,    // a record broke the hour sequence; it was dropped
    Cancelled,    // the user ended it
};

// Reads records from address 10 on until the hour sequence breaks, the last
// address is read or cancel is set (looked at between records). onRecord
// sees every record kept, as soon as it is in. Throws MeterSilent.
DownloadEnd DownloadLogger(SerialLink &link, const std::atomic<bool> &cancel,
                           const std::function<void(const LoggerRecord &)> &onRecord);

}  // namespace velt
