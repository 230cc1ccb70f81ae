#include "panels/FseqPanel.h"

#include "commands/DumpProgressParameter.h"
#include "commands/SaveToDeviceCommandParameter.h"
#include "commands/SaveToFileCommandParameter.h"
#include "conditions/ParameterRangeLink.h"
#include "conditions/ValueRangeCondition.h"
#include "controls/ControlFactories.h"
#include "device/DeviceUserInterface.h"
#include "device/DeviceWaitDialog.h"
#include "embedded/fseqPagePng.h"
#include "fseq/FseqDrawTool.h"
#include "fseq/FseqGraphControl.h"
#include "fseq/FseqLineTool.h"
#include "fseq/FseqTrack.h"
#include "fseq/FseqTrackBuilders.h"
#include "gui/Colours.h"
#include "gui/FontFaces.h"
#include "gui/HorizontalControlGroup.h"
#include "gui/VerticalControlGroup.h"
#include "instrument/Fs1rDevice.h"
#include "instrument/Fs1rMemoryLayout.h"
#include "instrument/Fs1rPanels.h"
#include "instrument/Fs1rValueLabels.h"
#include "labels/ValueLabels.h"
#include "layout/PanelInit.h"
#include "localparams/GroupParameter.h"
#include "panels/ControlStyleSet.h"
#include "panels/OperatorColours.h"
#include "panels/FseqPageFaces.h"
#include "panels/PageBitmaps.h"
#include "params/SetValueFlags.h"
#include "patches/PatchLibrary.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"
#include "text/WxText.h"

#include <wx/dc.h>
#include <wx/intl.h>

namespace {

// The graph, its groups and the show/edit switches paint in this style.
constexpr int pageStyle = 3;
// As wide as the performance page's program choices, so the names fit.
constexpr int programChoiceExtent = 68;
constexpr int presetProgramCount = 90;
constexpr int internalProgramCount = 6;
constexpr int fseqPresetLabelTable = 6;
constexpr int graphLength = 516;
// The zoom bar is wide enough for its "1.000" and "0.000"; the graph beside
// it and the loop bar above the graph start after it and end at x 1264.
constexpr int zoomBarX = 5;
constexpr int zoomBarWidth = 27;
constexpr int graphLeft = zoomBarX + zoomBarWidth + 3;
constexpr int loopBarLength = 1264 - graphLeft;
constexpr int toolButtonWidth = 30;
constexpr int dumpButtonWidth = 120;
constexpr int frameLast = 511;

// The performance's own formant-sequence settings the length limits.
constexpr PackedAddress performanceFseqNumber = 0x100017;
constexpr std::array<PackedAddress, 3> performanceFramePositions{0x10001A, 0x10001C, 0x10001E};

const wxColour titleColour(80, 80, 80);
const wxPoint titlePosition(680, 3);

struct GroupPlace {
    FlowOrientation orientation;
    int x;
    int y;
};

const std::array<GroupPlace, FseqPanel::pageGroupCount> groupPlaces{{
    {FlowOrientation::horizontal, 660, 9},
    {FlowOrientation::horizontal, 5, 138},
    {FlowOrientation::vertical, 660, 112},
    {FlowOrientation::horizontal, graphLeft, 166},
    // Below the loop bar, which ends at 194 under its caption band; at 180
    // the graph's top would lie under the bar.
    {FlowOrientation::vertical, zoomBarX, 196},
}};
enum GroupSlot { headerGroup, toolGroup, visibilityGroup, loopGroup, graphGroup };

const wxColour pitchBase(200, 200, 220);
constexpr int pitchWhiteness = 200;
constexpr int unvoicedWhiteness = 128;

// Frame offsets of formant n's (1..8) values within a 50-byte frame.
constexpr std::uint32_t pitchHigh = 0;
constexpr std::uint32_t pitchLow = 1;
constexpr std::uint32_t voicedHigh = 1;
constexpr std::uint32_t voicedLow = 9;
constexpr std::uint32_t voicedLevel = 17;
constexpr std::uint32_t unvoicedHigh = 25;
constexpr std::uint32_t unvoicedLow = 33;
constexpr std::uint32_t unvoicedLevel = 41;
constexpr std::int32_t frequencyStart = 13056;
constexpr std::int32_t levelStart = 127;

const ValueLabels& twoLabels(const char* first, const char* second)
{
    // Never freed: the labels are read until the last page goes.
    auto* texts = new std::array<RefString, 2>{fromWxString(wxGetTranslation(first)),
        fromWxString(wxGetTranslation(second))};
    return *new ValueLabels(texts->data(), 2);
}

const ValueLabels& pitchModeLabels()
{
    static const ValueLabels& labels = twoLabels(wxTRANSLATE("pitch"), wxTRANSLATE("non-pitch"));
    return labels;
}

const ValueLabels& loopModeLabels()
{
    static const ValueLabels& labels = twoLabels(wxTRANSLATE("one way"), wxTRANSLATE("round"));
    return labels;
}

const ValueLabels& bankLabels()
{
    static const ValueLabels& labels = twoLabels(wxTRANSLATE("I"), wxTRANSLATE("P"));
    return labels;
}

// Made once and never freed, like every font the toolkit must outlive. The
// face is a sans one; where it is missing the sans family stands in (the
// modern family would give a fixed-width face here).
const wxFont& titleFont()
{
    static const wxFont* font = [] {
        auto* made = new wxFont(wxFontInfo(18).Family(wxFONTFAMILY_SWISS).Bold());
        FontFaces::setFace(*made, "Microsoft Sans Serif");
        return made;
    }();
    return *font;
}

std::shared_ptr<Condition> whileValue(Parameter* source, std::int32_t value)
{
    return std::make_shared<ValueRangeCondition>(source, value, value);
}

} // namespace

