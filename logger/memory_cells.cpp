#include "logger/memory_cells.h"

#include "link/commands.h"
#include "link/serial_link.h"
#include "measure/indices.h"

namespace velt {

namespace {

constexpr std::uint16_t kEmptyWord = 0xFFFF;
constexpr int kColumnDate = 1, kColumnTime = 2, kColumnVelocity = 3, kColumnHumidity = 4,
              kColumnTemperature = 5;

std::uint16_t readMemoryWord(SerialLink &link, int cell, std::uint8_t field)
{
    const std::uint16_t address = MemoryAddress(cell, field);
    link.SendCommand(CmdReadMemory);
    link.SendCommand(static_cast<std::uint8_t>(address / 256));
    link.SendCommand(static_cast<std::uint8_t>(address % 256));
    return link.ReadWord();
}

QString joinWords(const std::uint16_t (&words)[3], QChar separator)
{
    if (words[0] == kEmptyWord && words[1] == kEmptyWord && words[2] == kEmptyWord)
        return QStringLiteral("-");
    return QString::number(words[0]) + separator + QString::number(words[1]) + separator
           + QString::number(words[2]);
}

}  // namespace

std::uint16_t MemoryAddress(int cell, std::uint8_t field) { return static_cast<std::uint16_t>(cell * field); }

QString VelocityText(std::uint16_t word)
{
    const float value = DecodeTenths(word);
    if (RoundToTenth(value) == 6553.5)
        return QStringLiteral("-");
    return FormatValue(RoundToHundredth(static_cast<double>(static_cast<long double>(value) * 0.1)));
}

QString HumidityText(std::uint16_t word)
{
    const float value = DecodeTenths(word);
    if (RoundToTenth(value) == 6553.5)
        return QStringLiteral("-");
    return FormatValue(RoundToTenth(value));
}

QString TemperatureText(std::uint16_t word)
{
    const auto signedWord = static_cast<std::int16_t>(word);
    const auto value = static_cast<float>(static_cast<long double>(signedWord) * 0.1);
    if (RoundToTenth(value) == -0.1)
        return QStringLiteral("-");
    return FormatValue(RoundToTenth(value));
}

QString DateText(std::uint16_t w72, std::uint16_t w73, std::uint16_t w74)
{
    const std::uint16_t shown[3] = {w74, w73, w72};
    return joinWords(shown, QLatin1Char('.'));
}

QString TimeOfCellText(std::uint16_t w77, std::uint16_t w76, std::uint16_t w75)
{
    const std::uint16_t shown[3] = {w77, w76, w75};
    return joinWords(shown, QLatin1Char(':'));
}

QList<int> BlankedColumns(std::int8_t deviceType)
{
    switch (deviceType) {
    case 52: return {kColumnHumidity};
    case 50: return {kColumnHumidity, kColumnTemperature};
    default: return {};
    }
}

void ReadMemoryCells(SerialLink &link, std::int8_t deviceType,
                     const std::function<void(int, int, const QString &)> &onCell)
{
    for (int cell = 1; cell <= kMemoryCells; ++cell) {
        onCell(cell, kColumnVelocity, VelocityText(readMemoryWord(link, cell, kFieldVelocity)));
        onCell(cell, kColumnTemperature, TemperatureText(readMemoryWord(link, cell, kFieldTemperature)));
        onCell(cell, kColumnHumidity, HumidityText(readMemoryWord(link, cell, kFieldHumidity)));
        std::uint16_t date[3], time[3];
        for (int i = 0; i < 3; ++i)
            date[i] = readMemoryWord(link, cell, kFieldDate[i]);
        onCell(cell, kColumnDate, DateText(date[0], date[1], date[2]));
        for (int i = 0; i < 3; ++i)
            time[i] = readMemoryWord(link, cell, kFieldTime[i]);
        onCell(cell, kColumnTime, TimeOfCellText(time[0], time[1], time[2]));
        for (int column : BlankedColumns(deviceType))
            onCell(cell, column, QStringLiteral("-"));
    }
}

QStringList MemoryHeaders()
{
    return {QStringLiteral("№"), QStringLiteral("Дата"), QStringLiteral("Время"),
            QStringLiteral("V,м/c"), QStringLiteral("RH,%"), QStringLiteral("t.,*C")};
}

QList<QStringList> EmptyMemoryTable()
{
    QList<QStringList> rows{MemoryHeaders()};
    for (int row = 1; row <= kMemoryCells; ++row) {
        QStringList cells(MemoryHeaders().size());
        cells[0] = QString::number(row);
        rows << cells;
    }
    return rows;
}

QString ClipboardText(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        text += row.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace velt
