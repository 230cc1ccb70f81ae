#pragma once
// Names the instrument an editor program drives and makes its device: the
// one place where the instrument-independent start-up learns which
// instrument it brings up. The application owns it for the start-up only.
#include "text/RefString.h"
#include "xml/XmlElement.h"

#include <memory>

class Device;
class DeviceUserInterface;
class wxWindow;

class DeviceType {
public:
    virtual ~DeviceType() = default;

    // Names the device's element in the settings file, its cache folder and
    // the device's message boxes.
    virtual RefString getId() const = 0;
    // Titles the program's window, its about box and the first-run notice,
    // and names the application's message catalogue.
    virtual RefString getProductName() const = 0;
    // A new device whose windows are children of parent; settings is its
    // element of the settings document. userInterface outlives the device.
    virtual std::unique_ptr<Device> createDevice(wxWindow& parent, const XmlElement& settings,
        DeviceUserInterface& userInterface) const = 0;
};
