#include "controls/TextEditControl.h"

#include "controls/CharacterRowEditing.h"
#include "gui/ControlStyle.h"
#include "gui/Drawing.h"
#include "localparams/EditableName.h"
#include "params/Parameter.h"
#include "text/WxText.h"

#include <iterator>
#include <string>

#include <wx/dc.h>
#include <wx/event.h>
#include <wx/intl.h>

namespace {

// What a code that is no printable character shows as.
constexpr std::int32_t shownBlank = 32;
constexpr int noUnderline = -1;

} // namespace

TextEditControl::TextEditControl(wxWindow* parent, const ControlStyle& style) : Control(parent, style) {}

TextEditControl& TextEditControl::bindCharacters(EditableName& name)
{
    for (CharacterParameter& character : name.characters())
        bindParameter(&character, static_cast<RoleId>(roles().size()));
    return *this;
}

void TextEditControl::onBind(RoleId role, Parameter* parameter)
{
    if (parameter != nullptr)
        parameter->setKeyName(RefString::concat(fromWxString(_("character ")), RefString::fromInt(role)));
}

void TextEditControl::onMouseDown(wxMouseEvent&) {}
void TextEditControl::onMouseUp(wxMouseEvent&) {}
void TextEditControl::onCaptureLost() {}

std::optional<std::size_t> TextEditControl::cursorIndex() const
{
    const auto at = roles().find(currentRole());
    if (at == roles().end())
        return std::nullopt;
    return static_cast<std::size_t>(std::distance(roles().begin(), at));
}

void TextEditControl::onChar(wxKeyEvent& event)
{
    const std::optional<std::int32_t> code = CharacterRowEditing::typedCode(event.GetKeyCode(),
        static_cast<std::uint32_t>(event.GetUnicodeKey()), event.GetModifiers());
    const std::optional<std::size_t> cursor = cursorIndex();
    // Typing needs a character under the cursor, which the focus gives;
    // other keys are the menu's: a key taken here never reaches it.
    if (!code || !cursor) {
        event.Skip();
        return;
    }
    switch (CharacterRowEditing::typeKey(getParameters(), *cursor, *code)) {
    case CharacterRowEditing::CursorMove::back:
        moveRoleCursor(true);
        break;
    case CharacterRowEditing::CursorMove::forward:
        moveRoleCursor(false);
        break;
    case CharacterRowEditing::CursorMove::stay:
        break;
    }
    refreshRect(nullptr);
}

void TextEditControl::draw(wxDC& dc, const wxRegion&, bool, bool, bool focused)
{
    std::u16string text;
    for (const Parameter* character : getParameters()) {
        const std::int32_t code = character->getValue();
        text.push_back(static_cast<char16_t>(code < shownBlank ? shownBlank : code));
    }
    const wxSize size = clientSize();
    paintBackground(dc, size.GetWidth(), size.GetHeight());
    useFont(dc, style().fixedFont);
    dc.SetTextForeground(style().colour4);
    dc.SetPen(wxPen(style().colour4));
    const int border = style().borderWidth;
    const std::optional<std::size_t> cursor = cursorIndex();
    const int underlined = focused && cursor ? static_cast<int>(*cursor) : noUnderline;
    dc.DrawLabel(toWxString(RefString(text)),
        wxRect(border, border, size.GetWidth() - 2 * border, size.GetHeight() - 2 * border),
        wxALIGN_LEFT | wxALIGN_CENTRE_VERTICAL, underlined);
}
