#include "link/status_texts.h"

namespace velt {

QString NoAccessText(const QString &portName)
{
#ifdef Q_OS_WIN
    return QStringLiteral("Нет доступа к порту %1: порт занят другой программой").arg(portName);
#else
    return QStringLiteral("Нет доступа к порту %1: добавьте пользователя в группу dialout "
                          "(sudo usermod -aG dialout $USER) и войдите в систему заново")
        .arg(portName);
#endif
}

}  // namespace velt
