#pragma once
// The formant-sequence page: the sequence's name, loop, speed, pitch and
// length settings over the graph of its 33 frame tracks, the graph's tools,
// the track show/edit switches and the "Dump to device" button. Made once by
// the page manager, which owns it; it owns its groups, graph and the page's
// own switch and command parameters.
#include "gui/EditorPanel.h"
#include "params/ParameterListener.h"
#include "sysex/PackedAddress.h"

#include <array>
#include <memory>
#include <vector>

class CommandList;
class ControlStyleSet;
class Control;
class FseqGraphControl;
class FseqTrack;
class Fs1rDevice;
class ParameterFactory;
class wxColour;

class FseqPanel : public EditorPanel, private ParameterListener {
public:
    static constexpr std::size_t pageGroupCount = 5;
    static constexpr PackedAddress headerAddress = 0x700000;
    static constexpr PackedAddress firstFrameAddress = 0x700020;
    // Dumps count 32 header bytes plus 128 frames of 50 bytes per length code
    // step.
    static constexpr std::int32_t dumpBytesPerCode = 6400;
    static constexpr std::int32_t dumpBytesAtCodeZero = 6432;
    // The six settings the performance page takes over, in this order.
    enum LinkedSetting { loopStart, loopEnd, loopMode, veloToTempo, pitchMode, sequenceDelay, linkedCount };

    FseqPanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device);
    ~FseqPanel() override;

    // The page's twins of the performance's formant-sequence settings, for
    // the page manager to link.
    const std::array<Parameter*, linkedCount>& linkedSettings() const { return linkedSettings_; }
    FseqGraphControl& graph() const { return *graph_; }
    Control& dumpButton() const { return *dumpButton_; }
    Parameter& lengthParameter() const { return *length_; }
    Parameter& lengthCodeParameter() const { return *lengthCode_; }

    // Resets the sequence, and what the page shows of it (which tracks show
    // and which the tools edit, the tool, the zoom) as on a fresh start, in
    // one undo step.
    void initPanel(std::uint32_t flags) override;
    void paintDecorations(wxDC& dc, const wxRect& rect) override;

private:
    void build(ParameterFactory& factory, Fs1rDevice& device);
    void makeHeaderParameters(ParameterFactory& factory);
    void buildHeaderRow(ControlGroup& group, ParameterFactory& factory, Fs1rDevice& device);
    void buildProgramChoices(ControlGroup& group, ParameterFactory& factory, Fs1rDevice& device);
    Parameter* buildParameterGroup(ControlGroup& group);
    void linkLength();
    void buildLoopBar(ControlGroup& group);
    void buildTrackGroup(ParameterFactory& factory);
    FseqTrack& addFreqTrack(ParameterFactory& factory, std::uint32_t highOffset, std::uint32_t lowOffset,
        const RefString& label, const wxColour& colour);
    FseqTrack& addLevelTrack(ParameterFactory& factory, std::uint32_t offset, const RefString& label,
        const wxColour& colour);
    void buildZoomBar(ControlGroup& group);
    void buildTrackVisibilityGroup(ControlGroup& group);
    void buildToolButtons(ControlGroup& group);
    void buildDumpButton(ControlGroup& group, Fs1rDevice& device);
    Parameter& keep(std::unique_ptr<Parameter> parameter);
    // The page's view as it starts becomes what Init gives it.
    void keepViewAsStarted();

    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;
    void onParameterDestroyed(Parameter* parameter) override;

    // Until the graph's group takes it.
    std::unique_ptr<FseqGraphControl> ownGraph_;
    FseqGraphControl* graph_ = nullptr;
    std::array<Parameter*, linkedCount> linkedSettings_{};
    Parameter* length_ = nullptr;
    Parameter* lengthCode_ = nullptr;
    Parameter* speedAdjust_ = nullptr;
    // The performance's start step offset, loop start and loop end.
    std::array<Parameter*, 3> performanceFramePositions_{};
    Control* dumpButton_ = nullptr;
    // Tool, show and hide switches and the commands; the controls that show
    // them go first, with the groups.
    std::vector<std::unique_ptr<Parameter>> ownParameters_;
    // Where the page's own parameters record.
    CommandList* pageCommands_ = nullptr;
    // The track switches, the tool and the zoom: no edit of the sequence,
    // so they record only as part of an Init.
    std::vector<Parameter*> viewParameters_;
};
