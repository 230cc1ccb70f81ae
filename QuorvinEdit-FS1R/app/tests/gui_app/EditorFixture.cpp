#include "app/tests/gui_app/EditorFixture.h"

#include "device/DeviceType.h"
#include "effects/EffectTypeDefaults.h"
#include "files/UserPaths.h"
#include "gui/EditorStartUp.h"
#include "simulator/SimulatorConnection.h"
#include "tests/support/EventPump.h"
#include "text/WxText.h"
#include "xml/XmlFile.h"

#include <wx/app.h>

#include <cstdlib>

EditorFixture::EditorFixture()
{
    ::setenv(UserPaths::overrideVariable, userFolder_.path().c_str(), 1);
    ::setenv("QUORVIN_MIDI", SimulatorConnection::backendChoice, 1);
    // The texts the tests expect are the code's own, whatever the tester's
    // language, unless the run asks for a language of its own.
    if (std::getenv("QUORVIN_TEST_LANGUAGE") == nullptr) {
        for (const char* variable : {"LANGUAGE", "LC_MESSAGES"})
            ::unsetenv(variable);
        for (const char* variable : {"LANG", "LC_ALL"})
            ::setenv(variable, "C.UTF-8", 1);
    }
    SimulatorConnection::registerBackend(effectTypeDefaults);
    deleteUserPaths();
}

EditorFixture::~EditorFixture()
{
    if (frame_) {
        EXPECT_TRUE(exitProgram());
    }
    ::unsetenv(UserPaths::overrideVariable);
}

bool EditorFixture::startUp(const DeviceType& deviceType)
{
    frame_ = new MainFrame(toWxString(deviceType.getProductName()));
    const bool started = startUpEditor(settings_, *frame_, deviceType);
    if (started) {
        frame_->Centre(wxBOTH);
        frame_->Show();
    }
    return started;
}

void EditorFixture::choose(int commandId)
{
    wxCommandEvent command(wxEVT_MENU, commandId);
    frame_->ProcessWindowEvent(command);
}

bool EditorFixture::exitProgram()
{
    choose(wxID_EXIT);
    const bool closed = pumpEventsUntil([this] {
        // Top-level windows are deleted when the application goes idle.
        wxTheApp->ProcessIdle();
        return !frame_;
    });
    shutDownEditor(settings_);
    return closed;
}

std::unique_ptr<XmlRootElement> EditorFixture::savedSettings() const
{
    return readXmlFile(RefString::fromUtf8(settingsPath().string()));
}
