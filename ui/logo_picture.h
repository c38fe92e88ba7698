#pragma once

#include <QPixmap>

namespace velt {

// The program's logo, drawn here: a black globe with a thermometer before a
// sky gradient, and the program's name.
QPixmap LogoPicture(const QSize &size = QSize(300, 205));

}  // namespace velt
