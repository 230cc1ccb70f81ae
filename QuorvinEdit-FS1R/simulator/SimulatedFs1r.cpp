#include "simulator/SimulatedFs1r.h"

#include "simulator/SimulatorLayout.h"

namespace {

using L = SimulatorLayout;

constexpr unsigned deviceNumbers = 16;
constexpr unsigned fseqCountDivisor = 2; // 25,632 bytes do not fit a 14-bit count
constexpr std::size_t keptShortMessages = 1024;

// Short messages and the system settings that govern them.
constexpr std::uint8_t controlChange = 0xB0;
constexpr std::uint8_t programChange = 0xC0;
constexpr std::uint8_t bankSelectLsb = 0x20;
constexpr std::uint8_t internalPerformanceBank = 0x40; // banks 0x40 to 0x43
constexpr std::uint32_t performanceChannelAddress = 0x000009; // 0-15, 16 every channel
constexpr unsigned everyChannel = 16;
constexpr std::uint32_t bankReceiveAddress = 0x000012;
constexpr std::uint32_t programReceiveAddress = 0x000013;

// Parameters whose change makes the instrument load another patch.
constexpr std::uint32_t performanceEditBuffer = 0x100000;
constexpr std::uint32_t firstPartAddress = 0x300000;
constexpr std::uint32_t partAddressStep = 0x010000;
constexpr std::uint32_t fseqBankAddress = 0x100000 + L::fseqBankOffset;
constexpr std::uint32_t fseqNumberAddress = 0x100000 + L::fseqNumberOffset;

std::optional<unsigned> partSelectedBy(std::uint32_t address)
{
    for (unsigned part = 0; part < L::partCount; ++part) {
        const std::uint32_t base = firstPartAddress + part * partAddressStep;
        if (address == base + L::partVoiceBankOffset || address == base + L::partVoiceNumberOffset)
            return part;
    }
    return std::nullopt;
}

void breakChecksum(std::vector<std::uint8_t>& dump)
{
    std::uint8_t& checksum = dump[dump.size() - 2];
    checksum = (checksum + 1) & 0x7F;
}

void truncate(std::vector<std::uint8_t>& dump)
{
    constexpr std::size_t headerSize = SimulatorCodec::dumpOverhead - 2; // before the data
    const std::size_t dataSize = dump.size() - SimulatorCodec::dumpOverhead;
    dump.resize(headerSize + dataSize / 2);
    dump.push_back(0xF7);
}

} // namespace

SimulatedFs1r::SimulatedFs1r(Transmit transmit)
    : transmit_(std::move(transmit)),
      parser_(
          L::largestMessage, [this](const std::uint8_t* data, std::size_t size) { handleSysex(data, size); },
          [this](const std::uint8_t* data, std::size_t size) { handleShortMessage(data, size); }),
      bankSelect_(internalPerformanceBank)
{
}

void SimulatedFs1r::setTransmit(Transmit transmit)
{
    std::lock_guard lock(mutex_);
    transmit_ = std::move(transmit);
}

void SimulatedFs1r::receiveBytes(const std::uint8_t* data, std::size_t size)
{
    std::unique_lock lock(mutex_);
    parser_.feed(data, size);
    transmitQueued(lock);
}

bool SimulatedFs1r::setDeviceNumber(unsigned number)
{
    if (number >= deviceNumbers)
        return false;
    std::lock_guard lock(mutex_);
    deviceNumber_ = number;
    return true;
}

unsigned SimulatedFs1r::deviceNumber() const
{
    std::lock_guard lock(mutex_);
    return deviceNumber_;
}

