#include "tests/support/LogCapture.h"

#include <algorithm>

#include <wx/thread.h>

LogCapture::LogCapture() : previous_(wxLog::SetActiveTarget(this)) {}

LogCapture::~LogCapture()
{
    wxLog::FlushActive();
    wxLog::SetActiveTarget(previous_);
}

const std::vector<LogCapture::Line>& LogCapture::lines()
{
    wxLog::FlushActive();
    return lines_;
}

std::vector<std::string> LogCapture::texts()
{
    std::vector<std::string> texts;
    for (const Line& line : lines())
        texts.push_back(line.text);
    return texts;
}

std::optional<LogCapture::Line> LogCapture::find(const std::string& text)
{
    const auto found = std::ranges::find(lines(), text, &Line::text);
    return found == lines_.end() ? std::nullopt : std::optional(*found);
}

int LogCapture::count(const std::string& text)
{
    return int(std::ranges::count(lines(), text, &Line::text));
}

int LogCapture::countStartingWith(const std::string& prefix)
{
    return int(std::ranges::count_if(lines(), [&prefix](const Line& line) { return line.text.starts_with(prefix); }));
}

void LogCapture::clear()
{
    wxLog::FlushActive();
    lines_.clear();
}

void LogCapture::DoLogRecord(wxLogLevel, const wxString& message, const wxLogRecordInfo& info)
{
    lines_.push_back({message.utf8_string(), info.threadId == wxThread::GetMainId()});
}
