#pragma once
// The typing rules of a name kept as a row of character parameters: which
// keys type, delete or are ignored, how the characters shift and where the
// cursor goes. Each key is one undo step "Text edit" on every page.
// Stateless; the caller keeps the cursor.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class Parameter;

class CharacterRowEditing {
public:
    static constexpr std::int32_t backspaceKey = 8;
    static constexpr std::int32_t deleteKey = 127;
    static constexpr std::int32_t keypadDeleteKey = 385;
    // What a deleted character leaves at the end of the name.
    static constexpr std::int32_t blank = 32;

    enum class CursorMove { stay, back, forward };

    // The code a character event types: the editing keys by their key code,
    // anything else by its character, which must fit one UTF-16 unit. None
    // for keys that type nothing, among them every key held with Ctrl or
    // Alt (the toolkit's modifier flags): those are the menu's shortcuts.
    static std::optional<std::int32_t> typedCode(int keyCode, std::uint32_t unicodeKey, int modifiers);

    // Applies one typed code at the cursor's character. Backspace deletes
    // the character before the cursor, Delete the one at it (the rest
    // shifting left, a blank coming in at the end); any other code the
    // cursor's character accepts is inserted there (the rest shifting
    // right, the last character falling off). A cursor outside the row
    // edits nothing.
    static CursorMove typeKey(const std::vector<Parameter*>& characters, std::size_t cursor, std::int32_t code);

    // The character's allowed range holds the code and it is not excluded.
    static bool accepts(const Parameter& character, std::int32_t code);

private:
    static CursorMove edit(const std::vector<Parameter*>& characters, std::size_t cursor, std::int32_t code);
    static void deleteAt(const std::vector<Parameter*>& characters, std::size_t at);
    static void insertAt(const std::vector<Parameter*>& characters, std::size_t at, std::int32_t code);
    static void write(Parameter& character, std::int32_t code);
};
