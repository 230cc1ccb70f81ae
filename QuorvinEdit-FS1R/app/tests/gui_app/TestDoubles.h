#pragma once
// Stand-ins for the main-window tests: a device of seven named pages that
// writes down what it is asked, the device type that makes it, and answers
// to the modal message boxes, which would otherwise wait for nobody.
#include "device/DeviceType.h"
#include "tests/device/FakeUserInterface.h"
#include "tests/support/PagelessDevice.h"

#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/panel.h>
#include <wx/testing.h>

#include <array>
#include <string>
#include <vector>

// It makes no device finder, so connecting it ends at once in a message.
class RecordingDevice : public PagelessDevice {
public:
    static inline const wxSize pageAreaSize{640, 360};

    RecordingDevice(wxWindow& parent, const XmlElement& settings, DeviceUserInterface& userInterface,
        std::vector<std::string>& calls)
        : PagelessDevice(RefString(u"TEST_DEVICE"), 0, 0, settings, &userInterface), calls_(calls),
          pages_(new wxPanel(&parent, wxID_ANY, wxDefaultPosition, pageAreaSize))
    {
    }
    ~RecordingDevice() override { calls_.push_back("destroy"); }

    wxWindow* mainPanel() override { return pages_; }
    ValueLabels panelNames() const override { return {names_.data(), std::uint32_t(names_.size())}; }
    void resetCurrentPanel() override { calls_.push_back("resetCurrentPanel"); }
    void openFile() override { calls_.push_back("openFile"); }
    void undo(std::int32_t panel) override { calls_.push_back("undo " + std::to_string(panel)); }
    void redo(std::int32_t panel) override { calls_.push_back("redo " + std::to_string(panel)); }
    void dumpHistory(std::int32_t panel) override { calls_.push_back("dumpHistory " + std::to_string(panel)); }
    void saveToDevice(std::int32_t part) override { calls_.push_back("saveToDevice " + std::to_string(part)); }
    void showPanel(std::int32_t panel) override { calls_.push_back("showPanel " + std::to_string(panel)); }
    void saveToFile(bool asNew, std::int32_t part) override
    {
        calls_.push_back(std::string(asNew ? "saveAs " : "save ") + std::to_string(part));
    }
    void saveAll() override { calls_.push_back("saveAll"); }
    void onDisconnect() override { calls_.push_back("onDisconnect"); }
    std::vector<PackedAddress> probeAddresses() const override { return {}; }
    std::int32_t maxSysexSize() const override { return 0; }
    std::int32_t dumpOverhead() const override { return 0; }
    void onConnected() override {}
    void onDumpReceived(PackedAddress, std::span<const std::uint8_t>) override {}

private:
    static inline const std::array<RefString, 7> names_{RefString(u"System"), RefString(u"Performance"),
        RefString(u"Voice 1"), RefString(u"Voice 2"), RefString(u"Voice 3"), RefString(u"Voice 4"),
        RefString(u"Formant sequence")};
    std::vector<std::string>& calls_;
    wxWindow* pages_;
};

// Gives its devices the recorder, not the main window's message boxes.
class RecordingDeviceType : public DeviceType {
public:
    RefString getId() const override { return RefString(u"TEST_DEVICE"); }
    RefString getProductName() const override { return RefString(u"QuorvinEdit-FS1R"); }
    std::unique_ptr<Device> createDevice(wxWindow& parent, const XmlElement& settings,
        DeviceUserInterface&) const override
    {
        return std::make_unique<RecordingDevice>(parent, settings, userInterface, calls);
    }

    mutable std::vector<std::string> calls;
    mutable FakeUserInterface userInterface;
};

// For wxTEST_DIALOG: one box with exactly this caption and text, answered OK.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialog, ExpectMessageBox> {
public:
    ExpectMessageBox(const wxString& caption, const wxString& text) : caption_(caption), text_(text) {}

protected:
    int OnInvoked(wxMessageDialog* box) const override
    {
        EXPECT_EQ(box->GetCaption(), caption_);
        EXPECT_EQ(box->GetMessage(), text_);
        return wxID_OK;
    }

private:
    wxString caption_;
    wxString text_;
};

// While it lives, every message box, however many and whenever they come,
// is answered OK and written down; any other modal dialog fails the test.
class AnsweredMessageBoxes : public wxModalDialogHook {
public:
    struct Box {
        std::string caption;
        std::string text;
        bool overShownMainWindow = false;
    };

    AnsweredMessageBoxes() { Register(); }
    ~AnsweredMessageBoxes() override { Unregister(); }

    std::vector<Box> boxes;

protected:
    int Enter(wxDialog* dialog) override
    {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (!box) {
            ADD_FAILURE() << "an unexpected dialog: " << dialog->GetTitle();
            return wxID_CANCEL;
        }
        const wxWindow* parent = box->GetParent();
        boxes.push_back({box->GetCaption().utf8_string(), box->GetMessage().utf8_string(),
            parent != nullptr && parent->IsShown() && parent->GetName() == "frame"});
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

// Answers every dialog at once as a user who declines it: a question No,
// a message OK, any other dialog Cancel; counts them.
class DecliningUser : public wxModalDialogHook {
public:
    DecliningUser() { Register(); }
    ~DecliningUser() override { Unregister(); }

    int asked = 0;

protected:
    int Enter(wxDialog* dialog) override
    {
        ++asked;
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog))
            return box->GetMessageDialogStyle() & wxYES_NO ? wxID_NO : wxID_OK;
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
