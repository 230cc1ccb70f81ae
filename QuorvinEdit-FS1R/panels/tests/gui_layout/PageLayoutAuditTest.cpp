// Every page, the performance header, the dialogs, the popup lists and each
// effect type's page as the user sees them, in the language the run asks for
// (see InterfaceLanguage.cpp): all of it inside its window, nothing drawn over
// anything else unless it belongs there, every text whole in its box, clear of
// the page's lines and the controls' drawings (a text written on a control's
// face whole inside the face), and legible against what is behind it.
#include "PageAudit.h"
#include "PagesFixture.h"

#include "controls/Control.h"
#include "controls/ValueLabelControl.h"
#include "effects/EffectBlock.h"
#include "gui/DeviceWaitWindow.h"
#include "gui/Drawing.h"
#include "gui/EditorPanel.h"
#include "gui/MidiControlSetDialog.h"
#include "gui/MidiLearnDialog.h"
#include "gui/WaitDialog.h"
#include "gui/WxDeviceUserInterface.h"
#include "instrument/gui/InternalMemoryView.h"
#include "midi/MidiControlSet.h"
#include "midi/MidiInterface.h"
#include "panels/PerformancePanel.h"
#include "params/Parameter.h"
#include "params/SetValueFlags.h"
#include "popup/PopupListDialog.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/stattext.h>

#include <algorithm>
#include <optional>
#include <sstream>

namespace {

constexpr int pageWidth = 1272;
constexpr int pageHeight = 716;
constexpr double legibleContrast = 4.5;
// A line under a text or at its end shows in this many pixels at least; a
// corner of a drawing next to a glyph's edge shows in one or two.
constexpr int crossingPixels = 3;

constexpr int performancePage = 1;
const char* const pageNames[] = {"system", "performance", "voice 1", "voice 2", "voice 3", "voice 4", "fseq"};

// Findings a page means, such as a control placed on another on purpose:
// each names the page (empty: every page) and texts the finding must all
// contain, with the reason.
struct Allowed {
    const char* page;
    std::vector<std::string> parts;
    const char* why;
};

const std::vector<Allowed> allowed = {
    {"", {"\"127\"", "FS1R perf mix", "crosses"},
     "a mixer level at its top writes its value on its own full bar, whose two tones meet under the text"},
    // Choices whose boxes are narrower than their longest names in either
    // language: they show no arrow, and cut a name only at their edge.
    {"", {"has no room", "perf ctrl  Destination"}, "the control destinations' names"},
    {"", {"has no room", " fm  Op"}, "the FM modifiers' operators"},
    {"", {"has no room", " frmt  Op"}, "the formant modifiers' operators"},
    {"", {"has no room", " fm  Dest"}, "the FM modifiers' destinations"},
    {"", {"has no room", " frmt  Dest"}, "the formant modifiers' destinations"},
    {"", {"has no room", " filter  Type"}, "the filter types"},
    {"", {"has no room", "\"i001\""}, "the performance numbers in the header"},
};

// A control that writes its text on a picture of its own, such as a framed
// face: drawn in the picture's colour, glyphs on the picture's lines do not
// show as crossing them, so the text's whole line must stay clear of them.
bool writesOnPicture(const Control& control)
{
    const Parameter* parameter = control.mainParameter();
    return parameter && parameter->showsText() && (parameter->picture() || parameter->valuePictures());
}

std::string boxText(const wxRect& box)
{
    std::ostringstream out;
    out << "(" << box.x << ", " << box.y << ", " << box.width << " x " << box.height << ")";
    return out.str();
}

} // namespace

class PageLayoutAuditTest : public PagesFixture, public ::testing::WithParamInterface<int> {
protected:
    wxWindow& shownPage(int index)
    {
        device->showPanel(index);
        pageName = pageNames[index];
        for (wxWindow* child : panels->GetChildren())
            if (child->IsShown() && dynamic_cast<EditorPanel*>(child))
                return *child;
        throw std::runtime_error("no page shown");
    }

