#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace velt::sim {

// The meter's end of a pseudo-terminal. The host opens slavePath() as its
// serial port. The slave side is kept open here as well, so the host may
// close and reopen its port as it does for every exchange without the
// master seeing a hang-up.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool open(std::string *error = nullptr);
    void close();
    bool isOpen() const { return master_ >= 0; }
    const std::string &slavePath() const { return path_; }

    void write(std::uint8_t byte);
    // A byte, or nothing once the timeout has passed (nullopt timeout: wait
    // forever, until a byte comes or the terminal is closed).
    std::optional<std::uint8_t> read(std::chrono::milliseconds timeout);

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

}  // namespace velt::sim
