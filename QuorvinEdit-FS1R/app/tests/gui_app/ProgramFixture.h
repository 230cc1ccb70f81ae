#pragma once
// The FS1R editor's main window as the program brings it up, over a fresh
// user folder, with the simulated FS1R on the only MIDI ports; the event
// loop runs while the test pumps it.
#include "app/Fs1rDeviceType.h"
#include "files/SettingsFile.h"
#include "gui/MainFrame.h"
#include "tests/gui_mainframe/MessageBoxes.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <wx/evtloop.h>
#include <wx/weakref.h>

#include <filesystem>
#include <memory>

class ProgramFixture : public testing::Test {
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // startUpEditor on a new main window, shown as the application shows it.
    bool startUp();
    // Closes the window as its Exit command does and pumps until the
    // toolkit has destroyed it, then shuts the editor down.
    bool exitProgram();
    std::filesystem::path cachePath() const { return userFolder_.path() / "cache"; }

    TempFolder userFolder_{"program"};
    wxGUIEventLoop loop_;
    wxEventLoopActivator activeLoop_{&loop_};
    AnsweredMessageBoxes boxes_;
    const Fs1rDeviceType deviceType_;
    std::unique_ptr<SettingsFile> settings_;
    wxWeakRef<MainFrame> frame_;
};
