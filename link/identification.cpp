#include "link/identification.h"

#include "link/commands.h"
#include "link/serial_link.h"

namespace velt {

namespace {
constexpr std::int8_t kTypeViks24 = 24;
constexpr std::int8_t kTypeWithSubType = 65;
}  // namespace

Identification IdentifyMeter(SerialLink &link, const std::function<void(std::int8_t)> &onType)
{
    Identification id;
    link.SendCommand(CmdDeviceType);
    id.DeviceType = static_cast<std::int8_t>(link.ReceiveEchoed());
    if (onType)
        onType(id.DeviceType);
    if (id.DeviceType == kTypeWithSubType) {
        link.SendCommand(CmdSubType);
        id.DeviceSubType = static_cast<std::int8_t>(link.ReceiveEchoed());
    }
    return id;
}

QString TypeCodeText(std::int8_t deviceType) { return QString::number(deviceType); }

IdentificationView ViewOf(const Identification &id)
{
    IdentificationView view;
    view.typeText = TypeCodeText(id.DeviceType);
    if (id.DeviceType == kTypeWithSubType && id.DeviceSubType) {
        switch (*id.DeviceSubType) {
        case 0: view.typeText = QStringLiteral("нет"); break;
        case 1: view.typeText = QStringLiteral("гол.2"); break;
        case 2: view.typeText = QStringLiteral("гол.1"); break;
        default: break;
        }
    }
    if (id.DeviceType == kTypeViks24) {
        view.modelText = QStringLiteral("ВИКС/24");
        view.supported = true;
    }
    return view;
}

}  // namespace velt
