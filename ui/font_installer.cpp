#include "ui/font_installer.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QSaveFile>
#include <QStandardPaths>

namespace velt {

const QList<CarriedFont> &CarriedFonts()
{
    static const QList<CarriedFont> fonts = {
        {QStringLiteral(":/fonts/GOST_type_A.TTF"), QStringLiteral("GOST_type_A.TTF"),
         QStringLiteral("GOST type A")},
        {QStringLiteral(":/fonts/Digirtu_.ttf"), QStringLiteral("Digirtu_.ttf"),
         QStringLiteral("Digital Readout Thick Upright")},
    };
    return fonts;
}

namespace {

bool writeFontFile(const QString &resource, const QString &path)
{
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    // Written whole or not at all: a half-written font must not be left behind.
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    target.write(source.readAll());
    return target.commit();
}

}  // namespace

FontInstallResult InstallFonts(const QString &installedFamilies, const QString &fontDir,
                               const std::function<int(const QString &)> &registerFont)
{
    FontInstallResult result;
    for (const CarriedFont &font : CarriedFonts()) {
        if (installedFamilies.contains(font.face))
            continue;
        const QString path = QDir(fontDir).filePath(font.fileName);
        QDir().mkpath(fontDir);
        if (!writeFontFile(font.resource, path)) {
            result.errorText = QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path));
            return result;
        }
        result.writtenFiles << path;
        if (registerFont)
            result.registeredFonts += registerFont(path);
    }
    return result;
}

QString InstalledFontFamilies() { return QFontDatabase::families().join('\n'); }

QString UserFontFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
}

int RegisterFontFile(const QString &path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    return id < 0 ? 0 : static_cast<int>(QFontDatabase::applicationFontFamilies(id).size());
}

}  // namespace velt
