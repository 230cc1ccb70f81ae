#include "tests/gui_mainframe/RecordingDevice.h"

#include "gui/WaitDialog.h"

#include <wx/panel.h>
#include <wx/stattext.h>

namespace {

const std::array<RefString, 7> pageNames = {RefString(u"System"), RefString(u"Performance"), RefString(u"Voice 1"),
    RefString(u"Voice 2"), RefString(u"Voice 3"), RefString(u"Voice 4"), RefString(u"Formant sequence")};

} // namespace

RecordingDevice::RecordingDevice(wxWindow& parent, const XmlElement& settings, DeviceUserInterface& userInterface,
    std::vector<std::string>& calls)
    : PagelessDevice(RefString(u"TEST_DEVICE"), 0, 0, settings, &userInterface), calls_(calls),
      pages_(new wxPanel(&parent, wxID_ANY, wxDefaultPosition, pageAreaSize))
{
    pages_->SetMinSize(pageAreaSize);
}

RecordingDevice::~RecordingDevice() { record("destroy"); }

bool RecordingDevice::setup(wxWindow* parent)
{
    record("setup under the splash text " + splashText());
    const bool opened = Device::setup(parent);
    createDeviceFinder();
    return opened;
}

ValueLabels RecordingDevice::panelNames() const { return {pageNames.data(), std::uint32_t(pageNames.size())}; }

std::unique_ptr<Device> RecordingDeviceType::createDevice(wxWindow& parent, const XmlElement& settings,
    DeviceUserInterface&) const
{
    calls.push_back("create under the splash text " + splashText());
    return std::make_unique<RecordingDevice>(parent, settings, userInterface, calls);
}

std::string splashText()
{
    for (wxWindow* window : wxTopLevelWindows) {
        auto* splash = dynamic_cast<WaitDialog*>(window);
        if (splash && splash->IsShown()) {
            // Picture, message, detail line, gauge.
            auto* message = dynamic_cast<wxStaticText*>(splash->GetChildren()[1]);
            return message ? message->GetLabel().utf8_string() : "(no message)";
        }
    }
    return "(no splash)";
}
