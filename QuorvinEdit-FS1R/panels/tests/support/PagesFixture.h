#pragma once
// A real FS1R device whose setup builds the real pages in a page manager on a
// frame, with its patch caches in a fresh folder and MIDI over loopback
// ports (no instrument answers). Controls are found by their captions.
#include "instrument/Fs1rDevice.h"
#include "midi/LoopbackMidiBackend.h"
#include "panels/PanelManager.h"
#include "tests/device/FakeUserInterface.h"
#include "tests/support/TempFolder.h"
#include "xml/XmlRootElement.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class Control;
class EditorPanel;
class wxFrame;

class PagesFixture : public ::testing::Test {
protected:
    PagesFixture();
    ~PagesFixture() override;

    // The control of the page captioned text (or named so in its path, for
    // controls whose caption is a heading), searched through every group;
    // fails the test when there is none.
    static Control& control(const EditorPanel& page, const std::string& caption);
    // How many controls the page's groups hold (text items not counted).
    static std::size_t controlCount(const EditorPanel& page);
    std::string title() const;

    std::shared_ptr<LoopbackMidiBackend> backend;
    TempFolder folder{"pages"};
    std::unique_ptr<XmlRootElement> settingsRoot;
    XmlElement settings;
    FakeUserInterface ui;
    wxFrame* frame;
    PanelManager* panels;
    std::unique_ptr<Fs1rDevice> device;

private:
    std::shared_ptr<MidiBackend> previousBackend_;
};
