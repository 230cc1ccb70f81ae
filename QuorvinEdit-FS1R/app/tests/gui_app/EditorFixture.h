#pragma once
// A main window brought up by the real start-up over a fresh user folder,
// with the simulated FS1R on the only MIDI ports (the simulator backend is
// chosen once per process); the event loop runs while the test pumps it.
// The window goes before the recording device type its device writes to.
#include "app/tests/gui_app/TestDoubles.h"
#include "files/SettingsFile.h"
#include "gui/MainFrame.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlRootElement.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/weakref.h>

#include <filesystem>
#include <memory>

class EditorFixture : public testing::Test {
protected:
    EditorFixture();
    ~EditorFixture() override;

    // startUpEditor on a new main window, shown when it succeeds, as the
    // application does.
    bool startUp(const DeviceType& deviceType);
    // Sends the window a menu command, as choosing the item does.
    void choose(int commandId);
    // The Exit command, until the toolkit has destroyed the window; then the
    // shutdown.
    bool exitProgram();
    std::filesystem::path settingsPath() const { return userFolder_.path() / "cache" / "settings.xml"; }
    std::unique_ptr<XmlRootElement> savedSettings() const;

    TempFolder userFolder_{"editor"};
    RecordingDeviceType deviceType_;
    wxGUIEventLoop loop_;
    wxEventLoopActivator activeLoop_{&loop_};
    std::unique_ptr<SettingsFile> settings_;
    wxWeakRef<MainFrame> frame_;
};
