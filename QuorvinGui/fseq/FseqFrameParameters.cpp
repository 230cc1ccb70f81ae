#include "fseq/FseqFrameParameters.h"

#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

#include <algorithm>
#include <functional>

namespace {

constexpr std::int32_t byteMaximum = 127;

} // namespace

FseqFrameParameters::FseqFrameParameters(ParameterFactory& factory, PackedAddress first, std::int32_t initialValue)
{
    parameters_.reserve(frameCount);
    for (std::size_t frame = 0; frame < frameCount; ++frame)
        adopt(factory.addOwnedSysexParameter(frameAddress(first, frame), 0, byteMaximum), initialValue);
    indexForLookup();
}

FseqFrameParameters::FseqFrameParameters(ParameterFactory& factory, PackedAddress firstHigh, PackedAddress firstLow,
    std::int32_t initialValue)
{
    parameters_.reserve(frameCount);
    for (std::size_t frame = 0; frame < frameCount; ++frame)
        adopt(factory.addSplitSysexParameter(frameAddress(firstHigh, frame), frameAddress(firstLow, frame)),
            initialValue);
    indexForLookup();
}

FseqFrameParameters::~FseqFrameParameters() = default;

PackedAddress FseqFrameParameters::frameAddress(PackedAddress first, std::size_t frame)
{
    return addToPackedAddress(first, std::uint32_t(frame * frameStride));
}

void FseqFrameParameters::adopt(std::unique_ptr<SysexParameter> parameter, std::int32_t initialValue)
{
    parameter->setDefaultValue(initialValue);
    parameter->setValue(flagsConstruct, initialValue);
    parameters_.push_back(std::move(parameter));
}

void FseqFrameParameters::indexForLookup()
{
    sorted_.reserve(parameters_.size());
    for (const auto& parameter : parameters_)
        sorted_.push_back(parameter.get());
    std::sort(sorted_.begin(), sorted_.end(), std::less<>());
}

Parameter& FseqFrameParameters::at(std::size_t index) const { return *parameters_.at(index); }

bool FseqFrameParameters::contains(const Parameter* parameter) const
{
    return std::binary_search(sorted_.begin(), sorted_.end(), parameter, std::less<>());
}
