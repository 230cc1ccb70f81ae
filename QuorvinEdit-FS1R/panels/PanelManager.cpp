#include "panels/PanelManager.h"

#include "gui/EditorPanel.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rPerformanceSelection.h"
#include "layout/PanelInit.h"
#include "panels/PageBitmaps.h"
#include "panels/SystemPanel.h"
#include "params/SetValueFlags.h"
#include "sysex/MidiMessageParameter.h"
#include "sysex/ParameterFactory.h"
#include "text/WxText.h"

#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>

namespace {

// Where a recipe puts what it makes when it is not one of the seven pages.
constexpr std::int32_t headerSlot = Fs1rPanels::pageCount;

struct ResetTexts {
    const char* question;
    const char* initLog;
};

// By page index.
constexpr std::array<ResetTexts, Fs1rPanels::pageCount> resetTexts{{
    {wxTRANSLATE("You are going to reset the SYSTEM SETTINGS.\nIs this really what you want?"), "Init system panel"},
    {wxTRANSLATE("You are going to reset the performance.\nIs this really what you want?"), "Init performance panel"},
    {wxTRANSLATE("You are going to reset the voice 1.\nIs this really what you want?"), "Init voice 1 panel"},
    {wxTRANSLATE("You are going to reset the voice 2.\nIs this really what you want?"), "Init voice 2 panel"},
    {wxTRANSLATE("You are going to reset the voice 3.\nIs this really what you want?"), "Init voice 3 panel"},
    {wxTRANSLATE("You are going to reset the voice 4.\nIs this really what you want?"), "Init voice 4 panel"},
    {wxTRANSLATE("You are going to reset the formant sequence.\nIs this really what you want?"), "Init FSEQ panel"},
}};

bool askYesNo(wxWindow& parent, const wxString& message)
{
    return wxMessageBox(message, _("Warning"), wxYES_NO | wxICON_EXCLAMATION, &parent) == wxYES;
}

} // namespace

struct PanelManager::PageRecipe {
    const char* logLine;
    // The history the page's parameters record into.
    std::int32_t history;
    // A page index, or headerSlot.
    std::int32_t slot;
    std::function<EditorPanel*(PanelManager& parent, const ControlStyleSet& styles, ParameterFactory& factory,
        Fs1rDevice& device)>
        make;
};

PanelManager::PanelManager(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER, "panel"),
      histories_(*this), confirm_(askYesNo)
{
}

PanelManager::~PanelManager()
{
    // The header goes back home first, so that deleting the page hosting it
    // does not delete it too.
    if (header_)
        header_->Reparent(this);
    for (std::size_t k = 0; k < fseqPage; ++k)
        delete pages_[k];
    delete header_;
    delete pages_[fseqPage];
    DestroyChildren();
}

const std::vector<PanelManager::PageRecipe>& PanelManager::pageRecipes()
{
    static const std::vector<PageRecipe> recipes{
        {"\tsystem panel", systemPage, systemPage,
            [](PanelManager& parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device) {
                return new SystemPanel(&parent, styles, factory, device);
            }},
    };
    return recipes;
}

void PanelManager::createPanels(Fs1rDevice& device, ParameterFactory& factory)
{
    wxLogVerbose("FS1R GUI creation");
    for (const PageRecipe& recipe : pageRecipes())
        buildPage(recipe, device, factory);
    wxLogVerbose("\tpanels done");
    // The main window fits itself to the pages.
    SetMinSize(wxSize(PageBitmaps::pageWidth, PageBitmaps::pageHeight));
    // The header's selection of the current performance records into the
    // performance page's history.
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

void PanelManager::buildPage(const PageRecipe& recipe, Fs1rDevice& device, ParameterFactory& factory)
{
    wxLogVerbose(recipe.logLine);
    factory.setCommandList(&history(recipe.history));
    EditorPanel* made = recipe.make(*this, styles_, factory, device);
    made->Hide();
    if (recipe.slot == headerSlot)
        header_ = made;
    else
        pages_[std::size_t(recipe.slot)] = made;
}

void PanelManager::hideAllPanels()
{
    for (std::size_t k = 0; k < fseqPage; ++k)
        if (pages_[k])
            pages_[k]->Hide();
    if (header_)
        header_->Hide();
    if (pages_[fseqPage])
        pages_[fseqPage]->Hide();
}

void PanelManager::showPage(std::int32_t page, bool withHeader)
{
    hideAllPanels();
    if (EditorPanel* shown = pages_[std::size_t(page)]) {
        shown->Show();
        if (withHeader && header_) {
            header_->Reparent(shown);
            header_->Move(0, 0);
            header_->Show();
            header_->Raise();
        }
    }
    shownPage_ = page;
    historyChanged();
}

void PanelManager::showSystemPanel()
{
    wxLogVerbose("Show system panel");
    showPage(systemPage, false);
}

void PanelManager::showPerformancePanel()
{
    wxLogVerbose("Show performance panel");
    showPage(performancePage, true);
}

void PanelManager::showVoicePanel(std::int32_t voice)
{
    if (voice < 0 || voice >= voicePageCount)
        return;
    wxLogVerbose("Show voice panel %d", voice + 1);
    showPage(firstVoicePage + voice, true);
}

void PanelManager::showFseqPanel()
{
    wxLogVerbose("Show FSEQ panel");
    showPage(fseqPage, true);
}

void PanelManager::resetCurrentPanel()
{
    if (isPage(shownPage_))
        resetPage(shownPage_);
    Refresh(false);
}

void PanelManager::resetPage(std::int32_t page)
{
    EditorPanel* shown = pages_[std::size_t(page)];
    const ResetTexts& texts = resetTexts[std::size_t(page)];
    if (!shown || !confirm_(*this, wxGetTranslation(texts.question)))
        return;
    wxLogVerbose(texts.initLog);
    // The performance page and its header reset as one undo step.
    runPanelInit(flagsUserReset, [this, shown, page] {
        if (page == performancePage && header_)
            header_->initPanel(flagsUserReset);
        shown->initPanel(flagsUserReset);
    });
}

void PanelManager::initVoicePanel(std::int32_t voice)
{
    if (voice < 0 || voice >= voicePageCount)
        return;
    if (EditorPanel* voicePage = pages_[std::size_t(firstVoicePage + voice)])
        voicePage->initPanel(flagsQuietInit);
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
