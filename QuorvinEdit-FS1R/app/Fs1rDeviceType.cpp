#include "app/Fs1rDeviceType.h"

#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rLibraries.h"
#include "instrument/gui/InternalMemoryChooser.h"
#include "instrument/gui/WxPatchDialogs.h"
#include "panels/PanelManager.h"

#include <wx/clntdata.h>

namespace {

// The file dialogs open over the page window and go with it, which is after
// the device: the main window deletes its device before its child windows.
class PageWindowDialogs : public wxClientData {
public:
    PageWindowDialogs(wxWindow* pages, WxPatchDialogs::SlotChooser chooseSlot)
        : dialogs(pages, std::move(chooseSlot))
    {
    }

    WxPatchDialogs dialogs;
};

} // namespace

RefString Fs1rDeviceType::getId() const { return RefString::fromNarrow(Fs1rLibraries::instrumentId); }

std::unique_ptr<Device> Fs1rDeviceType::createDevice(wxWindow& parent, const XmlElement& settings,
    DeviceUserInterface& userInterface) const
{
    auto* pages = new PanelManager(&parent);
    auto device = std::make_unique<Fs1rDevice>(*pages, settings, &userInterface);
    // Only the device asks for a slot, so the chooser's device lives whenever it is asked.
    auto* dialogs = new PageWindowDialogs(pages, InternalMemoryChooser(*device, pages));
    pages->SetClientObject(dialogs);
    device->setPatchDialogs(&dialogs->dialogs);
    return device;
}
