#pragma once

#include "tools/sim/pseudo_terminal.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velt::test {

// A serial peer on a pseudo-terminal that plays a fixed script: send these
// bytes, expect those. Whatever the host sends is logged, also after the
// script has ended, so a test can tell what was sent and in which order.
class ScriptedPeer {
public:
    struct Step {
        enum class Kind { Send, Expect } kind;
        std::uint8_t byte;
    };
    static Step Send(std::uint8_t byte) { return {Step::Kind::Send, byte}; }
    static Step Expect(std::uint8_t byte) { return {Step::Kind::Expect, byte}; }

    ScriptedPeer();
    ~ScriptedPeer();

    std::string path() const { return pty_.slavePath(); }

    // Plays the script on a thread of its own; after it, keeps logging.
    void play(std::vector<Step> script);
    // Waits for the script to end and then lingerMs more for stray bytes.
    // Returns the first departure from the script, or empty.
    std::string finish(int lingerMs = 150);
    std::vector<std::uint8_t> received() const;

private:
    void log(std::uint8_t byte);

    sim::PseudoTerminal pty_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> received_;
    std::string failure_;
    bool stop_ = false;
};

}  // namespace velt::test
