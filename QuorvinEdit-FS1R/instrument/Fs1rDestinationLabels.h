#pragma once
// The names of the 48 destinations a performance controller can drive. Entries
// 1 to 14 name parameters of the current insertion effect and are rewritten
// whenever its type changes; the others never change.
#include "labels/FixedLabelList.h"

#include <cstdint>
#include <span>

inline constexpr std::uint32_t fs1rDestinationCount = 48;
inline constexpr std::int32_t firstInsertionDestination = 1;
inline constexpr std::int32_t insertionDestinationCount = 14;

// The one shared list, translated at its first use; the caller never owns it.
FixedLabelList* getDestinationLabels();

// Names insertion destinations 1 to 14 after the destination items of the
// insertion page, in page order, as "I: " and the item's label; the entries
// left over read "---". Items beyond the fourteenth name nothing.
void setInsertionDestinations(std::span<const RefString> itemLabels);