FseqPanel::FseqPanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device)
    : EditorPanel(pageGroupCount, parent, embedded::fseqPagePng, embedded::fseqPagePngSize)
{
    const ControlStyle& style = styles.style(pageStyle);
    ownGraph_ = std::make_unique<FseqGraphControl>(this, style);
    graph_ = ownGraph_.get();
    const wxSize pageSize(PageBitmaps::pageWidth, PageBitmaps::pageHeight);
    SetMinSize(pageSize);
    SetMaxSize(pageSize);
    SetSize(pageSize);
    const RefString name = fromWxString(_("FS1R FSEQ"));
    for (std::size_t slot = 0; slot < pageGroupCount; ++slot) {
        if (groupPlaces[slot].orientation == FlowOrientation::horizontal)
            setGroup(slot, std::make_unique<HorizontalControlGroup>(name, this, &factory, style));
        else
            setGroup(slot, std::make_unique<VerticalControlGroup>(name, this, &factory, style));
    }
    build(factory, device);
}

FseqPanel::~FseqPanel()
{
    // The page's own parameters go before the graph that watches them.
    graph_->setDumpParameter(nullptr, nullptr);
    if (speedAdjust_)
        speedAdjust_->removeListener(this);
}

void FseqPanel::build(ParameterFactory& factory, Fs1rDevice& device)
{
    pageCommands_ = factory.commandList();
    ControlGroup& header = *group(headerGroup);
    header.setBaseAddress(headerAddress);
    makeHeaderParameters(factory);
    buildHeaderRow(header, factory, device);
    speedAdjust_ = buildParameterGroup(header);
    linkLength();
    buildLoopBar(*group(loopGroup));
    buildTrackGroup(factory);
    buildZoomBar(*group(graphGroup));
    buildTrackVisibilityGroup(*group(visibilityGroup));
    // The graph spans the loop bar's width, beside the zoom bar.
    group(graphGroup)->addControl(std::move(ownGraph_), loopBarLength, 0, graphLength);
    buildToolButtons(*group(toolGroup));
    buildDumpButton(*group(toolGroup), device);
    speedAdjust_->addListener(this);
    keepViewAsStarted();
    for (std::size_t slot = 0; slot < pageGroupCount; ++slot)
        group(slot)->setPosition(groupPlaces[slot].x, groupPlaces[slot].y, backgroundBitmap());
}

void FseqPanel::keepViewAsStarted()
{
    for (const auto& track : graph_->trackList().tracks()) {
        viewParameters_.push_back(&track->showFlag());
        viewParameters_.push_back(&track->editFlag());
    }
    viewParameters_.insert(viewParameters_.end(), {&graph_->toolSelector(), &graph_->viewLow(), &graph_->viewHigh()});
    for (Parameter* parameter : viewParameters_)
        parameter->setDefaultValue(parameter->getValue());
}

void FseqPanel::initPanel(std::uint32_t flags)
{
    for (Parameter* parameter : viewParameters_)
        parameter->setCommandList(pageCommands_);
    runPanelInit(flags, [this, flags] {
        EditorPanel::initPanel(flags);
        // No control holds the tool itself: its buttons each stand for one.
        Parameter& tool = graph_->toolSelector();
        tool.setValue(flags, tool.defaultValue());
    });
    for (Parameter* parameter : viewParameters_)
        parameter->setCommandList(nullptr);
}

