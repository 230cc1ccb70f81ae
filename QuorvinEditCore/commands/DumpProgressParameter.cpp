#include "commands/DumpProgressParameter.h"

#include "device/DeviceWaitDialog.h"
#include "midi/MidiInterface.h"
#include "text/WxText.h"

#include <wx/intl.h>
#include <wx/log.h>

namespace {

constexpr std::uint32_t microsecondsPerMillisecond = 1000;

} // namespace

DumpProgressParameter::DumpProgressParameter(std::unique_ptr<DeviceWaitDialog> waitDialog,
    MidiInterface& midiInterface, PackedAddress address, DumpDataSource& source, std::int32_t finishMs)
    : CommandParameter(SetValueFlag::saveAction), waitDialog_(std::move(waitDialog)), midiInterface_(midiInterface),
      sourceAddress_(address), destinationAddress_(address), source_(source), finishMs_(finishMs)
{
}

DumpProgressParameter::~DumpProgressParameter() = default;

void DumpProgressParameter::setLengthParameter(Parameter* length, Rational scale, Rational offset)
{
    if (length_ != nullptr)
        length_->removeListener(this);
    length_ = length;
    lengthScale_ = scale;
    lengthOffset_ = offset;
    // Only to hear of its destruction: a dump after that uses the default.
    if (length_ != nullptr)
        length_->addListener(this);
}

std::optional<std::uint32_t> DumpProgressParameter::byteCount() const
{
    if (length_ == nullptr)
        return defaultByteCount;
    const Rational scaled(std::int64_t(length_->getValue()) * lengthScale_.numerator, lengthScale_.denominator);
    const std::int64_t bytes = Rational::round(Rational::add(scaled, lengthOffset_));
    if (bytes < 1 || bytes > std::int64_t(defaultByteCount))
        return std::nullopt;
    return std::uint32_t(bytes);
}

std::uint32_t DumpProgressParameter::estimatedWaitMs(std::uint32_t bytes)
{
    return bytes * microsecondsPerByte / countDivisor / microsecondsPerMillisecond;
}

void DumpProgressParameter::run()
{
    const std::optional<std::uint32_t> bytes = byteCount();
    // A length set past its range (a file loaded without clamping) would
    // read past the sequence in memory and announce more than the
    // instrument takes.
    if (!bytes) {
        wxLogWarning("Dump to device refused: the length %d gives no valid byte count", length_->getValue());
        return;
    }
    // The wait comes first: the user sees the estimated transfer time, and
    // the dump goes out while the dialog runs its finish.
    if (waitDialog_)
        waitDialog_->runTimedWait(fromWxString(_("Dump to device in progress")), std::int32_t(estimatedWaitMs(*bytes)),
            finishMs_);
    midiInterface_.sendDump(sourceAddress_, *bytes, source_, destinationAddress_, countDivisor);
}

void DumpProgressParameter::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == length_)
        length_ = nullptr;
}
