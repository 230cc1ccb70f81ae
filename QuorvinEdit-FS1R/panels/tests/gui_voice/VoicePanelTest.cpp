// A voice page built on a real device's parameter factory, recording into
// its own history: its groups and their places, the parameters' addresses,
// ranges and displays, the conditions between operators, its reset and its
// filter picture.
#include "PagesFixture.h"

#include "controls/AlgorithmDiagram.h"
#include "controls/AlgorithmSelector.h"
#include "controls/Control.h"
#include "controls/DiagramCanvas.h"
#include "controls/EnvelopeControl.h"
#include "tests/gui_style/PixelCanvas.h"
#include "gui/FontFaces.h"
#include "panels/ControlStyleSet.h"
#include "panels/FilterTypePictures.h"
#include "panels/Fs1rAlgorithmGraphs.h"
#include "panels/VoicePanel.h"
#include "params/SetValueFlags.h"
#include "sysex/AddressEntry.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexField.h"
#include "sysex/SysexParameter.h"
#include "undo/CommandHistory.h"

#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <map>
#include <set>

namespace {

SysexParameter* sysexOf(const Control& control) { return dynamic_cast<SysexParameter*>(control.mainParameter()); }

PackedAddress addressOf(const SysexParameter& parameter) { return parameter.field().entries().front()->address(); }

// Made before the device and destroyed after it: its parameters record here.
struct PageOwnership {
    CommandHistory history;
    ControlStyleSet styles;
};

} // namespace

class VoicePanelTest : public PageOwnership, public PagesFixture {
protected:
    static constexpr std::int32_t voice = 2;

    VoicePanelTest()
    {
        ParameterFactory& factory = *device->parameterFactory();
        factory.setCommandList(&history.list());
        page = new VoicePanel(frame, styles, factory, *device, voice);
        factory.setCommandList(nullptr);
    }

    // Every control of the group whose main parameter lies at the address
    // and bit, in the order they were added.
    std::vector<Control*> controlsAt(std::size_t slot, PackedAddress address, std::uint32_t bit = 0) const
    {
        std::vector<Control*> found;
        for (const auto& entry : page->group(slot)->controls()) {
            auto* control = dynamic_cast<Control*>(entry->control());
            const SysexParameter* parameter = control ? sysexOf(*control) : nullptr;
            if (parameter && addressOf(*parameter) == address && parameter->bitOffset() == bit)
                found.push_back(control);
        }
        return found;
    }
    Control& controlAt(std::size_t slot, PackedAddress address, std::uint32_t bit = 0) const
    {
        std::vector<Control*> found = controlsAt(slot, address, bit);
        if (found.empty())
            throw std::runtime_error("no control at the address");
        return *found.front();
    }
    // The parameter of any role of the group's controls at the address.
    Parameter* parameterAt(std::size_t slot, PackedAddress address) const
    {
        for (const auto& entry : page->group(slot)->controls())
            if (auto* control = dynamic_cast<Control*>(entry->control()))
                for (const auto& [role, parameter] : control->roles())
                    if (auto* sysex = dynamic_cast<SysexParameter*>(parameter); sysex && addressOf(*sysex) == address)
                        return parameter;
        throw std::runtime_error("no parameter at " + std::to_string(address));
    }
    static std::string shownText(Parameter& parameter, std::int32_t raw)
    {
        return parameter.valueText(raw).toUtf8();
    }

    VoicePanel* page = nullptr;
};

TEST_F(VoicePanelTest, GroupsAreNamedAndPlacedWithTheOperatorsStackedWithoutOverlap)
{
    EXPECT_EQ(page->GetSize(), wxSize(1272, 716));
    EXPECT_EQ(page->group(VoicePanel::lfo1Group)->name().toUtf8(), "FS1R voice 3 lfo1");
    EXPECT_EQ(page->group(VoicePanel::textGroup)->name().toUtf8(), "FS1R voice 3 text");
    EXPECT_EQ(page->group(VoicePanel::filterGroup)->position(), (LayoutPoint{984, 340}));
    EXPECT_EQ(page->group(VoicePanel::pitchEgGroup)->position(), (LayoutPoint{984, 590}));
    int previousTop = 0;
    for (int k = 0; k < VoicePanel::operatorCount; ++k) {
        const ControlGroup& group = *page->group(VoicePanel::firstVoicedGroup + k);
        EXPECT_EQ(group.position().x, 188);
        EXPECT_GT(group.position().y, previousTop) << "operator " << k + 1;
        previousTop = group.position().y;
    }
    EXPECT_EQ(page->group(VoicePanel::firstVoicedGroup)->position().y, 140);
    EXPECT_GT(page->group(VoicePanel::unvoicedGroup)->position().y, previousTop);
    EXPECT_EQ(page->group(VoicePanel::unvoicedGroup)->position().x, 190);
}