void FseqPanel::makeHeaderParameters(ParameterFactory& factory)
{
    linkedSettings_[pitchMode] = factory.addSysexParameter(headerAddress + 0x17, 0, 1, 0);
    linkedSettings_[loopMode] = factory.addSysexParameter(headerAddress + 0x14, 0, 1, 0);
    linkedSettings_[loopStart] = factory.addSysexParameter(headerAddress + 0x10, 0, frameLast, 0);
    linkedSettings_[loopEnd] = factory.addSysexParameter(headerAddress + 0x12, 0, frameLast, 0);
    linkedSettings_[veloToTempo] = factory.addSysexParameter(headerAddress + 0x16, 0, 7, 0);
    linkedSettings_[sequenceDelay] = factory.addSysexParameter(headerAddress + 0x1A, 0, 99, 0);
    length_ = factory.addSysexParameter(headerAddress + 0x1E, 0, frameLast, 0);
    lengthCode_ = factory.addSysexParameter(Fs1rMemoryLayout::fseqLengthCodeAddress, 0, 3, 0);
    setParameterDisplayScale(length_, false, Rational(1), Rational(1));
    setParameterDisplayScale(lengthCode_, false, Rational(Fs1rMemoryLayout::fseqFramesPerLengthStep),
        Rational(Fs1rMemoryLayout::fseqFramesPerLengthStep));
}

void FseqPanel::buildHeaderRow(ControlGroup& group, ParameterFactory& factory, Fs1rDevice& device)
{
    group.setGeometry(18, 0, 0, 3);
    group.cursor().along += group.spacing().controlSpacing + 350;
    Parameter& saveFile = keep(std::make_unique<SaveToFileCommandParameter>(device, Fs1rParts::formantSequence));
    addValueButton(group, fromWxString(_("Save to file")), &saveFile, 19, ControlStyle::normalText)
        .setBitmap(FseqPageFaces::saveToFileIcon());
    Parameter& saveDevice =
        keep(std::make_unique<SaveToDeviceCommandParameter>(device, Fs1rParts::formantSequence));
    addValueButton(group, fromWxString(_("Save to device")), &saveDevice, 19, ControlStyle::normalText)
        .setBitmap(FseqPageFaces::saveToDeviceIcon());
    buildProgramChoices(group, factory, device);
    addTextEditAt(group, fromWxString(_("Name")), 0, 32, 127, Fs1rMemoryLayout::fseqNameSize, 64);
    group.nextRow(ControlFlow::noExtra);
}

void FseqPanel::buildProgramChoices(ControlGroup& group, ParameterFactory& factory, Fs1rDevice& device)
{
    // The performance page's own choice, so that choosing here loads the
    // sequence too; made here only when there is no performance page.
    Fs1rDevice::FseqParameters shared = device.fseqParameters();
    if (!shared.bank) {
        shared.bank = factory.addSysexParameter(Fs1rMemoryLayout::performanceFseqBankAddress, 0, 1, 0);
        shared.bank->setValueLabels(&bankLabels());
    }
    if (!shared.presetNumber) {
        shared.presetNumber = factory.addSysexParameter(performanceFseqNumber, 0, presetProgramCount - 1, 0);
        shared.presetNumber->setValueLabels(getValueLabels(fseqPresetLabelTable));
    }
    if (!shared.internalNumber)
        shared.internalNumber = factory.addSysexParameter(performanceFseqNumber, 0, internalProgramCount - 1, 0);
    for (std::size_t k = 0; k < shared.framePositions.size(); ++k)
        if (!shared.framePositions[k])
            shared.framePositions[k] = factory.addSysexParameter(performanceFramePositions[k], 0, frameLast, 0);
    performanceFramePositions_ = shared.framePositions;

    Parameter* bank = shared.bank;
    group.spacing().controlSpacing = 2;
    group.spacing().rowSpacing = 6;
    group.spacing().sectionSpacing = 0;
    // Init of this page resets the sequence, not the performance's choice of it.
    addValueButton(group, fromWxString(_("Bank")), bank, 14, ControlStyle::normalText).setKeptOnInit(true);

    const FlowCursor programPlace = group.cursor();
    ChoiceControl& presetChoice = addChoice(group, fromWxString(_("Prog")), shared.presetNumber, programChoiceExtent,
        ControlStyle::normalText);
    presetChoice.setKeptOnInit(true);
    presetChoice.addRangeLimit(0, internalProgramCount - 1, whileValue(bank, 0));
    presetChoice.shownConditions().addRequired(whileValue(bank, 1));
    presetChoice.setClipWhenNarrow(true);

    group.cursor() = programPlace;
    PatchLibrary& library = device.library(Fs1rLibraries::formantSequences);
    // The choice reads the names as it draws them, on both pages. It does
    // not observe the library: the device frees the library before the page
    // goes.
    ChoiceControl& internalChoice =
        addChoice(group, fromWxString(_("Prog")), shared.internalNumber, programChoiceExtent, ControlStyle::normalText);
    internalChoice.setKeptOnInit(true);
    internalChoice.setValueLabels(&library);
    internalChoice.shownConditions().addRequired(whileValue(bank, 0));
    internalChoice.setClipWhenNarrow(true);
    // The two share a place: only the bank's stands there from the start.
    presetChoice.show(presetChoice.shownConditions().evaluate());
    internalChoice.show(internalChoice.shownConditions().evaluate());
}

