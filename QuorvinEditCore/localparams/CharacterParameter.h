#pragma once
// One character of an EditableName, as a parameter, so that text edits, undo
// and MIDI learn work on names. The name owns it and gives it its character.
#include "params/Parameter.h"

class CharacterParameter : public Parameter {
public:
    static constexpr std::int32_t firstCharacter = 32;
    static constexpr std::int32_t lastCharacter = 127;

    CharacterParameter();

    // The character's code, 0 while no character is given.
    std::int32_t getValue() const override;
    // Stores only on userAction (construction flags leave the text alone),
    // and only codes of the parameter's range, even when not clamped.
    void apply(std::uint32_t flags, std::int32_t value) override;

    void setCharacter(char16_t* character) { character_ = character; }

private:
    char16_t* character_ = nullptr;
};
