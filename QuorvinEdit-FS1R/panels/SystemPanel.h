#pragma once
// The system page: the FS1R's system settings (tuning, channels, controller
// numbers, receive switches, play-sound notes) beside the editor's own MIDI
// settings, with the quick help. The page manager owns it as a child window.
#include "gui/EditorPanel.h"

#include <cstdint>
#include <memory>

class ControlGroup;
class ControlStyleSet;
class Fs1rDevice;
class Parameter;
class ParameterFactory;
class QuickHelpWindow;
struct ControlStyle;

class SystemPanel : public EditorPanel {
public:
    enum GroupIndex : std::size_t { systemGroup, midiGroup, playGroup, editorGroup, groupCount };
    // Also the style of the MIDI control-set dialogs.
    static constexpr int pageStyle = 4;

    SystemPanel(wxWindow* parent, const ControlStyleSet& styles, ParameterFactory& factory, Fs1rDevice& device);
    ~SystemPanel() override;

    // Resets the instrument's settings only: the editor's MIDI settings,
    // its ports and its commands stay as they are.
    void initPanel(std::uint32_t flags) override;

    QuickHelpWindow* quickHelp() const { return quickHelp_; }

private:
    void build(Fs1rDevice& device);
    void buildSystemGroup();
    void buildTuningGroup(ControlGroup& group);
    void buildControllerGroup(ControlGroup& group);
    void buildPlayGroup(ControlGroup& group);
    void buildMidiEditorGroup(Fs1rDevice& device);
    void addCommandButtons(ControlGroup& group, Fs1rDevice& device);

    const ControlStyle& style_;
    ParameterFactory& factory_;
    QuickHelpWindow* quickHelp_ = nullptr;
    // The two command buttons' parameters; the buttons only borrow them.
    std::unique_ptr<Parameter> findDevice_;
    std::unique_ptr<Parameter> requestData_;
    // Shown by no control; kept so that its byte of the system block is
    // part of the page.
    Parameter* reservedSetting_ = nullptr;
};
