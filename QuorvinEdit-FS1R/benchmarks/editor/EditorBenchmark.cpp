// Prints, for the whole editor under an X display, against the simulated
// FS1R paced at the wire rate, each time taken when a frame has reached the
// X server:
//   startup [rounds]  start-up, from the start of a new process to the
//                     complete first frame of the main window (the page and
//                     the performance header), against a bare toolkit frame
//                     of the page's size, alternating in one run;
//   session [rounds]  the first connection with an empty patch cache, to the
//                     last repaint after the last dump, against the wire time
//                     of the dumps it brings; then page switches through the
//                     View menu, each to its last frame, page by page;
//   session-trace     one session with the connection's timeline.
// Each editor run gets a fresh user folder whose settings name the
// simulator's ports, so the editor probes them at once; it is removed when
// the run ends.
#include "benchmarks/editor/BenchmarkApp.h"
#include "benchmarks/editor/BenchmarkFigures.h"
#include "benchmarks/editor/ScreenFrames.h"

#include "device/Device.h"
#include "files/UserPaths.h"
#include "gui/MainFrame.h"
#include "midi/LoopbackMidiBackend.h"
#include "panels/PageBitmaps.h"
#include "simulator/SimulatorConnection.h"

#include <wx/frame.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>

namespace {

using namespace std::chrono_literals;

constexpr int warmUpSwitches = 7;
constexpr int measuredSwitches = 28;
constexpr int pageCount = 7;
constexpr auto connectionLimit = 60s;
// No dump, request or repaint for this long: the connection is over.
constexpr auto connectionQuiet = 2500ms;
constexpr auto paintQuiet = 150ms;
constexpr auto startUpLimit = 10s;

struct PageName {
    const char* key;
    const char* title;
};

// In the View menu's order.
constexpr PageName pages[pageCount] = {{"system", "system"}, {"performance", "performance"}, {"voice1", "voice 1"},
    {"voice2", "voice 2"}, {"voice3", "voice 3"}, {"voice4", "voice 4"}, {"fseq", "formant sequence"}};

const char* settingsWithSimulatorPorts =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<Settings><YAMAHA_FS1R><midi_config deviceID=\"0\">"
    "<input mid=\"0\" pid=\"0\" name=\"FS1R simulator\"/><output mid=\"0\" pid=\"0\" name=\"FS1R simulator\"/>"
    "</midi_config></YAMAHA_FS1R></Settings>\n";

std::string programPath;
// What the simulated instrument has sent as bulk dumps.
std::atomic<std::size_t> dumpBytesSent = 0;

// The instrument sends each message whole; a bulk dump has 0 in the high
// nibble of its device-number byte (F0 43 0n 5E).
bool isBulkDump(const std::uint8_t* bytes, std::size_t size)
{
    return size > 4 && bytes[0] == 0xF0 && bytes[1] == 0x43 && (bytes[2] & 0xF0) == 0 && bytes[3] == 0x5E;
}

long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(BenchmarkClock::now().time_since_epoch()).count();
}

long long ns(BenchmarkClock::time_point at)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
}

// A fresh user folder with the simulator's ports saved, for this process;
// returns it, for the caller to remove.
std::filesystem::path prepareEditorRun()
{
    char pattern[] = "/tmp/quorvin-bench-XXXXXX";
    const std::filesystem::path folder = ::mkdtemp(pattern);
    std::filesystem::create_directories(folder / "cache");
    std::ofstream(folder / "cache" / "settings.xml") << settingsWithSimulatorPorts;
    ::setenv(UserPaths::overrideVariable, folder.c_str(), 1);
    ::setenv("QUORVIN_MIDI", SimulatorConnection::backendChoice, 1);
    MidiBackend::addFactory(SimulatorConnection::backendChoice, [] {
        auto backend = std::make_shared<LoopbackMidiBackend>();
        static std::unique_ptr<SimulatorConnection> cable;
        cable = std::make_unique<SimulatorConnection>(backend, SimulatorConnection::defaultPortName, true);
        cable->instrument().setTransmit([weak = std::weak_ptr(backend)](const std::uint8_t* bytes, std::size_t size) {
            if (isBulkDump(bytes, size))
                dumpBytesSent += size;
            if (const auto backend = weak.lock())
                backend->inject(SimulatorConnection::defaultPortName, bytes, size);
        });
        return backend;
    });
    return folder;
}

int runApp(int argc, char** argv, BenchmarkApp::Run run)
{
    static BenchmarkApp::Run pending;
    pending = std::move(run);
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new BenchmarkApp(pending); });
    return wxEntry(argc, argv);
}

// --- Start-up -------------------------------------------------------------------------

using OptionalTime = std::optional<BenchmarkClock::time_point>;

void printStartUpFrames(OptionalTime first, OptionalTime complete)
{
    std::printf("first %lld complete %lld\n", first ? ns(*first) : 0LL, complete ? ns(*complete) : 0LL);
    std::fflush(stdout);
}

