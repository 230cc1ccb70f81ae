#pragma once
// The editor pages as the device's tests see them: the real page histories
// and current-performance parameters, one parameter on every byte of the
// edit buffers (so dumps land in memory as the pages would take them), and a
// record of what the device asked for.
#include "instrument/Fs1rPageHistories.h"
#include "instrument/Fs1rPanels.h"

#include <vector>

class FakePanels : public Fs1rPanels {
public:
    FakePanels() : histories_(*this) {}

    wxWindow* window() override { return nullptr; }
    const ControlStyle* dialogStyle() override { return nullptr; }
    void createPanels(Fs1rDevice& device, ParameterFactory& factory) override;

    std::int32_t currentPanel() const override { return shown; }
    void showSystemPanel() override { shown = systemPage; }
    void showPerformancePanel() override { shown = performancePage; }
    void showVoicePanel(std::int32_t voice) override { shown = firstVoicePage + voice; }
    void showFseqPanel() override { shown = fseqPage; }

    void resetCurrentPanel() override { ++resets; }
    void initVoicePanel(std::int32_t voice) override { initialisedVoices.push_back(voice); }

    CommandHistory& pageHistory(std::int32_t page) override { return histories_.at(page); }
    void dumpHistory(std::int32_t) override {}
    void markSaved(std::int32_t page) override
    {
        savedPages.push_back(page);
        histories_.markSaved(page == shownPage ? shown : page);
    }
    void historyChanged() override { ++titleChanges; }
    const ValueLabels& panelNames() const override { return Fs1rPageHistories::pageNames(); }

    void limitPartVoiceSelectors(bool limited) override { voicesLimited = limited; }
    Parameter* fseqBankParameter() override { return fseqBank; }

    std::int32_t shown = noPage;
    int resets = 0;
    int titleChanges = 0;
    bool voicesLimited = false;
    std::vector<std::int32_t> initialisedVoices;
    std::vector<std::int32_t> savedPages;
    Parameter* fseqBank = nullptr;

private:
    Fs1rPageHistories histories_;
};
