#pragma once
// The 512 frame values of one formant-sequence track, one SysEx parameter
// per frame at addresses 50 apart: a level is the one byte of its frame
// (0..127), a frequency 14 bits over two bytes. Owns its parameters (the factory hands
// them over); shared by the graph track that shows them.
#include "fseq/ParameterSequence.h"
#include "sysex/PackedAddress.h"

#include <cstdint>
#include <memory>
#include <vector>

class ParameterFactory;
class SysexParameter;

class FseqFrameParameters : public ParameterSequence {
public:
    static constexpr std::size_t frameCount = 512;
    // Bytes of one frame in the instrument's memory.
    static constexpr std::uint32_t frameStride = 50;

    // One byte per frame, and never its neighbour's.
    FseqFrameParameters(ParameterFactory& factory, PackedAddress first, std::int32_t initialValue);
    // One 14-bit value over two addresses per frame, the higher part first.
    FseqFrameParameters(ParameterFactory& factory, PackedAddress firstHigh, PackedAddress firstLow,
        std::int32_t initialValue);
    ~FseqFrameParameters() override;

    std::size_t count() const override { return parameters_.size(); }
    Parameter& at(std::size_t index) const override;
    bool contains(const Parameter* parameter) const override;

    // The address of frame k given that of frame 0, in 7-bit groups.
    static PackedAddress frameAddress(PackedAddress first, std::size_t frame);

private:
    void adopt(std::unique_ptr<SysexParameter> parameter, std::int32_t initialValue);
    void indexForLookup();

    std::vector<std::unique_ptr<SysexParameter>> parameters_;
    // The same parameters by address, so a change is told apart quickly.
    std::vector<const Parameter*> sorted_;
};
