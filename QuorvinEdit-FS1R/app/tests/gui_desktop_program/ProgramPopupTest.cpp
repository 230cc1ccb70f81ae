// The built program itself on a desktop, as a person runs it: started with
// the simulated FS1R and a fresh user folder under the window manager, driven
// and watched only through the X server. The in-process tests share the
// program's code but not its application object (its idle handling among
// it), so what a person sees is checked here on the real thing. A critical
// message the toolkit prints while the program runs fails the test.
#include "tests/support/DesktopInput.h"
#include "tests/support/EventPump.h"
#include "tests/support/OtherApplicationWindow.h"
#include "tests/support/TempFolder.h"

#include <gmock/gmock.h>
#include <wx/evtloop.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Where the program is, as the build put it.
constexpr char programPath[] = QUORVIN_EDITOR_PROGRAM;
// A fresh user folder asks two things at start-up: the first-run notice,
// then the report of the device finder.
constexpr int startUpQuestions = 2;
// The "Velo curve" choice of the System page, in the main window.
const wxPoint veloCurve(146, 221);
// Lists whose control Tab leaves for another with a list: "Velo curve" for
// "BC curve", and MIDI IN for MIDI OUT.
const wxPoint listsBeforeAList[] = {veloCurve, {296, 385}};

// The program, started beside its catalogues, printing into a file; ended
// with the test.
class EditorProcess {
public:
    EditorProcess(const std::filesystem::path& userFolder, const std::filesystem::path& output)
    {
        ::setenv("QUORVIN_USER_DIR", userFolder.c_str(), 1);
        ::setenv("QUORVIN_MIDI", "simulator", 1);
        // The window titles the test reads are the program's own texts.
        ::unsetenv("LANGUAGE");
        ::setenv("LC_ALL", "C.UTF-8", 1);
        const std::string folder = std::filesystem::path(programPath).parent_path().string();
        pid_ = ::fork();
        if (pid_ == 0) {
            const int printed = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (printed < 0 || ::dup2(printed, STDOUT_FILENO) < 0 || ::dup2(printed, STDERR_FILENO) < 0)
                ::_exit(126);
            if (::chdir(folder.c_str()) == 0)
                ::execl(programPath, programPath, static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }
    ~EditorProcess()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    EditorProcess(const EditorProcess&) = delete;
    EditorProcess& operator=(const EditorProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running()
    {
        if (pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == pid_)
            pid_ = -1;
        return pid_ > 0;
    }

private:
    pid_t pid_ = -1;
};

// What the X server knows of the program's windows.
class ProgramWindows {
public:
    explicit ProgramWindows(pid_t pid) : display_(XOpenDisplay(nullptr)), pid_(static_cast<unsigned long>(pid)) {}
    ~ProgramWindows() { XCloseDisplay(display_); }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // The windows the window manager manages, the program's shown ones.
    std::vector<Window> shownManaged() const
    {
        std::vector<Window> shown;
        for (const Window window : windowsProperty(root(), "_NET_CLIENT_LIST"))
            if (isProgramsShown(window))
                shown.push_back(window);
        return shown;
    }
    // The program's popup windows on the screen: the window manager leaves
    // them alone.
    std::vector<Window> shownPopups() const
    {
        std::vector<Window> shown;
        Window rootWindow = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display_, root(), &rootWindow, &parent, &children, &count) && children) {
            for (unsigned int i = 0; i < count; ++i) {
                XWindowAttributes attributes;
                if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.override_redirect
                    && isProgramsShown(children[i]))
                    shown.push_back(children[i]);
            }
            XFree(children);
        }
        return shown;
    }
    Window active() const
    {
        const std::vector<Window> active = windowsProperty(root(), "_NET_ACTIVE_WINDOW");
        return active.empty() ? 0 : active.front();
    }
    std::string title(Window window) const
    {
        std::string title;
        unsigned char* data = nullptr;
        unsigned long count = 0;
        if (property(window, "_NET_WM_NAME", &data, &count)) {
            title.assign(reinterpret_cast<const char*>(data), count);
            XFree(data);
        }
        return title;
    }
    // The main window: its title starts with the program's name.
    Window main() const
    {
        for (const Window window : shownManaged())
            if (title(window).starts_with("QuorvinEdit-FS1R:"))
                return window;
        return 0;
    }
    wxPoint onScreen(Window window, wxPoint point) const
    {
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, window, root(), point.x, point.y, &x, &y, &child);
        return {x, y};
    }

