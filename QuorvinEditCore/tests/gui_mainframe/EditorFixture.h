#pragma once
// A main window brought up by the real start-up, over a fresh user folder,
// with the recording device and no MIDI ports; the event loop runs while the
// test pumps it.
#include "files/SettingsFile.h"
#include "gui/MainFrame.h"
#include "tests/gui_mainframe/RecordingDevice.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/weakref.h>

#include <filesystem>
#include <memory>

class EditorFixture : public testing::Test {
protected:
    EditorFixture();
    ~EditorFixture() override;

    // startUpEditor on a new main window, shown when it succeeded as the
    // application shows it.
    bool startUp();
    // Sends the window a menu command, as choosing the item does.
    void choose(int commandId);
    // Pumps until the toolkit has destroyed the main window.
    bool waitUntilClosed();
    std::filesystem::path settingsPath() const { return userFolder_.path() / "cache" / "settings.xml"; }

    TempFolder userFolder_{"mainframe"};
    wxGUIEventLoop loop_;
    wxEventLoopActivator activeLoop_{&loop_};
    RecordingDeviceType deviceType_;
    std::unique_ptr<SettingsFile> settings_;
    wxWeakRef<MainFrame> frame_;
};