    void report(const std::string& finding)
    {
        const bool isAllowed = std::any_of(allowed.begin(), allowed.end(), [&](const Allowed& entry) {
            return (*entry.page == 0 || entry.page == pageName) && std::all_of(entry.parts.begin(), entry.parts.end(), [&](const std::string& part) {
                return finding.find(part) != std::string::npos;
            });
        });
        if (!isAllowed)
            findings.push_back(findingPrefix + finding);
    }

    void auditPage(wxWindow& page);
    void auditChoices(const PageAudit& audit);
    // Returns how many lists it opened.
    int auditPopupLists(wxWindow& page);
    static std::optional<DrawnText> widestItem(ValueLabelControl& choice, const wxSize& cell);
    void auditDialogControls(wxWindow& dialog);
    static bool fitsLines(wxWindow& control);

    std::string allFindings() const
    {
        std::string all;
        for (const std::string& finding : findings)
            all += finding + "\n";
        return all;
    }

    std::string pageName;
    // Says what the page showed when a finding was made.
    std::string findingPrefix;
    std::vector<std::string> findings;
};

void PageLayoutAuditTest::auditPage(wxWindow& page)
{
    const PageAudit audit(page);
    const wxRect area(page.GetClientSize());
    const auto& controls = audit.controls();
    const auto& texts = audit.texts();

    for (const AuditedControl& control : controls)
        if (!area.Contains(control.box))
            report("control " + control.name + " " + boxText(control.box) + " leaves the page");
    for (std::size_t a = 0; a < controls.size(); ++a)
        for (std::size_t b = a + 1; b < controls.size(); ++b)
            if (controls[a].box.Intersects(controls[b].box))
                report("controls " + controls[a].name + " " + boxText(controls[a].box) + " and " + controls[b].name + " "
                       + boxText(controls[b].box) + " overlap");
    for (const AuditedText& text : texts) {
        const wxRect& box = text.drawn.box;
        if (!area.Contains(box))
            report("text " + audit.nameOf(text) + " " + boxText(box) + " leaves the page");
        if (audit.isCut(text))
            report("text " + audit.nameOf(text) + " " + boxText(box) + " is cut short");
        if (const int crossed = audit.crossedPixels(text); crossed >= crossingPixels)
            report("text " + audit.nameOf(text) + " " + boxText(box) + " crosses a line or a drawing ("
                   + std::to_string(crossed) + " pixels)");
        if (text.control >= 0) {
            const AuditedControl& owner = controls[std::size_t(text.control)];
            if (writesOnPicture(*owner.control)
                && (!owner.box.Contains(box) || audit.crossedLinePixels(text) >= crossingPixels))
                report("text " + audit.nameOf(text) + " " + boxText(box) + " does not fit inside its face "
                       + boxText(owner.box));
        } else
            for (const AuditedControl& control : controls)
                if (control.box.Intersects(box))
                    report("text " + audit.nameOf(text) + " " + boxText(box) + " lies on control " + control.name);
        const double contrast = audit.lowestContrast(text);
        if (contrast < legibleContrast)
            report("text " + audit.nameOf(text) + " " + boxText(box) + " in "
                   + text.drawn.colour.GetAsString(wxC2S_HTML_SYNTAX).utf8_string() + " has a contrast of only "
                   + std::to_string(contrast) + " on "
                   + audit.faintestGround(text).GetAsString(wxC2S_HTML_SYNTAX).utf8_string());
    }
    auditChoices(audit);
    // Glyphs on one line need a gap of three pixels to read as two texts,
    // unless one control writes them as parts of one text.
    std::vector<wxRect> inks;
    for (const AuditedText& text : texts)
        inks.push_back(audit.inkBox(text));
    const auto meet = [&](std::size_t a, std::size_t b) {
        const wxRect& first = inks[a];
        const wxRect& second = inks[b];
        const bool oneLine = first.y < second.GetBottom() + 1 && second.y < first.GetBottom() + 1;
        if (first.IsEmpty() || second.IsEmpty() || !oneLine)
            return false;
        const int gap = std::max(second.x - (first.GetRight() + 1), first.x - (second.GetRight() + 1));
        const bool oneText = texts[a].control >= 0 && texts[a].control == texts[b].control;
        return gap < (oneText ? 0 : 3);
    };
    for (std::size_t a = 0; a < texts.size(); ++a)
        for (std::size_t b = a + 1; b < texts.size(); ++b)
            if (meet(a, b))
                report("texts " + audit.nameOf(texts[a]) + " " + boxText(inks[a]) + " and " + audit.nameOf(texts[b])
                       + " " + boxText(inks[b]) + " overlap");
}

