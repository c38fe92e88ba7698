#include "logger/logger_download.h"

#include "link/commands.h"
#include "link/serial_link.h"

namespace velt {

QString LoggerTimeLabel(const LoggerRecord &r)
{
    return QString::number(r.hour) + QLatin1Char(':') + QString::number(r.minute) + QLatin1Char(' ')
           + QString::number(r.date3) + QLatin1Char('.') + QString::number(r.date2) + QLatin1Char('.')
           + QString::number(r.date1);
}

MeasurementRecord LoggerRow(const LoggerRecord &record)
{
    return MakeRecord(LoggerTimeLabel(record), record.RH, record.ta, record.tg, TgShown::Raised);
}

bool BreaksHourSequence(std::uint16_t address, std::uint8_t previousHour, std::uint8_t hour)
{
    if (address <= kFirstLoggerAddress)
        return false;
    const int previous = previousHour;
    return hour != previous && hour != previous + 1 && !(previous == 23 && hour == 0);
}

LoggerRecord ReadLoggerRecord(SerialLink &link, std::uint16_t address)
{
    link.SendCommand(CmdLoggerRecord);
    link.SendCommand(static_cast<std::uint8_t>(address >> 8));
    link.SendCommand(static_cast<std::uint8_t>(address & 0xFF));
    LoggerRecord r;
    r.address = address;
    r.word1 = link.ReadWord();
    r.RH = link.ReadWord();
    r.ta = link.ReadWord();
    r.tg = link.ReadWord();
    r.byte1 = link.ReceiveEchoed();
    r.minute = link.ReceiveEchoed();
    r.hour = link.ReceiveEchoed();
    r.date1 = link.ReceiveEchoed();
    r.date2 = link.ReceiveEchoed();
    r.date3 = link.ReceiveEchoed();
    r.word5 = link.ReadWord();
    return r;
}

DownloadEnd DownloadLogger(SerialLink &link, const std::atomic<bool> &cancel,
                           const std::function<void(const LoggerRecord &)> &onRecord)
{
    std::uint8_t previousHour = 0;
    for (int address = kFirstLoggerAddress; address <= kLastLoggerAddress; address += kLoggerAddressStep) {
        if (cancel.load())
            return DownloadEnd::Cancelled;
        const LoggerRecord record = ReadLoggerRecord(link, static_cast<std::uint16_t>(address));
        if (BreaksHourSequence(record.address, previousHour, record.hour))
            return DownloadEnd::HourBreak;
        previousHour = record.hour;
        onRecord(record);
    }
    return DownloadEnd::LastAddress;
}

}  // namespace velt