private:
    Window root() const { return DefaultRootWindow(display_); }

    bool property(Window window, const char* name, unsigned char** data, unsigned long* count) const
    {
        Atom type = None;
        int format = 0;
        unsigned long left = 0;
        return XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 4096, False,
                   AnyPropertyType, &type, &format, count, &left, data)
            == Success
            && *data;
    }
    std::vector<Window> windowsProperty(Window window, const char* name) const
    {
        unsigned char* data = nullptr;
        unsigned long count = 0;
        if (!property(window, name, &data, &count))
            return {};
        const auto* ids = reinterpret_cast<const unsigned long*>(data);
        std::vector<Window> windows(ids, ids + count);
        XFree(data);
        return windows;
    }
    bool isProgramsShown(Window window) const
    {
        const std::vector<Window> pid = windowsProperty(window, "_NET_WM_PID");
        XWindowAttributes attributes;
        return !pid.empty() && pid.front() == pid_ && XGetWindowAttributes(display_, window, &attributes)
            && attributes.map_state == IsViewable;
    }

    Display* display_;
    unsigned long pid_;
};

class ProgramPopupTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(DesktopInput::windowManagerRuns());
        ASSERT_TRUE(std::filesystem::exists(programPath)) << programPath;
        ASSERT_TRUE(answerStartUpQuestions());
    }
    void TearDown() override { expectNoToolkitCriticals(); }

    // All the program printed is shown; what the toolkit printed as critical
    // (an event for a window it no longer or not yet has, among others)
    // fails the test.
    void expectNoToolkitCriticals() const
    {
        std::ifstream printed(output_);
        std::vector<std::string> criticals;
        for (std::string line; std::getline(printed, line);) {
            std::cerr << line << '\n';
            if (line.find("-CRITICAL **") != std::string::npos)
                criticals.push_back(line);
        }
        EXPECT_THAT(criticals, testing::IsEmpty()) << "the toolkit printed criticals";
    }

    // Each question is answered once it has the focus; the program is ready
    // when only its main window is left, and active.
    bool answerStartUpQuestions()
    {
        for (int answered = 0; answered < startUpQuestions; ++answered) {
            Window question = 0;
            if (!pumpEventsUntil([&] { return (question = activeQuestion()) != 0; }, 120s)) {
                ADD_FAILURE() << "question " << answered + 1 << " never came; " << desktopState();
                return false;
            }
            input_.key(WXK_RETURN);
            if (!pumpEventsUntil([&] { return activeQuestion() != question; }, 20s)) {
                ADD_FAILURE() << "Return left \"" << windows_.title(question) << "\" open";
                return false;
            }
        }
        return pumpEventsUntil(
            [&] { return windows_.shownManaged().size() == 1 && windows_.active() == windows_.main(); }, 60s);
    }
    // What the desktop shows, for a failure's message.
    std::string desktopState()
    {
        std::string state = program_.running() ? "the program runs" : "the program has ended";
        for (const Window window : windows_.shownManaged())
            state += ", shows \"" + windows_.title(window) + "\"";
        const Window active = windows_.active();
        state += other_.active() ? ", the other application is active"
                                 : ", active: \"" + (active ? windows_.title(active) : std::string("none")) + "\"";
        return state;
    }
    Window activeQuestion() const
    {
        const Window active = windows_.active();
        return active != 0 && active != windows_.main() && !windows_.title(active).empty() ? active : 0;
    }

    bool showPage(int key, const std::string& name)
    {
        input_.key(key);
        return pumpEventsUntil([&] { return windows_.title(windows_.main()).find(name) != std::string::npos; }, 20s);
    }
    bool listShown() const { return !windows_.shownPopups().empty(); }
    bool mainActive() const { return windows_.active() == windows_.main(); }
    bool waitForList(bool shown)
    {
        return pumpEventsUntil([&] { return listShown() == shown; }, 20s);
    }
    // Clicks apart by more than the double-click time, as a person's.
    void clickInMain(wxPoint point)
    {
        input_.settle(400ms);
        input_.jumpTo(windows_.onScreen(windows_.main(), point));
        input_.click();
    }

    // The waits run the test's own event loop.
    wxGUIEventLoop loop_;
    wxEventLoopActivator activeLoop_{&loop_};
    // Another application is open on the desktop before the program starts.
    const OtherApplicationWindow other_;
    TempFolder userFolder_{"program"};
    const TempFolder outputFolder_{"program-output"};
    const std::filesystem::path output_ = outputFolder_ / "printed.txt";
    EditorProcess program_{userFolder_.path(), output_};
    ProgramWindows windows_{program_.pid()};
    DesktopInput input_;
};

