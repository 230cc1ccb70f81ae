#pragma once
// Holds an effect block's pages against lists typed apart from its tables:
// every item's label, kind, bound parameter, range and, where the list gives
// it, the address its value goes to.
#include "effects/EffectTables.h"

#include <cstdint>
#include <span>

class Control;
class EffectBlock;

struct ExpectedRange {
    std::int32_t minimum;
    std::int32_t maximum;
};

struct ExpectedItem {
    const char* label;
    EffectControlKind kind;
    // A definition number, or pageParameter with the page parameter's range.
    std::int32_t definition;
    ExpectedRange own{};
    // The page parameter's address; 0 where the list gives none.
    PackedAddress ownAddress = 0;
};

struct ExpectedDefinition {
    // 0 where the list gives none.
    PackedAddress address;
    ExpectedRange range;
};

bool isKind(const Control& control, EffectControlKind kind);

// The page of the type holds the items, top to bottom.
void expectPageHolds(EffectBlock& block, std::int32_t type, std::span<const ExpectedItem> items,
    std::span<const ExpectedDefinition> definitions);
// Every definition, bound by a page or not; those typed {0, {0, 0}} are not made.
void expectDefinitions(EffectBlock& block, std::span<const ExpectedDefinition> definitions);
