#include "tests/gui_mainframe/EditorFixture.h"

#include "files/UserPaths.h"
#include "gui/EditorStartUp.h"
#include "tests/support/EventPump.h"

#include <wx/app.h>

#include <cstdlib>

namespace {

bool destroyedAfterIdle(const wxWeakRef<MainFrame>& frame)
{
    // Top-level windows are deleted when the application goes idle.
    wxTheApp->ProcessIdle();
    return !frame;
}

} // namespace

EditorFixture::EditorFixture()
{
    ::setenv(UserPaths::overrideVariable, userFolder_.path().c_str(), 1);
    // No MIDI ports at all, whatever the machine has.
    ::setenv("QUORVIN_MIDI", "loopback", 1);
    deleteUserPaths();
}

EditorFixture::~EditorFixture()
{
    if (frame_)
        frame_->Destroy();
    EXPECT_TRUE(waitUntilClosed());
    shutDownEditor(settings_);
    ::unsetenv(UserPaths::overrideVariable);
}

bool EditorFixture::startUp()
{
    frame_ = new MainFrame("QuorvinEdit-FS1R");
    const bool started = startUpEditor(settings_, *frame_, deviceType_);
    if (started) {
        frame_->Centre(wxBOTH);
        frame_->Show();
    }
    return started;
}

void EditorFixture::choose(int commandId)
{
    wxCommandEvent event(wxEVT_MENU, commandId);
    event.SetEventObject(frame_.get());
    frame_->ProcessWindowEvent(event);
}

bool EditorFixture::waitUntilClosed()
{
    return pumpEventsUntil([this] { return destroyedAfterIdle(frame_); });
}