TEST_F(VoicePanelTest, EveryOperatorHasTheSameStripAndOnlyTheFirstCarriesCaptions)
{
    const std::size_t stripSize = page->group(VoicePanel::firstVoicedGroup)->controls().size();
    for (int k = 1; k < VoicePanel::operatorCount; ++k)
        EXPECT_EQ(page->group(VoicePanel::firstVoicedGroup + k)->controls().size(), stripSize);
    EXPECT_EQ(page->group(VoicePanel::unvoicedGroup)->controls().size() % VoicePanel::operatorCount, 0u);
    EXPECT_FALSE(page->group(VoicePanel::firstVoicedGroup)->captions().empty());
    EXPECT_EQ(page->group(VoicePanel::firstVoicedGroup + 1)->captions().size(),
        page->group(VoicePanel::firstVoicedGroup + 2)->captions().size());
    EXPECT_LT(page->group(VoicePanel::firstVoicedGroup + 1)->captions().size(),
        page->group(VoicePanel::firstVoicedGroup)->captions().size());
}

TEST_F(VoicePanelTest, ParametersSitAtTheVoicesAddressesAndBits)
{
    EXPECT_EQ(addressOf(*page->filterTypeParameter()), 0x420054u);
    EXPECT_EQ(controlAt(VoicePanel::noteShiftGroup, 0x42001E).mainParameter()->maximum(), 48);
    EXPECT_EQ(controlAt(VoicePanel::fseqGroup, 0x620405).mainParameter()->getValue(), 4);
    EXPECT_EQ(controlsAt(VoicePanel::fseqGroup, 0x42002A, 0).size(), 1u);
    EXPECT_EQ(controlsAt(VoicePanel::fseqGroup, 0x42002B, 6).size(), 1u);
    EXPECT_EQ(controlAt(VoicePanel::fmGroup, 0x42004E).mainParameter()->maximum(), 15);
    EXPECT_EQ(controlAt(VoicePanel::fmGroup, 0x420053).mainParameter()->maximum(), 127);
    EXPECT_EQ(controlAt(VoicePanel::formantGroup, 0x420040, 4).mainParameter()->getValue(), 2);
    EXPECT_EQ(controlAt(VoicePanel::lfo1Group, 0x420059).mainParameter()->maximum(), 99);
    EXPECT_EQ(controlAt(VoicePanel::lfo2Group, 0x42005A).mainParameter()->maximum(), 99);
    EXPECT_EQ(controlAt(VoicePanel::firstVoicedGroup + 7, 0x420034).mainParameter()->maximum(), 15);
    EXPECT_EQ(controlAt(VoicePanel::unvoicedGroup, 0x62072E).mainParameter()->maximum(), 99);
}

TEST_F(VoicePanelTest, DisplaysAndDefaultsFollowTheirScales)
{
    Parameter& reso = *controlAt(VoicePanel::filterGroup, 0x420055).mainParameter();
    EXPECT_EQ(reso.getValue(), 16);
    EXPECT_EQ(shownText(reso, 116), "+100");
    Parameter& noteShift = *controlAt(VoicePanel::noteShiftGroup, 0x42001E).mainParameter();
    EXPECT_EQ(noteShift.getValue(), 24);
    EXPECT_EQ(controlAt(VoicePanel::filterGroup, 0x420057).mainParameter()->getValue(), 127);
    EXPECT_EQ(controlAt(VoicePanel::algorithmGroup, 0x42002C).mainParameter()->getValue(), 0);
    EXPECT_EQ(shownText(*controlAt(VoicePanel::algorithmGroup, 0x42002C).mainParameter(), 87), "88");
    // Operator 1's ratio "X": raw 0 is the half ratio.
    std::vector<Control*> coarse = controlsAt(VoicePanel::firstVoicedGroup, 0x620001);
    ASSERT_EQ(coarse.size(), 2u);
    EXPECT_EQ(shownText(*coarse[1]->mainParameter(), 0), "0.5");
    EXPECT_EQ(shownText(*coarse[0]->mainParameter(), 31), "+16");
    EXPECT_EQ(controlAt(VoicePanel::fmGroup, 0x42004A).mainParameter()->getValue(), 0);
    EXPECT_EQ(controlAt(VoicePanel::fmGroup, 0x42004A, 4).mainParameter()->getValue(), 1);
}

