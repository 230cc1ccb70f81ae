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
#include "sysex/PackedAddress.h"
#include "text/RefString.h"

#include <cstdint>
#include <memory>

class ControlGroup;
class Parameter;
class wxBitmap;

// --- Factories: unplaced and unbound; adding to the group passes ownership ---
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
