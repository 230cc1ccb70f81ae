#pragma once
// Collects what the program logs while it is the active log target, verbose
// messages included; messages other threads logged are collected when the
// GUI thread flushes them.
#include <string>
#include <vector>

#include <wx/log.h>

class LogCapture : public wxLog {
public:
    LogCapture() : previous_(wxLog::SetActiveTarget(this)) {}
    ~LogCapture() override { wxLog::SetActiveTarget(previous_); }

    std::vector<std::string> lines()
    {
        wxLog::FlushActive();
        return lines_;
    }
    int count(const std::string& line)
    {
        int found = 0;
        for (const std::string& logged : lines())
            found += logged == line ? 1 : 0;
        return found;
    }
    bool contains(const std::string& line) { return count(line) > 0; }
    void clear()
    {
        wxLog::FlushActive();
        lines_.clear();
    }

protected:
    void DoLogRecord(wxLogLevel, const wxString& message, const wxLogRecordInfo&) override
    {
        lines_.push_back(message.utf8_string());
    }

private:
    wxLog* const previous_;
    std::vector<std::string> lines_;
};
