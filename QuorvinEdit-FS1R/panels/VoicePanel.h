#pragma once
// The editor page of one FS1R voice (0..3): its common block and its eight
// voiced and unvoiced operators in twenty control groups, the picture of the
// chosen filter type and the caption "Voice n". The page manager owns it.
#include "gui/EditorPanel.h"
#include "params/ParameterListener.h"
#include "sysex/PackedAddress.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class AlgorithmSelector;
class ControlStyleSet;
class Fs1rDevice;
class ParameterFactory;
class SysexParameter;

class VoicePanel : public EditorPanel, public ParameterListener {
public:
    // Slots of the page's groups.
    enum Slot : std::size_t {
        nameGroup = 0,
        fseqGroup = 1,
        noteShiftGroup = 2,
        lfo1Group = 3,
        lfo2Group = 4,
        pitchEgGroup = 5,
        filterGroup = 6,
        textGroup = 7,
        algorithmGroup = 8,
        formantGroup = 9,
        fmGroup = 10,
        firstVoicedGroup = 11,
        unvoicedGroup = 19,
    };
    static constexpr std::size_t slotCount = 20;
    static constexpr int operatorCount = 8;
    // Where the filter picture stands; its changes repaint this rectangle.
    static const wxRect filterPictureRect;

    VoicePanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device,
        std::int32_t voice);
    // The operator groups go before the algorithm selector their conditions read.
    ~VoicePanel() override;

    void paintDecorations(wxDC& dc, const wxRect& rect) override;
    // The "Voice %d" caption's font, shared by the four pages.
    static const wxFont& captionFont();
    // Only the filter type is listened to: its picture is repainted.
    void onParameterChanged(Parameter* parameter, std::uint32_t flags) override;

    std::int32_t voiceIndex() const { return voiceIndex_; }
    // The common block of the voice, (0x40 + voice) 00 00.
    PackedAddress commonBase() const;
    // The block of operator k (0..7), (0x60 + voice) k 00.
    PackedAddress operatorBase(int k) const;
    ControlGroup& slot(std::size_t index) const { return *group(index); }

    AlgorithmSelector* algorithmSelector() const { return algorithmSelector_; }
    void setAlgorithmSelector(AlgorithmSelector* selector) { algorithmSelector_ = selector; }
    SysexParameter* filterTypeParameter() const { return filterTypeParameter_; }
    // The device whose save commands the page's buttons run.
    Fs1rDevice& device() const { return device_; }
    const ControlStyleSet& styles() const { return styles_; }
    // Holds a parameter that no factory owns (the save commands) for the
    // page's life.
    Parameter& keep(std::unique_ptr<Parameter> parameter);

private:
    void createGroups(ParameterFactory& factory);
    void build();
    void placeGroups();
    void stackOperatorGroups();

    std::int32_t voiceIndex_;
    Fs1rDevice& device_;
    const ControlStyleSet& styles_;
    // Not owned: the selector belongs to its group, the parameter to the factory.
    AlgorithmSelector* algorithmSelector_ = nullptr;
    SysexParameter* filterTypeParameter_ = nullptr;
    std::vector<std::unique_ptr<Parameter>> ownParameters_;
};
