#pragma once
// What the FS1R device asks of its editor pages: which page shows, the
// seven page histories, resets, the window title, and the few parameters the
// pages make for the device. The page manager implements it; the device only
// holds it, since the main window destroys the pages after the device.
#include "instrument/Fs1rPart.h"
#include "text/RefString.h"
#include "undo/CommandHistory.h"
#include "undo/CommandHistoryObserver.h"

#include <cstdint>

class ControlStyle;
class Fs1rDevice;
class Parameter;
class ParameterFactory;
class ValueLabels;
class wxWindow;

class Fs1rPanels : public CommandHistoryObserver {
public:
    // Page indexes: system, performance, voices 1 to 4, formant sequence.
    static constexpr std::int32_t systemPage = 0;
    static constexpr std::int32_t performancePage = 1;
    static constexpr std::int32_t firstVoicePage = 2;
    static constexpr std::int32_t fseqPage = 6;
    static constexpr std::int32_t pageCount = 7;
    static constexpr std::int32_t voicePageCount = 4;
    // As a result: no page shows. As an argument: the page that shows.
    static constexpr std::int32_t noPage = -1;
    static constexpr std::int32_t shownPage = -1;

    static constexpr bool isPage(std::int32_t page) { return page >= systemPage && page < pageCount; }

    // The window that holds the pages; parent of the device's dialogs. None
    // without a display.
    virtual wxWindow* window() = 0;
    // The style of the MIDI control-set dialogs; none for the toolkit's own.
    virtual const ControlStyle* dialogStyle() = 0;

    // Builds the pages and their parameters, each page's parameters
    // recording into that page's history, and gives the device its
    // current-performance bank and number parameters. Called once, by the
    // device's setup.
    virtual void createPanels(Fs1rDevice& device, ParameterFactory& factory) = 0;

    // The page that shows, noPage when none does.
    virtual std::int32_t currentPanel() const = 0;
    virtual void showSystemPanel() = 0;
    virtual void showPerformancePanel() = 0;
    // voice 0 to 3.
    virtual void showVoicePanel(std::int32_t voice) = 0;
    virtual void showFseqPanel() = 0;

    // Asks the user, then resets the page that shows (recorded, sent).
    virtual void resetCurrentPanel() = 0;
    // Resets voice page 0 to 3 without asking and without recording; any
    // other index does nothing.
    virtual void initVoicePanel(std::int32_t voice) = 0;

    // The page's history; an index outside the pages gives the system
    // page's. Callers resolve shownPage first.
    virtual CommandHistory& pageHistory(std::int32_t page) = 0;
    CommandList& history(std::int32_t page) { return pageHistory(page).list(); }
    // Writes the page's history text to "history.txt"; shownPage with no
    // page shown writes nothing.
    virtual void dumpHistory(std::int32_t page) = 0;
    // Forgets the page's history and its modified mark: the page has just
    // been loaded from the patch cache. shownPage with no page shown does
    // nothing.
    virtual void markSaved(std::int32_t page) = 0;

    // Asked before a load replaces pages that hold unsaved edits: the
    // question names them; true when none would be lost or the user agrees.
    // part: the patch a choice loads. The connection asks with its own
    // question for the performance it brings in.
    virtual bool confirmLoad(Fs1rPart /*part*/) { return true; }
    virtual bool confirmConnectionLoad() { return true; }
    // The translated names, joined with commas, of the pages holding
    // unsaved edits that a file of the part reloads besides the page it
    // lands on (a performance's voices and sequence): the file's own page
    // keeps its edits in its history, the others lose theirs. Empty when
    // none does.
    virtual RefString unsavedPagesReloadedByFile(Fs1rPart /*part*/) const { return {}; }

    // The seven translated page names, in page order.
    virtual const ValueLabels& panelNames() const = 0;

    // With limited, the four part voice selectors of the performance header
    // offer 64 internal voices only; without, all 128 again.
    virtual void limitPartVoiceSelectors(bool limited) = 0;
    // The performance page's formant-sequence bank selector (0x100016);
    // none before the pages are built.
    virtual Parameter* fseqBankParameter() = 0;
    // A stored sequence's name came in: the choices that read the names as
    // they draw draw again.
    virtual void sequenceNamesChanged() {}
};
