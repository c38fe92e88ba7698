#pragma once

#include "tools/sim/meter_model.h"
#include "tools/sim/pseudo_terminal.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velt::sim {

struct LineFaults {
    bool dead = false;             // never answers, not even the probe
    long silentAfterBytes = -1;    // falls silent after sending this many bytes
    // A true 9600-baud line: a byte from the host arrives one byte time after
    // it was sent, and each byte of the meter's starts a turnaround after the
    // line fell free and arrives one byte time later.
    bool paced = false;
    std::chrono::microseconds turnaround{1000};
};

// A meter on a pseudo-terminal, answering as the real one does: the probe,
// the type and sub-type, readings, logger records, memory words, the clock.
// Like the real meter it waits for each acknowledgement and echo the
// protocol prescribes; every departure of the host from that discipline is
// recorded as a violation.
class MeterSimulator {
public:
    static constexpr std::uint8_t kProbeReply = 0x37;
    static constexpr std::uint8_t kAck = 0x06;
    static constexpr std::chrono::microseconds kByteTime{1042};  // 10 bits at 9600 baud

    explicit MeterSimulator(MeterModel model = {}, LineFaults faults = {});
    ~MeterSimulator();

    bool start(std::string *error = nullptr);
    void stop();
    const std::string &devicePath() const { return pty_.slavePath(); }

    // The cable pulled: the pseudo-terminal goes away, whatever is under way.
    void unplug();
    // The cable back in: a new pseudo-terminal; its path differs, so a stable
    // name for it is kept with setAlias.
    bool replug();
    // A symbolic link that follows the meter's device across replugging.
    bool setAlias(const std::string &path);

    // Faults changed while running apply from the next byte on; the silent
    // count starts again from now.
    void setFaults(const LineFaults &faults);
    void setAckByte(std::uint8_t ack);

    std::vector<std::string> violations() const;
    std::vector<std::uint8_t> received() const;  // every byte the host sent
    std::vector<std::uint8_t> lastClockMessage() const;
    std::vector<std::uint16_t> loggerAddresses() const;  // addresses asked for
    int commandCount(std::uint8_t command) const;

    // Direct access to the meter's contents; only while stopped.
    MeterModel &model() { return model_; }

private:
    struct Silence {};       // the meter went quiet
    struct HostStalled {};   // the host stopped in the middle of a dialogue

    void run();
    void serve(std::uint8_t command);
    std::uint8_t receive();  // inside a dialogue: bounded wait for the host
    void send(std::uint8_t byte);
    void sendAck() { send(ack_.load()); }
    void sendData(std::uint8_t byte);  // send, then expect the host's echo
    void violation(std::string text);
    // Waits until a moment of the simulated line, precisely: the benchmark
    // compares the host's pace with it.
    static void waitUntil(std::chrono::steady_clock::time_point moment);

    MeterModel model_;
    PseudoTerminal pty_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::string alias_;
    std::atomic<std::uint8_t> ack_{kAck};
    // With pacing: when the last byte on the line has fully arrived.
    std::chrono::steady_clock::time_point lineFree_{};

    mutable std::mutex mutex_;
    LineFaults faults_;
    long sentSinceFaults_ = 0;
    bool silent_ = false;
    std::vector<std::string> violations_;
    std::vector<std::uint8_t> received_;
    std::vector<std::uint8_t> clock_;
    std::vector<std::uint16_t> loggerAddresses_;
    std::map<std::uint8_t, int> commands_;
};

}  // namespace velt::sim
