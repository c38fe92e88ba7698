// velt-cli: the meter's operations for scripts and headless stations.

#include "tools/cli/cli.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velt-cli"));
    return velt::cli::Run(app.arguments());
}
