#pragma once
// Collects what the program logs while it lives, as the active log target;
// verbose traces are collected when the test program turned them on.
// Messages other threads logged are collected when the test's (GUI) thread
// flushes them: every reading flushes first, and so does the destructor, so
// that nothing a test caused reaches the next test's capture.
#include <optional>
#include <string>
#include <vector>

#include <wx/log.h>

class LogCapture : public wxLog {
public:
    struct Line {
        std::string text;
        bool onGuiThread;
    };

    LogCapture();
    ~LogCapture() override;
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<Line>& lines();
    std::vector<std::string> texts();
    std::optional<Line> find(const std::string& text);
    int count(const std::string& text);
    bool contains(const std::string& text) { return count(text) > 0; }
    int countStartingWith(const std::string& prefix);
    void clear();

protected:
    void DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo& info) override;

private:
    wxLog* const previous_;
    std::vector<Line> lines_;
};
