#pragma once
// What the device needs of windows: message boxes, its wait dialog and the
// MIDI control-set dialogs. The GUI implements it, so the device itself runs
// (and is tested) without a window. Not owned by the device; it must outlive
// the device.
#include "text/RefString.h"

#include <memory>

class ControlStyle;
class DeviceWaitDialog;
class MidiControlSet;
class ParameterAction;
class wxWindow;

class DeviceUserInterface {
public:
    virtual ~DeviceUserInterface() = default;

    // A box with the text and an OK button, centred on the screen, with no
    // parent window; returns when the user closed it.
    virtual void showMessage(const RefString& caption, const RefString& text) = 0;
    // The busy dialog, with the busy animation, shown over parent while the
    // device waits for the instrument.
    virtual std::unique_ptr<DeviceWaitDialog> createWaitDialog(wxWindow* parent) = 0;
    // The dialog of one control set, a child of parent drawn in the style;
    // the action makes it when first run and shows it, its text names it.
    virtual std::unique_ptr<ParameterAction> createControlSetDialog(MidiControlSet& controlSet, wxWindow* parent,
        const ControlStyle* style) = 0;
};