// Each point of the pitch envelope drags the parameter at its own offset: a
// swapped pair would move the decay when the attack is dragged.
TEST_F(VoicePanelTest, ThePitchEnvelopesRolesSitAtTheirOffsets)
{
    const std::map<RoleId, PackedAddress> expected{{256, 0x42001F}, {263, 0x420023}, {257, 0x420020},
        {264, 0x420024}, {258, 0x420021}, {265, 0x420025}, {260, 0x42003E}, {267, 0x420026}, {261, 0x420022}};
    std::map<RoleId, PackedAddress> bound;
    for (const auto& entry : page->group(VoicePanel::pitchEgGroup)->controls())
        if (auto* envelope = dynamic_cast<EnvelopeControl*>(entry->control()))
            for (const auto& [role, parameter] : envelope->roles())
                bound.emplace(role, addressOf(dynamic_cast<SysexParameter&>(*parameter)));
    EXPECT_EQ(bound, expected);
}

TEST_F(VoicePanelTest, EnvelopesStartCentredWithMiddleTimesAndTheCurvesOnTheirDefaults)
{
    EXPECT_EQ(parameterAt(VoicePanel::pitchEgGroup, 0x42001F)->getValue(), 50);
    EXPECT_EQ(parameterAt(VoicePanel::pitchEgGroup, 0x420026)->getValue(), 50);
    EXPECT_EQ(parameterAt(VoicePanel::filterGroup, 0x420065)->getValue(), 50);
    EXPECT_EQ(parameterAt(VoicePanel::filterGroup, 0x42005C)->getValue(), 60);
    EXPECT_EQ(parameterAt(VoicePanel::filterGroup, 0x42005B)->getValue(), 64);
    const std::size_t fourth = VoicePanel::firstVoicedGroup + 3;
    EXPECT_EQ(parameterAt(fourth, 0x62030C)->getValue(), 99);
    EXPECT_EQ(parameterAt(fourth, 0x620314)->getValue(), 0);
    EXPECT_EQ(parameterAt(fourth, 0x62031A)->getValue(), 3);
    EXPECT_EQ(parameterAt(fourth, 0x620317)->getValue(), 39);
    EXPECT_EQ(parameterAt(VoicePanel::unvoicedGroup, 0x62032F)->getValue(), 7);
    for (int k = 0; k < VoicePanel::operatorCount; ++k)
        EXPECT_EQ(controlAt(VoicePanel::fseqGroup, 0x620005 + k * 0x100).mainParameter()->getValue(), k);
}

TEST_F(VoicePanelTest, SourceAndDestinationShareTheModifierByte)
{
    controlAt(VoicePanel::fmGroup, 0x42004A).mainParameter()->setValue(flagsUserEdit, 9);
    controlAt(VoicePanel::fmGroup, 0x42004A, 4).mainParameter()->setValue(flagsUserEdit, 3);
    EXPECT_EQ(sysexOf(controlAt(VoicePanel::fmGroup, 0x42004A))->field().entries().front()->value(), 0x39u);
}

TEST_F(VoicePanelTest, TheSpectralFormChoosesWhichOperatorControlsShow)
{
    const std::size_t third = VoicePanel::firstVoicedGroup + 2;
    Parameter& form = *controlAt(third, 0x620204).mainParameter();
    Control& bandwidth = *controlsAt(third, 0x620206).front();
    Control& sync = controlAt(third, 0x620200, 6);
    form.setValue(flagsUserEdit, 7);
    EXPECT_TRUE(bandwidth.isShown());
    EXPECT_FALSE(sync.isShown());
    form.setValue(flagsUserEdit, 0);
    EXPECT_FALSE(bandwidth.isShown());
    EXPECT_TRUE(sync.isShown());
}

