// The reverb effect's parameter definitions: what each slot means to the
// types that use it, eight two-byte slots at 0x100050..0x10005e, then
// one-byte slots at 0x100060..0x100067 (0x100061 unused), whose
// definitions take all seven bits of their byte. Pages cite them by row.
#include "effects/ReverbTables.h"

namespace {

constexpr EffectDefinition definitions[] = {
    {0x100050, 0, 69, {}, 24}, // 0
    {0x100052, 0, 10}, // 1
    {0x100054, 0, 127, scaled(Rational(1574, 1000), Rational(100, 1000))}, // 2
    {0x100056, 0, 52, {}, 8}, // 3
    {0x100058, 34, 60, {}, 8}, // 4
    {0x10005a, 0, 37, {}, 25}, // 5
    {0x10005c, 0, 73, {}, 25}, // 6
    {0x10005e, 0, 104, {}, 25}, // 7
    {0x100060, 0, 30, {}, noLabelTable, oneByteSlotBits}, // 8
    {0x100062, 0, 63, scaled(Rational(1574, 1000), Rational(100, 1000)), noLabelTable, oneByteSlotBits}, // 9
    {0x100063, 0, 4, {}, noLabelTable, oneByteSlotBits}, // 10
    {0x100064, 1, 127, shifted(-64), noLabelTable, oneByteSlotBits}, // 11
    {0x100065, 1, 10, scaled(tenth), noLabelTable, oneByteSlotBits}, // 12
    {0x100066, 1, 127, shifted(-64), noLabelTable, oneByteSlotBits}, // 13
    {0x100050, 1, 13650, scaled(tenth)}, // 14
    {0x100052, 1, 13650, scaled(tenth)}, // 15
    {0x100054, 1, 13650, scaled(tenth)}, // 16
    {0x100056, 1, 13650, scaled(tenth)}, // 17
    {0x100058, 1, 127, shifted(-64)}, // 18
    {0x10005a, 0, 127}, // 19
    {0x10005c, 1, 10, scaled(tenth)}, // 20
    {0x10005a, 1, 10, scaled(tenth)}, // 21
    {0x100064, 4, 40, {}, 8, oneByteSlotBits}, // 22
    {0x100065, 52, 76, shifted(-64), noLabelTable, oneByteSlotBits}, // 23
    {0x100066, 28, 58, {}, 8, oneByteSlotBits}, // 24
    {0x100067, 52, 76, shifted(-64), noLabelTable, oneByteSlotBits}, // 25
    {0x100050, 1, 6820, scaled(tenth)}, // 26
    {0x100052, 1, 127, shifted(-64)}, // 27
    {0x100054, 1, 6820, scaled(tenth)}, // 28
    {0x100056, 1, 127, shifted(-64)}, // 29
    {0x100058, 1, 10, scaled(tenth)}, // 30
    {0x10005a, 1, 6820, scaled(tenth)}, // 31
    {0x10005c, 1, 6820, scaled(tenth)}, // 32
    {0x10005e, 0, 127}, // 33
    {0x100052, 1, 6820, scaled(tenth)}, // 34
    {0x100054, 1, 127, shifted(-64)}, // 35
    {0x100056, 0, 2, {}, 17}, // 36
};

} // namespace

std::span<const EffectDefinition> reverbDefinitions() { return definitions; }
