#include "panels/VoicePanel.h"

#include "embedded/voicePagePng.h"
#include "gui/FontFaces.h"
#include "gui/HorizontalControlGroup.h"
#include "gui/VerticalControlGroup.h"
#include "sysex/PackedAddress.h"
#include "panels/ControlStyleSet.h"
#include "panels/FilterTypePictures.h"
#include "panels/PageBitmaps.h"
#include "panels/VoiceSections.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/dc.h>
#include <wx/intl.h>

#include <memory>

namespace {

constexpr PackedAddress commonBlock = 0x400000;
constexpr PackedAddress operatorBlock = 0x600000;
constexpr PackedAddress voiceStep = 0x010000;
constexpr PackedAddress operatorStep = 0x000100;
constexpr PackedAddress filterTypeOffset = 0x54;
constexpr int filterTypeCount = 6;

struct GroupSpec {
    std::size_t slot;
    const char* suffix;
    FlowOrientation orientation;
    int style;
};

// In the order the groups are made; the operator groups come from their own loop.
const GroupSpec leadingGroups[] = {
    {VoicePanel::nameGroup, wxTRANSLATE(" name"), FlowOrientation::horizontal, 0},
    {VoicePanel::fseqGroup, wxTRANSLATE(" fseq"), FlowOrientation::horizontal, 3},
    {VoicePanel::noteShiftGroup, wxTRANSLATE(" ns"), FlowOrientation::vertical, 0},
};
const GroupSpec trailingGroups[] = {
    {VoicePanel::unvoicedGroup, wxTRANSLATE(" uop"), FlowOrientation::horizontal, 5},
    {VoicePanel::lfo1Group, wxTRANSLATE(" lfo1"), FlowOrientation::vertical, 3},
    {VoicePanel::lfo2Group, wxTRANSLATE(" lfo2"), FlowOrientation::vertical, 3},
    {VoicePanel::pitchEgGroup, wxTRANSLATE(" pEG"), FlowOrientation::horizontal, 3},
    {VoicePanel::filterGroup, wxTRANSLATE(" filter"), FlowOrientation::horizontal, 3},
    // " text" names no control, so it stays untranslated.
    {VoicePanel::textGroup, nullptr, FlowOrientation::vertical, 5},
    {VoicePanel::algorithmGroup, wxTRANSLATE(" algo"), FlowOrientation::horizontal, 5},
    {VoicePanel::formantGroup, wxTRANSLATE(" frmt"), FlowOrientation::horizontal, 5},
    {VoicePanel::fmGroup, wxTRANSLATE(" fm"), FlowOrientation::horizontal, 5},
};
// The operator groups (11 to 19) go before the algorithm group (8) whose
// selector their conditions read.
const std::size_t destructionOrder[] = {0, 1, 2, 11, 12, 13, 14, 15, 16, 17, 18, 19, 3, 4, 5, 6, 8, 7, 9, 10};

const char* const textGroupSuffix = " text";
const char* const operatorGroupSuffix = wxTRANSLATE(" vop");

struct Placement {
    std::size_t slot;
    int x;
    int y;
};

const Placement fixedPlacements[] = {
    {VoicePanel::nameGroup, 790, 20},
    {VoicePanel::fseqGroup, 800, 68},
    {VoicePanel::noteShiftGroup, 1120, 22},
    {VoicePanel::textGroup, 12, 60},
    {VoicePanel::algorithmGroup, 12, 270},
    {VoicePanel::fmGroup, 12, 460},
    {VoicePanel::formantGroup, 12, 600},
    {VoicePanel::lfo1Group, 1034, 150},
    {VoicePanel::lfo2Group, 1034, 250},
    {VoicePanel::filterGroup, 984, 340},
    {VoicePanel::pitchEgGroup, 984, 590},
};
constexpr int operatorGroupsX = 188;
constexpr int operatorGroupsTop = 140;
constexpr int unvoicedGroupX = 190;
constexpr int unvoicedGroupGap = 9;

const wxPoint captionPosition(680, 13);
const wxColour captionColour(80, 80, 80);
constexpr int captionPoints = 18;

// The height a horizontal group's rows take, as its next row would start.
int laidOutDepth(const ControlGroup& group)
{
    const FlowSpacing& spacing = group.spacing();
    const int labelBand = group.lineIndex() < 1 ? spacing.labelBand : 0;
    return group.cursor().across + spacing.rowDepth + spacing.rowSpacing + labelBand;
}

} // namespace

const wxRect VoicePanel::filterPictureRect(1032, 338, FilterTypePictures::width, FilterTypePictures::height);

