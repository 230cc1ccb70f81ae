#pragma once
// Edits a fixed-length name (a patch name, the control set's name) kept as
// one character parameter per role 0 .. n-1: draws the characters as one
// line, underlines the one at the role cursor while focused, and types each
// key as one undo step. Keeps no text of its own. Owned by its group's entry.
#include "controls/Control.h"

class EditableName;

class TextEditControl : public Control {
public:
    TextEditControl(wxWindow* parent, const ControlStyle& style);

    // Binds the name's characters in order, after any already bound.
    TextEditControl& bindCharacters(EditableName& name);

    // Presses do nothing here: the focus alone puts the cursor on the first
    // character.
    void onMouseDown(wxMouseEvent& event) override;
    void onMouseUp(wxMouseEvent& event) override;
    void onCaptureLost() override;
    void onChar(wxKeyEvent& event) override;
    void draw(wxDC& dc, const wxRegion& update, bool enabled, bool selected, bool focused) override;

protected:
    void onBind(RoleId role, Parameter* parameter) override;

private:
    // The cursor's place in role order; none when the cursor is on none.
    std::optional<std::size_t> cursorIndex() const;
};
