#include "controls/CharacterRowEditing.h"

#include "params/Parameter.h"
#include "text/WxText.h"
#include "undo/CommandList.h"

#include <wx/defs.h>
#include <wx/intl.h>

namespace {

constexpr std::uint32_t largestUnit = 0xFFFF;

} // namespace

std::optional<std::int32_t> CharacterRowEditing::typedCode(int keyCode, std::uint32_t unicodeKey, int modifiers)
{
    // Ctrl and Alt together are AltGr on some keyboards, which types.
    const int held = modifiers & wxMOD_ALTGR;
    if (held == wxMOD_CONTROL || held == wxMOD_ALT)
        return std::nullopt;
    if (keyCode == backspaceKey || keyCode == deleteKey || keyCode == keypadDeleteKey)
        return keyCode;
    // A character beyond one unit would be cut to another character.
    if (unicodeKey == WXK_NONE || unicodeKey > largestUnit)
        return std::nullopt;
    return static_cast<std::int32_t>(unicodeKey);
}

bool CharacterRowEditing::accepts(const Parameter& character, std::int32_t code)
{
    return code >= character.allowedMinimum() && code <= character.allowedMaximum()
        && code != character.excludedValue();
}

CharacterRowEditing::CursorMove CharacterRowEditing::typeKey(const std::vector<Parameter*>& characters,
    std::size_t cursor, std::int32_t code)
{
    if (cursor >= characters.size())
        return CursorMove::stay;
    // Even a key that changes nothing opens its group: an empty group is
    // dropped by the command lists.
    beginCommandGroup(fromWxString(_("Text edit")), flagsUserEdit);
    const CursorMove move = edit(characters, cursor, code);
    endCommandGroup(flagsUserEdit);
    return move;
}

CharacterRowEditing::CursorMove CharacterRowEditing::edit(const std::vector<Parameter*>& characters,
    std::size_t cursor, std::int32_t code)
{
    if (code == backspaceKey) {
        if (cursor == 0)
            return CursorMove::stay;
        deleteAt(characters, cursor - 1);
        return CursorMove::back;
    }
    if (code == deleteKey || code == keypadDeleteKey) {
        deleteAt(characters, cursor);
        return CursorMove::stay;
    }
    if (!accepts(*characters[cursor], code))
        return CursorMove::stay;
    insertAt(characters, cursor, code);
    return CursorMove::forward;
}

void CharacterRowEditing::deleteAt(const std::vector<Parameter*>& characters, std::size_t at)
{
    for (std::size_t i = at; i + 1 < characters.size(); ++i)
        write(*characters[i], characters[i + 1]->getValue());
    write(*characters.back(), blank);
}

void CharacterRowEditing::insertAt(const std::vector<Parameter*>& characters, std::size_t at, std::int32_t code)
{
    for (std::size_t i = characters.size() - 1; i > at; --i)
        write(*characters[i], characters[i - 1]->getValue());
    write(*characters[at], code);
}

void CharacterRowEditing::write(Parameter& character, std::int32_t code)
{
    if (character.getValue() != code)
        character.setValue(flagsUserEdit, code);
}
