#pragma once
// The performance page: part settings, controllers, mixer, formant-sequence
// settings and the master EQ on one fixed page, built once by the page
// manager and owned by it. The page owns its groups and the few parameters
// that no SysEx entry backs; the factory owns the SysEx parameters. The
// insertion, variation and reverb effect blocks stand below the mixer.
#include "gui/EditorPanel.h"

#include <wx/brush.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class ControlStyleSet;
class EffectBlock;
class Fs1rDevice;
class LoadPatchCommandParameter;
class Parameter;
class ParameterFactory;
class ThresholdSwitchParameter;

class PerformancePanel : public EditorPanel {
public:
    enum GroupSlot : std::size_t { partGroup, controllerGroup, fseqGroup, mixerGroup, eqGroup, groupSlotCount };

    // The formant-sequence settings the formant-sequence page mirrors, in
    // this order.
    enum FseqLink : std::size_t { loopStart, loopEnd, loopMode, speedVelocity, pitchMode, startDelay, fseqLinkCount };

    PerformancePanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device);
    ~PerformancePanel() override;

    // Places the groups and the effect blocks on the page.
    void layout();
    // The page's own groups first, then the effect blocks.
    void initPanel(std::uint32_t flags) override;
    void paintDecorations(wxDC& dc, const wxRect& rect) override;

    // Insertion, variation and reverb, in this order.
    const std::vector<std::unique_ptr<EffectBlock>>& effectBlocks() const { return effectBlocks_; }

    // A text of the page through the toolkit's catalogue.
    static RefString text(const char* english);

    Parameter* fseqBankParameter() const { return fseqBank_; }
    const std::array<Parameter*, fseqLinkCount>& fseqLinkParameters() const { return fseqLinked_; }
    // Runs when the performance calls up another formant sequence.
    LoadPatchCommandParameter* fseqLoadCommand() const { return loadFseq_.get(); }

private:
    void buildPartGroup();
    void buildControllerGroup();
    void buildMixerGroup();
    void buildFseqGroup(Fs1rDevice& device);
    void buildEqGroup();
    void buildEffectBlocks(ParameterFactory& factory, const ControlStyleSet& styles);

    // Tiles behind the parts' key/velocity zones and velocity curves.
    wxBrush zoneBrush_;
    wxBrush curveBrush_;
    std::unique_ptr<ThresholdSwitchParameter> speedMode_;
    std::unique_ptr<LoadPatchCommandParameter> loadFseq_;
    std::unique_ptr<LoadPatchCommandParameter> loadFseqOfBank_;
    Parameter* fseqBank_ = nullptr;
    std::array<Parameter*, fseqLinkCount> fseqLinked_{};
    std::vector<std::unique_ptr<EffectBlock>> effectBlocks_;
};
