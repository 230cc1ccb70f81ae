#pragma once
// The device connected to the simulated FS1R, with the file and
// save-to-device commands answered by fake dialogs, and helpers that fill
// and read the edit buffers.
#include "DumpWriter.h"
#include "FakePatchDialogs.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexFile.h"
#include "instrument/tests/device/Fs1rDeviceFixture.h"
#include "params/SetValueFlags.h"
#include "tests/support/FileBytes.h"

#include <cstdint>
#include <string>
#include <vector>

class PatchCommandFixture : public Fs1rDeviceFixture {
protected:
    using Bytes = std::vector<std::uint8_t>;
    using L = Fs1rMemoryLayout;

    // Every part plays a voice, so every voice can be saved.
    void SetUp() override
    {
        connect();
        for (std::uint32_t p = 0; p < Fs1rParts::voiceCount; ++p)
            device->addressMap().setValue(L::partVoiceBankAddress(p), 1, flagsSysexReceived);
    }

    static Bytes pattern(std::size_t size, std::uint8_t seed)
    {
        Bytes data(size);
        for (std::size_t i = 0; i < size; ++i)
            data[i] = std::uint8_t((seed + i * 7) & 0x7F);
        return data;
    }

    // As received from the instrument: not recorded, not sent.
    void write(PackedAddress dumpAddress, const Bytes& data)
    {
        writeDump(*device, dumpAddress, data, flagsSysexReceived);
    }

    Bytes editBuffer(Fs1rPart part)
    {
        Bytes data(Fs1rSysexFile::editBufferSize(part, *device));
        std::uint32_t sum = 0;
        device->readBytesWithSum(*L::editBufferDumpAddress(part), data, sum);
        return data;
    }

    // A .syx file in the test's folder holding one dump of the data.
    std::string syxFile(const std::string& name, PackedAddress address, const Bytes& data)
    {
        const std::filesystem::path path = folder / name;
        writeFile(path, bulkDump(address, data));
        return path.string();
    }

    static Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

    FakePatchDialogs dialogs;
};
