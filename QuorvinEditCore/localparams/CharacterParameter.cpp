#include "localparams/CharacterParameter.h"

#include <algorithm>

CharacterParameter::CharacterParameter()
    : Parameter(firstCharacter, lastCharacter)
{
}

std::int32_t CharacterParameter::getValue() const { return character_ == nullptr ? 0 : *character_; }

void CharacterParameter::apply(std::uint32_t flags, std::int32_t value)
{
    if (character_ == nullptr || (flags & SetValueFlag::userAction) == 0 || value == noValue)
        return;
    // An unclamped write (file and patch loads) must still not put a control
    // code or a truncated unit into the name.
    *character_ = char16_t(std::clamp(value, firstCharacter, lastCharacter));
}
