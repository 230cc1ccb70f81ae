#pragma once
// The free functions through which page builders and dialogs put the common
// controls on a control group: factories that make a control on the group's
// window with the group's style, and add functions that also place it with
// its caption and bind it. They keep no state; the group owns what they add.
#include "controls/ChoiceControl.h"
#include "controls/HorizontalRangeControl.h"
#include "controls/HorizontalSlider.h"
#include "controls/TextEditControl.h"
#include "controls/ValueButton.h"
#include "controls/VerticalRangeControl.h"
#include "gui/ControlGroup.h"
#include "sysex/PackedAddress.h"
#include "text/RefString.h"

#include <cstdint>
#include <memory>

class Parameter;
class wxBitmap;

// --- Factories: unplaced and unbound; adding to the group passes ownership ---
// Any control kind made the common way: on the group's window, in its style.
template <typename Kind>
std::unique_ptr<Kind> newGroupControl(const ControlGroup& group)
{
    return std::make_unique<Kind>(group.window(), group.captionStyle());
}

std::unique_ptr<ValueButton> newValueButton(const ControlGroup& group);
std::unique_ptr<ChoiceControl> newChoice(const ControlGroup& group);
std::unique_ptr<TextEditControl> newTextEdit(const ControlGroup& group);
std::unique_ptr<HorizontalRangeControl> newHorizontalRange(const ControlGroup& group);
std::unique_ptr<VerticalRangeControl> newVerticalRange(const ControlGroup& group);
std::unique_ptr<HorizontalSlider> newHorizontalSlider(const ControlGroup& group);

// Takes ownership of a picture handed to Control::setBitmap; null stays null.
std::shared_ptr<const wxBitmap> makeSharedBitmap(wxBitmap* bitmap);

// --- Add functions ---------------------------------------------------------
// Common arguments: label is the caption, already translated; extent is the
// control's length along the group's run (0 = the group's default); label
// style is a ControlStyle text kind for the caption. The control is placed
// (which names its path) before any parameter is bound, so the parameter's
// key takes the control's path.

// Bound forms: the given parameter becomes the control's main parameter,
// even when another control already shows it.
ValueButton& addValueButton(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle);
ChoiceControl& addChoice(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle);
HorizontalSlider& addSlider(ControlGroup& group, const RefString& label, Parameter* parameter, int extent,
    int labelStyle);

// A new SysEx parameter at the group's base address plus offset (7-bit
// carries), raw range min..max, lowest bit at bitOffset in its entry.
HorizontalSlider& addSliderAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle);

// count one-character parameters at consecutive packed addresses from the
// group's base plus offset, bound under roles 0 .. count - 1; count 0
// places the control with none. Caption in the default text kind.
TextEditControl& addTextEditAt(ControlGroup& group, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t count, int extent);

// Unbound: the caller binds the range's low and high roles itself.
HorizontalRangeControl& addHorizontalRange(ControlGroup& group, const RefString& label, int extent);
VerticalRangeControl& addVerticalRange(ControlGroup& group, const RefString& label, int extent);

// --- Building blocks of the add functions, for other sets of them ---------
// Hands a made control to the group, placed with its caption; the group
// names the control's path from the caption before anything is bound.
template <typename Kind>
Kind& addLabelled(ControlGroup& group, std::unique_ptr<Kind> control, const RefString& label, int extent,
    int labelStyle)
{
    Kind& added = *control;
    group.addLabelledControl(std::move(control), label, extent, labelStyle);
    return added;
}

// Makes a parameter through the group's factory at the group's base address
// plus offset and binds it to the control under role. Throws
// std::logic_error when the group has no factory: a page built wrongly.
void bindSysexParameterAt(ControlGroup& group, Control& control, PackedAddress offset, std::int32_t minimum,
    std::int32_t maximum, std::uint32_t bitOffset, RoleId role = Control::roleMain);

// The bound form: placed, then the given parameter bound as the main one.
template <typename Kind>
Kind& addBoundControl(ControlGroup& group, std::unique_ptr<Kind> control, const RefString& label,
    Parameter* parameter, int extent, int labelStyle)
{
    Kind& added = addLabelled(group, std::move(control), label, extent, labelStyle);
    added.bindParameter(parameter);
    return added;
}

// The "At" form: placed, then its new parameter bound as the main one.
template <typename Kind>
Kind& addControlAt(ControlGroup& group, std::unique_ptr<Kind> control, const RefString& label, PackedAddress offset,
    std::int32_t minimum, std::int32_t maximum, std::uint32_t bitOffset, int extent, int labelStyle)
{
    Kind& added = addLabelled(group, std::move(control), label, extent, labelStyle);
    bindSysexParameterAt(group, added, offset, minimum, maximum, bitOffset);
    return added;
}