VoicePanel::VoicePanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device,
    std::int32_t voice)
    : EditorPanel(slotCount, parent, embedded::voicePagePng, embedded::voicePagePngSize),
      voiceIndex_(voice),
      device_(device),
      styles_(styles)
{
    const wxSize size(PageBitmaps::pageWidth, PageBitmaps::pageHeight);
    SetMinSize(size);
    SetMaxSize(size);
    SetSize(-1, -1, size.x, size.y);
    createGroups(factory);
    build();
}

VoicePanel::~VoicePanel()
{
    for (const std::size_t slot : destructionOrder)
        destroyGroup(slot);
}

PackedAddress VoicePanel::commonBase() const { return commonBlock + voiceIndex_ * voiceStep; }

PackedAddress VoicePanel::operatorBase(int k) const
{
    return operatorBlock + voiceIndex_ * voiceStep + k * operatorStep;
}

void VoicePanel::createGroups(ParameterFactory& factory)
{
    const wxString prefix = wxGetTranslation("FS1R voice ") + wxString::Format("%d", voiceIndex_ + 1);
    auto make = [&](std::size_t index, const wxString& suffix, FlowOrientation orientation, int style) {
        setGroup(index,
            std::make_unique<ControlGroup>(orientation, fromWxString(prefix + suffix), this, &factory,
                styles_.style(style)));
    };
    auto makeFromSpec = [&](const GroupSpec& spec) {
        make(spec.slot, spec.suffix ? wxGetTranslation(spec.suffix) : wxString(textGroupSuffix), spec.orientation,
            spec.style);
    };
    for (const GroupSpec& spec : leadingGroups)
        makeFromSpec(spec);
    for (int k = 0; k < operatorCount; ++k)
        make(firstVoicedGroup + k, wxGetTranslation(operatorGroupSuffix), FlowOrientation::horizontal,
            ControlStyleSet::firstOperatorStyle + k);
    for (const GroupSpec& spec : trailingGroups)
        makeFromSpec(spec);
}

void VoicePanel::build()
{
    ControlGroup& filter = slot(filterGroup);
    filterTypeParameter_ = filter.factory()->addSysexParameter(
        sumPackedAddresses(filter.baseAddress(), commonBase() + filterTypeOffset), 0, filterTypeCount - 1, 0);
    filterTypeParameter_->addListener(this);
    VoiceSections::buildCommonGroups(*this);
    VoiceSections::buildOperatorGroups(*this);
    VoiceSections::buildLfoGroups(*this);
    VoiceSections::buildFilterGroup(*this);
    placeGroups();
}

void VoicePanel::placeGroups()
{
    for (const Placement& placement : fixedPlacements)
        slot(placement.slot).setPosition(placement.x, placement.y, backgroundBitmap());
    stackOperatorGroups();
}

void VoicePanel::stackOperatorGroups()
{
    int y = operatorGroupsTop;
    for (int k = 0; k < operatorCount; ++k) {
        ControlGroup& group = slot(firstVoicedGroup + k);
        group.setPosition(operatorGroupsX, y, backgroundBitmap());
        y += laidOutDepth(group);
    }
    slot(unvoicedGroup).setPosition(unvoicedGroupX, y + unvoicedGroupGap, backgroundBitmap());
}

// The face is a sans one; where it is missing the sans family stands in
// (the modern family would give a fixed-width face here).
const wxFont& VoicePanel::captionFont()
{
    static const wxFont font = [] {
        wxFont made(wxFontInfo(captionPoints).Family(wxFONTFAMILY_SWISS).Bold());
        FontFaces::setFace(made, "Microsoft Sans Serif");
        return made;
    }();
    return font;
}

void VoicePanel::paintDecorations(wxDC& dc, const wxRect& /*rect*/)
{
    if (const wxBitmap* picture = FilterTypePictures::picture(filterTypeParameter_->getValue()))
        dc.DrawBitmap(*picture, filterPictureRect.GetTopLeft(), false);
    dc.SetFont(captionFont());
    dc.SetTextForeground(captionColour);
    dc.DrawText(wxString::Format(wxGetTranslation("Voice %d"), voiceIndex_ + 1), captionPosition);
}

void VoicePanel::onParameterChanged(Parameter*, std::uint32_t) { RefreshRect(filterPictureRect, true); }

Parameter& VoicePanel::keep(std::unique_ptr<Parameter> parameter)
{
    ownParameters_.push_back(std::move(parameter));
    return *ownParameters_.back();
}
