// Test main for programs that need a display: starts the toolkit once, logs
// to stderr and turns toolkit asserts into test failures, because a modal log
// or assert dialog would block the run under Xvfb forever; a critical message
// of GTK fails the test that caused it.
#include "gui/EventModes.h"
#include "tests/support/ToolkitAsserts.h"
#include "tests/support/ToolkitCriticals.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstring>

namespace {

// Hands out idle time as the program does: a window that relies on idle
// events without asking for them fails here as it would in the program.
class GuiTestApp : public wxApp {
public:
    bool OnInit() override
    {
        useEditorEventModes();
        return true;
    }
};

bool onlyListing(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (onlyListing(argc, argv))
        return RUN_ALL_TESTS();

    wxApp::SetInstance(new GuiTestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        fprintf(stderr, "cannot start the toolkit (is there a display?)\n");
        return 1;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    failTestsOnToolkitAsserts();
    failTestsOnToolkitCriticals();
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