void reportStartUp(BenchmarkApp& app)
{
    app.pumpUntil([&] { return app.completeFrame().has_value(); }, startUpLimit);
    printStartUpFrames(app.firstFrame(), app.completeFrame());
}

// A frame with the editor's page size and nothing in it: its first frame is
// its complete frame.
class BareApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "bare");
        frame->SetClientSize(PageBitmaps::pageWidth, PageBitmaps::pageHeight);
        frame->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
            event.Skip();
            if (frames_)
                frames_->notePaint();
        });
        frame->Show();
        frames_ = std::make_unique<ScreenFrames>(*frame, [this, frame](BenchmarkClock::time_point at) {
            if (std::exchange(reported_, true))
                return;
            printStartUpFrames(at, at);
            CallAfter([this, frame] {
                frames_.reset();
                frame->Close(true);
            });
        });
        return frames_->following();
    }

private:
    std::unique_ptr<ScreenFrames> frames_;
    bool reported_ = false;
};

struct StartUpTimes {
    double first = -1;
    double complete = -1;
};

// Milliseconds from the start of the child process to its frames on the
// X server.
StartUpTimes startUpTimes(const std::string& childMode)
{
    const long long started = nowNs();
    FILE* child = ::popen(("'" + programPath + "' " + childMode).c_str(), "r");
    if (!child)
        return {};
    long long first = 0;
    long long complete = 0;
    char line[256];
    while (std::fgets(line, sizeof line, child))
        std::sscanf(line, "first %lld complete %lld", &first, &complete);
    ::pclose(child);
    const auto since = [&](long long at) { return at > 0 ? double(at - started) / 1e6 : -1; };
    return {since(first), since(complete)};
}

void printRuns(const char* what, const std::vector<double>& runs)
{
    std::printf("  %s:", what);
    for (double ms : runs)
        std::printf(" %.0f", ms);
    std::printf("\n");
}

int benchmarkStartUp(int rounds)
{
    std::vector<double> bare;
    std::vector<double> editor;
    std::vector<double> editorFirst;
    for (int round = 0; round < rounds; ++round) {
        bare.push_back(startUpTimes("startup-bare").complete);
        const StartUpTimes times = startUpTimes("startup-editor");
        editor.push_back(times.complete);
        editorFirst.push_back(times.first);
    }
    const double bareMedian = percentile(bare, 0.5);
    const double editorMedian = percentile(editor, 0.5);
    const double firstMedian = percentile(editorFirst, 0.5);
    std::printf("Start-up to the complete first frame on the X server (median of %d): editor %.0f ms, bare frame "
                "%.0f ms, ratio %.2f; the editor's first frame %.0f ms\n",
        rounds, editorMedian, bareMedian, editorMedian / bareMedian, firstMedian);
    printRuns("editor runs", editor);
    printRuns("editor's first frames", editorFirst);
    printRuns("bare frame runs", bare);
    std::printf("startup| %.0f ms | %.0f ms | %.2f | %.0f ms |\n", editorMedian, bareMedian, editorMedian / bareMedian,
        firstMedian);
    return 0;
}

// --- Connection and page switches -----------------------------------------------------

bool connectionOver(BenchmarkApp& app)
{
    const auto& log = app.log();
    const auto now = BenchmarkClock::now();
    return !app.waitShown() && !log.empty() && now - log.back().at >= connectionQuiet
        && now - app.lastFrame() >= paintQuiet;
}

// Each switch is timed from the View menu's command to the last frame of
// the switch that reached the X server; printed a line a switch.
void switchPages(BenchmarkApp& app)
{
    MainFrame& frame = *app.mainFrame();
    frame.Raise();
    frame.SetFocus();
    app.pumpUntilPaintsStop(paintQuiet, 2s);
    std::vector<double> handlers;
    for (int k = 0; k < warmUpSwitches + measuredSwitches; ++k) {
        // Performance to formant sequence, then system: each switch shows another page.
        const int page = (k + 1) % pageCount;
        const auto start = BenchmarkClock::now();
        // The View menu's command, which the page's function key gives.
        wxCommandEvent command(wxEVT_MENU, MainFrame::firstPageId + page);
        frame.ProcessWindowEvent(command);
        const auto handled = BenchmarkClock::now();
        app.pumpUntilPaintsStop(paintQuiet, 3s);
        if (k >= warmUpSwitches) {
            std::printf("switch-%s %.1f\n", pages[page].key, milliseconds(std::max(app.lastFrame(), handled) - start));
            handlers.push_back(milliseconds(handled - start));
        }
    }
    std::printf("switch-handler %.1f\n", percentile(handlers, 0.5));
}

