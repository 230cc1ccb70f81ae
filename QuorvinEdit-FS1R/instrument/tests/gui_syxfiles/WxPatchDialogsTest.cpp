// The file commands' dialogs as real toolkit dialogs, answered the way the
// user would: what each one proposes, and what its answer becomes.
#include "instrument/gui/WxPatchDialogs.h"

#include <gtest/gtest.h>

#include <wx/choicdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

namespace {

// Takes note of what the save dialog proposed, then cancels it.
class ExpectSaveDialog : public wxExpectModalBase<wxFileDialog, ExpectSaveDialog> {
public:
    explicit ExpectSaveDialog(wxString& proposed) : proposed_(proposed) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        proposed_ = dialog->GetFilename() + (dialog->HasFlag(wxFD_OVERWRITE_PROMPT) ? " asking" : " silent");
        return wxID_CANCEL;
    }

private:
    wxString& proposed_;
};

class ExpectChoice : public wxExpectModalBase<wxSingleChoiceDialog, ExpectChoice> {
public:
    ExpectChoice(int choice, int answer) : choice_(choice), answer_(answer) {}

protected:
    int OnInvoked(wxSingleChoiceDialog* dialog) const override
    {
        dialog->SetSelection(choice_);
        return answer_;
    }

private:
    int choice_;
    int answer_;
};

// The toolkit's dialog only knows its path once it has really run, so the
// chosen path itself is not seen here.
TEST(WxPatchDialogs, TheSaveDialogProposesTheNameAndAsksBeforeReplacingAndCancelGivesNothing)
{
    WxPatchDialogs dialogs(nullptr);
    wxString proposed;
    std::string path = "before";
    wxTEST_DIALOG(path = dialogs.chooseFileToSave(u"Location", u"SYSEX voice files (*.voice.syx)|*.voice.syx",
                      "/tmp", u"INIT VOICE.voice.syx"),
        ExpectSaveDialog(proposed));
    EXPECT_EQ(proposed, "INIT VOICE.voice.syx asking");
    EXPECT_EQ(path, "");
    path = "before";
    wxTEST_DIALOG(path = dialogs.chooseFileToOpen(u"Open a sysex file", u"SYSEX files (*.syx)|*.syx"),
        wxExpectModal<wxFileDialog>("/tmp/in.syx", wxID_CANCEL));
    EXPECT_EQ(path, "");
}

TEST(WxPatchDialogs, QuestionsGiveTheUsersAnswer)
{
    WxPatchDialogs dialogs(nullptr);
    bool yes = false;
    wxTEST_DIALOG(yes = dialogs.askYesNo(u"YAMAHA_FS1R", u"Proceed?"), wxExpectModal<wxMessageDialog>(wxID_YES));
    EXPECT_TRUE(yes);
    wxTEST_DIALOG(yes = dialogs.askYesNo(u"YAMAHA_FS1R", u"Proceed?"), wxExpectModal<wxMessageDialog>(wxID_NO));
    EXPECT_FALSE(yes);

    const std::vector<RefString> parts{u"Read the part from the file", u"Part 1", u"Part 2"};
    std::int32_t choice = -2;
    wxTEST_DIALOG(choice = dialogs.chooseOne(u"YAMAHA_FS1R", u"Choose", parts), ExpectChoice(2, wxID_OK));
    EXPECT_EQ(choice, 2);
    wxTEST_DIALOG(choice = dialogs.chooseOne(u"YAMAHA_FS1R", u"Choose", parts), ExpectChoice(2, wxID_CANCEL));
    EXPECT_EQ(choice, -1);

    wxTEST_DIALOG(dialogs.showError(u"YAMAHA_FS1R", u"The file was not loaded."),
        wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_EQ(dialogs.chooseInternalSlot(Fs1rParts::performance, u"Select"), -1) << "no memory view given";
    WxPatchDialogs withView(nullptr, [](Fs1rPart part, const RefString&) { return part + 10; });
    EXPECT_EQ(withView.chooseInternalSlot(Fs1rParts::formantSequence, u"Select"), 15);
}

} // namespace
