#pragma once

#include <QString>

namespace velt {

// Texts of status panel 3 written by the device link.
inline const QString kTextSearching = QStringLiteral("Поиск оборудования ...");
inline const QString kTextConnected = QStringLiteral("Соединение прошло успешно");
inline const QString kTextNotFound = QStringLiteral("Прибор не найден");
inline const QString kTextNoReply = QStringLiteral("Нет отклика от прибора");

// Shown when a port exists but this user may not open it: on Linux serial
// devices belong to the dialout group.
QString NoAccessText(const QString &portName);

}  // namespace velt
