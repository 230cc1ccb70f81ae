#pragma once
// The editor's application object, watched: it keeps the verbose log with
// the time of each line, when the main window's frames reach the X server
// and when the wait dialog hides, and runs one benchmark once the window is
// up.
#include "app/EditorApp.h"
#include "benchmarks/editor/BenchmarkFigures.h"
#include "benchmarks/editor/ScreenFrames.h"

#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

class MainFrame;

class BenchmarkApp : public EditorApp {
public:
    // Runs on the GUI thread once the start-up is done; the program ends
    // when it returns.
    using Run = std::function<void(BenchmarkApp&)>;

    explicit BenchmarkApp(Run run);
    ~BenchmarkApp() override;

    bool OnInit() override;
    int FilterEvent(wxEvent& event) override;

    MainFrame* mainFrame() const;
    const std::vector<TimedLine>& log() const { return log_; }
    // When a frame of the main window first reached the X server, and when
    // the first frame did after which every window of it that draws itself
    // and shows had painted.
    std::optional<BenchmarkClock::time_point> firstFrame() const { return firstFrame_; }
    std::optional<BenchmarkClock::time_point> completeFrame() const { return completeFrame_; }
    // When the last frame with a paint reached the X server.
    BenchmarkClock::time_point lastFrame() const { return lastFrame_; }
    BenchmarkClock::time_point waitHidden() const { return waitHidden_; }
    bool waitShown() const;
    // Lets the toolkit work until done() holds or the limit passes; false
    // for the limit.
    bool pumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    // Until no frame has been drawn for quiet (after at least the given
    // time), or the limit.
    void pumpUntilPaintsStop(std::chrono::milliseconds quiet, std::chrono::milliseconds limit);
    void addLine(std::string text) { log_.push_back({BenchmarkClock::now(), std::move(text)}); }

private:
    void frameReachedServer(BenchmarkClock::time_point at);
    bool everyWindowPainted(const wxWindow& parent) const;

    Run run_;
    std::vector<TimedLine> log_;
    std::unique_ptr<ScreenFrames> frames_;
    std::unordered_set<const wxWindow*> painted_;
    std::optional<BenchmarkClock::time_point> firstFrame_;
    std::optional<BenchmarkClock::time_point> completeFrame_;
    BenchmarkClock::time_point lastFrame_;
    BenchmarkClock::time_point waitHidden_;
};
