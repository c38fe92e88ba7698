#pragma once

#include <QString>
#include <QStringList>

namespace velt {

// Header texts of the live and logger tables, in the record's column order:
// time, THC, WBGT, RH, ta, tg, tw, td, tr, W.
inline const QStringList kRecordHeaders = {
    QStringLiteral("Время"),   QStringLiteral("THC,*C"),  QStringLiteral("WBGT,*C"), QStringLiteral("RH,%"),
    QStringLiteral("tв.,*C"),  QStringLiteral("tш.,*C"),  QStringLiteral("tвт.,*C"), QStringLiteral("tтр.,*C"),
    QStringLiteral("tрад.,*C"), QStringLiteral("W,Вт/м2"),
};

inline constexpr int kRecordColumns = 10;

}  // namespace velt
