#include "controls/ControlFactories.h"

#include "gui/ControlStyle.h"
#include "sysex/ParameterFactory.h"
#include "sysex/SysexParameter.h"

#include <stdexcept>

#include <wx/bitmap.h>

std::unique_ptr<ValueButton> newValueButton(const ControlGroup& group)
{
    return newGroupControl<ValueButton>(group);
}

std::unique_ptr<ChoiceControl> newChoice(const ControlGroup& group)
{
    return newGroupControl<ChoiceControl>(group);
}

std::unique_ptr<TextEditControl> newTextEdit(const ControlGroup& group)
{
    return newGroupControl<TextEditControl>(group);
}

std::unique_ptr<HorizontalRangeControl> newHorizontalRange(const ControlGroup& group)
{
    return newGroupControl<HorizontalRangeControl>(group);
}

std::unique_ptr<VerticalRangeControl> newVerticalRange(const ControlGroup& group)
{
    return newGroupControl<VerticalRangeControl>(group);
}

std::unique_ptr<HorizontalSlider> newHorizontalSlider(const ControlGroup& group)
{
    return newGroupControl<HorizontalSlider>(group);
}

std::shared_ptr<const wxBitmap> makeSharedBitmap(wxBitmap* bitmap)
{
    return std::shared_ptr<const wxBitmap>(bitmap);
}

void bindSysexParameterAt(ControlGroup& group, Control& control, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, RoleId role)
{
    ParameterFactory* factory = group.factory();
    if (factory == nullptr)
        throw std::logic_error("a control group without a parameter factory cannot make parameters");
    const PackedAddress address = sumPackedAddresses(group.baseAddress(), offset);
    control.bindParameter(factory->addSysexParameter(address, minimum, maximum, bitOffset), role);
}

ValueButton& addValueButton(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle)
{
    return addBoundControl(group, newValueButton(group), label, parameter, extent, labelStyle);
}

ChoiceControl& addChoice(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle)
{
    return addBoundControl(group, newChoice(group), label, parameter, extent, labelStyle);
}

HorizontalSlider& addSlider(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle)
{
    return addBoundControl(group, newHorizontalSlider(group), label, parameter, extent, labelStyle);
}

HorizontalSlider& addSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    return addControlAt(group, newHorizontalSlider(group), label, offset, minimum, maximum, bitOffset, extent,
        labelStyle);
}

TextEditControl& addTextEditAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t count, int extent)
{
    TextEditControl& control =
        addLabelled(group, newTextEdit(group), label, extent, ControlStyle::normalText);
    for (std::uint32_t character = 0; character < count; ++character)
        bindSysexParameterAt(group, control, addToPackedAddress(offset, character), minimum, maximum, 0, character);
    return control;
}

HorizontalRangeControl& addHorizontalRange(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newHorizontalRange(group), label, extent, ControlStyle::normalText);
}

VerticalRangeControl& addVerticalRange(ControlGroup& group, const RefString& label, int extent)
{
    return addLabelled(group, newVerticalRange(group), label, extent, ControlStyle::normalText);
}
