#pragma once
// The data an effect block is made from. How a block's table is written:
//
// - EffectBlockDescription: the block's names, its type parameter (address,
//   highest type, label table of the choice), its x position on the
//   performance page, its definitions and its pages.
// - definitions: one EffectDefinition per parameter definition, in number
//   order (the row index is the number items cite). A row with address 0
//   keeps a number free and makes nothing. Every definition takes the whole
//   width of its slot (slotBits), whatever its range needs, so definitions
//   sharing a slot never read or keep each other's stray high bits.
// - pages: one EffectPage per type from 1 upwards, each a list of
//   EffectItems top to bottom. An item names a definition by number, or sets
//   `definition` to pageParameter and describes a parameter of the page's own
//   in `own` (made at its row, so the row order fixes the registry keys).
//   A type beyond the listed pages has no page.
// - defaults: byLabel("250") looks a label up as written, byWord("mono")
//   translates it first (words of translated tables), byDisplay(Rational)
//   converts a shown value (decimals in thousandths: Rational(3200, 1000)),
//   byRaw(1) is the raw value; withoutDefault leaves the item without one.
//   Each control keeps its own default, value buttons included.
// - destinationItems: for blocks that name control destinations after the
//   shown page, bit j - 1 marks item j (see destinationMask).
#include "sysex/PackedAddress.h"
#include "text/Rational.h"

#include <cstdint>
#include <initializer_list>
#include <span>

class ControlGroup;
struct EffectPage;

inline constexpr std::int32_t noLabelTable = -1;
inline constexpr std::uint32_t twoByteSlotBits = 14;
inline constexpr std::uint32_t oneByteSlotBits = 7;

// displayed = raw x scale + offset.
struct DisplayMapping {
    Rational scale{1};
    Rational offset{0};

    constexpr bool isIdentity() const { return scale == Rational(1) && offset == Rational(0); }
};

// A scale of 1/10 written over 10, not over 1000: the shown decimals follow
// the denominator, and these values read with one ("1.7", "333.3").
inline constexpr Rational tenth{1, 10};

// display = raw + offset.
constexpr DisplayMapping shifted(std::int64_t offset) { return {Rational(1), Rational(offset)}; }
constexpr DisplayMapping scaled(Rational scale, Rational offset = Rational(0)) { return {scale, offset}; }

struct EffectDefinition {
    // 0: the number is not used.
    PackedAddress address = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    DisplayMapping mapping{};
    std::int32_t labelTable = noLabelTable;
    std::uint32_t slotBits = twoByteSlotBits;
};

// A list of two texts of a page's own, translated when first used; in
// context when the words must agree with what they describe (a French
// phase is "normale").
struct EffectOwnLabels {
    const char* first;
    const char* second;
    const char* context = nullptr;
};

// A parameter that a page makes for itself at an effect address.
struct EffectPageParameter {
    PackedAddress address = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    DisplayMapping mapping{};
    std::int32_t labelTable = noLabelTable;
    const EffectOwnLabels* ownLabels = nullptr;
    std::uint32_t slotBits = twoByteSlotBits;
};

struct EffectDefault {
    enum class Kind : std::uint8_t { none, label, word, display, raw };

    Kind kind = Kind::none;
    const char* label = nullptr;
    Rational display{};
    std::int32_t raw = 0;
};

inline constexpr EffectDefault withoutDefault{};
constexpr EffectDefault byLabel(const char* label) { return {EffectDefault::Kind::label, label, {}, 0}; }
constexpr EffectDefault byWord(const char* word) { return {EffectDefault::Kind::word, word, {}, 0}; }
constexpr EffectDefault byDisplay(Rational display) { return {EffectDefault::Kind::display, nullptr, display, 0}; }
constexpr EffectDefault byRaw(std::int32_t raw) { return {EffectDefault::Kind::raw, nullptr, {}, raw}; }

enum class EffectControlKind : std::uint8_t { slider, valueButton, choice };

inline constexpr std::int32_t pageParameter = -1;

struct EffectItem {
    // English; translated when the page is built.
    const char* label;
    EffectControlKind kind;
    // A definition number, or pageParameter for `own`.
    std::int32_t definition;
    EffectDefault defaultValue;
    EffectPageParameter own{};
};

struct EffectPage {
    std::span<const EffectItem> items;
    std::uint32_t destinationItems = 0;
};

// Item numbers (1-based) to EffectPage::destinationItems.
constexpr std::uint32_t destinationMask(std::initializer_list<int> itemNumbers)
{
    std::uint32_t mask = 0;
    for (int number : itemNumbers)
        mask |= 1u << (number - 1);
    return mask;
}

// Run after every accepted type change with the page now shown (null for a
// type without one) and its table entry (null likewise).
using EffectTypeShownHook = void (*)(const ControlGroup* page, const EffectPage* table);

struct EffectBlockDescription {
    const char* headerName;
    const char* pageName;
    const char* caption;
    PackedAddress typeAddress;
    std::int32_t typeCount;
    std::int32_t typeLabelTable;
    int x;
    std::span<const EffectDefinition> definitions;
    std::span<const EffectPage> pages;
    EffectTypeShownHook typeShown = nullptr;
};