Parameter* FseqPanel::buildParameterGroup(ControlGroup& group)
{
    group.setGeometry(15, 15, 0, 3);
    group.spacing().controlSpacing = 10;
    group.spacing().rowSpacing = 3;
    group.spacing().sectionSpacing = 0;
    addValueButton(group, fromWxString(_("Loop mode")), linkedSettings_[loopMode], 89, ControlStyle::normalText)
        .setValueLabels(&loopModeLabels());
    group.spacing().controlSpacing = 15;
    addSlider(group, fromWxString(_("Velo>tempo")), linkedSettings_[veloToTempo], 64, ControlStyle::normalText);
    addValueButton(group, fromWxString(_("Pitch mode")), linkedSettings_[pitchMode], 54, ControlStyle::normalText)
        .setValueLabels(&pitchModeLabels());
    const auto pitched = whileValue(linkedSettings_[pitchMode], 0);
    addSliderAt(group, fromWxString(_("Note assign")), 0x18, 0, 127, 0, 103, ControlStyle::normalText)
        .setDefaultValue(64)
        .shownConditions()
        .addRequired(pitched);
    addSliderAt(group, fromWxString(_("Pitch tuning")), 0x19, 0, 126, 0, 103, ControlStyle::normalText)
        .setDisplayScale(Rational(1), Rational(-63))
        .shownConditions()
        .addRequired(pitched);
    addSlider(group, fromWxString(_("Seq delay")), linkedSettings_[sequenceDelay], 129, ControlStyle::normalText);
    group.nextRow(ControlFlow::noExtra);
    HorizontalSlider& speed = addSliderAt(group, fromWxString(_("Speed adj")), 0x15, 0, 127, 0, 128,
        ControlStyle::normalText);
    group.cursor().along += group.spacing().controlSpacing + 18;
    addSlider(group, fromWxString(_("Length")), length_, 426, ControlStyle::normalText).setDefaultValue(0);
    return speed.mainParameter();
}

void FseqPanel::linkLength()
{
    // Loop points and the performance's frame positions stay within the
    // sequence: their maximum is the index of its last frame.
    ParameterRangeLink& lastFrame = ParameterRangeLink::create(length_, 0);
    lastFrame.setFullRange(true);
    lastFrame.addTarget(linkedSettings_[loopStart]);
    lastFrame.addTarget(linkedSettings_[loopEnd]);
    for (Parameter* position : performanceFramePositions_)
        lastFrame.addTarget(position);
    // The length code is the shortest dump that holds every frame.
    ParameterRangeLink& code = ParameterRangeLink::create(length_, 0, 0);
    code.setDisplaySource(true);
    code.setMinimumRounding(Rational::Ceiling);
    code.setMaximumRounding(Rational::Ceiling);
    code.addTarget(lengthCode_);
}

void FseqPanel::buildLoopBar(ControlGroup& group)
{
    group.setGeometry(14, 14, 0, 3);
    HorizontalRangeControl& loop = addHorizontalRange(group, fromWxString(_("Loop")), loopBarLength);
    loop.bindParameter(linkedSettings_[loopStart], RangeControl::roleMin);
    loop.bindParameter(linkedSettings_[loopEnd], RangeControl::roleMax);
}

void FseqPanel::buildTrackGroup(ParameterFactory& factory)
{
    graph_->addTool(std::make_unique<FseqDrawTool>());
    graph_->addTool(std::make_unique<FseqLineTool>());
    addFreqTrack(factory, pitchHigh, pitchLow, fromWxString(_("Pitch")),
        blendColours(*wxWHITE, pitchBase, pitchWhiteness));
    // Voiced formants n = 1..8 take colour n; unvoiced ones the same, paler.
    for (std::uint32_t n = 1; n <= operatorColours().size(); ++n) {
        const wxColour& voiced = operatorColours()[n - 1];
        const wxColour unvoiced = blendColours(*wxWHITE, voiced, unvoicedWhiteness);
        const RefString freq = fromWxString(wxString::Format(_("freq %u"), n));
        const RefString level = fromWxString(wxString::Format(_("level %u"), n));
        addFreqTrack(factory, voicedHigh + n, voicedLow + n, freq, voiced);
        addLevelTrack(factory, voicedLevel + n, level, voiced);
        addFreqTrack(factory, unvoicedHigh + n, unvoicedLow + n, freq, unvoiced);
        addLevelTrack(factory, unvoicedLevel + n, level, unvoiced);
    }
}

