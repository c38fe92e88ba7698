#include "tools/sim/sim_options.h"

#include <QCommandLineParser>

namespace velt::sim {

namespace {

bool readInt(const QCommandLineParser &parser, const QString &name, int low, int high, int &out,
             QString *error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok, 0);
    if (!ok || value < low || value > high) {
        *error = QStringLiteral("--%1: expected a number from %2 to %3").arg(name).arg(low).arg(high);
        return false;
    }
    out = value;
    return true;
}

bool readReadings(const QString &text, std::vector<ReadingWords> &out, QString *error)
{
    for (const QString &triple : text.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = triple.split(',');
        bool ok[3] = {false, false, false};
        if (parts.size() == 3) {
            ReadingWords r;
            const uint rh = parts[0].trimmed().toUInt(&ok[0]);
            const uint ta = parts[1].trimmed().toUInt(&ok[1]);
            const uint tg = parts[2].trimmed().toUInt(&ok[2]);
            if (ok[0] && ok[1] && ok[2] && rh <= 0xFFFF && ta <= 0xFFFF && tg <= 0xFFFF) {
                r.rh = static_cast<std::uint16_t>(rh);
                r.ta = static_cast<std::uint16_t>(ta);
                r.tg = static_cast<std::uint16_t>(tg);
                out.push_back(r);
                continue;
            }
        }
        *error = QStringLiteral("--readings: expected RH,ta,tg words separated by ';', got \"%1\"").arg(triple);
        return false;
    }
    return true;
}

}  // namespace

void AddSimOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {"type", "Type code the meter reports (0..255, default 24).", "code"},
        {"subtype", "Sub-type the meter reports after type 65 (0..255).", "code"},
        {"readings", "Readings as words in tenths, RH,ta,tg;RH,ta,tg;... (default: a drifting climate).", "list"},
        {"logger-count", "Number of logger records (0..3000).", "n"},
        {"logger-step", "Minutes between logger records; 0 keeps them all in one hour (default 1).", "minutes"},
        {"logger-break", "The clock jumps two hours after this record.", "n"},
        {"dead", "Answer nothing, not even the probe."},
        {"silent-after", "Fall silent after sending this many bytes.", "n"},
        {"paced", "Take a true 9600-baud byte time for every byte."},
        {"turnaround-us", "With --paced: delay before each reply, microseconds (default 1000).", "us"},
    });
}

bool ReadSimOptions(const QCommandLineParser &parser, SimSetup &setup, QString *error)
{
    int type = setup.model.typeCode, subType = setup.model.subType;
    int silentAfter = -1, turnaround = static_cast<int>(setup.faults.turnaround.count());
    if (!readInt(parser, "type", 0, 255, type, error) || !readInt(parser, "subtype", 0, 255, subType, error)
        || !readInt(parser, "logger-count", 0, 3000, setup.model.logger.count, error)
        || !readInt(parser, "logger-step", 0, 1440, setup.model.logger.minutesPerRecord, error)
        || !readInt(parser, "logger-break", 1, 3000, setup.model.logger.breakAfter, error)
        || !readInt(parser, "silent-after", 0, 1 << 30, silentAfter, error)
        || !readInt(parser, "turnaround-us", 0, 1000000, turnaround, error))
        return false;
    if (parser.isSet("readings") && !readReadings(parser.value("readings"), setup.model.readings, error))
        return false;
    setup.model.typeCode = static_cast<std::uint8_t>(type);
    setup.model.subType = static_cast<std::uint8_t>(subType);
    setup.faults.dead = parser.isSet("dead");
    setup.faults.silentAfterBytes = silentAfter;
    setup.faults.paced = parser.isSet("paced");
    setup.faults.turnaround = std::chrono::microseconds(turnaround);
    return true;
}

}  // namespace velt::sim
