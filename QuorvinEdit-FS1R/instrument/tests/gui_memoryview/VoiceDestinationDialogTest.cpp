// The voice destination question as the toolkit dialog it is: its size is
// read as it opens, and it is answered without being shown.
#include "instrument/gui/WxPatchDialogs.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>

#include <vector>

namespace {

// Notes the size of every dialog about to be shown and cancels it.
class CancellingHook : public wxModalDialogHook {
public:
    CancellingHook() { Register(); }
    ~CancellingHook() override { Unregister(); }

    std::vector<wxSize> sizes;
    std::vector<wxSize> contentSizes;

protected:
    int Enter(wxDialog* dialog) override
    {
        sizes.push_back(dialog->GetSize());
        contentSizes.push_back(dialog->GetBestSize());
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

TEST(VoiceDestinationDialogTest, AsksForTwoHundredByOneHundredFiftyPixelsButNeverHidesItsContents)
{
    CancellingHook hook;
    WxPatchDialogs dialogs(nullptr);
    const std::vector<RefString> choices{RefString(u"Read the part from the file"), RefString(u"Part 1")};
    EXPECT_EQ(dialogs.chooseOne(RefString(u"FS1R"), RefString(u"Choose"), choices), -1) << "cancelled";
    ASSERT_EQ(hook.sizes.size(), 1u);
    EXPECT_GE(hook.sizes[0].x, 200);
    EXPECT_GE(hook.sizes[0].y, 150);
    EXPECT_GE(hook.sizes[0].x, hook.contentSizes[0].x);
    EXPECT_GE(hook.sizes[0].y, hook.contentSizes[0].y);
}

} // namespace
