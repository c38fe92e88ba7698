#pragma once

#include "link/port_candidates.h"

#include <QString>

namespace velt {

class SerialLink;

// Searches the candidates as the program does, but gives up after a number
// of whole passes. On failure, errorText is the status text to show.
bool SearchForMeter(SerialLink &link, const PortCandidates &candidates, int passes, QString *errorText);

}  // namespace velt
