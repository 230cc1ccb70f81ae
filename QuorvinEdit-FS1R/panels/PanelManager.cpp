#include "panels/PanelManager.h"

#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rPerformanceSelection.h"
#include "sysex/MidiMessageParameter.h"
#include "sysex/ParameterFactory.h"
#include "text/WxText.h"

#include <wx/log.h>
#include <wx/toplevel.h>

PanelManager::PanelManager(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER, "panel"),
      histories_(*this)
{
}

void PanelManager::createPanels(Fs1rDevice& device, ParameterFactory& factory)
{
    wxLogVerbose("FS1R GUI creation");
    // The header's parameters record into the performance page's history.
    factory.setCommandList(&history(performancePage));
    const Fs1rPerformanceSelection selection = Fs1rPerformanceSelection::create(factory);
    device.setCurrentPerformanceParameters(selection.bank, selection.number);
    showPerformancePanel();
    const wxColour background(96, 96, 96);
    const wxColour foreground(192, 192, 192);
    SetBackgroundColour(background);
    SetForegroundColour(foreground);
    wxLogVerbose("\tFS1R GUI creation end");
}

void PanelManager::showPage(std::int32_t page)
{
    shownPage_ = page;
    historyChanged();
}

void PanelManager::showSystemPanel()
{
    wxLogVerbose("Show system panel");
    showPage(systemPage);
}

void PanelManager::showPerformancePanel()
{
    wxLogVerbose("Show performance panel");
    showPage(performancePage);
}

void PanelManager::showVoicePanel(std::int32_t voice)
{
    if (voice < 0 || voice >= voicePageCount)
        return;
    wxLogVerbose("Show voice panel %d", voice + 1);
    showPage(firstVoicePage + voice);
}

void PanelManager::showFseqPanel()
{
    wxLogVerbose("Show FSEQ panel");
    showPage(fseqPage);
}

void PanelManager::dumpHistory(std::int32_t page)
{
    const std::int32_t resolved = resolvePage(page);
    if (resolved == noPage)
        return;
    std::string error;
    if (!histories_.dump(resolved, &error))
        wxLogError("The history could not be written: %s", error);
}

void PanelManager::markSaved(std::int32_t page)
{
    const std::int32_t resolved = resolvePage(page);
    if (resolved != noPage)
        histories_.markSaved(resolved);
}

void PanelManager::historyChanged()
{
    if (auto* frame = dynamic_cast<wxTopLevelWindow*>(GetParent()))
        frame->SetTitle(toWxString(histories_.title(shownPage_)));
}