FseqTrack& FseqPanel::addFreqTrack(ParameterFactory& factory, std::uint32_t highOffset, std::uint32_t lowOffset,
    const RefString& label, const wxColour& colour)
{
    return addFseqWordTrack(factory, *graph_, addToPackedAddress(firstFrameAddress, highOffset),
        addToPackedAddress(firstFrameAddress, lowOffset), false, label, frequencyStart, colour);
}

FseqTrack& FseqPanel::addLevelTrack(ParameterFactory& factory, std::uint32_t offset, const RefString& label,
    const wxColour& colour)
{
    FseqTrack& level = addFseqByteTrack(factory, *graph_, addToPackedAddress(firstFrameAddress, offset), true, label,
        levelStart, colour);
    // Each frequency track is drawn with the level track made right after it.
    const auto& tracks = graph_->trackList().tracks();
    tracks.at(tracks.size() - 2)->setPairedLevelTrack(&level);
    return level;
}

void FseqPanel::buildZoomBar(ControlGroup& group)
{
    group.setGeometry(zoomBarWidth, 0, 0, 3);
    VerticalRangeControl& zoom = addVerticalRange(group, RefString(), graphLength);
    group.setControlPath(zoom, fromWxString(_("Zoom")));
    zoom.bindParameter(&graph_->viewLow(), RangeControl::roleMin);
    zoom.bindParameter(&graph_->viewHigh(), RangeControl::roleMax);
    group.nextRow(ControlFlow::noExtra);
}

void FseqPanel::buildToolButtons(ControlGroup& group)
{
    group.setGeometry(30, 0, 0, 3);
    const auto& tools = graph_->tools();
    for (std::size_t index = 0; index < tools.size(); ++index) {
        auto selector = std::make_unique<GroupParameter>(std::int32_t(index));
        selector->addMember(&graph_->toolSelector());
        Parameter& tool = keep(std::move(selector));
        // Init sets the tool itself; each button would choose its own.
        ValueButton& button = addValueButton(group, RefString(), &tool, toolButtonWidth, ControlStyle::normalText);
        button.setKeptOnInit(true);
        button.setValueBitmaps(tools[index]->images().data(), false);
        tool.addListener(graph_);
    }
}

void FseqPanel::buildDumpButton(ControlGroup& group, Fs1rDevice& device)
{
    DeviceUserInterface* userInterface = device.userInterface();
    auto dump = std::make_unique<DumpProgressParameter>(userInterface ? userInterface->createWaitDialog(this) : nullptr,
        *device.midiInterface(), Fs1rMemoryLayout::fseqDumpAddress, device, device.hardwareWaitMs());
    dump->setLengthParameter(lengthCode_, Rational(dumpBytesPerCode), Rational(dumpBytesAtCodeZero));
    Parameter& parameter = keep(std::move(dump));
    parameter.setUnit(fromWxString(_("Dump to device")));
    parameter.setValueLabels(&FseqPageFaces::blankValues());
    ValueButton& button = addValueButton(group, RefString(), &parameter, dumpButtonWidth, ControlStyle::normalText);
    button.show(false);
    dumpButton_ = &button;
    graph_->setFrameCountParameter(length_);
    graph_->setDumpParameter(&parameter, &button);
}

Parameter& FseqPanel::keep(std::unique_ptr<Parameter> parameter)
{
    Parameter& kept = *parameter;
    kept.setCommandList(pageCommands_);
    ownParameters_.push_back(std::move(parameter));
    return kept;
}

void FseqPanel::onParameterChanged(Parameter*, std::uint32_t)
{
    dumpButton_->show(true);
}

void FseqPanel::onParameterDestroyed(Parameter* parameter)
{
    if (parameter == speedAdjust_)
        speedAdjust_ = nullptr;
}

void FseqPanel::paintDecorations(wxDC& dc, const wxRect& rect)
{
    EditorPanel::paintDecorations(dc, rect);
    dc.SetFont(titleFont());
    dc.SetTextForeground(titleColour);
    dc.DrawText(_("Formant sequence"), titlePosition);
}
