#pragma once

#include "measure/indices.h"

#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>

namespace velt {

// Header texts of the live and logger tables, in the record's column order:
// time, THC, WBGT, RH, ta, tg, tw, td, tr, W.
inline const QStringList kRecordHeaders = {
    QStringLiteral("Время"),   QStringLiteral("THC,*C"),  QStringLiteral("WBGT,*C"), QStringLiteral("RH,%"),
    QStringLiteral("tв.,*C"),  QStringLiteral("tш.,*C"),  QStringLiteral("tвт.,*C"), QStringLiteral("tтр.,*C"),
    QStringLiteral("tрад.,*C"), QStringLiteral("W,Вт/м2"),
};

inline constexpr int kRecordColumns = 10;

// What a table, label or chart shows for a dew point that was not computed
// (RH of 0); every consumer keeps the row in step with the others.
inline const QString kNoValueText = QStringLiteral("-");

// Which tg a row shows: a live row the measured one, a logger row tg'.
enum class TgShown { Measured, Raised };

// One measurement: a time label and nine quantities, single-precision.
struct MeasurementRecord {
    QString time;
    float RH = 0, ta = 0, tg = 0;
    DerivedIndices derived;
    TgShown tgShown = TgShown::Measured;

    // The tg of column 5.
    float tgColumn() const { return tgShown == TgShown::Raised ? derived.tgPrime : tg; }
    // The ten cell texts in column order.
    QStringList cells() const;
};

// A record from the three measured words (RH, ta, tg in tenths).
MeasurementRecord MakeRecord(const QString &time, std::uint16_t rhWord, std::uint16_t taWord,
                             std::uint16_t tgWord, TgShown tgShown);

// The time-of-day label of a live reading in the system's long time format,
// without a time-zone name.
QString TimeText(const QTime &time = QTime::currentTime());

}  // namespace velt
