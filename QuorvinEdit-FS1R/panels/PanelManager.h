#pragma once
// The window that holds the FS1R editor pages and the performance header,
// their seven undo histories, the style set they paint with and the window
// title naming the shown page. The device creates it through its device
// type; it is a child of the main window, which destroys it after the device.
#include "instrument/Fs1rPageHistories.h"
#include "instrument/Fs1rPanels.h"
#include "panels/ControlStyleSet.h"
#include "panels/SentValueLink.h"

#include <wx/panel.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class EditorPanel;

// How createPanels makes the pages. Every page derives from EditorPanel and
// has the constructor
//     Page(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device)
// (VoicePanel takes a last argument std::int32_t voice, 0 to 3). parent is the
// PanelManager; the factory's command list already points at the page's
// history, so every parameter the constructor makes records there; pages may
// keep pointers to the styles, which outlive them. The classes and their
// files in this folder: SystemPanel, PerformancePanel, VoicePanel,
// PerformanceTopPanel (the header, shown over pages 1 to 6, recording into
// the performance history) and FseqPanel.
class PanelManager : public wxPanel, public Fs1rPanels {
public:
    // Asks the user whether to go on; true for Yes.
    using Confirmation = std::function<bool(wxWindow& parent, const wxString& message)>;

    explicit PanelManager(wxWindow* parent);
    // Deletes the pages before the styles they point to.
    ~PanelManager() override;

    wxWindow* window() override { return this; }
    // The MIDI control-set dialogs paint like the system page.
    const ControlStyle* dialogStyle() override { return &styles_.style(ControlStyleSet::systemStyle); }
    // Makes every page in a fixed order, each recording into its own
    // history, then shows the performance page.
    void createPanels(Fs1rDevice& device, ParameterFactory& factory) override;

    std::int32_t currentPanel() const override { return shownPage_; }
    void hideAllPanels();
    void showSystemPanel() override;
    void showPerformancePanel() override;
    void showVoicePanel(std::int32_t voice) override;
    void showFseqPanel() override;

    // Asks through the confirmation, then resets the shown page as one undo
    // step (the performance page with its header).
    void resetCurrentPanel() override;
    void initVoicePanel(std::int32_t voice) override;
    // Ask through the confirmation, naming the pages whose unsaved edits the
    // load would replace; with none, they ask nothing.
    bool confirmLoad(Fs1rPart part) override;
    bool confirmConnectionLoad() override;
    RefString unsavedPagesReloadedByFile(Fs1rPart part) const override;
    // Replaces the Yes/No message box (tests answer without a dialog).
    void setConfirmation(Confirmation confirm) { confirm_ = std::move(confirm); }

    CommandHistory& pageHistory(std::int32_t page) override { return histories_.at(page); }
    void dumpHistory(std::int32_t page) override;
    void markSaved(std::int32_t page) override;
    // Retitles the main window.
    void historyChanged() override;
    const ValueLabels& panelNames() const override { return Fs1rPageHistories::pageNames(); }

    // Passed on to the performance header.
    void limitPartVoiceSelectors(bool limited) override;
    void sequenceNamesChanged() override;
    Parameter* fseqBankParameter() override;

    // Page k (0 to 6); null before createPanels or for a page not built.
    EditorPanel* page(std::int32_t k) const { return isPage(k) ? pages_[std::size_t(k)] : nullptr; }
    // The performance header; null before createPanels.
    EditorPanel* header() const { return header_; }

private:
    struct PageRecipe;

    static const std::vector<PageRecipe>& pageRecipes();
    void buildPage(const PageRecipe& recipe, Fs1rDevice& device, ParameterFactory& factory);
    // The formant-sequence page passes its header settings on to their
    // twins on the performance page, and its graph listens to the
    // performance's command that loads another sequence.
    void linkFseqGroups();
    // A voice page edits only while its part plays a voice.
    void enableVoicePagesByPart();
    void showPage(std::int32_t page, bool withHeader);
    void resetPage(std::int32_t page);
    // The page's question; the performance's names the pages whose unsaved
    // edits the new performance's voices and sequence replace.
    wxString resetQuestion(std::int32_t page) const;
    // The names of the pages first to last that hold unsaved edits, joined
    // with commas; empty when none does.
    wxString modifiedPageNames(std::int32_t first, std::int32_t last) const;
    // Modified, and not let go already by the event being handled.
    bool holdsEditsToAskFor(std::int32_t page) const;
    bool confirmReplacing(std::int32_t first, std::int32_t last, const char* question);
    std::int32_t resolvePage(std::int32_t page) const { return page == shownPage ? shownPage_ : page; }

    std::vector<std::unique_ptr<SentValueLink>> fseqLinks_;
    // Pages keep pointers into it, so it must outlive them.
    ControlStyleSet styles_;
    Fs1rPageHistories histories_;
    // Child windows, deleted by the destructor in page order.
    std::array<EditorPanel*, pageCount> pages_{};
    EditorPanel* header_ = nullptr;
    std::int32_t shownPage_ = noPage;
    Confirmation confirm_;
    // The load questions' answers, while the event that asked is handled.
    bool declined_ = false;
    std::array<bool, pageCount> agreedPages_{};
};
