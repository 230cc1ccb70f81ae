#pragma once
// Answers the program's modal message boxes in tests, which would otherwise
// wait under Xvfb for a user who never comes.
#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <string>
#include <vector>

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

// While it lives, every message box is answered OK and written down, however
// many come and whenever they come; any other modal dialog fails the test.
class AnsweredMessageBoxes : public wxModalDialogHook {
public:
    struct Box {
        std::string caption;
        std::string text;
    };

    AnsweredMessageBoxes() { Register(); }
    ~AnsweredMessageBoxes() override { Unregister(); }
    AnsweredMessageBoxes(const AnsweredMessageBoxes&) = delete;
    AnsweredMessageBoxes& operator=(const AnsweredMessageBoxes&) = delete;

    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const Box& box : boxes)
            result.push_back(box.text);
        return result;
    }

    std::vector<Box> boxes;

protected:
    int Enter(wxDialog* dialog) override
    {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (!box) {
            ADD_FAILURE() << "an unexpected dialog: " << dialog->GetTitle();
            return wxID_CANCEL;
        }
        boxes.push_back({box->GetCaption().utf8_string(), box->GetMessage().utf8_string()});
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};