void runSession(BenchmarkApp& app, bool trace)
{
    app.pumpUntil([&] { return connectionOver(app); }, connectionLimit);
    const ConnectionFigures connection =
        connectionFigures(app.log(), app.waitHidden(), dumpBytesSent.load(), app.lastFrame());
    if (trace)
        std::printf("%s", connectionTimeline(app.log()).c_str());
    std::printf("dumps %zu requests %zu bytes %zu wire %.1f last-dump %.1f last-repaint %.1f wait-end %.1f\n",
        connection.dumps, connection.requests, connection.dumpBytes, connection.wireMs, connection.lastDumpMs,
        connection.lastRepaintMs, connection.waitEndMs);
    switchPages(app);
    std::fflush(stdout);
}

using Figures = std::map<std::string, std::vector<double>>;

// Every figure of every run, by name: the children print name-value pairs.
bool readSessions(int rounds, Figures& figures)
{
    for (int round = 0; round < rounds; ++round) {
        FILE* child = ::popen(("'" + programPath + "' session-child").c_str(), "r");
        if (!child)
            return false;
        char line[512];
        while (std::fgets(line, sizeof line, child)) {
            std::istringstream fields(line);
            std::string name;
            double value = 0;
            while (fields >> name >> value)
                figures[name].push_back(value);
        }
        ::pclose(child);
    }
    return true;
}

void printConnection(int rounds, Figures& figures)
{
    const auto median = [&](const char* name) { return percentile(figures[name], 0.5); };
    const double wire = median("wire");
    std::printf("First connection, empty patch cache (median of %d): %.0f dumps (%.0f bytes) in %.0f requests; wire "
                "time %.0f ms\n",
        rounds, median("dumps"), median("bytes"), median("requests"), wire);
    std::printf("  to the last dump applied %.0f ms (ratio %.2f); to the last repaint after it %.0f ms (ratio %.2f); "
                "to the wait dialog gone %.0f ms (ratio %.2f)\n",
        median("last-dump"), median("last-dump") / wire, median("last-repaint"), median("last-repaint") / wire,
        median("wait-end"), median("wait-end") / wire);
    std::printf("connection| %.0f | %.0f | %.0f ms | %.0f ms (%.2f) | %.0f ms (%.2f) | %.0f ms (%.2f) |\n",
        median("dumps"), median("bytes"), wire, median("last-dump"), median("last-dump") / wire,
        median("last-repaint"), median("last-repaint") / wire, median("wait-end"), median("wait-end") / wire);
}

void printSwitches(int rounds, Figures& figures)
{
    std::printf("Page switch to the last frame on the X server (%d switches a page, over %d runs):\n",
        measuredSwitches / pageCount * rounds, rounds);
    std::vector<double> all;
    std::string row = "switches|";
    for (const PageName& page : pages) {
        const std::vector<double>& times = figures[std::string("switch-") + page.key];
        all.insert(all.end(), times.begin(), times.end());
        std::printf("  %-17s median %5.1f ms, slowest %5.1f ms\n", page.title, percentile(times, 0.5),
            percentile(times, 1));
        char cell[32];
        std::snprintf(cell, sizeof cell, " %.1f ms |", percentile(times, 0.5));
        row += cell;
    }
    std::printf("  all pages: 90th percentile %.1f ms; the switch command itself %.1f ms\n", percentile(all, 0.9),
        percentile(figures["switch-handler"], 0.5));
    std::printf("%s %.1f ms |\n", row.c_str(), percentile(all, 0.9));
}

int benchmarkSessions(int rounds)
{
    Figures figures;
    if (!readSessions(rounds, figures))
        return 1;
    if (figures["dumps"].empty() || percentile(figures["dumps"], 0.5) == 0) {
        std::printf("The connection brought no dump.\n");
        return 1;
    }
    printConnection(rounds, figures);
    printSwitches(rounds, figures);
    return 0;
}

int usage()
{
    std::fprintf(stderr, "usage: EditorBenchmark startup [rounds] | session [rounds] | session-trace\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    programPath = std::filesystem::absolute(argv[0]).string();
    if (argc < 2)
        return usage();
    const std::string mode = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 0;
    int toolkitArgc = 1;
    if (mode == "startup")
        return benchmarkStartUp(rounds ? rounds : 9);
    if (mode == "session")
        return benchmarkSessions(rounds ? rounds : 3);
    if (mode == "startup-bare") {
        wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new BareApp; });
        return wxEntry(toolkitArgc, argv);
    }
    BenchmarkApp::Run run;
    if (mode == "startup-editor")
        run = reportStartUp;
    else if (mode == "session-child" || mode == "session-trace")
        run = [trace = mode == "session-trace"](BenchmarkApp& app) { runSession(app, trace); };
    else
        return usage();
    const std::filesystem::path userFolder = prepareEditorRun();
    const int result = runApp(toolkitArgc, argv, std::move(run));
    std::filesystem::remove_all(userFolder);
    return result;
}
