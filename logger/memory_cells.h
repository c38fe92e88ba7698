#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace velt {

class SerialLink;

inline constexpr int kMemoryCells = 9;

// Field codes of a memory cell's nine words, in the order they are read.
inline constexpr std::uint8_t kFieldVelocity = 0x70;     // column 3, hundredths of m/s
inline constexpr std::uint8_t kFieldTemperature = 0x71;  // column 5, signed tenths
inline constexpr std::uint8_t kFieldHumidity = 0x78;     // column 4, tenths of a percent
inline constexpr std::uint8_t kFieldDate[3] = {0x72, 0x73, 0x74};  // shown last, middle, first
inline constexpr std::uint8_t kFieldTime[3] = {0x77, 0x76, 0x75};  // shown first, middle, last

inline const QString kTextMemoryReading = QStringLiteral("Чтение ячеек памяти ...");
inline const QString kTextMemoryDone = QStringLiteral("Чтение ячеек памяти завершено");

// A word's address is the product of the cell number and the field code.
std::uint16_t MemoryAddress(int cell, std::uint8_t field);

// Texts of the memory table; "-" for an empty value.
QString VelocityText(std::uint16_t word);
QString HumidityText(std::uint16_t word);
QString TemperatureText(std::uint16_t word);
// Date words in reading order (0x72, 0x73, 0x74), shown as 0x74.0x73.0x72.
QString DateText(std::uint16_t w72, std::uint16_t w73, std::uint16_t w74);
// Time words in reading order (0x77, 0x76, 0x75), shown in that order.
QString TimeOfCellText(std::uint16_t w77, std::uint16_t w76, std::uint16_t w75);

// Columns a meter type does not measure: 52 has no humidity, 50 neither
// humidity nor temperature.
QList<int> BlankedColumns(std::int8_t deviceType);

// Reads the nine cells word by word. onCell(row, column, text) is called for
// each column as soon as its words are in, the blanking of the device type
// included. Throws MeterSilent.
void ReadMemoryCells(SerialLink &link, std::int8_t deviceType,
                     const std::function<void(int row, int column, const QString &text)> &onCell);

// The memory table's header row and the row numbers 1..9.
QStringList MemoryHeaders();
// The memory table as the program shows it before a reading: 10 rows of 6.
QList<QStringList> EmptyMemoryTable();

// A table as clipboard text: cells separated by a tab, every row ended by a
// line feed, no carriage returns.
QString ClipboardText(const QList<QStringList> &rows);

}  // namespace velt
