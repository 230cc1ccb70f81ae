#pragma once
// The device connected to the simulated FS1R, every part playing a voice,
// its file and save-to-device dialogs answered by the test.
#include "DumpWriter.h"
#include "FakePatchDialogs.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rSysexFile.h"
#include "instrument/tests/device/Fs1rDeviceFixture.h"
#include "params/SetValueFlags.h"
#include "tests/support/FileBytes.h"

class PatchCommandFixture : public Fs1rDeviceFixture {
protected:
    using Bytes = std::vector<std::uint8_t>;
    using L = Fs1rMemoryLayout;

    void SetUp() override
    {
        connect();
        device->setPatchDialogs(&dialogs);
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

    // As if received from the instrument: not recorded, not sent.
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

    std::string syxFile(const std::string& name, PackedAddress address, const Bytes& data)
    {
        writeFile(folder / name, bulkDump(address, data));
        return (folder / name).string();
    }

    FakePatchDialogs dialogs;
};
