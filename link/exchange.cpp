#include "link/exchange.h"

#include "link/serial_link.h"
#include "link/status_texts.h"

namespace velt {

ExchangeResult RunExchange(SerialLink &link, const Dialogue &dialogue, bool probe)
{
    const OpenOutcome opened = link.OpenPort(link.PortIndex);
    if (probe && !link.ProbeDevice()) {
        link.ClosePort();
        if (opened == OpenOutcome::NoPermission)
            return {ExchangeResult::Kind::NoAccess, NoAccessText(PortDisplayName(link.PortHandle()))};
        return {ExchangeResult::Kind::NoAnswer, kTextNoReply};
    }
    try {
        dialogue(link);
    } catch (const MeterSilent &) {
        link.ClosePort();
        return {ExchangeResult::Kind::Silent, kTextNoReply};
    }
    link.ClosePort();
    return {};
}

}  // namespace velt