// The widest of a choice's items as it draws them centred in a cell of the
// given width (its box in bitmap pixels); none for a choice of pictures.
std::optional<DrawnText> PageLayoutAuditTest::widestItem(ValueLabelControl& choice, const wxSize& cell)
{
    wxBitmap bitmap(cell);
    wxMemoryDC memory(bitmap);
    TextRecordingDc dc(memory, TextDrawing::none);
    useFont(dc, choice.style().fixedFont);
    for (std::int32_t item = 0; item < choice.itemCount(); ++item)
        choice.drawItem(dc, item, false, LayoutRect(0, 0, cell.x, cell.y), PopupItemSource::centredItem);
    const auto& items = dc.texts();
    const auto widest = std::max_element(items.begin(), items.end(),
        [](const DrawnText& a, const DrawnText& b) { return a.box.width < b.box.width; });
    return widest == items.end() ? std::nullopt : std::optional<DrawnText>(*widest);
}

// A choice shows any of its items whole in its box, beside its arrow.
void PageLayoutAuditTest::auditChoices(const PageAudit& audit)
{
    for (const AuditedControl& audited : audit.controls()) {
        auto* choice = dynamic_cast<ValueLabelControl*>(audited.control);
        if (choice == nullptr)
            continue;
        // The choice shows its arrow only where its widest item fits beside
        // it with a pixel clear of the border on either side.
        const int margin = choice->style().borderWidth + 1;
        const int beside = audited.box.width - ValueLabelControl::arrowSpace;
        const wxRect room(margin, 0, beside - 2 * margin, audited.box.height);
        const auto widest = widestItem(*choice, wxSize(beside, audited.box.height));
        if (widest && !room.Contains(widest->box))
            report("choice " + audited.name + " " + boxText(audited.box) + " has no room for its item \""
                   + widest->text.utf8_string() + "\" " + boxText(widest->box) + " beside its arrow");
    }
}

// Each choice's popup list, opened as Enter opens it: on the display, and
// wide enough for the widest item with a pixel clear of the border.
int PageLayoutAuditTest::auditPopupLists(wxWindow& page)
{
    int opened = 0;
    const wxRect display = wxDisplay(wxDisplay::GetFromWindow(&page)).GetClientArea();
    const PageAudit audit(page);
    for (const AuditedControl& audited : audit.controls()) {
        auto* choice = dynamic_cast<ValueLabelControl*>(audited.control);
        if (choice == nullptr)
            continue;
        wxKeyEvent enter(wxEVT_KEY_DOWN);
        enter.m_keyCode = WXK_RETURN;
        choice->onKeyDown(enter);
        PopupListDialog* list = choice->popupList();
        if (list == nullptr || !list->IsShown()) {
            report("choice " + audited.name + " opens no list");
            continue;
        }
        const wxRect shown = list->GetScreenRect();
        const int margin = choice->style().borderWidth + 1;
        const auto widest = widestItem(*choice, audited.box.GetSize());
        if (!display.Contains(shown))
            report("the list of " + audited.name + " " + boxText(shown) + " leaves the display");
        if (widest && list->GetClientSize().x < widest->box.width + 2 * margin)
            report("the list of " + audited.name + " " + boxText(shown) + " is narrower than its item \""
                   + widest->text.utf8_string() + "\"");
        list->takeKey(WXK_ESCAPE);
        ++opened;
    }
    return opened;
}

