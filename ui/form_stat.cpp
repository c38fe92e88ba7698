#include "ui/form_stat.h"

namespace velt {

TFStat::TFStat(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FStat"));
    setWindowTitle(QStringLiteral("Статистика"));
    resize(603, 456);
}

}  // namespace velt
