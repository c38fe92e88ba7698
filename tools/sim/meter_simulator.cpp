#include "tools/sim/meter_simulator.h"

#include "link/commands.h"

#include <cstdio>
#include <unistd.h>

namespace velt::sim {

namespace {
// How long the meter waits for the host inside a dialogue before it gives the
// dialogue up and listens for a new command.
constexpr std::chrono::milliseconds kHostTimeout{1500};
constexpr std::chrono::milliseconds kIdlePoll{50};

std::string hex(std::uint8_t byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}
}  // namespace

MeterSimulator::MeterSimulator(MeterModel model, LineFaults faults)
    : model_(std::move(model)), faults_(faults)
{
    silent_ = faults_.dead;
}

MeterSimulator::~MeterSimulator() { stop(); }

bool MeterSimulator::start(std::string *error)
{
    if (!pty_.open(error))
        return false;
    stop_ = false;
    thread_ = std::thread([this] { run(); });
    return true;
}

void MeterSimulator::stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    pty_.close();
}

void MeterSimulator::unplug()
{
    stop();
}

bool MeterSimulator::replug()
{
    if (!start())
        return false;
    return alias_.empty() || setAlias(alias_);
}

bool MeterSimulator::setAlias(const std::string &path)
{
    alias_ = path;
    const std::string temporary = path + ".new";
    ::unlink(temporary.c_str());
    if (::symlink(pty_.slavePath().c_str(), temporary.c_str()) != 0)
        return false;
    return ::rename(temporary.c_str(), path.c_str()) == 0;
}

void MeterSimulator::setFaults(const LineFaults &faults)
{
    std::lock_guard lock(mutex_);
    faults_ = faults;
    sentSinceFaults_ = 0;
    silent_ = faults.dead;
}

void MeterSimulator::setAckByte(std::uint8_t ack) { ack_ = ack; }

std::vector<std::string> MeterSimulator::violations() const
{
    std::lock_guard lock(mutex_);
    return violations_;
}

std::vector<std::uint8_t> MeterSimulator::received() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<std::uint8_t> MeterSimulator::lastClockMessage() const
{
    std::lock_guard lock(mutex_);
    return clock_;
}

std::vector<std::uint16_t> MeterSimulator::loggerAddresses() const
{
    std::lock_guard lock(mutex_);
    return loggerAddresses_;
}

int MeterSimulator::commandCount(std::uint8_t command) const
{
    std::lock_guard lock(mutex_);
    const auto it = commands_.find(command);
    return it == commands_.end() ? 0 : it->second;
}

void MeterSimulator::violation(std::string text)
{
    std::lock_guard lock(mutex_);
    violations_.push_back(std::move(text));
}

void MeterSimulator::waitUntil(std::chrono::steady_clock::time_point moment)
{
    // Sleeping alone wakes up tens of microseconds late, every time.
    constexpr auto kSpin = std::chrono::microseconds(300);
    if (moment - std::chrono::steady_clock::now() > kSpin)
        std::this_thread::sleep_until(moment - kSpin);
    while (std::chrono::steady_clock::now() < moment) {
    }
}

void MeterSimulator::run()
{
    while (!stop_) {
        const auto byte = pty_.read(kIdlePoll);
        if (!byte)
            continue;
        bool silent;
        {
            std::lock_guard lock(mutex_);
            received_.push_back(*byte);
            silent = silent_;
            if (faults_.paced)
                lineFree_ = std::chrono::steady_clock::now() + kByteTime;
        }
        if (silent)
            continue;  // a quiet meter swallows whatever comes
        try {
            serve(*byte);
        } catch (const Silence &) {
        } catch (const HostStalled &) {
            violation("the host stopped answering inside a dialogue");
        }
    }
}

std::uint8_t MeterSimulator::receive()
{
    const auto deadline = std::chrono::steady_clock::now() + kHostTimeout;
    while (!stop_) {
        if (const auto byte = pty_.read(kIdlePoll)) {
            bool paced;
            {
                std::lock_guard lock(mutex_);
                received_.push_back(*byte);
                paced = faults_.paced;
            }
            if (paced)
                lineFree_ = std::chrono::steady_clock::now() + kByteTime;
            return *byte;
        }
        if (std::chrono::steady_clock::now() > deadline)
            throw HostStalled{};
    }
    throw Silence{};
}

void MeterSimulator::send(std::uint8_t byte)
{
    bool paced;
    std::chrono::microseconds turnaround;
    {
        std::lock_guard lock(mutex_);
        if (silent_ || (faults_.silentAfterBytes >= 0 && sentSinceFaults_ >= faults_.silentAfterBytes)) {
            silent_ = true;
            throw Silence{};
        }
        ++sentSinceFaults_;
        paced = faults_.paced;
        turnaround = faults_.turnaround;
    }
    if (paced) {
        const auto arrives = std::max(lineFree_, std::chrono::steady_clock::now()) + turnaround + kByteTime;
        waitUntil(arrives);
        lineFree_ = arrives;
    }
    pty_.write(byte);
}

void MeterSimulator::sendData(std::uint8_t byte)
{
    send(byte);
    const std::uint8_t echo = receive();
    if (echo != byte)
        violation("echo " + hex(echo) + " for data byte " + hex(byte));
}

void MeterSimulator::serve(std::uint8_t command)
{
    {
        std::lock_guard lock(mutex_);
        ++commands_[command];
    }
    auto receiveAddress = [this] {
        const std::uint8_t high = receive();
        sendAck();
        const std::uint8_t low = receive();
        sendAck();
        return static_cast<std::uint16_t>(high * 256 + low);
    };
    auto sendWord = [this](std::uint16_t word) {
        sendData(static_cast<std::uint8_t>(word >> 8));
        sendData(static_cast<std::uint8_t>(word & 0xFF));
    };

    switch (command) {
    case CmdProbe:
        send(kProbeReply);
        break;
    case CmdDeviceType:
        sendAck();
        sendData(model_.typeCode);
        break;
    case CmdSubType:
        sendAck();
        sendData(model_.subType);
        break;
    case CmdReadings: {
        sendAck();
        const ReadingWords r = model_.nextReading();
        sendWord(r.rh);
        sendWord(r.ta);
        sendWord(r.tg);
        break;
    }
    case CmdLoggerRecord: {
        sendAck();
        const std::uint16_t address = receiveAddress();
        {
            std::lock_guard lock(mutex_);
            loggerAddresses_.push_back(address);
        }
        for (std::uint8_t byte : model_.loggerRecord(address))
            sendData(byte);
        break;
    }
    case CmdSetClock: {
        sendAck();
        std::vector<std::uint8_t> message{command};
        for (int i = 0; i < 5; ++i) {
            message.push_back(receive());
            sendAck();
        }
        std::lock_guard lock(mutex_);
        clock_ = message;
        break;
    }
    case CmdReadMemory: {
        sendAck();
        sendWord(model_.memoryWord(receiveAddress()));
        break;
    }
    default:
        violation("unexpected byte " + hex(command) + " where a command was due");
        break;
    }
}

}  // namespace velt::sim
