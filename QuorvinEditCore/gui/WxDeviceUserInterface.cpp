#include "gui/WxDeviceUserInterface.h"

#include "gui/ControlSetDialogAction.h"
#include "gui/ControlStyle.h"
#include "gui/DeviceWaitWindow.h"
#include "gui/WaitArt.h"
#include "text/WxText.h"

#include <wx/msgdlg.h>
#include <wx/window.h>

void WxDeviceUserInterface::showMessage(const RefString& caption, const RefString& text)
{
    wxMessageBox(toWxString(text), toWxString(caption), wxOK | wxCENTRE,
        window_ != nullptr && window_->IsShown() ? window_ : nullptr);
}

std::unique_ptr<DeviceWaitDialog> WxDeviceUserInterface::createWaitDialog(wxWindow* parent)
{
    return std::make_unique<DeviceWaitWindow>(parent, loadBusyAnimation());
}

std::unique_ptr<ParameterAction> WxDeviceUserInterface::createControlSetDialog(MidiControlSet& controlSet,
    wxWindow* parent, const ControlStyle* style)
{
    static const ControlStyle plainStyle;
    return std::make_unique<ControlSetDialogAction>(controlSet, parent, style ? *style : plainStyle);
}
