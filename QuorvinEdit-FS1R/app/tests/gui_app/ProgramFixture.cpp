#include "app/tests/gui_app/ProgramFixture.h"

#include "files/UserPaths.h"
#include "gui/EditorStartUp.h"
#include "simulator/SimulatorConnection.h"
#include "text/WxText.h"
#include "tests/support/EventPump.h"

#include <wx/app.h>

#include <cstdlib>

ProgramFixture::ProgramFixture()
{
    ::setenv(UserPaths::overrideVariable, userFolder_.path().c_str(), 1);
    ::setenv("QUORVIN_MIDI", SimulatorConnection::backendChoice, 1);
    SimulatorConnection::registerBackend();
    deleteUserPaths();
}

ProgramFixture::~ProgramFixture()
{
    if (frame_) {
        EXPECT_TRUE(exitProgram());
    }
    ::unsetenv(UserPaths::overrideVariable);
}

bool ProgramFixture::startUp()
{
    frame_ = new MainFrame(toWxString(deviceType_.getProductName()));
    const bool started = startUpEditor(settings_, *frame_, deviceType_);
    if (started) {
        frame_->Centre(wxBOTH);
        frame_->Show();
    }
    return started;
}

bool ProgramFixture::exitProgram()
{
    wxCommandEvent exit(wxEVT_MENU, wxID_EXIT);
    frame_->ProcessWindowEvent(exit);
    const bool closed = pumpEventsUntil([this] {
        // Top-level windows are deleted when the application goes idle.
        wxTheApp->ProcessIdle();
        return !frame_;
    });
    shutDownEditor(settings_);
    return closed;
}