TEST_F(VoicePanelTest, OneFeedbackSliderShowsAndFollowsTheAlgorithm)
{
    Parameter& algorithm = *controlAt(VoicePanel::algorithmGroup, 0x42002C).mainParameter();
    auto shownFeedback = [&] {
        std::vector<int> operators;
        for (int k = 0; k < VoicePanel::operatorCount; ++k)
            if (controlAt(VoicePanel::firstVoicedGroup + k, 0x42003D).isShown())
                operators.push_back(k);
        return operators;
    };
    std::set<std::vector<int>> placements;
    for (std::int32_t value = 0; value < 88; value += 7) {
        algorithm.setValue(flagsUserEdit, value);
        const std::vector<int> shown = shownFeedback();
        EXPECT_EQ(shown.size(), 1u) << "algorithm " << value + 1;
        placements.insert(shown);
        int carriers = 0;
        for (int k = 0; k < VoicePanel::operatorCount; ++k)
            carriers += controlAt(VoicePanel::firstVoicedGroup + k, 0x42002D + k).isShown() ? 1 : 0;
        EXPECT_GE(carriers, 1) << "algorithm " << value + 1;
    }
    EXPECT_GT(placements.size(), 1u);
    // Every strip's slider edits the one feedback level.
    controlAt(VoicePanel::firstVoicedGroup + 5, 0x42003D).mainParameter()->setValue(flagsUserEdit, 6);
    EXPECT_EQ(controlAt(VoicePanel::firstVoicedGroup, 0x42003D).mainParameter()->getValue(), 6);
}

TEST_F(VoicePanelTest, UnvoicedLinkFfNeedsTheVoicedFormant)
{
    Parameter& form = *controlAt(VoicePanel::firstVoicedGroup + 2, 0x620204).mainParameter();
    Parameter& mode = *controlAt(VoicePanel::unvoicedGroup, 0x620224, 5).mainParameter();
    form.setValue(flagsUserEdit, 2);
    mode.setValue(flagsUserEdit, 2);
    EXPECT_LE(mode.getValue(), 1);
    form.setValue(flagsUserEdit, 7);
    mode.setValue(flagsUserEdit, 2);
    EXPECT_EQ(mode.getValue(), 2);
    Control& coarse = controlAt(VoicePanel::unvoicedGroup, 0x620224);
    EXPECT_FALSE(coarse.isShown());
    mode.setValue(flagsUserEdit, 0);
    EXPECT_TRUE(coarse.isShown());
}

TEST_F(VoicePanelTest, EditsRecordIntoThePagesHistoryAndAResetIsOneStep)
{
    Parameter& cutoff = *controlAt(VoicePanel::filterGroup, 0x420057).mainParameter();
    cutoff.setValue(flagsUserEdit, 10);
    controlAt(VoicePanel::noteShiftGroup, 0x42001E).mainParameter()->setValue(flagsUserEdit, 0);
    const std::size_t before = history.list().position();
    page->initPanel(flagsUserReset);
    EXPECT_EQ(cutoff.getValue(), 127);
    EXPECT_EQ(history.list().position(), before + 1);
    ASSERT_TRUE(history.list().undo());
    EXPECT_EQ(cutoff.getValue(), 10);
}

TEST_F(VoicePanelTest, ANotifiedFilterTypeChangeRepaintsOnlyThePicture)
{
    frame->Show();
    panels->Hide();
    page->SetPosition(wxPoint(0, 0));
    page->Raise();
    auto pump = [] {
        for (int k = 0; k < 20; ++k) {
            wxMilliSleep(10);
            wxYield();
        }
    };
    pump();
    wxRect painted;
    page->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
        painted.Union(page->GetUpdateRegion().GetBox());
        event.Skip();
    });
    page->filterTypeParameter()->setValue(flagsSysexReceived, 3);
    pump();
    EXPECT_FALSE(painted.IsEmpty());
    EXPECT_TRUE(VoicePanel::filterPictureRect.Contains(painted)) << painted.x << "," << painted.y;
}

TEST_F(VoicePanelTest, FilterPicturePaintsForEveryTypeAndSurvivesAReceivedSeven)
{
    wxBitmap canvas(1272, 716);
    wxMemoryDC dc(canvas);
    for (std::int32_t type : {0, 3, 5}) {
        page->filterTypeParameter()->setValue(flagsUserEdit, type);
        page->paintArea(dc, VoicePanel::filterPictureRect);
    }
    // A received byte may hold 6 or 7: there is no picture for them.
    page->filterTypeParameter()->field().entries().front()->setValue(7, flagsSysexReceived);
    page->paintArea(dc, VoicePanel::filterPictureRect);
    EXPECT_EQ(FilterTypePictures::picture(6), nullptr);
    EXPECT_EQ(FilterTypePictures::picture(7), nullptr);
}

TEST_F(VoicePanelTest, TheCaptionTakesTheSansFacesStandIn)
{
    const wxFont& font = VoicePanel::captionFont();
    EXPECT_EQ(font.GetFaceName(), FontFaces::installedFace("Microsoft Sans Serif"));
    EXPECT_EQ(font.GetPointSize(), 18);
    EXPECT_EQ(font.GetWeight(), wxFONTWEIGHT_BOLD);
}

