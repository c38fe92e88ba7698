#pragma once

#include "link/byte_port.h"
#include "link/port_candidates.h"

#include <QString>

namespace velt {

class SerialLink;

// The port search: tries port candidates 1..8 with the probe byte until one
// answers, then scans no more. Each call of Execute tries one port, so the
// link thread can run a user's exchange between two probes instead of
// waiting for a whole pass.
class MyThread {
public:
    struct Step {
        bool tried = false;       // false: found already, or no candidates at all
        bool answered = false;
        bool passEnded = false;   // the last candidate of a pass was tried
        OpenOutcome open = OpenOutcome::Missing;
        QString portName;         // display name of the port tried
        QString statusText;       // for status panel 3; empty when nothing to say
    };

    MyThread(SerialLink &link, PortCandidates candidates);

    Step Execute();

private:
    SerialLink &link_;
    PortCandidates candidates_;
};

}  // namespace velt
