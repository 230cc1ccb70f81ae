#include "panels/PanelManager.h"

#include "commands/LoadPatchCommandParameter.h"
#include "controls/Control.h"
#include "fseq/FseqGraphControl.h"
#include "gui/EditorPanel.h"
#include "instrument/Fs1rDevice.h"
#include "layout/PanelInit.h"
#include "panels/FseqPanel.h"
#include "panels/PageBitmaps.h"
#include "panels/PerformancePanel.h"
#include "panels/PerformanceTopPanel.h"
#include "panels/SystemPanel.h"
#include "panels/VoicePanel.h"
#include "params/SetValueFlags.h"
#include "params/Parameter.h"
#include "popup/PopupListDialog.h"
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

// A new performance brings its own voices and sequence into these pages.
constexpr const char* performanceReplacesQuestion = wxTRANSLATE(
    "You are going to reset the performance.\nIt replaces the unsaved edits on these pages: %s.\nIs this really "
    "what you want?");

// What replaces unsaved edits: a choice that loads another patch, or the
// connection, which brings the instrument's current performance with its
// voices and sequence.
enum LoadQuestion { performanceLoad, voiceLoad, fseqLoad, connectionLoad, loadQuestionCount };

constexpr std::array<const char*, loadQuestionCount> loadQuestions{
    wxTRANSLATE("You are going to load another performance.\nIt replaces the unsaved edits on these pages: %s.\nIs "
                "this really what you want?"),
    wxTRANSLATE("You are going to load another voice.\nIt replaces the unsaved edits on these pages: %s.\nIs this "
                "really what you want?"),
    wxTRANSLATE("You are going to load another formant sequence.\nIt replaces the unsaved edits on these pages: "
                "%s.\nIs this really what you want?"),
    wxTRANSLATE("The MIDI connection works.\nLoading the device's current performance replaces the unsaved edits "
                "on these pages: %s.\nDo you want to load it? With No, the pages and the device keep what they "
                "hold."),
};

LoadQuestion loadQuestion(Fs1rPart part)
{
    if (part == Fs1rParts::performance)
        return performanceLoad;
    return part == Fs1rParts::formantSequence ? fseqLoad : voiceLoad;
}

using PageMaker = EditorPanel* (*)(PanelManager& parent, const ControlStyleSet& styles, ParameterFactory& factory,
    Fs1rDevice& device);

template <typename Page>
EditorPanel* makePage(PanelManager& parent, const ControlStyleSet& styles, ParameterFactory& factory,
    Fs1rDevice& device)
{
    return new Page(&parent, styles, factory, device);
}

template <std::int32_t voice>
EditorPanel* makeVoicePage(PanelManager& parent, const ControlStyleSet& styles, ParameterFactory& factory,
    Fs1rDevice& device)
{
    return new VoicePanel(&parent, styles, factory, device, voice);
}

// The window starts with the focus on the shown page's first control, top to
// bottom and then left to right by their centres, as the toolkit's own tab
// order would choose it; left to the toolkit, its choice would depend on
// whether the header, over the page, had been laid out yet.
void focusFirstControl(wxWindow& page)
{
    wxWindow* first = nullptr;
    const auto before = [](const wxWindow& a, const wxWindow& b) {
        const wxPoint ca = a.GetRect().GetPosition() + a.GetSize() / 2;
        const wxPoint cb = b.GetRect().GetPosition() + b.GetSize() / 2;
        return ca.y != cb.y ? ca.y < cb.y : ca.x < cb.x;
    };
    for (wxWindow* child : page.GetChildren())
        if (child->IsShown() && child->IsEnabled() && child->AcceptsFocus() && (!first || before(*child, *first)))
            first = child;
    if (first)
        first->SetFocus();
}

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
    PageMaker make;
};

PanelManager::PanelManager(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER, "panel"),
      histories_(*this), confirm_(askYesNo)
{
}

PanelManager::~PanelManager()
{
    // The histories are emptied before the pages go, quietly: each of the
    // pages' parameters would otherwise take its changes out of them one by
    // one, which takes long after a load of thousands of values.
    for (std::int32_t page = 0; page < std::int32_t(Fs1rPageHistories::pageCount); ++page) {
        histories_.at(page).setObserver(nullptr);
        histories_.at(page).list().clear();
    }
    for (std::size_t k = 0; k < fseqPage; ++k)
        delete pages_[k];
    delete header_;
    delete pages_[fseqPage];
    DestroyChildren();
}

