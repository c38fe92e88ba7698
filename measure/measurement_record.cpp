#include "measure/measurement_record.h"

#include <QLocale>
#include <QRegularExpression>

namespace velt {

QStringList MeasurementRecord::cells() const
{
    return {time,
            ShownValue(derived.THC),
            ShownValue(derived.WBGT),
            ShownValue(RH),
            ShownValue(ta),
            ShownValue(tgColumn()),
            ShownValue(derived.tw),
            derived.td ? ShownValue(*derived.td) : kNoValueText,
            ShownValue(derived.tr),
            ShownValue(derived.W)};
}

MeasurementRecord MakeRecord(const QString &time, std::uint16_t rhWord, std::uint16_t taWord,
                             std::uint16_t tgWord, TgShown tgShown)
{
    MeasurementRecord record;
    record.time = time;
    record.RH = DecodeTenths(rhWord);
    record.ta = DecodeTenths(taWord);
    record.tg = DecodeTenths(tgWord);
    record.derived = DeriveIndices(record.RH, record.ta, record.tg);
    record.tgShown = tgShown;
    return record;
}

QString TimeText(const QTime &time)
{
    // Qt's long time format carries the time zone ("t"); the table shows the
    // time of day only.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QStringLiteral(" "));
    return QLocale::system().toString(time, format.trimmed());
}

}  // namespace velt
