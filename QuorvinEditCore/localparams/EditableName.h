#pragma once
// A fixed-length name edited one character at a time through its character
// parameters (the MIDI control set's name). Owns its characters and their
// text; not copyable, since the characters point into it.
#include "localparams/CharacterParameter.h"
#include "text/RefString.h"

#include <array>
#include <cstdint>

class EditableName {
public:
    static constexpr std::uint32_t nameLength = 24;

    // A name of blanks.
    EditableName();
    EditableName(const EditableName&) = delete;
    EditableName& operator=(const EditableName&) = delete;

    std::uint32_t length() const { return nameLength; }
    CharacterParameter& character(std::uint32_t index) { return characters_.at(index); }
    std::array<CharacterParameter, nameLength>& characters() { return characters_; }

    // The characters up to the last one that is not a blank; never null.
    RefString text() const;
    // The name becomes the text: its first characters, blanks after it (a
    // shorter name must not keep the old one's tail), and '?' for each
    // character a name cannot hold. The character parameters are not told.
    void setText(const RefString& text);

private:
    // One unit more for the terminating zero.
    std::array<char16_t, nameLength + 1> buffer_{};
    std::array<CharacterParameter, nameLength> characters_;
};
