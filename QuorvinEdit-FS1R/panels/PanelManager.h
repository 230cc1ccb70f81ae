#pragma once
// The window that holds the FS1R editor pages, their seven undo histories
// and the window title naming the shown page. The device creates it through
// its device type; it is a child of the main window, which destroys it after
// the device. Until the pages exist it tracks which page would show.
#include "instrument/Fs1rPageHistories.h"
#include "instrument/Fs1rPanels.h"
#include "panels/ControlStyleSet.h"

#include <wx/panel.h>

// How createPanels makes the pages. Every page derives from EditorPanel and
// has the constructor
//     Page(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device)
// (VoicePanel takes a last argument std::int32_t voice, 0 to 3). parent is the
// PanelManager; the factory's command list already points at the page's
// history, so every parameter the constructor makes records there; pages may
// keep pointers to the styles, which outlive them. The classes and their
// files in this folder: SystemPanel, PerformancePanel, VoicePanel,
// PerformanceTopPanel (the header, moved between pages 1 to 6, recording into
// the performance history) and FseqPanel.
class PanelManager : public wxPanel, public Fs1rPanels {
public:
    explicit PanelManager(wxWindow* parent);

    wxWindow* window() override { return this; }
    // The MIDI control-set dialogs paint like the system page.
    const ControlStyle* dialogStyle() override { return &styles_.style(ControlStyleSet::systemStyle); }
    // Makes the performance header's current-performance parameters, then
    // shows the performance page.
    void createPanels(Fs1rDevice& device, ParameterFactory& factory) override;

    std::int32_t currentPanel() const override { return shownPage_; }
    void showSystemPanel() override;
    void showPerformancePanel() override;
    void showVoicePanel(std::int32_t voice) override;
    void showFseqPanel() override;

    // No page holds controls yet, so there is nothing to reset.
    void resetCurrentPanel() override {}
    void initVoicePanel(std::int32_t) override {}

    CommandHistory& pageHistory(std::int32_t page) override { return histories_.at(page); }
    void dumpHistory(std::int32_t page) override;
    void markSaved(std::int32_t page) override;
    // Retitles the main window.
    void historyChanged() override;
    const ValueLabels& panelNames() const override { return Fs1rPageHistories::pageNames(); }

    void limitPartVoiceSelectors(bool) override {}
    Parameter* fseqBankParameter() override { return nullptr; }

private:
    void showPage(std::int32_t page);
    std::int32_t resolvePage(std::int32_t page) const { return page == shownPage ? shownPage_ : page; }

    // Pages keep pointers into it, so it must outlive them.
    ControlStyleSet styles_;
    Fs1rPageHistories histories_;
    std::int32_t shownPage_ = noPage;
};
