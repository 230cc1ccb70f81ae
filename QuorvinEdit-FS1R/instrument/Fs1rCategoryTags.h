#pragma once
// The category tags of performances and voices, by their category byte; the
// patch caches file each record under its tag.
#include "text/RefString.h"

#include <array>
#include <cstdint>
#include <string_view>

inline constexpr std::array<std::string_view, 23> categoryTags{"[--]", "[Pf]", "[Cp]", "[Or]", "[Gt]", "[Ba]",
    "[St]", "[En]", "[Br]", "[Rd]", "[Pi]", "[Ld]", "[Pd]", "[Fx]", "[Et]", "[Pc]", "[Se]", "[Dr]", "[Sc]", "[Vo]",
    "[Co]", "[Wv]", "[Sq]"};

// The tag of a category value; empty for a value past the table, which only
// a damaged patch carries.
RefString categoryTag(std::uint32_t category);
