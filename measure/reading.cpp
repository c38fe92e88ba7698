#include "measure/reading.h"

#include "link/commands.h"
#include "link/serial_link.h"

namespace velt {

ReadingWords ReadMeasurement(SerialLink &link)
{
    link.SendCommand(CmdReadings);
    ReadingWords words;
    words.RH = link.ReadWord();
    words.ta = link.ReadWord();
    words.tg = link.ReadWord();
    return words;
}

}  // namespace velt
