#include "../gui_style/PixelCanvas.h"
#include "FakeControl.h"
#include "conditions/ValueRangeCondition.h"
#include "gui/EditorPanel.h"
#include "gui/HorizontalControlGroup.h"
#include "gui/PngBitmap.h"
#include "gui/VerticalControlGroup.h"
#include "gui/WxLayout.h"
#include "localparams/LocalParameter.h"
#include "params/SetValueFlags.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <wx/dcgraph.h>
#include <wx/frame.h>
#include <wx/mstream.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int pageWidth = 1272;
constexpr int pageHeight = 716;
const wxColour picture(30, 60, 90);

std::u16string text(const RefString& name) { return std::u16string(name.view()); }

// Captions keep a reference to their style, so it outlives every page.
const ControlStyle& captionStyle()
{
    static const ControlStyle style;
    return style;
}

std::vector<unsigned char> plainPng(const wxColour& colour)
{
    wxImage image(pageWidth, pageHeight);
    image.SetRGB(wxRect(0, 0, pageWidth, pageHeight), colour.Red(), colour.Green(), colour.Blue());
    addPngHandler();
    wxMemoryOutputStream out;
    image.SaveFile(out, wxBITMAP_TYPE_PNG);
    std::vector<unsigned char> bytes(out.GetSize());
    out.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

void settle()
{
    for (int i = 0; i < 20; ++i) {
        wxYield();
        wxMilliSleep(5);
    }
}

// The page as its paint handler draws it: through an anti-aliased context,
// rectangle by rectangle (here one). The screen itself cannot be read back
// reliably under GTK 3.
wxImage paintedPage(EditorPanel* page)
{
    const wxSize size = page->GetClientSize();
    PixelCanvas canvas(size.x, size.y, *wxBLACK);
    {
        wxGCDC context(canvas.dc);
        page->paintArea(context, wxRect(size));
    }
    return canvas.image();
}

wxColour pixel(const wxImage& image, int x, int y)
{
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

// The smallest rectangle within area holding every pixel that is not ground.
wxRect inkWithin(const wxImage& image, const wxRect& area, const wxColour& ground)
{
    wxRect ink;
    for (int y = area.y; y < area.GetBottom() + 1; ++y)
        for (int x = area.x; x < area.GetRight() + 1; ++x)
            if (pixel(image, x, y) != ground)
                ink.Union(wxRect(x, y, 1, 1));
    return ink;
}

// Remembers the rectangles asked to be repainted and those painted.
class RecordingPage : public EditorPanel {
public:
    using EditorPanel::EditorPanel;
    void Refresh(bool erase, const wxRect* rect) override
    {
        refreshed.push_back(rect ? *rect : wxRect());
        EditorPanel::Refresh(erase, rect);
    }

    void paintDecorations(wxDC& /*dc*/, const wxRect& rect) override { painted.push_back(rect); }

    std::vector<wxRect> painted;
    std::vector<wxRect> refreshed;
};

// A 1272 x 716 page with a mixer row at (100, 50) (Level, Pan, then on a
// second row a control without caption) and an envelope column at (600, 300)
// (Attack, then Decay under the section title "Release").
class PageTest : public testing::Test {
protected:
    PageTest()
    {
        frame->SetClientSize(pageWidth, pageHeight);
        page->SetSize(pageWidth, pageHeight);
        for (LocalParameter* parameter : {&level, &pan, &attack})
            parameter->setCommandList(&history);

        auto& mixer = page->setGroup(0, std::make_unique<HorizontalControlGroup>(RefString(u"Mixer"), page, nullptr,
            captionStyle()));
        levelControl = add(mixer, u"Level", 0, &level);
        panControl = add(mixer, u"Pan", 64, &pan);
        mixer.nextRow(ControlFlow::noExtra);
        plainControl = add(mixer, u"", 0, nullptr);
        mixer.setPosition(100, 50, page->backgroundBitmap());

        auto& envelope = page->setGroup(1, std::make_unique<VerticalControlGroup>(RefString(u"Envelope"), page,
            nullptr, captionStyle()));
        attackControl = add(envelope, u"Attack", 0, &attack);
        envelope.beginSection(RefString(u"Release"));
        decayControl = add(envelope, u"Decay", 0, nullptr);
        envelope.setPosition(600, 300, page->backgroundBitmap());
    }
    // At once, so no frame of an earlier test takes the next one's clicks.
    ~PageTest() override { delete frame; }

    FakeControl* add(ControlGroup& group, const char16_t* caption, int length, Parameter* parameter)
    {
        auto control = std::make_unique<FakeControl>(page, parameter);
        FakeControl* added = control.get();
        group.addLabelledControl(std::move(control), RefString(caption), length, ControlStyle::normalText);
        return added;
    }

    LocalParameter level{0, 127};
    LocalParameter pan{0, 127};
    LocalParameter attack{0, 127};
    CommandList history;
    std::vector<unsigned char> png = plainPng(picture);
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "page");
    RecordingPage* page = new RecordingPage(2, frame, png.data(), png.size());
    FakeControl* levelControl;
    FakeControl* panControl;
    FakeControl* plainControl;
    FakeControl* attackControl;
    FakeControl* decayControl;
};

TEST_F(PageTest, ControlsLandWhereTheirGroupFlowsAndKnowTheirPlace)
{
    EXPECT_EQ(levelControl->GetRect(), wxRect(100, 70, 128, 20));
    EXPECT_EQ(panControl->GetRect(), wxRect(231, 70, 64, 20));
    EXPECT_EQ(plainControl->GetRect(), wxRect(100, 113, 128, 20)) << "second row, under its own label band";
    EXPECT_EQ(attackControl->GetRect(), wxRect(728, 300, 128, 20));
    EXPECT_EQ(decayControl->GetRect(), wxRect(728, 323, 128, 20));
    ASSERT_NE(page->backgroundBitmap(), nullptr);
    EXPECT_EQ(levelControl->background(), page->backgroundBitmap());

    EXPECT_EQ(text(levelControl->getPath().text()), u"Mixer  Level");
    EXPECT_EQ(text(plainControl->getPath().widget), u"3");
    EXPECT_EQ(text(decayControl->getPath().text()), u"Envelope Release Decay");
    EXPECT_EQ(text(page->group(0)->itemText(1)), u"Pan");
    EXPECT_TRUE(page->group(0)->itemText(9).isEmpty());
}

TEST_F(PageTest, CaptionsArePaintedCentredAboveARowAndRightAlignedBesideAColumn)
{
    frame->Show();
    settle();
    EXPECT_FALSE(page->painted.empty()) << "the paint handler ran";

    const wxImage shot = paintedPage(page);
    EXPECT_EQ(pixel(shot, 5, 5), picture);

    const wxRect level = inkWithin(shot, wxRect(100, 50, 128, 20), picture);
    ASSERT_FALSE(level.IsEmpty());
    EXPECT_NEAR(level.x + level.width / 2.0, 164, 3) << "centred over the control";
    EXPECT_TRUE(inkWithin(shot, wxRect(100, 93, 128, 20), picture).IsEmpty()) << "no caption, no ink";

    const wxRect attack = inkWithin(shot, wxRect(600, 300, 128, 20), picture);
    ASSERT_FALSE(attack.IsEmpty());
    EXPECT_LT(attack.GetRight(), 727) << "the label gap stays free";
    EXPECT_GE(attack.GetRight(), 720) << "right-aligned";
    const wxRect release = inkWithin(shot, wxRect(600, 323, 128, 20), picture);
    ASSERT_FALSE(release.IsEmpty()) << "the section title";
    EXPECT_GE(release.GetRight(), 720);
}

TEST_F(PageTest, HiddenGroupHidesItsControlsAndPaintsNoCaption)
{
    LocalParameter envelopeOn(0, 1, 1);
    page->group(1)->shownConditions().addRequired(std::make_shared<ValueRangeCondition>(&envelopeOn, 1, 1));
    envelopeOn.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(attackControl->IsShown());
    EXPECT_FALSE(decayControl->IsShown());
    EXPECT_TRUE(levelControl->IsShown());
    EXPECT_FALSE(attackControl->element()->caption()->isShown());
    const LabelElement& title = *page->group(1)->captions().at(0);
    EXPECT_EQ(title.pageBox(), LayoutRect(600, 323, 125, title.lineHeight()));
    EXPECT_NE(std::find(page->refreshed.begin(), page->refreshed.end(), toWxRect(title.pageBox())),
        page->refreshed.end())
        << "the section title, drawn with no control, is wiped at once";

    const wxImage shot = paintedPage(page);
    EXPECT_TRUE(inkWithin(shot, wxRect(600, 300, 256, 43), picture).IsEmpty());
    EXPECT_FALSE(inkWithin(shot, wxRect(100, 50, 128, 20), picture).IsEmpty());

    envelopeOn.setValue(flagsUserEdit, 1);
    EXPECT_TRUE(decayControl->IsShown());
    EXPECT_FALSE(inkWithin(paintedPage(page), wxRect(600, 323, 128, 20), picture).IsEmpty());
}

TEST_F(PageTest, AnEnableConditionThatFailsFromTheStartDisablesEveryGroupAtOnce)
{
    LocalParameter bank(0, 4, 0);
    page->setGroupsEnableCondition(std::make_shared<ValueRangeCondition>(&bank, 1, 4));
    for (FakeControl* control : {levelControl, plainControl, decayControl})
        EXPECT_FALSE(control->IsEnabled());
    bank.setValue(flagsUserEdit, 2);
    for (FakeControl* control : {levelControl, plainControl, decayControl})
        EXPECT_TRUE(control->IsEnabled());
    EXPECT_TRUE(decayControl->IsShown()) << "enabling leaves the shown state alone";
}

TEST_F(PageTest, PageResetIsOneUndoStepOverEveryGroup)
{
    level.setValue(flagsUserEdit, 90);
    attack.setValue(flagsUserEdit, 40);
    history.clear();
    page->initPanel(flagsUserReset);
    ASSERT_EQ(history.commands().size(), 1u);
    EXPECT_EQ(text(history.commands()[0].name), u"Panel init");
    EXPECT_EQ(history.commands()[0].changes.size(), 2u) << "pan was already at its default";
    EXPECT_EQ(level.getValue(), 0);
    EXPECT_EQ(attack.getValue(), 0);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(level.getValue(), 90);
    EXPECT_EQ(attack.getValue(), 40);

    page->initPanel(flagsQuietInit);
    EXPECT_EQ(level.getValue(), 0);
    EXPECT_EQ(history.commands().size(), 1u) << "a quiet reset records nothing";
}

TEST_F(PageTest, APressOnThePageWithoutCtrlClearsTheSelection)
{
    int clears = 0;
    EditorPanel::setSelectionClearer([&clears] { ++clears; });
    frame->Show();
    settle();
    wxUIActionSimulator simulator;
    simulator.MouseMove(page->ClientToScreen(wxPoint(20, 600)));
    simulator.MouseClick();
    settle();
    EXPECT_EQ(clears, 1);
    simulator.MouseMove(levelControl->GetScreenRect().GetPosition() + wxPoint(5, 5));
    simulator.MouseClick();
    settle();
    EXPECT_EQ(clears, 1) << "a press on a control is the control's";

    wxMouseEvent withCtrl(wxEVT_LEFT_DOWN);
    withCtrl.SetControlDown(true);
    withCtrl.SetEventObject(page);
    page->GetEventHandler()->ProcessEvent(withCtrl);
    EXPECT_EQ(clears, 1) << "Ctrl extends the selection";
    EditorPanel::setSelectionClearer(nullptr);
}

TEST(FilePageTest, MissingOrBrokenPictureGivesAPlainDarkGreyPage)
{
    const std::unique_ptr<wxFrame> frame(new wxFrame(nullptr, wxID_ANY, "file page"));
    const TempFolder folder("gui_pages");
    EditorPanel* missing = new EditorPanel(frame.get(), folder.file("missing.png"));
    missing->SetSize(200, 100);
    EXPECT_EQ(pixel(paintedPage(missing), 10, 10), wxColour(96, 96, 96));
    const unsigned char notPng[] = {1, 2, 3};
    const EditorPanel* broken = new EditorPanel(1, frame.get(), notPng, sizeof notPng);
    EXPECT_EQ(broken->backgroundBitmap(), nullptr);
    EXPECT_EQ(broken->GetBackgroundColour(), wxColour(96, 96, 96));
}

} // namespace
