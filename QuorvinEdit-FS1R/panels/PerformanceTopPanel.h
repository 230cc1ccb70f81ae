#pragma once
// The strip above the performance, voice and formant-sequence pages: the
// performance's save buttons, selector, name, category and note shift, and
// per part its voice with a category filter, assign mode and filter switch.
// The panel manager owns it and moves it into the page that shows; it
// records into the performance history.
#include "gui/EditorPanel.h"
#include "instrument/Fs1rPart.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Condition;
class ControlGroup;
class ControlStyleSet;
class Fs1rDevice;
class GridSelectorControl;
class LibraryGridLabels;
class MemoryListModel;
class Parameter;
class ParameterFactory;
class VoiceSelectorFilter;

class PerformanceTopPanel : public EditorPanel {
public:
    static constexpr int width = 640;
    static constexpr int height = 118;
    static constexpr int partCount = 4;

    PerformanceTopPanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory,
        Fs1rDevice& device);
    ~PerformanceTopPanel() override;

    // Resets every control but the performance selector: it chooses which
    // performance is edited, and choosing again mid-reset would load another
    // one and forget the page's history inside the reset's own undo step.
    void initPanel(std::uint32_t flags) override;

    // With limited, the part voice selectors offer 64 voices in the first
    // bank; without, all of them again. Call on the GUI thread.
    void limitPartVoiceSelectors(bool limited);

    // True while part (0 to 3) plays a voice (its bank is not OFF); the
    // panel manager makes it the enabled condition of that part's voice page.
    const std::shared_ptr<Condition>& partEnabledCondition(int part) const { return partEnabled_.at(part); }
    GridSelectorControl* partVoiceSelector(int part) const { return voiceSelectors_.at(part); }
    MemoryListModel* partVoiceList(int part) const { return voiceLists_.at(part).get(); }

private:
    void build(const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device);
    void buildHeaderRow(ControlGroup& group, Fs1rDevice& device);
    void buildPerformanceSelector(ControlGroup& group, Fs1rDevice& device);
    // A load of the part's patch after each change of the selection, which
    // also guards the user's change of it.
    void loadAfter(Parameter& selection, Fs1rDevice& device, Fs1rPart part, bool sentOnly);
    void buildNoteShift(ControlGroup& group);
    void buildPart(ControlGroup& group, Fs1rDevice& device, int part);
    void buildPartVoice(ControlGroup& group, Fs1rDevice& device, int part);
    void buildAssignMode(ControlGroup& group);
    void layout();

    // The command parameters of the buttons and load triggers; made before
    // the groups are filled, destroyed after the groups and their controls.
    Parameter* keep(std::unique_ptr<Parameter> parameter);

    std::vector<std::unique_ptr<Parameter>> commands_;
    std::vector<std::unique_ptr<LibraryGridLabels>> gridLabels_;
    GridSelectorControl* performanceSelector_ = nullptr;
    std::array<GridSelectorControl*, partCount> voiceSelectors_{};
    std::array<std::unique_ptr<VoiceSelectorFilter>, partCount> voiceFilters_;
    std::array<std::unique_ptr<MemoryListModel>, partCount> voiceLists_;
    std::array<std::shared_ptr<Condition>, partCount> partEnabled_;
};
