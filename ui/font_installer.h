#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace velt {

// One of the two display fonts the program carries among its resources.
struct CarriedFont {
    QString resource;  // Qt resource path
    QString fileName;  // name of the file written to the font folder
    QString face;      // face name looked for among the installed fonts
};

// "GOST type A" first, then "Digital Readout Thick Upright".
const QList<CarriedFont> &CarriedFonts();

struct FontInstallResult {
    QStringList writtenFiles;
    int registeredFonts = 0;
    QString errorText;  // "Cannot create file ..." when a file could not be written
};

// Installs each carried font whose face name does not occur in
// installedFamilies (one name per line, taken once before the first font):
// writes it into fontDir and registers the file with the running program.
// A file that cannot be written ends the installation there.
// registerFont returns the number of fonts the file added.
FontInstallResult InstallFonts(const QString &installedFamilies, const QString &fontDir,
                               const std::function<int(const QString &)> &registerFont);

// The installed font families as one text, one name per line.
QString InstalledFontFamilies();
// The user's own font folder.
QString UserFontFolder();
// Registers a font file with the running program; the number of fonts added.
int RegisterFontFile(const QString &path);

}  // namespace velt
