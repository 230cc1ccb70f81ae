#include "app/Fs1rDeviceType.h"

#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rLibraries.h"
#include "instrument/gui/WxPatchDialogs.h"
#include "panels/PanelManager.h"

#include <wx/clntdata.h>

namespace {

// The file dialogs open over the page window and go with it, which is after
// the device: the main window deletes its device before its child windows.
class PageWindowDialogs : public wxClientData {
public:
    explicit PageWindowDialogs(wxWindow* pages) : dialogs(pages) {}

    WxPatchDialogs dialogs;
};

} // namespace

RefString Fs1rDeviceType::getId() const { return RefString::fromNarrow(Fs1rLibraries::instrumentId); }

std::unique_ptr<Device> Fs1rDeviceType::createDevice(wxWindow& parent, const XmlElement& settings,
    DeviceUserInterface& userInterface) const
{
    auto* pages = new PanelManager(&parent);
    auto* dialogs = new PageWindowDialogs(pages);
    pages->SetClientObject(dialogs);
    auto device = std::make_unique<Fs1rDevice>(*pages, settings, &userInterface);
    device->setPatchDialogs(&dialogs->dialogs);
    return device;
}
