#pragma once
// Names the Yamaha FS1R to the editor core and makes its device with the
// editor pages. The application holds one for the start-up.
#include "device/DeviceType.h"

class Fs1rDeviceType : public DeviceType {
public:
    static constexpr char16_t productName[] = u"QuorvinEdit-FS1R";

    // "YAMAHA_FS1R".
    RefString getId() const override;
    RefString getProductName() const override { return RefString(productName); }
    // The page window is made a child of parent, which destroys it after
    // the device.
    std::unique_ptr<Device> createDevice(wxWindow& parent, const XmlElement& settings,
        DeviceUserInterface& userInterface) const override;
};
