#include "app/Fs1rDeviceType.h"

#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rLibraries.h"
#include "panels/PanelManager.h"

RefString Fs1rDeviceType::getId() const { return RefString::fromNarrow(Fs1rLibraries::instrumentId); }

std::unique_ptr<Device> Fs1rDeviceType::createDevice(wxWindow& parent, const XmlElement& settings,
    DeviceUserInterface& userInterface) const
{
    auto* pages = new PanelManager(&parent);
    return std::make_unique<Fs1rDevice>(*pages, settings, &userInterface);
}
