// Prints, for the whole editor under an X display, against the simulated
// FS1R paced at the wire rate:
//   startup [rounds]  start-up to the first paint of the main window, against
//                     a bare toolkit frame, each in a fresh process;
//   session [rounds]  the first connection with an empty patch cache against
//                     the wire time of the dumps it brings, then page switches
//                     through the View menu to their last repaint;
//   session-trace     one session with the connection's timeline.
// Each editor run gets a fresh user folder whose settings name the
// simulator's ports, so the editor probes them at once.
#include "benchmarks/editor/BenchmarkApp.h"
#include "benchmarks/editor/BenchmarkFigures.h"

#include "device/Device.h"
#include "files/UserPaths.h"
#include "gui/MainFrame.h"
#include "midi/LoopbackMidiBackend.h"
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

namespace {

using namespace std::chrono_literals;

constexpr int warmUpSwitches = 7;
constexpr int measuredSwitches = 28;
constexpr int pageCount = 7;
constexpr auto connectionLimit = 60s;
// No dump, request or repaint for this long: the connection is over.
constexpr auto connectionQuiet = 2500ms;
constexpr auto paintQuiet = 150ms;

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

// A fresh user folder with the simulator's ports saved, for this process.
void prepareEditorRun()
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
}

int runApp(int argc, char** argv, BenchmarkApp::Run run)
{
    static BenchmarkApp::Run pending;
    pending = std::move(run);
    wxApp::SetInitializerFunction([]() -> wxAppConsole* { return new BenchmarkApp(pending); });
    return wxEntry(argc, argv);
}

// --- Start-up -------------------------------------------------------------------------

void reportFirstPaint(BenchmarkApp& app)
{
    app.pumpUntil([&] { return app.firstPaint().has_value(); }, 10s);
    std::printf("painted %lld\n", app.firstPaint() ? ns(*app.firstPaint()) : 0LL);
    std::fflush(stdout);
}

// A frame the size of the editor's, with nothing in it.
class BareApp : public wxApp {
public:
    bool OnInit() override
    {
        frame_ = new wxFrame(nullptr, wxID_ANY, "bare", wxDefaultPosition, wxSize(1272, 760));
        frame_->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
            event.Skip();
            if (!painted_) {
                painted_ = true;
                std::printf("painted %lld\n", nowNs());
                std::fflush(stdout);
                CallAfter([this] { frame_->Close(true); });
            }
        });
        frame_->Show();
        return true;
    }

private:
    wxFrame* frame_ = nullptr;
    bool painted_ = false;
};

// Milliseconds from the start of the child process to its first paint.
double timeToFirstPaint(const std::string& childMode)
{
    const long long started = nowNs();
    FILE* child = ::popen(("'" + programPath + "' " + childMode).c_str(), "r");
    if (!child)
        return -1;
    long long painted = 0;
    char line[256];
    while (std::fgets(line, sizeof line, child))
        std::sscanf(line, "painted %lld", &painted);
    ::pclose(child);
    return painted > 0 ? double(painted - started) / 1e6 : -1;
}

int benchmarkStartUp(int rounds)
{
    std::vector<double> bare;
    std::vector<double> editor;
    for (int round = 0; round < rounds; ++round) {
        bare.push_back(timeToFirstPaint("startup-bare"));
        editor.push_back(timeToFirstPaint("startup-editor"));
    }
    const double bareMedian = percentile(bare, 0.5);
    const double editorMedian = percentile(editor, 0.5);
    std::printf("Start-up to first paint (median of %d): editor %.0f ms, bare frame %.0f ms, ratio %.2f\n", rounds,
        editorMedian, bareMedian, editorMedian / bareMedian);
    std::printf("  editor runs:");
    for (double ms : editor)
        std::printf(" %.0f", ms);
    std::printf("\n  bare runs:  ");
    for (double ms : bare)
        std::printf(" %.0f", ms);
    std::printf("\n");
    return 0;
}

// --- Connection and page switches -----------------------------------------------------

bool connectionOver(BenchmarkApp& app)
{
    const auto& log = app.log();
    const auto now = BenchmarkClock::now();
    return !app.waitShown() && !log.empty() && now - log.back().at >= connectionQuiet
        && now - app.lastPaint() >= paintQuiet;
}

void switchPages(BenchmarkApp& app, std::vector<double>& times, std::vector<double>& handlerTimes)
{
    MainFrame& frame = *app.mainFrame();
    frame.Raise();
    frame.SetFocus();
    app.pumpUntilPaintsStop(paintQuiet, 2s);
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
            times.push_back(milliseconds(app.lastPaint() - start));
            handlerTimes.push_back(milliseconds(handled - start));
        }
    }
}

void runSession(BenchmarkApp& app, bool trace)
{
    app.pumpUntil([&] { return connectionOver(app); }, connectionLimit);
    const ConnectionFigures connection = connectionFigures(app.log(), app.waitHidden(), dumpBytesSent.load());
    if (trace)
        std::printf("%s", connectionTimeline(app.log()).c_str());
    std::vector<double> switches;
    std::vector<double> handlers;
    switchPages(app, switches, handlers);
    std::printf("dumps %zu requests %zu bytes %zu wire %.1f last-dump %.1f wait-end %.1f switch-median %.1f "
                "switch-p90 %.1f switch-handler %.1f\n",
        connection.dumps, connection.requests, connection.dumpBytes, connection.wireMs, connection.lastDumpMs,
        connection.waitEndMs, percentile(switches, 0.5), percentile(switches, 0.9), percentile(handlers, 0.5));
    std::fflush(stdout);
}

int benchmarkSessions(int rounds)
{
    std::map<std::string, std::vector<double>> figures;
    for (int round = 0; round < rounds; ++round) {
        FILE* child = ::popen(("'" + programPath + "' session-child").c_str(), "r");
        if (!child)
            return 1;
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
    const auto median = [&](const char* name) { return percentile(figures[name], 0.5); };
    if (figures["dumps"].empty() || median("dumps") == 0) {
        std::printf("The connection brought no dump.\n");
        return 1;
    }
    std::printf("First connection, empty patch cache (median of %d): %.0f dumps (%.0f bytes) in %.0f requests; wire "
                "time %.0f ms\n",
        rounds, median("dumps"), median("bytes"), median("requests"), median("wire"));
    std::printf("  to the last dump applied %.0f ms (ratio %.2f); to the wait dialog gone %.0f ms (ratio %.2f)\n",
        median("last-dump"), median("last-dump") / median("wire"), median("wait-end"),
        median("wait-end") / median("wire"));
    std::printf("Page switch to the last repaint (%d switches a run, medians of %d runs): median %.1f ms, 90th "
                "percentile %.1f ms; the switch command itself %.1f ms\n",
        measuredSwitches, rounds, median("switch-median"), median("switch-p90"), median("switch-handler"));
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
    prepareEditorRun();
    if (mode == "startup-editor")
        return runApp(toolkitArgc, argv, reportFirstPaint);
    if (mode == "session-child" || mode == "session-trace")
        return runApp(toolkitArgc, argv, [trace = mode == "session-trace"](BenchmarkApp& app) { runSession(app, trace); });
    return usage();
}
