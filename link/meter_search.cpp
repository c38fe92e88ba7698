#include "link/meter_search.h"

#include "link/rcp_thread.h"
#include "link/serial_link.h"
#include "link/status_texts.h"

namespace velt {

bool SearchForMeter(SerialLink &link, const PortCandidates &candidates, int passes, QString *errorText)
{
    MyThread search(link, candidates);
    QString denied;
    for (int pass = 0; pass < passes;) {
        const MyThread::Step step = search.Execute();
        if (step.answered)
            return true;
        if (step.open == OpenOutcome::NoPermission && step.tried)
            denied = step.statusText;
        if (step.passEnded)
            ++pass;
    }
    if (errorText)
        *errorText = denied.isEmpty() ? kTextNoReply : denied;
    return false;
}

}  // namespace velt
