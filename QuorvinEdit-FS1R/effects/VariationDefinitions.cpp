// The variation effect's parameter definitions: what each two-byte slot of
// 0x100068..0x10007e and 0x100100..0x100106 means to the types that use it
// (after 0x10007e the packed address carries into 0x100100; 0x10007a is
// unused). Pages cite them by row.
#include "effects/VariationTables.h"

namespace {

constexpr EffectDefinition definitions[] = {
    {0x100068, 0, 127, {}, 10}, // 0
    {0x10006a, 0, 127}, // 1
    {0x10006c, 1, 127, shifted(-64)}, // 2
    {0x10006e, 0, 127, {}, 11}, // 3
    {0x100072, 4, 40, {}, 8}, // 4
    {0x100074, 52, 76, shifted(-64)}, // 5
    {0x100076, 28, 58, {}, 8}, // 6
    {0x100078, 52, 76, shifted(-64)}, // 7
    {0x100104, 0, 1, {}, 12}, // 8
    {0x100102, 4, 124, scaled(Rational(3), Rational(-192))}, // 9
    {0x10006c, 0, 127, {}, 11}, // 10
    {0x10006c, 0, 127}, // 11
    {0x10006e, 1, 127, shifted(-64)}, // 12
    {0x10007c, 4, 10}, // 13
    {0x10007e, 0, 1, {}, 12}, // 14
    {0x10007c, 3, 5}, // 15
    {0x100100, 4, 124, scaled(Rational(3), Rational(-192))}, // 16
    {0x10006a, 0, 127}, // 17
    {0x10006c, 0, 127}, // 18
    {0x10006e, 0, 5, {}, 13}, // 19
    {0x10006c, 0, 127}, // 20
    {0x10006e, 10, 120, scaled(tenth)}, // 21
    {0x100068, 0, 127}, // 22
    {0x10006a, 0, 127}, // 23
    {0x10006c, 10, 120, scaled(tenth)}, // 24
    {0x100068, 0, 19, {}, 15}, // 25
    {0x10006a, 0, 15, {}, 14}, // 26
    {0x10006c, 55, 97, shifted(-127)}, // 27
    {0x10006e, 0, 127}, // 28
    {0x10006c, 79, 121, shifted(-127)}, // 29
    {0x10006e, 0, 7, {}, 16}, // 30
    {0x100070, 0, 127}, // 31
    {0x100068, 0, 127}, // 32
    {0x10006a, 4, 40, {}, 8}, // 33
    {0x10006c, 52, 76, shifted(-64)}, // 34
    {0x100074, 14, 54, {}, 8}, // 35
    {0x100076, 52, 76, shifted(-64)}, // 36
    {0x100078, 10, 120, scaled(tenth)}, // 37
    {0x10006e, 34, 60, {}, 8}, // 38
    {0x10007c, 0, 127}, // 39
    {0x100068, 1, 13650, scaled(tenth)}, // 40
    {0x10006a, 1, 13650, scaled(tenth)}, // 41
    {0x10006c, 1, 13650, scaled(tenth)}, // 42
    {0x10006e, 1, 13650, scaled(tenth)}, // 43
    {0x100070, 1, 127, shifted(-64)}, // 44
    {0x100072, 0, 127}, // 45
    {0x100072, 1, 10, scaled(tenth)}, // 46
    {0x100074, 1, 10, scaled(tenth)}, // 47
    {0x100100, 4, 40, {}, 8}, // 48
    {0x100102, 52, 76, shifted(-64)}, // 49
    {0x100104, 28, 58, {}, 8}, // 50
    {0x100106, 52, 76, shifted(-64)}, // 51
    {0x100068, 1, 6820, scaled(tenth)}, // 52
    {0x10006a, 1, 6820, scaled(tenth)}, // 53
    {0x10006c, 1, 6820, scaled(tenth)}, // 54
    {0x10006a, 1, 127, shifted(-64)}, // 55
    {0x10006e, 1, 127, shifted(-64)}, // 56
    {0x100070, 1, 10, scaled(tenth)}, // 57
    {0x100072, 1, 6820, scaled(tenth)}, // 58
    {0x100074, 1, 6820, scaled(tenth)}, // 59
    {0x100076, 0, 127}, // 60
    {0x10006e, 0, 2, {}, 17}, // 61
    {0x100068, 0, 69, {}, 24}, // 62
    {0x10006a, 0, 10}, // 63
    {0x10006c, 0, 127, scaled(Rational(1574, 1000), Rational(100, 1000))}, // 64
    {0x10006e, 0, 52, {}, 8}, // 65
    {0x100070, 34, 60, {}, 8}, // 66
    {0x10007e, 0, 4}, // 67
    {0x100100, 1, 127, shifted(-64)}, // 68
    {0x100102, 1, 10, scaled(tenth)}, // 69
    {0x100104, 1, 127, shifted(-64)}, // 70
};

} // namespace

std::span<const EffectDefinition> variationDefinitions() { return definitions; }
