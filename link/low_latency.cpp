#include "link/low_latency.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace velt {

bool RequestLowLatency(long long nativeHandle)
{
#ifdef Q_OS_LINUX
    const int fd = static_cast<int>(nativeHandle);
    if (fd < 0)
        return false;
    serial_struct info{};
    if (::ioctl(fd, TIOCGSERIAL, &info) != 0)
        return false;  // a pseudo-terminal or a driver without the setting
    if (info.flags & ASYNC_LOW_LATENCY)
        return true;
    info.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &info) == 0;
#else
    Q_UNUSED(nativeHandle);
    return false;
#endif
}

}  // namespace velt