void SimulatedFs1r::setFaults(const Faults& faults)
{
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

void SimulatedFs1r::setEffectTypeDefaults(EffectTypeDefaults defaults)
{
    std::lock_guard lock(mutex_);
    effectTypeDefaults_ = std::move(defaults);
}

std::optional<unsigned> SimulatedFs1r::parameterValue(std::uint32_t address) const
{
    std::lock_guard lock(mutex_);
    return memory_.readParameter(address);
}

std::vector<std::uint8_t> SimulatedFs1r::dumpData(std::uint32_t dumpAddress) const
{
    std::lock_guard lock(mutex_);
    const auto patch = memory_.patchAt(dumpAddress);
    if (!patch)
        return {};
    const auto data = memory_.dumpData(*patch);
    return {data.begin(), data.end()};
}

bool SimulatedFs1r::editParameter(std::uint32_t address, unsigned value)
{
    std::unique_lock lock(mutex_);
    if (!applyParameterChange(address, value))
        return false;
    queue(SimulatorCodec::parameterChange(answerDeviceNumber(), address, value));
    transmitQueued(lock);
    return true;
}

bool SimulatedFs1r::sendDump(std::uint32_t dumpAddress)
{
    std::unique_lock lock(mutex_);
    const bool sent = answerDumpRequest(dumpAddress);
    transmitQueued(lock);
    return sent;
}

std::size_t SimulatedFs1r::rejectedDumpCount() const
{
    std::lock_guard lock(mutex_);
    return rejectedDumps_;
}

std::vector<std::vector<std::uint8_t>> SimulatedFs1r::receivedShortMessages() const
{
    std::lock_guard lock(mutex_);
    return {shortMessages_.begin(), shortMessages_.end()};
}

void SimulatedFs1r::handleSysex(const std::uint8_t* data, std::size_t size)
{
    const auto message = SimulatorCodec::decode(std::span(data, size));
    if (!message || message->deviceNumber != deviceNumber_)
        return;
    switch (message->kind) {
    case SimulatorMessage::Kind::ParameterRequest:
        answerParameterRequest(message->address);
        break;
    case SimulatorMessage::Kind::DumpRequest:
        answerDumpRequest(message->address);
        break;
    case SimulatorMessage::Kind::ParameterChange:
        applyParameterChange(message->address, message->value);
        break;
    case SimulatorMessage::Kind::BulkDump:
        applyBulkDump(*message);
        break;
    }
}

void SimulatedFs1r::handleShortMessage(const std::uint8_t* data, std::size_t size)
{
    if (shortMessages_.size() == keptShortMessages)
        shortMessages_.pop_front();
    shortMessages_.emplace_back(data, data + size);

    const std::uint8_t kind = data[0] & 0xF0;
    if (kind == controlChange && size == 3 && data[1] == bankSelectLsb && memory_.readParameter(bankReceiveAddress) == 1u)
        bankSelect_ = data[2];
    else if (kind == programChange && size == 2)
        handleProgramChange(data[0] & 0x0F, data[1]);
}

void SimulatedFs1r::handleProgramChange(unsigned channel, unsigned program)
{
    const unsigned performanceChannel = memory_.readParameter(performanceChannelAddress).value_or(0);
    const bool onChannel = performanceChannel == channel || performanceChannel == everyChannel;
    if (!onChannel || memory_.readParameter(programReceiveAddress) != 1u || bankSelect_ < internalPerformanceBank)
        return;
    memory_.selectPerformance(bankSelect_ - internalPerformanceBank, program);
}

bool SimulatedFs1r::applyParameterChange(std::uint32_t address, unsigned value)
{
    const auto before = memory_.readParameter(address);
    if (!memory_.writeParameter(address, value))
        return false;
    if (before != value)
        applyEffectTypeDefaults(address, value);
    if (const auto part = partSelectedBy(address))
        memory_.selectPartVoice(*part);
    else if (address == fseqBankAddress || address == fseqNumberAddress)
        memory_.selectFormantSequence();
    return true;
}

// A new effect type brings its own values, as on the instrument; a dump
// brings every value itself, and the same type again changes nothing.
void SimulatedFs1r::applyEffectTypeDefaults(std::uint32_t address, unsigned type)
{
    const auto found = effectTypeDefaults_.find({address, type});
    if (found == effectTypeDefaults_.end())
        return;
    for (const auto& [parameter, value] : found->second)
        memory_.writeParameter(parameter, value);
}

void SimulatedFs1r::applyBulkDump(const SimulatorMessage& message)
{
    const auto patch = memory_.patchAt(message.address);
    const std::size_t size = message.data.size();
    const bool countFits = message.byteCount == size ||
                           (patch && patch->kind == SimulatorMemory::Kind::FormantSequence &&
                            message.byteCount == size / fseqCountDivisor);
    if (!patch || !message.checksumHolds || !countFits || !memory_.fits(*patch, message.data)) {
        ++rejectedDumps_;
        return;
    }
    memory_.write(*patch, message.data);
    // Taken as the instrument takes a performance chosen on its panel.
    if (message.address == performanceEditBuffer)
        memory_.selectPerformanceContents();
}

void SimulatedFs1r::answerParameterRequest(std::uint32_t address)
{
    if (const auto value = memory_.readParameter(address))
        queue(SimulatorCodec::parameterChange(answerDeviceNumber(), address, *value));
}

bool SimulatedFs1r::answerDumpRequest(std::uint32_t dumpAddress)
{
    const auto patch = memory_.patchAt(dumpAddress);
    if (!patch)
        return false;
    const auto data = memory_.dumpData(*patch);
    if (data.empty())
        return false;
    const unsigned divisor = patch->kind == SimulatorMemory::Kind::FormantSequence ? fseqCountDivisor : 1;
    std::vector<std::uint8_t> dump = SimulatorCodec::bulkDump(answerDeviceNumber(), dumpAddress, data, divisor);
    if (faults_.badChecksum)
        breakChecksum(dump);
    if (faults_.truncatedDump)
        truncate(dump);
    queue(std::move(dump));
    return true;
}

void SimulatedFs1r::queue(std::vector<std::uint8_t> message)
{
    if (!faults_.silent)
        outbox_.push_back(std::move(message));
}

unsigned SimulatedFs1r::answerDeviceNumber() const
{
    return faults_.wrongDeviceNumber ? (deviceNumber_ + 1) % deviceNumbers : deviceNumber_;
}

void SimulatedFs1r::transmitQueued(std::unique_lock<std::mutex>& lock)
{
    std::vector<std::vector<std::uint8_t>> messages;
    messages.swap(outbox_);
    const Transmit transmit = transmit_;
    lock.unlock();
    if (!transmit)
        return;
    for (const auto& message : messages)
        transmit(message.data(), message.size());
}
