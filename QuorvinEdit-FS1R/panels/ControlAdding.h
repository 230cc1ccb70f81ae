#pragma once
// The FS1R pages' free functions for the control kinds only they use: each
// makes a control on a group's window with the group's style, places it with
// its caption and, in the "At" form, makes the SysEx parameter at the group's
// base address plus an offset and binds it as the main parameter. They keep
// no state; the group owns the controls, the parameter factory the
// parameters. The common kinds are in controls/ControlFactories.h.
#include "controls/AlgorithmSelector.h"
#include "controls/CaptionControl.h"
#include "controls/ControlFactories.h"
#include "controls/EnvelopeControl.h"
#include "controls/GridSelectorControl.h"
#include "controls/LevelScalingCurveControl.h"
#include "controls/PanSlider.h"
#include "controls/PartEnvelopeControl.h"
#include "controls/ScalingCurveControl.h"
#include "controls/ValueBox.h"
#include "controls/VerticalBitmapSlider.h"
#include "controls/VerticalSlider.h"
#include "controls/ZoneControl.h"

// --- Factories: unplaced and unbound; adding to the group passes ownership ---
// A caption with no text yet, in the default text kind; set it with setText.
std::unique_ptr<CaptionControl> newCaption(const ControlGroup& group);
std::unique_ptr<ZoneControl> newKeyVelocityZone(const ControlGroup& group);
std::unique_ptr<ScalingCurveControl> newScalingCurve(const ControlGroup& group);
std::unique_ptr<GridSelectorControl> newGridSelector(const ControlGroup& group);
std::unique_ptr<PartEnvelopeControl> newPartEnvelope(const ControlGroup& group);
std::unique_ptr<PanSlider> newPanSlider(const ControlGroup& group);
std::unique_ptr<VerticalBitmapSlider> newVerticalBitmapSlider(const ControlGroup& group);
// With no default value of its own.
std::unique_ptr<ValueBox> newValueBox(const ControlGroup& group);
std::unique_ptr<EnvelopeControl> newEnvelope(const ControlGroup& group);
std::unique_ptr<AlgorithmSelector> newAlgorithmSelector(const ControlGroup& group);
std::unique_ptr<LevelScalingCurveControl> newLevelScalingCurve(const ControlGroup& group);
std::unique_ptr<VerticalSlider> newVerticalSlider(const ControlGroup& group);

// --- "At" form: a new SysEx parameter at the group's base address plus
// offset (7-bit carries), raw range min..max, lowest bit at bitOffset,
// bound under the main role after the control is placed. extent is the
// length along the group's run (0 = default); labelStyle a text kind. ---
ValueButton& addValueButtonAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);
ChoiceControl& addChoiceAt(ControlGroup& group, const RefString& label, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);
PanSlider& addPanSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);
VerticalBitmapSlider& addVerticalBitmapSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);
ValueBox& addValueBoxAt(ControlGroup& group, const RefString& label, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);
AlgorithmSelector& addAlgorithmSelectorAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);
VerticalSlider& addVerticalSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);

// --- Bound form: the given parameter becomes the main parameter, even when
// another control already shows it. ---
CaptionControl& addCaption(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle);
VerticalSlider& addVerticalSlider(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle);

// --- Unbound form: caption in the default text kind; the caller binds each
// role in the order the control class asks for. ---
ZoneControl& addKeyVelocityZone(ControlGroup& group, const RefString& label, int extent);
ScalingCurveControl& addScalingCurve(ControlGroup& group, const RefString& label, int extent);
GridSelectorControl& addGridSelector(ControlGroup& group, const RefString& label, int extent);
PartEnvelopeControl& addPartEnvelope(ControlGroup& group, const RefString& label, int extent);
EnvelopeControl& addEnvelope(ControlGroup& group, const RefString& label, int extent);
LevelScalingCurveControl& addLevelScalingCurve(ControlGroup& group, const RefString& label, int extent);
