#include "localparams/EditableName.h"

#include <algorithm>

namespace {

constexpr char16_t blank = u' ';
constexpr char16_t unrepresentable = u'?';

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Control codes would end up in the control-set file, where XML cannot hold
// them; a character beyond one unit cannot be one character parameter.
bool nameCanHold(char16_t unit)
{
    const bool control = unit < CharacterParameter::firstCharacter || (unit >= 0x80 && unit <= 0x9F);
    const bool surrogate = isHighSurrogate(unit) || isLowSurrogate(unit);
    const bool nonCharacter = unit == 0xFFFE || unit == 0xFFFF;
    return !control && !surrogate && !nonCharacter;
}

} // namespace

EditableName::EditableName()
{
    std::fill_n(buffer_.begin(), nameLength, blank);
    for (std::uint32_t i = 0; i < nameLength; ++i)
        characters_[i].setCharacter(&buffer_[i]);
}

RefString EditableName::text() const
{
    std::size_t end = nameLength;
    while (end > 0 && buffer_[end - 1] == blank)
        --end;
    // Length 0 still gives a non-null text.
    return RefString(buffer_.data(), std::ptrdiff_t(end));
}

void EditableName::setText(const RefString& text)
{
    const std::u16string_view units = text.view();
    std::size_t position = 0;
    for (std::size_t i = 0; i < units.size() && position < nameLength; ++i) {
        const char16_t unit = units[i];
        // A surrogate pair is one character: one '?' stands for both halves.
        if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1]))
            ++i;
        buffer_[position++] = nameCanHold(unit) ? unit : unrepresentable;
    }
    std::fill(buffer_.begin() + std::ptrdiff_t(position), buffer_.begin() + nameLength, blank);
}