namespace {

// The smallest rectangle holding everything a diagram draws.
class BoundsCanvas : public DiagramCanvas {
public:
    void drawLine(int x1, int y1, int x2, int y2) override
    {
        add(wxRect(wxPoint(std::min(x1, x2), std::min(y1, y2)), wxPoint(std::max(x1, x2), std::max(y1, y2))));
    }
    void drawOperatorBox(std::int32_t, int x, int y, int side) override { add(wxRect(x, y, side, side)); }

    wxRect bounds;

private:
    void add(const wxRect& rect) { bounds = bounds.IsEmpty() ? rect : bounds.Union(rect); }
};

} // namespace

TEST_F(VoicePanelTest, TheAlgorithmSelectorPaintsEveryDiagramInsideItselfClearOfItsCaption)
{
    frame->Show();
    AlgorithmSelector& selector = *page->algorithmSelector();
    const wxRect placed(selector.window()->GetPosition(), selector.window()->GetSize());
    EXPECT_TRUE(selector.isShown());
    EXPECT_TRUE(wxRect(page->GetSize()).Contains(placed));

    // Algorithm 1 puts eight carriers in a row: each box is painted in its operator's colour.
    wxBitmap canvas(placed.GetSize());
    wxSize captionExtent;
    {
        wxMemoryDC dc(canvas);
        selector.draw(dc, wxRegion(), true, false, false);
        dc.SetFont(selector.style().fixedFont);
        captionExtent = dc.GetTextExtent("Preset: 88");
    }
    const wxImage image = canvas.ConvertToImage();
    std::set<std::uint32_t> colours;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x)
            colours.insert(image.GetRed(x, y) << 16 | image.GetGreen(x, y) << 8 | image.GetBlue(x, y));
    for (const std::uint32_t operatorColour :
        {0xFF9595u, 0xFFC072u, 0xFFFF5Au, 0xA2FF88u, 0x63FFDEu, 0xB2BDFFu, 0xF8B6FFu, 0xFF7CE2u})
        EXPECT_TRUE(colours.contains(operatorColour)) << std::hex << operatorColour;

    // Every algorithm's diagram, drawn where the selector draws it, stays inside it and clear of the caption
    // at its top right.
    const int border = selector.style().borderWidth;
    const wxRect room(placed.GetSize());
    const wxRect caption(wxPoint(placed.width - captionExtent.x - 12, 0), captionExtent);
    for (const AlgorithmGraph& graph : fs1rAlgorithmGraphs()) {
        BoundsCanvas drawn;
        AlgorithmDiagram(graph, selectorDiagramGeometry).draw(drawn, border, placed.height - border);
        EXPECT_TRUE(room.Contains(drawn.bounds) && !caption.Intersects(drawn.bounds))
            << "algorithm " << (&graph - fs1rAlgorithmGraphs().data()) + 1;
    }
}

// The pitch envelope's levels are offsets around a displayed 0: at 0 it is a
// line through the middle; at their lowest, the fill lies below the middle only.
TEST_F(VoicePanelTest, ThePitchEnvelopeIsDrawnAroundItsMiddle)
{
    EnvelopeControl* envelope = nullptr;
    for (const auto& entry : page->group(VoicePanel::pitchEgGroup)->controls())
        if (auto* found = dynamic_cast<EnvelopeControl*>(entry->control()))
            envelope = found;
    ASSERT_NE(envelope, nullptr);
    const wxSize size = envelope->window()->GetClientSize();
    const int middle = size.y / 2;
    const int x = size.x / 2;
    const auto drawnAt = [&](std::int32_t raw) {
        for (const auto& [role, parameter] : envelope->roles())
            parameter->setValue(flagsConstruct, raw);
        auto canvas = std::make_unique<PixelCanvas>(size.x, size.y, *wxBLACK);
        envelope->draw(canvas->dc, wxRegion(), true, false, false);
        return canvas;
    };
    const auto centred = drawnAt(50);
    const wxColour ground = centred->pixel(x, 2);
    EXPECT_EQ(centred->pixel(x, middle), envelope->style().pen1.GetColour());
    EXPECT_EQ(centred->pixel(x, middle - 20), ground);
    EXPECT_EQ(centred->pixel(x, middle + 20), ground);

    const auto lowest = drawnAt(0);
    EXPECT_EQ(lowest->pixel(x, middle - 20), ground);
    EXPECT_EQ(lowest->pixel(x, middle + 20), envelope->style().brush2.GetColour());
}
