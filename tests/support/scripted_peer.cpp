#include "tests/support/scripted_peer.h"

#include <chrono>
#include <cstdio>

namespace velt::test {

using namespace std::chrono_literals;

ScriptedPeer::ScriptedPeer() { pty_.open(); }

ScriptedPeer::~ScriptedPeer()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    if (thread_.joinable())
        thread_.join();
}

void ScriptedPeer::log(std::uint8_t byte)
{
    std::lock_guard lock(mutex_);
    received_.push_back(byte);
}

void ScriptedPeer::play(std::vector<Step> script)
{
    thread_ = std::thread([this, script = std::move(script)] {
        for (const Step &step : script) {
            if (step.kind == Step::Kind::Send) {
                pty_.write(step.byte);
                continue;
            }
            const auto byte = pty_.read(3000ms);
            if (byte)
                log(*byte);
            if (!byte || *byte != step.byte) {
                char text[96];
                std::snprintf(text, sizeof text, "expected 0x%02X, got %s", step.byte,
                              byte ? std::to_string(*byte).c_str() : "nothing");
                std::lock_guard lock(mutex_);
                failure_ = text;
                return;
            }
        }
    });
}

std::string ScriptedPeer::finish(int lingerMs)
{
    if (thread_.joinable())
        thread_.join();
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(lingerMs);
    while (std::chrono::steady_clock::now() < until)
        if (const auto byte = pty_.read(10ms))
            log(*byte);
    std::lock_guard lock(mutex_);
    return failure_;
}

std::vector<std::uint8_t> ScriptedPeer::received() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

}  // namespace velt::test
