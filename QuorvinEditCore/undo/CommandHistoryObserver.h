#pragma once
// Told whenever a history's modified mark changes (the page manager retitles
// the main window).
class CommandHistoryObserver {
public:
    virtual ~CommandHistoryObserver() = default;
    virtual void historyChanged() = 0;
};
