#include "tools/sim/pseudo_terminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace velt::sim {

PseudoTerminal::~PseudoTerminal() { close(); }

bool PseudoTerminal::open(std::string *error)
{
    close();
    char name[256] = {};
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        if (error)
            *error = std::string("openpty: ") + std::strerror(errno);
        master_ = slave_ = -1;
        return false;
    }
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    path_ = name;
    return true;
}

void PseudoTerminal::close()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    master_ = slave_ = -1;
}

void PseudoTerminal::write(std::uint8_t byte)
{
    if (master_ < 0)
        return;
    while (::write(master_, &byte, 1) < 0 && errno == EINTR) {
    }
}

std::optional<std::uint8_t> PseudoTerminal::read(std::chrono::milliseconds timeout)
{
    if (master_ < 0)
        return std::nullopt;
    pollfd pfd{master_, POLLIN, 0};
    const int ready = ::poll(&pfd, 1, static_cast<int>(timeout.count()));
    if (ready <= 0 || !(pfd.revents & POLLIN))
        return std::nullopt;
    std::uint8_t byte = 0;
    if (::read(master_, &byte, 1) == 1)
        return byte;
    return std::nullopt;
}

}  // namespace velt::sim
