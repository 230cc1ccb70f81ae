#include "gui/WxDeviceUserInterface.h"

#include "device/ParameterAction.h"
#include "gui/DeviceWaitWindow.h"
#include "gui/WaitArt.h"
#include "text/WxText.h"

#include <wx/msgdlg.h>

void WxDeviceUserInterface::showMessage(const RefString& caption, const RefString& text)
{
    wxMessageBox(toWxString(text), toWxString(caption), wxOK | wxCENTRE);
}

std::unique_ptr<DeviceWaitDialog> WxDeviceUserInterface::createWaitDialog(wxWindow* parent)
{
    return std::make_unique<DeviceWaitWindow>(parent, loadBusyAnimation());
}

std::unique_ptr<ParameterAction> WxDeviceUserInterface::createControlSetDialog(MidiControlSet&, wxWindow*,
    const ControlStyle*)
{
    return nullptr;
}
