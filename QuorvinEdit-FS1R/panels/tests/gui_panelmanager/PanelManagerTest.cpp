// The page manager's window title in a real frame: it names the page that
// shows and marks it modified as the page's history says.
#include "panels/PanelManager.h"

#include <gtest/gtest.h>
#include <wx/frame.h>

namespace {

const std::string prefix = "QuorvinEdit-FS1R: FS1R: ";

} // namespace

class PanelManagerTest : public ::testing::Test {
protected:
    PanelManagerTest() : frame(new wxFrame(nullptr, wxID_ANY, "start")), panels(new PanelManager(frame)) {}
    ~PanelManagerTest() override { frame->Destroy(); }

    std::string title() const { return frame->GetTitle().utf8_string(); }

    wxFrame* frame;
    PanelManager* panels;
};

TEST_F(PanelManagerTest, TheTitleNamesTheShownPageAndItsModifiedMark)
{
    panels->historyChanged();
    EXPECT_EQ(title(), prefix);
    panels->showVoicePanel(1);
    EXPECT_EQ(panels->currentPanel(), 3);
    EXPECT_EQ(title(), prefix + "Voice 2");
    panels->pageHistory(3).markModified();
    EXPECT_EQ(title(), prefix + "Voice 2 (modified)");
    panels->markSaved(Fs1rPanels::shownPage);
    EXPECT_EQ(title(), prefix + "Voice 2");
}

TEST_F(PanelManagerTest, AChangeOnTheSystemPageShowsAtOnce)
{
    panels->showSystemPanel();
    panels->pageHistory(Fs1rPanels::systemPage).markModified();
    EXPECT_EQ(title(), prefix + "System (modified)");
    panels->showFseqPanel();
    EXPECT_EQ(title(), prefix + "Formant sequence");
}