// A list left open over the next page kept the mouse while the keys went to
// that page's controls: Escape did nothing, a click only closed it, and the
// keys opened a second list under it.
TEST_F(ProgramPopupTest, AListClosesWhenAKeySwitchesThePageAndTheNextOpensAfresh)
{
    ASSERT_TRUE(showPage(WXK_F1, "System"));
    clickInMain(veloCurve);
    ASSERT_TRUE(waitForList(true)) << "a click on \"Velo curve\" opened no list";

    ASSERT_TRUE(showPage(WXK_F2, "Performance"));
    EXPECT_TRUE(waitForList(false)) << "the list stayed over the Performance page";

    input_.key(WXK_ESCAPE);
    ASSERT_TRUE(showPage(WXK_F1, "System"));
    clickInMain(veloCurve);
    EXPECT_TRUE(waitForList(true)) << "after the page switch a click opened no list";
    input_.key(WXK_ESCAPE);
    EXPECT_TRUE(waitForList(false)) << "Escape left the list open";
    EXPECT_TRUE(program_.running());
}

// Tab moved on with the list still open, so Return opened the next control's
// list beside it, and the first then ignored Escape.
TEST_F(ProgramPopupTest, TabClosesTheListAndMovesOnSoOnlyOneListIsEverOpen)
{
    ASSERT_TRUE(showPage(WXK_F1, "System"));
    for (const wxPoint start : listsBeforeAList) {
        SCOPED_TRACE(testing::Message() << "list at " << start.x << "," << start.y);
        clickInMain(start);
        ASSERT_TRUE(waitForList(true)) << "a click opened no list";
        const std::vector<Window> first = windows_.shownPopups();
        input_.key(WXK_TAB);
        EXPECT_TRUE(waitForList(false)) << "Tab left the list open";
        input_.key(WXK_RETURN);
        EXPECT_TRUE(pumpEventsUntil([&] { return listShown() && windows_.shownPopups() != first; }, 20s))
            << "Return on the next control opened no list";
        EXPECT_EQ(windows_.shownPopups().size(), 1u) << "two lists are open";
        input_.key(WXK_ESCAPE);
        EXPECT_TRUE(waitForList(false)) << "Escape left a list open";
    }
}

// A list stayed on the screen over the application that Alt+Tab brought
// forward, and back in the editor a click where it lay picked from it.
TEST_F(ProgramPopupTest, AListClosesWhenTheMainWindowLosesItsActivation)
{
    ASSERT_TRUE(other_.shown());
    ASSERT_TRUE(showPage(WXK_F1, "System"));
    clickInMain(veloCurve);
    ASSERT_TRUE(waitForList(true)) << "a click on \"Velo curve\" opened no list";
    ASSERT_TRUE(pumpEventsUntil([&] { return mainActive(); }, 20s));

    input_.windowManagerKey(WXK_TAB, wxMOD_ALT);
    ASSERT_TRUE(pumpEventsUntil([&] { return other_.active(); }, 20s)) << "Alt+Tab activated no other window";
    EXPECT_TRUE(waitForList(false)) << "the list stayed over another application";
    EXPECT_TRUE(program_.running());
}

} // namespace
