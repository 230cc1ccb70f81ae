#pragma once
// The voice page's sections as tables: each step adds one control over a
// field of the group's block, or moves the group's flow. A short loop runs
// a table on a group; steps hold no state, the group owns what they add.
#include "gui/ControlGroup.h"
#include "text/Rational.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

enum class DefaultKind { none, raw, display, label };

class Condition;
class Control;
class EnvelopeControl;
class LabelList;
class SysexParameter;
class VoicePanel;

// One point of an envelope: a role bound to a field of the group's block,
// or to nothing when unbound. Levels may be centred (display raw - 50).
struct EnvelopePoint {
    std::uint32_t role;
    bool bound = true;
    PackedAddress offset = 0;
    std::int32_t maximum = 0;
    bool centred = false;
    DefaultKind defaultKind = DefaultKind::none;
    std::int32_t defaultValue = 0;
};

enum class StepKind {
    slider,
    verticalSlider,
    choice,
    button,
    box,
    // A section title over the controls that follow (label).
    title,
    // Closes the row; a non-zero extent is added across.
    nextRow,
    // A text in the flow (label), extent long, in text kind numbers[0].
    caption,
    // Ends the open section, as the next title would.
    endSection,
    // Remembers the flow's cursor, and puts it back.
    saveCursor,
    restoreCursor,
    // Moves on by amount (0 = the default length) and the gap after it.
    skip,
    // Moves the cursor to amount from a row's start, else amount past the
    // last control's end.
    align,
    // Row depth, label band, section band and label gap (numbers).
    geometry,
    // Default length, control, row and section spacing (numbers; keep unchanged).
    spacing,
    // Runs the step's builder.
    custom,
};

// A spacing number that leaves the group's value as it is.
inline constexpr int keep = -1;


struct SectionContext;
using LabelSource = const LabelList* (*)();
using CustomBuilder = void (*)(SectionContext&);

// Conditions are indexes into the context's list.
inline constexpr int alwaysShown = -1;
inline constexpr int noPictures = -1;

struct SectionStep {
    StepKind kind;
    const char* label = nullptr;
    PackedAddress offset = 0;
    std::uint32_t bitOffset = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    int extent = 0;
    bool scaled = false;
    Rational scale{1};
    Rational displayOffset{0};
    DefaultKind defaultKind = DefaultKind::none;
    std::int32_t defaultValue = 0;
    const char* defaultLabel = nullptr;
    LabelSource labels = nullptr;
    // A PageBitmaps::Set shown instead of the value's text.
    int pictures = noPictures;
    int shownWhen = alwaysShown;
    // A second condition under which the control shows too.
    int shownAlso = alwaysShown;
    CustomBuilder custom = nullptr;
    std::array<int, 4> numbers{};
};

// What a run of steps works on.
struct SectionContext {
    SectionContext(VoicePanel& onPage, ControlGroup& inGroup, int ofOperator = 0)
        : page(onPage), group(inGroup), op(ofOperator)
    {
    }

    VoicePanel& page;
    ControlGroup& group;
    // The operator of the group (its row), 0 for the common groups.
    int op = 0;
    std::vector<std::shared_ptr<Condition>> conditions;
    FlowCursor savedCursor;
    // The parameters a custom step binds (spectral form, frequency mode).
    std::vector<SysexParameter*> parameters;
};

namespace VoiceSectionSteps {

void run(SectionContext& context, std::span<const SectionStep> steps);
// Adds one control step; the control shows when its condition holds.
Control& addControl(SectionContext& context, const SectionStep& step);
// Applies a step's display, default and pictures to the control's main parameter.
void applyDisplay(Control& control, const SectionStep& step);
// The translated text of a label.
RefString text(const char* label);
// Moves the group to its next row when a row is open.
void closeOpenRow(ControlGroup& group);
// A whole-byte (or bitOffset) parameter at the group's base plus offset.
SysexParameter* makeParameter(ControlGroup& group, PackedAddress offset, std::int32_t minimum, std::int32_t maximum,
    std::uint32_t bitOffset = 0);
// Makes the points' parameters, then the envelope, then binds them in order.
EnvelopeControl& addEnvelope(ControlGroup& group, const char* label, int extent, std::span<const EnvelopePoint> points);
// After the last control: the group's extent covers its last row.
void recordExtent(ControlGroup& group);

} // namespace VoiceSectionSteps
