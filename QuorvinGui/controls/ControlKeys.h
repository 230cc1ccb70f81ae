#pragma once
// Which key does what on a control: the keyboard rules as a table, so they
// can be checked without a window.
#include <cstdint>

enum class ControlKeyAction {
    pass, // skipped, so the page and the window can handle it
    copy,
    init,
    paste,
    popOut,
    popIn,
    navigate, // Tab; Shift goes backward
    enter,    // toggles a two-valued control, else pops it out
    escape,   // puts a popped-out control back
    previousRole,
    nextRole,
    firstRole,
    lastRole,
    stepUp,
    stepDown,
};

// The action of a key (the toolkit's key code) with or without Ctrl held.
ControlKeyAction controlKeyAction(int keyCode, bool ctrlDown);
