#pragma once
// A device without pages, files, libraries or windows, for the tests of what
// lies below the device (the MIDI interface, parameters): its page and file
// commands do nothing and its setup adds nothing of its own.
#include "device/Device.h"

class PagelessDevice : public Device {
public:
    PagelessDevice() : PagelessDevice(RefString(u"TEST_DEVICE"), 0, 0, XmlElement(), nullptr) {}
    PagelessDevice(const RefString& typeId, std::uint32_t libraryCount, std::uint32_t pageCapacity,
        const XmlElement& settings, DeviceUserInterface* userInterface)
        : Device(typeId, libraryCount, pageCapacity, settings, userInterface)
    {
    }

    wxWindow* mainPanel() override { return nullptr; }
    void resetCurrentPanel() override {}
    void openFile() override {}
    void undo(std::int32_t) override {}
    void redo(std::int32_t) override {}
    void dumpHistory(std::int32_t) override {}
    void saveToDevice(std::int32_t) override {}
    ValueLabels panelNames() const override { return {}; }
    void showPanel(std::int32_t) override {}
    std::int32_t currentPanel() const override { return shownPanel; }
    void loadCurrentPatch(std::int32_t) override {}
    void saveToFile(bool, std::int32_t) override {}
    void saveAll() override {}
    const ControlStyle* dialogStyle() override { return nullptr; }
    void onDisconnect() override {}

protected:
    void buildAddressMap() override {}
    void setupSysexProtocol() override {}
    bool setupLibraries() override { return true; }
};
