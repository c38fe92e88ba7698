#pragma once

#include <QString>

#include <functional>

namespace velt {

class SerialLink;

// A dialogue with the meter, run on the link thread inside the exchange frame
// (open the port, probe, dialogue, close). It may throw MeterSilent; whatever
// it handed over before that stays handed over.
using Dialogue = std::function<void(SerialLink &)>;

struct ExchangeResult {
    enum class Kind {
        Done,      // the dialogue ran to its end
        NoAnswer,  // the probe was not answered; nothing was sent after it
        Silent,    // the meter stopped answering inside the dialogue
        NoAccess,  // the port exists, but this user may not open it
    };
    Kind kind = Kind::Done;
    QString statusText;  // the text for status panel 3 on failure, else empty

    bool ok() const { return kind == Kind::Done; }
};

// Runs one exchange frame on a link: open PortIndex, probe (unless told not
// to), the dialogue, close. A failure comes back as a result, never as an
// exception, and the port is always closed afterwards.
ExchangeResult RunExchange(SerialLink &link, const Dialogue &dialogue, bool probe = true);

}  // namespace velt
