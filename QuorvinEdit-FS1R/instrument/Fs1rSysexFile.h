#pragma once
// One FS1R .syx file: exactly one bulk dump of a performance, a voice or a
// formant sequence, with nothing before or after it. Files are checked whole
// when read, so a file that fails is refused before anything is written; a
// checked file is a plain value owned by whoever read it. Also builds the
// file of an edit buffer. Used by the file commands and the patch caches.
#include "instrument/Fs1rPart.h"
#include "instrument/Fs1rSysexProtocol.h"
#include "sysex/DeviceDataSink.h"
#include "sysex/DumpDataSource.h"
#include "sysex/SysexParseResult.h"
#include "sysex/SysexTemplate.h"
#include "text/RefString.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class wxString;

class Fs1rSysexFile {
public:
    // The largest file: the dump of a formant sequence of 512 frames.
    static constexpr std::size_t maxFileSize = std::size_t(Fs1rSysexProtocol::maxSysexSize);
    // Where the sequence's length code sits in its dump.
    static constexpr std::uint32_t fseqLengthCodeOffset = 0x1B;

    // Checks the bytes of a file: one bulk dump matching the template
    // (framing, status bytes, byte count, checksum), at an address that
    // holds a patch, with that patch's data length. The template is copied.
    static Fs1rSysexFile parse(std::span<const std::uint8_t> bytes, const SysexTemplate& bulkDump);
    // Reads the file at the (UTF-8) path and parses it; a file that cannot
    // be read, or that is larger than any dump, is refused as well.
    static Fs1rSysexFile read(const std::string& path, const SysexTemplate& bulkDump);

    bool isValid() const { return error_.isEmpty(); }
    // Why the file is refused, to show to the user; empty when valid.
    const RefString& error() const { return error_; }
    // The codec's result for the dump; success when the dump itself was
    // sound or never reached.
    SysexParseResult parseResult() const { return parseResult_; }
    // The patch the file holds: the performance, the voice of the part it
    // names (an internal-slot voice names part 1) or the formant sequence;
    // Fs1rParts::shownPage for a refused file.
    Fs1rPart part() const { return part_; }
    // The address in the file's header.
    PackedAddress address() const { return address_; }
    bool isInternalSlot() const { return internalSlot_; }

    // Writes the data into the sink at the edit buffer of the file's part,
    // or of destinationVoice (0 to 3) for a voice. False, with nothing
    // written, for a refused file or a destination outside 0 to 3.
    bool load(DeviceDataSink& sink, std::uint32_t flags, std::optional<std::uint32_t> destinationVoice = {}) const;
    // Where load writes the data: the edit buffer of the file's part, or of
    // destinationVoice for a voice.
    PackedAddress editBufferAddress(std::optional<std::uint32_t> destinationVoice) const;
    // The data bytes of the dump, 0 for a refused file.
    std::uint32_t dataSize() const { return dataSize_; }
    // The data byte at the index; none past the data.
    std::optional<std::uint8_t> dataByte(std::uint32_t index) const;

    // The file of a part's edit buffer, the data read from the source; a
    // sequence's count is halved as its dump needs. Empty for no valid part
    // or when the dump cannot be built.
    static std::vector<std::uint8_t> build(Fs1rPart part, const SysexTemplate& bulkDump, DumpDataSource& source,
        std::uint8_t deviceNumber);
    // Data bytes of a part's edit-buffer dump; a sequence's by its length
    // code. 0 for no valid part.
    static std::uint32_t editBufferSize(Fs1rPart part, DumpDataSource& source);
    // Frames of the edited sequence, by the length code in the source.
    static std::uint32_t fseqFrameCount(DumpDataSource& source);

private:
    explicit Fs1rSysexFile(const SysexTemplate& bulkDump) : template_(bulkDump) {}
    void check(std::span<const std::uint8_t> bytes);
    void refuse(const wxString& error, SysexParseResult result = SysexParseResult::success);
    // A dump the codec found damaged.
    void refuseDump(SysexParseResult result);
    // False for an address that holds no patch.
    bool takeAddress(PackedAddress address);
    std::uint32_t expectedDataLength(std::span<const std::uint8_t> data) const;

    SysexTemplate template_;
    std::vector<std::uint8_t> message_;
    std::uint32_t dataSize_ = 0;
    // Where the data start in the message.
    std::size_t dataStart_ = 0;
    RefString error_;
    SysexParseResult parseResult_ = SysexParseResult::success;
    Fs1rPart part_ = Fs1rParts::shownPage;
    PackedAddress address_ = 0;
    bool internalSlot_ = false;
};
