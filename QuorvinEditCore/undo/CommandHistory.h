#pragma once
// The undo history of one editor page: its command list and the modified
// mark shown in the window title. Owned by the page manager.
#include "undo/CommandList.h"

#include <string>

class CommandHistoryObserver;

class CommandHistory {
public:
    static constexpr const char* historyFileName = "history.txt";

    CommandHistory() = default;
    CommandHistory(const CommandHistory&) = delete;
    CommandHistory& operator=(const CommandHistory&) = delete;

    CommandList& list() { return list_; }
    const CommandList& list() const { return list_; }

    bool isModified() const { return modified_; }
    // Sets the mark; the observer hears of it only when it was clear.
    void markModified();
    // Clears the mark; the observer hears of it only when it was set.
    void clearModified();
    // The translated " (modified)" when set, else the empty text.
    RefString modifiedMark() const;

    void setObserver(CommandHistoryObserver* observer) { observer_ = observer; }
    CommandHistoryObserver* observer() const { return observer_; }

    // Writes the list's history text, replacing the file atomically.
    bool writeHistory(const std::string& path, std::string* error = nullptr) const;

private:
    bool modified_ = false;
    CommandHistoryObserver* observer_ = nullptr;
    CommandList list_{this};
};
