#include "link/rcp_thread.h"

#include "link/serial_link.h"
#include "link/status_texts.h"

namespace velt {

MyThread::MyThread(SerialLink &link, PortCandidates candidates)
    : link_(link), candidates_(std::move(candidates))
{
}

MyThread::Step MyThread::Execute()
{
    Step step;
    if (link_.DeviceFound.load() == 1)
        return step;

    int next = link_.PortIndex + 1;
    if (link_.PortIndex <= 0 || next > link_.candidates().size()) {
        // A new pass: list the ports again, a meter may have been plugged in.
        link_.setCandidates(candidates_());
        next = 1;
    }
    if (link_.candidates().isEmpty()) {
        link_.PortIndex = 0;
        step.passEnded = true;
        return step;
    }

    link_.PortIndex = static_cast<std::int8_t>(next);
    step.tried = true;
    step.portName = PortDisplayName(link_.deviceOf(next));
    step.open = link_.OpenPort(next);
    step.answered = link_.ProbeDevice();
    link_.ClosePort();
    step.passEnded = next >= link_.candidates().size();

    if (step.answered) {
        step.statusText = kTextConnected;
        link_.PortName = step.portName;
        link_.DeviceFound.store(1);
    } else if (step.open == OpenOutcome::NoPermission) {
        step.statusText = NoAccessText(step.portName);
    } else {
        step.statusText = kTextSearching;
    }
    return step;
}

}  // namespace velt