// The toolkit's buttons and static texts size themselves to their labels:
// one narrower or lower than its label, or outside its dialog, cuts it. Each
// line shows in the run's language.
void PageLayoutAuditTest::auditDialogControls(wxWindow& dialog)
{
    const wxRect area(dialog.GetClientSize());
    for (wxWindow* child : dialog.GetChildren()) {
        if (!child->IsShown() || (!dynamic_cast<wxButton*>(child) && !dynamic_cast<wxStaticText*>(child)))
            continue;
        const std::string name = "\"" + child->GetLabel().utf8_string() + "\" " + boxText(child->GetRect());
        const wxSize best = child->GetBestSize();
        if (!area.Contains(child->GetRect()))
            report("control " + name + " leaves the dialog");
        if (child->GetSize().x < best.x || child->GetSize().y < best.y)
            report("control " + name + " is smaller than its label");
        if (!fitsLines(*child))
            report("control " + name + " wraps or hides a line of its label");
        // A line the catalogue translates is shown in English.
        for (const wxString& line : wxSplit(child->GetLabel(), '\n', '\0'))
            if (!line.empty() && wxGetTranslation(line) != line)
                report("control " + name + " shows \"" + line.utf8_string() + "\" untranslated");
    }
}

// Each line of the label side by side with the others, measured in the
// control's own font: a control smaller than that wraps a line or cuts one off.
bool PageLayoutAuditTest::fitsLines(wxWindow& control)
{
    wxSize lines;
    for (const wxString& line : wxSplit(control.GetLabel(), '\n', '\0')) {
        const wxSize extent = control.GetTextExtent(line.empty() ? wxString(" ") : line);
        lines.x = std::max(lines.x, extent.x);
        lines.y += extent.y;
    }
    return control.GetSize().x >= lines.x && control.GetSize().y >= lines.y;
}

TEST_P(PageLayoutAuditTest, EverythingInsideVisibleApartAndLegible)
{
    wxWindow& page = shownPage(GetParam());
    ASSERT_EQ(page.GetPosition(), wxPoint(0, 0));
    ASSERT_EQ(page.GetSize(), wxSize(pageWidth, pageHeight));
    ASSERT_GE(panels->GetMinSize().x, pageWidth);
    ASSERT_GE(panels->GetMinSize().y, pageHeight);
    auditPage(page);
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the " << pageName << " page:\n" << allFindings();
}

// The performance header stands over every page but the system page, as a
// window of its own; its row captions end at its left edge.
TEST_F(PageLayoutAuditTest, PerformanceHeaderInsideVisibleApartAndLegible)
{
    shownPage(performancePage);
    pageName = "header";
    wxWindow* header = panels->header();
    ASSERT_TRUE(header != nullptr && header->IsShown());
    auditPage(*header);
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the performance header:\n" << allFindings();
}

// The MIDI control-set dialog: the switches and fields on its panel, and
// buttons wide enough for their labels.
TEST_F(PageLayoutAuditTest, ControlSetDialogInsideVisibleApartAndLegible)
{
    pageName = "control set";
    auto& set = static_cast<MidiControlSet&>(device->midiInterface()->controlSet(0));
    auto* dialog = new MidiControlSetDialog(set, frame, *panels->dialogStyle());
    dialog->Show();
    for (wxWindow* child : dialog->GetChildren())
        if (auto* panel = dynamic_cast<EditorPanel*>(child))
            auditPage(*panel);
    auditDialogControls(*dialog);
    dialog->detach();
    dialog->Destroy();
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the control-set dialog:\n" << allFindings();
}

// The internal-memory dialog with the prompt of "Save to device", audited
// while it runs.
TEST_F(PageLayoutAuditTest, InternalMemoryDialogInsideVisibleApartAndLegible)
{
    pageName = "internal memory";
    InternalMemoryView view(frame, device->library(Fs1rLibraries::voices));
    view.setPrompt(fromWxString(_(
        "Select the destination in the FS1R memory.\nWARNING: the data in the FS1R will be overwritten!")));
    view.CallAfter([&view, this] {
        auditDialogControls(view);
        view.EndModal(wxID_CANCEL);
    });
    view.showModal();
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the internal-memory dialog:\n" << allFindings();
}

