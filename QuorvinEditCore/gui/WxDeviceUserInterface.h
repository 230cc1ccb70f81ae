#pragma once
// The device's message boxes and wait dialog as toolkit windows. The main
// window owns it, so it outlives the device it serves.
#include "device/DeviceUserInterface.h"

class WxDeviceUserInterface : public DeviceUserInterface {
public:
    // The message boxes show over the window, once it is on the screen.
    explicit WxDeviceUserInterface(wxWindow* window = nullptr) : window_(window) {}

    void showMessage(const RefString& caption, const RefString& text) override;
    // The busy form of the wait dialog, with the busy animation.
    std::unique_ptr<DeviceWaitDialog> createWaitDialog(wxWindow* parent) override;
    // The action that makes the set's dialog when first run and shows it;
    // the dialog runs MIDI learn for the set from then on. Without a style
    // it takes the default one.
    std::unique_ptr<ParameterAction> createControlSetDialog(MidiControlSet& controlSet, wxWindow* parent,
        const ControlStyle* style) override;

private:
    wxWindow* window_;
};
