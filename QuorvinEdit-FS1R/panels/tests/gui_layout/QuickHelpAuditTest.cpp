// The system page's quick help as the user first sees it, with the help page
// shipped for the run's language (see InterfaceLanguage.cpp): a line the
// window's bottom edge cuts in half is only acceptable beside a scroll bar
// that tells more text follows.
#include "PagesFixture.h"

#include "files/UserPaths.h"
#include "gui/QuickHelpWindow.h"
#include "panels/SystemPanel.h"
#include "tests/support/EventPump.h"

#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/html/htmlcell.h>
#include <wx/settings.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stack>

namespace {

constexpr int systemPage = 0;

// The first piece of the laid-out page (a word, a picture) that the given
// bottom edge cuts, in the coordinates of the whole page.
const wxHtmlCell* cutAt(const wxHtmlCell& page, int bottom)
{
    std::stack<const wxHtmlCell*> open;
    open.push(&page);
    while (!open.empty()) {
        const wxHtmlCell* cell = open.top();
        open.pop();
        for (const wxHtmlCell* child = cell->GetFirstChild(); child; child = child->GetNext())
            open.push(child);
        const int top = cell->GetAbsPos().y;
        if (cell->GetFirstChild() == nullptr && top < bottom && top + cell->GetHeight() > bottom)
            return cell;
    }
    return nullptr;
}

} // namespace

// The pages are built with the shipped help pages in the user folder.
class QuickHelpAuditTest : public PagesFixture {
public:
    static void SetUpTestSuite()
    {
        const char* source = std::getenv("QUORVIN_SOURCE_DIR");
        ASSERT_NE(source, nullptr) << "run through ctest";
        userFolder = std::make_unique<TempFolder>("help-audit");
        std::filesystem::copy(std::filesystem::path(source) / "user/doc", *userFolder / "doc");
        ::setenv(UserPaths::overrideVariable, userFolder->path().c_str(), 1);
        deleteUserPaths();
    }
    static void TearDownTestSuite()
    {
        deleteUserPaths();
        ::unsetenv(UserPaths::overrideVariable);
        userFolder.reset();
    }

protected:
    QuickHelpWindow& shownHelp()
    {
        device->showPanel(systemPage);
        frame->Show();
        for (wxWindow* child : panels->GetChildren())
            if (auto* page = dynamic_cast<SystemPanel*>(child); page && page->IsShown())
                return *page->quickHelp();
        throw std::runtime_error("no system page shown");
    }

    static inline std::unique_ptr<TempFolder> userFolder;
};

// GTK's overlay scroll indicator, a few pixels wide, shows only while the
// pointer moves over the text: a scroll bar tells more text follows when it
// stands beside the text as wide as the system's scroll bars.
TEST_F(QuickHelpAuditTest, QuickHelpEndsOnAWholeLineOrShowsAScrollBar)
{
    QuickHelpWindow& help = shownHelp();
    ASSERT_FALSE(help.ToText().Trim().empty()) << "no help page shown";
    // The toolkit places the scroll bars when it lays the window out, before it paints it.
    bool painted = false;
    help.Bind(wxEVT_PAINT, [&painted](wxPaintEvent& event) {
        painted = true;
        event.Skip();
    });
    help.Refresh();
    wxGUIEventLoop loop;
    const wxEventLoopActivator activeLoop(&loop);
    ASSERT_TRUE(pumpEventsUntil([&painted] { return painted; }));
    const int shownTop = help.CalcUnscrolledPosition(wxPoint()).y;
    const wxHtmlCell* cut = cutAt(*help.GetInternalRepresentation(), shownTop + help.GetClientSize().y);
    if (cut == nullptr)
        return;
    const int besideText = help.GetSize().x - help.GetClientSize().x;
    EXPECT_TRUE(help.HasScrollbar(wxVERTICAL) && besideText >= wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &help))
        << "the bottom edge cuts the line of \"" << cut->ConvertToText(nullptr).utf8_string() << "\" and "
        << besideText << " pixels beside the text show no scroll bar";
}