// The wait dialog as the device drives it for a dump (waiting, then
// receiving), with its own messages: every line of them whole, each on a line
// of its own.
TEST_F(PageLayoutAuditTest, WaitDialogShowsEveryLineWhole)
{
    pageName = "wait";
    WxDeviceUserInterface windows(frame);
    const auto wait = windows.createWaitDialog(frame);
    WaitDialog* dialog = static_cast<DeviceWaitWindow&>(*wait).dialog();
    ASSERT_TRUE(dialog != nullptr);
    const std::int32_t total = 4096;
    // The fake records "start <message> <total>" for each message shown.
    const auto showLastMessage = [&] {
        const std::string& call = ui.waitCalls.back();
        const std::string message = call.substr(6, call.rfind(' ') - 6);
        wait->start(RefString::fromUtf8(message), total);
        wxYield();
        auditDialogControls(*dialog);
        return message;
    };
    device->showWaitingForSysex(0x600000);
    showLastMessage();
    device->showReceivingSysex(0x600000, total);
    EXPECT_EQ(wxSplit(showLastMessage(), '\n', '\0').size(), 2U) << "the total size has a line of its own";
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the wait dialog:\n" << allFindings();
}

// The popup lists of the pages' choices (one voice page stands for the four).
TEST_F(PageLayoutAuditTest, PopupListsOnTheDisplayAndWideEnough)
{
    frame->Show();
    for (int index : {0, 1, 2, 6}) {
        wxWindow& page = shownPage(index);
        findingPrefix = pageName + ": ";
        EXPECT_GT(auditPopupLists(page), 0) << pageName;
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the popup lists:\n" << allFindings();
}

// MIDI learn's dialog as it asks to confirm a binding, to one parameter and
// to one of a list.
TEST_F(PageLayoutAuditTest, MidiLearnDialogShowsEveryLineWhole)
{
    const auto& blocks = dynamic_cast<PerformancePanel&>(shownPage(performancePage)).effectBlocks();
    pageName = "MIDI learn";
    for (std::size_t count : {1U, 2U}) {
        auto candidates = std::make_shared<ParameterList>();
        for (std::size_t k = 0; k < count; ++k)
            candidates->push_back(blocks.at(k)->typeParameter());
        findingPrefix = std::to_string(count) + " candidates: ";
        MidiLearnDialog dialog(&shownPage(performancePage), candidates);
        dialog.setMessage({0xB0, 7, 100});
        dialog.CallAfter([&dialog, this] {
            auditDialogControls(dialog);
            dialog.EndModal(wxID_CANCEL);
        });
        dialog.run(true);
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the MIDI learn dialog:\n" << allFindings();
}

// Every block shows type n (or its last type) together, so each page of each
// effect is audited beside its neighbours.
TEST_F(PageLayoutAuditTest, EveryEffectTypesPageInsideVisibleApartAndLegible)
{
    wxWindow& page = shownPage(performancePage);
    const auto& blocks = dynamic_cast<PerformancePanel&>(page).effectBlocks();
    std::int32_t mostTypes = 0;
    for (const auto& block : blocks)
        mostTypes = std::max(mostTypes, block->description().typeCount);
    for (std::int32_t type = 1; type <= mostTypes; ++type) {
        findingPrefix = "types " + std::to_string(type) + ": ";
        for (const auto& block : blocks)
            block->typeParameter()->setValue(flagsUserEdit, std::min(type, block->description().typeCount));
        auditPage(page);
    }
    EXPECT_TRUE(findings.empty()) << findings.size() << " findings on the effect pages:\n" << allFindings();
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageLayoutAuditTest, ::testing::Range(0, 7),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = pageNames[info.param];
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });
