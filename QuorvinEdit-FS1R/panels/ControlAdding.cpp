#include "panels/ControlAdding.h"

#include "gui/ControlStyle.h"

std::unique_ptr<CaptionControl> newCaption(const ControlGroup& group)
{
    return std::make_unique<CaptionControl>(group.window(), group.captionStyle(), RefString(),
        ControlStyle::normalText);
}

std::unique_ptr<ZoneControl> newKeyVelocityZone(const ControlGroup& group)
{
    return newGroupControl<ZoneControl>(group);
}

std::unique_ptr<ScalingCurveControl> newScalingCurve(const ControlGroup& group)
{
    return newGroupControl<ScalingCurveControl>(group);
}

std::unique_ptr<GridSelectorControl> newGridSelector(const ControlGroup& group)
{
    return newGroupControl<GridSelectorControl>(group);
}

std::unique_ptr<PartEnvelopeControl> newPartEnvelope(const ControlGroup& group)
{
    return newGroupControl<PartEnvelopeControl>(group);
}

std::unique_ptr<PanSlider> newPanSlider(const ControlGroup& group)
{
    return newGroupControl<PanSlider>(group);
}

std::unique_ptr<VerticalBitmapSlider> newVerticalBitmapSlider(const ControlGroup& group)
{
    return newGroupControl<VerticalBitmapSlider>(group);
}

std::unique_ptr<ValueBox> newValueBox(const ControlGroup& group)
{
    return newGroupControl<ValueBox>(group);
}

std::unique_ptr<EnvelopeControl> newEnvelope(const ControlGroup& group)
{
    return newGroupControl<EnvelopeControl>(group);
}

std::unique_ptr<AlgorithmSelector> newAlgorithmSelector(const ControlGroup& group)
{
    return newGroupControl<AlgorithmSelector>(group);
}

std::unique_ptr<LevelScalingCurveControl> newLevelScalingCurve(const ControlGroup& group)
{
    return newGroupControl<LevelScalingCurveControl>(group);
}

std::unique_ptr<VerticalSlider> newVerticalSlider(const ControlGroup& group)
{
    return newGroupControl<VerticalSlider>(group);
}

ValueButton& addValueButtonAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newValueButton(group), label, offset, minimum, maximum, bitOffset, extent, labelStyle);
}

ChoiceControl& addChoiceAt(ControlGroup& group, const RefString& label, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newChoice(group), label, offset, minimum, maximum, bitOffset, extent, labelStyle);
}

PanSlider& addPanSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newPanSlider(group), label, offset, minimum, maximum, bitOffset, extent, labelStyle);
}

VerticalBitmapSlider& addVerticalBitmapSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newVerticalBitmapSlider(group), label, offset, minimum, maximum, bitOffset, extent,
        labelStyle);
}

ValueBox& addValueBoxAt(ControlGroup& group, const RefString& label, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newValueBox(group), label, offset, minimum, maximum, bitOffset, extent, labelStyle);
}

AlgorithmSelector& addAlgorithmSelectorAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newAlgorithmSelector(group), label, offset, minimum, maximum, bitOffset, extent,
        labelStyle);
}

VerticalSlider& addVerticalSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newVerticalSlider(group), label, offset, minimum, maximum, bitOffset, extent, labelStyle);
}

CaptionControl& addCaption(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle)
{
    return addBoundControl(group, newCaption(group), label, parameter, extent, labelStyle);
}

VerticalSlider& addVerticalSlider(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle)
{
    return addBoundControl(group, newVerticalSlider(group), label, parameter, extent, labelStyle);
}

ZoneControl& addKeyVelocityZone(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newKeyVelocityZone(group), label, extent, ControlStyle::normalText);
}

ScalingCurveControl& addScalingCurve(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newScalingCurve(group), label, extent, ControlStyle::normalText);
}

GridSelectorControl& addGridSelector(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newGridSelector(group), label, extent, ControlStyle::normalText);
}

PartEnvelopeControl& addPartEnvelope(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newPartEnvelope(group), label, extent, ControlStyle::normalText);
}

EnvelopeControl& addEnvelope(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newEnvelope(group), label, extent, ControlStyle::normalText);
}

LevelScalingCurveControl& addLevelScalingCurve(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newLevelScalingCurve(group), label, extent, ControlStyle::normalText);
}
