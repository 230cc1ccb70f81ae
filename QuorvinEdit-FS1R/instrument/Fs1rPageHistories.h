#pragma once
// The undo histories of the seven editor pages, one per page index, with the
// page names and the window title they make. The page manager owns it.
#include "labels/ValueLabels.h"
#include "undo/CommandHistory.h"

#include <array>
#include <cstdint>
#include <string>

class CommandHistoryObserver;

class Fs1rPageHistories {
public:
    static constexpr std::size_t pageCount = 7;
    static constexpr char titlePrefix[] = "QuorvinEdit-FS1R: FS1R: ";

    // Every history but the system page's tells the observer when its
    // modified mark changes.
    explicit Fs1rPageHistories(CommandHistoryObserver& observer);

    // An index outside the pages gives the system page's history.
    CommandHistory& at(std::int32_t page);
    const CommandHistory& at(std::int32_t page) const;
    // Forgets every command of the page and its modified mark.
    void markSaved(std::int32_t page);
    // Writes the page's history text to "history.txt" in the current
    // folder, replacing it.
    bool dump(std::int32_t page, std::string* error = nullptr) const;
    // The prefix, then the shown page's name and modified mark; the prefix
    // alone when no page shows.
    RefString title(std::int32_t shownPage) const;

    // "System", "Performance", "Voice 1" to "Voice 4", "Formant sequence",
    // translated once.
    static const ValueLabels& pageNames();

private:
    std::array<CommandHistory, pageCount> histories_;
};
