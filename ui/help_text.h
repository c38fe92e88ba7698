#pragma once

#include <QString>

namespace velt {

// The user instructions of the help window.
QString HelpText();

}  // namespace velt
