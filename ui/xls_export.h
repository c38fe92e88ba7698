#pragma once

#include <QDateTime>
#include <QString>

namespace velt {

class TFMain;

// "Передать данные в  Excel": the logger table, or the live readings when
// the live page is selected, as a measurement protocol workbook in a new file
// of the user's documents folder, then opened in the desktop's spreadsheet
// application. Returns the file written, or empty when nothing was.
QString XlsExport(TFMain &form);

// The file name of a protocol exported at a moment: the protocol and the
// date and time, never an existing file's name.
QString ProtocolFilePath(const QString &folder, const QDateTime &moment);

}  // namespace velt
