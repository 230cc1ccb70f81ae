#pragma once
// A device of seven named pages that writes down, in order, what the
// start-up and the main window ask of it, and the device type that makes it.
// Its messages and waits go to a recorder, not to windows.
#include "device/DeviceType.h"
#include "tests/device/FakeUserInterface.h"
#include "tests/support/PagelessDevice.h"

#include <array>
#include <string>
#include <vector>

#include <wx/gdicmn.h>

class RecordingDevice : public PagelessDevice {
public:
    static inline const wxSize pageAreaSize{640, 360};

    RecordingDevice(wxWindow& parent, const XmlElement& settings, DeviceUserInterface& userInterface,
        std::vector<std::string>& calls);
    ~RecordingDevice() override;

    // Makes a finder too, so that connecting searches the (empty) port lists.
    bool setup(wxWindow* parent) override;
    wxWindow* mainPanel() override { return pages_; }
    ValueLabels panelNames() const override;
    void resetCurrentPanel() override { record("resetCurrentPanel"); }
    void openFile() override { record("openFile"); }
    void undo(std::int32_t panel) override { record("undo " + std::to_string(panel)); }
    void redo(std::int32_t panel) override { record("redo " + std::to_string(panel)); }
    void dumpHistory(std::int32_t panel) override { record("dumpHistory " + std::to_string(panel)); }
    void saveToDevice(std::int32_t part) override { record("saveToDevice " + std::to_string(part)); }
    void showPanel(std::int32_t panel) override { record("showPanel " + std::to_string(panel)); }
    void saveToFile(bool asNew, std::int32_t part) override
    {
        record(std::string("saveToFile ") + (asNew ? "new " : "same ") + std::to_string(part));
    }
    void saveAll() override { record("saveAll"); }
    std::vector<PackedAddress> probeAddresses() const override { return {}; }
    std::int32_t maxSysexSize() const override { return 64; }
    std::int32_t dumpOverhead() const override { return 0; }
    void onConnected() override { record("onConnected"); }
    void onDisconnect() override { record("onDisconnect"); }
    void onDumpReceived(PackedAddress, std::span<const std::uint8_t>) override {}

private:
    void record(const std::string& call) { calls_.push_back(call); }

    std::vector<std::string>& calls_;
    wxWindow* pages_;
};

class RecordingDeviceType : public DeviceType {
public:
    RefString getId() const override { return RefString(u"TEST_DEVICE"); }
    RefString getProductName() const override { return RefString(u"QuorvinEdit-FS1R"); }
    // Ignores the main window's user interface for the recorder's.
    std::unique_ptr<Device> createDevice(wxWindow& parent, const XmlElement& settings,
        DeviceUserInterface& userInterface) const override;

    mutable std::vector<std::string> calls;
    mutable FakeUserInterface userInterface;
};

// The message the splash shows, or "(no splash)".
std::string splashText();
