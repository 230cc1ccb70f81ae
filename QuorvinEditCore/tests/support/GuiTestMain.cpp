// Test main for programs that need a display: starts the toolkit once, logs
// to stderr and turns toolkit asserts into test failures, because a modal log
// or assert dialog would block the run under Xvfb forever.
#include "tests/support/ToolkitAsserts.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstring>

namespace {

class GuiTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
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
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