// The toolkit draws a window's children in the order they joined it, so the
// header comes last, to be drawn over every page.
const std::vector<PanelManager::PageRecipe>& PanelManager::pageRecipes()
{
    static const std::vector<PageRecipe> recipes{
        {"\tsystem panel", systemPage, systemPage, makePage<SystemPanel>},
        {"\tperformance panel", performancePage, performancePage, makePage<PerformancePanel>},
        {"\tvoice 1 panel", firstVoicePage, firstVoicePage, makeVoicePage<0>},
        {"\tvoice 2 panel", firstVoicePage + 1, firstVoicePage + 1, makeVoicePage<1>},
        {"\tvoice 3 panel", firstVoicePage + 2, firstVoicePage + 2, makeVoicePage<2>},
        {"\tvoice 4 panel", firstVoicePage + 3, firstVoicePage + 3, makeVoicePage<3>},
        {"\tFSEQ panel", fseqPage, fseqPage, makePage<FseqPanel>},
        {"\tperformance top panel", performancePage, headerSlot, makePage<PerformanceTopPanel>},
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
    linkFseqGroups();
    enableVoicePagesByPart();
    showPerformancePanel();
    focusFirstControl(*pages_[performancePage]);
    const wxColour background(96, 96, 96);
    const wxColour foreground(192, 192, 192);
    SetBackgroundColour(background);
    SetForegroundColour(foreground);
    wxLogVerbose("\tFS1R GUI creation end");
}

void PanelManager::linkFseqGroups()
{
    auto* performance = dynamic_cast<PerformancePanel*>(pages_[performancePage]);
    auto* fseq = dynamic_cast<FseqPanel*>(pages_[fseqPage]);
    if (!performance || !fseq)
        return;
    static_assert(std::size_t(PerformancePanel::fseqLinkCount) == std::size_t(FseqPanel::linkedCount));
    // One way: what the formant-sequence page sends, the performance takes over.
    const auto& twins = performance->fseqLinkParameters();
    const auto& settings = fseq->linkedSettings();
    for (std::size_t k = 0; k < settings.size(); ++k)
        if (settings[k] && twins[k])
            fseqLinks_.push_back(std::make_unique<SentValueLink>(*settings[k], *twins[k]));
    fseq->graph().setLoadTrigger(performance->fseqLoadCommand());
}

void PanelManager::enableVoicePagesByPart()
{
    auto* strip = dynamic_cast<PerformanceTopPanel*>(header_);
    if (!strip)
        return;
    for (std::int32_t voice = 0; voice < voicePageCount; ++voice)
        if (EditorPanel* voicePage = pages_[std::size_t(firstVoicePage + voice)])
            voicePage->setGroupsEnableCondition(strip->partEnabledCondition(voice));
}

void PanelManager::limitPartVoiceSelectors(bool limited)
{
    if (auto* strip = dynamic_cast<PerformanceTopPanel*>(header_))
        strip->limitPartVoiceSelectors(limited);
}

void PanelManager::sequenceNamesChanged()
{
    Refresh(false);
}

Parameter* PanelManager::fseqBankParameter()
{
    auto* performance = dynamic_cast<PerformancePanel*>(pages_[performancePage]);
    return performance ? performance->fseqBankParameter() : nullptr;
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
    // Before the page under it goes.
    PopupListDialog::cancelOpenList();
    hideAllPanels();
    if (EditorPanel* shown = pages_[std::size_t(page)]) {
        shown->Show();
        // The header stays a child of this window, over the page's top: moved
        // into the page it would make the toolkit paint the page twice.
        if (withHeader && header_) {
            header_->Show();
            header_->Raise();
        }
    }
    shownPage_ = page;
    // The focus was on the page just hidden.
    Control::followPointerWithin(*this);
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
    if (!shown || !confirm_(*this, resetQuestion(page)))
        return;
    wxLogVerbose(texts.initLog);
    // The performance page and its header reset as one undo step.
    runPanelInit(flagsUserReset, [this, shown, page] {
        if (page == performancePage && header_)
            header_->initPanel(flagsUserReset);
        shown->initPanel(flagsUserReset);
    });
}

wxString PanelManager::resetQuestion(std::int32_t page) const
{
    const wxString replaced = page == performancePage ? modifiedPageNames(firstVoicePage, fseqPage) : wxString();
    if (replaced.empty())
        return wxGetTranslation(resetTexts[std::size_t(page)].question);
    return wxString::Format(wxGetTranslation(performanceReplacesQuestion), replaced);
}

wxString PanelManager::modifiedPageNames(std::int32_t first, std::int32_t last) const
{
    wxString names;
    for (std::int32_t page = first; page <= last; ++page)
        if (holdsEditsToAskFor(page))
            names << (names.empty() ? "" : ", ") << toWxString(panelNames().get(page));
    return names;
}

bool PanelManager::holdsEditsToAskFor(std::int32_t page) const
{
    return histories_.at(page).isModified() && !agreedPages_.at(std::size_t(page));
}

bool PanelManager::confirmLoad(Fs1rPart part)
{
    if (!Fs1rParts::isValid(part))
        return true;
    // A performance brings its own voices and sequence along; every other
    // patch has a page of its own, the page after its part's number.
    const std::int32_t page = part + 1;
    const std::int32_t last = part == Fs1rParts::performance ? fseqPage : page;
    return confirmReplacing(page, last, loadQuestions[loadQuestion(part)]);
}

RefString PanelManager::unsavedPagesReloadedByFile(Fs1rPart part) const
{
    if (part != Fs1rParts::performance)
        return {};
    return fromWxString(modifiedPageNames(firstVoicePage, fseqPage));
}

bool PanelManager::confirmConnectionLoad()
{
    return confirmReplacing(performancePage, fseqPage, loadQuestions[connectionLoad]);
}

bool PanelManager::confirmReplacing(std::int32_t first, std::int32_t last, const char* question)
{
    if (declined_)
        return false;
    const wxString replaced = modifiedPageNames(first, last);
    if (replaced.empty())
        return true;
    const bool answer = confirm_(*this, wxString::Format(wxGetTranslation(question), replaced));
    // One decision may ask more than once (a bank and then a number, an
    // undo that loads two patches): until the event that asked has been
    // handled, a No holds for all of it and a Yes for the pages it named.
    declined_ = !answer;
    for (std::int32_t page = first; page <= last; ++page)
        if (answer && histories_.at(page).isModified())
            agreedPages_.at(std::size_t(page)) = true;
    CallAfter([this] {
        declined_ = false;
        agreedPages_.fill(false);
    });
    return answer;
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
