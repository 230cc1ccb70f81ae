#include "controls/ControlKeys.h"

#include <wx/defs.h>

namespace {

struct KeyRule {
    int keyCode;
    ControlKeyAction action;
};

// With Ctrl held only these keys act.
constexpr KeyRule ctrlKeys[] = {
    {'C', ControlKeyAction::copy},
    {'I', ControlKeyAction::init},
    {'V', ControlKeyAction::paste},
    {WXK_PAGEUP, ControlKeyAction::popOut},
    {WXK_NUMPAD_ADD, ControlKeyAction::popOut},
    {WXK_PAGEDOWN, ControlKeyAction::popIn},
    {WXK_NUMPAD_SUBTRACT, ControlKeyAction::popIn},
};

// The keypad's Home, Page Up and Page Down (Num Lock off) are not here: they
// are passed on.
constexpr KeyRule plainKeys[] = {
    {WXK_TAB, ControlKeyAction::navigate},
    {WXK_RETURN, ControlKeyAction::enter},
    {WXK_NUMPAD_ENTER, ControlKeyAction::enter},
    {WXK_ESCAPE, ControlKeyAction::escape},
    {WXK_LEFT, ControlKeyAction::previousRole},
    {WXK_UP, ControlKeyAction::previousRole},
    {WXK_RIGHT, ControlKeyAction::nextRole},
    {WXK_DOWN, ControlKeyAction::nextRole},
    {WXK_HOME, ControlKeyAction::firstRole},
    {WXK_NUMPAD_BEGIN, ControlKeyAction::firstRole},
    {WXK_END, ControlKeyAction::lastRole},
    {WXK_NUMPAD_END, ControlKeyAction::lastRole},
    {WXK_PAGEUP, ControlKeyAction::stepUp},
    {WXK_NUMPAD_ADD, ControlKeyAction::stepUp},
    {WXK_PAGEDOWN, ControlKeyAction::stepDown},
    {WXK_NUMPAD_SUBTRACT, ControlKeyAction::stepDown},
};

template <std::size_t count>
ControlKeyAction lookUp(const KeyRule (&rules)[count], int keyCode)
{
    for (const KeyRule& rule : rules)
        if (rule.keyCode == keyCode)
            return rule.action;
    return ControlKeyAction::pass;
}

} // namespace

ControlKeyAction controlKeyAction(int keyCode, bool ctrlDown)
{
    return ctrlDown ? lookUp(ctrlKeys, keyCode) : lookUp(plainKeys, keyCode);
}
